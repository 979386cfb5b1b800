#include "format/skytext.h"

#include "astro/math/angles.h"
#include "astro/time/skytime.h"
#include "astro/time/timescales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <string>

namespace {

TEST(Hours, FormatHours)
{
    EXPECT_EQ(FormatHours(-1.5), "-1:30:00");
    EXPECT_EQ(FormatHours(25.25), "25:15:00");
    EXPECT_EQ(FormatHours(-0.5), "-00:30:00");
    EXPECT_EQ(FormatHours(0.0), "00:00:00");
    EXPECT_EQ(FormatHours(23.999), "23:59:56");
    EXPECT_EQ(FormatHours(5.5), "05:30:00");
    EXPECT_EQ(FormatHours(15.99999999627), "16:00:00");
    EXPECT_EQ(FormatHours(-12.0), "-12:00:00");
    EXPECT_EQ(FormatHours(-1.0 / 3600), "-00:00:01");
    EXPECT_EQ(FormatHours(-1e-9), "00:00:00");  // no sign on a zero time
    EXPECT_EQ(FormatHours(std::nan("")), "00:00:00");
    EXPECT_EQ(FormatHours(1e300), "00:00:00");
    // A round trip through a Julian date: 01:00 local at +9 is 16:00 UT.
    const SkyTime ut = LocalToUT(SkyTime(SkyDate(2451544.5), 1.0), 9.0);
    EXPECT_EQ(FormatHours(ut.time.hours), "16:00:00");
}

TEST(LunarCalendar, DisplayText)
{
    LunarDate d{2020, 4, 1, true};
    EXPECT_EQ(FormatLunarDate(d), "음력 윤04월 01일");
    d.month = 12;
    d.day = 29;
    d.leap = false;
    EXPECT_EQ(FormatLunarDate(d), "음력 12월 29일");
}

TEST(InfoFormats, RightAscensionAndDeclination)
{
    EXPECT_EQ(FormatRightAscension(0.0), std::string("00h 00m 00s"));
    EXPECT_EQ(FormatRightAscension(kPi / 2), std::string("06h 00m 00s"));
    EXPECT_EQ(FormatRightAscension(2 * kPi - 1e-9), std::string("00h 00m 00s"));
    EXPECT_EQ(FormatRightAscension((19.0 + 45.0 / 60 + 12.0 / 3600) * kPi / 12), std::string("19h 45m 12s"));
    EXPECT_EQ(FormatDeclination(23.4392911 * kDegToRad), std::string("+23° 26′ 21″"));
    EXPECT_EQ(FormatDeclination(-(5.0 + 1.0 / 60) * kDegToRad), std::string("-05° 01′ 00″"));
    EXPECT_EQ(FormatDeclination(-1e-12), std::string("+00° 00′ 00″"));
    EXPECT_EQ(FormatArcMinutes(0.5 * kDegToRad), std::string("30.0′"));
    EXPECT_EQ(FormatGrouped(147098074.4), std::string("147,098,074"));
    EXPECT_EQ(FormatGrouped(999.6), std::string("1,000"));
    EXPECT_EQ(FormatGrouped(12.0), std::string("12"));
}

TEST(InfoFormats, HoursMinutesAndClockPositions)
{
    const std::pair<double, const char*> spans[] = {
        {0.0, "0시간 00분"},      {1.5, "1시간 30분"},  {23.999, "24시간 00분"},
        {5.0 / 60.0, "0시간 05분"}, {-1.0, "0시간 00분"}, {NAN, "0시간 00분"},
    };
    for (const auto& c : spans)
        EXPECT_EQ(FormatHoursMinutes(c.first), std::string(c.second)) << c.first;
    const std::pair<double, const char*> clocks[] = {
        {0.0, "12시 00분 방향"},   {4.5, "4시 30분 방향"},  {11.9999, "12시 00분 방향"},
        {12.25, "12시 15분 방향"}, {-0.5, "11시 30분 방향"}, {NAN, "12시 00분 방향"},
    };
    for (const auto& c : clocks)
        EXPECT_EQ(FormatClockPosition(c.first), std::string(c.second)) << c.first;
}

TEST(DateTimes, LocalDateTimeToTheMinute)
{
    struct Case {
        double jdUT;
        double zoneHours;
        const char* text;
    };
    const Case cases[] = {
        {2451545.0, 0.0, "2000-01-01 12:00"},
        {2451545.0, 9.0, "2000-01-01 21:00"},
        {2451544.5, -5.0, "1999-12-31 19:00"},
        {2460409.2620, 9.0, "2024-04-09 03:17"},      // 18:17:16 UT on 8 April
        {2451544.5 - 0.2 / 1440.0, 0.0, "2000-01-01 00:00"},  // rounds up across midnight
        {NAN, 9.0, "----"},
        {2299000.5, 0.0, "----"},  // before the Gregorian calendar
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatLocalDateTime(c.jdUT, c.zoneHours), c.text) << c.jdUT;
}

}  // namespace
