#include "planetarium/cplanetariumview.h"
#include "astro/math/angles.h"
#include "planetarium/cpointerbar.h"
#include "planetarium/layerflags.h"
#include "image/textbitmap.h"

#include <algorithm>
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

namespace {

// At a device pixel ratio of 2 the reference labels are drawn twice their bitmap's size, so
// they are as large on screen as the rest of the text: the south point's label ("남점")
// spans about twice the bitmap's width in device pixels, in both drawing modes.
TEST_F(HiDpi, LabelsKeepTheirOnScreenSize)
{
    LayerFlags off;
    off.stars = off.starNames = off.solarSystem = off.messier = off.ngc = off.milkyWay = 0;
    off.figures = off.boundaries = off.constellationNames = 0;
    off.horizontalGrid = off.equatorialGrid = off.eclipticGrid = off.galacticGrid = 0;
    view->SetLayerFlags(&off);
    view->OnViewSouth();
    // The ink of the label bitmap: its columns with any lit pixel.
    const TextBitmap label("남점", sky.labelFont, sky.colours.points, 0);
    int inkLeft = label.Width(), inkRight = -1;
    for (int y = 0; y < label.Height(); ++y)
        for (int x = 0; x < label.Width(); ++x) {
            const std::uint8_t* p = label.Data() + y * label.Stride() + 3 * x;
            if (p[0] > 100) {  // the blue of the reference-point colour
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    ASSERT_GE(inkRight, inkLeft);
    const int bitmapWidth = inkRight - inkLeft + 1;
    for (bool immediate : {false, true}) {
        view->SetImmediateMode(immediate);
        const QImage image = view->RenderImage();
        // Right of the centre (400, 300 in device pixels), above the horizon: the label's
        // bluish pixels.
        int left = 800, right = -1;
        for (int y = 230; y < 300; ++y) {
            for (int x = 401; x < 800; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > 100 && c.blue() > c.red() + 40 && c.green() > c.red()) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        ASSERT_GE(right, left) << immediate;
        constexpr int kTolerancePixels = 3;  // antialiased glyph edges
        EXPECT_NEAR(right - left + 1, 2 * bitmapWidth, kTolerancePixels) << immediate;
        EXPECT_GT(right - left + 1, bitmapWidth + kTolerancePixels) << immediate;
    }
}

}  // namespace
