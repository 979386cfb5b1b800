// The object search answers every keystroke of the search field (target: 2 ms over every
// name) and the click lookup every click in the sky view (target: 1 ms at 1920 x 1080 with
// every layer on). No display needed.
#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/juliandate.h"
#include "search/skyindex.h"
#include "search/skypick.h"
#include "search/shippedindex.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// What a user types, keystroke by keystroke: the shortest prefixes match the most names,
// a query that matches nothing scans every key to its end.
const char* const kTyped[] = {"M",          "a",        "ㅂ",        "베",
                              "ㅂㅌㄱ",     "ㅂㅌㄱㅇㅅ", "베텔게우스", "alpha ori",
                              "NGC 7",      "NGC 7000", "geuse",    "andromeda galaxy",
                              "zzzzzzzz"};

void BM_CompletionKeystroke(benchmark::State& state)
{
    const std::string query = kTyped[state.range(0)];
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto found = ShippedIndex().Find(query, 50);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.SetLabel(query);
    state.counters["hits"] = double(hits);
    state.counters["names"] = double(ShippedIndex().NameCount());
}
BENCHMARK(BM_CompletionKeystroke)
    ->DenseRange(0, int(sizeof kTyped / sizeof kTyped[0]) - 1)
    ->Unit(benchmark::kMicrosecond);

void BM_BuildIndex(benchmark::State& state)
{
    for (auto _ : state) {
        SkyIndex index(ShippedSources());
        benchmark::DoNotOptimize(index.Objects().data());
    }
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

// A 1920 x 1080 view with a 45 degree field, every point layer on, aimed at Orion (RA 5.5 h,
// Dec 0), through matrices built as the view builds them (gluPerspective; the model-view
// turns the aim onto the eye's forward direction).
PickFrame FullHdFrame()
{
    PickFrame f;
    const double ra = 5.5 * kHoursToRad, dec = 0.0;
    const double ca = std::cos(-ra), sa = std::sin(-ra), cd = std::cos(dec), sd = std::sin(dec);
    const double r[3][3] = {{cd * ca, -cd * sa, sd}, {sa, ca, 0}, {-sd * ca, sd * sa, cd}};
    const double axes[16] = {0, 0, -1, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 3; ++row) {
            double s = 0;
            for (int k = 0; k < 3; ++k)
                s += axes[k * 4 + row] * r[k][c];
            f.modelView[c * 4 + row] = s;
        }
    f.modelView[15] = 1;
    const double fy = 1.0 / std::tan(kPi / 8.0), aspect = 1920.0 / 1080.0, n = 0.1, far = 2.0;
    f.projection[0] = fy / aspect;
    f.projection[5] = fy;
    f.projection[10] = (far + n) / (n - far);
    f.projection[11] = -1;
    f.projection[14] = 2 * far * n / (n - far);
    f.viewport[2] = 1920;
    f.viewport[3] = 1080;
    f.bodies = f.starNames = f.stars = f.messier = f.ngc = true;
    return f;
}

void BM_ClickLookup(benchmark::State& state)
{
    const ShownSky sky = ComputeShownSky(SkyTime(JulianDateFromCalendar(2026, 1, 15).jd + 22.0 / 24.0),
                                         Observer("", "", 2.2162f, 0.6556f, 9.0f), Model::Classic);
    const PickFrame frame = FullHdFrame();
    // Pixels over the view, one per iteration.
    std::vector<std::pair<double, double>> pixels;
    for (int i = 0; i < 64; ++i)
        pixels.emplace_back(15.0 + 30.0 * i, double(17 * i % 1080));
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const auto& p = pixels[i++ % pixels.size()];
        found += PickObject(ShippedIndex(), sky, frame, p.first, p.second) >= 0 ? 1 : 0;
    }
    state.counters["objects"] = double(ShippedIndex().Objects().size());
    state.counters["found_share"] = double(found) / double(i ? i : 1);
}
BENCHMARK(BM_ClickLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
