#include "almanacrun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kHoursPerMinute = 1.0 / 60.0;
constexpr double kSameEventToleranceHours = 1e-6;

// The number after the n-th occurrence of key (e.g. "\"zone_hours\":") in out.
double NumberAfter(const std::string& out, const std::string& key, int occurrence = 0)
{
    std::size_t at = 0;
    for (int i = 0; i <= occurrence; ++i) {
        at = out.find(key, i == 0 ? 0 : at + 1);
        if (at == std::string::npos) {
            ADD_FAILURE() << key << " #" << occurrence << " not in " << out.substr(0, 200);
            return 0.0;
        }
    }
    return std::strtod(out.c_str() + at + key.size(), nullptr);
}

double SunRise(const std::string& out, int day = 0) { return NumberAfter(out, "\"sun\":{\"rise\":", day); }

std::vector<std::string> Events(const char* date, const char* lat, const char* lon,
                                std::vector<std::string> zone)
{
    std::vector<std::string> a = {"events", "--date", date, "--lat", lat, "--lon", lon, "--model", "classic"};
    a.insert(a.end(), zone.begin(), zone.end());
    return a;
}

TEST(AlmanacTz, NewYorkSunriseOnTheFourthOfJulyIsOnSummerTime)
{
    const Result r = Almanac(Events("2026-07-04", "40.7143", "-74.006", {"--tz", "America/New_York"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(NumberAfter(r.out, "\"zone_hours\":"), -4.0);
    EXPECT_NE(r.out.find("\"tz\":\"America/New_York\""), std::string::npos);
    // Published: sunrise 05:29 EDT, sunset 20:31 EDT (U.S. Naval Observatory tables).
    EXPECT_NEAR(SunRise(r.out), 5.0 + 29 * kHoursPerMinute, 3 * kHoursPerMinute);
    EXPECT_NEAR(NumberAfter(r.out, "\"set\":"), 20.0 + 31 * kHoursPerMinute, 3 * kHoursPerMinute);
}

// zone_hours as tzdata records Korea's history; the times equal a run with that fixed offset.
TEST(AlmanacTz, KoreanHistoricalOffsets)
{
    const struct {
        const char* date;
        double zone;
        const char* fixed;
    } cases[] = {
        {"1910-06-15", 8.5, "8.5"},  {"1930-06-15", 9.0, "9"},    {"1949-07-01", 10.0, "10"},
        {"1955-01-15", 8.5, "8.5"},  {"1955-07-01", 9.5, "9.5"},  {"1961-12-01", 9.0, "9"},
        {"1987-07-01", 10.0, "10"},  {"1988-06-15", 10.0, "10"},  {"1988-12-15", 9.0, "9"},
        {"2026-06-15", 9.0, "9"},
    };
    for (const auto& c : cases) {
        const Result zoned = Almanac(Events(c.date, "37.5665", "126.978", {"--tz", "Asia/Seoul"}));
        ASSERT_EQ(zoned.status, 0) << zoned.err;
        EXPECT_EQ(NumberAfter(zoned.out, "\"zone_hours\":"), c.zone) << c.date;
        const Result fixed = Almanac(Events(c.date, "37.5665", "126.978", {"--zone", c.fixed}));
        ASSERT_EQ(fixed.status, 0) << fixed.err;
        EXPECT_NEAR(SunRise(zoned.out), SunRise(fixed.out), kSameEventToleranceHours) << c.date;
    }
}

// The month of a spring and an autumn change in New York: every day's zone_hours and sunrise
// match a run with the fixed offset of that day's daylight.
TEST(AlmanacTz, MonthUsesEachDaysOwnOffset)
{
    const struct {
        const char* month;
        int day;  // 1-based
        double zone;
        const char* fixed;
    } cases[] = {
        {"3", 7, -5.0, "-5"}, {"3", 8, -4.0, "-4"}, {"3", 9, -4.0, "-4"},
        {"10", 31, -4.0, "-4"}, {"11", 1, -5.0, "-5"}, {"11", 2, -5.0, "-5"},
    };
    for (const auto& c : cases) {
        const Result month = Almanac({"month", "--year", "2026", "--month", c.month, "--lat", "40.7143",
                                      "--lon", "-74.006", "--tz", "America/New_York", "--model", "classic"});
        ASSERT_EQ(month.status, 0) << month.err;
        EXPECT_EQ(NumberAfter(month.out, "\"zone_hours\":", c.day - 1), c.zone) << c.month << "/" << c.day;
        char date[16];
        std::snprintf(date, sizeof date, "2026-%02d-%02d", std::atoi(c.month), c.day);
        const Result fixed = Almanac(Events(date, "40.7143", "-74.006", {"--zone", c.fixed}));
        EXPECT_NEAR(SunRise(month.out, c.day - 1), SunRise(fixed.out), kSameEventToleranceHours)
            << date;
    }
}

TEST(AlmanacTz, BadZonesAreRefused)
{
    ExpectBadCalls({
        Events("2026-07-04", "40", "-74", {"--tz", "America/Atlantis"}),
        Events("2026-07-04", "40", "-74", {"--tz", ""}),
        Events("2026-07-04", "40", "-74", {"--tz", "America/New_York", "--zone", "-5"}),
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "40", "--lon", "-74", "--tz", "UTC"},
    });
}

}  // namespace
