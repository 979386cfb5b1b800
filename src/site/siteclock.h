#pragma once

#include <QTimeZone>

#include <string>
#include <vector>

#include "astro/sky/dayevents.h"
#include "astro/sky/observer.h"
#include "astro/sky/riseset.h"
#include "astro/time/skydate.h"
#include "astro/time/skytime.h"

// The wall clock of an observing site: the offset from UT in force at each instant, read from
// the site's IANA zone over the system's tzdata (Qt's QTimeZone). Where the zone name is empty
// or unknown to tzdata, and before the zone's first recorded change (its local mean time), the
// site's fixed offset holds. astro receives only the resulting hours.
class SiteClock {
public:
    SiteClock(const std::string& zoneName, double fixedHours);
    explicit SiteClock(const Observer& site);

    // The zone is known to the system's tzdata.
    bool Known() const { return known_; }
    const std::string& ZoneName() const { return zoneName_; }
    double FixedHours() const { return fixedHours_; }

    // Hours local civil time is ahead of UT at the instant jdUT (Julian date, UT).
    double OffsetAtUT(double jdUT) const;
    // Hours ahead of UT in force at a wall-clock reading (Julian date of local civil time).
    // A reading the clocks repeat (autumn) takes the earlier offset; one they skip (spring)
    // is read with the offset before the change.
    double OffsetAtLocal(double jdLocal) const;
    // The first change of offset after jdUT and before jdUntilUT (Julian dates, UT), or NaN.
    double NextChangeUT(double jdUT, double jdUntilUT) const;

private:
    std::string zoneName_;
    double fixedHours_ = 0.0;
    QTimeZone zone_;
    bool known_ = false;
    long long firstChangeMs_ = 0;  // ms since 1970 of the zone's first recorded change
};

// A copy of site whose timeZone is the offset in force at the local civil time `local`
// (the zone name stays, so the copy can be looked up again).
Observer SiteAtLocal(const Observer& site, const SkyTime& local);
// The same for an instant given in UT.
Observer SiteAtUT(const Observer& site, double jdUT);

// One local civil day at a site. astro computes a day's events for one fixed offset; on a day
// the clocks change the events are computed twice, with the offset of the day's start and with
// that of its end, and each event is taken from the run whose offset was in force at it.
struct SiteDay {
    Observer site;                // timeZone: the offset at the day's local midnight
    Observer siteAfter;           // timeZone: the offset at the next midnight
    double zoneAtMidnight = 0.0;  // hours
    double zoneAfter = 0.0;       // hours
    bool clocksChange = false;    // the two differ
    double changeHours = 24.0;    // the change, in hours from midnight at zoneAtMidnight
    SiteClock clock{std::string(), 0.0};
    double jdMidnight = 0.0;      // Julian date of the day's 0h, local

    // Local hours computed with zoneAtMidnight -> hours on the wall clock of that instant.
    double Wall(double hours) const;
    // The wall-clock events of the day from the run with `site` and the run with `siteAfter`
    // (equal, and `before` returned as it is, on a day without a change).
    RiseSetResult Merge(const RiseSetResult& before, const RiseSetResult& after) const;
    DayEvents Merge(const DayEvents& before, const DayEvents& after) const;
};
// The day's offsets; on a day of change, also the hour of the change.
SiteDay SiteDayOf(const Observer& site, const SkyDate& localDate);

// The Sun's and the Moon's events of a local date on the site's wall clock.
DayEvents WallClockDayEvents(const SiteDay& day, Model model);

// "UTC+09:00", "UTC-04:00", "UTC+05:45": an offset in hours as the dialogs show it.
std::string OffsetText(double hours);

// Index of the city nearest to a point (radians, east and north positive) on the sphere, or -1
// for an empty list or when even the nearest is more than maxAngle (radians of arc) away.
int NearestCity(const std::vector<const Observer*>& cities, double longitude, double latitude,
                double maxAngle = 3.141592653589793);
