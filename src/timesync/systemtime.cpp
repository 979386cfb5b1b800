#include "timesync/systemtime.h"

#include <cstdio>
#include <ctime>

SystemTime CurrentSystemTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm parts{};
    gmtime_r(&now.tv_sec, &parts);
    SystemTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.dayOfWeek = parts.tm_wday;
    t.day = parts.tm_mday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    t.milliseconds = static_cast<int>(now.tv_nsec / 1000000);
    return t;
}

std::string FormatSystemTime(const SystemTime& t)
{
    char text[96];
    std::snprintf(text, sizeof text, "%02d년 %02d월 %02d일 %02d시 %02d분 %02d.%03d초",
                  t.year, t.month, t.day, t.hour, t.minute, t.second, t.milliseconds);
    return text;
}
