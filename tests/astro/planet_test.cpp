#include "astro/time/juliandate.h"
#include "astro/math/angles.h"
#include "astro/ephemeris/planet.h"
#include "astro/math/sphericalcoord.h"
#include "astro/ephemeris/sun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <array>
#include <cmath>

namespace {

constexpr double kDegToRad = kPi / 180.0;
constexpr double kKeplerTolerance = 1e-7;  // radians, the solver's own bound

TEST(PlanetElements, MercuryAtJ2000)
{
    Planet mercury(kMercury);
    mercury.UpdateElements(SkyTime(2451545.0));
    EXPECT_DOUBLE_EQ(mercury.meanAnomaly, 3.050737619515051);
    EXPECT_DOUBLE_EQ(mercury.semiMajorAxis, 0.38709893);
    EXPECT_DOUBLE_EQ(mercury.eccentricity, 0.20563069);
    EXPECT_DOUBLE_EQ(mercury.time.JD(), 2451545.0);
    EXPECT_EQ(mercury.Index(), kMercury);
}

TEST(PlanetElements, MeanAnomalyIsReducedAndAnglesAreNot)
{
    Planet jupiter(kJupiter);
    jupiter.UpdateElements(SkyTime(2451545.0 - 30000.0));
    EXPECT_GE(jupiter.meanAnomaly, 0.0);
    EXPECT_LT(jupiter.meanAnomaly, 2 * kPi);
    EXPECT_GE(jupiter.eccentricAnomaly, 0.0);
    EXPECT_LT(jupiter.eccentricAnomaly, 2 * kPi);
    EXPECT_GT(jupiter.trueAnomaly, -kPi);
    EXPECT_LE(jupiter.trueAnomaly, kPi);
    EXPECT_DOUBLE_EQ(jupiter.argPerihelion, -1.4975326407839307 - 5.007285778605963e-08 * -30000.0);
}

TEST(PlanetElements, KeplerResidualWithinTolerance)
{
    for (int index = 0; index < kPlanetCount; ++index) {
        Planet p(index);
        for (double d = -60000.0; d <= 60000.0; d += 977.0) {
            p.UpdateElements(SkyTime(2451545.0 + d));
            const double e = p.eccentricity;
            double residual = p.eccentricAnomaly - e * std::sin(p.eccentricAnomaly) - p.meanAnomaly;
            residual = std::remainder(residual, 2 * kPi);
            ASSERT_LT(std::fabs(residual), kKeplerTolerance) << index << " " << d;
            const double r = p.Heliocentric().Length();
            ASSERT_NEAR(r, p.semiMajorAxis * (1 - e * std::cos(p.eccentricAnomaly)), 1e-9);
        }
    }
}

TEST(PlanetElements, EarthDistanceOverAYear)
{
    Planet earth(kEarth);
    double minR = 10, maxR = 0;
    for (int day = 0; day < 366; ++day) {
        earth.UpdateElements(SkyTime(JulianDateFromCalendar(2024, 1, 1).jd + day));
        const double r = earth.Heliocentric().Length();
        minR = std::min(minR, r);
        maxR = std::max(maxR, r);
    }
    EXPECT_GT(minR, 0.983);
    EXPECT_LT(minR, 0.984);
    EXPECT_LT(maxR, 1.017);
    EXPECT_GT(maxR, 1.016);
}

TEST(PlanetElements, EarthGeocentricIsZero)
{
    Planet earth(kEarth);
    earth.UpdateElements(SkyTime(2460000.5));
    const Vector3 g = earth.GeocentricVector();
    EXPECT_DOUBLE_EQ(g.x, 0.0);
    EXPECT_DOUBLE_EQ(g.y, 0.0);
    EXPECT_DOUBLE_EQ(g.z, 0.0);
}

TEST(PlanetElements, MercuryStaysNearTheSun)
{
    Planet mercury(kMercury);
    double maxElongation = 0.0;
    for (double d = 0; d < 3 * 365.25; d += 1.0) {
        const SkyTime t(2451545.0 + d);
        mercury.UpdateElements(t);
        const Sun sun(t);
        const double lm = SphericalCoord::FromVector(mercury.GeocentricVector()).lon;
        const double ls = SphericalCoord::FromVector(sun.Geocentric()).lon;
        maxElongation = std::max(maxElongation, std::fabs(std::remainder(lm - ls, 2 * kPi)));
    }
    EXPECT_LT(maxElongation, 28.5 * kDegToRad);
    EXPECT_GT(maxElongation, 26.0 * kDegToRad);
}

TEST(PlanetElements, PlutoConverges)
{
    Planet pluto(kPluto);
    for (double d = -40000.0; d < 40000.0; d += 1234.5) {
        pluto.UpdateElements(SkyTime(2451545.0 + d));
        const double r = pluto.Heliocentric().Length();
        ASSERT_GT(r, 29.0);
        ASSERT_LT(r, 50.0);
    }
}

TEST(PlanetElements, NinePlanetsAndBasePlanet)
{
    std::array<Planet, kPlanetCount> planets = MakePlanets();
    const SkyTime t(2451545.0);
    double previous = 0.0;
    for (int i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(planets[i].Index(), i);
        planets[i].UpdateElements(t);
        const double a = planets[i].semiMajorAxis;
        EXPECT_GT(a, previous);  // ordered outward
        previous = a;
    }
    Planet none;
    none.UpdateElements(t);
    EXPECT_DOUBLE_EQ(none.time.JD(), 2451545.0);
    EXPECT_DOUBLE_EQ(none.Heliocentric().Length(), 0.0);
}

TEST(PlanetElements, EarthMatchesTheSunsDirection)
{
    // The Earth row and the Sun's own orbit are independent element sets; the Sun seen from
    // the Earth must point opposite the Earth's heliocentric vector, within the precession
    // between J2000 and the date plus a few arcminutes.
    Planet earth(kEarth);
    const SkyTime t(2451545.0 + 200.0);
    earth.UpdateElements(t);
    const Sun sun(t);
    const double le = SphericalCoord::FromVector(earth.Heliocentric() * -1.0).lon;
    const double ls = SphericalCoord::FromVector(sun.Geocentric()).lon;
    EXPECT_LT(std::fabs(std::remainder(le - ls, 2 * kPi)), 0.05 * kDegToRad);
}

}  // namespace

namespace {

// The orbit path of each planet stays between perihelion and aphelion, and the planet's own
// position lies on it (within the path's step).
TEST(OrbitPath, BetweenPerihelionAndAphelionThroughThePlanet)
{
    for (int i = 0; i < kPlanetCount; ++i) {
        Planet planet(i);
        planet.UpdateElements(SkyTime(2461383.0));
        const std::vector<Vector3> path = OrbitPath(planet, 360);
        ASSERT_EQ(path.size(), 360u) << i;
        const double a = planet.semiMajorAxis;
        const double e = planet.eccentricity;
        constexpr double kRelativeTolerance = 1e-9;
        double nearest = 1e9;
        for (const Vector3& p : path) {
            EXPECT_GE(p.Length(), a * (1 - e) * (1 - kRelativeTolerance)) << i;
            EXPECT_LE(p.Length(), a * (1 + e) * (1 + kRelativeTolerance)) << i;
            nearest = std::min(nearest, (p - planet.Heliocentric()).Length());
        }
        // Steps of one degree of eccentric anomaly: at most a * 2 pi / 360 apart.
        EXPECT_LT(nearest, a * (1 + e) * 0.0175) << i;
    }
    EXPECT_TRUE(OrbitPath(Planet(), 360).empty());
    EXPECT_TRUE(OrbitPath(Planet(kEarth), 2).empty());
}

}  // namespace
