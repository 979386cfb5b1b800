// Start-up waits for LoadCatalogs and the catalog labels; the pointer palette calls FindConstellationAt on every
// mouse move. Run under a display (make bench uses xvfb-run): labels need fonts.
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/constellationlookup.h"
#include "catalog/loadcatalogs.h"
#include "catalog/triangulation.h"
#include "render/cataloglabels.h"

#include <QFont>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const std::string kModule = KOSMIRA_SOURCE_DIR;

QFont LabelFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

// What start-up does on its worker thread: the catalogs, then (withLabels) their labels.
void LoadCatalogsOnce(benchmark::State& state, bool withLabels)
{
    SilentMessageSink sink;
    for (auto _ : state) {
        CatalogSet catalogs;
        if (!LoadCatalogs(catalogs, kModule, sink)) {
            state.SkipWithError("the shipped catalogs did not load");
            break;
        }
        state.counters["stars"] = static_cast<double>(catalogs.stars.size());
        if (withLabels) {
            const CatalogLabels labels = MakeCatalogLabels(catalogs, LabelFont(14), LabelFont(12));
            state.counters["labels"] =
                static_cast<double>(labels.starNames.size() + labels.messier.size());
        }
        benchmark::DoNotOptimize(catalogs.milkyWay.triangles.data());
    }
}

void BM_LoadCatalogs(benchmark::State& state) { LoadCatalogsOnce(state, true); }
BENCHMARK(BM_LoadCatalogs)->Unit(benchmark::kMillisecond);

// The catalogs alone.
void BM_LoadCatalogsDataOnly(benchmark::State& state) { LoadCatalogsOnce(state, false); }
BENCHMARK(BM_LoadCatalogsDataOnly)->Unit(benchmark::kMillisecond);

void BM_TriangulateShippedOutline(benchmark::State& state)
{
    CatalogFile file;
    MilkyWay band;
    if (file.ReadLines(kModule + "/data/milkyway.dat"))
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            band.points.push_back(ParseMilkyWayLine(file.Line(i)));
    if (!band.BuildOutline()) {
        state.SkipWithError("data/milkyway.dat has no outline");
        return;
    }
    for (auto _ : state) {
        std::vector<SphericalCoord> triangles;
        const bool whole = TriangulatePolygon(band.outline, triangles);
        benchmark::DoNotOptimize(whole);
        benchmark::DoNotOptimize(triangles.data());
    }
}
BENCHMARK(BM_TriangulateShippedOutline)->Unit(benchmark::kMillisecond);

void BM_FindConstellationAt(benchmark::State& state)
{
    CatalogFile file;
    std::vector<ConstellationZone> zones;
    if (file.ReadLines(kModule + "/data/conident.dat"))
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            zones.push_back(ParseZoneLine(file.Line(i)));
    if (zones.empty()) {
        state.SkipWithError("data/conident.dat did not load");
        return;
    }
    // Directions spread over the whole sky, south to north.
    std::vector<SphericalCoord> points;
    for (int dec = -85; dec <= 85; dec += 10)
        for (int ra = 0; ra < 360; ra += 15)
            points.emplace_back(ra * kDegreesToRad, dec * kDegreesToRad);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindConstellationAt(zones, points[i]));
        i = (i + 1) % points.size();
    }
}
BENCHMARK(BM_FindConstellationAt)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
