// The printed sky chart: bright stars rasterised from the PDF where an independent
// computation (ERFA for the apparent place, a gnomonic projection for the camera) puts them.
#include "printtest.h"

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/instant.h"
#include "astro/time/juliandate.h"
#include "catalog/loadcatalogs.h"
#include "print/pdfexport.h"
#include "print/skychart.h"

#include <QTemporaryDir>

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kDpi = 150;
constexpr double kJ2000 = 2451545.0;  // JD of J2000.0
constexpr double kMarginPoints = 12.0 / 25.4 * 72.0;  // the page's 12 mm margin
constexpr double kStarTolerancePixels = 4.0;          // at 150 dpi, about 0.7 mm
constexpr int kBlackLevel = 90;                       // grey level a star's centre stays under

struct Fixture {
    CatalogSet catalogs;
    ShownSky sky;
    SkyChartView view;
};

// Seoul, 15 January 2026 14:00 UT (23:00 KST): Orion and Canis Major in the south.
constexpr double kLatitudeDeg = 37.5665;
constexpr double kLongitudeDeg = 126.978;
const double kJdUT = JulianDateFromCalendar(2026, 1, 15).jd + 14.0 / 24.0;

Fixture& Shared()
{
    static Fixture* f = [] {
        auto* fixture = new Fixture;
        SilentMessageSink sink;
        EXPECT_TRUE(LoadCatalogs(fixture->catalogs, KOSMIRA_SOURCE_DIR, sink));
        const Observer seoul("서울특별시", "서울", float(kLongitudeDeg * kDegToRad),
                             float(kLatitudeDeg * kDegToRad), 9.0f);
        fixture->sky = ComputeShownSkyAt(Instant::FromUT(kJdUT), seoul, Model::Precise);
        fixture->view.centre = SphericalCoord(180.0 * kDegToRad, 40.0 * kDegToRad);
        fixture->view.fieldOfViewRad = 60.0 * kDegToRad;
        fixture->view.aspect = 4.0 / 3.0;
        return fixture;
    }();
    return *f;
}

// Azimuth (north through east) and altitude of a J2000 place at kJdUT in Seoul: ERFA's
// IAU 2006/2000A precession-nutation and apparent sidereal time, no refraction.
void Horizontal(double raDeg, double decDeg, double* az, double* alt)
{
    const double tt = kJdUT + 69.0 / 86400.0;
    double npb[3][3];
    eraPnm06a(kJ2000, tt - kJ2000, npb);
    double p[3], q[3];
    eraS2c(raDeg * kDegToRad, decDeg * kDegToRad, p);
    eraRxp(npb, p, q);
    double ra = 0.0, dec = 0.0;
    eraC2s(q, &ra, &dec);
    const double last = eraGst06a(kJdUT, 0.0, tt, 0.0) + kLongitudeDeg * kDegToRad;
    eraHd2ae(last - ra, dec, kLatitudeDeg * kDegToRad, az, alt);
}

// Where a camera looking at (az0, alt0) with vertical field fov and that aspect shows
// (az, alt): the gnomonic projection onto the plane touching the sphere at the centre,
// x to the right (east when facing north), y up; in rect's coordinates, y down.
bool Gnomonic(double az, double alt, const SkyChartView& v, const QRectF& rect, QPointF* at)
{
    const double az0 = v.centre.lon, alt0 = v.centre.lat;
    const double cosc = std::sin(alt0) * std::sin(alt) + std::cos(alt0) * std::cos(alt) * std::cos(az - az0);
    if (cosc <= 0.0)
        return false;
    const double x = std::cos(alt) * std::sin(az - az0) / cosc;
    const double y = (std::cos(alt0) * std::sin(alt) - std::sin(alt0) * std::cos(alt) * std::cos(az - az0)) / cosc;
    const double t = std::tan(v.fieldOfViewRad / 2.0);
    *at = QPointF(rect.left() + (x / (t * v.aspect) + 1.0) / 2.0 * rect.width(),
                  rect.top() + (1.0 - y / t) / 2.0 * rect.height());
    return true;
}

QRectF PageChartRect(const SkyChartPrintJob& job)
{
    const QRectF paint(0.0, 0.0, 595.276 - 2 * kMarginPoints, 841.89 - 2 * kMarginPoints);
    return job.ChartRect(paint).translated(kMarginPoints, kMarginPoints);
}

QString WriteChart(const QTemporaryDir& dir, bool screenColours, SkyChartPrintJob** made = nullptr)
{
    Fixture& f = Shared();
    static std::unique_ptr<SkyChartPrintJob> job;
    job = std::make_unique<SkyChartPrintJob>(f.sky, f.catalogs, f.view, DisplayColors{});
    job->SetScreenColours(screenColours);
    job->SetPrintedDate(QDate(2026, 12, 8));
    if (made)
        *made = job.get();
    const QString path = dir.filePath(job->SuggestedFileName());
    QString error;
    EXPECT_TRUE(WritePdf(*job, path, &error)) << error.toStdString();
    return path;
}

}  // namespace

TEST(SkyChartPrint, BrightStarsAreBlackDiscsWhereTheSkyPutsThem)
{
    QTemporaryDir dir;
    SkyChartPrintJob* job = nullptr;
    const QString path = WriteChart(dir, false, &job);
    const QImage page = PdfPage(path, kDpi);
    ASSERT_FALSE(page.isNull());
    const QRectF chartPoints = PageChartRect(*job);
    const double scale = kDpi / 72.0;
    const QRectF chart(chartPoints.topLeft() * scale, chartPoints.size() * scale);

    // J2000 places (Hipparcos, degrees).
    const struct {
        const char* name;
        double ra, dec;
    } stars[] = {
        {"Sirius", 101.28716, -16.71612},    {"Betelgeuse", 88.79294, 7.40706},
        {"Rigel", 78.63447, -8.20164},       {"Procyon", 114.82550, 5.22499},
        {"Bellatrix", 81.28276, 6.34970},    {"Adhara", 104.65645, -28.97209},
    };
    int checked = 0;
    for (const auto& s : stars) {
        double az = 0.0, alt = 0.0;
        Horizontal(s.ra, s.dec, &az, &alt);
        QPointF expected;
        if (alt < 2.0 * kDegToRad || !Gnomonic(az, alt, Shared().view, chart, &expected) ||
            !chart.adjusted(8, 8, -8, -8).contains(expected))
            continue;
        ++checked;
        EXPECT_LT(DarkestNear(page, expected.x(), expected.y(), int(kStarTolerancePixels)), kBlackLevel)
            << s.name << " at " << expected.x() << ", " << expected.y();
        // The chart's own placement agrees with the independent one.
        QPointF placed;
        ASSERT_TRUE(job->Chart().PlaceCatalogue(SphericalCoord(s.ra * kDegToRad, s.dec * kDegToRad),
                                                chart, &placed));
        EXPECT_NEAR(placed.x(), expected.x(), kStarTolerancePixels) << s.name;
        EXPECT_NEAR(placed.y(), expected.y(), kStarTolerancePixels) << s.name;
    }
    EXPECT_GE(checked, 5);

    // White paper: the margin, and most of the chart.
    EXPECT_EQ(page.pixelColor(3, 3).value(), 255);
    int light = 0, all = 0;
    for (int y = int(chart.top()) + 2; y < int(chart.bottom()) - 2; y += 3)
        for (int x = int(chart.left()) + 2; x < int(chart.right()) - 2; x += 3, ++all)
            light += qGray(page.pixel(x, y)) > 200;
    EXPECT_GT(light, all * 7 / 10);
}

TEST(SkyChartPrint, LegendAndNamesAreText)
{
    QTemporaryDir dir;
    const QString path = WriteChart(dir, false);
    const QString text = PdfText(path);
    for (const QString& t : {QStringLiteral("천체 지도"), QStringLiteral("서울"),
                             QStringLiteral("북위 37.57°"), QStringLiteral("2026-01-15 23:00"),
                             QStringLiteral("UTC+9"), QStringLiteral("남 (180.0°)"),
                             QStringLiteral("고도 40.0°"), QStringLiteral("60.0°"),
                             QStringLiteral("등급"), QStringLiteral("오리온자리"),
                             QStringLiteral("시리우스"), QStringLiteral("베텔게우스"), QStringLiteral("인쇄한 날: 2026-12-08")})
        EXPECT_TRUE(text.contains(t)) << t.toStdString();
}

TEST(SkyChartPrint, ScreenColoursGiveABlackSky)
{
    QTemporaryDir dir;
    SkyChartPrintJob* job = nullptr;
    const QString path = WriteChart(dir, true, &job);
    const QImage page = PdfPage(path, 40);
    const QRectF c = PageChartRect(*job);
    const double s = 40 / 72.0;
    int dark = 0, all = 0;
    for (int y = int(c.top() * s) + 2; y < int(c.bottom() * s) - 2; ++y)
        for (int x = int(c.left() * s) + 2; x < int(c.right() * s) - 2; ++x, ++all)
            dark += qGray(page.pixel(x, y)) < 60;
    EXPECT_GT(dark, all / 2);
    EXPECT_EQ(page.pixelColor(2, 2).value(), 255);  // the paper around it stays white
}

TEST(SkyChartPrint, LayerTogglesDecideWhatIsDrawn)
{
    Fixture& f = Shared();
    QTemporaryDir dir;
    SkyChartView bare = f.view;
    bare.layers = LayerFlags{};
    bare.layers.stars = 0;
    bare.layers.starNames = 0;
    bare.layers.constellationNames = 0;
    bare.layers.figures = 0;
    bare.layers.boundaries = 0;
    bare.layers.messier = 0;
    bare.layers.milkyWay = 0;
    SkyChartPrintJob job(f.sky, f.catalogs, bare, DisplayColors{});
    const QString path = dir.filePath(QStringLiteral("bare.pdf"));
    ASSERT_TRUE(WritePdf(job, path, nullptr));
    const QString text = PdfText(path);
    EXPECT_FALSE(text.contains(QStringLiteral("오리온자리")));
    EXPECT_FALSE(text.contains(QStringLiteral("시리우스")));
    EXPECT_TRUE(text.contains(QStringLiteral("등급")));
    // Without the stars, Sirius's place is paper.
    double az = 0.0, alt = 0.0;
    Horizontal(101.28716, -16.71612, &az, &alt);
    const QImage page = PdfPage(path, kDpi);
    const QRectF cp = PageChartRect(job);
    const double scale = kDpi / 72.0;
    QPointF at;
    ASSERT_TRUE(Gnomonic(az, alt, bare, QRectF(cp.topLeft() * scale, cp.size() * scale), &at));
    EXPECT_GT(DarkestNear(page, at.x(), at.y(), 2), 200);
}

TEST(SkyChartPrint, StarDiscsShrinkWithMagnitude)
{
    const double magnitudes[] = {-1.5, 0.0, 1.0, 3.0, 6.5};
    for (std::size_t i = 1; i < std::size(magnitudes); ++i)
        EXPECT_LT(SkyChart::StarRadius(magnitudes[i]), SkyChart::StarRadius(magnitudes[i - 1]));
    EXPECT_NEAR(SkyChart::StarRadius(-1.5), 2.6, 1e-9);
    EXPECT_NEAR(SkyChart::StarRadius(6.5), 0.35, 1e-9);
    EXPECT_EQ(SkyChart::StarRadius(-20.0), SkyChart::StarRadius(-1.5));
}
