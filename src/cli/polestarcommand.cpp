#include "cli/polestarcommand.h"

#include "astro/math/angles.h"
#include "astro/sky/polestar.h"
#include "astro/time/juliandate.h"
#include "cli/almanaccommands.h"
#include "cli/jsonwriter.h"

#include <cmath>
#include <cstdio>

namespace {

// A UT Julian date as "YYYY-MM-DDTHH:MM:SS", rounded to the second.
std::string UtcText(double jd)
{
    const double midnight = std::floor(jd - 0.5) + 0.5;
    long long seconds = std::llround((jd - midnight) * 86400.0);
    double day = midnight;
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1.0;
    }
    // The proleptic Gregorian date of the day (the years --utc accepts start before 1582),
    // found by stepping the forward day count.
    int year = static_cast<int>(std::floor((day - 1721059.5) / 365.2425));
    while (JulianDateFromCalendar(year + 1, 1, 1).jd <= day)
        ++year;
    while (JulianDateFromCalendar(year, 1, 1).jd > day)
        --year;
    int month = 1;
    while (month < 12 && JulianDateFromCalendar(year, month + 1, 1).jd <= day)
        ++month;
    const int dayOfMonth = static_cast<int>(day - JulianDateFromCalendar(year, month, 1).jd) + 1;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02lld:%02lld:%02lld", year, month, dayOfMonth,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

}  // namespace

int RunPoleStarCommand(const std::map<std::string, std::string>& options, std::string& out,
                       std::string& err)
{
    double jd = 0.0, latitude = 0.0, longitude = 0.0;
    if (!ParseAlmanacUtcLatLon(options, jd, latitude, longitude, err))
        return 2;
    const PoleStarPlace p = ComputePoleStar(Instant::FromUT(jd), longitude, latitude);
    JsonWriter j;
    j.BeginObject();
    j.Key("star").String(PoleStarCatalogue(p.star).key);
    j.Key("ra_deg").Number(p.apparent.ra * kRadToDeg);
    j.Key("dec_deg").Number(p.apparent.dec * kRadToDeg);
    j.Key("hour_angle_h").Number(p.hourAngle * kRadToHours);
    j.Key("pole_distance_arcmin").Number(p.poleDistance * kRadToDeg * 60.0);
    j.Key("next_upper_transit_utc").String(UtcText(p.nextUpperTransitJdUT));
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}
