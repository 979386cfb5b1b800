// kosmira-almanac find: the public keys, the first match, exit status 1 for no match.
#include "almanacrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

const std::string kData = KOSMIRA_SOURCE_DIR;


TEST(FindCommand, NamesKindPlaceAndMagnitude)
{
    const struct {
        const char* query;
        const char* name;
        const char* kind;
        double raDeg, decDeg, magnitude;  // J2000 (Hipparcos; SEDS for M42), V
        const char* constellation;
    } cases[] = {
        {"베텔게우스", "베텔게우스", "star", 88.7929, 7.4071, 0.45, "오리온자리"},
        {"alpha ori", "베텔게우스", "star", 88.7929, 7.4071, 0.45, "오리온자리"},
        {"ㅂㅌㄱㅇㅅ", "베텔게우스", "star", 88.7929, 7.4071, 0.45, "오리온자리"},
        {"Sirius", "시리우스", "star", 101.2872, -16.7161, -1.44, "큰개자리"},
        {"M 42", "오리온 대성운", "messier", 83.85, -5.45, 4.0, "오리온자리"},
        // By Hipparcos number: a named star, stars of the deep list (HD 80606, Barnard's star)
        {"HIP 27989", "베텔게우스", "star", 88.7929, 7.4071, 0.45, "오리온자리"},
        {"HIP 45982", "HIP 45982", "star", 140.6565, 50.6037, 9.06, "큰곰자리"},
        {"hip 87937", "HIP 87937", "star", 269.4521, 4.6934, 9.51, "뱀주인자리"},
    };
    constexpr double kPlaceToleranceDeg = 0.01;
    for (const auto& c : cases) {
        const AlmanacResult r = Almanac({"find", c.query, "--data", kData});
        ASSERT_EQ(r.status, 0) << c.query << r.err;
        EXPECT_TRUE(r.err.empty());
        EXPECT_EQ(r.out.back(), '\n');
        EXPECT_EQ(StringAfter(r.out, "name"), c.name) << c.query;
        EXPECT_EQ(StringAfter(r.out, "kind"), c.kind) << c.query;
        EXPECT_NEAR(NumberAfter(r.out, "ra_deg"), c.raDeg, kPlaceToleranceDeg) << c.query;
        EXPECT_NEAR(NumberAfter(r.out, "dec_deg"), c.decDeg, kPlaceToleranceDeg) << c.query;
        EXPECT_NEAR(NumberAfter(r.out, "magnitude"), c.magnitude, 0.05) << c.query;
        EXPECT_EQ(StringAfter(r.out, "constellation"), c.constellation) << c.query;
    }
    const AlmanacResult b = Almanac({"find", "Betelgeuse", "--data", kData});
    for (const char* key : {"\"query\":", "\"name\":", "\"matched\":", "\"names\":[", "\"kind\":",
                            "\"ra_deg\":", "\"dec_deg\":", "\"magnitude\":", "\"constellation\":",
                            "\"hip\":27989", "\"others\":["})
        EXPECT_NE(b.out.find(key), std::string::npos) << key << b.out;
    EXPECT_NE(b.out.find("\"α Ori\""), std::string::npos);
    // The lists store magnitudes as floats; the output gives the published hundredths.
    const AlmanacResult deep = Almanac({"find", "HIP 45982", "--data", kData});
    EXPECT_NE(deep.out.find("\"magnitude\":9.06,"), std::string::npos) << deep.out;
    EXPECT_NE(b.out.find("\"58 Ori\""), std::string::npos);
}

TEST(FindCommand, BodiesNeedAnInstantForTheirPlace)
{
    const AlmanacResult untimed = Almanac({"find", "Jupiter", "--data", kData});
    ASSERT_EQ(untimed.status, 0) << untimed.err;
    EXPECT_EQ(StringAfter(untimed.out, "name"), "목성");
    EXPECT_EQ(StringAfter(untimed.out, "kind"), "planet");
    EXPECT_NE(untimed.out.find("\"ra_deg\":null"), std::string::npos);
    const AlmanacResult timed = Almanac({"find", "목성", "--data", kData, "--utc",
                                         "2026-12-08T12:00:00", "--lat", "37.5665", "--lon",
                                         "126.978"});
    ASSERT_EQ(timed.status, 0) << timed.err;
    // The positions command of the same instant gives Jupiter's apparent place of date; the
    // J2000 place differs by 27 years of precession, under half a degree.
    const AlmanacResult positions = Almanac({"positions", "--utc", "2026-12-08T12:00:00", "--lat",
                                             "37.5665", "--lon", "126.978"});
    ASSERT_EQ(positions.status, 0);
    const std::string jupiter = positions.out.substr(positions.out.find("\"jupiter\""));
    EXPECT_NEAR(NumberAfter(timed.out, "ra_deg"), NumberAfter(jupiter, "ra_deg"), 0.5);
    EXPECT_NEAR(NumberAfter(timed.out, "dec_deg"), NumberAfter(jupiter, "dec_deg"), 0.5);
    EXPECT_FALSE(std::isnan(NumberAfter(timed.out, "altitude_deg")));
}

TEST(FindCommand, NothingMatchesIsExitStatusOne)
{
    const AlmanacResult r = Almanac({"find", "없는천체", "--data", kData});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("없는천체"), std::string::npos);
}

// Without the deep list a number query still finds the named stars, and says why the others
// are missing.
TEST(FindCommand, WithoutTheDeepListNamedStarsAreStillFoundByNumber)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kosmira-find-" + std::to_string(getpid()));
    fs::create_directories(dir / "data");
    for (const auto& entry : fs::directory_iterator(fs::path(kData) / "data"))
        if (entry.path().filename().string().rfind("deepstar", 0) != 0)
            fs::copy_file(entry.path(), dir / "data" / entry.path().filename());
    const AlmanacResult named = Almanac({"find", "HIP 27989", "--data", dir.string()});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(StringAfter(named.out, "name"), "베텔게우스");
    EXPECT_NE(named.err.find("어두운 별 데이터를 읽을 수 없습니다."), std::string::npos) << named.err;
    const AlmanacResult deep = Almanac({"find", "HIP 45982", "--data", dir.string()});
    EXPECT_EQ(deep.status, 1);
    const AlmanacResult other = Almanac({"find", "Betelgeuse", "--data", dir.string()});
    EXPECT_TRUE(other.err.empty()) << other.err;  // a name query does not read the list
    fs::remove_all(dir);
}

TEST(FindCommand, BadCalls)
{
    ExpectBadCalls({
        {"find"},
        {"find", ""},
        {"find", "M42", "--data"},
        {"find", "M42", "--bogus", "1"},
        {"find", "M42", "--data", "/nonexistent"},
        {"find", "M42", "--data", kData, "--lat", "37"},
        {"find", "M42", "--data", kData, "--utc", "yesterday"},
    });
}

}  // namespace
