// kosmira-almanac phenomena: its arguments and the shape of its JSON.
#include "almanacrun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(AlmanacPhenomena, BadArgumentsGiveOneLineAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"phenomena"},
        {"phenomena", "--year"},
        {"phenomena", "--year", "2027.5"},
        {"phenomena", "--year", "999"},
        {"phenomena", "--year", "3001"},
        {"phenomena", "--year", "nan"},
        {"phenomena", "--year", "2027x"},
        {"phenomena", "--year", "1e400"},
        {"phenomena", "--year", "2027", "--lat", "37.5"},
        {"phenomena", "--year", "2027", "--lat", "91", "--lon", "0"},
        {"phenomena", "--year", "2027", "--lat", "0", "--lon", "181"},
        {"phenomena", "--year", "2027", "--zone", "15"},
        {"phenomena", "--year", "2027", "--zone", ""},
        {"phenomena", "--year", "2027", "--model", "classic"},
        {"phenomena", "--year", "2027", "--year", "2028"},
    };
    ExpectBadCalls(cases);
}

TEST(AlmanacPhenomena, YearOf2024)
{
    const Result r = Almanac({"phenomena", "--year", "2024", "--lat", "32.7767", "--lon",
                              "-96.797", "--zone", "-6"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.front(), '[');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "]\n");
    // Every event carries exactly the five public keys.
    const int events = Count(r.out, "{\"kind\":");
    EXPECT_EQ(Count(r.out, "\"utc\":"), events);
    EXPECT_EQ(Count(r.out, "\"name_ko\":"), events);
    EXPECT_EQ(Count(r.out, "\"bodies\":["), events);
    EXPECT_EQ(Count(r.out, "\"details\":{"), events);
    // 2024 in Central Standard Time: 13 new moons (the last on 30 December), 12 full moons,
    // 24 terms, two solar and two lunar eclipses.
    EXPECT_EQ(Count(r.out, "\"kind\":\"new_moon\""), 13);
    EXPECT_EQ(Count(r.out, "\"kind\":\"full_moon\""), 12);
    EXPECT_EQ(Count(r.out, "\"kind\":\"solar_term\""), 24);
    EXPECT_EQ(Count(r.out, "\"kind\":\"solar_eclipse\""), 2);
    EXPECT_EQ(Count(r.out, "\"kind\":\"lunar_eclipse\""), 2);
    // The total eclipse of 8 April, greatest at 18:17 UT, seen from Dallas.
    const std::size_t eclipse = r.out.find("\"kind\":\"solar_eclipse\",\"utc\":\"2024-04-08T18:17:");
    ASSERT_NE(eclipse, std::string::npos);
    const std::string rest = r.out.substr(eclipse, 600);
    EXPECT_NE(rest.find("\"name_ko\":\"개기일식\""), std::string::npos) << rest;
    EXPECT_NE(rest.find("\"type\":\"total\""), std::string::npos) << rest;
    EXPECT_NE(rest.find("\"visible\":true"), std::string::npos) << rest;
    EXPECT_NE(rest.find("\"total_begin\":\"2024-04-08T18:40:"), std::string::npos) << rest;
    // 입춘 of 2024: 4 February 08:27 UT.
    EXPECT_NE(r.out.find("\"utc\":\"2024-02-04T08:27:"), std::string::npos);
    // Time order.
    std::string last;
    for (std::size_t at = r.out.find("\"utc\":\""); at != std::string::npos;
         at = r.out.find("\"utc\":\"", at + 1)) {
        const std::string utc = r.out.substr(at + 7, 20);
        EXPECT_LE(last, utc);
        last = utc;
    }
}

}  // namespace
