// One full paint of a 31-day calendar month into an image at the page size (the month's
// values are computed at the first paint and kept while the site and model stay), and the
// month's values alone in each model.
#include <benchmark/benchmark.h>
#include "astro/math/angles.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "astro/time/juliandate.h"
#include "views/ccalendarview.h"

namespace {


void BM_CalendarPaint31Days(benchmark::State& state)
{
    const Observer seoul("대한민국", "서울", static_cast<float>(126.98 * kDegToRad),
                         static_cast<float>(37.57 * kDegToRad), 9.0f);
    const SkyTime shown(JulianDateFromCalendar(2024, 3, 15), 21.0);
    CCalendarView view(shown, seoul);
    QImage image(view.PageSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        view.PaintPage(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["days"] = view.Month().DayCount();
}
BENCHMARK(BM_CalendarPaint31Days)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_CalendarMonthModel31Days(benchmark::State& state)
{
    const Observer seoul("대한민국", "서울", static_cast<float>(126.98 * kDegToRad),
                         static_cast<float>(37.57 * kDegToRad), 9.0f);
    const CalendarMonth month(2024, 3);
    const Model model = state.range(0) ? Model::Precise : Model::Classic;
    for (auto _ : state)
        benchmark::DoNotOptimize(month.Compute(seoul, model));
    state.SetLabel(ModelKey(model));
}
BENCHMARK(BM_CalendarMonthModel31Days)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("굴림"), QStringLiteral("NanumGothic"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
