#include "astro/time/hours.h"

#include <cmath>

namespace {

// A Julian date near 2.4e6 carries about 40 us of rounding, so after a round trip a whole
// second can come back a few tens of microseconds short; 1e-6 hours (3.6 ms) covers that
// noise and stays far below any fraction of a second worth showing.
constexpr double kNoiseHours = 1e-6;

// Whole seconds in a non-negative number of hours, truncated, with values that fall short
// of a whole second by less than the noise counted as that second.
long long WholeSeconds(double absHours)
{
    // Past a hundred million years, or not a number: nothing sensible to split, and the
    // conversion to an integer would be undefined.
    if (!(absHours < 1e12))
        return 0;
    const double seconds = absHours * 3600.0;
    const double nearest = std::round(seconds);
    if (nearest > seconds && nearest - seconds < kNoiseHours * 3600.0)
        return static_cast<long long>(nearest);
    return static_cast<long long>(std::floor(seconds));
}

HMS SplitAbs(double absHours)
{
    const long long s = WholeSeconds(absHours);
    HMS out;
    out.hour = static_cast<int>(s / 3600);
    out.minute = static_cast<int>((s % 3600) / 60);
    out.second = static_cast<int>(s % 60);
    return out;
}

}  // namespace

HMS HoursToHMS(double hours)
{
    HMS out = SplitAbs(std::fabs(hours));
    if (hours < 0) {
        out.hour = -out.hour;
        out.minute = -out.minute;
        out.second = -out.second;
    }
    return out;
}

