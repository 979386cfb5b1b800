#include "views/calendarmonth.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr float kDegToRad = 0.017453292519943295f;

Observer Site(float lonDeg, float latDeg, float fixedHours, const char* zone)
{
    Observer o("", "", lonDeg * kDegToRad, latDeg * kDegToRad, fixedHours);
    o.zoneName = zone;
    return o;
}

// The days around a change of the clocks: with the site's zone, the Sun's columns (twilights,
// sunrise and sunset, all after the change at 2 or 3 a.m.) read as a calendar computed with the
// fixed offset that was in force on that day's daylight.
TEST(CalendarZones, DaysOfChangeShowTheWallClock)
{
    const struct {
        const char* zone;
        float lon, lat, standard;
        int year, month, day;
        float offsetOfDaylight;
    } cases[] = {
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 3, 7, -5.0f},   // Saturday, EST
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 3, 8, -4.0f},   // spring: EDT
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 3, 9, -4.0f},
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 10, 31, -4.0f},
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 11, 1, -5.0f},  // autumn: EST
        {"America/New_York", -74.006f, 40.7143f, -5.0f, 2026, 11, 2, -5.0f},
        {"Asia/Seoul", 126.978f, 37.5665f, 9.0f, 1988, 5, 7, 9.0f},
        {"Asia/Seoul", 126.978f, 37.5665f, 9.0f, 1988, 5, 8, 10.0f},          // spring: KDT
        {"Asia/Seoul", 126.978f, 37.5665f, 9.0f, 1988, 10, 9, 9.0f},          // autumn: KST
        {"Asia/Seoul", 126.978f, 37.5665f, 9.0f, 1955, 1, 15, 8.5f},
    };
    for (const auto& c : cases) {
        const CalendarMonth month(c.year, c.month);
        const CalendarDay zoned = month.ComputeDay(c.day, Site(c.lon, c.lat, c.standard, c.zone));
        const CalendarDay fixed = month.ComputeDay(c.day, Site(c.lon, c.lat, c.offsetOfDaylight, ""));
        for (int column = 2; column <= 5; ++column)
            for (int row = 0; row < 2; ++row)
                EXPECT_EQ(zoned.cells[column][row].text, fixed.cells[column][row].text)
                    << c.zone << " " << c.year << "-" << c.month << "-" << c.day << " column " << column;
    }
}

// A whole month computed at once gives each day its own offset as well.
TEST(CalendarZones, MonthComputesEveryDayWithItsOwnOffset)
{
    const CalendarMonth march(2026, 3);
    const Observer newYork = Site(-74.006f, 40.7143f, -5.0f, "America/New_York");
    const std::vector<CalendarDay> days = march.Compute(newYork);
    ASSERT_EQ(days.size(), 31u);
    for (int day : {1, 7, 8, 20, 31}) {
        const float offset = day < 8 ? -5.0f : -4.0f;
        const CalendarDay fixed = march.ComputeDay(day, Site(-74.006f, 40.7143f, offset, ""));
        EXPECT_EQ(days[day - 1].cells[2][0].text, fixed.cells[2][0].text) << day;
        EXPECT_EQ(days[day - 1].cells[2][1].text, fixed.cells[2][1].text) << day;
    }
}

// A site without a zone name keeps its fixed offset all year.
TEST(CalendarZones, NoZoneNameKeepsTheFixedOffset)
{
    const CalendarMonth july(2026, 7);
    const CalendarDay day = july.ComputeDay(4, Site(-74.006f, 40.7143f, -5.0f, ""));
    const CalendarDay zoned = july.ComputeDay(4, Site(-74.006f, 40.7143f, -5.0f, "America/New_York"));
    EXPECT_EQ(day.cells[2][0].text.substr(0, 2), "04");    // 04:29 on standard time
    EXPECT_EQ(zoned.cells[2][0].text.substr(0, 2), "05");  // 05:29 on the wall clock
}

}  // namespace
