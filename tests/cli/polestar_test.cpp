// kosmira-almanac pole-star: the public keys, the star by hemisphere, and bad arguments.
#include "almanacrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Result = AlmanacResult;


TEST(PoleStarCommand, PrintsExactlyThePublicKeys)
{
    const Result r = Almanac({"pole-star", "--utc", "2026-12-08T12:00:00", "--lat", "37.5665",
                              "--lon", "126.978"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const std::vector<std::string> keys = {"star", "ra_deg", "dec_deg", "hour_angle_h",
                                           "pole_distance_arcmin", "next_upper_transit_utc"};
    std::size_t last = 0;
    for (const std::string& k : keys) {
        const std::size_t at = r.out.find("\"" + k + "\":");
        ASSERT_NE(at, std::string::npos) << k;
        EXPECT_GT(at, last) << k;  // in this order
        last = at;
    }
    std::size_t colons = 0;
    for (char c : r.out)
        colons += c == ':' ? 1 : 0;
    EXPECT_EQ(colons, keys.size() + 2);  // six keys, and the two colons of the time
    EXPECT_EQ(StringAfter(r.out, "star"), "polaris");
    // Polaris in December 2026: Dec about +89 deg 22', so the pole distance is 60 (90 - Dec).
    const double dec = NumberAfter(r.out, "dec_deg");
    EXPECT_NEAR(dec, 89.37, 0.03);
    EXPECT_NEAR(NumberAfter(r.out, "pole_distance_arcmin"), (90.0 - dec) * 60.0, 1e-6);
    const double ha = NumberAfter(r.out, "hour_angle_h");
    EXPECT_GE(ha, 0.0);
    EXPECT_LT(ha, 24.0);
    // The next transit comes after the hour angle still to run (sidereal hours).
    const std::string transit = StringAfter(r.out, "next_upper_transit_utc");
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_EQ(std::sscanf(transit.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s), 6)
        << transit;
    const double hoursAfter = (d - 8) * 24.0 + h + mi / 60.0 + s / 3600.0 - 12.0;
    EXPECT_NEAR(hoursAfter, (24.0 - ha) / 1.0027379, 1.0 / 60.0) << transit;
    EXPECT_EQ(r.out.back(), '\n');
}

TEST(PoleStarCommand, TheStarFollowsTheHemisphere)
{
    struct Case {
        const char* lat;
        const char* star;
    };
    const Case cases[] = {{"37.5665", "polaris"}, {"0", "polaris"},   {"89.9", "polaris"},
                          {"-33.87", "sigma_octantis"}, {"-0.01", "sigma_octantis"},
                          {"-89.9", "sigma_octantis"}};
    for (const Case& c : cases) {
        const Result r =
            Almanac({"pole-star", "--utc", "2030-06-01T00:00:00Z", "--lat", c.lat, "--lon", "0"});
        ASSERT_EQ(r.status, 0) << c.lat << r.err;
        EXPECT_EQ(StringAfter(r.out, "star"), c.star) << c.lat;
        if (std::string(c.star) == "sigma_octantis") {
            EXPECT_LT(NumberAfter(r.out, "dec_deg"), -88.7);  // about -88 deg 49' in 2030
            EXPECT_NEAR(NumberAfter(r.out, "pole_distance_arcmin"),
                        (90.0 + NumberAfter(r.out, "dec_deg")) * 60.0, 1e-6);
        }
    }
}

TEST(PoleStarCommand, TransitDatesAcrossMonthsYearsAndCenturies)
{
    // The next transit falls within a sidereal day: on the same or the next calendar day,
    // the proleptic Gregorian calendar before 1582 included.
    struct Case {
        const char* utc;
        const char* sameDay;
        const char* nextDay;
    };
    const Case cases[] = {
        {"2026-12-31T23:59:59", "2026-12-31", "2027-01-01"},
        {"2028-02-28T23:00:00", "2028-02-28", "2028-02-29"},
        {"1200-03-01T00:00:00", "1200-03-01", "1200-03-02"},
        {"1000-01-01T12:00:00", "1000-01-01", "1000-01-02"},
        {"2999-12-31T20:00:00", "2999-12-31", "3000-01-01"},
    };
    for (const Case& c : cases) {
        const Result r = Almanac({"pole-star", "--utc", c.utc, "--lat", "10", "--lon", "0"});
        ASSERT_EQ(r.status, 0) << c.utc << r.err;
        const std::string date = StringAfter(r.out, "next_upper_transit_utc").substr(0, 10);
        EXPECT_TRUE(date == c.sameDay || date == c.nextDay) << c.utc << " -> " << date;
    }
}

TEST(PoleStarCommand, BadArgumentsGiveOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"pole-star"},
        {"pole-star", "--utc", "2026-12-08T12:00:00", "--lat", "37.5"},
        {"pole-star", "--utc", "2026-12-08", "--lat", "37.5", "--lon", "127"},
        {"pole-star", "--utc", "2026-12-08T12:00:00", "--lat", "91", "--lon", "127"},
        {"pole-star", "--utc", "2026-12-08T12:00:00", "--lat", "nan", "--lon", "127"},
        {"pole-star", "--utc", "2026-12-08T12:00:00", "--lat", "37", "--lon", "127",
         "--zone", "9"},
        {"pole-star", "--utc", "3026-12-08T12:00:00", "--lat", "37", "--lon", "127"},
    };
    for (const auto& args : cases) {
        const Result r = Almanac(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

}  // namespace
