#include "timesync/csystemclocksetter.h"

#include <ctime>

bool CSystemClockSetter::SetSystemClock(NtpTimestamp t)
{
    const SystemTime utc = SystemTimeFromTimestamp(t);
    tm parts{};
    parts.tm_year = utc.year - 1900;
    parts.tm_mon = utc.month - 1;
    parts.tm_mday = utc.day;
    parts.tm_hour = utc.hour;
    parts.tm_min = utc.minute;
    parts.tm_sec = utc.second;
    const time_t seconds = timegm(&parts);
    if (seconds == static_cast<time_t>(-1))
        return false;
    timespec value{};
    value.tv_sec = seconds;
    value.tv_nsec = static_cast<long>(utc.milliseconds) * 1000000L;
    // Without CAP_SYS_TIME the kernel answers EPERM and the caller reports the refusal.
    return clock_settime(CLOCK_REALTIME, &value) == 0;
}
