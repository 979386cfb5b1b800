#include "search/reporttext.h"

#include "astro/math/angles.h"
#include "format/skytext.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Degrees(double radians)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f°", radians * kRadToDeg);
    return buf;
}

// "21:07" for local hours; "--:--" when not that day.
std::string Clock(bool happens, double hours)
{
    if (!happens || !std::isfinite(hours))
        return "--:--";
    return FormatHours(hours).substr(0, 5);
}

std::string Place(const SphericalCoord& p)
{
    return FormatRightAscension(p.lon) + "  " + FormatDeclination(p.lat);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ReportRows(const ObjectReport& r)
{
    std::vector<std::pair<std::string, std::string>> rows;
    std::string names;
    for (std::size_t i = 0; i < r.names.size(); ++i)
        names += (i ? " · " : "") + r.names[i];
    rows.emplace_back("이름", names.empty() ? "이름 없는 별" : names);
    rows.emplace_back("종류", r.kindText);
    char mag[32] = "--";
    if (std::isfinite(r.magnitude))
        std::snprintf(mag, sizeof mag, "%.2f", r.magnitude);
    rows.emplace_back("등급", mag);
    rows.emplace_back("적경·적위 (J2000)", Place(r.j2000));
    rows.emplace_back("적경·적위 (관측일)", Place(r.ofDate));
    rows.emplace_back("방위각·고도", Degrees(r.horizontal.lon) + "  " + Degrees(r.horizontal.lat));
    rows.emplace_back("별자리", r.constellation.empty() ? "--" : r.constellation);
    std::string rise = Clock(r.riseSet.HasBegin(), r.riseSet.begin);
    std::string set = Clock(r.riseSet.HasEnd(), r.riseSet.end);
    if (r.riseSet.status == RiseSetStatus::NeverSets)
        rise = set = "항상 지평선 위";
    else if (r.riseSet.status == RiseSetStatus::NeverRises)
        rise = set = "항상 지평선 아래";
    rows.emplace_back("뜨는 시각", rise);
    rows.emplace_back("남중 시각", Clock(r.hasTransit, r.transit));
    rows.emplace_back("지는 시각", set);
    return rows;
}

std::string HitText(const SkyIndex& index, const SearchHit& hit)
{
    const SkyObject& o = index.Object(hit.object);
    if (o.names.empty())
        return {};
    const std::string& matched = o.names[hit.name];
    if (matched == o.names.front())
        return matched;
    return matched + " — " + o.names.front();
}
