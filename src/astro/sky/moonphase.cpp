#include "astro/sky/moonphase.h"

#include "astro/ephemeris/moon.h"
#include "astro/ephemeris/precise.h"
#include "astro/ephemeris/sun.h"
#include "astro/math/angles.h"
#include "astro/math/sphericalcoord.h"

#include <cmath>

namespace {

constexpr double kElongationToleranceRadians = 1e-7;
constexpr double kSynodicRate = kTwoPi / kSynodicMonthDays;  // radians per day

// Steps back from jd at the mean synodic rate until elongation(t) is zero: the new moon
// before jd (the elongation grows monotonically, the Moon always outruns the Sun).
template <typename Elongation>
double NewMoonBefore(double jd, Elongation elongation)
{
    double newMoon = jd - elongation(jd) / kSynodicRate;
    for (int step = 0; step < 20; ++step) {
        const double remainder = WrapPi(elongation(newMoon));
        newMoon -= remainder / kSynodicRate;
        if (std::fabs(remainder) < kElongationToleranceRadians)
            break;
    }
    return newMoon;
}

// The Sun's geometric longitude on the J2000 ecliptic, radians, to about 40": the mean
// longitude and equation of the centre of Meeus, Astronomical Algorithms ch. 25, less the
// general precession in longitude since J2000 (IAU 2006).
double CheapSunLongitudeJ2000(double jdTT)
{
    const double t = (jdTT - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double m = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kDegToRad;
    const double c = (1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(m) +
                     (0.019993 - t * 0.000101) * std::sin(2.0 * m) + 0.000289 * std::sin(3.0 * m);
    const double precession = (5028.796195 * t + 1.1054348 * t * t) / 3600.0;
    return (l0 + c - precession) * kDegToRad;
}

double CheapElongationLongitude(double jdTT)
{
    return ReduceRadians(MoonLongitudeJ2000(jdTT) - CheapSunLongitudeJ2000(jdTT) -
                         kSunAberrationRadians);
}

}  // namespace

double ClassicElongationLongitude(const SkyTime& ut)
{
    const Moon moon(ut);
    const Sun sun(ut);
    const double moonLongitude = SphericalCoord::FromVector(moon.Geocentric()).lon;
    const double sunLongitude = SphericalCoord::FromVector(sun.Geocentric()).lon;
    return ReduceRadians(moonLongitude - sunLongitude);
}

double ClassicMoonAgeDays(const SkyTime& ut)
{
    const double jd = ut.JD();
    const double age =
        jd - NewMoonBefore(jd, [](double t) { return ClassicElongationLongitude(SkyTime(t)); });
    return age < 0.0 ? 0.0 : age;
}

double PreciseMoonAgeDays(const Instant& instant)
{
    // Secant steps on a cheap elongation (the Moon from ERFA, the Sun from a two-term
    // series good to about 40"), then one step on the precise elongation with the last
    // secant slope: the result is within a second of the precise root at a sixth of the
    // cost of searching on the precise elongation alone.
    const double jd = instant.jdTT;
    double t0 = jd - CheapElongationLongitude(jd) / kSynodicRate;
    double e0 = WrapPi(CheapElongationLongitude(t0));
    double t1 = t0 - e0 / kSynodicRate;
    double slope = kSynodicRate;
    for (int step = 0; step < 12; ++step) {
        const double e1 = WrapPi(CheapElongationLongitude(t1));
        if (e1 == e0)
            break;
        slope = (e1 - e0) / (t1 - t0);
        t0 = t1;
        e0 = e1;
        t1 -= e1 / slope;
        if (std::fabs(e1) < kElongationToleranceRadians)
            break;
    }
    t1 -= WrapPi(MoonSunElongationLongitude(t1)) / slope;
    const double age = jd - t1;
    return age < 0.0 ? 0.0 : age;
}
