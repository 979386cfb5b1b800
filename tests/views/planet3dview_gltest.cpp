#include "astro/sky/shownsky.h"
#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cmath>

#include "astro/time/juliandate.h"
#include "opaqueframe.h"
#include "views/cplanet3dview.h"

namespace {

constexpr double kEyeToleranceAu = 1e-15;
constexpr int kSide = 200;

QRgb Rgb(Colour c)
{
    return qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

// Bodies at chosen places, so that what lies where on screen is known.
class Planet3dViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const SkyTime ut(JulianDateFromCalendar(2024, 3, 20), 0.0);
        sky = ComputeShownSkyAt(Instant::FromUT(ut.JD()), Observer(), Model::Classic);
        // Well behind the camera's start and off the line of sight.
        for (int i = 0; i < kPlanetCount; ++i)
            Planet(i) = Vector3(-50.0, -30.0, 20.0);
    }

    // The heliocentric position the view draws for planet i (PlanetIndex; the Earth 2).
    Vector3& Planet(int i)
    {
        static const Body bodies[kPlanetCount] = {Body::Mercury, Body::Venus,   Body::Sun,
                                                  Body::Mars,    Body::Jupiter, Body::Saturn,
                                                  Body::Uranus,  Body::Neptune, Body::Pluto};
        return i == kEarth ? sky.earthHeliocentricEcliptic
                           : sky.bodies[BodyIndex(bodies[i])].heliocentricEcliptic;
    }

    std::unique_ptr<CPlanet3dView> MakeView()
    {
        auto view = std::make_unique<CPlanet3dView>(sky, colours);
        view->resize(kSide, kSide);
        view->show();
        QApplication::processEvents();
        return view;
    }

    ShownSky sky;
    DisplayColors colours;
};

int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace

TEST_F(Planet3dViewTest, FreshViewSitsInTheSunLookingAtLongitudeZero)
{
    auto view = MakeView();
    const Planet3dCamera& cam = view->Camera();
    EXPECT_EQ(cam.eye.x, 0.0);
    EXPECT_EQ(cam.eye.y, 0.0);
    EXPECT_EQ(cam.eye.z, 0.0);
    EXPECT_EQ(cam.direction.lon, 0.0);
    EXPECT_EQ(cam.direction.lat, 0.0);
    EXPECT_EQ(cam.fov, 0.7853981633974483);
}

TEST_F(Planet3dViewTest, SixteenUpPressesReachExactlyHalfPi)
{
    auto view = MakeView();
    for (int i = 1; i <= 15; ++i) {
        QTest::keyClick(view.get(), Qt::Key_Up);
        EXPECT_LE(view->Camera().direction.lat, kHalfPi) << i;
    }
    EXPECT_LT(view->Camera().direction.lat, kHalfPi);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->Camera().direction.lat, kHalfPi);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->Camera().direction.lat, kHalfPi);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->Camera().direction.lat, -kHalfPi);
}

TEST_F(Planet3dViewTest, LeftFromZeroWrapsBelowTwoPi)
{
    auto view = MakeView();
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_EQ(view->Camera().direction.lon, 6.178465552059927);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_NEAR(view->Camera().direction.lon, 0.0, 1e-15);
    // Sixty steps of 6 degrees make a full turn.
    for (int i = 0; i < 60; ++i)
        QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_GE(view->Camera().direction.lon, 0.0);
    EXPECT_LT(view->Camera().direction.lon, 6.283185307179586);
}

TEST_F(Planet3dViewTest, PlusThenMinusReturnsTheEye)
{
    auto view = MakeView();
    QTest::keyClick(view.get(), Qt::Key_Left);
    QTest::keyClick(view.get(), Qt::Key_Up);
    QTest::keyClicks(view.get(), QStringLiteral("+"));
    const Vector3 forward = view->Camera().eye;
    EXPECT_NEAR(forward.Length(), 1.0, 1e-15);
    EXPECT_GT(forward.x, 0.0);
    EXPECT_LT(forward.y, 0.0);
    EXPECT_GT(forward.z, 0.0);
    QTest::keyClicks(view.get(), QStringLiteral("-"));
    EXPECT_NEAR(view->Camera().eye.x, 0.0, kEyeToleranceAu);
    EXPECT_NEAR(view->Camera().eye.y, 0.0, kEyeToleranceAu);
    EXPECT_NEAR(view->Camera().eye.z, 0.0, kEyeToleranceAu);
}

TEST_F(Planet3dViewTest, OneStepBackShowsTheSunAtTheCentre)
{
    auto view = MakeView();
    QTest::keyClicks(view.get(), QStringLiteral("-"));
    EXPECT_EQ(view->Camera().eye.x, -1.0);
    EXPECT_EQ(view->Camera().eye.y, 0.0);
    const QImage image = view->RenderImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(kSide, kSide));
    const QRgb sunColour = Rgb(colours.sun);
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), sunColour);
    // A ball of 0.1 AU at 1 AU: about 0.1 / tan(22.5 degrees) of the half height, 24 px.
    const int radius = static_cast<int>(0.1 / std::tan(0.3926990816987241) * kSide / 2);
    EXPECT_EQ(image.pixel(kSide / 2 + radius - 3, kSide / 2), sunColour);
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2 - radius + 3), sunColour);
    EXPECT_EQ(image.pixel(kSide / 2 + radius + 3, kSide / 2), Rgb(colours.skyBackground));
    EXPECT_EQ(image.pixel(2, 2), Rgb(colours.skyBackground));
    const int area = CountColour(image, sunColour);
    EXPECT_NEAR(area, 3.14159 * radius * radius, 0.15 * 3.14159 * radius * radius);
}

TEST_F(Planet3dViewTest, ScreenAxesFollowTheEcliptic)
{
    // Looking along longitude 0 from the Sun: +y (longitude 90) to the right, +z up.
    Planet(kMars) = Vector3(2.0, 0.5, 0.0);
    Planet(kJupiter) = Vector3(2.0, 0.0, 0.5);
    auto view = MakeView();
    const QImage image = view->RenderImage();
    ASSERT_FALSE(image.isNull());
    // 0.25 of the way across at 2 AU: 0.25 / tan(22.5 degrees) of the half width, 60 px.
    const int offset = static_cast<int>(0.25 / std::tan(0.3926990816987241) * kSide / 2);
    EXPECT_EQ(image.pixel(kSide / 2 + offset, kSide / 2), Rgb(colours.planets[kMars]));
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2 - offset), Rgb(colours.planets[kJupiter]));
    EXPECT_EQ(image.pixel(kSide / 2 - offset, kSide / 2), Rgb(colours.skyBackground));
}

TEST_F(Planet3dViewTest, TurningBringsABallToTheCentre)
{
    Planet(kSaturn) = Vector3(0.0, 3.0, 0.0);  // longitude 90 degrees
    auto view = MakeView();
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_NEAR(view->Camera().direction.lon, kHalfPi, 1e-12);
    const QImage image = view->RenderImage();
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), Rgb(colours.planets[kSaturn]));
}

TEST_F(Planet3dViewTest, OpenWindowKeepsItsSnapshot)
{
    Planet(kMercury) = Vector3(2.0, 0.0, 0.0);
    auto first = MakeView();
    const QImage before = first->RenderImage();
    EXPECT_EQ(before.pixel(kSide / 2, kSide / 2), Rgb(colours.planets[kMercury]));

    // The shown instant changes and the application recomputes its planets.
    Planet(kMercury).y = 0.5;
    const QImage after = first->RenderImage();
    EXPECT_EQ(after, before);
    EXPECT_EQ(first->Planets()[kMercury].y, 0.0);

    auto second = MakeView();
    const QImage fresh = second->RenderImage();
    const int offset = static_cast<int>(0.25 / std::tan(0.3926990816987241) * kSide / 2);
    EXPECT_EQ(fresh.pixel(kSide / 2 + offset, kSide / 2), Rgb(colours.planets[kMercury]));
    EXPECT_NE(fresh.pixel(kSide / 2, kSide / 2), Rgb(colours.planets[kMercury]));
}

TEST_F(Planet3dViewTest, LaterBodiesCoverEarlierOnes)
{
    Planet(kVenus) = Vector3(3.0, 0.0, 0.0);
    Planet(kPluto) = Vector3(6.0, 0.0, 0.0);  // farther, but drawn last
    auto view = MakeView();
    const QImage image = view->RenderImage();
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), Rgb(colours.planets[kPluto]));
    // Orbits and the added names keep the frame opaque.
    view->ToggleNames();
    view->ToggleOrbits();
    EXPECT_EQ(NonOpaqueWords(view->RenderImage()), 0);
}

TEST_F(Planet3dViewTest, ResizeKeepsTheSquareProportions)
{
    Planet(kMars) = Vector3(2.0, 0.5, 0.0);
    auto view = MakeView();
    view->resize(400, 200);
    QApplication::processEvents();
    const QImage image = view->RenderImage();
    ASSERT_EQ(image.size(), QSize(400, 200));
    // The vertical angle stays pi/4; with twice the width the ball sits at the same pixel
    // distance from the centre as on the square view.
    const int offset = static_cast<int>(0.25 / std::tan(0.3926990816987241) * 100);
    EXPECT_EQ(image.pixel(200 + offset, 100), Rgb(colours.planets[kMars]));
}

// "L" writes each planet's name beside its ball and "O" draws the orbits; both start off
// and a second press hides them again.
TEST_F(Planet3dViewTest, NamesAndOrbitsToggleWithLAndO)
{
    Planet(kMercury) = Vector3(2.0, 0.0, 0.0);  // straight ahead of the camera
    auto view = MakeView();
    EXPECT_FALSE(view->NamesShown());
    EXPECT_FALSE(view->OrbitsShown());
    const QRgb earth = Rgb(colours.planets[kEarth]);
    const QImage plain = view->RenderImage();

    QTest::keyClick(view.get(), Qt::Key_L);
    EXPECT_TRUE(view->NamesShown());
    const QImage named = view->RenderImage();
    // The name "수성" beside its ball: a few dozen pixels change, none of them far away.
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (named.pixel(x, y) != plain.pixel(x, y)) {
                ++changed;
                EXPECT_LT(std::abs(x - kSide / 2) + std::abs(y - kSide / 2), kSide / 2) << x << "," << y;
            }
    EXPECT_GT(changed, 30);

    QTest::keyClick(view.get(), Qt::Key_L);
    EXPECT_EQ(view->RenderImage(), plain);
    QTest::keyClick(view.get(), Qt::Key_O);
    EXPECT_TRUE(view->OrbitsShown());
    const QImage orbits = view->RenderImage();
    // From the Sun, the Earth's orbit (1 AU around the camera) crosses the whole field.
    EXPECT_GT(CountColour(orbits, earth), CountColour(plain, earth) + 100);
    QTest::keyClick(view.get(), Qt::Key_O);
    EXPECT_EQ(view->RenderImage(), plain);
}
