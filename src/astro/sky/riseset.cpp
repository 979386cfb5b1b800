#include "astro/sky/riseset.h"
#include "astro/math/angles.h"

#include "astro/sky/frames.h"
#include "astro/time/juliandate.h"
#include "astro/ephemeris/moon.h"
#include "astro/math/sphericalcoord.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"

#include <cmath>

namespace {

constexpr double kSolarPerSidereal = 0.9972695663;
// Mean interval between successive moonrises (or moonsets), solar hours.
constexpr double kLunarDayHours = 24.8412;
constexpr double kMoonConvergedHours = 10.0 / 3600.0;
constexpr int kMoonMaxPasses = 6;
// Instants of the local day (every 24 / 8 hours) at which the Moon is tried for a crossing.
constexpr int kMoonVerdictSamples = 8;

double CosHourAngle(double sinAltitude, double latitude, double dec)
{
    return (sinAltitude - std::sin(latitude) * std::sin(dec)) /
           (std::cos(latitude) * std::cos(dec));
}

SphericalCoord SunEquatorial(const SkyTime& ut)
{
    const Sun sun(ut);
    return EclipticToEquatorial(SphericalCoord::FromVector(sun.Geocentric()), ut);
}

// Local hours in [0, 24) of the transit of right ascension ra on the local date.
double TransitHours(const SkyDate& localDate, double ra, const Observer& obs)
{
    const SkyTime lst(localDate, ra * kRadToHours);
    return LSTToLocal(lst, obs.timeZone, obs.longitude).time.hours;
}

// The Moon at local hours t of the day starting at 0h local `start`.
struct MoonAt {
    SphericalCoord equatorial;  // RA, Dec of date
    double altitude = 0.0;      // standard altitude of rising and setting, radians
    double lst = 0.0;           // local sidereal time, radians
};

MoonAt MoonAtLocal(const SkyTime& start, double t, const Observer& obs)
{
    const SkyTime local(start.JD() + t * 0.041666666666666664);
    const SkyTime ut = LocalToUT(local, obs.timeZone);
    const Moon moon(ut);
    MoonAt at;
    at.equatorial = EclipticToEquatorial(SphericalCoord::FromVector(moon.Geocentric()), ut);
    at.altitude = 0.7275 * moon.HorizontalParallax() - 0.5667 * kDegToRad;
    at.lst = UTToLST(ut, obs.longitude).time.hours * kHoursToRad;
    return at;
}

// Iterates one Moon event from the estimate t (local hours, never wrapped): side -1 for the
// rise, +1 for the set. False when the Moon stops crossing its altitude on the way.
bool ConvergeMoonEvent(const SkyTime& start, const Observer& obs, int side, double& t)
{
    const double lat = obs.latitude;
    for (int pass = 0; pass < kMoonMaxPasses; ++pass) {
        const MoonAt at = MoonAtLocal(start, t, obs);
        const double c = CosHourAngle(std::sin(at.altitude), lat, at.equatorial.lat);
        if (c < -1.0 || c > 1.0)
            return false;
        const double h0 = std::acos(c);
        const double hourAngle = WrapPi(at.lst - at.equatorial.lon);
        const double step = WrapPi(side * h0 - hourAngle) * kRadToHours * kSolarPerSidereal;
        t += step;
        if (std::fabs(step) < kMoonConvergedHours)
            break;
    }
    return true;
}

// The Moon's event of this local day near the estimate t, or false when the nearest one
// falls on the day before or after.
bool MoonEventOfDay(const SkyTime& start, const Observer& obs, int side, double& t)
{
    double estimate = t;
    if (ConvergeMoonEvent(start, obs, side, estimate) && estimate >= 0.0 && estimate < 24.0) {
        t = estimate;
        return true;
    }
    // The estimate from the Moon at midnight can land on a neighbouring day's event while
    // this day has its own one lunar day away.
    double other = estimate < 0.0 ? estimate + kLunarDayHours : estimate - kLunarDayHours;
    if (ConvergeMoonEvent(start, obs, side, other) && other >= 0.0 && other < 24.0) {
        t = other;
        return true;
    }
    return false;
}

}  // namespace

SunEventSet SunEvents(const SkyDate& localDate, const Observer& observer)
{
    const double z = observer.timeZone;
    const double lat = observer.latitude;
    const SkyTime start(localDate, 0.0);
    const SkyTime startUT = LocalToUT(start, z);
    const SkyTime endUT = LocalToUT(SkyTime(start.JD() + 1.0), z);

    const SphericalCoord p1 = SunEquatorial(startUT);
    const SphericalCoord p2 = SunEquatorial(endUT);
    const double dec = (p1.lat + p2.lat) * 0.5;
    double ra = p1.lon + WrapPi(p2.lon - p1.lon) * 0.5;
    ra = ra - kTwoPi * std::floor(ra / kTwoPi);
    const double transit = TransitHours(localDate, ra, observer);

    SunEventSet out;
    static const double sines[4] = {
        std::sin(kAstronomicalTwilightAltitude), std::sin(kNauticalTwilightAltitude),
        std::sin(kCivilTwilightAltitude), std::sin(kSunriseAltitude)};
    RiseSetResult* results[4] = {&out.astronomical, &out.nautical, &out.civil, &out.riseSet};
    for (int k = 0; k < 4; ++k) {
        RiseSetResult& r = *results[k];
        const bool twilight = k < 3;
        const double c = CosHourAngle(sines[k], lat, dec);
        if (c < -1.0) {
            r.status = twilight ? RiseSetStatus::None : RiseSetStatus::NeverSets;
            r.aboveAllDay = true;
        } else if (c > 1.0) {
            r.status = twilight ? RiseSetStatus::None : RiseSetStatus::NeverRises;
        } else {
            const double h0 = std::acos(c) * kRadToHours;
            r.status = RiseSetStatus::Normal;
            r.begin = transit - h0;
            r.end = transit + h0;
        }
    }
    return out;
}

SunEventSet SunEvents(int year, int month, int day, const Observer& observer)
{
    return SunEvents(JulianDateFromCalendar(year, month, day), observer);
}

RiseSetResult MoonEvents(const SkyDate& localDate, const Observer& observer)
{
    const SkyTime start(localDate, 0.0);
    RiseSetResult out;

    // First estimate: the Moon at 0h local, as one closed-form evaluation. The Moon's
    // declination moves up to 7 degrees a day, so "never rises" or "never sets" holds only
    // when no instant of the day lets it cross: look again every three hours.
    MoonAt at;
    double c = 0.0;
    bool crosses = false;
    bool aboveAll = true;
    for (int k = 0; k <= kMoonVerdictSamples && !crosses; ++k) {
        at = MoonAtLocal(start, 24.0 * k / kMoonVerdictSamples, observer);
        c = CosHourAngle(std::sin(at.altitude), observer.latitude, at.equatorial.lat);
        crosses = c >= -1.0 && c <= 1.0;
        if (c > 1.0)
            aboveAll = false;
    }
    if (!crosses) {
        out.status = aboveAll ? RiseSetStatus::NeverSets : RiseSetStatus::NeverRises;
        out.aboveAllDay = aboveAll;
        return out;
    }
    const double transit = Reduce24(TransitHours(localDate, at.equatorial.lon, observer));
    const double h0 = std::acos(c) * kRadToHours * kSolarPerSidereal;
    double rise = Reduce24(transit - h0);
    double set = Reduce24(transit + h0);

    out.status = RiseSetStatus::Normal;
    if (MoonEventOfDay(start, observer, -1, rise))
        out.begin = rise;
    else
        out.beginStatus = EventStatus::NotThisDay;
    if (MoonEventOfDay(start, observer, +1, set))
        out.end = set;
    else
        out.endStatus = EventStatus::NotThisDay;
    return out;
}

RiseSetResult MoonEvents(int year, int month, int day, const Observer& observer)
{
    return MoonEvents(JulianDateFromCalendar(year, month, day), observer);
}
