#include "cli/phenomenacommand.h"

#include "astro/almanac/phenomena.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "cli/jsonwriter.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFirstYear = 1000;  // the ephemerides and Delta T are meant for these years
constexpr int kLastYear = 3000;

// Seoul, the default site.
constexpr double kDefaultLatitudeDeg = 37.5665;
constexpr double kDefaultLongitudeDeg = 126.978;
constexpr double kDefaultZoneHours = 9.0;

// A finite decimal number within [low, high] from an option, or its default when absent.
// False (and a Korean message in err) for anything else.
bool NumberOption(const std::map<std::string, std::string>& o, const char* name, double low,
                  double high, double fallback, double& value, std::string& err)
{
    const auto it = o.find(name);
    if (it == o.end()) {
        value = fallback;
        return true;
    }
    errno = 0;
    char* end = nullptr;
    const char* text = it->second.c_str();
    value = std::strtod(text, &end);
    if (it->second.empty() || errno != 0 || !end || *end != '\0' || !std::isfinite(value) ||
        value < low || value > high) {
        char message[160];
        std::snprintf(message, sizeof message, "--%s 값은 %g부터 %g까지의 수여야 합니다: '%s'\n",
                      name, low, high, text);
        err = message;
        return false;
    }
    return true;
}

// "2027-01-01T12:34:56Z" for a UT Julian date, rounded to the second.
std::string UtcText(double jdUT)
{
    const double seconds = std::round(jdUT * 86400.0 - 0.5 * 86400.0);  // from JD 0 at 0 h
    const double dayStart = std::floor(seconds / 86400.0);
    const int inDay = static_cast<int>(seconds - dayStart * 86400.0);
    const CalendarDate d = CalendarFromJulianDate(dayStart + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", d.year, d.month, d.day,
                  inDay / 3600, inDay / 60 % 60, inDay % 60);
    return text;
}

void TimeOrNull(JsonWriter& j, const char* key, double jdUT)
{
    j.Key(key);
    if (jdUT != 0.0)
        j.String(UtcText(jdUT));
    else
        j.Null();
}

// The local contact times of an eclipse, in the order they are written.
struct EclipseContact {
    const char* key;
    double LocalEclipse::*when;
};
const EclipseContact kSolarContacts[] = {
    {"begin", &LocalEclipse::begin},         {"total_begin", &LocalEclipse::totalBegin},
    {"maximum", &LocalEclipse::maximum},     {"total_end", &LocalEclipse::totalEnd},
    {"end", &LocalEclipse::end},
};
const EclipseContact kLunarContacts[] = {
    {"penumbral_begin", &LocalEclipse::begin},     {"partial_begin", &LocalEclipse::partialBegin},
    {"total_begin", &LocalEclipse::totalBegin},    {"maximum", &LocalEclipse::maximum},
    {"total_end", &LocalEclipse::totalEnd},        {"partial_end", &LocalEclipse::partialEnd},
    {"penumbral_end", &LocalEclipse::end},
};

void WriteEclipse(JsonWriter& j, const Phenomenon& p)
{
    const EclipseInfo& e = p.eclipse;
    const LocalEclipse& l = e.local;
    j.Key("type").String(EclipseTypeKey(e.type));
    j.Key("magnitude").Number(e.magnitude);
    j.Key("gamma").Number(e.gamma);
    j.Key("local").BeginObject();
    j.Key("visible").Bool(l.visible);
    if (p.kind == PhenomenonKind::SolarEclipse) {
        j.Key("magnitude").Number(l.magnitude);
        j.Key("obscuration").Number(l.obscuration);
        for (const EclipseContact& c : kSolarContacts)
            TimeOrNull(j, c.key, l.*c.when);
        j.Key("sun_altitude_deg").Number(l.altitudeAtMaximumDeg);
    } else {
        j.Key("umbral_visible").Bool(l.umbralVisible);
        for (const EclipseContact& c : kLunarContacts)
            TimeOrNull(j, c.key, l.*c.when);
        j.Key("moon_altitude_deg").Number(l.altitudeAtMaximumDeg);
    }
    j.EndObject();
    if (p.kind == PhenomenonKind::SolarEclipse) {
        j.Key("latitude_deg").Number(e.latitudeDeg);
        j.Key("longitude_deg").Number(e.longitudeDeg);
    } else {
        j.Key("penumbral_magnitude").Number(e.penumbralMagnitude);
    }
}

void WriteDetails(JsonWriter& j, const Phenomenon& p)
{
    j.Key("details").BeginObject();
    switch (p.kind) {
    case PhenomenonKind::SolarTerm: j.Key("longitude_deg").Number(p.longitudeDeg); break;
    case PhenomenonKind::Perigee:
    case PhenomenonKind::Apogee: j.Key("distance_km").Number(std::round(p.distanceKm)); break;
    case PhenomenonKind::SolarEclipse:
    case PhenomenonKind::LunarEclipse: WriteEclipse(j, p); break;
    case PhenomenonKind::Opposition:
    case PhenomenonKind::GreatestElongationEast:
    case PhenomenonKind::GreatestElongationWest:
        j.Key("elongation_deg").Number(p.elongationDeg);
        break;
    case PhenomenonKind::ConjunctionSun:
        j.Key("separation_deg").Number(p.separationDeg);
        j.Key("inferior").Bool(p.inferior);
        break;
    case PhenomenonKind::Station:
        j.Key("motion").String(p.retrograde ? "retrograde" : "direct");
        break;
    case PhenomenonKind::Conjunction: j.Key("separation_deg").Number(p.separationDeg); break;
    default: break;
    }
    j.Key("tt").String(UtcText(p.when.jdTT).substr(0, 19));
    j.EndObject();
}

}  // namespace

int RunPhenomenaCommand(const std::map<std::string, std::string>& o, std::string& out,
                        std::string& err)
{
    const auto yearText = o.find("year");
    double year = 0.0;
    if (yearText == o.end()) {
        err = "--year 값이 필요합니다 (1000부터 3000까지의 연도)\n";
        return 2;
    }
    if (!NumberOption(o, "year", kFirstYear, kLastYear, 0.0, year, err))
        return 2;
    if (year != std::floor(year)) {
        err = "--year 값은 정수여야 합니다: '" + yearText->second + "'\n";
        return 2;
    }
    if ((o.count("lat") != 0) != (o.count("lon") != 0)) {
        err = "--lat 와 --lon 은 함께 주어야 합니다\n";
        return 2;
    }
    double lat = 0.0, lon = 0.0, zone = 0.0, height = 0.0;
    if (!NumberOption(o, "lat", -90.0, 90.0, kDefaultLatitudeDeg, lat, err) ||
        !NumberOption(o, "lon", -180.0, 180.0, kDefaultLongitudeDeg, lon, err) ||
        !NumberOption(o, "zone", -12.0, 14.0, kDefaultZoneHours, zone, err) ||
        !NumberOption(o, "height-m", -500.0, 10000.0, 0.0, height, err))
        return 2;
    const PhenomenaSite site{lon * kDegToRad, lat * kDegToRad, height};
    JsonWriter j;
    j.BeginArray();
    for (const Phenomenon& p : FindYearPhenomena(static_cast<int>(year), zone, site)) {
        j.BeginObject();
        j.Key("kind").String(PhenomenonKindKey(p.kind));
        j.Key("utc").String(UtcText(p.when.jdUT));
        j.Key("name_ko").String(p.nameKo);
        j.Key("bodies").BeginArray();
        for (const std::string& b : p.bodies)
            j.String(b);
        j.EndArray();
        WriteDetails(j, p);
        j.EndObject();
    }
    j.EndArray();
    out = j.Text() + "\n";
    return 0;
}
