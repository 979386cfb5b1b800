#include "planetarium/cplanetariumview.h"
#include "testsky.h"

#include <QDir>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

namespace {

constexpr double kDegToRad = 0.017453292519943295;
const QColor kHorizonOrange(255, 138, 0);

// Saves a render for a person to look at when KOSMIRA_KEEP_RENDERS names a directory.
void Keep(const QImage& image, const char* name)
{
    const QByteArray dir = qgetenv("KOSMIRA_KEEP_RENDERS");
    if (!dir.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}

LayerFlags AllOff()
{
    LayerFlags f;
    f.eclipticGrid = f.equatorialGrid = f.horizontalGrid = f.galacticGrid = 0;
    f.messier = f.solarSystem = f.stars = f.starNames = f.boundaries = f.figures = 0;
    f.constellationNames = f.milkyWay = f.ngc = 0;
    return f;
}

bool IsBlack(const QColor& c)
{
    return c.red() == 0 && c.green() == 0 && c.blue() == 0;
}

// Pixels of the reference-point label colour's hue (blue well above red) in a rectangle.
int CountReferenceBlue(const QImage& image, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += (c.blue() > 100 && c.blue() > c.red() + 40 && c.green() > c.red()) ? 1 : 0;
        }
    }
    return n;
}

class SkyRender : public testing::Test {
protected:
    void Open(int width, int height)
    {
        view = std::make_unique<CPlanetariumView>(sky.scene);
        view->resize(width, height);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        QCoreApplication::processEvents();
    }
    TestSky sky;
    std::unique_ptr<CPlanetariumView> view;
};

TEST_F(SkyRender, AllTogglesOffGiveABlackSkyAboveTheOrangeHorizonWithReferenceLabels)
{
    Open(400, 300);
    const LayerFlags off = AllOff();
    view->SetLayerFlags(&off);
    view->OnViewSouth();
    const QImage image = view->RenderImage();
    Keep(image, "alloff_south.png");
    // Facing the horizon, the horizon line runs along the middle of the image (on the
    // boundary between rows 149 and 150, rasterised into one of them).
    int orange = 0;
    for (int x = 0; x < 400; ++x) {
        orange += (image.pixelColor(x, 149) == kHorizonOrange ||
                   image.pixelColor(x, 150) == kHorizonOrange) ? 1 : 0;
    }
    EXPECT_GT(orange, 380);
    // Below the horizon everything is black (the ground covers it).
    for (int y = 152; y < 300; y += 7)
        for (int x = 0; x < 400; x += 7)
            ASSERT_TRUE(IsBlack(image.pixelColor(x, y))) << x << "," << y;
    // The south point's label stands up and to the right of the centre pixel in the
    // reference-point colour (132, 187, 255; the text is antialiased, so its hue is checked).
    EXPECT_EQ(CountReferenceBlue(image, QRect(201, 128, 60, 20)) > 10, true);
    EXPECT_EQ(CountReferenceBlue(image, QRect(120, 128, 79, 20)), 0);  // nothing left of it
    // Far from any label the sky is black.
    EXPECT_TRUE(IsBlack(image.pixelColor(20, 20)));
    EXPECT_TRUE(IsBlack(image.pixelColor(380, 60)));
}

TEST_F(SkyRender, DefaultSkyLooksTheSameInBothModes)
{
    ASSERT_TRUE(LoadShippedCatalogs(sky));
    Open(800, 600);
    view->OnViewSouth();
    view->OnZoomOut();
    const QImage batched = view->RenderImage().copy();
    view->SetImmediateMode(true);
    const QImage immediate = view->RenderImage().copy();
    Keep(batched, "default_batched.png");
    Keep(immediate, "default_immediate.png");
    ASSERT_EQ(batched.size(), immediate.size());
    constexpr int kLevelTolerance = 8;
    int differing = 0;
    for (int y = 0; y < batched.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(batched.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(immediate.constScanLine(y));
        for (int x = 0; x < batched.width(); ++x) {
            const int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])),
                                    std::abs(qGreen(a[x]) - qGreen(b[x])),
                                    std::abs(qBlue(a[x]) - qBlue(b[x]))});
            differing += d > kLevelTolerance ? 1 : 0;
        }
    }
    const double fraction = double(differing) / (batched.width() * batched.height());
    constexpr double kMaxDifferingFraction = 0.001;  // 0.1 % of the pixels
    EXPECT_LT(fraction, kMaxDifferingFraction) << differing << " pixels differ";
}

}  // namespace
