#include "planetarium/cplanetariumview.h"
#include "astro/math/angles.h"
#include "testsky.h"

#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// GL keeps its matrices in single precision: unprojected directions agree to about 1e-6.
constexpr double kUnprojectToleranceRad = 2e-5;
constexpr double kExactRad = 1e-12;

class Navigation : public ShownSkyView {
protected:
    void Type(const char* keys) { QTest::keyClicks(view.get(), QString::fromLatin1(keys)); }
};

TEST_F(Navigation, StartsFacingNorthAt37DegreesWith45DegreeField)
{
    EXPECT_NEAR(view->ViewCentre().lon, 0.0, kExactRad);
    EXPECT_NEAR(view->ViewCentre().lat, 37.0 * kDegToRad, kExactRad);
    EXPECT_NEAR(view->FieldOfView(), 45.0 * kDegToRad, kExactRad);
}

TEST_F(Navigation, UpFromTheHorizonEndsExactlyAtTheZenithAndDownAtZero)
{
    Type("n");
    ASSERT_EQ(view->ViewCentre().lat, 0.0);
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_LE(view->ViewCentre().lat, kHalfPi);
    EXPECT_LT(view->ViewCentre().lat, kHalfPi - 0.01);  // 14 steps of 6 degrees: 84
    // The fifteenth step lands on 90 degrees up to rounding; the limit then holds it there.
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_NEAR(view->ViewCentre().lat, kHalfPi, 1e-12);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
    for (int i = 0; i < 16; ++i)
        QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->ViewCentre().lat, 0.0);
}

TEST_F(Navigation, LeftAtAzimuthZeroWrapsBelowTwoPi)
{
    const double step = view->FieldOfView() * 2.0 / 15.0;
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_NEAR(view->ViewCentre().lon, 2.0 * kPi - step, 1e-12);
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_NEAR(view->ViewCentre().lon, step, 1e-12);
    EXPECT_NEAR(view->ViewCentre().lat, 37.0 * kDegToRad, kExactRad);
}

TEST_F(Navigation, ZoomInSequenceAndLowerLimit)
{
    Type("+");
    EXPECT_NEAR(view->FieldOfView(), 30.0 * kDegToRad, 1e-12);
    Type("+");
    EXPECT_NEAR(view->FieldOfView(), 20.0 * kDegToRad, 1e-12);
    Type("+");
    EXPECT_NEAR(view->FieldOfView(), 40.0 / 3.0 * kDegToRad, 1e-12);
    for (int i = 0; i < 30; ++i)
        Type("+");
    EXPECT_EQ(view->FieldOfView(), 0.0017453292519943296);
    Type("-");
    EXPECT_NEAR(view->FieldOfView(), 0.15 * kDegToRad, 1e-12);
}

TEST_F(Navigation, ZoomOutSequenceAndUpperLimit)
{
    view->OnZoomOut();
    EXPECT_NEAR(view->FieldOfView(), 67.5 * kDegToRad, 1e-12);
    Type("-");
    EXPECT_EQ(view->FieldOfView(), kHalfPi - 0.001);
    Type("-");
    EXPECT_EQ(view->FieldOfView(), kHalfPi - 0.001);
}

TEST_F(Navigation, CharacterKeysAndCommandsTurnToTheCardinalPoints)
{
    Type("E");
    EXPECT_EQ(view->ViewCentre().lon, kHalfPi);
    EXPECT_EQ(view->ViewCentre().lat, 0.0);
    Type("z");
    EXPECT_EQ(view->ViewCentre().lon, kHalfPi);
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
    Type("s");
    EXPECT_EQ(view->ViewCentre().lon, kPi);
    EXPECT_EQ(view->ViewCentre().lat, 0.0);
    Type("W");
    EXPECT_EQ(view->ViewCentre().lon, kHalfPi * 3.0);
    Type("N");
    EXPECT_EQ(view->ViewCentre().lon, 0.0);
    view->OnViewEast();
    view->OnViewZenith();
    EXPECT_EQ(view->ViewCentre().lon, kHalfPi);
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
    view->OnViewWest();
    EXPECT_EQ(view->ViewCentre().lon, 3.0 * kHalfPi);
    view->OnViewSouth();
    EXPECT_EQ(view->ViewCentre().lon, kPi);
    view->OnViewNorth();
    EXPECT_EQ(view->ViewCentre().lon, 0.0);
    EXPECT_EQ(view->ViewCentre().lat, 0.0);
}

TEST_F(Navigation, CentrePixelUnprojectsToTheViewCentre)
{
    view->RenderImage();
    SphericalCoord d;
    // Window row 150 of 300 counted from the bottom is pixel row 149 from the top.
    ASSERT_TRUE(view->ScreenToSky(200.0, 149.0, &d));
    EXPECT_NEAR(d.lon, 0.0, kUnprojectToleranceRad);
    EXPECT_NEAR(d.lat, 37.0 * kDegToRad, kUnprojectToleranceRad);

    view->SetViewCentre(SphericalCoord(4.0, 0.3));
    view->RenderImage();
    ASSERT_TRUE(view->ScreenToSky(200.0, 149.0, &d));
    EXPECT_NEAR(d.lon, 4.0, kUnprojectToleranceRad);
    EXPECT_NEAR(d.lat, 0.3, kUnprojectToleranceRad);
}

TEST_F(Navigation, TopEdgeIsHalfTheFieldAboveTheCentreAndEastIsRight)
{
    Type("n");
    view->RenderImage();
    SphericalCoord top;
    ASSERT_TRUE(view->ScreenToSky(200.0, -1.0, &top));  // window row 300: the top edge
    EXPECT_NEAR(top.lat, 22.5 * kDegToRad, 1e-4);
    SphericalCoord right;
    ASSERT_TRUE(view->ScreenToSky(399.0, 149.0, &right));
    EXPECT_GT(right.lon, 0.0);
    EXPECT_LT(right.lon, kHalfPi);  // east of north, not west
}

TEST_F(Navigation, DraggingDownwardRaisesTheCentreUntilTheZenith)
{
    const double before = view->ViewCentre().lat;
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseMove(view.get(), QPoint(200, 190));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(200, 190));
    const double after = view->ViewCentre().lat;
    EXPECT_GT(after, before);
    // 40 pixels of a 300-pixel, 45-degree view is about 6 degrees.
    EXPECT_NEAR(after - before, 6.0 * kDegToRad, 1.0 * kDegToRad);
    EXPECT_NEAR(view->ViewCentre().lon, 0.0, 1e-4);

    // A long drag stops at the zenith; sideways movement then only turns the azimuth.
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(200, 10));
    for (int y = 20; y <= 290; y += 10)
        QTest::mouseMove(view.get(), QPoint(200, y));
    for (int i = 0; i < 5; ++i) {
        QTest::mouseMove(view.get(), QPoint(200, 10));
        for (int y = 20; y <= 290; y += 10)
            QTest::mouseMove(view.get(), QPoint(200, y));
    }
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(200, 290));
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
}

TEST_F(Navigation, TheGrabbedPointStaysUnderThePointer)
{
    Type("s");
    view->RenderImage();
    SphericalCoord grabbed;
    ASSERT_TRUE(view->ScreenToSky(150.0, 100.0, &grabbed));
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(view.get(), QPoint(170, 120));
    QTest::mouseMove(view.get(), QPoint(190, 130));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(190, 130));
    view->RenderImage();
    SphericalCoord under;
    ASSERT_TRUE(view->ScreenToSky(190.0, 130.0, &under));
    constexpr double kDragToleranceRad = 0.5 * kDegToRad;
    EXPECT_NEAR(under.lon, grabbed.lon, kDragToleranceRad);
    EXPECT_NEAR(under.lat, grabbed.lat, kDragToleranceRad);
}

TEST_F(Navigation, PointerMovesWithoutDragReportTheSkyPointAndDoNotTurn)
{
    SphericalCoord reported(-1.0, -1.0);
    int reports = 0;
    QObject::connect(view.get(), &CPlanetariumView::PointerMoved,
                     [&](const SphericalCoord& d) {
                         reported = d;
                         ++reports;
                     });
    const SphericalCoord centre = view->ViewCentre();
    SendMouseMove(view.get(), QPointF(200, 149));
    ASSERT_GE(reports, 1);
    EXPECT_NEAR(reported.lon, centre.lon, kUnprojectToleranceRad);
    EXPECT_NEAR(reported.lat, centre.lat, kUnprojectToleranceRad);
    EXPECT_EQ(view->ViewCentre().lon, centre.lon);
    EXPECT_EQ(view->ViewCentre().lat, centre.lat);
}

TEST_F(Navigation, ZeroHeightKeepsTheProjection)
{
    view->RenderImage();
    SphericalCoord before;
    ASSERT_TRUE(view->ScreenToSky(10.0, 10.0, &before));
    view->resize(400, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->SurfaceSize(), QSize(400, 300));
    SphericalCoord after;
    ASSERT_TRUE(view->ScreenToSky(10.0, 10.0, &after));
    EXPECT_NEAR(after.lon, before.lon, 1e-9);
    EXPECT_NEAR(after.lat, before.lat, 1e-9);
}

}  // namespace
