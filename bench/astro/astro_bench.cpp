// What the views pay for the astronomy core: one change of the shown instant, one repaint
// of the month calendar, one constellation lookup's precession.

#include "astro/sky/dayevents.h"
#include "astro/sky/frames.h"
#include "astro/sky/shownsky.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "astro/sky/lunarcalendar.h"
#include "astro/ephemeris/moon.h"
#include "astro/ephemeris/planet.h"
#include "astro/sky/riseset.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {


const Observer kSeoul("", "", static_cast<float>(126.978 * kDegToRad),
                      static_cast<float>(37.566 * kDegToRad), 9.0f);

// Sun, Moon and the nine planets for one instant (the application's RecomputeBodies).
void BM_UpdateSunMoonPlanets(benchmark::State& state)
{
    Sun sun(SkyTime(2461000.5));
    Moon moon(SkyTime(2461000.5));
    std::array<Planet, kPlanetCount> planets = MakePlanets();
    double jd = 2461000.5;
    for (auto _ : state) {
        const SkyTime ut(jd);
        sun.Update(ut);
        moon.Update(ut);
        for (Planet& p : planets)
            p.UpdateElements(ut);
        benchmark::DoNotOptimize(sun.geoX + moon.geoX + planets[8].helioX);
        jd += 0.013;
    }
}
BENCHMARK(BM_UpdateSunMoonPlanets);

// Geocentric vectors of the nine planets (each recomputes the Earth), once per repaint.
void BM_PlanetGeocentricVectors(benchmark::State& state)
{
    std::array<Planet, kPlanetCount> planets = MakePlanets();
    for (Planet& p : planets)
        p.UpdateElements(SkyTime(2461000.5));
    for (auto _ : state) {
        double sum = 0;
        for (const Planet& p : planets)
            sum += p.GeocentricVector().x;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PlanetGeocentricVectors);

// Everything the astronomical calendar computes for one month of 31 days.
void BM_CalendarMonth(benchmark::State& state)
{
    const double first = JulianDateFromCalendar(2026, 7, 1).jd;
    for (auto _ : state) {
        double sum = 0;
        for (int day = 0; day < 31; ++day) {
            const SkyDate date(first + day);
            const SunEventSet sunEvents = SunEvents(date, kSeoul);
            const RiseSetResult moonEvents = MoonEvents(date, kSeoul);
            LunarDate lunar;
            ToLunar(date, lunar);
            const Moon moon(LocalToUT(SkyTime(date, 0.0), kSeoul.timeZone));
            sum += sunEvents.riseSet.begin + moonEvents.begin + lunar.day + moon.PhaseFraction();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CalendarMonth)->Unit(benchmark::kMicrosecond);

// The pieces of one calendar day, to see where a month's time goes.
void BM_SunEventsOneDay(benchmark::State& state)
{
    const SkyDate date = JulianDateFromCalendar(2026, 7, 15);
    for (auto _ : state)
        benchmark::DoNotOptimize(SunEvents(date, kSeoul).riseSet.begin);
}
BENCHMARK(BM_SunEventsOneDay);

void BM_MoonEventsOneDay(benchmark::State& state)
{
    const SkyDate date = JulianDateFromCalendar(2026, 7, 15);
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonEvents(date, kSeoul).begin);
}
BENCHMARK(BM_MoonEventsOneDay);

void BM_ToLunarLateDate(benchmark::State& state)
{
    const SkyDate date = JulianDateFromCalendar(2043, 12, 31);  // the longest table walk
    for (auto _ : state) {
        LunarDate lunar;
        benchmark::DoNotOptimize(ToLunar(date, lunar));
        benchmark::DoNotOptimize(lunar.day);
    }
}
BENCHMARK(BM_ToLunarLateDate);

// One J2000 point precessed to the 1875 boundaries, as the constellation lookup does.
void BM_PrecessOnePoint(benchmark::State& state)
{
    SphericalCoord p(1.234, 0.456);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Precess(p, 2000.0, 1875.0));
        p.lon += 1e-9;
    }
}
BENCHMARK(BM_PrecessOnePoint);

// The whole shown sky of one instant (what the application computes when the instant, the
// site or the model changes), in each model.
void BM_ShownSky(benchmark::State& state)
{
    const Model model = state.range(0) ? Model::Precise : Model::Classic;
    double jd = 2461383.375;
    for (auto _ : state) {
        const ShownSky sky = ComputeShownSky(SkyTime(jd), kSeoul, model);
        benchmark::DoNotOptimize(sky.moonAgeDays);
        jd += 0.013;
    }
    state.SetLabel(ModelKey(model));
}
BENCHMARK(BM_ShownSky)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The calendar's month of events (Sun, twilights, Moon, illuminated fraction, lunar date)
// in each model: what the calendar computes once per month, site or model.
void BM_CalendarMonthEvents(benchmark::State& state)
{
    const Model model = state.range(0) ? Model::Precise : Model::Classic;
    const double first = JulianDateFromCalendar(2026, 12, 1).jd;
    for (auto _ : state) {
        double sum = 0;
        for (int day = 0; day < 31; ++day) {
            const SkyDate date(first + day);
            const DayEvents events = ComputeDayEvents(date, kSeoul, model);
            LunarDate lunar;
            ToLunar(date, lunar);
            sum += events.sun.riseSet.begin + events.moon.begin + lunar.day +
                   MoonIlluminatedAtMidnight(date, kSeoul, model);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(ModelKey(model));
}
BENCHMARK(BM_CalendarMonthEvents)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
