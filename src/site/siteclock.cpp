#include "site/siteclock.h"

#include <QByteArray>
#include <QDateTime>

#include <cmath>
#include <cstdio>

namespace {

constexpr double kUnixEpochJD = 2440587.5;  // 1970-01-01 0h UT
constexpr double kMsPerDay = 86400000.0;
// Instants outside about ±1.5 million years do not fit QDateTime; they keep the fixed offset.
constexpr double kMaxDaysFromEpoch = 5.0e8;

QTimeZone ZoneOf(const std::string& name)
{
    if (name.empty())
        return QTimeZone();
    const QByteArray id = QByteArray::fromStdString(name);
    if (!QTimeZone::isTimeZoneIdAvailable(id))
        return QTimeZone();
    return QTimeZone(id);
}

}  // namespace

SiteClock::SiteClock(const std::string& zoneName, double fixedHours)
    : zoneName_(zoneName), fixedHours_(std::isfinite(fixedHours) ? fixedHours : 0.0)
{
    zone_ = ZoneOf(zoneName_);
    known_ = zone_.isValid();
    if (known_) {
        // Before its first change a zone keeps the local mean time of its city, which is no
        // civil clock: the fixed offset stands in for it.
        const QDateTime earliest = QDateTime::fromMSecsSinceEpoch(-(1LL << 52), Qt::UTC);
        const QTimeZone::OffsetData first = zone_.nextTransition(earliest);
        firstChangeMs_ = first.atUtc.isValid() ? first.atUtc.toMSecsSinceEpoch() : 0;
    }
}

SiteClock::SiteClock(const Observer& site) : SiteClock(site.zoneName, site.timeZone) {}

double SiteClock::OffsetAtUT(double jdUT) const
{
    const double days = jdUT - kUnixEpochJD;
    if (!known_ || !std::isfinite(days) || std::fabs(days) > kMaxDaysFromEpoch)
        return fixedHours_;
    const long long ms = static_cast<long long>(std::floor(days * kMsPerDay));
    if (ms < firstChangeMs_)
        return fixedHours_;
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    return zone_.offsetFromUtc(at) / 3600.0;
}

double SiteClock::OffsetAtLocal(double jdLocal) const
{
    if (!known_)
        return fixedHours_;
    // The offsets in force six hours either side of the reading; a clock change lies between
    // them when they differ. A candidate fits when the instant it gives has that offset.
    const double guess = OffsetAtUT(jdLocal - fixedHours_ / 24.0);
    const double before = OffsetAtUT(jdLocal - guess / 24.0 - 0.25);
    const double after = OffsetAtUT(jdLocal - guess / 24.0 + 0.25);
    if (before == after)
        return OffsetAtUT(jdLocal - before / 24.0);
    if (OffsetAtUT(jdLocal - before / 24.0) == before)
        return before;
    if (OffsetAtUT(jdLocal - after / 24.0) == after)
        return after;
    return before;  // a skipped reading
}

Observer SiteAtLocal(const Observer& site, const SkyTime& local)
{
    Observer at = site;
    at.timeZone = static_cast<float>(SiteClock(site).OffsetAtLocal(local.JD()));
    return at;
}

Observer SiteAtUT(const Observer& site, double jdUT)
{
    Observer at = site;
    at.timeZone = static_cast<float>(SiteClock(site).OffsetAtUT(jdUT));
    return at;
}

double SiteClock::NextChangeUT(double jdUT, double jdUntilUT) const
{
    const double days = jdUT - kUnixEpochJD;
    if (!known_ || !std::isfinite(days) || std::fabs(days) > kMaxDaysFromEpoch)
        return std::nan("");
    const auto ms = static_cast<long long>(std::floor(days * kMsPerDay));
    const QTimeZone::OffsetData next =
        zone_.nextTransition(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    if (!next.atUtc.isValid())
        return std::nan("");
    const double jd = kUnixEpochJD + static_cast<double>(next.atUtc.toMSecsSinceEpoch()) / kMsPerDay;
    return jd < jdUntilUT ? jd : std::nan("");
}

double SiteDay::Wall(double hours) const
{
    if (!clocksChange)
        return hours;
    return hours < changeHours ? hours : hours + zoneAfter - zoneAtMidnight;
}

RiseSetResult SiteDay::Merge(const RiseSetResult& before, const RiseSetResult& after) const
{
    if (!clocksChange)
        return before;
    const double changeAfter = changeHours + zoneAfter - zoneAtMidnight;  // at zoneAfter
    const bool beginBefore = before.HasBegin() && before.begin < changeHours;
    const bool beginAfter = !beginBefore && after.HasBegin() && after.begin >= changeAfter;
    const bool endBefore = before.HasEnd() && before.end < changeHours;
    const bool endAfter = !endBefore && after.HasEnd() && after.end >= changeAfter;
    if (!beginBefore && !beginAfter && !endBefore && !endAfter)
        return after.status == RiseSetStatus::Normal ? before : after;
    RiseSetResult r = before;
    r.status = RiseSetStatus::Normal;
    r.begin = beginBefore ? before.begin : beginAfter ? after.begin : 0.0;
    r.end = endBefore ? before.end : endAfter ? after.end : 0.0;
    r.beginStatus = beginBefore || beginAfter ? EventStatus::Occurs : EventStatus::NotThisDay;
    r.endStatus = endBefore || endAfter ? EventStatus::Occurs : EventStatus::NotThisDay;
    return r;
}

DayEvents SiteDay::Merge(const DayEvents& before, const DayEvents& after) const
{
    DayEvents e;
    e.sun.astronomical = Merge(before.sun.astronomical, after.sun.astronomical);
    e.sun.nautical = Merge(before.sun.nautical, after.sun.nautical);
    e.sun.civil = Merge(before.sun.civil, after.sun.civil);
    e.sun.riseSet = Merge(before.sun.riseSet, after.sun.riseSet);
    e.moon = Merge(before.moon, after.moon);
    return e;
}

SiteDay SiteDayOf(const Observer& site, const SkyDate& localDate)
{
    SiteDay day;
    day.clock = SiteClock(site);
    day.jdMidnight = localDate.jd;
    day.site = site;
    day.site.timeZone = static_cast<float>(day.clock.OffsetAtLocal(localDate.jd));
    day.siteAfter = site;
    day.siteAfter.timeZone = static_cast<float>(day.clock.OffsetAtLocal(localDate.jd + 1.0));
    day.zoneAtMidnight = day.site.timeZone;
    day.zoneAfter = day.siteAfter.timeZone;
    day.clocksChange = day.zoneAfter != day.zoneAtMidnight;
    if (day.clocksChange) {
        const double startUT = localDate.jd - day.zoneAtMidnight / 24.0;
        const double change = day.clock.NextChangeUT(startUT, startUT + 1.0);
        day.changeHours = std::isfinite(change) ? (change - startUT) * 24.0 : 24.0;
    }
    return day;
}

DayEvents WallClockDayEvents(const SiteDay& day, Model model)
{
    const SkyDate date(day.jdMidnight);
    const DayEvents before = ComputeDayEvents(date, day.site, model);
    if (!day.clocksChange)
        return before;
    return day.Merge(before, ComputeDayEvents(date, day.siteAfter, model));
}

std::string OffsetText(double hours)
{
    if (!std::isfinite(hours))
        hours = 0.0;
    const long minutes = std::lround(std::fabs(hours) * 60.0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "UTC%c%02ld:%02ld", hours < 0 && minutes > 0 ? '-' : '+',
                  minutes / 60, minutes % 60);
    return buf;
}

int NearestCity(const std::vector<const Observer*>& cities, double longitude, double latitude,
                double maxAngle)
{
    int best = -1;
    double bestCos = -2.0;
    const double sinLat = std::sin(latitude);
    const double cosLat = std::cos(latitude);
    for (std::size_t i = 0; i < cities.size(); ++i) {
        const double lat = cities[i]->latitude;
        const double lon = cities[i]->longitude;
        // Cosine of the central angle: the largest is the nearest.
        const double c = sinLat * std::sin(lat) + cosLat * std::cos(lat) * std::cos(lon - longitude);
        if (c > bestCos) {
            bestCos = c;
            best = static_cast<int>(i);
        }
    }
    return best >= 0 && bestCos >= std::cos(maxAngle) ? best : -1;
}
