#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <cmath>
#include <string>
#include <vector>

#include "astro/time/hours.h"
#include "astro/time/juliandate.h"
#include "astro/sky/riseset.h"
#include "views/calendarmonth.h"
#include "format/skytext.h"

namespace {

constexpr int kTableLeft = 15;
constexpr int kTimeLineLeft = kTableLeft + 200;
constexpr int kTimeLineRight = kTableLeft + 700;
// Published almanac times are rounded to the minute and the closed formula ignores the
// change of declination through the day.
constexpr double kAlmanacToleranceMinutes = 5.0;

SkyTime LocalNoon(int year, int month, int day)
{
    return SkyTime(JulianDateFromCalendar(year, month, day), 12.0);
}

Observer Site(double longitudeDeg, double latitudeDeg, double zoneHours)
{
    return Observer("test", "site", static_cast<float>(longitudeDeg * kDegToRad),
                    static_cast<float>(latitudeDeg * kDegToRad), static_cast<float>(zoneHours));
}

// Pixel of a time on the line, worked out from the 500 pixels that stand for 24 hours.
int ExpectedX(double hours)
{
    return kTimeLineLeft + static_cast<int>(std::trunc(hours * 500.0 / 24.0 + 1e-12));
}

int CountBars(const CalendarDay& day, CalendarBrush brush)
{
    int n = 0;
    for (const CalendarBar& bar : day.bars)
        n += bar.brush == brush;
    return n;
}

const CalendarBar* FindBar(const CalendarDay& day, CalendarBrush brush)
{
    for (const CalendarBar& bar : day.bars)
        if (bar.brush == brush)
            return &bar;
    return nullptr;
}

double MinutesOf(const std::string& hhmmss)
{
    return std::stoi(hhmmss.substr(0, 2)) * 60.0 + std::stoi(hhmmss.substr(3, 2)) +
           std::stoi(hhmmss.substr(6, 2)) / 60.0;
}

}  // namespace

TEST(CalendarMonth, FebruaryLengthsAndPageHeights)
{
    const struct {
        int year;
        int days;
    } cases[] = {{2000, 29}, {2024, 29}, {1900, 28}, {2100, 28}, {2023, 28}};
    for (const auto& c : cases) {
        const CalendarMonth month = CalendarMonth::OfLocalTime(LocalNoon(c.year, 2, 14));
        EXPECT_EQ(month.Year(), c.year);
        EXPECT_EQ(month.Month(), 2);
        EXPECT_EQ(month.DayCount(), c.days) << c.year;
        EXPECT_EQ(month.PageWidth(), 730);
        EXPECT_EQ(month.PageHeight(), (4 * c.days + 1) * 17 + 30) << c.year;
        EXPECT_EQ(month.Compute(Site(0, 0, 0)).size(), static_cast<size_t>(c.days));
    }
    EXPECT_EQ(CalendarMonth::OfLocalTime(LocalNoon(2000, 2, 14)).PageHeight(), 2019);
    EXPECT_EQ(CalendarMonth::OfLocalTime(LocalNoon(1900, 2, 14)).PageHeight(), 1951);
}

TEST(CalendarMonth, MonthIsThatOfTheLocalDate)
{
    // 23:59 local on 31 January stays in January whatever UT says.
    const CalendarMonth jan = CalendarMonth::OfLocalTime(
        SkyTime(JulianDateFromCalendar(2024, 1, 31), 23.99));
    EXPECT_EQ(jan.Month(), 1);
    EXPECT_EQ(jan.DayCount(), 31);
    const CalendarMonth apr = CalendarMonth::OfLocalTime(LocalNoon(2024, 4, 30));
    EXPECT_EQ(apr.Month(), 4);
    EXPECT_EQ(apr.DayCount(), 30);
    const CalendarMonth dec = CalendarMonth::OfLocalTime(LocalNoon(2043, 12, 1));
    EXPECT_EQ(dec.Year(), 2043);
    EXPECT_EQ(dec.Month(), 12);
}

TEST(CalendarMonth, BeforeTheGregorianReformIsMonthZeroOfThirtyOneDays)
{
    const CalendarMonth old = CalendarMonth::OfLocalTime(SkyTime(SkyDate(2299159.5), 6.0));
    EXPECT_EQ(old.Year(), 0);
    EXPECT_EQ(old.Month(), 0);
    EXPECT_EQ(old.DayCount(), 31);
    EXPECT_EQ(old.PageHeight(), (4 * 31 + 1) * 17 + 30);
    // Still computes a table (no lunar dates so far back) without failing.
    const auto days = old.Compute(Site(127, 37.5, 9));
    ASSERT_EQ(days.size(), 31u);
    EXPECT_TRUE(days[0].cells[0][1].text.empty());

    const CalendarMonth reform = CalendarMonth::OfLocalTime(SkyTime(SkyDate(2299160.5), 0.0));
    EXPECT_EQ(reform.Year(), 1582);
    EXPECT_EQ(reform.Month(), 10);
}

TEST(CalendarMonth, Geometry)
{
    const CalendarMonth month(2024, 3);
    EXPECT_EQ(month.TableLeft(), 15);
    EXPECT_EQ(month.TableTop(), 15);
    EXPECT_EQ(month.TableRight(), 715);
    EXPECT_EQ(month.TableBottom(), 15 + 125 * 17);
    EXPECT_EQ(month.DayTop(1), 32);
    EXPECT_EQ(month.DayTop(2), 32 + 68);
    EXPECT_EQ(month.DayTop(31), 15 + 17 * 121);
    EXPECT_EQ(month.TimeX(0.0), kTimeLineLeft);
    EXPECT_EQ(month.TimeX(12.0), kTimeLineLeft + 250);
    EXPECT_EQ(month.TimeX(24.0), kTimeLineRight);
    EXPECT_EQ(month.TimeX(1.0), kTimeLineLeft + 20);
    EXPECT_EQ(month.TimeX(24.5), kTimeLineRight + 10);
}

TEST(CalendarMonth, DayTextsAndLunarDate)
{
    const CalendarMonth may(2020, 5);
    const auto days = may.Compute(Site(126.98, 37.57, 9));
    EXPECT_EQ(days[0].cells[0][0].text, "01일");
    EXPECT_EQ(days[22].cells[0][0].text, "23일");
    // 23 May 2020 is the first day of the leap fourth month.
    EXPECT_EQ(days[22].cells[0][1].text, "음력 윤04월 01일");
    EXPECT_FALSE(days[22].cells[0][1].dim);
    EXPECT_EQ(days[21].cells[0][1].text, "음력 04월 30일");

    const auto feb2003 = CalendarMonth(2003, 2).Compute(Site(126.98, 37.57, 9));
    EXPECT_EQ(feb2003[0].cells[0][1].text, "음력 01월 01일");
    // Row 2 of the Moon column holds the Moon's age at 0 h, "%.1f일": the new moons were
    // 2003-01-02 20:23 UT and 2003-02-01 10:48 UT, so at 0 h KST on 1 February (15:00 UT the
    // day before) it is 28.78 days old and a day later 0.18.
    constexpr double kClassicAgeToleranceDays = 0.4;  // the classic Moon's own error
    EXPECT_NEAR(std::stod(feb2003[0].cells[1][1].text), 28.78, kClassicAgeToleranceDays);
    EXPECT_NEAR(std::stod(feb2003[1].cells[1][1].text), 0.18, kClassicAgeToleranceDays);
    EXPECT_EQ(feb2003[0].cells[1][1].text.substr(feb2003[0].cells[1][1].text.size() - 3), "일");
    // Under them, the day's Moon phase or solar term, if any: the first day of the lunar year
    // is the day of the new moon (10:48 UT).
    EXPECT_EQ(feb2003[0].mark.text, "삭 19:48");
    EXPECT_TRUE(feb2003[1].mark.text.empty());
}

TEST(CalendarMonth, LunarCellEmptyOutsideTheTable)
{
    const auto jan1841 = CalendarMonth(1841, 1).Compute(Site(126.98, 37.57, 9));
    EXPECT_TRUE(jan1841[21].cells[0][1].text.empty());  // 22 January 1841
    EXPECT_EQ(jan1841[22].cells[0][1].text, "음력 01월 01일");

    const auto jan2044 = CalendarMonth(2044, 1).Compute(Site(126.98, 37.57, 9));
    for (const CalendarDay& day : jan2044)
        EXPECT_TRUE(day.cells[0][1].text.empty()) << day.day;
    const auto dec2043 = CalendarMonth(2043, 12).Compute(Site(126.98, 37.57, 9));
    EXPECT_EQ(dec2043[30].cells[0][1].text, "음력 12월 01일");
}

TEST(CalendarMonth, MoonFractionFormat)
{
    // Full Moon 25 January 2024 17:54 UT, new Moon 11 January 11:57 UT.
    const auto days = CalendarMonth(2024, 1).Compute(Site(0, 51.5, 0));
    const std::string full = days[25].cells[1][0].text;  // 0h of the 26th
    const std::string fresh = days[10].cells[1][0].text;
    ASSERT_EQ(full.size(), 7u);
    ASSERT_EQ(fresh.size(), 7u);
    EXPECT_EQ(full.back(), '%');
    EXPECT_EQ(full[4], '.');
    EXPECT_GT(std::stod(full), 90.0);
    EXPECT_LT(std::stod(fresh), 10.0);
    // Right-aligned in six characters: a value under 100 starts with a blank.
    EXPECT_EQ(fresh[0], ' ');
    for (const CalendarDay& day : days) {
        const double percent = std::stod(day.cells[1][0].text);
        EXPECT_GE(percent, 0.0);
        EXPECT_LE(percent, 100.0);
    }
}

TEST(CalendarMonth, SeoulSunriseAndSunsetNearTheAlmanac)
{
    // Korea Astronomy and Space Science Institute: Seoul, 21 June 2024, sunrise 05:11,
    // sunset 19:57 (KST).
    const auto days = CalendarMonth(2024, 6).Compute(Site(126.98, 37.57, 9));
    const CalendarDay& day = days[20];
    EXPECT_NEAR(MinutesOf(day.cells[2][0].text), 5 * 60 + 11, kAlmanacToleranceMinutes);
    EXPECT_NEAR(MinutesOf(day.cells[2][1].text), 19 * 60 + 57, kAlmanacToleranceMinutes);
    EXPECT_FALSE(day.cells[2][0].dim);
    // Every band is crossed at Seoul in June: night, four Sun bands, the Moon.
    EXPECT_EQ(CountBars(day, CalendarBrush::Night), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Astronomical), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Nautical), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Civil), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Day), 1);
    // Bands nest: each later brush lies within the earlier one.
    const CalendarBar* astro = FindBar(day, CalendarBrush::Astronomical);
    const CalendarBar* sunUp = FindBar(day, CalendarBrush::Day);
    ASSERT_TRUE(astro && sunUp);
    EXPECT_LT(astro->left, sunUp->left);
    EXPECT_GT(astro->right, sunUp->right);
}

TEST(CalendarMonth, CellsAndBarsFollowTheSunEvents)
{
    const Observer site = Site(126.98, 37.57, 9);
    const CalendarMonth month(2024, 3);
    const CalendarDay day = month.ComputeDay(20, site);
    const SunEventSet sun = SunEvents(2024, 3, 20, site);
    const struct {
        const RiseSetResult& r;
        int column;
        CalendarBrush brush;
    } bands[] = {{sun.astronomical, 5, CalendarBrush::Astronomical},
                 {sun.nautical, 4, CalendarBrush::Nautical},
                 {sun.civil, 3, CalendarBrush::Civil},
                 {sun.riseSet, 2, CalendarBrush::Day}};
    const int top = month.DayTop(20);
    for (const auto& b : bands) {
        ASSERT_EQ(b.r.status, RiseSetStatus::Normal);
        EXPECT_EQ(day.cells[b.column][0].text, FormatHours(b.r.begin));
        EXPECT_EQ(day.cells[b.column][1].text, FormatHours(b.r.end));
        const CalendarBar* bar = FindBar(day, b.brush);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->left, ExpectedX(b.r.begin));
        EXPECT_EQ(bar->right, ExpectedX(b.r.end));
        EXPECT_EQ(bar->top, top + 34);
        EXPECT_EQ(bar->bottom, top + 51);
    }
    const CalendarBar& night = day.bars.front();
    EXPECT_EQ(night.brush, CalendarBrush::Night);
    EXPECT_EQ(night.left, kTimeLineLeft);
    EXPECT_EQ(night.right, kTimeLineRight);
    EXPECT_EQ(night.top, top + 34);
    EXPECT_EQ(night.bottom, top + 68);
}

TEST(CalendarMonth, EquinoxDayChangesLittle)
{
    const auto days = CalendarMonth(2024, 3).Compute(Site(126.98, 37.57, 9));
    for (int i = 18; i <= 20; ++i) {
        for (int column = 2; column <= 5; ++column) {
            for (int row = 0; row < 2; ++row) {
                const double a = MinutesOf(days[i - 1].cells[column][row].text);
                const double b = MinutesOf(days[i].cells[column][row].text);
                EXPECT_LT(std::fabs(a - b), 3.0) << "day " << i + 1 << " column " << column;
            }
        }
    }
}

TEST(CalendarMonth, SixtyNorthInJuneHasNoAstronomicalTwilight)
{
    const CalendarMonth june(2024, 6);
    const auto days = june.Compute(Site(25.0, 60.0, 2));
    for (const CalendarDay& day : days) {
        EXPECT_EQ(day.cells[5][0].text, "없음") << day.day;
        EXPECT_EQ(day.cells[5][1].text, "없음");
        EXPECT_TRUE(day.cells[5][0].dim);
        // The Sun never goes below -18 degrees: astronomical twilight shades the whole night.
        const CalendarBar* astronomical = FindBar(day, CalendarBrush::Astronomical);
        ASSERT_NE(astronomical, nullptr);
        EXPECT_EQ(astronomical->left, kTimeLineLeft);
        EXPECT_EQ(astronomical->right, kTimeLineRight);
        // The Sun still rises, sets and crosses -6 degrees.
        EXPECT_EQ(CountBars(day, CalendarBrush::Civil), 1);
        EXPECT_EQ(CountBars(day, CalendarBrush::Day), 1);
        EXPECT_FALSE(day.cells[2][0].dim);
        EXPECT_EQ(day.cells[2][0].text.size(), 8u);
    }
}

TEST(CalendarMonth, SixtyNorthInMayKeepsNauticalTwilight)
{
    // Declination near 16 degrees: lowest altitude about -14, between the two thresholds.
    const CalendarDay day = CalendarMonth(2024, 5).ComputeDay(5, Site(25.0, 60.0, 2));
    EXPECT_EQ(day.cells[5][0].text, "없음");
    EXPECT_EQ(CountBars(day, CalendarBrush::Astronomical), 1);  // the whole night
    EXPECT_EQ(CountBars(day, CalendarBrush::Nautical), 1);
    EXPECT_FALSE(day.cells[4][0].dim);
    EXPECT_EQ(day.cells[4][0].text.size(), 8u);
}

TEST(CalendarMonth, MidnightSunAtSeventyNorth)
{
    const CalendarMonth june(2024, 6);
    const CalendarDay day = june.ComputeDay(21, Site(20.0, 70.0, 1));
    EXPECT_EQ(day.cells[2][0].text, "안짐");
    EXPECT_EQ(day.cells[2][1].text, "안짐");
    EXPECT_TRUE(day.cells[2][0].dim);
    for (int column = 3; column <= 5; ++column) {
        EXPECT_EQ(day.cells[column][0].text, "없음");
        EXPECT_EQ(day.cells[column][1].text, "없음");
    }
    // The Sun is up all day: the whole Sun line is day.
    const CalendarBar* sunUp = FindBar(day, CalendarBrush::Day);
    ASSERT_NE(sunUp, nullptr);
    EXPECT_EQ(sunUp->left, kTimeLineLeft);
    EXPECT_EQ(sunUp->right, kTimeLineRight);
    EXPECT_EQ(sunUp->top, june.DayTop(21) + 34);
    EXPECT_EQ(sunUp->bottom, june.DayTop(21) + 51);
    // Every twilight band lies under the day bar, all day long.
    EXPECT_EQ(CountBars(day, CalendarBrush::Astronomical), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Nautical), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Civil), 1);
}

TEST(CalendarMonth, PolarNightAtSeventyNorth)
{
    const CalendarDay day = CalendarMonth(2024, 12).ComputeDay(21, Site(20.0, 70.0, 1));
    EXPECT_EQ(day.cells[2][0].text, "안뜸");
    EXPECT_EQ(day.cells[2][1].text, "안뜸");
    EXPECT_TRUE(day.cells[2][1].dim);
    EXPECT_EQ(CountBars(day, CalendarBrush::Day), 0);
    // The Sun's noon altitude is about -3.4 degrees: every twilight happens.
    EXPECT_EQ(CountBars(day, CalendarBrush::Civil), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Nautical), 1);
    EXPECT_EQ(CountBars(day, CalendarBrush::Astronomical), 1);
    EXPECT_FALSE(day.cells[3][0].dim);
}

TEST(CalendarMonth, SunTimeAfterMidnightIsWrittenAsSuch)
{
    // Three hours west of its zone meridian at 60 degrees north: sunset after 24:00.
    const CalendarMonth june(2024, 6);
    const Observer site = Site(-45.0, 60.0, 0);
    const CalendarDay day = june.ComputeDay(10, site);
    const SunEventSet sun = SunEvents(2024, 6, 10, site);
    ASSERT_EQ(sun.riseSet.status, RiseSetStatus::Normal);
    ASSERT_GE(sun.riseSet.end, 24.0);
    EXPECT_EQ(day.cells[2][1].text.substr(0, 3), "24:");
    EXPECT_EQ(day.cells[2][1].text, FormatHours(sun.riseSet.end));
    const CalendarBar* sunUp = FindBar(day, CalendarBrush::Day);
    ASSERT_NE(sunUp, nullptr);
    EXPECT_GT(sunUp->right, kTimeLineRight);
    EXPECT_EQ(sunUp->right, ExpectedX(sun.riseSet.end));
}

TEST(CalendarMonth, SunriseBeforeMidnightIsNegative)
{
    const CalendarMonth june(2024, 6);
    const Observer site = Site(45.0, 60.0, 0);
    const SunEventSet sun = SunEvents(2024, 6, 10, site);
    ASSERT_LT(sun.riseSet.begin, 0.0);
    const CalendarDay day = june.ComputeDay(10, site);
    EXPECT_EQ(day.cells[2][0].text[0], '-');
    EXPECT_EQ(day.cells[2][0].text, FormatHours(sun.riseSet.begin));
}

// A day of March 2024 at Seoul on which the Moon both rises and sets: its events and its
// calendar block.
struct MoonDay {
    int d;
    RiseSetResult moon;
    CalendarDay day;
};

// The days on which the Moon rises after it sets (setsFirst) or before.
std::vector<MoonDay> SeoulMarchDaysWithBothMoonEvents(bool setsFirst)
{
    const Observer site = Site(126.98, 37.57, 9);
    const CalendarMonth month(2024, 3);
    std::vector<MoonDay> days;
    for (int d = 1; d <= month.DayCount(); ++d) {
        const RiseSetResult moon = MoonEvents(2024, 3, d, site);
        if (moon.HasBegin() && moon.HasEnd() &&
            (setsFirst ? moon.begin > moon.end : moon.begin < moon.end))
            days.push_back({d, moon, month.ComputeDay(d, site)});
    }
    return days;
}

TEST(CalendarMonth, MoonSettingBeforeRisingGivesTwoBars)
{
    const std::vector<MoonDay> days = SeoulMarchDaysWithBothMoonEvents(true);
    for (const auto& [d, moon, day] : days) {
        ASSERT_EQ(CountBars(day, CalendarBrush::Moon), 2) << d;
        const CalendarBar& first = day.bars[day.bars.size() - 2];
        const CalendarBar& second = day.bars.back();
        EXPECT_EQ(first.left, kTimeLineLeft);
        EXPECT_EQ(first.right, ExpectedX(moon.end));
        EXPECT_EQ(second.left, ExpectedX(moon.begin));
        EXPECT_EQ(second.right, kTimeLineRight);
        EXPECT_EQ(first.top, day.top + 51);
        EXPECT_EQ(first.bottom, day.top + 68);
        EXPECT_EQ(day.cells[6][0].text, FormatHours(moon.begin));
        EXPECT_EQ(day.cells[6][1].text, FormatHours(moon.end));
    }
    // About half the days of a month see the Moon set first.
    EXPECT_GE(days.size(), 8u);
}

TEST(CalendarMonth, MoonRisingBeforeSettingGivesOneBar)
{
    const std::vector<MoonDay> days = SeoulMarchDaysWithBothMoonEvents(false);
    for (const auto& [d, moon, day] : days) {
        ASSERT_EQ(CountBars(day, CalendarBrush::Moon), 1) << d;
        const CalendarBar& bar = day.bars.back();
        EXPECT_EQ(bar.left, ExpectedX(moon.begin));
        EXPECT_EQ(bar.right, ExpectedX(moon.end));
    }
    EXPECT_GE(days.size(), 8u);
}

TEST(CalendarMonth, DayWithoutMoonriseOrMoonset)
{
    const Observer site = Site(126.98, 37.57, 9);
    int noRise = 0;
    int noSet = 0;
    for (int m = 1; m <= 3; ++m) {
        const CalendarMonth month(2024, m);
        for (int d = 1; d <= month.DayCount(); ++d) {
            const RiseSetResult moon = MoonEvents(2024, m, d, site);
            if (moon.status != RiseSetStatus::Normal || (moon.HasBegin() == moon.HasEnd()))
                continue;
            const CalendarDay day = month.ComputeDay(d, site);
            ASSERT_EQ(CountBars(day, CalendarBrush::Moon), 1);
            const CalendarBar& bar = day.bars.back();
            if (moon.HasEnd()) {
                EXPECT_EQ(day.cells[6][0].text, "없음");
                EXPECT_TRUE(day.cells[6][0].dim);
                EXPECT_EQ(day.cells[6][1].text, FormatHours(moon.end));
                EXPECT_EQ(bar.left, kTimeLineLeft);
                EXPECT_EQ(bar.right, ExpectedX(moon.end));
                ++noRise;
            } else {
                EXPECT_EQ(day.cells[6][1].text, "없음");
                EXPECT_EQ(day.cells[6][0].text, FormatHours(moon.begin));
                EXPECT_EQ(bar.left, ExpectedX(moon.begin));
                EXPECT_EQ(bar.right, kTimeLineRight);
                ++noSet;
            }
        }
    }
    // Moonrise comes about 50 minutes later each day, so it skips a day once a month;
    // so does moonset.
    EXPECT_GE(noRise, 2);
    EXPECT_GE(noSet, 2);
}

TEST(CalendarMonth, SiteIsReadAtEveryComputation)
{
    const CalendarMonth month(2024, 6);
    Observer site = Site(126.98, 37.57, 9);
    const std::string seoul = month.ComputeDay(21, site).cells[2][0].text;
    site = Site(-0.13, 51.5, 1);  // London in summer time
    const std::string london = month.ComputeDay(21, site).cells[2][0].text;
    EXPECT_NE(seoul, london);
    // London, 21 June 2024: sunrise 04:43 BST.
    EXPECT_NEAR(MinutesOf(london), 4 * 60 + 43, kAlmanacToleranceMinutes);
}
