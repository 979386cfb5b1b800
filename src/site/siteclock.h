#pragma once

#include <QTimeZone>

#include <string>
#include <vector>

#include "astro/sky/observer.h"
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

// "UTC+09:00", "UTC-04:00", "UTC+05:45": an offset in hours as the dialogs show it.
std::string OffsetText(double hours);

// Index of the city nearest to a point (radians, east and north positive) on the sphere,
// or -1 for an empty list.
int NearestCity(const std::vector<const Observer*>& cities, double longitude, double latitude);
