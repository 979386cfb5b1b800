// The calendar's marks of solar terms and Moon phases against the times published by the
// Korea Astronomy and Space Science Institute (Korean Standard Time, to the minute).
#include "views/calendarmarks.h"
#include "views/calendarmonth.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"

#include <gtest/gtest.h>

namespace {

TEST(CalendarMarks, SolarTermsAndPhasesOnTheirKoreanDays)
{
    struct Case {
        int year, month, day;
        const char* text;
    };
    const Case cases[] = {
        {2024, 2, 4, "입춘 17:27"},   // KASI 2024 solar terms
        {2024, 12, 21, "동지 18:21"},
        {2024, 4, 9, "삭 03:21"},     // the new moon of the eclipse of 8 April (18:21 UT)
        {2025, 9, 8, "망 03:09"},     // the total lunar eclipse's full moon (18:09 UT)
        {2024, 2, 5, ""},
    };
    for (const Case& c : cases) {
        const CalendarCell cell = DayMarkCell(JulianDateFromCalendar(c.year, c.month, c.day), 9.0);
        EXPECT_EQ(cell.text, c.text) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_FALSE(cell.dim);
    }
}

TEST(CalendarMarks, TheMonthCarriesThemUnderTheMoonsAge)
{
    const Observer seoul("", "서울", static_cast<float>(126.978 * kDegToRad),
                         static_cast<float>(37.5665 * kDegToRad), 9.0f);
    const std::vector<CalendarDay> days = CalendarMonth(2024, 2).Compute(seoul);
    int marked = 0;
    for (const CalendarDay& d : days)
        marked += !d.mark.text.empty();
    // February 2024: 입춘, 우수 and the four phases.
    EXPECT_EQ(marked, 6);
    EXPECT_EQ(days[3].mark.text, "입춘 17:27");
    EXPECT_EQ(days[3].cells[1][1].text.substr(days[3].cells[1][1].text.size() - 3), "일");
}

}  // namespace
