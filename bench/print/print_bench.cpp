// Writing the printed pages as PDF files: the calendar month (its values computed, as the
// window or kosmira-almanac does) and the sky chart of the default view (catalogs loaded
// once). Each run reports the file's size in bytes as a counter.
#include <benchmark/benchmark.h>

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/instant.h"
#include "astro/time/juliandate.h"
#include "catalog/loadcatalogs.h"
#include "print/calendarprint.h"
#include "print/printjob.h"
#include "print/pdfexport.h"
#include "print/skychart.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

const Observer kSeoul("서울특별시", "서울", static_cast<float>(126.978 * kDegToRad),
                      static_cast<float>(37.5665 * kDegToRad), 9.0f);

void BM_CalendarPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("calendar.pdf"));
    for (auto _ : state) {
        const CalendarMonth month(2026, 12);
        CalendarPrintJob job(month, month.Compute(kSeoul, Model::Precise), kSeoul, Model::Precise);
        job.SetPrintedDate(QDate(2026, 12, 8));
        benchmark::DoNotOptimize(WritePdf(job, path, nullptr));
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_CalendarPdf)->Unit(benchmark::kMillisecond);

void BM_SkyChartPdf(benchmark::State& state)
{
    CatalogSet catalogs;
    SilentMessageSink sink;
    LoadCatalogs(catalogs, KOSMIRA_SOURCE_DIR, sink);
    const ShownSky sky = ComputeShownSkyAt(
        Instant::FromUT(JulianDateFromCalendar(2026, 12, 8).jd + 0.5), kSeoul, Model::Precise);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    for (auto _ : state) {
        SkyChartPrintJob job(sky, catalogs, SkyChartView{}, DisplayColors{});
        job.SetPrintedDate(QDate(2026, 12, 8));
        benchmark::DoNotOptimize(WritePdf(job, path, nullptr));
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SkyChartPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
