#include "astro/time/juliandate.h"
#include "astro/sky/lunarcalendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace {

LunarDate Lunar(int y, int m, int d)
{
    LunarDate out;
    EXPECT_TRUE(ToLunar(JulianDateFromCalendar(y, m, d), out)) << y << "-" << m << "-" << d;
    return out;
}

void ExpectLunar(int y, int m, int d, int ly, int lm, int ld, bool leap)
{
    const LunarDate l = Lunar(y, m, d);
    EXPECT_EQ(l.year, ly) << y << "-" << m << "-" << d;
    EXPECT_EQ(l.month, lm) << y << "-" << m << "-" << d;
    EXPECT_EQ(l.day, ld) << y << "-" << m << "-" << d;
    EXPECT_EQ(l.leap, leap) << y << "-" << m << "-" << d;
}

int YearDays(int lunarYear)
{
    int total = 0;
    for (int k = 0; k < 12; ++k)
        total += LunarDigitDays(LunarMonthTable[(lunarYear - kLunarFirstYear) * 12 + k]);
    return total;
}

TEST(LunarTable, DigitCounts)
{
    ASSERT_EQ(std::strlen(LunarMonthTable), 2436u);
    std::map<char, int> counts;
    for (int i = 0; i < kLunarMonthTableLength; ++i)
        ++counts[LunarMonthTable[i]];
    EXPECT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts['1'], 1095);
    EXPECT_EQ(counts['2'], 1266);
    EXPECT_EQ(counts['3'], 13);
    EXPECT_EQ(counts['4'], 13);
    EXPECT_EQ(counts['5'], 45);
    EXPECT_EQ(counts['6'], 4);
}

TEST(LunarTable, YearTotals)
{
    EXPECT_EQ(YearDays(1841), 383);
    EXPECT_EQ(YearDays(1842), 354);
    EXPECT_EQ(YearDays(2004), 384);
    EXPECT_EQ(YearDays(2020), 384);
    // Every lunar year has 353-355 days, or 383-385 with a leap month, and at most one.
    for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y) {
        int leaps = 0;
        for (int k = 0; k < 12; ++k)
            leaps += LunarMonthTable[(y - kLunarFirstYear) * 12 + k] > '2';
        ASSERT_LE(leaps, 1) << y;
        const int days = YearDays(y);
        if (leaps)
            EXPECT_TRUE(days >= 383 && days <= 385) << y << " " << days;
        else
            EXPECT_TRUE(days >= 353 && days <= 355) << y << " " << days;
    }
    EXPECT_EQ(LunarDigitDays('0'), 0);
}

TEST(LunarCalendar, DatesOfTheTable)
{
    ExpectLunar(1841, 1, 23, 1841, 1, 1, false);
    ExpectLunar(2003, 2, 1, 2003, 1, 1, false);
    ExpectLunar(2003, 1, 31, 2002, 12, 29, false);
    ExpectLunar(2020, 5, 23, 2020, 4, 1, true);
    ExpectLunar(2020, 6, 21, 2020, 5, 1, false);
    ExpectLunar(2043, 12, 31, 2043, 12, 1, false);
}

TEST(LunarCalendar, CorrectedYears)
{
    ExpectLunar(2017, 3, 1, 2017, 2, 4, false);
    ExpectLunar(2033, 12, 21, 2033, 11, 30, false);
    ExpectLunar(2004, 11, 22, 2004, 10, 11, false);
    ExpectLunar(1862, 10, 19, 1862, 8, 26, true);
}

TEST(LunarCalendar, PublishedHolidays)
{
    // Seollal (lunar 1-1) and Chuseok (lunar 8-15) as observed in Korea.
    const int seollal[][3] = {{2010, 2, 14}, {2011, 2, 3},  {2012, 1, 23}, {2013, 2, 10},
                              {2014, 1, 31}, {2015, 2, 19}, {2016, 2, 8},  {2017, 1, 28},
                              {2018, 2, 16}, {2019, 2, 5},  {2020, 1, 25}, {2021, 2, 12},
                              {2022, 2, 1},  {2023, 1, 22}, {2024, 2, 10}, {2025, 1, 29},
                              {2026, 2, 17}};
    for (const auto& d : seollal)
        ExpectLunar(d[0], d[1], d[2], d[0], 1, 1, false);
    const int chuseok[][3] = {{2020, 10, 1}, {2021, 9, 21}, {2022, 9, 10}, {2023, 9, 29},
                              {2024, 9, 17}, {2025, 10, 6}};
    for (const auto& d : chuseok)
        ExpectLunar(d[0], d[1], d[2], d[0], 8, 15, false);
}

TEST(LunarCalendar, EveryDayFollowsTheDayBefore)
{
    const double first = JulianDateFromCalendar(1841, 1, 23).jd;
    const double last = JulianDateFromCalendar(2043, 12, 31).jd;
    LunarDate prev;
    ASSERT_TRUE(ToLunar(SkyDate(first), prev));
    int monthsStarted = 1;
    for (double jd = first + 1; jd <= last; jd += 1.0) {
        LunarDate cur;
        ASSERT_TRUE(ToLunar(SkyDate(jd), cur)) << jd;
        ASSERT_GE(cur.day, 1);
        ASSERT_LE(cur.day, 30);
        if (cur.day == 1) {
            ++monthsStarted;
            ASSERT_TRUE(prev.day == 29 || prev.day == 30) << jd;
            if (cur.leap) {
                ASSERT_EQ(cur.month, prev.month);
                ASSERT_FALSE(prev.leap);
            } else if (prev.month == 12) {
                ASSERT_EQ(cur.month, 1);
                ASSERT_EQ(cur.year, prev.year + 1);
            } else {
                ASSERT_EQ(cur.month, prev.month + 1);
                ASSERT_EQ(cur.year, prev.year);
            }
        } else {
            ASSERT_EQ(cur.day, prev.day + 1);
            ASSERT_EQ(cur.month, prev.month);
            ASSERT_EQ(cur.leap, prev.leap);
        }
        prev = cur;
    }
    EXPECT_EQ(monthsStarted, 2436 + 75);  // every ordinary and leap month
}

TEST(LunarCalendar, AnyInstantOfTheDay)
{
    // 23:59 and noon of 23 May 2020 are still that day (lunar leap 4-1).
    for (double fraction : {0.0, 0.5, 0.9993}) {
        LunarDate out;
        ASSERT_TRUE(ToLunar(SkyDate(JulianDateFromCalendar(2020, 5, 23).jd + fraction), out));
        EXPECT_EQ(out.month, 4);
        EXPECT_EQ(out.day, 1);
        EXPECT_TRUE(out.leap);
    }
    LunarDate last;
    EXPECT_TRUE(ToLunar(SkyDate(JulianDateFromCalendar(2043, 12, 31).jd + 0.9), last));
    EXPECT_EQ(last.day, 1);
}

TEST(LunarCalendar, OutsideTheTable)
{
    const LunarDate untouched{7, 8, 9, true};
    LunarDate out = untouched;
    EXPECT_FALSE(ToLunar(JulianDateFromCalendar(1841, 1, 22), out));
    EXPECT_FALSE(ToLunar(JulianDateFromCalendar(2044, 1, 1), out));
    EXPECT_FALSE(ToLunar(SkyDate(0.5), out));
    EXPECT_FALSE(ToLunar(SkyDate(std::nan("")), out));
    EXPECT_FALSE(ToLunar(SkyDate(1e300), out));
    EXPECT_EQ(out.year, 7);
    EXPECT_EQ(out.month, 8);
    EXPECT_EQ(out.day, 9);
    EXPECT_TRUE(out.leap);
}


}  // namespace
