#include "almanacrun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kSeoul = {"--lat", "37.5665", "--lon", "126.978"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Each bad call: exit status 2, nothing on standard output, one line on standard error.
TEST(Almanac, BadArgumentsGiveOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"orbit"},
        {"positions"},
        With({"positions", "--utc", "2026-12-08"}, kSeoul),
        With({"positions", "--utc", "2026-02-30T00:00:00"}, kSeoul),
        With({"positions", "--utc", "2026-12-08T24:00:00"}, kSeoul),
        With({"positions", "--utc", "0500-12-08T12:00:00"}, kSeoul),
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "91", "--lon", "0"},
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "nan", "--lon", "0"},
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "1e400", "--lon", "0"},
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "10x", "--lon", "0"},
        {"positions", "--utc", "2026-12-08T12:00:00", "--lat", "10"},
        With({"positions", "--utc", "2026-12-08T12:00:00", "--model", "kepler"}, kSeoul),
        With({"positions", "--utc", "2026-12-08T12:00:00", "--height-m", "1e9"}, kSeoul),
        With({"positions", "--utc", "2026-12-08T12:00:00", "--zone", "9"}, kSeoul),
        With({"positions", "--utc", "2026-12-08T12:00:00", "--lat"}, {}),
        With({"events", "--date", "2026-12-21"}, kSeoul),
        With({"events", "--date", "2026-12-21", "--zone", "15"}, kSeoul),
        With({"events", "--date", "2026-12-21", "--zone", "9", "--zone", "9"}, kSeoul),
        With({"month", "--year", "2026", "--month", "13", "--zone", "9"}, kSeoul),
        With({"month", "--year", "99999999999", "--month", "1", "--zone", "9"}, kSeoul),
        {"lunar", "--date", "2026-2-17"},
        {"lunar"},
    };
    ExpectBadCalls(cases);
}

TEST(Almanac, LunarInsideAndOutsideTheTable)
{
    const Result seollal = Almanac({"lunar", "--date", "2026-02-17"});
    EXPECT_EQ(seollal.status, 0);
    EXPECT_EQ(seollal.out, "{\"year\":2026,\"month\":1,\"day\":1,\"leap\":false}\n");
    const Result outside = Almanac({"lunar", "--date", "2050-01-01"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_TRUE(outside.out.empty());
}

TEST(Almanac, EveryCommandPrintsItsKeys)
{
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> keys;
    } cases[] = {
        {With({"positions", "--utc", "2026-12-08T12:00:00"}, kSeoul),
         {"\"utc\":", "\"jd_ut\":", "\"jd_tt\":", "\"model\":\"precise\"", "\"name\":\"pluto\"",
          "\"ra_deg\":", "\"ecl_lat_deg\":", "\"az_deg\":", "\"distance_au\":", "\"magnitude\":",
          "\"illuminated\":", "\"diameter_arcsec\":"}},
        {With({"events", "--date", "2026-12-21", "--zone", "9", "--model", "classic"}, kSeoul),
         {"\"zone_hours\":9", "\"model\":\"classic\"", "\"sun\":{\"rise\":", "\"civil\":",
          "\"nautical\":", "\"astronomical\":", "\"moon\":", "\"neptune\":", "\"status\":\"normal\""}},
        {With({"month", "--year", "2026", "--month", "2", "--zone", "9"}, kSeoul),
         {"\"year\":2026", "\"month\":2", "\"date\":\"2026-02-28\"", "\"lunar\":{\"year\":2026",
          "\"illuminated\":", "\"moon_age_days\":"}},
        {{"--help"}, {"positions", "events", "month", "lunar"}},
    };
    for (const auto& c : cases) {
        const Result r = Almanac(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        for (const auto& key : c.keys)
            EXPECT_NE(r.out.find(key), std::string::npos) << key;
    }
    // A month of February 2026 has 28 days.
    const Result feb = Almanac(With({"month", "--year", "2026", "--month", "2", "--zone", "9"}, kSeoul));
    EXPECT_EQ(feb.out.find("2026-02-29"), std::string::npos);
}

}  // namespace
