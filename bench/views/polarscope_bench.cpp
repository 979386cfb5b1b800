// One tick of the "극축 맞추기" window's "지금" mode: the pole star's place for a new instant
// (apparent place, hour angle, next transit) and a full repaint of the window into an image,
// for a northern and a southern site (three stars).
#include <benchmark/benchmark.h>

#include <QImage>

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "views/cpolarscopeview.h"

namespace {

void BM_PolarScopeTick(benchmark::State& state)
{
    const bool south = state.range(0) != 0;
    const Observer site("", "", static_cast<float>((south ? 151.21 : 126.98) * kDegToRad),
                        static_cast<float>((south ? -33.87 : 37.57) * kDegToRad), 9.0f);
    const ShownSky sky = ComputeShownSkyAt(Instant::FromUT(2461383.0), site, Model::Precise);
    CPolarScopeView view(sky);
    view.resize(900, 560);
    double jd = 2461383.0;
    view.SetClock([&jd] { return jd; });
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        jd += 1.0 / 86400.0;
        view.Tick();
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(south ? "sigma Octantis" : "Polaris");
}
BENCHMARK(BM_PolarScopeTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
