// The almanac of phenomena: one year's list and its parts, on the precise model.
#include "astro/almanac/phenomena.h"
#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"

#include <benchmark/benchmark.h>

namespace {

const PhenomenaSite kSeoul{126.978 * kDegToRad, 37.5665 * kDegToRad, 0.0};
const double kStart = JulianDateFromCalendar(2027, 1, 1).jd;
const double kEnd = JulianDateFromCalendar(2028, 1, 1).jd;

void BM_YearOfPhenomena(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindYearPhenomena(2027, 9.0, kSeoul));
}
BENCHMARK(BM_YearOfPhenomena)->Unit(benchmark::kMillisecond);

void BM_YearMoonPhases(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMoonPhases(kStart, kEnd));
}
BENCHMARK(BM_YearMoonPhases)->Unit(benchmark::kMillisecond);

void BM_YearSolarTerms(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSolarTerms(kStart, kEnd));
}
BENCHMARK(BM_YearSolarTerms)->Unit(benchmark::kMillisecond);

void BM_YearEclipses(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindEclipses(kStart, kEnd, kSeoul));
}
BENCHMARK(BM_YearEclipses)->Unit(benchmark::kMillisecond);

void BM_YearPlanetEvents(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindPlanetEvents(kStart, kEnd));
}
BENCHMARK(BM_YearPlanetEvents)->Unit(benchmark::kMillisecond);

void BM_PreciseEphemerisInstant(benchmark::State& state)
{
    double jd = 2461000.5;
    for (auto _ : state) {
        const PreciseEphemeris eph(Instant::FromUT(jd));
        benchmark::DoNotOptimize(eph.Place(Body::Sun));
        jd += 0.01;
    }
}
BENCHMARK(BM_PreciseEphemerisInstant)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

void BM_PreciseEphemerisReusedFrame(benchmark::State& state)
{
    const PreciseEphemeris frame(Instant::FromUT(2461000.5));
    double jd = 2461000.5;
    for (auto _ : state) {
        const PreciseEphemeris eph(Instant::FromUT(jd), frame);
        benchmark::DoNotOptimize(eph.Place(Body::Sun));
        jd += 1e-6;
    }
}
BENCHMARK(BM_PreciseEphemerisReusedFrame)->Unit(benchmark::kMicrosecond);

void BM_PlaceOfJupiter(benchmark::State& state)
{
    const PreciseEphemeris eph(Instant::FromUT(2461000.5));
    for (auto _ : state)
        benchmark::DoNotOptimize(eph.Place(Body::Jupiter));
}
BENCHMARK(BM_PlaceOfJupiter)->Unit(benchmark::kMicrosecond);

}  // namespace
