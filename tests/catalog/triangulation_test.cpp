#include "astro/math/angles.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/milkyway.h"
#include "catalog/triangulation.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kA = 0.1;  // radians

using Points = std::vector<SphericalCoord>;

void ExpectSame(const SphericalCoord& a, const SphericalCoord& b)
{
    EXPECT_EQ(a.lon, b.lon);
    EXPECT_EQ(a.lat, b.lat);
}

// The first points of out are expected, in order.
void ExpectStartsWith(const Points& out, std::initializer_list<SphericalCoord> expected)
{
    ASSERT_GE(out.size(), expected.size());
    std::size_t i = 0;
    for (const SphericalCoord& e : expected) {
        SCOPED_TRACE(i);
        ExpectSame(out[i++], e);
    }
}

// Seen from the centre of the sphere these run counter-clockwise around their inside: along
// the top toward larger right ascension, then down, then back along the bottom.
const SphericalCoord P0(-kA, kA), P1(kA, kA), P2(kA, -kA), P3(-kA, -kA);

// Spherical triangle area by l'Huilier-free vector formula (solid angle).
double SolidAngle(const SphericalCoord& a, const SphericalCoord& b, const SphericalCoord& c)
{
    const Vector3 va = a.ToVector(), vb = b.ToVector(), vc = c.ToVector();
    const double numerator = va.Dot(vb.Cross(vc));
    const double denominator = 1 + va.Dot(vb) + vb.Dot(vc) + vc.Dot(va);
    return std::fabs(2 * std::atan2(numerator, denominator));
}

}  // namespace

TEST(Triangulation, ConvexQuadrilateral)
{
    Points out;
    ASSERT_TRUE(TriangulatePolygon({P0, P1, P2, P3}, out));
    ASSERT_EQ(out.size(), 6u);
    ExpectStartsWith(out, {P3, P0, P1, P1, P2, P3});
}

TEST(Triangulation, ThreePointsAreRefused)
{
    Points out;
    EXPECT_FALSE(TriangulatePolygon({P0, P1, P2}, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(TriangulatePolygon({}, out));
    EXPECT_TRUE(out.empty());
}

TEST(Triangulation, OppositeSenseHasNoEars)
{
    Points out;
    EXPECT_FALSE(TriangulatePolygon({P3, P2, P1, P0}, out));
    EXPECT_TRUE(out.empty());
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(IsEar({P3, P2, P1, P0}, i)) << i;
}

TEST(Triangulation, AppendsToWhatIsAlreadyThere)
{
    Points out = {SphericalCoord(1, 1)};
    ASSERT_TRUE(TriangulatePolygon({P0, P1, P2, P3}, out));
    EXPECT_EQ(out.size(), 7u);
}

TEST(Triangulation, VertexOnTheCandidateEdgeDoesNotBlock)
{
    // M lies exactly on the great circle (the equator) between L and R.
    const SphericalCoord T(0, kA), R(kA, 0), M(0, 0), L(-kA, 0);
    EXPECT_TRUE(IsEar({T, R, M, L}, 0));
    Points out;
    ASSERT_TRUE(TriangulatePolygon({T, R, M, L}, out));
    ASSERT_EQ(out.size(), 6u);
    ExpectStartsWith(out, {L, T, R});
    // Moved a hair inside the triangle, the same vertex blocks the ear.
    const SphericalCoord inside(0, 1e-6);
    EXPECT_FALSE(IsEar({T, R, inside, L}, 0));
}

TEST(Triangulation, ConcaveOutlineClipsOnlyRealEars)
{
    // An arrow head: the notch vertex N is reflex and never an ear.
    const SphericalCoord A(-kA, kA), B(kA, 0), C(-kA, -kA), N(-kA / 2, 0);
    EXPECT_FALSE(IsEar({A, B, C, N}, 3));
    Points out;
    ASSERT_TRUE(TriangulatePolygon({A, B, C, N}, out));
    ASSERT_EQ(out.size(), 6u);
    // The triangles cover the outline exactly: their areas add up to the outline's.
    const double total = SolidAngle(out[0], out[1], out[2]) + SolidAngle(out[3], out[4], out[5]);
    const double expected = SolidAngle(A, B, N) + SolidAngle(N, B, C);
    constexpr double kAreaToleranceSr = 1e-12;
    EXPECT_NEAR(total, expected, kAreaToleranceSr);
}

TEST(MilkyWayOutline, WalksTheSecondEdgeBackAndTheFirstForward)
{
    MilkyWay band;
    for (int i = 0; i < 615; ++i)
        band.points.emplace_back(i * 0.001, 0.0);
    ASSERT_TRUE(band.BuildOutline());
    ASSERT_EQ(band.outline.size(), 610u);
    EXPECT_EQ(band.outline[0].lon, 609 * 0.001);
    EXPECT_EQ(band.outline[386].lon, 223 * 0.001);
    EXPECT_EQ(band.outline[387].lon, 0.0);
    EXPECT_EQ(band.outline[609].lon, 222 * 0.001);
}

TEST(MilkyWayOutline, FewerThan610PointsBuildNothing)
{
    MilkyWay band;
    for (int i = 0; i < 609; ++i)
        band.points.emplace_back(i * 0.001, 0.0);
    EXPECT_FALSE(band.BuildOutline());
    EXPECT_TRUE(band.outline.empty());
}

// The shipped band's points and outline.
MilkyWay ShippedBand()
{
    MilkyWay band;
    CatalogFile file;
    if (file.ReadLines(ShippedPath("data/milkyway.dat")))
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            band.points.push_back(ParseMilkyWayLine(file.Line(i)));
    band.BuildOutline();
    return band;
}

TEST(MilkyWayOutline, ShippedOutlineTriangulates)
{
    MilkyWay band = ShippedBand();
    ASSERT_GE(band.points.size(), 610u);
    ASSERT_EQ(band.outline.size(), 610u);
    ASSERT_TRUE(TriangulatePolygon(band.outline, band.triangles));
    EXPECT_EQ(band.triangles.size(), 3u * 608u);
    // The band covers a sizeable part of the sky, and every triangle turns the same way.
    double area = 0;
    for (std::size_t t = 0; t < band.triangles.size(); t += 3) {
        const SphericalCoord& a = band.triangles[t];
        const SphericalCoord& b = band.triangles[t + 1];
        const SphericalCoord& c = band.triangles[t + 2];
        EXPECT_TRUE(c.IsClockwise(a, b)) << t / 3;
        area += SolidAngle(a, b, c);
    }
    EXPECT_GT(area, 0.5);
    EXPECT_LT(area, 2 * 3.14159265358979323846);
}

// A rhombus 0.4 rad wide and 0.1 rad high, ear-clipped across its long diagonal: the
// Delaunay triangulation crosses it by the short one, over the same area.
TEST(Delaunay, ARhombusTakesItsShortDiagonal)
{
    const SphericalCoord n(0.0, 0.05), e(0.2, 0.0), s(0.0, -0.05), w(-0.2, 0.0);
    Points t;
    ASSERT_TRUE(TriangulatePolygon({n, e, s, w}, t));
    ExpectStartsWith(t, {w, n, e});  // the long diagonal w-e first
    const double area = SolidAngle(t[0], t[1], t[2]) + SolidAngle(t[3], t[4], t[5]);
    EXPECT_EQ(FlipToDelaunay(t), 1u);
    ASSERT_EQ(t.size(), 6u);
    for (std::size_t k = 0; k < 6; k += 3) {
        int ends = 0;  // n and s are in both triangles now
        for (std::size_t j = 0; j < 3; ++j)
            ends += (t[k + j].lat == n.lat || t[k + j].lat == s.lat) && t[k + j].lon == 0.0;
        EXPECT_EQ(ends, 2) << k / 3;
        EXPECT_TRUE(t[k + 2].IsClockwise(t[k], t[k + 1])) << k / 3;
    }
    constexpr double kAreaToleranceSr = 1e-15;
    EXPECT_NEAR(SolidAngle(t[0], t[1], t[2]) + SolidAngle(t[3], t[4], t[5]), area,
                kAreaToleranceSr);
    EXPECT_EQ(FlipToDelaunay(t), 0u);  // and stays

    // Lists that are no triangulation are left as they are: a third triangle that already
    // holds the short diagonal; both triangles on one side of their shared edge.
    const SphericalCoord x(0.05, 0.0), m(0.0, 0.02);
    const Points kNoTriangulations[] = {{w, n, e, e, s, w, n, x, s}, {w, n, e, w, e, m}};
    for (const Points& list : kNoTriangulations) {
        Points same = list;
        EXPECT_EQ(FlipToDelaunay(same), 0u);
        for (std::size_t k = 0; k < list.size(); ++k)
            ExpectSame(same[k], list[k]);
    }
}

// The shipped band after the flips: the same area, every triangle turned as before, no
// edge longer than 40 degrees (ear clipping leaves one of 168), half the edge length, and
// nothing left to flip.
TEST(Delaunay, TheShippedBandKeepsItsAreaWithShorterEdges)
{
    const MilkyWay band = ShippedBand();
    ASSERT_EQ(band.outline.size(), 610u);
    Points t;
    ASSERT_TRUE(TriangulatePolygon(band.outline, t));
    auto measure = [](const Points& list, double* area, double* longestDeg, double* totalDeg) {
        *area = *longestDeg = *totalDeg = 0.0;
        for (std::size_t k = 0; k < list.size(); k += 3) {
            EXPECT_TRUE(list[k + 2].IsClockwise(list[k], list[k + 1])) << k / 3;
            *area += SolidAngle(list[k], list[k + 1], list[k + 2]);
            for (std::size_t j = 0; j < 3; ++j) {
                const double d = std::acos(std::min(1.0, list[k + j].ToVector().Dot(
                                                             list[k + (j + 1) % 3].ToVector()))) /
                                 kDegToRad;
                *longestDeg = std::max(*longestDeg, d);
                *totalDeg += d;
            }
        }
    };
    double area0, longest0, total0, area1, longest1, total1;
    measure(t, &area0, &longest0, &total0);
    EXPECT_GT(FlipToDelaunay(t), 1000u);
    ASSERT_EQ(t.size(), 3u * 608u);
    measure(t, &area1, &longest1, &total1);
    constexpr double kAreaToleranceSr = 1e-9;
    EXPECT_NEAR(area1, area0, kAreaToleranceSr);
    EXPECT_GT(longest0, 160.0);
    EXPECT_LT(longest1, 40.0);
    EXPECT_LT(total1, 0.6 * total0);
    EXPECT_EQ(FlipToDelaunay(t), 0u);
}
