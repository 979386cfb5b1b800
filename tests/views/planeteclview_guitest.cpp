#include "astro/ephemeris/planet.h"
#include "astro/sky/shownsky.h"
#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cmath>

#include "astro/time/juliandate.h"
#include "views/cplaneteclview.h"

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 400;
constexpr int kL = 10;
constexpr int kW = kClientWidth - 20;
constexpr int kCentreY = (10 + kClientHeight - 10) / 2;

QRgb Rgb(Colour c)
{
    return qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

Vector3 Direction(double lonRad, double latRad, double distance)
{
    return {distance * std::cos(latRad) * std::cos(lonRad),
            distance * std::cos(latRad) * std::sin(lonRad), distance * std::sin(latRad)};
}

// The bodies of a fixed instant, each of which a test may move to a chosen direction.
class EclipticViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ut = SkyTime(JulianDateFromCalendar(2024, 3, 20), 3.0);
        sky = ComputeShownSkyAt(Instant::FromUT(ut.JD()), Observer(), Model::Classic);
        font = QFont(QStringLiteral("Arial"));
        font.setPixelSize(14);
    }

    // Puts a body at a geocentric ecliptic direction.
    void Place(Body body, const Vector3& geocentric)
    {
        sky.bodies[BodyIndex(body)].ecliptic = SphericalCoord::FromVector(geocentric);
    }
    // A planet by its PlanetIndex (Mercury 0 .. Pluto 8, the Earth 2 has no body).
    void PlacePlanet(int index, const Vector3& geocentric)
    {
        static const Body bodies[kPlanetCount] = {Body::Mercury, Body::Venus,   Body::Sun,
                                                  Body::Mars,    Body::Jupiter, Body::Saturn,
                                                  Body::Uranus,  Body::Neptune, Body::Pluto};
        if (index != kEarth)
            Place(bodies[index], geocentric);
    }
    void PlaceSun(const Vector3& v) { Place(Body::Sun, v); }
    void PlaceMoon(const Vector3& v) { Place(Body::Moon, v); }

    QImage Render(const CPlanetEclView& view, const QSize& client = {kClientWidth, kClientHeight})
    {
        QImage image(client, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        view.PaintChart(painter, client);
        return image;
    }

    SkyTime ut;
    ShownSky sky;
    DisplayColors colours;
    QFont font;
};

const EclipticMark* FindMark(const std::vector<EclipticMark>& marks, const std::string& label)
{
    for (const EclipticMark& m : marks)
        if (m.label == label)
            return &m;
    return nullptr;
}

}  // namespace

TEST_F(EclipticViewTest, BodiesInTableOrderWithoutTheEarth)
{
    // Spread in longitude, all near the ecliptic, so every one is drawn.
    PlaceSun(Direction(0.3, 0.0, 1.0));
    PlaceMoon(Direction(0.9, 0.05, 60.0));
    for (int i = 0; i < kPlanetCount; ++i)
        if (i != kEarth)
            PlacePlanet(i, Direction(1.5 + 0.5 * i, 0.01, 5.0));
    CPlanetEclView view(sky, colours, font);
    const auto marks = view.Marks({kClientWidth, kClientHeight});
    const char* expected[] = {"sun",    "moon",   "mercury", "venus",   "mars",
                              "jupiter", "saturn", "uranus",  "neptune", "pluto"};
    ASSERT_EQ(marks.size(), 10u);
    for (size_t i = 0; i < marks.size(); ++i)
        EXPECT_EQ(marks[i].label, expected[i]);
    EXPECT_EQ(marks[0].colour, colours.sun);
    EXPECT_EQ(marks[1].colour, colours.moon);
    EXPECT_EQ(marks[4].colour, colours.planets[kMars]);
    EXPECT_EQ(marks[9].colour, colours.planets[kPluto]);
}

TEST_F(EclipticViewTest, DotsWhereTheFormulasPutThem)
{
    PlaceSun(Direction(0.0, 0.0, 0.99));            // longitude 0: left edge
    PlaceMoon(Direction(kPi, 0.1, 60.0));           // longitude pi, latitude +0.1 rad
    PlacePlanet(kMars, Direction(kPi / 2, -0.2, 1.5));
    PlacePlanet(kJupiter, Direction(1.5 * kPi, 0.0, 5.0));
    // The rest far up or down, out of the chart (|latitude| of 30 degrees or more).
    for (int i : {kMercury, kVenus, kSaturn, kUranus, kNeptune, kPluto})
        PlacePlanet(i, Direction(0.5 * i, (i % 2 ? 1 : -1) * (kPi / 6 + 0.01 * i), 3.0));
    CPlanetEclView view(sky, colours, font);
    const auto marks = view.Marks({kClientWidth, kClientHeight});
    ASSERT_EQ(marks.size(), 4u);

    const struct {
        const char* label;
        int x;
        int y;
        Colour colour;
    } expected[] = {
        {"sun", kL, kCentreY, colours.sun},
        {"moon", kL + kW / 2, kCentreY + static_cast<int>(0.1 * kW * 0.954929658551372),
         colours.moon},
        // Truncated after adding the centre line: toward zero, so up by 118.41 gives row 81.
        {"mars", kL + kW / 4, static_cast<int>(-0.2 * kW * 0.954929658551372 + kCentreY),
         colours.planets[kMars]},
        {"jupiter", kL + 3 * kW / 4, kCentreY, colours.planets[kJupiter]},
    };
    const QImage image = Render(view);
    for (const auto& e : expected) {
        const EclipticMark* m = FindMark(marks, e.label);
        ASSERT_NE(m, nullptr) << e.label;
        EXPECT_EQ(m->x, e.x) << e.label;
        EXPECT_EQ(m->y, e.y) << e.label;
        EXPECT_EQ(image.pixel(e.x, e.y), Rgb(e.colour)) << e.label;
        // A five-pixel dot with a black rim.
        EXPECT_EQ(image.pixel(e.x - 2, e.y), qRgb(0, 0, 0)) << e.label;
        EXPECT_EQ(image.pixel(e.x + 2, e.y), qRgb(0, 0, 0)) << e.label;
        EXPECT_EQ(image.pixel(e.x, e.y - 2), qRgb(0, 0, 0)) << e.label;
    }
    EXPECT_EQ(expected[1].y - kCentreY, 59);  // 0.1 x 620 x 3/pi, truncated
    EXPECT_EQ(expected[2].y, 81);
}

TEST_F(EclipticViewTest, ThirtyDegreesOffTheEclipticIsNotDrawn)
{
    PlaceSun(Direction(1.0, 0.0, 1.0));
    PlaceMoon(Direction(2.0, kPi / 6, 60.0));           // exactly 30 degrees: left out
    PlacePlanet(kMars, Direction(3.0, -kPi / 6 - 1e-9, 1.0));
    PlacePlanet(kVenus, Direction(4.0, kPi / 6 - 1e-3, 1.0));  // just inside: drawn
    for (int i : {kMercury, kJupiter, kSaturn, kUranus, kNeptune, kPluto})
        PlacePlanet(i, Direction(0.0, 1.2, 3.0));
    CPlanetEclView view(sky, colours, font);
    const auto marks = view.Marks({kClientWidth, kClientHeight});
    EXPECT_EQ(FindMark(marks, "moon"), nullptr);
    EXPECT_EQ(FindMark(marks, "mars"), nullptr);
    ASSERT_NE(FindMark(marks, "venus"), nullptr);
    ASSERT_NE(FindMark(marks, "sun"), nullptr);
    EXPECT_EQ(marks.size(), 2u);
    const QImage image = Render(view);
    const QRgb moonColour = Rgb(colours.moon);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), moonColour) << x << "," << y;
}

TEST_F(EclipticViewTest, FrameLineAndLabels)
{
    PlaceSun(Direction(1.0, 0.0, 1.0));
    CPlanetEclView view(sky, colours, font);
    const QImage image = Render(view);
    const int r = kClientWidth - 10;
    const int b = kClientHeight - 10;
    EXPECT_EQ(image.pixel(5, 5), view.palette().color(QPalette::Base).rgb());
    EXPECT_EQ(image.pixel(kL, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(r - 1, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(r, 100), view.palette().color(QPalette::Base).rgb());
    EXPECT_EQ(image.pixel(300, kL), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(300, b - 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(300, kCentreY), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(300, kCentreY + 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(300, kCentreY - 1), qRgb(255, 255, 255));
    // The label "sun" is written to the right of and below its dot.
    const auto marks = view.Marks({kClientWidth, kClientHeight});
    const EclipticMark* s = FindMark(marks, "sun");
    ASSERT_NE(s, nullptr);
    int dark = 0;
    for (int y = s->y + 1; y < s->y + 18; ++y)
        for (int x = s->x + 3; x < s->x + 30; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 10);
}

TEST_F(EclipticViewTest, RepaintFollowsTheBodies)
{
    PlaceSun(Direction(1.0, 0.0, 1.0));
    CPlanetEclView view(sky, colours, font);
    const EclipticMark before = *FindMark(view.Marks({kClientWidth, kClientHeight}), "sun");
    // The application recomputes its bodies for a later instant.
    sky = ComputeShownSkyAt(Instant::FromUT(SkyTime(JulianDateFromCalendar(2024, 6, 21), 0.0).JD()),
                            Observer(), Model::Classic);
    const EclipticMark after = *FindMark(view.Marks({kClientWidth, kClientHeight}), "sun");
    EXPECT_NE(before.x, after.x);
    // About 90 degrees along the ecliptic from the March equinox: a quarter of the width.
    EXPECT_NEAR(after.x, kL + kW / 4, 3);
    const QImage image = Render(view);
    EXPECT_EQ(image.pixel(after.x, after.y), Rgb(colours.sun));
}

TEST_F(EclipticViewTest, RealPositionsOfAnInstant)
{
    CPlanetEclView view(sky, colours, font);
    const auto marks = view.Marks({kClientWidth, kClientHeight});
    // On 20 March 2024 every body but Pluto (17 degrees at most) stays near the ecliptic.
    EXPECT_EQ(marks.size(), 10u);
    const EclipticMark* s = FindMark(marks, "sun");
    ASSERT_NE(s, nullptr);
    // Equinox day: the Sun within a degree of longitude 0 or 360.
    const int fromEdge = std::min(s->x - kL, kL + kW - s->x);
    EXPECT_LE(fromEdge, 2);
    EXPECT_EQ(s->y, kCentreY);
}

TEST_F(EclipticViewTest, TinyWindowStillDraws)
{
    CPlanetEclView view(sky, colours, font);
    for (const QSize size : {QSize(15, 12), QSize(1, 1), QSize(19, 300), QSize(300, 5)}) {
        const QImage image = Render(view, size);
        EXPECT_EQ(image.size(), size);
        (void)view.Marks(size);
    }
}

TEST_F(EclipticViewTest, WidgetPaintMatchesTheChart)
{
    PlaceSun(Direction(1.0, 0.0, 1.0));
    CPlanetEclView view(sky, colours, font);
    view.resize(kClientWidth, kClientHeight);
    const QImage painted = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, Render(view));
}
