#include "astro/time/hours.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "astro/time/skytime.h"
#include "astro/time/timescales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace {

constexpr double kDegToRad = kPi / 180.0;
constexpr double kToleranceDays = 1e-9;
constexpr double kToleranceHours = 1e-7;          // 0.36 ms
constexpr double kSiderealToleranceHours = 1e-4;  // 0.36 s, the printed value's precision

TEST(JulianDate, PublishedValues)
{
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(2000, 1, 1).jd, 2451544.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(1900, 3, 1).jd, 2415079.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(1582, 10, 15).jd, 2299160.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(1, 1, 1).jd, 1721425.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(2400, 3, 1).jd, 2597701.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(2004, 3, 1).jd, 2453065.5);
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(2005, 2, 28).jd, 2453429.5);
    // Meeus, Astronomical Algorithms, example 7.a: 4 October 1957 is JD 2436115.5 at 0h.
    EXPECT_DOUBLE_EQ(JulianDateFromCalendar(1957, 10, 4).jd, 2436115.5);
}

TEST(JulianDate, EveryDayFollowsTheGregorianCount)
{
    // Walk the calendar day by day from 15 October 1582 with the leap rule counted here
    // independently of DaysInMonth.
    double jd = 2299160.5;
    int y = 1582, m = 10, d = 15;
    const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    while (y < 2501) {
        ASSERT_DOUBLE_EQ(JulianDateFromCalendar(y, m, d).jd, jd) << y << "-" << m << "-" << d;
        const CalendarDate back = CalendarFromJulianDate(jd);
        ASSERT_EQ(back.year, y);
        ASSERT_EQ(back.month, m);
        ASSERT_EQ(back.day, d);
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int length = (m == 2 && leap) ? 29 : monthDays[m - 1];
        ASSERT_EQ(DaysInMonth(y, m), length);
        if (++d > length) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
        jd += 1.0;
    }
    EXPECT_EQ(DaysInMonth(1902, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2036, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

TEST(JulianDate, CalendarFromJulianDateEdges)
{
    for (double jd : {2299159.5, 2299000.5, 1721425.5, 0.0}) {
        const CalendarDate c = CalendarFromJulianDate(jd);
        EXPECT_EQ(c.year, 0);
        EXPECT_EQ(c.month, 0);
        EXPECT_EQ(c.day, 0);
    }
    const CalendarDate march1 = CalendarFromJulianDate(2451604.5);
    EXPECT_EQ(march1.year, 2000);
    EXPECT_EQ(march1.month, 3);
    EXPECT_EQ(march1.day, 1);
    const CalendarDate leapDay = CalendarFromJulianDate(2451603.5);
    EXPECT_EQ(leapDay.month, 2);
    EXPECT_EQ(leapDay.day, 29);
    for (int month : {1, 3, 8}) {
        const CalendarDate c = CalendarFromJulianDate(JulianDateFromCalendar(2023, month, 31).jd);
        EXPECT_EQ(c.month, month);
        EXPECT_EQ(c.day, 31);
    }
    const CalendarDate far = CalendarFromJulianDate(1e300);
    EXPECT_EQ(far.year, 0);
    EXPECT_EQ(CalendarFromJulianDate(std::nan("")).year, 0);
    // Any instant of the day belongs to that day.
    const CalendarDate noon = CalendarFromJulianDate(2451545.0);
    EXPECT_EQ(noon.day, 1);
    EXPECT_EQ(noon.month, 1);
}

TEST(SkyTimeValue, SplitsJulianDate)
{
    const SkyTime t(2451545.0);
    EXPECT_DOUBLE_EQ(t.date.jd, 2451544.5);
    EXPECT_DOUBLE_EQ(t.time.hours, 12.0);
    EXPECT_DOUBLE_EQ(t.JD(), 2451545.0);
    const SkyTime midnight(2451544.5);
    EXPECT_DOUBLE_EQ(midnight.date.jd, 2451544.5);
    EXPECT_DOUBLE_EQ(midnight.time.hours, 0.0);
    const SkyTime combined(SkyDate(2451544.5), SkyHours(6.0));
    EXPECT_DOUBLE_EQ(combined.JD(), 2451544.75);
}

TEST(TimeScales, LocalToUTCrossesMidnight)
{
    const SkyTime local(JulianDateFromCalendar(2026, 6, 21), 1.0);
    const SkyTime ut = LocalToUT(local, 9.0);
    EXPECT_DOUBLE_EQ(ut.date.jd, JulianDateFromCalendar(2026, 6, 20).jd);
    EXPECT_NEAR(ut.time.hours, 16.0, kToleranceHours);
    const HMS hms = HoursToHMS(ut.time.hours);
    EXPECT_EQ(hms.hour, 16);
    EXPECT_EQ(hms.minute, 0);
    EXPECT_EQ(hms.second, 0);
    const SkyTime back = UTToLocal(ut, 9.0);
    EXPECT_DOUBLE_EQ(back.date.jd, local.date.jd);
    EXPECT_NEAR(back.time.hours, 1.0, kToleranceHours);
}

TEST(TimeScales, GreenwichSiderealAtJ2000)
{
    const SkyTime gst = UTToGST(SkyTime(SkyDate(2451544.5), 0.0));
    EXPECT_NEAR(gst.time.hours, 6.6645, kSiderealToleranceHours);
    EXPECT_DOUBLE_EQ(gst.date.jd, 2451544.5);
    // Meeus example 12.a: 10 April 1987, 0h UT, mean sidereal time 13h10m46.3668s.
    const SkyTime g2 = UTToGST(SkyTime(JulianDateFromCalendar(1987, 4, 10), 0.0));
    EXPECT_NEAR(g2.time.hours, 13.0 + 10.0 / 60 + 46.3668 / 3600, kSiderealToleranceHours);
    // Meeus example 12.b: same day, 19h21m00s UT gives 8h34m57.0896s.
    const SkyTime g3 = UTToGST(SkyTime(JulianDateFromCalendar(1987, 4, 10), 19.35));
    EXPECT_NEAR(g3.time.hours, 8.0 + 34.0 / 60 + 57.0896 / 3600, kSiderealToleranceHours);
}

TEST(TimeScales, GSTToUTInvertsUTToGST)
{
    for (double hours = 0.25; hours < 24.0; hours += 1.7) {
        const SkyTime ut(JulianDateFromCalendar(2013, 5, 17), hours);
        const SkyTime back = GSTToUT(UTToGST(ut));
        EXPECT_NEAR(back.JD(), ut.JD(), 1e-6) << hours;  // 0.09 s
    }
}

TEST(TimeScales, LongitudeShiftsSiderealTime)
{
    const SkyTime gst(SkyDate(2451544.5), 3.0);
    const SkyTime lst = GSTToLST(gst, kPi / 2);
    EXPECT_NEAR(lst.time.hours, 9.0, kToleranceHours);
    const SkyTime late(SkyDate(2451544.5), 21.0);
    const SkyTime wrapped = GSTToLST(late, kPi / 2);
    EXPECT_NEAR(wrapped.time.hours, 3.0, kToleranceHours);
    EXPECT_DOUBLE_EQ(wrapped.date.jd, 2451545.5);
    const SkyTime backGst = LSTToGST(wrapped, kPi / 2);
    EXPECT_NEAR(backGst.time.hours, 21.0, kToleranceHours);
    for (double lon = -3.0; lon <= 3.0; lon += 0.37) {
        const SkyTime s = UTToLST(SkyTime(SkyDate(2455000.5), 23.9), lon);
        EXPECT_GE(s.time.hours, 0.0);
        EXPECT_LT(s.time.hours, 24.0);
    }
}

TEST(TimeScales, LSTToLocalKeepsTheCivilDate)
{
    // Seoul, west of Greenwich and near the date line: the sidereal time asked for must be
    // met on the civil date carried by the value, for every hour of sidereal time.
    const double sites[][2] = {{126.978, 9.0}, {-74.0, -5.0}, {0.0, 0.0}, {179.0, 12.0},
                               {-170.0, -11.0}, {139.7, 9.0}, {13.4, 1.0}};
    for (const auto& site : sites) {
        const double lon = site[0] * kDegToRad;
        const double zone = site[1];
        for (int day = 0; day < 400; day += 7) {
            const SkyDate date(JulianDateFromCalendar(2026, 1, 1).jd + day);
            for (double sid = 0.0; sid < 24.0; sid += 0.83) {
                const SkyTime local = LSTToLocal(SkyTime(date, sid), zone, lon);
                ASSERT_DOUBLE_EQ(local.date.jd, date.jd);
                ASSERT_GE(local.time.hours, 0.0);
                ASSERT_LT(local.time.hours, 24.0);
                const double got = LocalToLST(local, zone, lon).time.hours;
                double diff = std::fabs(got - sid);
                diff = std::min(diff, 24.0 - diff);
                ASSERT_LT(diff, 1e-6) << site[0] << " day " << day << " lst " << sid;
            }
        }
    }
}

TEST(TimeScales, LSTToLocalSeoulExample)
{
    // 21 June 2026, Seoul (126.978 E, +9 h): the LST 6h occurs at 0h local + (6h - LST0h)
    // in solar time; the date must stay 21 June.
    const double lon = 126.978 * kDegToRad;
    const SkyDate date = JulianDateFromCalendar(2026, 6, 21);
    const double lst0 = LocalToLST(SkyTime(date, 0.0), 9.0, lon).time.hours;
    double expected = 6.0 - lst0;
    if (expected < 0)
        expected += 24.0;
    expected *= 0.9972695663;
    const SkyTime t = LSTToLocal(SkyTime(date, 6.0), 9.0, lon);
    EXPECT_DOUBLE_EQ(t.date.jd, date.jd);
    EXPECT_NEAR(t.time.hours, expected, kToleranceHours);
}

TEST(Hours, SplitTruncates)
{
    HMS h = HoursToHMS(23.999);
    EXPECT_EQ(h.hour, 23);
    EXPECT_EQ(h.minute, 59);
    EXPECT_EQ(h.second, 56);
    h = HoursToHMS(15.99999999627);
    EXPECT_EQ(h.hour, 16);
    EXPECT_EQ(h.minute, 0);
    EXPECT_EQ(h.second, 0);
    h = HoursToHMS(12.5 + 59.99 / 3600);  // 10 ms short of 12:31:00 stays 12:30:59
    EXPECT_EQ(h.minute, 30);
    EXPECT_EQ(h.second, 59);
    h = HoursToHMS(1.0 + 1.0 / 60 - 1e-7 / 3600);  // 0.1 us short: 01:01:00
    EXPECT_EQ(h.hour, 1);
    EXPECT_EQ(h.minute, 1);
    EXPECT_EQ(h.second, 0);
    h = HoursToHMS(-1.5);
    EXPECT_EQ(h.hour, -1);
    EXPECT_EQ(h.minute, -30);
    EXPECT_EQ(h.second, 0);
}

TEST(Hours, NonFiniteSplitsToZeros)
{
    const HMS inf = HoursToHMS(-INFINITY);
    EXPECT_EQ(inf.hour, 0);
    EXPECT_EQ(inf.minute, 0);
    EXPECT_EQ(inf.second, 0);
}

TEST(Clock, NowMatchesTheSystemClock)
{
    // The only test reading the clock: it checks the reading itself, bracketed by time().
    const std::time_t before = std::time(nullptr);
    const SkyTime now = NowUT();
    const std::time_t after = std::time(nullptr);
    const double unixEpochJd = 2440587.5;
    EXPECT_GE(now.JD(), unixEpochJd + (before - 1) / 86400.0);
    EXPECT_LE(now.JD(), unixEpochJd + (after + 1) / 86400.0);
    EXPECT_DOUBLE_EQ(now.date.jd - std::floor(now.date.jd), 0.5);
    const SkyTime local = NowLocal();
    EXPECT_GE(local.time.hours, 0.0);
    EXPECT_LT(local.time.hours, 24.0);
    EXPECT_LT(std::fabs(local.JD() - now.JD()), 1.0);  // zone offsets stay within a day
}

}  // namespace
