#include "cli/almanaccommands.h"

#include "astro/ephemeris/body.h"
#include "astro/math/angles.h"
#include "astro/sky/dayevents.h"
#include "astro/sky/lunarcalendar.h"
#include "astro/sky/moonphase.h"
#include "astro/sky/shownsky.h"
#include "astro/time/instant.h"
#include "astro/time/juliandate.h"
#include "astro/time/timescales.h"
#include "cli/jsonwriter.h"
#include "cli/findcommand.h"
#include "cli/polestarcommand.h"
#include "cli/phenomenacommand.h"
#include "site/siteclock.h"
#include "cli/printcommands.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const char* const kUsage =
    "Usage: kosmira-almanac COMMAND [OPTIONS]\n"
    "Prints the sky and the almanac of Kosmira as JSON on standard output.\n"
    "\n"
    "Commands:\n"
    "  positions --utc YYYY-MM-DDTHH:MM:SS --lat DEG --lon DEG [--height-m M] [--model M]\n"
    "      apparent places of the Sun, the Moon and the planets at an instant (UTC)\n"
    "  events --date YYYY-MM-DD --lat DEG --lon DEG (--zone HOURS | --tz NAME) [--model M]\n"
    "      rising, setting and twilight of a local day (local hours from 0 h)\n"
    "  month --year YYYY --month MM --lat DEG --lon DEG (--zone HOURS | --tz NAME) [--model M]\n"
    "        [--pdf FILE [--site NAME] [--printed YYYY-MM-DD]]\n"
    "      the calendar's month: lunar dates, the Moon, the Sun and twilight; with --pdf\n"
    "      the printed calendar page as a PDF file instead\n"
    "  lunar --date YYYY-MM-DD\n"
    "      the Korean lunar date of a solar date (1841-01-23 to 2043-12-31)\n"
    "  pole-star --utc YYYY-MM-DDTHH:MM:SS --lat DEG --lon DEG\n"
    "      the site's pole star (Polaris or sigma Octantis): apparent place, hour angle\n"
    "  phenomena --year YYYY [--lat DEG --lon DEG] [--zone HOURS] [--height-m M]\n"
    "      a year's Moon phases, solar terms, eclipses and planet events (default Seoul, 9 h)\n"
    "  chart --utc YYYY-MM-DDTHH:MM:SS --lat DEG --lon DEG --az-deg DEG --alt-deg DEG\n"
    "        --fov-deg DEG --pdf FILE [--zone HOURS] [--model M] [--site NAME]\n"
    "        [--printed YYYY-MM-DD]\n"
    "      the printed sky chart of that view (default layers) as a PDF file\n"
    "  find NAME [--data DIR] [--utc YYYY-MM-DDTHH:MM:SS --lat DEG --lon DEG]\n"
    "      the object a name stands for (any of its names; spaces, case and Greek spelling\n"
    "      ignored, Korean initial consonants accepted): names, kind, J2000 place, magnitude;\n"
    "      with --utc also the place in that sky. Exit status 1 when nothing matches\n"
    "\n"
    "Latitude north positive, longitude east positive, zone in hours ahead of UTC.\n"
    "--tz names an IANA time zone (Asia/Seoul, America/New_York): zone_hours is then the\n"
    "offset in force on each date, from the system's tzdata, and the times are the wall clock's.\n"
    "--model precise (default) or classic. Exit status 2 for a bad argument.\n";

constexpr int kMinYear = 1000;  // the ephemerides and Delta T are meant for this range
constexpr int kMaxYear = 3000;

struct Failure {
    int status;
    std::string message;
};

using Options = std::map<std::string, std::string>;

// Parses "--name value" pairs; each name at most once and among the allowed ones.
bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                  Options& options, std::string& error)
{
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& name = args[i];
        bool known = false;
        for (const std::string& a : allowed)
            known = known || name == "--" + a;
        if (!known) {
            error = "unknown option '" + name + "' for " + args[0];
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "option " + name + " needs a value";
            return false;
        }
        if (!options.emplace(name.substr(2), args[i + 1]).second) {
            error = "option " + name + " given twice";
            return false;
        }
    }
    return true;
}

bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(value);
}

bool ParseInt(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (!end || *end != '\0')
        return false;
    value = static_cast<int>(v);
    return true;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool ValidDate(int y, int m, int d)
{
    return y >= kMinYear && y <= kMaxYear && m >= 1 && m <= 12 && d >= 1 &&
           d <= DaysInMonth(y, m);
}

// "YYYY-MM-DD".
bool ParseDate(const std::string& text, int& y, int& m, int& d)
{
    char tail = 0;
    return text.size() == 10 &&
           std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) == 3 &&
           ValidDate(y, m, d);
}

// "YYYY-MM-DDTHH:MM:SS" with optional fraction of a second and a final "Z".
bool ParseUtc(const std::string& text, double& jdUT)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    double s = 0.0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%lf%n", &y, &mo, &d, &h, &mi, &s,
                    &used) != 6)
        return false;
    const std::string rest = text.substr(static_cast<std::size_t>(used));
    if (!(rest.empty() || rest == "Z") || text[4] != '-' || text[7] != '-' || text[10] != 'T')
        return false;
    if (!ValidDate(y, mo, d) || h < 0 || h > 23 || mi < 0 || mi > 59 || !(s >= 0.0 && s < 61.0))
        return false;
    jdUT = JulianDateFromCalendar(y, mo, d).jd + (h + mi / 60.0 + s / 3600.0) / 24.0;
    return true;
}

struct Site {
    Observer observer;
    double heightMetres = 0.0;
};

// --lat, --lon and, where asked for, --zone and --height-m.
bool ParseSite(const Options& o, bool withZone, bool withHeight, Site& site, std::string& error)
{
    double lat = 0.0, lon = 0.0, zone = 0.0;
    const auto need = [&](const char* name, double& value, double low, double high) {
        const auto it = o.find(name);
        if (it == o.end()) {
            error = std::string("missing --") + name;
            return false;
        }
        if (!ParseNumber(it->second, value) || value < low || value > high) {
            error = std::string("--") + name + " must be a number from " + std::to_string(int(low)) +
                    " to " + std::to_string(int(high)) + ", not '" + it->second + "'";
            return false;
        }
        return true;
    };
    if (!need("lat", lat, -90.0, 90.0) || !need("lon", lon, -180.0, 360.0))
        return false;
    std::string zoneName;
    if (withZone && o.count("tz")) {
        if (o.count("zone")) {
            error = "give --zone or --tz, not both";
            return false;
        }
        zoneName = o.at("tz");
        if (!SiteClock(zoneName, 0.0).Known()) {
            error = "--tz must be an IANA time zone known to the system's tzdata (such as "
                    "Asia/Seoul), not '" + zoneName + "'";
            return false;
        }
    } else if ((withZone || o.count("zone")) && !need("zone", zone, -14.0, 14.0)) {
        return false;
    }
    if (withHeight && o.count("height-m") && !need("height-m", site.heightMetres, -500.0, 10000.0))
        return false;
    const auto name = o.find("site");
    site.observer = Observer("", name == o.end() ? "" : name->second, static_cast<float>(lon * kDegToRad),
                             static_cast<float>(lat * kDegToRad), static_cast<float>(zone));
    site.observer.zoneName = zoneName;
    return true;
}

bool ParseModel(const Options& o, Model& model, std::string& error)
{
    const auto it = o.find("model");
    model = Model::Precise;
    if (it == o.end() || it->second == "precise")
        return true;
    if (it->second == "classic") {
        model = Model::Classic;
        return true;
    }
    error = "--model must be precise or classic, not '" + it->second + "'";
    return false;
}

// The site and --model of a command; false with a message line in err.
bool ParseSiteAndModel(const Options& o, bool withZone, bool withHeight, Site& site, Model& model,
                       std::string& err)
{
    std::string error;
    if (ParseSite(o, withZone, withHeight, site, error) && ParseModel(o, model, error))
        return true;
    err = error + "\n";
    return false;
}

double Degrees(double radians)
{
    return radians * kRadToDeg;
}

// {"rise": h|null, "set": h|null[, "transit": h|null], "status": s}; withTransit adds the
// transit key, null unless hasTransit.
void WriteEvent(JsonWriter& j, const char* key, const RiseSetResult& r, bool withTransit = false,
                bool hasTransit = false, double transitHours = 0.0)
{
    j.Key(key).BeginObject();
    j.Key("rise");
    RiseOnDay(r) ? j.Number(r.begin) : j.Null();
    j.Key("set");
    SetOnDay(r) ? j.Number(r.end) : j.Null();
    if (withTransit) {
        j.Key("transit");
        hasTransit ? j.Number(transitHours) : j.Null();
    }
    j.Key("status").String(RiseSetStatusKey(r));
    j.EndObject();
}

void WriteSunDay(JsonWriter& j, const SunEventSet& sun)
{
    WriteEvent(j, "sun", sun.riseSet);
    WriteEvent(j, "civil", sun.civil);
    WriteEvent(j, "nautical", sun.nautical);
    WriteEvent(j, "astronomical", sun.astronomical);
}

void WriteLunar(JsonWriter& j, const LunarDate& lunar)
{
    j.BeginObject();
    j.Key("year").Integer(lunar.year);
    j.Key("month").Integer(lunar.month);
    j.Key("day").Integer(lunar.day);
    j.Key("leap").Bool(lunar.leap);
    j.EndObject();
}

std::string DateText(int y, int m, int d)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

// --date as y, m, d; false with message in err when it is missing or no date.
bool ParseDateOption(const Options& o, int& y, int& m, int& d, const char* message, std::string& err)
{
    const auto date = o.find("date");
    if (date == o.end() || !ParseDate(date->second, y, m, d)) {
        err = message;
        return false;
    }
    return true;
}

// --utc, the site with its height, and --model; false with a message line in err.
struct InstantSite {
    double jd = 0.0;  // UT
    Site site;
    Model model = Model::Precise;

    ShownSky Sky() const
    {
        return ComputeShownSkyAt(Instant::FromUT(jd), site.observer, model, site.heightMetres);
    }
};

bool ParseInstantSiteAndModel(const Options& o, InstantSite& at, std::string& err)
{
    const auto utc = o.find("utc");
    if (utc == o.end() || !ParseUtc(utc->second, at.jd)) {
        err = "--utc must be a date and time YYYY-MM-DDTHH:MM:SS from year 1000 to 3000\n";
        return false;
    }
    return ParseSiteAndModel(o, false, true, at.site, at.model, err);
}

int Positions(const Options& o, std::string& out, std::string& err)
{
    InstantSite at;
    if (!ParseInstantSiteAndModel(o, at, err))
        return 2;
    const auto utc = o.find("utc");
    const ShownSky sky = at.Sky();
    JsonWriter j;
    j.BeginObject();
    j.Key("utc").String(utc->second);
    j.Key("jd_ut").Number(sky.instant.jdUT);
    j.Key("jd_tt").Number(sky.instant.jdTT);
    j.Key("model").String(ModelKey(at.model));
    j.Key("bodies").BeginArray();
    for (const BodyState& b : sky.bodies) {
        j.BeginObject();
        j.Key("name").String(BodyKey(b.body));
        j.Key("ra_deg").Number(Degrees(b.equatorial.lon));
        j.Key("dec_deg").Number(Degrees(b.equatorial.lat));
        j.Key("ecl_lon_deg").Number(Degrees(b.ecliptic.lon));
        j.Key("ecl_lat_deg").Number(Degrees(b.ecliptic.lat));
        j.Key("alt_deg").Number(Degrees(b.horizontal.lat));
        j.Key("az_deg").Number(Degrees(b.horizontal.lon));
        j.Key("distance_au").Number(b.distanceAU);
        j.Key("magnitude").Number(b.magnitude);
        j.Key("illuminated").Number(b.illuminated);
        j.Key("diameter_arcsec").Number(b.diameterArcsec);
        j.Key("elongation_deg").Number(Degrees(b.elongation));
        j.Key("phase_angle_deg").Number(Degrees(b.phaseAngle));
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}

// The offset the date is known by: the one in force at its local noon (on a day the clocks
// change, the offset of most of its daylight; every time is the wall clock's either way).
double ZoneOfDate(const SiteDay& day)
{
    return day.clock.OffsetAtLocal(day.jdMidnight + 0.5);
}

int Events(const Options& o, std::string& out, std::string& err)
{
    int y = 0, m = 0, d = 0;
    if (!ParseDateOption(o, y, m, d, "--date must be a date YYYY-MM-DD from year 1000 to 3000\n", err))
        return 2;
    Site site;
    Model model = Model::Precise;
    if (!ParseSiteAndModel(o, true, false, site, model, err))
        return 2;
    const SkyDate day = JulianDateFromCalendar(y, m, d);
    const SiteDay siteDay = SiteDayOf(site.observer, day);
    const Observer& observer = siteDay.site;
    const DayEvents events = WallClockDayEvents(siteDay, model);
    JsonWriter j;
    j.BeginObject();
    j.Key("date").String(DateText(y, m, d));
    j.Key("zone_hours").Number(ZoneOfDate(siteDay));
    if (!observer.zoneName.empty())
        j.Key("tz").String(observer.zoneName);
    j.Key("model").String(ModelKey(model));
    WriteSunDay(j, events.sun);
    for (Body b : kAllBodies) {
        if (b == Body::Sun)
            continue;
        RiseSetResult r = b == Body::Moon ? events.moon : BodyRiseSet(day, observer, b, model);
        if (b != Body::Moon && siteDay.clocksChange)
            r = siteDay.Merge(r, BodyRiseSet(day, siteDay.siteAfter, b, model));
        double transit = 0.0;
        const bool hasTransit = BodyTransit(day, observer, b, model, transit);
        WriteEvent(j, BodyKey(b), r, true, hasTransit, siteDay.Wall(transit));
    }
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}

std::string OptionOr(const Options& o, const char* name)
{
    const auto it = o.find(name);
    return it == o.end() ? std::string() : it->second;
}

// --pdf names a file and --printed, when given, a date.
bool CheckPrintOptions(const Options& o, std::string& err)
{
    const auto pdf = o.find("pdf");
    if (pdf == o.end() || pdf->second.empty()) {
        err = "--pdf must name the PDF file to write\n";
        return false;
    }
    if (o.count("printed") && !ValidPrintedDate(o.at("printed"))) {
        err = "--printed must be a date YYYY-MM-DD, not '" + o.at("printed") + "'\n";
        return false;
    }
    return true;
}

int Month(const Options& o, std::string& out, std::string& err)
{
    int y = 0, m = 0;
    const auto year = o.find("year");
    const auto month = o.find("month");
    if (year == o.end() || !ParseInt(year->second, y) || y < kMinYear || y > kMaxYear) {
        err = "--year must be a whole year from 1000 to 3000\n";
        return 2;
    }
    if (month == o.end() || !ParseInt(month->second, m) || m < 1 || m > 12) {
        err = "--month must be a whole number from 1 to 12\n";
        return 2;
    }
    Site site;
    Model model = Model::Precise;
    if (!ParseSiteAndModel(o, true, false, site, model, err))
        return 2;
    if (o.count("pdf")) {
        if (!CheckPrintOptions(o, err))
            return 2;
        return WriteMonthPdf(y, m, site.observer, model, OptionOr(o, "printed"), o.at("pdf"), out,
                             err);
    }
    if (o.count("site") || o.count("printed")) {
        err = "--site and --printed go with --pdf\n";
        return 2;
    }
    JsonWriter j;
    j.BeginObject();
    j.Key("year").Integer(y);
    j.Key("month").Integer(m);
    j.Key("model").String(ModelKey(model));
    j.Key("days").BeginArray();
    for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        const SkyDate day = JulianDateFromCalendar(y, m, d);
        const SiteDay siteDay = SiteDayOf(site.observer, day);
        const Observer& observer = siteDay.site;
        const DayEvents events = WallClockDayEvents(siteDay, model);
        j.BeginObject();
        j.Key("date").String(DateText(y, m, d));
        j.Key("zone_hours").Number(ZoneOfDate(siteDay));
        j.Key("lunar");
        LunarDate lunar;
        if (ToLunar(day, lunar))
            WriteLunar(j, lunar);
        else
            j.Null();
        j.Key("illuminated").Number(MoonIlluminatedAtMidnight(day, observer, model));
        j.Key("moon_age_days").Number(MoonAgeAtMidnight(day, observer, model));
        WriteSunDay(j, events.sun);
        WriteEvent(j, "moon", events.moon);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}

int Chart(const Options& o, std::string& out, std::string& err)
{
    InstantSite at;
    if (!ParseInstantSiteAndModel(o, at, err))
        return 2;
    double view[3] = {0.0, 0.0, 0.0};
    const struct {
        const char* name;
        double low, high;
    } ranges[3] = {{"az-deg", 0.0, 360.0}, {"alt-deg", -90.0, 90.0}, {"fov-deg", 0.1, 89.9}};
    for (int i = 0; i < 3; ++i) {
        const auto it = o.find(ranges[i].name);
        if (it == o.end() || !ParseNumber(it->second, view[i]) || view[i] < ranges[i].low ||
            view[i] > ranges[i].high) {
            char buf[120];
            std::snprintf(buf, sizeof buf, "--%s must be a number from %g to %g\n",
                          ranges[i].name, ranges[i].low, ranges[i].high);
            err = buf;
            return 2;
        }
    }
    if (!CheckPrintOptions(o, err))
        return 2;
    const ShownSky sky = at.Sky();
    return WriteChartPdf(sky, view[0], view[1], view[2], OptionOr(o, "printed"), o.at("pdf"), out,
                         err);
}

int Lunar(const Options& o, std::string& out, std::string& err)
{
    int y = 0, m = 0, d = 0;
    if (!ParseDateOption(o, y, m, d, "--date must be a date YYYY-MM-DD\n", err))
        return 2;
    LunarDate lunar;
    if (!ToLunar(JulianDateFromCalendar(y, m, d), lunar)) {
        err = "the lunar calendar covers 1841-01-23 to 2043-12-31 only\n";
        return 1;
    }
    JsonWriter j;
    WriteLunar(j, lunar);
    out = j.Text() + "\n";
    return 0;
}

}  // namespace

int RunAlmanac(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    out.clear();
    err.clear();
    if (args.empty()) {
        err = "kosmira-almanac: a command is needed (positions, events, month, lunar, find ...); see --help\n";
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out = kUsage;
        return 0;
    }
    struct Command {
        const char* name;
        std::vector<std::string> options;
        int (*run)(const Options&, std::string&, std::string&);
    };
    static const Command commands[] = {
        {"positions", {"utc", "lat", "lon", "height-m", "model"}, Positions},
        {"events", {"date", "lat", "lon", "zone", "tz", "model"}, Events},
        {"month", {"year", "month", "lat", "lon", "zone", "tz", "model", "pdf", "site", "printed"}, Month},
        {"lunar", {"date"}, Lunar},
        {"pole-star", {"utc", "lat", "lon"}, RunPoleStarCommand},
        {"phenomena", {"year", "lat", "lon", "zone", "height-m"}, RunPhenomenaCommand},
        {"chart", {"utc", "lat", "lon", "zone", "height-m", "model", "az-deg", "alt-deg", "fov-deg",
                   "pdf", "site", "printed"}, Chart},
        {"find", {"data", "utc", "lat", "lon"}, nullptr},
    };
    for (const Command& c : commands) {
        if (args[0] != c.name)
            continue;
        if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
            out = kUsage;
            return 0;
        }
        Options options;
        std::string error;
        // find takes the name first, then its options.
        const bool named = c.run == nullptr;
        if (named && args.size() < 2) {
            err = "kosmira-almanac: find needs a name, e.g. find \"베텔게우스\"\n";
            return 2;
        }
        std::vector<std::string> optionArgs = args;
        if (named)
            optionArgs.erase(optionArgs.begin() + 1);
        if (!ParseOptions(optionArgs, c.options, options, error)) {
            err = "kosmira-almanac: " + error + "\n";
            return 2;
        }
        const int status = named ? RunFindCommand(args[1], options, out, err)
                                 : c.run(options, out, err);
        if (!err.empty())
            err = "kosmira-almanac: " + err;
        return status;
    }
    err = "kosmira-almanac: unknown command '" + args[0] + "'; see --help\n";
    return 2;
}

bool ParseAlmanacUtc(const std::string& text, double& jdUT)
{
    return ParseUtc(text, jdUT);
}

bool ParseAlmanacUtcLatLon(const std::map<std::string, std::string>& options, double& jdUT,
                           double& latitude, double& longitude, std::string& error)
{
    const auto utc = options.find("utc");
    if (utc == options.end() || !ParseUtc(utc->second, jdUT)) {
        error = "--utc must be a date and time YYYY-MM-DDTHH:MM:SS from year 1000 to 3000\n";
        return false;
    }
    if (!ParseAlmanacLatLon(options, latitude, longitude, error)) {
        error += "\n";
        return false;
    }
    return true;
}

bool ParseAlmanacLatLon(const std::map<std::string, std::string>& options, double& latitude,
                        double& longitude, std::string& error)
{
    Site site;
    if (!ParseSite(options, false, false, site, error))
        return false;
    latitude = site.observer.latitude;
    longitude = site.observer.longitude;
    return true;
}
