// The object search answers every keystroke of the search field (target: 2 ms over every
// name) and the click lookup every click in the sky view (target: 1 ms at 1920 x 1080 with
// every layer on); both also with the deep list joined (118,216 Hipparcos stars), and the
// join itself, which runs on the deep list's loader thread. No display needed.
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

// The same keystrokes and some numbers once the deep list has joined the index: only a
// query that can name "HIP n" reads the deep stars' numbers.
const char* const kTypedDeep[] = {"M",        "ㅂㅌㄱ", "베텔게우스", "NGC 7000", "zzzzzzzz",
                                  "H",        "HIP",    "HIP 2",      "HIP 2798", "HIP 27989",
                                  "HIP 45982", "27989"};

void BM_CompletionKeystrokeDeep(benchmark::State& state)
{
    const std::string query = kTypedDeep[state.range(0)];
    const SkyIndex& index = ShippedIndexWithDeepStars();
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto found = index.Find(query, 50);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.SetLabel(query);
    state.counters["hits"] = double(hits);
    state.counters["objects"] = double(index.Objects().size());
}
BENCHMARK(BM_CompletionKeystrokeDeep)
    ->DenseRange(0, int(sizeof kTypedDeep / sizeof kTypedDeep[0]) - 1)
    ->Unit(benchmark::kMicrosecond);

// The join of the deep list with the index of star.dat (the list already read): the stars
// in number order, then AddStars.
void BM_JoinDeepStars(benchmark::State& state)
{
    const std::vector<DeepStar>& deep = ShippedDeepStars();
    std::size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SkyIndex index = ShippedIndex();
        state.ResumeTiming();
        added = index.AddStars(HipStarsOf(deep));
        benchmark::DoNotOptimize(index.Objects().data());
        state.PauseTiming();
        index = SkyIndex();  // freed outside the timing
        state.ResumeTiming();
    }
    state.counters["deep_stars"] = double(deep.size());
    state.counters["new_objects"] = double(added);
}
BENCHMARK(BM_JoinDeepStars)->Unit(benchmark::kMillisecond);

// What the loader thread does after reading the list: copy the shown index, join, and
// (on the GUI thread) move it into place.
void BM_CopyAndJoinDeepStars(benchmark::State& state)
{
    const std::vector<DeepStar>& deep = ShippedDeepStars();
    SkyIndex shown = ShippedIndex();
    for (auto _ : state) {
        SkyIndex joined = shown;
        joined.AddStars(HipStarsOf(deep));
        benchmark::DoNotOptimize(joined.Objects().data());
    }
}
BENCHMARK(BM_CopyAndJoinDeepStars)->Unit(benchmark::kMillisecond);

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
PickFrame FullHdFrame(double fieldOfViewRad = kPi / 4.0)
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
    const double fy = 1.0 / std::tan(fieldOfViewRad / 2.0), aspect = 1920.0 / 1080.0, n = 0.1, far = 2.0;
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

// Clicks over a frame of the shown sky of 2026-01-15 22:00 at Seoul, one per iteration.
void RunClicks(benchmark::State& state, const SkyIndex& index, const PickFrame& frame)
{
    const ShownSky sky = ComputeShownSky(SkyTime(JulianDateFromCalendar(2026, 1, 15).jd + 22.0 / 24.0),
                                         Observer("", "", 2.2162f, 0.6556f, 9.0f), Model::Classic);
    // Pixels over the view, one per iteration.
    std::vector<std::pair<double, double>> pixels;
    for (int i = 0; i < 64; ++i)
        pixels.emplace_back(15.0 + 30.0 * i, double(17 * i % 1080));
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const auto& p = pixels[i++ % pixels.size()];
        found += PickObject(index, sky, frame, p.first, p.second) >= 0 ? 1 : 0;
    }
    state.counters["objects"] = double(index.Objects().size());
    state.counters["found_share"] = double(found) / double(i ? i : 1);
}

void BM_ClickLookup(benchmark::State& state)
{
    RunClicks(state, ShippedIndex(), FullHdFrame());
}
BENCHMARK(BM_ClickLookup)->Unit(benchmark::kMicrosecond);

// The click lookup with the deep list joined: at the opening view (deep stars not drawn)
// and zoomed to a 2 degree field, where the view draws them to magnitude 6.5 + 5 log10 22.5.
void BM_ClickLookupDeep(benchmark::State& state)
{
    const bool zoomed = state.range(0) != 0;
    PickFrame frame = FullHdFrame(zoomed ? 2.0 * kDegToRad : kPi / 4.0);
    frame.deepStarLimit = zoomed ? 6.5 + 5.0 * std::log10(22.5) : 6.5;
    state.SetLabel(zoomed ? "2 degrees" : "45 degrees");
    RunClicks(state, ShippedIndexWithDeepStars(), frame);
}
BENCHMARK(BM_ClickLookupDeep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
