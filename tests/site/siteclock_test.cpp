#include "site/siteclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "astro/time/juliandate.h"
#include "catalog/catalogparser.h"

namespace {

constexpr double kOffsetToleranceHours = 1e-9;

// Julian date (UT) of a civil date and time given in UT.
double UtJD(int year, int month, int day, double hoursUT)
{
    return JulianDateFromCalendar(year, month, day).jd + hoursUT / 24.0;
}

// Offsets of Asia/Seoul as tzdata's "asia" file records them: KST +8:30 from 1908-04-01,
// JST +9 from 1912, summer time 1948-1951, +8:30 again from 1954-03-21 with summer time
// (+9:30) 1955-1960, +9 from 1961-08-10, and the summers of 1987 and 1988 at +10.
struct ZoneCase {
    const char* zone;
    int year, month, day;
    double hoursUT;
    double offsetHours;
};

const ZoneCase kSeoulHistory[] = {
    {"Asia/Seoul", 1908, 6, 1, 3.0, 8.5},
    {"Asia/Seoul", 1911, 12, 31, 3.0, 8.5},
    {"Asia/Seoul", 1912, 1, 2, 3.0, 9.0},
    {"Asia/Seoul", 1930, 1, 1, 3.0, 9.0},
    {"Asia/Seoul", 1949, 7, 1, 3.0, 10.0},
    {"Asia/Seoul", 1949, 12, 1, 3.0, 9.0},
    {"Asia/Seoul", 1954, 3, 19, 3.0, 9.0},
    {"Asia/Seoul", 1954, 3, 22, 3.0, 8.5},
    {"Asia/Seoul", 1955, 1, 15, 3.0, 8.5},
    {"Asia/Seoul", 1955, 7, 1, 3.0, 9.5},
    {"Asia/Seoul", 1960, 7, 1, 3.0, 9.5},
    {"Asia/Seoul", 1961, 8, 1, 3.0, 8.5},
    {"Asia/Seoul", 1961, 8, 11, 3.0, 9.0},
    {"Asia/Seoul", 1987, 5, 1, 3.0, 9.0},
    {"Asia/Seoul", 1987, 7, 1, 3.0, 10.0},
    {"Asia/Seoul", 1987, 11, 1, 3.0, 9.0},
    {"Asia/Seoul", 1988, 6, 15, 3.0, 10.0},
    {"Asia/Seoul", 1989, 6, 15, 3.0, 9.0},
    {"Asia/Seoul", 2026, 7, 4, 3.0, 9.0},
    // New York: EDT from 2026-03-08 07:00 UT to 2026-11-01 06:00 UT.
    {"America/New_York", 2026, 1, 15, 12.0, -5.0},
    {"America/New_York", 2026, 3, 8, 6.99, -5.0},
    {"America/New_York", 2026, 3, 8, 7.01, -4.0},
    {"America/New_York", 2026, 7, 4, 12.0, -4.0},
    {"America/New_York", 2026, 11, 1, 5.99, -4.0},
    {"America/New_York", 2026, 11, 1, 6.01, -5.0},
    // Southern summer: Sydney +11 in January, +10 in July; Kathmandu +5:45.
    {"Australia/Sydney", 2026, 1, 15, 0.0, 11.0},
    {"Australia/Sydney", 2026, 7, 15, 0.0, 10.0},
    {"Asia/Kathmandu", 2026, 7, 15, 0.0, 5.75},
};

TEST(SiteClock, OffsetsAtInstantsFollowTzdata)
{
    for (const ZoneCase& c : kSeoulHistory) {
        const SiteClock clock(c.zone, 0.0);
        ASSERT_TRUE(clock.Known()) << c.zone;
        EXPECT_NEAR(clock.OffsetAtUT(UtJD(c.year, c.month, c.day, c.hoursUT)), c.offsetHours,
                    kOffsetToleranceHours)
            << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(SiteClock, UnknownOrEmptyZoneKeepsTheFixedOffset)
{
    const struct {
        const char* zone;
        double fixed;
    } cases[] = {{"", 9.0}, {"Mars/Olympus_Mons", -3.5}, {"not a zone", 5.75}};
    for (const auto& c : cases) {
        const SiteClock clock(c.zone, c.fixed);
        EXPECT_FALSE(clock.Known()) << c.zone;
        EXPECT_EQ(clock.OffsetAtUT(UtJD(1988, 6, 15, 3.0)), c.fixed) << c.zone;
        EXPECT_EQ(clock.OffsetAtLocal(UtJD(1988, 6, 15, 12.0)), c.fixed) << c.zone;
    }
}

TEST(SiteClock, BeforeTheFirstChangeTheFixedOffsetStandsForLocalMeanTime)
{
    // tzdata gives Seoul LMT +8:27:52 before 1908-04-01; the site's fixed offset holds there.
    const SiteClock clock("Asia/Seoul", 9.0);
    EXPECT_EQ(clock.OffsetAtUT(UtJD(1900, 1, 1, 0.0)), 9.0);
    EXPECT_EQ(clock.OffsetAtUT(UtJD(1000, 1, 1, 0.0)), 9.0);
    EXPECT_EQ(clock.OffsetAtUT(std::nan("")), 9.0);
}

TEST(SiteClock, WallClockReadingsAroundChanges)
{
    // Local civil readings (Julian date of the wall clock) and the offset they are read with.
    const struct {
        const char* zone;
        int year, month, day;
        double wallHours;
        double offsetHours;
    } cases[] = {
        {"America/New_York", 2026, 3, 8, 1.5, -5.0},   // before the spring change
        {"America/New_York", 2026, 3, 8, 2.5, -5.0},   // skipped: read with the earlier offset
        {"America/New_York", 2026, 3, 8, 3.5, -4.0},
        {"America/New_York", 2026, 11, 1, 0.5, -4.0},
        {"America/New_York", 2026, 11, 1, 1.5, -4.0},  // repeated: the first (summer) one
        {"America/New_York", 2026, 11, 1, 2.5, -5.0},
        {"Asia/Seoul", 1988, 5, 8, 1.5, 9.0},
        {"Asia/Seoul", 1988, 5, 8, 3.5, 10.0},
        {"Asia/Seoul", 1988, 10, 9, 2.5, 10.0},  // repeated: the summer one first
        {"Asia/Seoul", 1988, 10, 9, 3.5, 9.0},
        {"Asia/Seoul", 1988, 6, 15, 12.0, 10.0},
    };
    for (const auto& c : cases) {
        const SiteClock clock(c.zone, 0.0);
        EXPECT_NEAR(clock.OffsetAtLocal(JulianDateFromCalendar(c.year, c.month, c.day).jd +
                                        c.wallHours / 24.0),
                    c.offsetHours, kOffsetToleranceHours)
            << c.zone << " " << c.month << "/" << c.day << " " << c.wallHours;
    }
}

TEST(SiteClock, SiteAtLocalKeepsEverythingButTheOffset)
{
    Observer seoul("서울특별시", "서울", 2.2162f, 0.6557f, 9.0f);
    seoul.zoneName = "Asia/Seoul";
    const Observer summer = SiteAtLocal(seoul, SkyTime(JulianDateFromCalendar(1988, 6, 15), SkyHours(21.0)));
    EXPECT_EQ(summer.timeZone, 10.0f);
    EXPECT_EQ(summer.zoneName, "Asia/Seoul");
    EXPECT_EQ(summer.name, "서울");
    EXPECT_EQ(summer.longitude, seoul.longitude);
    const Observer winter = SiteAtUT(seoul, UtJD(1988, 12, 1, 0.0));
    EXPECT_EQ(winter.timeZone, 9.0f);
}

TEST(SiteClock, OffsetTexts)
{
    const struct {
        double hours;
        const char* text;
    } cases[] = {{9.0, "UTC+09:00"}, {-4.0, "UTC-04:00"}, {5.75, "UTC+05:45"}, {8.5, "UTC+08:30"},
                 {0.0, "UTC+00:00"}, {-3.5, "UTC-03:30"}, {-0.0001, "UTC+00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(OffsetText(c.hours), c.text) << c.hours;
}

TEST(SiteClock, NearestCityOnTheSphere)
{
    constexpr double kDeg = 0.017453292519943295;
    std::vector<Observer> owned;
    for (const char* line : {"미국\t뉴욕\t-74.006\t40.7143\t-5\tAmerica/New_York",
                             "미국\t시카고\t-87.65\t41.85\t-6\tAmerica/Chicago",
                             "서울특별시\t서울\t126.9784\t37.5660\t9\tAsia/Seoul",
                             "피지\t수바\t178.4419\t-18.1416\t12\tPacific/Fiji",
                             "사모아\t아피아\t-171.76\t-13.83\t13\tPacific/Apia"})
        owned.push_back(ParseCityLine(line));
    std::vector<const Observer*> cities;
    for (const auto& c : owned)
        cities.push_back(&c);
    const struct {
        double lonDeg, latDeg;
        const char* expected;
    } cases[] = {
        {-74.0, 41.0, "뉴욕"},     // the map click of a New Yorker: zone -5, not -4
        {-80.0, 40.0, "뉴욕"},
        {-88.0, 42.0, "시카고"},
        {127.0, 37.0, "서울"},
        {179.9, -17.0, "수바"},    // across the date line, Apia is farther than Suva
        {-179.9, -15.0, "수바"},
    };
    for (const auto& c : cases) {
        const int i = NearestCity(cities, c.lonDeg * kDeg, c.latDeg * kDeg);
        ASSERT_GE(i, 0);
        EXPECT_EQ(cities[i]->name, c.expected) << c.lonDeg << " " << c.latDeg;
    }
    EXPECT_EQ(NearestCity({}, 0.0, 0.0), -1);
    // Nothing within 10 degrees of arc of the middle of the Pacific.
    EXPECT_EQ(NearestCity(cities, -150.0 * kDeg, 0.0, 10.0 * kDeg), -1);
    EXPECT_GE(NearestCity(cities, -74.0 * kDeg, 41.0 * kDeg, 10.0 * kDeg), 0);
}

TEST(CityList, SixthFieldIsTheZoneNameAndFiveFieldLinesStillLoad)
{
    const auto withZone = ParseCityLine("미국\t뉴욕\t-74.006\t40.7143\t-5\tAmerica/New_York\r");
    EXPECT_EQ(withZone.timeZone, -5.0f);
    EXPECT_EQ(withZone.zoneName, "America/New_York");
    const auto old = ParseCityLine("대한민국\t서울\t126.98\t37.57\t9");
    EXPECT_EQ(old.timeZone, 9.0f);
    EXPECT_EQ(old.zoneName, "");
    EXPECT_FALSE(SiteClock(old).Known());
    EXPECT_EQ(SiteClock(old).OffsetAtUT(UtJD(1988, 6, 15, 3.0)), 9.0);
}

}  // namespace
