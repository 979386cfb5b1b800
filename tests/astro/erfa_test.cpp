// Kosmira's closed-form ephemerides against ERFA (the open-source IAU SOFA routines):
// VSOP87-based Earth (eraEpv00), Simon et al. 1994 planets (eraPlan94) and the Meeus
// ELP-2000/82 truncation of the Moon (eraMoon98), all rotated into the frame Kosmira uses.
// The figures printed by EphemerisAccuracy are the table of docs/accuracy.md.

#include "astro/sky/frames.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "astro/math/matrix3.h"
#include "astro/ephemeris/moon.h"
#include "astro/ephemeris/planet.h"
#include "astro/sky/riseset.h"
#include "astro/math/sphericalcoord.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToArcmin = 180.0 * 60.0 / kPi;
constexpr double kMinute = 1.0 / 60.0;  // hours

struct Stats {
    double median = 0, p95 = 0, max = 0;
};

Stats Measure(std::vector<double> v)
{
    for (double& x : v)
        x = std::fabs(x);
    std::sort(v.begin(), v.end());
    Stats s;
    if (v.empty())
        return s;
    s.median = v[v.size() / 2];
    s.p95 = v[std::min(v.size() - 1, static_cast<size_t>(std::ceil(0.95 * v.size())) - 1)];
    s.max = v.back();
    return s;
}

Vector3 Rotate(double r[3][3], const double p[3])
{
    return {r[0][0] * p[0] + r[0][1] * p[1] + r[0][2] * p[2],
            r[1][0] * p[0] + r[1][1] * p[1] + r[1][2] * p[2],
            r[2][0] * p[0] + r[2][1] * p[1] + r[2][2] * p[2]};
}

// ERFA's geocentric Sun (geometric) in the mean ecliptic and equinox of date, AU.
Vector3 ErfaSunEclipticOfDate(double jd)
{
    double pvh[2][3], pvb[2][3], rm[3][3];
    eraEpv00(jd, 0.0, pvh, pvb);
    eraEcm06(jd, 0.0, rm);
    const double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    return Rotate(rm, sun);
}

// ERFA's geocentric Moon in the mean ecliptic and equinox of date, AU.
Vector3 ErfaMoonEclipticOfDate(double jd)
{
    double pv[2][3], rm[3][3];
    eraMoon98(jd, 0.0, pv);
    eraEcm06(jd, 0.0, rm);
    return Rotate(rm, pv[0]);
}

// ERFA's geocentric planet (np 1..8, Earth's centre as origin) in the ecliptic of J2000, AU.
Vector3 ErfaPlanetEclipticJ2000(double jd, int np)
{
    double pvp[2][3], pvh[2][3], pvb[2][3], rm[3][3];
    eraPlan94(jd, 0.0, np, pvp);
    eraEpv00(jd, 0.0, pvh, pvb);
    eraEcm06(2451545.0, 0.0, rm);
    const double geo[3] = {pvp[0][0] - pvh[0][0], pvp[0][1] - pvh[0][1], pvp[0][2] - pvh[0][2]};
    return Rotate(rm, geo);
}

// ERFA's heliocentric Earth-Moon barycentre in the ecliptic of J2000, AU.
Vector3 ErfaBarycentreEclipticJ2000(double jd)
{
    double pv[2][3], rm[3][3];
    eraPlan94(jd, 0.0, 3, pv);
    eraEcm06(2451545.0, 0.0, rm);
    return Rotate(rm, pv[0]);
}

struct BodyErrors {
    std::string name;
    std::vector<double> dLon, dLat;  // arcminutes
};

void Add(BodyErrors& b, const Vector3& ours, const Vector3& theirs)
{
    const SphericalCoord a = SphericalCoord::FromVector(ours);
    const SphericalCoord e = SphericalCoord::FromVector(theirs);
    b.dLon.push_back(std::remainder(a.lon - e.lon, 2 * kPi) * kRadToArcmin);
    b.dLat.push_back((a.lat - e.lat) * kRadToArcmin);
}

// The instants of the comparison: 400 spread over 1900-2100 at varied hours of the day.
std::vector<double> Instants()
{
    const double first = JulianDateFromCalendar(1900, 1, 1).jd;
    const double last = JulianDateFromCalendar(2100, 1, 1).jd;
    std::vector<double> out;
    const int n = 400;
    for (int i = 0; i < n; ++i)
        out.push_back(first + (last - first) * (i + 0.5) / n + 0.137 * (i % 7));
    return out;
}

// Largest errors that the model really has (measured over the instants above), with a
// little room; a wrong constant in any element shows up as far more.
struct Tolerance {
    const char* name;
    double lonArcmin, latArcmin;
};
constexpr Tolerance kTolerances[] = {
    {"Sun", 0.7, 0.05},      {"Moon", 160.0, 25.0},   {"Mercury", 1.0, 0.3},
    {"Venus", 1.5, 0.6},     {"Mars", 7.0, 0.35},     {"Jupiter", 13.0, 0.5},
    {"Saturn", 22.0, 1.0},   {"Uranus", 6.5, 0.9},    {"Neptune", 1.6, 0.3},
    {"Earth-Moon barycentre (heliocentric)", 0.45, 0.2},
};

TEST(ErfaComparison, EphemerisAccuracy)
{
    std::vector<BodyErrors> bodies;
    for (const Tolerance& t : kTolerances)
        bodies.push_back({t.name, {}, {}});
    const int planetRow[] = {-1, -1, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus,
                             kNeptune};
    const int erfaPlanet[] = {0, 0, 1, 2, 4, 5, 6, 7, 8};

    for (double jd : Instants()) {
        const SkyTime t(jd);
        Add(bodies[0], Sun(t).Geocentric(), ErfaSunEclipticOfDate(jd));
        Add(bodies[1], Moon(t).Geocentric(), ErfaMoonEclipticOfDate(jd));
        for (int k = 2; k <= 8; ++k) {
            Planet p(planetRow[k]);
            p.UpdateElements(t);
            Add(bodies[k], p.GeocentricVector(), ErfaPlanetEclipticJ2000(jd, erfaPlanet[k]));
        }
        Planet earth(kEarth);
        earth.UpdateElements(t);
        Add(bodies[9], earth.Heliocentric(), ErfaBarycentreEclipticJ2000(jd));
    }

    std::printf("| Body | longitude median | 95th percentile | max | latitude median | "
                "95th percentile | max |\n|---|---|---|---|---|---|---|\n");
    for (size_t k = 0; k < bodies.size(); ++k) {
        const Stats lon = Measure(bodies[k].dLon);
        const Stats lat = Measure(bodies[k].dLat);
        std::printf("| %s | %.2f' | %.2f' | %.2f' | %.2f' | %.2f' | %.2f' |\n",
                    bodies[k].name.c_str(), lon.median, lon.p95, lon.max, lat.median, lat.p95,
                    lat.max);
        EXPECT_LT(lon.max, kTolerances[k].lonArcmin) << bodies[k].name;
        EXPECT_LT(lat.max, kTolerances[k].latArcmin) << bodies[k].name;
    }
}

TEST(ErfaComparison, CalendarAndSiderealTime)
{
    constexpr double kGmstToleranceSeconds = 0.02;
    double jd = JulianDateFromCalendar(1583, 1, 1).jd;
    for (int y = 1583; y <= 2500; ++y) {
        for (int m = 1; m <= 12; ++m) {
            double djm0 = 0, djm = 0;
            ASSERT_EQ(eraCal2jd(y, m, 1, &djm0, &djm), 0);
            ASSERT_DOUBLE_EQ(JulianDateFromCalendar(y, m, 1).jd, djm0 + djm);
            ASSERT_DOUBLE_EQ(JulianDateFromCalendar(y, m, 1).jd, jd);
            jd += DaysInMonth(y, m);
        }
    }
    double worst = 0;
    for (double t : Instants()) {
        const SkyTime ut(t);
        const double ours = UTToGST(ut).time.hours;
        const double theirs = eraGmst82(t, 0.0) * 12.0 / kPi;
        worst = std::max(worst, std::fabs(std::remainder(ours - theirs, 24.0)) * 3600.0);
    }
    std::printf("Greenwich mean sidereal time against eraGmst82: max %.4f s\n", worst);
    EXPECT_LT(worst, kGmstToleranceSeconds);
}

TEST(ErfaComparison, PrecessionAgainstLieske)
{
    constexpr double kPrecessionToleranceArcsec = 3.0;
    double worst = 0;
    const double pairs[][2] = {{1875, 2000}, {2000, 1875}, {1950, 2000}, {2000, 2050},
                               {1900, 2100}};
    for (const auto& pr : pairs) {
        double zeta = 0, z = 0, theta = 0;
        eraPrec76(2451545.0 + (pr[0] - 2000) * 365.25, 0.0, 2451545.0 + (pr[1] - 2000) * 365.25,
                  0.0, &zeta, &z, &theta);
        double rz[3][3];
        eraIr(rz);
        eraRz(-zeta, rz);
        eraRy(theta, rz);
        eraRz(-z, rz);
        for (double ra = 0.1; ra < 6.28; ra += 0.7) {
            for (double dec = -1.4; dec < 1.5; dec += 0.4) {
                const SphericalCoord p(ra, dec);
                const double v[3] = {p.X(), p.Y(), p.Z()};
                const SphericalCoord ref = SphericalCoord::FromVector(Rotate(rz, v));
                const SphericalCoord ours = Precess(p, pr[0], pr[1]);
                const double sep = std::acos(std::min(
                    1.0, ref.X() * ours.X() + ref.Y() * ours.Y() + ref.Z() * ours.Z()));
                worst = std::max(worst, sep * kRadToArcmin * 60.0);
            }
        }
    }
    std::printf("Precession against eraPrec76 (1875-2100): max %.3f arcsec\n", worst);
    EXPECT_LT(worst, kPrecessionToleranceArcsec);
}

// --- Rising and setting against ERFA's Sun and Moon -------------------------------------

constexpr double kDeltaTDays = 69.2 / 86400.0;  // TT - UT in the 2020s

struct PreciseSky {
    double rnpb[3][3];      // GCRS to true equator and equinox of date, held for one day
    double equationOfEquinoxes;  // radians, held for one day
};

// Altitude above the body's standard altitude, radians, at UT jd for the site.
double PreciseAboveThreshold(bool moon, double jdUt, const Observer& obs, const PreciseSky& sky)
{
    const double tt = jdUt + kDeltaTDays;
    double pos[3];
    double h0;
    if (moon) {
        double pv[2][3];
        eraMoon98(tt, 0.0, pv);
        for (int k = 0; k < 3; ++k)
            pos[k] = pv[0][k];
        const double distanceKm = std::sqrt(pos[0] * pos[0] + pos[1] * pos[1] + pos[2] * pos[2]) *
                                  ERFA_DAU / 1000.0;
        h0 = 0.7275 * std::asin(6378.14 / distanceKm) - 0.5667 * kDegToRad;
    } else {
        double pvh[2][3], pvb[2][3];
        eraEpv00(tt, 0.0, pvh, pvb);
        for (int k = 0; k < 3; ++k)
            pos[k] = -pvh[0][k];
        h0 = -0.8333 * kDegToRad;
    }
    double rnpb[3][3];
    std::copy(&sky.rnpb[0][0], &sky.rnpb[0][0] + 9, &rnpb[0][0]);
    const Vector3 v = Rotate(rnpb, pos);
    const double ra = std::atan2(v.y, v.x);
    const double dec = std::atan2(v.z, std::hypot(v.x, v.y));
    const double last = eraGmst06(jdUt, 0.0, tt, 0.0) + sky.equationOfEquinoxes + obs.longitude;
    const double ha = last - ra;
    const double phi = obs.latitude;
    const double alt =
        std::asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(ha));
    return alt - h0;
}

// Rise and set instants in local hours of the day, found by scanning and bisection.
void PreciseEvents(bool moon, const SkyDate& date, const Observer& obs,
                   std::vector<double> events[2])
{
    PreciseSky sky;
    const double midTt = date.jd + 0.5 - obs.timeZone / 24.0 + kDeltaTDays;
    eraPnm06a(midTt, 0.0, sky.rnpb);
    sky.equationOfEquinoxes = eraEe06a(midTt, 0.0);
    auto f = [&](double localHours) {
        return PreciseAboveThreshold(moon, date.jd + (localHours - obs.timeZone) / 24.0, obs, sky);
    };
    // The Sun's rise and set are hours apart; the Moon can graze its altitude.
    const double step = moon ? 10 * kMinute : 60 * kMinute;
    double t0 = 0.0, f0 = f(t0);
    for (double t1 = step; t1 <= 24.0 + 1e-9; t1 += step) {
        const double f1 = f(t1);
        if ((f0 < 0) != (f1 < 0)) {
            double a = t0, b = t1, fa = f0;
            while (b - a > 1.0 / 3600.0) {
                const double m = (a + b) / 2, fm = f(m);
                if ((fm < 0) == (fa < 0)) {
                    a = m;
                    fa = fm;
                } else {
                    b = m;
                }
            }
            events[f1 >= 0 ? 0 : 1].push_back((a + b) / 2);
        }
        t0 = t1;
        f0 = f1;
    }
}

Observer Site(double lonDeg, double latDeg, double zone)
{
    return Observer("", "", static_cast<float>(lonDeg * kDegToRad),
                    static_cast<float>(latDeg * kDegToRad), static_cast<float>(zone));
}

struct RiseSetErrors {
    std::vector<double> minutes;
    int unmatched = 0;
};

void CompareEvents(bool moon, RiseSetErrors& errors)
{
    const Observer sites[] = {Site(126.978, 37.566, 9.0), Site(103.8, 1.35, 8.0),
                              Site(151.2, -33.87, 10.0), Site(-0.13, 51.5, 0.0),
                              Site(-74.0, 40.7, -5.0), Site(18.4, -33.9, 2.0),
                              Site(-68.3, -54.8, -3.0), Site(30.3, 59.9, 3.0)};
    int index = 0;
    for (const Observer& obs : sites) {
        for (int k = 0; k < 73; ++k) {
            // Every fifth day of 2024-2025, shifted per site so the Moon's phases mix.
            const SkyDate date(JulianDateFromCalendar(2024, 1, 1).jd + 5 * k + index);
            double ours[2];
            bool has[2];
            if (moon) {
                const RiseSetResult r = MoonEvents(date, obs);
                ours[0] = r.begin;
                ours[1] = r.end;
                has[0] = r.HasBegin();
                has[1] = r.HasEnd();
            } else {
                const RiseSetResult r = SunEvents(date, obs).riseSet;
                ours[0] = r.begin;
                ours[1] = r.end;
                has[0] = has[1] = r.status == RiseSetStatus::Normal;
            }
            std::vector<double> events[2];
            PreciseEvents(moon, date, obs, events);
            for (int side = 0; side < 2; ++side) {
                const std::vector<double>& ref = events[side];
                if (ref.size() == 1 && has[side]) {
                    errors.minutes.push_back((ours[side] - ref[0]) * 60.0);
                } else if (ref.size() != (has[side] ? 1u : 0u)) {
                    // An event within the model's error of midnight lands on the other day.
                    const double edge =
                        ref.empty() ? ours[side] : std::min(ref[0], 24.0 - ref[0]);
                    if (ref.empty() && has[side] &&
                        (ours[side] < 0.75 || ours[side] > 23.25))
                        continue;
                    if (!ref.empty() && edge < 0.75)
                        continue;
                    ++errors.unmatched;
                }
            }
        }
        ++index;
    }
}

// Compares the Moon's (moon) or the Sun's rising and setting with ERFA's, prints the figures
// with the given decimals and checks that enough events were compared.
struct RiseSetReport {
    Stats stats;
    int unmatched;
};
RiseSetReport CompareAndReport(bool moon, const char* what, int decimals)
{
    RiseSetErrors errors;
    CompareEvents(moon, errors);
    const Stats s = Measure(errors.minutes);
    std::printf("%s (%zu events, |lat| < 60): median %.*f min, 95th percentile %.*f min, "
                "max %.*f min, unmatched %d\n",
                what, errors.minutes.size(), decimals, s.median, decimals, s.p95, decimals, s.max,
                errors.unmatched);
    EXPECT_GT(errors.minutes.size(), 1000u);
    return {s, errors.unmatched};
}

TEST(ErfaComparison, MoonriseAndMoonset)
{
    constexpr double kMoonP95ToleranceMinutes = 13.0;
    const RiseSetReport r = CompareAndReport(true, "Moonrise/moonset vs ERFA Moon", 1);
    EXPECT_LT(r.stats.p95, kMoonP95ToleranceMinutes);
    EXPECT_LT(r.unmatched, 10);
}

TEST(ErfaComparison, SunriseAndSunset)
{
    constexpr double kSunMaxToleranceMinutes = 1.5;
    const RiseSetReport r = CompareAndReport(false, "Sunrise/sunset vs ERFA Sun", 2);
    EXPECT_LT(r.stats.max, kSunMaxToleranceMinutes);
    EXPECT_EQ(r.unmatched, 0);
}

}  // namespace
