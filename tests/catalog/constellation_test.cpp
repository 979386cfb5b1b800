#include "astro/math/angles.h"
#include "astro/sky/frames.h"
#include "catalog/boundarychain.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/constellationfacts.h"
#include "catalog/constellationlookup.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {


SphericalCoord Hours(double raHours, double decDegrees)
{
    return SphericalCoord(raHours * kHoursToRad, decDegrees * kDegreesToRad);
}

// A J2000 position from sexagesimal right ascension and declination.
SphericalCoord J2000(int h, int m, double s, int sign, int d, int am, double as)
{
    return Hours(h + m / 60.0 + s / 3600.0, sign * (d + am / 60.0 + as / 3600.0));
}

void ExpectSame(const SphericalCoord& a, const SphericalCoord& b)
{
    EXPECT_EQ(a.lon, b.lon);
    EXPECT_EQ(a.lat, b.lat);
}

// The segment runs from start to end.
void ExpectRuns(const BoundarySegment& s, const SphericalCoord& start, const SphericalCoord& end)
{
    ExpectSame(s.start, start);
    ExpectSame(s.end, end);
}

std::string Bound(double raHours, double decDegrees, const char* abbreviation)
{
    char line[64];
    std::snprintf(line, sizeof line, "%8.4f %9.4f %s", raHours, decDegrees, abbreviation);
    return line;
}

std::vector<ConstellationZone> Zones(std::initializer_list<ConstellationZone> rows)
{
    return std::vector<ConstellationZone>(rows);
}

}  // namespace

TEST(BoundarySegment, MeridianEdgeRunsSouthToNorth)
{
    const SphericalCoord north = Hours(3, 40);
    const SphericalCoord south = Hours(3, 20);
    ExpectRuns(BoundarySegment(north, south), south, north);
    ExpectRuns(BoundarySegment(south, north), south, north);
}

TEST(BoundarySegment, ParallelEdgeRunsEastAlongTheShorterArc)
{
    const SphericalCoord h23 = Hours(23, 10);
    const SphericalCoord h1 = Hours(1, 10);
    const SphericalCoord h2 = Hours(2, 10);
    ExpectRuns(BoundarySegment(h1, h23), h23, h1);  // given 1h to 23h
    ExpectRuns(BoundarySegment(h23, h1), h23, h1);
    ExpectRuns(BoundarySegment(h2, h1), h1, h2);
    ExpectRuns(BoundarySegment(h1, h2), h1, h2);
}

TEST(BoundarySegment, ExactlyHalfTheSkyApartStartsAtTheLaterCorner)
{
    const SphericalCoord a = Hours(0, 0);
    const SphericalCoord b(kPi, 0);
    ExpectRuns(BoundarySegment(a, b), b, a);  // difference of pi: (Q, P)
}

TEST(BoundarySegment, CornersSharingNeitherCoordinateGiveZeroes)
{
    ExpectRuns(BoundarySegment(Hours(1, 10), Hours(2, 20)), SphericalCoord(0, 0), SphericalCoord(0, 0));
}

TEST(BoundaryChain, SameAbbreviationChainsDifferentOneStartsAgain)
{
    BoundaryChain chain;
    EXPECT_FALSE(chain.AddLine(Bound(0, 28, "And").c_str()).has_value());
    auto first = chain.AddLine(Bound(0, 31.3333, "And").c_str());
    ASSERT_TRUE(first.has_value());
    ExpectSame(first->start, Hours(0, 28));
    ExpectSame(first->end, Hours(0, 31.3333));
    auto second = chain.AddLine(Bound(23.75, 31.3333, "And").c_str());
    ASSERT_TRUE(second.has_value());
    ExpectSame(second->start, Hours(23.75, 31.3333));  // 23h45m to 0h runs east from 23h45m
    // A new abbreviation makes no segment from the last corner of the previous chain.
    EXPECT_FALSE(chain.AddLine(Bound(23.75, 31.3333, "Peg").c_str()).has_value());
    EXPECT_TRUE(chain.AddLine(Bound(23.75, 20, "Peg").c_str()).has_value());
}

TEST(BoundaryChain, ShortLinesAreReadSafely)
{
    BoundaryChain chain;
    EXPECT_FALSE(chain.AddLine("  1.0000   20.0000 An").has_value());
    EXPECT_TRUE(chain.AddLine("  1.0000   30.0000 An").has_value());
    EXPECT_FALSE(chain.AddLine("  1.0").has_value());  // empty abbreviation starts a chain
}

TEST(FindConstellation, ZoneLimits)
{
    const auto zones = Zones({
        ConstellationZone(2 * kHoursToRad, 1 * kHoursToRad, 10 * kDegreesToRad, "A"),
        ConstellationZone(24 * kHoursToRad, 0, -30 * kDegreesToRad, "B"),
    });
    EXPECT_STREQ(FindConstellationAt1875(zones, Hours(1, 20)), "A");
    EXPECT_STREQ(FindConstellationAt1875(zones, Hours(1, 10)), "A");    // on decLow
    EXPECT_STREQ(FindConstellationAt1875(zones, Hours(2, 20)), "B");    // on raHigh
    EXPECT_STREQ(FindConstellationAt1875(zones, Hours(0.5, 20)), "B");
    EXPECT_STREQ(FindConstellationAt1875(zones, Hours(1.5, 9.99)), "B");
    EXPECT_EQ(FindConstellationAt1875(zones, Hours(1.5, -31)), nullptr);  // south of all
    // A raLow of exactly 1h: the point on it belongs.
    EXPECT_STREQ(FindConstellationAt1875(zones, SphericalCoord(1 * kHoursToRad, 0.5)), "A");
}

TEST(FindConstellation, EmptyTableGivesNone)
{
    const std::vector<ConstellationZone> none;
    EXPECT_EQ(FindConstellationAt(none, Hours(5, 5)), nullptr);
}

TEST(FindConstellation, J2000PositionIsPrecessedTo1875)
{
    // A zone boundary at 6h in 1875: a J2000 point is looked up where it was in 1875.
    const auto zones = Zones({
        ConstellationZone(6 * kHoursToRad, 0, -90 * kDegreesToRad, "west"),
        ConstellationZone(24 * kHoursToRad, 6 * kHoursToRad, -90 * kDegreesToRad, "east"),
    });
    const SphericalCoord justEast1875 = Hours(6.001, 20);
    const SphericalCoord inJ2000 = Precess(justEast1875, 1875, 2000);
    EXPECT_GT(inJ2000.lon, 6.05 * kHoursToRad);  // moved about 7 minutes of time
    EXPECT_STREQ(FindConstellationAt(zones, inJ2000), "east");
    EXPECT_STREQ(FindConstellationAt(zones, Hours(6.001, 20)), "west");
}

class ShippedZones : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string zonePath = ShippedPath("data/conident.dat");
        const std::string namePath = ShippedPath("data/conname.dat");
        if (!Exists(zonePath) || !Exists(namePath))
            GTEST_SKIP() << "data/conident.dat or data/conname.dat is not shipped yet";
        CatalogFile file;
        ASSERT_TRUE(file.ReadLines(zonePath));
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            zones.push_back(ParseZoneLine(file.Line(i)));
        ASSERT_TRUE(file.ReadLines(namePath));
        for (std::size_t i = 0; i < file.LineCount(); ++i) {
            std::string line = file.Line(i);
            const std::size_t tab = line.find('\t');
            names[line.substr(0, tab)] = ParseConstellationNameLine(file.Line(i)).name;
        }
    }

    std::string At(const SphericalCoord& p) const
    {
        const char* name = FindConstellationAt(zones, p);
        return name ? name : "(none)";
    }

    std::vector<ConstellationZone> zones;
    std::map<std::string, std::string> names;  // abbreviation -> name
};

TEST_F(ShippedZones, WellKnownStars)
{
    struct Case {
        const char* star;
        SphericalCoord position;
        const char* constellation;
    };
    // J2000 positions (Hipparcos, rounded to 0.1 s and 1").
    const Case cases[] = {
        {"Polaris", J2000(2, 31, 49.1, +1, 89, 15, 51), "UMi"},
        {"Sirius", J2000(6, 45, 8.9, -1, 16, 42, 58), "CMa"},
        {"Betelgeuse", J2000(5, 55, 10.3, +1, 7, 24, 25), "Ori"},
        {"Rigel", J2000(5, 14, 32.3, -1, 8, 12, 6), "Ori"},
        {"Vega", J2000(18, 36, 56.3, +1, 38, 47, 1), "Lyr"},
        {"Antares", J2000(16, 29, 24.5, -1, 26, 25, 55), "Sco"},
        {"Acrux", J2000(12, 26, 35.9, -1, 63, 5, 57), "Cru"},
        {"Arcturus", J2000(14, 15, 39.7, +1, 19, 10, 57), "Boo"},
        {"Canopus", J2000(6, 23, 57.1, -1, 52, 41, 45), "Car"},
        {"Capella", J2000(5, 16, 41.4, +1, 45, 59, 53), "Aur"},
        {"Deneb", J2000(20, 41, 25.9, +1, 45, 16, 49), "Cyg"},
        {"Altair", J2000(19, 50, 47.0, +1, 8, 52, 6), "Aql"},
        {"Spica", J2000(13, 25, 11.6, -1, 11, 9, 41), "Vir"},
        {"Aldebaran", J2000(4, 35, 55.2, +1, 16, 30, 33), "Tau"},
        {"Fomalhaut", J2000(22, 57, 39.0, -1, 29, 37, 20), "PsA"},
        {"Sigma Octantis", J2000(21, 8, 46.8, -1, 88, 57, 23), "Oct"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(names.count(c.constellation), 1u) << c.constellation;
        EXPECT_EQ(At(c.position), names.at(c.constellation)) << c.star;
    }
}

TEST_F(ShippedZones, EveryDirectionHasAConstellation)
{
    for (int dec = -89; dec <= 89; dec += 2) {
        for (int ra = 0; ra < 360; ra += 3) {
            const SphericalCoord p(ra * kDegreesToRad, dec * kDegreesToRad);
            ASSERT_NE(FindConstellationAt(zones, p), nullptr) << ra << " " << dec;
        }
    }
    EXPECT_NE(FindConstellationAt(zones, SphericalCoord(0, kPi / 2)), nullptr);
    EXPECT_NE(FindConstellationAt(zones, SphericalCoord(0, -kPi / 2)), nullptr);
}

namespace {

// Areas from the shipped identification zones against the IAU's published values (square
// degrees; Delporte's boundaries as tabulated by the IAU), and the whole sky.
TEST_F(ShippedZones, AreasAgreeWithTheIauValues)
{
    const std::map<std::string, double> areas = ConstellationAreasDeg2(zones);
    EXPECT_EQ(areas.size(), 88u);
    const std::pair<const char*, double> published[] = {
        {"바다뱀자리", 1302.844}, {"처녀자리", 1294.428}, {"큰곰자리", 1279.660},
        {"남십자자리", 68.447},   {"조랑말자리", 71.641},  {"큰개자리", 380.118},
        {"오리온자리", 594.120},
    };
    constexpr double kRelativeTolerance = 0.01;  // 1 %
    for (const auto& [name, deg2] : published) {
        ASSERT_EQ(areas.count(name), 1u) << name;
        EXPECT_NEAR(areas.at(name), deg2, deg2 * kRelativeTolerance) << name;
    }
    double total = 0.0;
    for (const auto& a : areas)
        total += a.second;
    constexpr double kWholeSkyDeg2 = 41252.961;
    EXPECT_NEAR(total, kWholeSkyDeg2, kWholeSkyDeg2 * 0.001);
    EXPECT_EQ(ConstellationLatinName("Ori"), "Orion");
    EXPECT_EQ(ConstellationLatinName("TrA"), "Triangulum Australe");
    EXPECT_EQ(ConstellationLatinName("Xyz"), "");
}

}  // namespace
