#include "astro/sky/frames.h"
#include "astro/math/angles.h"
#include "astro/math/matrix3.h"
#include "catalog/deepstarindex.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/skyrenderer.h"
#include "opaqueframe.h"
#include "testsky.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <gtest/gtest.h>

namespace {

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

// Window position (pixels from the bottom-left) of a horizontal direction through the camera
// of the view's last paint.
bool SkyToWindow(CPlanetariumView& view, const SphericalCoord& horizontal, double* x, double* y)
{
    if (!view.MakeCurrent())
        return false;
    GLint viewport[4];
    GLdouble mv[16], pr[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    GLdouble z = 0;
    return gluProject(horizontal.X(), horizontal.Y(), horizontal.Z(), mv, pr, viewport, x, y,
                      &z) == GL_TRUE;
}

// Image pixel a few pixels up and to the right of a window position.
QColor UpRightOf(const QImage& image, double wx, double wy, int dx, int dy)
{
    return image.pixelColor(int(std::floor(wx)) + dx, image.height() - 1 - int(std::floor(wy)) - dy);
}

int CountNonBlack(const QImage& image, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += IsBlack(image.pixelColor(x, y)) ? 0 : 1;
    return n;
}

class SkyRender : public testing::Test {
protected:
    void Open(int width, int height)
    {
        view = std::make_unique<OracleSkyView>(sky.scene);
        view->resize(width, height);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        QCoreApplication::processEvents();
    }
    // Renders in both modes; the test's checks run on each.
    std::array<QImage, 2> RenderBothModes()
    {
        view->SetImmediateMode(true);
        QImage immediate = view->RenderImage().copy();
        view->SetImmediateMode(false);
        QImage batched = view->RenderImage().copy();
        return {immediate, batched};
    }
    TestSky sky;
    std::unique_ptr<OracleSkyView> view;
    LayerFlags flags = AllOff();
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

// Share of pixels whose colours differ by more than 8 levels in some channel.
double DifferingFraction(const QImage& a, const QImage& b)
{
    constexpr int kLevelTolerance = 8;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(pa[x]) - qRed(pb[x])),
                                    std::abs(qGreen(pa[x]) - qGreen(pb[x])),
                                    std::abs(qBlue(pa[x]) - qBlue(pb[x]))});
            differing += d > kLevelTolerance ? 1 : 0;
        }
    }
    return double(differing) / (double(a.width()) * a.height());
}

TEST_F(SkyRender, DefaultSkyLooksTheSameInBothModes)
{
    ASSERT_TRUE(LoadShippedCatalogs(sky));
    Open(1280, 720);
    constexpr double kMaxDifferingFraction = 0.001;  // 0.1 % of the pixels
    // The opening camera, then a wide view of the southern horizon with every layer on.
    LayerFlags all;
    all.eclipticGrid = all.equatorialGrid = all.horizontalGrid = all.galacticGrid = 1;
    all.ngc = 1;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            view->SetLayerFlags(&all);
            view->OnViewSouth();
            view->OnZoomOut();
        }
        view->SetImmediateMode(false);
        const QImage batched = view->RenderImage().copy();
        view->SetImmediateMode(true);
        const QImage immediate = view->RenderImage().copy();
        Keep(batched, pass == 0 ? "default_batched.png" : "all_batched.png");
        Keep(immediate, pass == 0 ? "default_immediate.png" : "all_immediate.png");
        ASSERT_EQ(batched.size(), immediate.size());
        const double fraction = DifferingFraction(batched, immediate);
        RecordProperty(pass == 0 ? "differing_default" : "differing_all",
                       std::to_string(fraction));
        EXPECT_LT(fraction, kMaxDifferingFraction) << "pass " << pass;
        EXPECT_EQ(NonOpaqueWords(batched), 0) << "pass " << pass;
        EXPECT_EQ(NonOpaqueWords(immediate), 0) << "pass " << pass;
    }
}

TEST_F(SkyRender, AStarAtTheZenithIsASquareCentredOnTheZenith)
{
    QTemporaryDir noImages;  // no Star.bmp: an untextured square in the star's colour
    sky.scene.moduleDirectory = noImages.path().toStdString();
    const SphericalCoord zenith(sky.lst.time.hours * 0.26179938779914946,
                                double(sky.observer.latitude));
    // Catalogue positions are J2000: the star whose place of date is the zenith.
    const SphericalCoord zenith2000 = SphericalCoord::FromVector(
        sky.shown.j2000ToDate.Transposed().Apply(zenith.ToVector()));
    sky.catalogs.stars.push_back(Star(zenith2000, 'A', 0.0f));
    Open(400, 300);
    flags.stars = 1;
    view->SetLayerFlags(&flags);
    view->OnViewZenith();
    for (const QImage& image : RenderBothModes()) {
        int left = 400, right = -1, top = 300, bottom = -1;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 400; ++x) {
                // The zenith's own label starts at the same point; it is never white.
                if (image.pixelColor(x, y) != QColor(255, 255, 255))
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        // Half-width 0.015 at distance 1 with a 45-degree field over 300 rows: 5.4 pixels.
        EXPECT_EQ(left + right + 1, 400);  // centred on the middle of the view
        EXPECT_EQ(top + bottom + 1, 300);
        EXPECT_EQ(right - left, bottom - top);
        EXPECT_NEAR(right - left + 1, 2 * 0.015 * 150.0 / std::tan(22.5 * kDegToRad), 1.0);
    }
}

TEST_F(SkyRender, AMagnitudeEightStarShowsWhenZoomedInAndNotAtTheOpeningView)
{
    const SphericalCoord zenith(sky.lst.time.hours * 0.26179938779914946,
                                double(sky.observer.latitude));
    DeepStar star;
    star.position = SphericalCoord::FromVector(
        sky.shown.j2000ToDate.Transposed().Apply(zenith.ToVector()));
    star.x = float(star.position.X());
    star.y = float(star.position.Y());
    star.z = float(star.position.Z());
    star.magnitude = 8.0f;
    star.hip = 1;
    const DeepStarIndex deep(std::vector<DeepStar>{star});
    const DeepStarIndex none;
    sky.scene.deepStars = &deep;
    Open(400, 300);
    flags.stars = 1;
    view->SetLayerFlags(&flags);
    view->OnViewZenith();
    // The same view without the deep list: what must not change at the opening field.
    TestSky bare;
    bare.scene.deepStars = &none;
    CPlanetariumView reference(bare.scene);
    reference.SetLayerFlags(&flags);
    reference.resize(400, 300);
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    reference.OnViewZenith();

    // Pixels that differ from the reference, and how far the farthest lies from the centre.
    auto differing = [&](int* farthest) {
        const QImage with = view->RenderImage().copy();
        const QImage without = reference.RenderImage().copy();
        int n = 0;
        *farthest = 0;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 400; ++x) {
                if (with.pixel(x, y) == without.pixel(x, y))
                    continue;
                ++n;
                *farthest = std::max({*farthest, std::abs(2 * x + 1 - 400) / 2,
                                      std::abs(2 * y + 1 - 300) / 2});
            }
        }
        return n;
    };
    int farthest = 0;
    EXPECT_EQ(differing(&farthest), 0) << "the opening view shows the star";

    // Six steps in: a 3.95-degree field shows stars to magnitude 11.8.
    for (int i = 0; i < 6; ++i) {
        view->OnZoomIn();
        reference.OnZoomIn();
    }
    ASSERT_NEAR(view->FieldOfView(), 45.0 * std::pow(2.0 / 3.0, 6) * kDegToRad, 1e-12);
    const int shown = differing(&farthest);
    EXPECT_GT(shown, 3) << "the zoomed view lacks the star";
    // A point of at most 4 x 1.4^-1.5 = 2.4 pixels of half-width round the centre.
    EXPECT_LE(farthest, 3);
    const QImage zoomed = view->RenderImage().copy();
    int brightest = 0;
    for (int y = 148; y <= 151; ++y) {
        for (int x = 198; x <= 201; ++x)
            brightest = std::max(brightest, qGray(zoomed.pixel(x, y)));
    }
    EXPECT_GT(brightest, 60);
    Keep(zoomed, "faint-star-zoomed.png");

    // The palette's "어두운 별" box off: the zoomed view is the reference again.
    flags.faintStars = 0;
    EXPECT_EQ(differing(&farthest), 0);
}

TEST_F(SkyRender, TexturedStarIsBrightestAtItsCentreAndTintedByItsColour)
{
    const SphericalCoord zenith(sky.lst.time.hours * 0.26179938779914946,
                                double(sky.observer.latitude));
    sky.catalogs.stars.push_back(Star(zenith, 'M', -3.0f));  // orange
    Open(400, 300);
    flags.stars = 1;
    view->SetLayerFlags(&flags);
    view->OnViewZenith();
    for (const QImage& image : RenderBothModes()) {
        const QColor centre = image.pixelColor(200, 149);
        EXPECT_GT(centre.red(), 100);
        EXPECT_EQ(centre.blue(), 0);  // M stars are 255, 160, 0
        EXPECT_TRUE(IsBlack(image.pixelColor(150, 149)));
    }
}

TEST_F(SkyRender, ConstantDeclinationBoundaryFrom350To10DegreesPassesThroughZeroHours)
{
    sky.lst.time.hours = 0.0;  // 0h on the meridian
    constexpr double kDec = 20.0 * kDegToRad;
    sky.catalogs.boundaries.push_back(BoundarySegment());
    sky.catalogs.boundaries.back().start = SphericalCoord(350.0 * kDegToRad, kDec);
    sky.catalogs.boundaries.back().end = SphericalCoord(10.0 * kDegToRad, kDec);
    const double lat = sky.observer.latitude;
    auto horizontalOf = [&](double raDeg) {
        const SphericalCoord p2000 =
            Precess(SphericalCoord(raDeg * kDegToRad, kDec), 1875.0, 2000.0);
        return EquatorialToHorizontal(p2000, sky.lst, lat);
    };
    Open(400, 300);
    flags.boundaries = 1;
    view->SetLayerFlags(&flags);
    view->SetViewCentre(horizontalOf(0.0));
    const QColor red(231, 0, 0);
    for (const QImage& image : RenderBothModes()) {
        for (double ra : {352.0, 356.0, 0.0, 4.0, 8.0}) {
            double x = 0, y = 0;
            ASSERT_TRUE(SkyToWindow(*view, horizontalOf(ra), &x, &y));
            const QRect around(int(x) - 2, image.height() - 1 - int(y) - 2, 5, 5);
            int hits = 0;
            for (int yy = around.top(); yy <= around.bottom(); ++yy)
                for (int xx = around.left(); xx <= around.right(); ++xx)
                    hits += image.pixelColor(xx, yy) == red ? 1 : 0;
            EXPECT_GT(hits, 0) << "no boundary near RA " << ra;
        }
    }
}

TEST_F(SkyRender, NameBandsComeFromTheTopOfTheImageDownward)
{
    // A name image of 88 bands 4 rows high, band i painted in its own colour.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("images")));
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(SourceDir()) + "/images/Star.bmp",
                            dir.filePath(QStringLiteral("images/Star.bmp"))));
    QImage bands(8, 88 * 4, QImage::Format_RGB888);
    for (int i = 0; i < 88; ++i)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                bands.setPixelColor(x, 4 * i + y, QColor(2 * i + 10, 100, 200));
    ASSERT_TRUE(bands.save(dir.filePath(QStringLiteral("images/connames.bmp")), "BMP"));
    sky.scene.moduleDirectory = dir.path().toStdString();

    const double lat = sky.observer.latitude;
    const SphericalCoord spots[3] = {SphericalCoord(2.3, 60 * kDegToRad),
                                     SphericalCoord(2.5, 70 * kDegToRad),
                                     SphericalCoord(2.7, 65 * kDegToRad)};
    for (int i = 0; i < 89; ++i) {
        // Constellations 0, 87 and 88 at the three spots, the others far below the horizon.
        SphericalCoord h(1.0, -60 * kDegToRad);
        if (i == 0)
            h = spots[0];
        else if (i == 87)
            h = spots[1];
        else if (i == 88)
            h = spots[2];
        sky.catalogs.constellationNames.push_back(ConstellationName(
            "x", HorizontalToEquatorial(h, sky.lst, lat)));
    }
    Open(400, 300);
    flags.constellationNames = 1;
    view->SetLayerFlags(&flags);
    view->SetViewCentre(SphericalCoord(2.5, 64 * kDegToRad));
    view->OnZoomOut();
    for (const QImage& image : RenderBothModes()) {
        double x = 0, y = 0;
        ASSERT_TRUE(SkyToWindow(*view, spots[0], &x, &y));
        EXPECT_EQ(UpRightOf(image, x, y, 3, 1), QColor(10, 100, 200));  // the top band
        ASSERT_TRUE(SkyToWindow(*view, spots[1], &x, &y));
        EXPECT_EQ(UpRightOf(image, x, y, 3, 1), QColor(2 * 87 + 10, 100, 200));  // the bottom
        ASSERT_TRUE(SkyToWindow(*view, spots[2], &x, &y));
        EXPECT_TRUE(IsBlack(UpRightOf(image, x, y, 3, 1)));  // no band for an 89th
    }
}

TEST_F(SkyRender, ABodyBelowTheHorizonIsCoveredByTheGround)
{
    // Search the evening for the Sun 10 degrees above and 10 degrees below the horizon.
    SkyRenderer bodies(sky.scene);
    auto sunAltitudeAt = [&](double localJd) {
        sky.SetLocalTime(localJd);
        return EquatorialToHorizontal(bodies.BodyPosition(0), sky.lst, sky.observer.latitude);
    };
    double above = 0, below = 0;
    for (double jd = 2460325.0; jd < 2460325.5; jd += 1.0 / 1440.0) {  // noon to midnight
        const double alt = sunAltitudeAt(jd).lat / kDegToRad;
        if (above == 0 && alt < 10.0)
            above = jd;
        if (below == 0 && alt < -10.0)
            below = jd;
    }
    ASSERT_NE(above, 0.0);
    ASSERT_NE(below, 0.0);
    Open(400, 300);
    flags.solarSystem = 1;
    view->SetLayerFlags(&flags);
    for (double jd : {above, below}) {
        const SphericalCoord sun = sunAltitudeAt(jd);
        view->SetViewCentre(SphericalCoord(sun.lon, 0.0));
        for (const QImage& image : RenderBothModes()) {
            const QRect label(200, jd == above ? 60 : 160, 60, 80);
            if (jd == above) {
                EXPECT_GT(CountNonBlack(image, label), 20);  // "태양" stands in the sky
            } else {
                EXPECT_EQ(CountNonBlack(image, QRect(0, 152, 400, 148)), 0);
            }
        }
    }
}

TEST_F(SkyRender, OverlappingLabelsAddTheirColoursAndSaturate)
{
    Open(400, 300);
    view->OnViewSouth();
    view->RenderImage();
    SphericalCoord h;
    ASSERT_TRUE(view->ScreenToSky(150.0, 100.0, &h));
    const SphericalCoord at =
        HorizontalToEquatorial(h, sky.lst, double(sky.observer.latitude));
    const std::pair<const char*, Colour> names[] = {{"WWW", MakeColour(255, 0, 0)},
                                                    {"WWW", MakeColour(0, 0, 255)},
                                                    {"MMM", MakeColour(200, 100, 0)},
                                                    {"MMM", MakeColour(200, 100, 0)}};
    for (const auto& [text, colour] : names) {
        sky.catalogs.starNames.push_back(StarName(text, at));
        sky.labels.starNames.emplace_back(text, sky.labelFont, colour, 0);
    }
    flags.starNames = 1;
    view->SetLayerFlags(&flags);
    for (const QImage& image : RenderBothModes()) {
        int magenta = 0, saturated = 0;
        for (int y = 60; y < 110; ++y) {
            for (int x = 140; x < 230; ++x) {
                const QColor c = image.pixelColor(x, y);
                magenta += (c.red() > 200 && c.blue() > 200) ? 1 : 0;
                saturated += (c.red() == 255 && c.green() == 200) ? 1 : 0;
            }
        }
        EXPECT_GT(magenta, 5);
        EXPECT_GT(saturated, 0);
    }
}

TEST_F(SkyRender, EveryToggleSwitchesItsLayer)
{
    ASSERT_TRUE(LoadShippedCatalogs(sky));
    Open(320, 240);
    view->SetLayerFlags(&flags);
    view->OnZoomOut();
    view->OnZoomOut();
    std::vector<QImage> dark;
    const SphericalCoord centres[5] = {SphericalCoord(0, 0), SphericalCoord(1.5708, 0),
                                       SphericalCoord(3.1416, 0), SphericalCoord(4.7124, 0),
                                       SphericalCoord(0, 1.5707963267948966)};
    for (const SphericalCoord& c : centres) {
        view->SetViewCentre(c);
        dark.push_back(view->RenderImage().copy());
    }
    int LayerFlags::*const toggles[13] = {
        &LayerFlags::eclipticGrid, &LayerFlags::equatorialGrid, &LayerFlags::horizontalGrid,
        &LayerFlags::messier,      &LayerFlags::solarSystem,    &LayerFlags::stars,
        &LayerFlags::starNames,    &LayerFlags::boundaries,     &LayerFlags::figures,
        &LayerFlags::constellationNames, &LayerFlags::galacticGrid, &LayerFlags::milkyWay,
        &LayerFlags::ngc};
    for (int t = 0; t < 13; ++t) {
        flags = AllOff();
        flags.*toggles[t] = 1;
        bool changed = false;
        for (int i = 0; i < 5 && !changed; ++i) {
            view->SetViewCentre(centres[i]);
            changed = view->RenderImage() != dark[i];
        }
        EXPECT_TRUE(changed) << "toggle " << t;
    }
}

TEST_F(SkyRender, WithoutTheStarImageThereIsNoTextureAndNoNames)
{
    QTemporaryDir empty;
    sky.scene.moduleDirectory = empty.path().toStdString();
    SkyRenderer renderer(sky.scene);
    Open(64, 48);
    ASSERT_TRUE(view->MakeCurrent());
    renderer.OnContextCreated();
    EXPECT_FALSE(renderer.HasStarTexture());
    EXPECT_FALSE(renderer.HasNameImage());
    renderer.ReleaseGL();

    TestSky shippedSky;  // images/ of the sources
    SkyRenderer shipped(shippedSky.scene);
    shipped.OnContextCreated();
    EXPECT_TRUE(shipped.HasStarTexture());
    EXPECT_TRUE(shipped.HasNameImage());
    shipped.ReleaseGL();
}

}  // namespace
