#include "catalog/deepstarindex.h"
#include "astro/math/angles.h"
#include "image/messagesink.h"
#include "catalog/loadcatalogs.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

namespace {

DeepStar MakeStar(double raDeg, double decDeg, float magnitude, std::uint32_t hip)
{
    DeepStar s;
    s.position = SphericalCoord(raDeg * kDegToRad, decDeg * kDegToRad);
    s.x = float(s.position.X());
    s.y = float(s.position.Y());
    s.z = float(s.position.Z());
    s.magnitude = magnitude;
    s.hip = hip;
    return s;
}

// A fixed field of stars spread over the whole sphere (a linear congruential sequence, so the
// field is the same on every run), with extra stars on the poles, on 0h and next to it, and
// on the band edges, where zone bookkeeping goes wrong first.
std::vector<DeepStar> TestField()
{
    std::vector<DeepStar> stars;
    std::uint32_t state = 12345u;
    auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return double(state) / 4294967296.0;
    };
    std::uint32_t hip = 1;
    for (int i = 0; i < 30000; ++i) {
        const double ra = 360.0 * next();
        const double dec = std::asin(2.0 * next() - 1.0) / kDegToRad;  // uniform on the sphere
        stars.push_back(MakeStar(ra, dec, float(-1.0 + 14.0 * next()), hip++));
    }
    for (double ra : {0.0, 0.0001, 359.9999, 90.0, 180.0, 270.0}) {
        for (double dec : {-90.0, -89.99, -88.0, -2.0, 0.0, 2.0, 88.0, 89.99, 90.0})
            stars.push_back(MakeStar(ra, dec, 8.0f, hip++));
    }
    return stars;
}

struct View {
    const char* name;
    double raDeg, decDeg, radiusDeg;
};

// Views of every kind a sky window shows: narrow and wide, on and around both poles, across
// 0h, on the equator and at mid declinations, and more than half the sky.
const View kViews[] = {
    {"north pole, narrow", 0.0, 90.0, 0.5},
    {"north pole, wide", 123.0, 90.0, 25.0},
    {"south pole, narrow", 200.0, -90.0, 1.0},
    {"near the north pole, holding it", 10.0, 88.5, 3.0},
    {"near the south pole, short of it", 300.0, -80.0, 5.0},
    {"0h line on the equator", 0.0, 0.0, 3.0},
    {"just east of 0h", 0.5, 30.0, 2.0},
    {"just west of 0h", 359.7, -45.0, 4.0},
    {"Sagittarius, narrowest field", 271.0, -25.0, 0.07},
    {"Orion", 84.0, 0.0, 15.0},
    {"mid north, wide", 200.0, 55.0, 40.0},
    {"band edge", 45.0, 2.0, 1.0},
    {"half the sky", 150.0, -20.0, 90.0},
    {"more than half the sky", 330.0, 10.0, 120.0},
};

struct Range {
    float brighterThan, limit;
};
const Range kRanges[] = {{-100.0f, 100.0f}, {6.5f, 9.0f}, {6.5f, 6.5f}, {8.0f, 13.0f}};

std::set<std::uint32_t> BruteForce(const std::vector<DeepStar>& stars, const Vector3& centre,
                                   double radiusRad, const Range& r)
{
    std::set<std::uint32_t> out;
    const double cosRadius = std::cos(radiusRad);
    for (const DeepStar& s : stars) {
        if (!(s.magnitude > r.brighterThan) || s.magnitude > r.limit)
            continue;
        if (s.x * centre.x + s.y * centre.y + s.z * centre.z >= cosRadius)
            out.insert(s.hip);
    }
    return out;
}

TEST(DeepStarIndex, ReturnsExactlyTheStarsOfABruteForceScanForEveryView)
{
    const std::vector<DeepStar> field = TestField();
    const DeepStarIndex index(field);
    ASSERT_EQ(index.Size(), field.size());
    for (const View& v : kViews) {
        const Vector3 centre = SphericalCoord(v.raDeg * kDegToRad, v.decDeg * kDegToRad).ToVector();
        const double radius = v.radiusDeg * kDegToRad;
        for (const Range& r : kRanges) {
            std::multiset<std::uint32_t> got;
            index.ForEachInCircle(centre, radius, r.brighterThan, r.limit,
                                  [&](const DeepStar& s) { got.insert(s.hip); });
            const std::set<std::uint32_t> want = BruteForce(field, centre, radius, r);
            EXPECT_EQ(std::set<std::uint32_t>(got.begin(), got.end()), want)
                << v.name << ", magnitudes (" << r.brighterThan << ", " << r.limit << "]";
            EXPECT_EQ(got.size(), want.size()) << v.name << ": a star visited twice";
        }
    }
}

TEST(DeepStarIndex, ANarrowViewReadsFewCells)
{
    const DeepStarIndex index(TestField());
    std::vector<DeepStarIndex::Range> cells;
    index.CellsInCircle(SphericalCoord(271.0 * kDegToRad, -25.0 * kDegToRad).ToVector(),
                        0.07 * kDegToRad, cells);
    std::size_t count = 0;
    for (const auto& c : cells)
        count += c.end - c.begin;
    EXPECT_LE(cells.size(), 2u);
    EXPECT_LE(count, 4u);  // of about 10,000
}

TEST(DeepStarIndex, CellsCoverTheSphereAtAboutTwoDegrees)
{
    std::size_t cells = 0;
    for (int band = 0; band < DeepStarIndex::kBands; ++band)
        cells += std::size_t(DeepStarIndex::CellsInBand(band));
    // The sphere holds 41,253 square degrees: about 10,300 cells of 2 x 2 degrees, a few more
    // since each band is cut at its edge nearest the equator.
    EXPECT_GT(cells, 9500u);
    EXPECT_LT(cells, 10600u);
    EXPECT_EQ(DeepStarIndex::CellOf(0.0, -kHalfPi), 0u);
    EXPECT_EQ(DeepStarIndex::CellOf(kTwoPi - 1e-12, kHalfPi), cells - 1);
}

TEST(DeepStarIndex, FindsAStarByItsHipparcosNumber)
{
    const DeepStarIndex index(TestField());
    const DeepStar* s = index.FindHip(1234);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->hip, 1234u);
    EXPECT_EQ(index.FindHip(999999), nullptr);
    EXPECT_EQ(DeepStarIndex().FindHip(1), nullptr);
}

TEST(DeepStarLine, ReadsTheStarFieldsAndTheHipparcosNumber)
{
    const DeepStar s = ParseDeepStarLine(" 1.5497291802  0.1292712656 M  0.45  27989");
    EXPECT_DOUBLE_EQ(s.position.lon, 1.5497291802);
    EXPECT_DOUBLE_EQ(s.position.lat, 0.1292712656);
    EXPECT_EQ(s.spectral, 'M');
    EXPECT_FLOAT_EQ(s.magnitude, 0.45f);
    EXPECT_EQ(s.hip, 27989u);
    EXPECT_NEAR(s.x * s.x + s.y * s.y + s.z * s.z, 1.0, 1e-6);
    // A star.dat line (no number) still reads, with number 0.
    EXPECT_EQ(ParseDeepStarLine(" 1.0000000000 -0.5000000000 G  9.87").hip, 0u);
    EXPECT_EQ(ParseDeepStarLine(" 1.0000000000 -0.5000000000 G  9.87 xyz").hip, 0u);
}

class RecordingSink : public MessageSink {
public:
    void Report(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

TEST(DeepStarFile, TheShippedListLoadsWholeWithBetelgeuseUnderItsNumber)
{
    RecordingSink sink;
    std::vector<DeepStar> stars;
    ASSERT_TRUE(LoadDeepStars(KOSMIRA_SOURCE_DIR, sink, stars));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(stars.size(), 118216u);
    const DeepStarIndex index(std::move(stars));
    const DeepStar* betelgeuse = index.FindHip(27989);
    ASSERT_NE(betelgeuse, nullptr);
    // Published place (J2000): 5h 55m 10.31s, +7 24' 25.4".
    constexpr double kToleranceRad = 0.001 * kDegToRad;
    EXPECT_NEAR(betelgeuse->position.lon, (5.0 + 55.0 / 60.0 + 10.31 / 3600.0) * kHoursToRad,
                kToleranceRad);
    EXPECT_NEAR(betelgeuse->position.lat, (7.0 + 24.0 / 60.0 + 25.4 / 3600.0) * kDegToRad,
                kToleranceRad);
    EXPECT_EQ(betelgeuse->spectral, 'M');
}

TEST(DeepStarFile, AMissingFileIsReportedInKorean)
{
    RecordingSink sink;
    std::vector<DeepStar> stars;
    EXPECT_FALSE(LoadDeepStars("/nonexistent-kosmira-dir", sink, stars));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "어두운 별 데이터를 읽을 수 없습니다.");
    EXPECT_TRUE(stars.empty());
}

TEST(DeepStarFile, LinesOutOfRangeAreSkippedAndCountedOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("data")));
    WriteText(dir.filePath(QStringLiteral("data/deepstar.dat")).toStdString(),
              " 1.0000000000 -0.5000000000 G  9.87    101\n"
              " 1.0000000000  2.0000000000 G  9.87    102\n"    // declination beyond the pole
              " 1.0000000000 -0.5000000000 G 45.00    103\n");  // no star is that faint
    RecordingSink sink;
    std::vector<DeepStar> stars;
    ASSERT_TRUE(LoadDeepStars(dir.path().toStdString(), sink, stars));
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_EQ(stars[0].hip, 101u);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], SkippedLinesMessage("data/deepstar.dat", 2));
}

}  // namespace
