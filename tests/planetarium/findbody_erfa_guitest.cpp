// FindBody against ERFA: the same instant and site through IAU models (VSOP87-based Earth,
// Moon98, Plan94, IAU 2006/2000A precession-nutation and Earth rotation), geocentric and
// without refraction. The tolerances are those of the program's closed formulas, not of
// the frame conversions: Keplerian elements without perturbations, the planets' J2000
// ecliptic rotated as if it were the ecliptic of date, no aberration.
#include "astro/time/timescales.h"
#include "astro/math/angles.h"
#include "planetarium/findbody.h"
#include "testsky.h"

#include <erfa.h>

#include <cmath>

#include <gtest/gtest.h>

namespace {

constexpr double kSunToleranceDeg = 0.03;    // Schlyter's Sun, aberration ignored (found: 0.011)
constexpr double kMoonToleranceDeg = 2.5;    // no evection, variation or annual equation (found: 2.05)
constexpr double kPlanetToleranceDeg = 0.5;  // 2024: about 0.34 degree of precession in longitude (found: 0.39)
constexpr double kPlutoToleranceDeg = 0.5;  // found: 0.16

// Seoul local civil times (Julian dates) spread over a year and over the day.
constexpr double kLocalInstants[] = {
    2460325.375,  // 2024-01-15 21:00
    2460483.0,    // 2024-06-21 12:00
    2460580.25,   // 2024-09-26 18:00
    2460672.125,  // 2024-12-27 15:00
    2460400.875,  // 2024-03-31 09:00 (morning)
};

double SeparationDeg(const SphericalCoord& a, const SphericalCoord& b)
{
    const double dot = a.X() * b.X() + a.Y() * b.Y() + a.Z() * b.Z();
    const double cross = std::hypot(std::hypot(a.Y() * b.Z() - a.Z() * b.Y(),
                                               a.Z() * b.X() - a.X() * b.Z()),
                                    a.X() * b.Y() - a.Y() * b.X());
    return std::atan2(cross, dot) * kRadToDeg;
}

// Horizontal direction (azimuth from north through east, altitude) of a geocentric ICRS
// direction for the test site at UT julian date jd, from ERFA with refraction off.
SphericalCoord ErfaHorizontal(const double icrs[3], double jd, const Observer& site)
{
    double direction[3] = {icrs[0], icrs[1], icrs[2]};
    double ra = 0.0, dec = 0.0;
    eraC2s(direction, &ra, &dec);
    double aob, zob, hob, dob, rob, eo;
    const int status = eraAtco13(eraAnp(ra), dec, 0.0, 0.0, 0.0, 0.0, jd, 0.0, 0.0,
                                 double(site.longitude), double(site.latitude), 0.0, 0.0, 0.0,
                                 0.0, 0.0, 0.0, 0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    EXPECT_GE(status, 0);
    return SphericalCoord(aob, kHalfPi - zob);
}

void EarthHeliocentric(double jd, double earth[3])
{
    double pvh[2][3], pvb[2][3];
    eraEpv00(jd, 0.0, pvh, pvb);
    for (int i = 0; i < 3; ++i)
        earth[i] = pvh[0][i];
}

class FindBodyAgainstErfa : public testing::TestWithParam<double> {
protected:
    void SetUp() override { sky.SetLocalTime(GetParam()); }
    double UtJd() const { return sky.ut.JD(); }

    TestSky sky;
};

TEST_P(FindBodyAgainstErfa, Sun)
{
    double earth[3];
    EarthHeliocentric(UtJd(), earth);
    const double sun[3] = {-earth[0], -earth[1], -earth[2]};
    const BodyPlace found = FindBody(sky.scene, Body::Sun);
    ASSERT_TRUE(found.known);
    EXPECT_LT(SeparationDeg(found.horizontal, ErfaHorizontal(sun, UtJd(), sky.observer)),
              kSunToleranceDeg);
}

TEST_P(FindBodyAgainstErfa, Moon)
{
    double pv[2][3];
    eraMoon98(UtJd(), 0.0, pv);
    const BodyPlace found = FindBody(sky.scene, Body::Moon);
    ASSERT_TRUE(found.known);
    EXPECT_LT(SeparationDeg(found.horizontal, ErfaHorizontal(pv[0], UtJd(), sky.observer)),
              kMoonToleranceDeg);
}

TEST_P(FindBodyAgainstErfa, PlanetsMercuryToNeptune)
{
    double earth[3];
    EarthHeliocentric(UtJd(), earth);
    // Plan94 numbers the planets from 1 (Mercury) and has the Earth-Moon barycentre as 3.
    const std::pair<Body, int> planets[] = {{Body::Mercury, 1}, {Body::Venus, 2},
                                             {Body::Mars, 4},    {Body::Jupiter, 5},
                                             {Body::Saturn, 6},  {Body::Uranus, 7},
                                             {Body::Neptune, 8}};
    for (const auto& [planet, plan94] : planets) {
        double pv[2][3];
        ASSERT_GE(eraPlan94(UtJd(), 0.0, plan94, pv), 0);
        const double geocentric[3] = {pv[0][0] - earth[0], pv[0][1] - earth[1],
                                      pv[0][2] - earth[2]};
        const BodyPlace found = FindBody(sky.scene, planet);
        ASSERT_TRUE(found.known) << BodyKey(planet);
        EXPECT_LT(SeparationDeg(found.horizontal,
                                ErfaHorizontal(geocentric, UtJd(), sky.observer)),
                  kPlanetToleranceDeg)
            << "planet " << BodyKey(planet);
    }
}

// Pluto has no ERFA theory; its place on 2024-01-15 from published ephemerides is close to
// RA 20 h 08 m, Dec -22.9 degrees (ICRS), near the Sun in the evening sky.
TEST(FindBodyPluto, NearItsPublishedPlace)
{
    TestSky sky;
    constexpr double kRaRad = (20.0 + 8.0 / 60.0) * 15.0 / kRadToDeg;
    constexpr double kDecRad = -22.9 / kRadToDeg;
    const double icrs[3] = {std::cos(kDecRad) * std::cos(kRaRad),
                            std::cos(kDecRad) * std::sin(kRaRad), std::sin(kDecRad)};
    const BodyPlace found = FindBody(sky.scene, Body::Pluto);
    ASSERT_TRUE(found.known);
    EXPECT_LT(SeparationDeg(found.horizontal, ErfaHorizontal(icrs, sky.ut.JD(), sky.observer)),
              kPlutoToleranceDeg);
}

INSTANTIATE_TEST_SUITE_P(Seoul2024, FindBodyAgainstErfa, testing::ValuesIn(kLocalInstants));

}  // namespace
