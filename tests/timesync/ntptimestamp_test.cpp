#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "fakesntpserver.h"
#include "timesync/ntptimestamp.h"

namespace {

constexpr int64_t kUnixEpochInNtpSeconds = 2208988800;  // 1900-01-01 to 1970-01-01
constexpr double kToleranceSeconds = 1e-9;
constexpr double kFractionUnitSeconds = 1.0 / 4294967295.0;

SystemTime FromGmtime(int64_t ntpSeconds)
{
    const time_t unixSeconds = static_cast<time_t>(ntpSeconds - kUnixEpochInNtpSeconds);
    tm parts{};
    gmtime_r(&unixSeconds, &parts);
    SystemTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.dayOfWeek = parts.tm_wday;
    t.day = parts.tm_mday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    return t;
}

int64_t NtpSecondsOf(int year, int month, int day, int hour, int minute, int second)
{
    tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    return static_cast<int64_t>(timegm(&parts)) + kUnixEpochInNtpSeconds;
}

}  // namespace

TEST(NtpTimestamp, EpochIsZero)
{
    const NtpTimestamp t = Stamp(1900, 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(t.seconds, 0u);
    EXPECT_EQ(t.fraction, 0u);
}

TEST(NtpTimestamp, FractionTableEnds)
{
    EXPECT_EQ(Stamp(2003, 2, 6, 0, 0, 0, 1).fraction, 4294967u);
    EXPECT_EQ(Stamp(2003, 2, 6, 0, 0, 0, 500).fraction, 2147483648u);
    EXPECT_EQ(Stamp(2003, 2, 6, 0, 0, 0, 999).fraction, 4290672329u);
}

TEST(NtpTimestamp, SecondsMatchTheSystemCalendar)
{
    const int dates[][6] = {{2003, 2, 6, 12, 34, 56}, {1900, 3, 1, 0, 0, 0}, {2000, 2, 29, 23, 59, 59},
                            {1999, 12, 31, 0, 0, 1},  {2036, 2, 7, 6, 28, 15}, {1972, 6, 30, 23, 59, 59}};
    for (const auto& d : dates) {
        const NtpTimestamp t = Stamp(d[0], d[1], d[2], d[3], d[4], d[5], 0);
        EXPECT_EQ(int64_t{t.seconds}, NtpSecondsOf(d[0], d[1], d[2], d[3], d[4], d[5])) << d[0] << "-" << d[1] << "-" << d[2];
    }
}

TEST(NtpTimestamp, CalendarFromTimestampMatchesGmtimeAcrossTheEra)
{
    // Every 7 days and 3 hours and a few seconds, from 1900 to the end of era 0.
    for (int64_t s = 0; s < 4294967296LL; s += 7 * 86400 + 3 * 3600 + 17) {
        const SystemTime expected = FromGmtime(s);
        const SystemTime got = SystemTimeFromTimestamp(NtpTimestamp{0, static_cast<uint32_t>(s)});
        ASSERT_EQ(got.year, expected.year) << s;
        ASSERT_EQ(got.month, expected.month) << s;
        ASSERT_EQ(got.day, expected.day) << s;
        ASSERT_EQ(got.dayOfWeek, expected.dayOfWeek) << s;
        ASSERT_EQ(got.hour, expected.hour) << s;
        ASSERT_EQ(got.minute, expected.minute) << s;
        ASSERT_EQ(got.second, expected.second) << s;
        ASSERT_EQ(got.milliseconds, 0) << s;
    }
}

TEST(NtpTimestamp, EveryMillisecondRoundTrips)
{
    for (int ms = 0; ms < 1000; ++ms) {
        const SystemTime t = SystemTimeFromTimestamp(Stamp(2003, 2, 6, 12, 34, 56, ms));
        ASSERT_EQ(t.milliseconds, ms);
        ASSERT_EQ(t.second, 56);
    }
}

TEST(NtpTimestamp, DisplayFormat)
{
    const SystemTime t = SystemTimeFromTimestamp(Stamp(2003, 2, 6, 12, 34, 56, 789));
    EXPECT_EQ(FormatSystemTime(t), "2003년 02월 06일 12시 34분 56.789초");
    EXPECT_EQ(t.dayOfWeek, 4);  // a Thursday
}

TEST(NtpTimestamp, ThousandMillisecondsCarryIntoTheNextSecond)
{
    NtpTimestamp t = Stamp(2003, 12, 31, 23, 59, 59, 0);
    t.fraction = 4292819812u;  // 0.9995 s, rounds to 1000 ms
    const SystemTime carried = SystemTimeFromTimestamp(t);
    EXPECT_EQ(carried.year, 2004);
    EXPECT_EQ(carried.month, 1);
    EXPECT_EQ(carried.day, 1);
    EXPECT_EQ(carried.hour, 0);
    EXPECT_EQ(carried.minute, 0);
    EXPECT_EQ(carried.second, 0);
    EXPECT_EQ(carried.milliseconds, 0);

    t.fraction = 4292819811u;  // just below: 999 ms
    const SystemTime kept = SystemTimeFromTimestamp(t);
    EXPECT_EQ(kept.second, 59);
    EXPECT_EQ(kept.milliseconds, 999);
}

TEST(NtpTimestamp, WireOrderIsSecondsThenFractionBigEndian)
{
    const NtpTimestamp t{0x11223344u, 0xA1B2C3D4u};
    unsigned char wire[8];
    t.ToWire(wire);
    const unsigned char expected[8] = {0xA1, 0xB2, 0xC3, 0xD4, 0x11, 0x22, 0x33, 0x44};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(wire[i], expected[i]) << i;
    EXPECT_EQ(NtpTimestamp::FromWire(wire), t);
    EXPECT_EQ(t.Value(), 0xA1B2C3D411223344ull);
}

TEST(NtpTimestamp, SecondsBetweenSignAndScale)
{
    const NtpTimestamp a{0, 100};
    const NtpTimestamp b{4294967295u, 98};  // 98 s plus one full fraction scale
    EXPECT_NEAR(SecondsBetween(a, b), 1.0, kToleranceSeconds);
    EXPECT_NEAR(SecondsBetween(b, a), -1.0, kToleranceSeconds);
    EXPECT_EQ(SecondsBetween(a, a), 0.0);
    EXPECT_NEAR(SecondsBetween(NtpTimestamp{1, 0}, NtpTimestamp{0, 0}), kFractionUnitSeconds, 1e-18);
    EXPECT_NEAR(SecondsBetween(Stamp(2003, 2, 6, 12, 0, 10, 500), Stamp(2003, 2, 6, 12, 0, 0, 0)), 10.5, 1e-9);
    EXPECT_NEAR(SecondsBetween(Stamp(2003, 2, 6, 10, 0, 0, 0), Stamp(2003, 2, 6, 12, 0, 0, 0)), -7200.0, 1e-9);
}

TEST(NtpTimestamp, AddSecondsUsesTheFractionScaleOfTwoTo32MinusOne)
{
    const NtpTimestamp base{0, 1000};
    const NtpTimestamp half = AddSeconds(base, 0.5);
    EXPECT_EQ(half.seconds, 1000u);
    EXPECT_EQ(half.fraction, 2147483647u);  // trunc(0.5 * 4294967295)

    const NtpTimestamp back = AddSeconds(base, -1.25);
    EXPECT_EQ(back.seconds, 998u);
    EXPECT_EQ(back.fraction, 4294967296ull - 1073741823ull);  // 2^32 - trunc(0.25 * (2^32 - 1))

    const NtpTimestamp hourEarlier = AddSeconds(Stamp(2003, 2, 6, 12, 0, 0, 0), -3600.5);
    const SystemTime t = SystemTimeFromTimestamp(hourEarlier);
    EXPECT_EQ(t.hour, 10);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(t.milliseconds, 500);
}

TEST(NtpTimestamp, AddSecondsWrapsModulo2To64)
{
    const NtpTimestamp wrapped = AddSeconds(NtpTimestamp{0, 0}, -1.0);
    EXPECT_EQ(wrapped.Value(), 0xFFFFFFFF00000000ull);
    EXPECT_EQ(AddSeconds(wrapped, 1.0).Value(), 0u);
}

TEST(NtpTimestamp, AddSecondsIgnoresNonFiniteOffsets)
{
    const NtpTimestamp t{123, 456};
    EXPECT_EQ(AddSeconds(t, std::numeric_limits<double>::quiet_NaN()), t);
    EXPECT_EQ(AddSeconds(t, std::numeric_limits<double>::infinity()), t);
}
