#include "astro/sky/frames.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "astro/math/matrix3.h"
#include "astro/math/sphericalcoord.h"
#include "astro/math/unitvectors.h"
#include "astro/math/vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr double kDegToRad = kPi / 180.0;
constexpr double kToleranceRad = 1e-12;
constexpr double kGalacticPoleToleranceDeg = 0.01;  // the matrix has 7 printed digits
constexpr double kPrecessionToleranceDeg = 0.005;

double Separation(const SphericalCoord& a, const SphericalCoord& b)
{
    const double c = a.X() * b.X() + a.Y() * b.Y() + a.Z() * b.Z();
    const Vector3 cr = a.ToVector().Cross(b.ToVector());
    return std::atan2(cr.Length(), c);
}

TEST(SphericalCoordValue, FromVector)
{
    SphericalCoord p = SphericalCoord::FromVector({-1, 0, 0});
    EXPECT_NEAR(p.lon, kPi, kToleranceRad);
    EXPECT_NEAR(p.lat, 0.0, kToleranceRad);
    p = SphericalCoord::FromVector({0, -1, 0});
    EXPECT_NEAR(p.lon, 3 * kPi / 2, kToleranceRad);
    p = SphericalCoord::FromVector({0, 0, 2});
    EXPECT_NEAR(p.lat, kPi / 2, kToleranceRad);
    p = SphericalCoord::FromVector({3, 3, 3 * std::sqrt(2.0)});
    EXPECT_NEAR(p.lon, kPi / 4, kToleranceRad);
    EXPECT_NEAR(p.lat, kPi / 4, kToleranceRad);
    p = SphericalCoord::FromUnitXYZ(0.0, -0.0, -1.0);
    EXPECT_GE(p.lon, 0.0);
    EXPECT_LT(p.lon, 2 * kPi);
    EXPECT_NEAR(p.lat, -kPi / 2, kToleranceRad);
    // A unit vector whose z rounds past 1 still gives a finite latitude.
    p = SphericalCoord::FromUnitXYZ(0.0, 0.0, 1.0000000000000002);
    EXPECT_NEAR(p.lat, kPi / 2, kToleranceRad);
}

TEST(SphericalCoordValue, UnitVectorComponents)
{
    const SphericalCoord p(1.2, -0.4);
    EXPECT_NEAR(p.X(), std::cos(-0.4) * std::cos(1.2), kToleranceRad);
    EXPECT_NEAR(p.Y(), std::cos(-0.4) * std::sin(1.2), kToleranceRad);
    EXPECT_NEAR(p.Z(), std::sin(-0.4), kToleranceRad);
    const SphericalCoord back = SphericalCoord::FromVector(p.ToVector() * 7.0);
    EXPECT_NEAR(back.lon, 1.2, kToleranceRad);
    EXPECT_NEAR(back.lat, -0.4, kToleranceRad);
}

TEST(SphericalCoordValue, TriangleTests)
{
    // Seen from outside the sphere, a -> b -> c clockwise around the point (0, 0).
    const SphericalCoord a(0.1, -0.1), b(-0.1 + 2 * kPi, -0.1), c(0.0, 0.1);
    const SphericalCoord inside(0.0, 0.0);
    EXPECT_TRUE(inside.InTriangle(a, b, c));
    EXPECT_FALSE(inside.InTriangle(a, c, b));  // counter-clockwise order
    EXPECT_FALSE(SphericalCoord(1.0, 0.0).InTriangle(a, b, c));
    // On the edge a-b (same latitude, great circle through a and b passes below (0,-0.1)?)
    // take an exact edge point: the normalised midpoint of a and b's vectors.
    const Vector3 mid = a.ToVector() + b.ToVector();
    const SphericalCoord onEdge = SphericalCoord::FromVector(mid);
    EXPECT_FALSE(onEdge.InTriangle(a, b, c));
    EXPECT_FALSE(a.InTriangle(a, b, c));  // a vertex is on two edges
    EXPECT_TRUE(inside.IsClockwise(a, b));
    EXPECT_FALSE(inside.IsClockwise(b, a));
}

TEST(Frames, HorizontalOfPoleAndMeridian)
{
    const double phi = 37.5 * kDegToRad;
    const SkyTime lst(SkyDate(2451544.5), 5.0);
    const SphericalCoord pole = EquatorialToHorizontal(SphericalCoord(1.0, kPi / 2), lst, phi);
    EXPECT_NEAR(pole.lat, phi, 1e-9);
    const double az = pole.lon > kPi ? pole.lon - 2 * kPi : pole.lon;
    EXPECT_NEAR(az, 0.0, 1e-9);

    const double ra = 5.0 * kPi / 12;  // on the meridian
    for (double decDeg : {-30.0, 0.0, 20.0}) {
        const double dec = decDeg * kDegToRad;
        const SphericalCoord h = EquatorialToHorizontal(SphericalCoord(ra, dec), lst, phi);
        EXPECT_NEAR(h.lon, kPi, 1e-9) << decDeg;
        EXPECT_NEAR(h.lat, kPi / 2 - phi + dec, 1e-9) << decDeg;
    }
    // Six sidereal hours before transit a star on the equator rises due east.
    const SphericalCoord east =
        EquatorialToHorizontal(SphericalCoord(ra + kPi / 2, 0.0), lst, phi);
    EXPECT_NEAR(east.lon, kPi / 2, 1e-9);
    EXPECT_NEAR(east.lat, 0.0, 1e-9);
}

TEST(Frames, HorizontalRoundTripAndMatrix)
{
    const double phi = -33.9 * kDegToRad;
    const SkyTime lst(SkyDate(2451544.5), 17.3);
    const Matrix3 m = HorizontalMatrix(lst, phi);
    for (double ra = 0.05; ra < 2 * kPi; ra += 0.4) {
        for (double dec = -1.5; dec < 1.5; dec += 0.3) {
            const SphericalCoord p(ra, dec);
            const SphericalCoord h = EquatorialToHorizontal(p, lst, phi);
            const SphericalCoord back = HorizontalToEquatorial(h, lst, phi);
            EXPECT_LT(Separation(back, p), 1e-12);
            const Vector3 v = m.Apply(p.ToVector());
            EXPECT_LT(Separation(SphericalCoord::FromVector(v), h), 1e-12);
        }
    }
}

TEST(Frames, EclipticConversions)
{
    const SkyTime t(SkyDate(2451543.5), 0.0);
    EXPECT_NEAR(Obliquity(t), 23.4393 * kDegToRad, kToleranceRad);
    // The ecliptic pole lies at RA 18h, Dec 90 - obliquity.
    const SphericalCoord pole = EclipticToEquatorial(SphericalCoord(0.0, kPi / 2), t);
    EXPECT_NEAR(pole.lon, 1.5 * kPi, 1e-9);
    EXPECT_NEAR(pole.lat, kPi / 2 - Obliquity(t), 1e-9);
    // Ecliptic longitude 90 deg: RA 6h, Dec = +obliquity.
    const SphericalCoord solstice = EclipticToEquatorial(SphericalCoord(kPi / 2, 0.0), t);
    EXPECT_NEAR(solstice.lon, kPi / 2, 1e-9);
    EXPECT_NEAR(solstice.lat, Obliquity(t), 1e-9);
    const Matrix3 m = EclipticToEquatorialMatrix(t);
    for (double lon = 0.1; lon < 6.2; lon += 0.5) {
        const SphericalCoord e(lon, 0.2);
        const SphericalCoord q = EclipticToEquatorial(e, t);
        EXPECT_LT(Separation(EquatorialToEcliptic(q, t), e), 1e-12);
        EXPECT_LT(Separation(SphericalCoord::FromVector(m.Apply(e.ToVector())), q), 1e-12);
    }
    // Obliquity falls by 3.563e-7 degrees a day.
    const SkyTime later(SkyDate(2451543.5 + 36525.0), 0.0);
    EXPECT_NEAR(Obliquity(later), (23.4393 - 3.563e-7 * 36525.0) * kDegToRad, kToleranceRad);
}

TEST(Frames, GalacticPole)
{
    const SphericalCoord g =
        EquatorialToGalactic(SphericalCoord(192.25 * kDegToRad, 27.4 * kDegToRad));
    EXPECT_NEAR(g.lat / kDegToRad, 90.0, kGalacticPoleToleranceDeg);
    // Galactic centre of the B1950 system: RA 17h42.4m, Dec -28 55'.
    const SphericalCoord c = EquatorialToGalactic(
        SphericalCoord((17.0 + 42.4 / 60) * 15 * kDegToRad, -(28.0 + 55.0 / 60) * kDegToRad));
    EXPECT_NEAR(c.lat / kDegToRad, 0.0, 0.05);
    const double l = c.lon > kPi ? c.lon - 2 * kPi : c.lon;
    EXPECT_NEAR(l / kDegToRad, 0.0, 0.05);
}

TEST(MatrixValue, ProductsAndLayout)
{
    const Matrix3 a(1, 2, 3, 4, 5, 6, 7, 8, 10);
    const Matrix3 b(0, 1, 0, -1, 0, 0, 0, 0, 1);
    Matrix3 c = a;
    Multiply(c, b);
    // Row i of a with column j of b.
    EXPECT_DOUBLE_EQ(c.Element(0, 0), -2);
    EXPECT_DOUBLE_EQ(c.Element(0, 1), 1);
    EXPECT_DOUBLE_EQ(c.Element(0, 2), 3);
    EXPECT_DOUBLE_EQ(c.Element(2, 0), -8);
    EXPECT_DOUBLE_EQ(c.Element(2, 1), 7);
    EXPECT_DOUBLE_EQ(c.Element(2, 2), 10);
    EXPECT_DOUBLE_EQ(a.m[3 * 1 + 2], 6);

    double gl[16];
    a.ToGL4x4(gl);
    EXPECT_DOUBLE_EQ(gl[0], 1);
    EXPECT_DOUBLE_EQ(gl[1], 4);   // (1, 0)
    EXPECT_DOUBLE_EQ(gl[4], 2);   // (0, 1)
    EXPECT_DOUBLE_EQ(gl[9], 6);   // (1, 2)
    EXPECT_DOUBLE_EQ(gl[10], 10);
    EXPECT_DOUBLE_EQ(gl[3], 0);
    EXPECT_DOUBLE_EQ(gl[12], 0);
    EXPECT_DOUBLE_EQ(gl[15], 1);
    float glf[16];
    a.ToGL4x4(glf);
    EXPECT_FLOAT_EQ(glf[6], 8.0f);
    EXPECT_FLOAT_EQ(glf[15], 1.0f);
}

TEST(MatrixValue, CompositeMatrices)
{
    const SkyTime lst(SkyDate(2451544.5), 3.2);
    const SkyTime t(SkyDate(2455000.5), 6.0);
    const double phi = 0.7;
    const Matrix3 gal = GalacticMatrix();
    const Matrix3 ident = gal * GalacticToEquatorialMatrix();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(ident.Element(i, j), i == j ? 1.0 : 0.0, 2e-7);
    const SphericalCoord g(2.0, 0.3);
    const Vector3 viaMatrix = GalacticToHorizontalMatrix(lst, phi).Apply(g.ToVector());
    const Vector3 eq = GalacticToEquatorialMatrix().Apply(g.ToVector());
    const SphericalCoord h =
        EquatorialToHorizontal(SphericalCoord::FromVector(eq), lst, phi);
    EXPECT_LT(Separation(SphericalCoord::FromVector(viaMatrix), h), 1e-12);

    const SphericalCoord e(4.0, -0.1);
    const Vector3 eclH = EclipticToHorizontalMatrix(lst, phi, t).Apply(e.ToVector());
    const SphericalCoord h2 = EquatorialToHorizontal(EclipticToEquatorial(e, t), lst, phi);
    EXPECT_LT(Separation(SphericalCoord::FromVector(eclH), h2), 1e-12);
}

TEST(Precession, IdentityAndKnownShift)
{
    const Matrix3 same = PrecessionMatrix(1950.0, 1950.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_DOUBLE_EQ(same.Element(i, j), i == j ? 1.0 : 0.0);
    const SphericalCoord p = Precess(SphericalCoord(0.0, 0.0), 1875.0, 2000.0);
    EXPECT_NEAR(p.lon / kDegToRad, 1.60, 0.01);
    EXPECT_NEAR(p.lat / kDegToRad, 0.70, 0.01);
    // Forward and back again.
    const SphericalCoord star(1.3, 0.5);
    const SphericalCoord there = Precess(star, 2000.0, 1875.0);
    const SphericalCoord back = Precess(there, 1875.0, 2000.0);
    EXPECT_LT(Separation(back, star) / kDegToRad, kPrecessionToleranceDeg);
    const Matrix3 fwd = PrecessionMatrix(1875.0, 2000.0);
    const Matrix3 prod = fwd * fwd.Transposed();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(prod.Element(i, j), i == j ? 1.0 : 0.0, 1e-14);
}

TEST(Precession, MeeusExample)
{
    // Meeus example 21.b: theta Persei, J2000 RA 2h44m11.986s Dec +49 13' 42.48" (with
    // proper motion to 2028 Nov 13.19: RA 41.054063 deg, Dec 49.227750 deg) precessed to
    // 2028.867 gives RA 41.547214 deg, Dec 49.348483 deg.
    const SphericalCoord start(41.054063 * kDegToRad, 49.227750 * kDegToRad);
    const SphericalCoord p = Precess(start, 2000.0, 2028.8670500);
    EXPECT_NEAR(p.lon / kDegToRad, 41.547214, 0.0005);
    EXPECT_NEAR(p.lat / kDegToRad, 49.348483, 0.0005);
}

TEST(SphericalCoordValue, ToVectorsKeepsOrderAndGivesUnitVectors)
{
    // The axes and the midpoint of RA 45 deg on the equator, by their known components.
    const double half = std::sqrt(0.5);
    const struct {
        double lonDeg, latDeg;
        Vector3 expected;
    } cases[] = {
        {0.0, 0.0, {1.0, 0.0, 0.0}},
        {90.0, 0.0, {0.0, 1.0, 0.0}},
        {0.0, 90.0, {0.0, 0.0, 1.0}},
        {180.0, -90.0, {0.0, 0.0, -1.0}},
        {45.0, 0.0, {half, half, 0.0}},
    };
    std::vector<SphericalCoord> points;
    for (const auto& c : cases)
        points.emplace_back(c.lonDeg * kDegToRad, c.latDeg * kDegToRad);
    const std::vector<Vector3> vectors = ToVectors(points);
    ASSERT_EQ(vectors.size(), std::size(cases));
    for (std::size_t i = 0; i < vectors.size(); ++i) {
        EXPECT_NEAR(vectors[i].x, cases[i].expected.x, kToleranceRad) << i;
        EXPECT_NEAR(vectors[i].y, cases[i].expected.y, kToleranceRad) << i;
        EXPECT_NEAR(vectors[i].z, cases[i].expected.z, kToleranceRad) << i;
    }
    EXPECT_TRUE(ToVectors({}).empty());
}

}  // namespace
