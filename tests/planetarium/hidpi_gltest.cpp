#include "planetarium/cplanetariumview.h"
#include "astro/math/angles.h"
#include "planetarium/cpointerbar.h"
#include "testsky.h"

#include <QMouseEvent>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

namespace {


class HiDpi : public ShownSkyView {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShownSkyView::SetUp());
        ASSERT_DOUBLE_EQ(view->devicePixelRatioF(), 2.0);
    }
};

TEST_F(HiDpi, SurfaceRendersInDevicePixels)
{
    EXPECT_EQ(view->SurfaceSize(), QSize(800, 600));
    const QImage image = view->RenderImage();
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 2.0);
}

TEST_F(HiDpi, PointerPaletteReportsThePointersOwnSkyPoint)
{
    view->OnViewNorth();
    view->RenderImage();
    CPointerBar bar(sky.scene);
    QObject::connect(view.get(), &CPlanetariumView::PointerMoved, &bar, &CPointerBar::Update);
    SphericalCoord reported(-1, -1);
    QObject::connect(view.get(), &CPlanetariumView::PointerMoved,
                     [&](const SphericalCoord& d) { reported = d; });
    // Logical (200, 75) is device (400, 150): a quarter of the height from the top, so the
    // altitude is atan(tan(22.5 deg) x 149.5 / 300) with the centre of the pixel.
    SendMouseMove(view.get(), QPointF(200, 75));
    const double expectedAlt = std::atan(std::tan(22.5 * kDegToRad) * (300.0 - 151.0) / 300.0);
    constexpr double kToleranceRad = 0.05 * kDegToRad;
    EXPECT_NEAR(reported.lat, expectedAlt, kToleranceRad);
    EXPECT_NEAR(reported.lon, 0.0, kToleranceRad);
    const QString expectedText =
        QString::asprintf("방위각: %6.3f\n고도: %6.3f", reported.lon * 12.0 / 3.141592653589793,
                          reported.lat / kDegToRad);
    EXPECT_EQ(bar.HorizontalText(), expectedText);
}

TEST_F(HiDpi, DragFollowsThePointerInDevicePixels)
{
    view->OnViewSouth();
    view->RenderImage();
    SphericalCoord grabbed;
    ASSERT_TRUE(view->ScreenToSky(2 * 150.0, 2 * 100.0, &grabbed));
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(view.get(), QPoint(180, 120));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(180, 120));
    view->RenderImage();
    SphericalCoord under;
    ASSERT_TRUE(view->ScreenToSky(2 * 180.0, 2 * 120.0, &under));
    constexpr double kDragToleranceRad = 0.3 * kDegToRad;
    EXPECT_NEAR(under.lon, grabbed.lon, kDragToleranceRad);
    EXPECT_NEAR(under.lat, grabbed.lat, kDragToleranceRad);
}

}  // namespace
