// The pole star's apparent place, hour angle, pole distance and next upper transit against
// ERFA's own route to the observed place (eraAtco13 / eraAtci13: CIO-based, Earth rotation
// angle, eraAb's relativistic aberration, the Sun's light deflection), which Kosmira does not
// take; and the refraction of the pole against Bennett's and ERFA's formulas.
#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"
#include "astro/sky/polestar.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kHourAngleToleranceMinutes = 0.5;      // minutes of time
constexpr double kPoleDistanceToleranceArcmin = 0.1;    // arc minutes
constexpr double kPlaceToleranceArcmin = 0.05;          // apparent RA/Dec, arc minutes
// Kosmira's hour angle is geocentric; ERFA's observed one carries the diurnal aberration
// (0.3" at most, up to 2.5 s of Polaris' hour angle).
constexpr double kTransitHourAngleToleranceSeconds = 3.0;  // seconds of time
constexpr double kRefractionToleranceArcmin = 0.1;      // arc minutes

struct Site {
    const char* name;
    double latDeg;
    double lonDeg;
};

const Site kSites[] = {
    {"Seoul", 37.5665, 126.978},    {"Greenwich", 51.4769, -0.0005},
    {"Mauna Kea", 19.8207, -155.468}, {"Tromso", 69.6492, 18.9553},
    {"Quito", 0.18, -78.47},        {"Sydney", -33.8688, 151.2093},
    {"Santiago", -33.4489, -70.6693}, {"Cape Town", -33.9249, 18.4241},
    {"Ushuaia", -54.8019, -68.303},
};
constexpr int kSiteCount = sizeof kSites / sizeof kSites[0];

constexpr double kJd2000 = 2451545.0;
constexpr double kJd2050 = 2469807.5;
constexpr int kInstantCount = 100;

// Instant k of 100 spread over 2000-2050, with a fraction of the day that wanders.
double InstantJd(int k)
{
    return kJd2000 + (kJd2050 - kJd2000) * k / (kInstantCount - 1) + std::fmod(0.3719 * k, 1.0);
}

struct ErfaPlace {
    double hourAngle;  // observed (no refraction), radians
    double dec;        // observed declination, radians
    double ra;         // apparent geocentric RA of date (equinox based), radians
    double apparentDec;
};

// ERFA's place of a star for UTC = UT1 = jd at a site, no refraction, no polar motion.
ErfaPlace ErfaStar(const CatalogueStar& star, double jd, double lonDeg, double latDeg)
{
    const double rc = star.raDeg * kDegToRad;
    const double dc = star.decDeg * kDegToRad;
    const double pr = star.pmRaCosDecMasYr / 1000.0 * kArcsecToRad / std::cos(dc);
    const double pd = star.pmDecMasYr / 1000.0 * kArcsecToRad;
    const double px = star.parallaxMas / 1000.0;
    ErfaPlace out{};
    double aob, zob, hob, dob, rob, eo;
    const int j = eraAtco13(rc, dc, pr, pd, px, star.radialVelocityKms, jd, 0.0, 0.0,
                            lonDeg * kDegToRad, latDeg * kDegToRad, 0.0, 0.0, 0.0, 0.0, 0.0,
                            0.0, 0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    EXPECT_GE(j, 0);
    out.hourAngle = hob;
    out.dec = dob;
    // Geocentric CIRS place, then to the equinox of date: RA = CIRS RA - equation of origins.
    double tai1, tai2, tt1, tt2, ri, di;
    eraUtctai(jd, 0.0, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    eraAtci13(rc, dc, pr, pd, px, star.radialVelocityKms, tt1, tt2, &ri, &di, &eo);
    out.ra = eraAnp(ri - eo);
    out.apparentDec = di;
    return out;
}

double SeparationArcmin(double ra1, double dec1, double ra2, double dec2)
{
    return eraSeps(ra1, dec1, ra2, dec2) * kRadToDeg * 60.0;
}

double PoleDistance(double dec, bool south)
{
    return south ? kHalfPi + dec : kHalfPi - dec;
}

TEST(PoleStarErfa, HourAngleAndPoleDistanceAt100InstantsAndSeveralSites)
{
    double worstHa = 0.0, worstPole = 0.0, worstPlace = 0.0, worstTransit = 0.0;
    int south = 0;
    for (int k = 0; k < kInstantCount; ++k) {
        const Site& site = kSites[k % kSiteCount];
        const double jd = InstantJd(k);
        const PoleStarPlace mine =
            ComputePoleStar(Instant::FromUT(jd), site.lonDeg * kDegToRad, site.latDeg * kDegToRad);
        const CatalogueStar& star = PoleStarCatalogue(mine.star);
        EXPECT_EQ(mine.south, site.latDeg < 0.0) << site.name;
        EXPECT_EQ(mine.star, site.latDeg < 0.0 ? PoleStarId::SigmaOctantis : PoleStarId::Polaris);
        south += mine.south ? 1 : 0;
        const ErfaPlace ref = ErfaStar(star, jd, site.lonDeg, site.latDeg);

        const double haMinutes = std::fabs(WrapPi(mine.hourAngle - ref.hourAngle)) * kRadToHours * 60.0;
        const double poleArcmin =
            std::fabs(mine.poleDistance - PoleDistance(ref.dec, mine.south)) * kRadToDeg * 60.0;
        const double placeArcmin =
            SeparationArcmin(mine.apparent.ra, mine.apparent.dec, ref.ra, ref.apparentDec);
        EXPECT_LT(haMinutes, kHourAngleToleranceMinutes) << site.name << " jd " << jd;
        EXPECT_LT(poleArcmin, kPoleDistanceToleranceArcmin) << site.name << " jd " << jd;
        EXPECT_LT(placeArcmin, kPlaceToleranceArcmin) << site.name << " jd " << jd;

        // At the predicted transit ERFA puts the star on the meridian, within a sidereal day.
        const double transit = mine.nextUpperTransitJdUT;
        EXPECT_GT(transit, jd);
        EXPECT_LT(transit - jd, 0.99727);
        const ErfaPlace atTransit = ErfaStar(star, transit, site.lonDeg, site.latDeg);
        const double transitSeconds = std::fabs(atTransit.hourAngle) * kRadToHours * 3600.0;
        EXPECT_LT(transitSeconds, kTransitHourAngleToleranceSeconds) << site.name << " jd " << jd;

        worstHa = std::max(worstHa, haMinutes);
        worstPole = std::max(worstPole, poleArcmin);
        worstPlace = std::max(worstPlace, placeArcmin);
        worstTransit = std::max(worstTransit, transitSeconds);
    }
    EXPECT_GT(south, 30);
    std::printf("pole star vs eraAtco13, %d instants 2000-2050, %d sites (%d southern):\n",
                kInstantCount, kSiteCount, south);
    std::printf("  hour angle      max %.4f min of time\n", worstHa);
    std::printf("  pole distance   max %.4f arcmin\n", worstPole);
    std::printf("  apparent place  max %.4f arcmin\n", worstPlace);
    std::printf("  transit HA      max %.3f s of time\n", worstTransit);
}

TEST(PoleStarErfa, TrapeziumNeighboursFollowTheSameRoute)
{
    const double jd = 2461383.0;  // 2026-12-08 12:00 UT
    const PreciseEphemeris sky(Instant::FromUT(jd));
    for (PoleStarId id : kOctansNeighbours) {
        const PoleStarPlace mine = ComputeStarPlace(id, sky, 151.2093 * kDegToRad);
        const ErfaPlace ref = ErfaStar(PoleStarCatalogue(id), jd, 151.2093, -33.8688);
        EXPECT_TRUE(mine.south);
        EXPECT_LT(std::fabs(WrapPi(mine.hourAngle - ref.hourAngle)) * kRadToHours * 60.0,
                  kHourAngleToleranceMinutes)
            << PoleStarCatalogue(id).key;
        EXPECT_LT(SeparationArcmin(mine.apparent.ra, mine.apparent.dec, ref.ra, ref.apparentDec),
                  kPlaceToleranceArcmin)
            << PoleStarCatalogue(id).key;
    }
}

// Bennett's formula (J. Navigation 35, 255, 1982) for an apparent altitude in degrees,
// arc minutes: the published inverse of Saemundsson's to about 0.07'.
double BennettArcmin(double apparentDeg)
{
    return 1.0 / std::tan((apparentDeg + 7.31 / (apparentDeg + 4.4)) * kDegToRad);
}

TEST(PoleStarRefraction, AgreesWithBennettAndErfa)
{
    // ERFA's tan z model for 10 degC, 1010 hPa, dry air, visual light; good above ~30 deg.
    double refa = 0.0, refb = 0.0;
    eraRefco(1010.0, 10.0, 0.0, 0.55, &refa, &refb);
    struct Case {
        double latitudeDeg;
        bool erfa;  // ERFA's model holds at this altitude
    };
    const Case cases[] = {{0.5, false},  {5.0, false},  {10.0, false}, {15.0, false},
                          {20.0, false}, {30.0, true},  {37.5665, true}, {-33.87, true},
                          {45.0, true},  {60.0, true},  {-70.0, true},   {89.0, true}};
    std::printf("pole refraction: latitude, Kosmira, Bennett, ERFA (arcmin)\n");
    for (const Case& c : cases) {
        const double h = std::fabs(c.latitudeDeg) * kDegToRad;
        const double mine = RefractionOfTrueAltitude(h) * kRadToDeg * 60.0;
        const double bennett = BennettArcmin(std::fabs(c.latitudeDeg) + mine / 60.0);
        EXPECT_NEAR(mine, bennett, kRefractionToleranceArcmin) << c.latitudeDeg;
        const double z = kHalfPi - h;
        const double erfa = (refa * std::tan(z) + refb * std::pow(std::tan(z), 3)) * kRadToDeg * 60.0;
        if (c.erfa) {
            EXPECT_NEAR(mine, erfa, kRefractionToleranceArcmin) << c.latitudeDeg;
        }
        std::printf("  %7.2f  %6.2f  %6.2f  %6.2f\n", c.latitudeDeg, mine, bennett, erfa);
    }
    EXPECT_EQ(RefractionOfTrueAltitude(-2.0 * kDegToRad), 0.0);
}

// The clock face's convention: 12 o'clock up, the northern sky turning counter-clockwise
// when facing it, the southern clockwise, an inverting scope half a turn round.
TEST(PoleStarClock, ClockPositionOfHourAngle)
{
    struct Case {
        double hourAngleH;
        bool south;
        bool inverted;
        double clock;
    };
    const Case cases[] = {
        {0.0, false, false, 0.0}, {0.0, false, true, 6.0},  {6.0, false, false, 9.0},
        {6.0, false, true, 3.0},  {18.0, false, false, 3.0}, {3.0, false, true, 4.5},
        {0.0, true, false, 0.0},  {6.0, true, false, 3.0},  {6.0, true, true, 9.0},
        {21.0, true, false, 10.5}, {12.0, true, true, 0.0}, {23.0, false, false, 0.5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ClockPosition(c.hourAngleH * kHoursToRad, c.south, c.inverted), c.clock, 1e-9)
            << c.hourAngleH << (c.south ? " south" : " north") << (c.inverted ? " inverted" : "");
}

TEST(PoleStarEpochs, EpochCirclesAreThePoleDistancesOfNewYear)
{
    // 1 January 0h UT of each year against ERFA's geocentric CIRS declination.
    double last = 0.0;
    for (int year = 2025; year <= 2040; year += 5) {
        double jd = 0.0, jd0 = 0.0;
        ASSERT_EQ(eraCal2jd(year, 1, 1, &jd0, &jd), 0);
        jd += jd0;
        for (PoleStarId id : {PoleStarId::Polaris, PoleStarId::SigmaOctantis}) {
            const ErfaPlace ref = ErfaStar(PoleStarCatalogue(id), jd, 0.0, 0.0);
            const bool south = id != PoleStarId::Polaris;
            EXPECT_NEAR(PoleDistanceAtYear(id, year) * kRadToDeg * 60.0,
                        PoleDistance(ref.apparentDec, south) * kRadToDeg * 60.0,
                        kPoleDistanceToleranceArcmin)
                << PoleStarCatalogue(id).key << " " << year;
        }
        // Polaris nears the pole until about 2100.
        const double d = PoleDistanceAtYear(PoleStarId::Polaris, year);
        if (year > 2025) {
            EXPECT_LT(d, last);
        }
        last = d;
    }
    std::printf("Polaris from the pole: 2025 %.2f', 2040 %.2f'; sigma Octantis: %.2f', %.2f'\n",
                PoleDistanceAtYear(PoleStarId::Polaris, 2025) * kRadToDeg * 60.0,
                PoleDistanceAtYear(PoleStarId::Polaris, 2040) * kRadToDeg * 60.0,
                PoleDistanceAtYear(PoleStarId::SigmaOctantis, 2025) * kRadToDeg * 60.0,
                PoleDistanceAtYear(PoleStarId::SigmaOctantis, 2040) * kRadToDeg * 60.0);
}

}  // namespace
