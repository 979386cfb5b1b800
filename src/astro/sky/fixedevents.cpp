#include "astro/sky/fixedevents.h"

#include "astro/math/angles.h"
#include "astro/time/timescales.h"

#include <cmath>

namespace {

constexpr double kSolarPerSidereal = 0.9972695663;  // solar hours per sidereal hour

double WrapHours(double h)
{
    return h - 24.0 * std::floor(h / 24.0);
}

}  // namespace

FixedObjectDay FixedObjectEvents(const SkyDate& localDate, const Observer& site,
                                 const SphericalCoord& equatorialOfDate, double standardAltitude)
{
    FixedObjectDay day;
    const double dec = equatorialOfDate.lat;
    const SkyTime lst(localDate, WrapHours(equatorialOfDate.lon * kRadToHours));
    day.transit = LSTToLocal(lst, site.timeZone, site.longitude).time.hours;
    day.transitAltitude = kHalfPi - std::fabs(site.latitude - dec);
    const double cosH0 = (std::sin(standardAltitude) - std::sin(site.latitude) * std::sin(dec)) /
                         (std::cos(site.latitude) * std::cos(dec));
    RiseSetResult& r = day.riseSet;
    if (!std::isfinite(cosH0) || cosH0 > 1.0) {
        r.status = RiseSetStatus::NeverRises;
        r.aboveAllDay = false;
        return day;
    }
    if (cosH0 < -1.0) {
        r.status = RiseSetStatus::NeverSets;
        r.aboveAllDay = true;
        return day;
    }
    const double arcHours = std::acos(cosH0) * kRadToHours * kSolarPerSidereal;
    r.status = RiseSetStatus::Normal;
    // A rise before 0 h belongs to the next transit, a set after 24 h to the one before: the
    // sky turns once in a sidereal day.
    const double siderealDay = 24.0 * kSolarPerSidereal;
    r.begin = day.transit - arcHours;
    if (r.begin < 0.0)
        r.begin += siderealDay;
    r.end = day.transit + arcHours;
    if (r.end >= 24.0)
        r.end -= siderealDay;
    return day;
}
