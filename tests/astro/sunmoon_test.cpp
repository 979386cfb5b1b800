#include "astro/time/juliandate.h"
#include "astro/math/angles.h"
#include "astro/ephemeris/moon.h"
#include "astro/math/sphericalcoord.h"
#include "astro/ephemeris/sun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDegToRad = kPi / 180.0;

double LonDeg(const Vector3& v)
{
    return SphericalCoord::FromVector(v).lon / kDegToRad;
}

TEST(SunModel, DayZero)
{
    const Sun sun(SkyTime(SkyDate(2451543.5), 0.0));
    EXPECT_NEAR(LonDeg(sun.Geocentric()), 278.85, 0.01);
    EXPECT_NEAR(sun.DistanceAU(), 0.98333, 0.00001);
    EXPECT_DOUBLE_EQ(sun.geoZ, 0.0);
    EXPECT_DOUBLE_EQ(sun.semiMajorAxis, 1.0);
    EXPECT_NEAR(sun.obliquity, 23.4393 * kDegToRad, 1e-12);
}

TEST(SunModel, AdvancesAboutADegreeADay)
{
    Sun sun(SkyTime(2455000.5));
    double previous = LonDeg(sun.Geocentric());
    for (int day = 1; day <= 365; ++day) {
        sun.Update(SkyTime(2455000.5 + day));
        const double lon = LonDeg(sun.Geocentric());
        double step = lon - previous;
        if (step < 0)
            step += 360.0;
        ASSERT_GT(step, 0.95);  // faster at perihelion, slower at aphelion
        ASSERT_LT(step, 1.02);
        ASSERT_DOUBLE_EQ(sun.geoZ, 0.0);
        ASSERT_GE(sun.trueAnomaly, 0.0);
        ASSERT_LT(sun.trueAnomaly, 2 * kPi);
        previous = lon;
    }
    const Sun a(SkyTime(2455000.5)), b(SkyTime(2455000.5 + 365.2422));
    EXPECT_NEAR(std::remainder(LonDeg(b.Geocentric()) - LonDeg(a.Geocentric()), 360.0), 0.0,
                0.02);
}

TEST(SunModel, PublishedSolsticeAndEquinox)
{
    // March equinox 2024: 20 March 03:06 UT; June solstice 2024: 20 June 20:51 UT.
    const Sun eq(SkyTime(JulianDateFromCalendar(2024, 3, 20), 3.1));
    EXPECT_NEAR(std::remainder(LonDeg(eq.Geocentric()), 360.0), 0.0, 0.02);
    const Sun so(SkyTime(JulianDateFromCalendar(2024, 6, 20), 20.85));
    EXPECT_NEAR(LonDeg(so.Geocentric()), 90.0, 0.02);
}

TEST(MoonModel, DistanceLatitudeAndPeriod)
{
    Moon moon(SkyTime(2451543.5));
    double minR = 100, maxR = 0, maxLat = 0;
    for (double d = 0; d < 400.0; d += 0.25) {
        moon.Update(SkyTime(2451543.5 + d));
        const double r = moon.DistanceEarthRadii();
        minR = std::min(minR, r);
        maxR = std::max(maxR, r);
        maxLat = std::max(maxLat, std::fabs(SphericalCoord::FromVector(moon.Geocentric()).lat));
        ASSERT_GE(moon.ascendingNode, 0.0);
        ASSERT_LT(moon.ascendingNode, 2 * kPi);
        ASSERT_GE(moon.argPerihelion, 0.0);
        ASSERT_LT(moon.argPerihelion, 2 * kPi);
    }
    EXPECT_GE(minR, 60.2666 * (1 - 0.0549) - 1e-6);
    EXPECT_LT(minR, 56.97);
    EXPECT_LE(maxR, 60.2666 * (1 + 0.0549) + 1e-6);
    EXPECT_GT(maxR, 63.57);
    EXPECT_LE(maxLat, 5.1454 * kDegToRad + 1e-12);
    EXPECT_GT(maxLat, 5.14 * kDegToRad);
    EXPECT_NEAR(2 * kPi / 0.22802714374305486, 27.5545, 0.0001);
    // Same mean anomaly after one anomalistic month.
    const Moon a(SkyTime(2451600.5)), b(SkyTime(2451600.5 + 2 * kPi / 0.22802714374305486));
    EXPECT_NEAR(std::remainder(a.meanAnomaly - b.meanAnomaly, 2 * kPi), 0.0, 1e-9);
}

TEST(MoonModel, PhaseAtPublishedNewAndFullMoons)
{
    // New moon 6 January 2000 18:14 UT; full moon (total eclipse) 21 January 2000 04:40 UT;
    // first quarter 14 January 2000 13:34 UT.
    const Moon newMoon(SkyTime(JulianDateFromCalendar(2000, 1, 6), 18.23));
    EXPECT_LT(newMoon.PhaseFraction(), 0.01);
    const Moon fullMoon(SkyTime(JulianDateFromCalendar(2000, 1, 21), 4.67));
    EXPECT_GT(fullMoon.PhaseFraction(), 0.99);
    const Moon quarter(SkyTime(JulianDateFromCalendar(2000, 1, 14), 13.57));
    EXPECT_NEAR(quarter.PhaseFraction(), 0.5, 0.04);
    for (double d = 0; d < 60; d += 0.3) {
        const double f = Moon(SkyTime(2451543.5 + d)).PhaseFraction();
        ASSERT_GE(f, 0.0);
        ASSERT_LE(f, 1.0);
    }
}

TEST(MoonModel, DefaultConstructorReadsTheClockOnly)
{
    const Moon moon;
    EXPECT_GT(moon.time.JD(), 2451544.5);  // after 2000
    EXPECT_DOUBLE_EQ(moon.geoX, 0.0);
    const Sun sun;
    EXPECT_DOUBLE_EQ(sun.geoX, 0.0);
    EXPECT_GT(sun.time.JD(), 2451544.5);
}

}  // namespace
