#include "timesync/ntptimestamp.h"

#include <array>
#include <cmath>

namespace {

constexpr int64_t kJdnOf1900 = 2415021;           // day number of 1900-01-01
constexpr double kSecondsPerFractionUnit = 2.3283064370807974e-10;  // 1 / (2^32 - 1)
constexpr double kMillisecondsPerFractionUnit = 2.3283064370807974e-07;
constexpr double kFractionScale = 4294967295.0;   // 2^32 - 1
constexpr double kTwoTo32 = 4294967296.0;

constexpr std::array<uint32_t, 1000> MakeFractionTable()
{
    std::array<uint32_t, 1000> table{};
    for (uint64_t ms = 0; ms < 1000; ++ms)
        table[ms] = static_cast<uint32_t>(((ms << 32) + 500) / 1000);  // rounded to nearest
    return table;
}

constexpr std::array<uint32_t, 1000> kFractionOfMillisecond = MakeFractionTable();
static_assert(kFractionOfMillisecond[1] == 4294967u);
static_assert(kFractionOfMillisecond[999] == 4290672329u);

uint32_t ReadBigEndian32(const unsigned char* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

void WriteBigEndian32(uint32_t v, unsigned char* p)
{
    p[0] = static_cast<unsigned char>(v >> 24);
    p[1] = static_cast<unsigned char>(v >> 16);
    p[2] = static_cast<unsigned char>(v >> 8);
    p[3] = static_cast<unsigned char>(v);
}

// Whole seconds and fraction units of |x|, each reduced so the conversions stay defined.
uint64_t ScaledMagnitude(double x)
{
    const double magnitude = std::fabs(x);
    const double whole = std::trunc(magnitude);
    const double wrappedWhole = std::fmod(whole, kTwoTo32);  // higher bits fall off 2^64 anyway
    const uint64_t fractionUnits = static_cast<uint64_t>(std::trunc((magnitude - whole) * kFractionScale));
    return (static_cast<uint64_t>(wrappedWhole) << 32) + fractionUnits;
}

}  // namespace

void NtpTimestamp::ToWire(unsigned char* out) const
{
    WriteBigEndian32(seconds, out);
    WriteBigEndian32(fraction, out + 4);
}

NtpTimestamp NtpTimestamp::FromWire(const unsigned char* in)
{
    return NtpTimestamp{ReadBigEndian32(in + 4), ReadBigEndian32(in)};
}

NtpTimestamp TimestampFromSystemTime(const SystemTime& t)
{
    int64_t y = t.year;
    int64_t m = t.month;
    if (m < 3) {
        y -= 1;
        m += 9;
    } else {
        m -= 3;
    }
    const int64_t jdn = (y / 100) * 146097 / 4 + t.day + (153 * m + 2) / 5 + (y % 100) * 1461 / 4 + 1721119;
    const int64_t days = jdn - kJdnOf1900;
    const int64_t seconds = ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
    NtpTimestamp ts;
    ts.seconds = static_cast<uint32_t>(static_cast<uint64_t>(seconds));
    const int ms = t.milliseconds;
    ts.fraction = (ms >= 0 && ms < 1000) ? kFractionOfMillisecond[static_cast<size_t>(ms)] : 0;
    return ts;
}

NtpTimestamp TimestampFromSystemTime()
{
    return TimestampFromSystemTime(CurrentSystemTime());
}

SystemTime SystemTimeFromTimestamp(NtpTimestamp t)
{
    uint32_t s = t.seconds;
    int milliseconds = static_cast<int>(std::trunc(t.fraction * kMillisecondsPerFractionUnit + 0.5));
    if (milliseconds >= 1000) {
        // 0.9995 s and above would read as 1000 ms, a value no clock accepts.
        milliseconds -= 1000;
        s += 1;
    }

    SystemTime out;
    const int64_t dayCount = s / 86400;
    out.dayOfWeek = static_cast<int>((dayCount + kJdnOf1900 + 1) % 7);
    const int64_t n = dayCount + kJdnOf1900;
    const int64_t b = (4 * n - 6884477) / 146097;
    const int64_t r = ((4 * n - 146097 * b - 6884477) / 4) * 4;
    const int64_t c = (r + 3) / 1461;
    const int64_t q = ((r - 1461 * c + 7) / 4) * 5;
    const int64_t e = (q - 3) / 153;
    out.day = static_cast<int>(((q - 3) % 153 + 5) / 5);
    out.month = static_cast<int>(e > 9 ? e - 9 : e + 3);
    out.year = static_cast<int>(100 * b + c + (e > 9 ? 1 : 0));
    out.hour = static_cast<int>((s / 3600) % 24);
    out.minute = static_cast<int>((s / 60) % 60);
    out.second = static_cast<int>(s % 60);
    out.milliseconds = milliseconds;
    return out;
}

double SecondsBetween(NtpTimestamp a, NtpTimestamp b)
{
    const uint64_t va = a.Value();
    const uint64_t vb = b.Value();
    const NtpTimestamp diff = NtpTimestamp::FromValue(va >= vb ? va - vb : vb - va);
    const double magnitude = diff.seconds + diff.fraction * kSecondsPerFractionUnit;
    return va < vb ? -magnitude : magnitude;
}

NtpTimestamp AddSeconds(NtpTimestamp t, double x)
{
    if (!std::isfinite(x))
        return t;
    const uint64_t step = ScaledMagnitude(x);
    return NtpTimestamp::FromValue(x >= 0 ? t.Value() + step : t.Value() - step);
}
