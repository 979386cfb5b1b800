// The "극축 맞추기" view: the pole star drawn at the clock position of its hour angle in both
// the inverting and the upright view, sigma Octantis and its neighbours for a southern site,
// and the "지금" mode following an injected clock on its one-second timer.
#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "views/cpolarscopeview.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kClockToleranceHours = 0.05;  // clock hours (1.5 degrees of the face)
constexpr double kRadiusTolerancePixels = 2.0;

struct Blob {
    int pixels = 0;
    QPointF centre;
};

// Centroid of the pixels of exactly one colour.
Blob FindColour(const QImage& image, const QColor& colour)
{
    Blob b;
    double sx = 0.0, sy = 0.0;
    const QRgb want = colour.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF)) {
                ++b.pixels;
                sx += x + 0.5;
                sy += y + 0.5;
            }
    if (b.pixels > 0)
        b.centre = QPointF(sx / b.pixels, sy / b.pixels);
    return b;
}

// Clock position (hours, 0 at the top, clockwise) of a pixel around the scope's centre.
double ClockOfPixel(const QPointF& centre, const QPointF& at)
{
    const double a = std::atan2(at.x() - centre.x(), centre.y() - at.y());  // clockwise from up
    const double clock = a / kTwoPi * 12.0;
    return clock - 12.0 * std::floor(clock / 12.0);
}

double ClockDifference(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 12.0);
    return std::min(d, 12.0 - d);
}

ShownSky SkyAt(double jdUT, double latDeg, double lonDeg)
{
    const Observer site("", "", static_cast<float>(lonDeg * kDegToRad),
                        static_cast<float>(latDeg * kDegToRad), 0.0f);
    return ComputeShownSkyAt(Instant::FromUT(jdUT), site, Model::Precise);
}

QImage Grab(CPolarScopeView& view)
{
    QApplication::processEvents();
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Facing the elevated pole with the eye: the northern sky turns counter-clockwise, so a star
// west of the meridian (hour angle 6 h) stands at 9 o'clock; an inverting scope turns the
// picture half round; the southern sky turns the other way.
double ExpectedClock(double hourAngleH, bool south, bool inverted)
{
    double clock = (south ? hourAngleH : -hourAngleH) / 2.0 + (inverted ? 6.0 : 0.0);
    return clock - 12.0 * std::floor(clock / 12.0);
}

TEST(PolarScopeView, PoleStarStandsAtTheClockOfItsHourAngle)
{
    struct Case {
        const char* site;
        double latDeg;
        double lonDeg;
        double jdUT;
    };
    const Case cases[] = {
        {"Seoul 2026-12-08 12h", 37.5665, 126.978, 2461383.0},
        {"Seoul 2026-12-08 18h", 37.5665, 126.978, 2461383.25},
        {"Greenwich 2032-03-19 2h", 51.4769, 0.0, 2463310.5 + 2.0 / 24.0},
        {"Sydney 2026-12-08 12h", -33.8688, 151.2093, 2461383.0},
        {"Santiago 2034-07-01 5h", -33.4489, -70.6693, 2464144.5 + 5.0 / 24.0},
    };
    for (const Case& c : cases) {
        const ShownSky sky = SkyAt(c.jdUT, c.latDeg, c.lonDeg);
        CPolarScopeView view(sky);
        view.resize(900, 560);
        view.show();
        for (bool inverted : {true, false}) {
            view.SetInverted(inverted);
            const QImage image = Grab(view);
            const PolarScopeField& f = view.Field();
            EXPECT_EQ(f.inverted, inverted);
            EXPECT_EQ(f.pole.south, c.latDeg < 0.0) << c.site;
            const Blob star = FindColour(image, CPolarScopeView::PoleStarColor());
            ASSERT_GT(star.pixels, 20) << c.site;
            const QRect scope = view.ScopeRect();
            const QPointF centre = QRectF(scope).center();
            const double expected =
                ExpectedClock(f.pole.hourAngle * kRadToHours, f.pole.south, inverted);
            EXPECT_LT(ClockDifference(ClockOfPixel(centre, star.centre), expected),
                      kClockToleranceHours)
                << c.site << (inverted ? " inverted" : " upright");
            // And at the pole distance from the centre, on the field's scale.
            const double radiusPixels = f.pole.poleDistance / f.fieldRadius * scope.width() / 2.0;
            const QPointF d = star.centre - centre;
            EXPECT_NEAR(std::hypot(d.x(), d.y()), radiusPixels, kRadiusTolerancePixels) << c.site;
        }
    }
}

TEST(PolarScopeView, InvertingTurnsThePictureHalfRound)
{
    const ShownSky sky = SkyAt(2461383.0, 37.5665, 126.978);
    CPolarScopeView view(sky);
    view.resize(900, 560);
    view.show();
    auto* upright = view.findChild<QRadioButton*>();
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(upright->text(), QStringLiteral("정립"));
    EXPECT_TRUE(view.Inverted());  // the usual polar scope
    const QPointF centre = QRectF(view.ScopeRect()).center();
    const QPointF inverted = FindColour(Grab(view), CPolarScopeView::PoleStarColor()).centre;
    QTest::mouseClick(upright, Qt::LeftButton);
    EXPECT_FALSE(view.Inverted());
    const QPointF straight = FindColour(Grab(view), CPolarScopeView::PoleStarColor()).centre;
    EXPECT_NEAR((inverted + straight).x() / 2.0, centre.x(), kRadiusTolerancePixels);
    EXPECT_NEAR((inverted + straight).y() / 2.0, centre.y(), kRadiusTolerancePixels);
}

TEST(PolarScopeView, SouthernSiteShowsSigmaOctantisAndItsNeighbours)
{
    const ShownSky sky = SkyAt(2461383.0, -33.8688, 151.2093);
    CPolarScopeView view(sky);
    view.resize(900, 560);
    view.show();
    const PolarScopeField& f = view.Field();
    EXPECT_EQ(f.pole.star, PoleStarId::SigmaOctantis);
    ASSERT_EQ(f.stars.size(), 3u);
    EXPECT_TRUE(view.FigureText().contains(QStringLiteral("팔분의자리 σ")));
    EXPECT_FALSE(view.FigureText().contains(QStringLiteral("북극성")));
    const QImage image = Grab(view);
    EXPECT_GT(FindColour(image, CPolarScopeView::PoleStarColor()).pixels, 20);
    EXPECT_GT(FindColour(image, CPolarScopeView::NeighbourColor()).pixels, 2 * 20);
    // sigma Octantis about 1 deg 9' from the pole in 2026, drifting away.
    EXPECT_NEAR(f.pole.poleDistance * kRadToDeg * 60.0, 69.0, 1.0);
    ASSERT_EQ(f.epochs.size(), 4u);
    EXPECT_LT(f.epochs.front().radius, f.epochs.back().radius);
}

TEST(PolarScopeView, NowFollowsTheClockOnlyWhileChecked)
{
    const double shownJd = 2461383.0;
    const ShownSky sky = SkyAt(shownJd, 37.5665, 126.978);
    CPolarScopeView view(sky);
    double now = 2462000.25;
    view.SetClock([&now] { return now; });
    auto* timer = view.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());  // no timer while showing the shown instant
    EXPECT_DOUBLE_EQ(view.Field().jdUT, shownJd);

    auto* box = view.findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("지금"));
    box->setChecked(true);
    EXPECT_TRUE(view.FollowsClock());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_DOUBLE_EQ(view.Field().jdUT, now);
    const double ha = view.Field().pole.hourAngle;

    now += 60.0 / 86400.0;  // one minute later: a quarter of a degree more hour angle
    view.Tick();
    EXPECT_DOUBLE_EQ(view.Field().jdUT, now);
    EXPECT_NEAR(WrapPi(view.Field().pole.hourAngle - ha) * kRadToHours * 60.0, 1.0027, 0.01);
    view.Refresh();  // the shown sky changing does not stop the clock
    EXPECT_DOUBLE_EQ(view.Field().jdUT, now);

    box->setChecked(false);
    EXPECT_FALSE(timer->isActive());
    EXPECT_DOUBLE_EQ(view.Field().jdUT, shownJd);
}

TEST(PolarScopeView, NonFiniteSiteOrClockDrawsNoNaN)
{
    ShownSky sky = SkyAt(2461383.0, 37.5665, 126.978);
    sky.site.longitude = std::numeric_limits<float>::quiet_NaN();
    sky.site.latitude = std::numeric_limits<float>::infinity();
    CPolarScopeView view(sky);
    view.SetClock([] { return std::numeric_limits<double>::quiet_NaN(); });
    view.SetFollowClock(true);
    const PolarScopeField& f = view.Field();
    EXPECT_TRUE(std::isfinite(f.jdUT));
    ASSERT_FALSE(f.stars.empty());
    EXPECT_TRUE(std::isfinite(f.stars.front().x) && std::isfinite(f.stars.front().y));
    EXPECT_TRUE(std::isfinite(f.refraction));
    view.SetFollowClock(false);
}

}  // namespace
