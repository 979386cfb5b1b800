#pragma once

#include <string>
#include <utility>

// An observing site; also the record type of the city list. The three numbers are 32-bit
// floats, widened to double wherever they are used.
class Observer {
public:
    Observer() = default;
    Observer(std::string regionName, std::string cityName, float longitudeRad, float latitudeRad,
             float timeZoneHours)
        : region(std::move(regionName)), name(std::move(cityName)), longitude(longitudeRad),
          latitude(latitudeRad), timeZone(timeZoneHours) {}

    std::string region;      // region, country or province the city is listed under
    std::string name;        // the city's own name
    float longitude = 0.0f;  // radians, east positive
    float latitude = 0.0f;   // radians, north positive
    float timeZone = 0.0f;   // hours local civil time is ahead of UT
    // IANA name of the site's time zone ("Asia/Seoul"), or empty. astro never reads it: the
    // application layer looks the zone up and hands astro the offset in force (timeZone);
    // where the name is empty or unknown, timeZone is the site's fixed offset.
    std::string zoneName;
};
