#include "format/skytext.h"

#include "astro/math/angles.h"
#include "astro/time/hours.h"
#include "astro/time/juliandate.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kRadToArcMinutes = 3437.7467707849396;  // 10800 / pi

}  // namespace

std::string BodyNameKorean(Body body)
{
    static const char* const names[kBodyCount] = {"태양", "달",   "수성",   "금성",   "화성",
                                                  "목성", "토성", "천왕성", "해왕성", "명왕성"};
    const int i = BodyIndex(body);
    return i >= 0 && i < kBodyCount ? names[i] : "";
}

std::string FormatHours(double hours)
{
    const HMS s = HoursToHMS(std::fabs(hours));
    char buf[48];
    const bool negative = hours < 0 && (s.hour != 0 || s.minute != 0 || s.second != 0);
    if (negative && s.hour == 0)
        std::snprintf(buf, sizeof buf, "-00:%02d:%02d", s.minute, s.second);
    else
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", negative ? -s.hour : s.hour, s.minute,
                      s.second);
    return buf;
}

std::string FormatLunarDate(const LunarDate& date)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "음력 %s%02d월 %02d일", date.leap ? "윤" : "", date.month,
                  date.day);
    return buf;
}

std::string FormatRightAscension(double ra)
{
    const double hours = std::isfinite(ra) ? Reduce24(ra * kRadToHours) : 0.0;
    const long long seconds = std::llround(hours * 3600.0) % 86400;
    char text[48];
    std::snprintf(text, sizeof text, "%02lldh %02lldm %02llds", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string FormatDeclination(double dec)
{
    const double degrees = std::isfinite(dec) ? dec * kRadToDeg : 0.0;
    const long long arcSeconds = std::llround(std::fabs(degrees) * 3600.0);
    char text[64];
    std::snprintf(text, sizeof text, "%c%02lld° %02lld′ %02lld″",
                  degrees < 0 && arcSeconds > 0 ? '-' : '+', arcSeconds / 3600,
                  arcSeconds / 60 % 60, arcSeconds % 60);
    return text;
}

std::string FormatArcMinutes(double angle)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.1f′", angle * kRadToArcMinutes);
    return text;
}

std::string FormatGrouped(double value)
{
    const long long whole = std::isfinite(value) && std::fabs(value) < 9e18 ? std::llround(value) : 0;
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return whole < 0 ? "-" + digits : digits;
}

std::string FormatHoursMinutes(double hours)
{
    const long long minutes = std::isfinite(hours) && hours > 0.0 && hours < 1e6
                                  ? std::llround(hours * 60.0)
                                  : 0;
    char text[48];
    std::snprintf(text, sizeof text, "%lld시간 %02lld분", minutes / 60, minutes % 60);
    return text;
}

std::string FormatClockPosition(double clock)
{
    long long minutes = std::isfinite(clock) ? std::llround(clock * 60.0) % 720 : 0;
    if (minutes < 0)
        minutes += 720;
    const long long hour = minutes / 60 == 0 ? 12 : minutes / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%lld시 %02lld분 방향", hour, minutes % 60);
    return text;
}

std::string FormatLocalDateTime(double jdUT, double zoneHours)
{
    if (!std::isfinite(jdUT) || !std::isfinite(zoneHours))
        return "----";
    const double minutes = std::round((jdUT + zoneHours / 24.0 - 0.5) * 1440.0);  // from 0 h
    const double day = std::floor(minutes / 1440.0);
    const int inDay = static_cast<int>(minutes - day * 1440.0);
    const CalendarDate d = CalendarFromJulianDate(day + 0.5);
    if (d.year == 0)
        return "----";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day,
                  inDay / 60, inDay % 60);
    return text;
}
