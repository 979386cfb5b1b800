#include "astro/time/hours.h"
#include "astro/sky/frames.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"
#include "astro/ephemeris/moon.h"
#include "astro/sky/riseset.h"
#include "astro/math/sphericalcoord.h"
#include "astro/time/timescales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kDegToRad = kPi / 180.0;
constexpr double kMinute = 1.0 / 60.0;  // hours
constexpr double kMoonMatchToleranceHours = 1.0 * kMinute;

Observer Site(double lonDeg, double latDeg, double zone)
{
    return Observer("", "", static_cast<float>(lonDeg * kDegToRad),
                    static_cast<float>(latDeg * kDegToRad), static_cast<float>(zone));
}

const Observer kSeoul = Site(126.978, 37.566, 9.0);

TEST(SunEventsTest, SeoulSummerSolstice2026)
{
    // Published for Seoul on 21 June 2026: sunrise 05:11, sunset 19:57.
    const SunEventSet s = SunEvents(2026, 6, 21, kSeoul);
    ASSERT_EQ(s.riseSet.status, RiseSetStatus::Normal);
    EXPECT_NEAR(s.riseSet.begin, 5.0 + 11.0 / 60, 2 * kMinute);
    EXPECT_NEAR(s.riseSet.end, 19.0 + 57.0 / 60, 2 * kMinute);
    const HMS rise = HoursToHMS(s.riseSet.begin);
    EXPECT_EQ(rise.hour, 5);
    EXPECT_EQ(rise.minute / 10, 1);
    EXPECT_EQ(s.civil.status, RiseSetStatus::Normal);
    EXPECT_LT(s.civil.begin, s.riseSet.begin);
    EXPECT_LT(s.nautical.begin, s.civil.begin);
    EXPECT_LT(s.astronomical.begin, s.nautical.begin);
    EXPECT_GT(s.astronomical.end, s.nautical.end);
}

TEST(SunEventsTest, TransitMovesSmoothlyFromDayToDay)
{
    // The equation of time changes by at most half a minute a day; a transit on the wrong
    // civil day would jump by about four minutes.
    const Observer sites[] = {kSeoul, Site(-74.0, 40.7, -5.0), Site(0.0, 51.5, 0.0),
                              Site(151.2, -33.9, 10.0), Site(-157.8, 21.3, -10.0),
                              Site(172.6, -43.5, 12.0)};
    for (const Observer& site : sites) {
        double previous = 0.0;
        for (int day = 0; day < 366; ++day) {
            const SkyDate date(JulianDateFromCalendar(2026, 1, 1).jd + day);
            const SunEventSet s = SunEvents(date, site);
            ASSERT_EQ(s.riseSet.status, RiseSetStatus::Normal);
            const double transit = (s.riseSet.begin + s.riseSet.end) / 2;
            if (day > 0) {
                ASSERT_LT(std::fabs(transit - previous), 0.6 * kMinute)
                    << site.longitude << " day " << day;
            }
            previous = transit;
        }
    }
}

TEST(SunEventsTest, EquatorHalfDayArc)
{
    const Observer equator = Site(0.0, 0.0, 0.0);
    for (int day = 0; day < 365; day += 10) {
        const SunEventSet s = SunEvents(SkyDate(JulianDateFromCalendar(2025, 1, 1).jd + day), equator);
        ASSERT_EQ(s.riseSet.status, RiseSetStatus::Normal);
        const double halfArc = (s.riseSet.end - s.riseSet.begin) / 2;
        EXPECT_GT(halfArc, 6.0);
        EXPECT_LT(halfArc, 6.0 + 5 * kMinute);
        EXPECT_NEAR(halfArc, 6.0 + 3 * kMinute, 1.5 * kMinute);
    }
}

TEST(SunEventsTest, PolarSummerAndWinter)
{
    const Observer north70 = Site(20.0, 70.0, 1.0);
    const SunEventSet june = SunEvents(2025, 6, 21, north70);
    EXPECT_EQ(june.riseSet.status, RiseSetStatus::NeverSets);
    EXPECT_EQ(june.civil.status, RiseSetStatus::None);
    EXPECT_EQ(june.nautical.status, RiseSetStatus::None);
    EXPECT_EQ(june.astronomical.status, RiseSetStatus::None);
    EXPECT_FALSE(june.riseSet.HasBegin());
    const SunEventSet december = SunEvents(2025, 12, 21, north70);
    EXPECT_EQ(december.riseSet.status, RiseSetStatus::NeverRises);
    EXPECT_EQ(december.civil.status, RiseSetStatus::Normal);

    const Observer north60 = Site(25.0, 60.0, 2.0);
    const SunEventSet j60 = SunEvents(2025, 6, 21, north60);
    EXPECT_EQ(j60.astronomical.status, RiseSetStatus::None);
    EXPECT_EQ(j60.riseSet.status, RiseSetStatus::Normal);
}

TEST(SunEventsTest, MarchEquinoxTransitNearNoon)
{
    const Observer greenwich = Site(0.0, 51.48, 0.0);
    for (int day = 18; day <= 22; ++day) {
        const SunEventSet s = SunEvents(2025, 3, day, greenwich);
        const double transit = (s.riseSet.begin + s.riseSet.end) / 2;
        // Equation of time near the equinox is about +7.5 minutes.
        EXPECT_NEAR(transit, 12.0 + 7.5 * kMinute, 1.5 * kMinute) << day;
    }
}

TEST(SunEventsTest, SunriseBeforeMidnightIsNegative)
{
    // 65 N, 30 E kept on UT: the Sun transits near 10h and sets briefly.
    const Observer site = Site(30.0, 65.0, 0.0);
    const SunEventSet s = SunEvents(2025, 6, 21, site);
    ASSERT_EQ(s.riseSet.status, RiseSetStatus::Normal);
    EXPECT_LT(s.riseSet.begin, 0.0);
    EXPECT_GT(s.riseSet.begin, -1.0);
    EXPECT_GT(s.riseSet.end, 20.0);
    // Less than an hour before midnight: the sign must survive a zero hour field.
    const HMS early = HoursToHMS(s.riseSet.begin);
    EXPECT_EQ(early.hour, 0);
    EXPECT_LT(early.minute, 0);
}

// Altitude of the model's Moon above its own standard altitude at local hours t.
double MoonAboveThreshold(const SkyDate& date, double t, const Observer& obs)
{
    const SkyTime ut = LocalToUT(SkyTime(date.jd + t / 24.0), obs.timeZone);
    const Moon moon(ut);
    const SphericalCoord eq =
        EclipticToEquatorial(SphericalCoord::FromVector(moon.Geocentric()), ut);
    const SphericalCoord hor = EquatorialToHorizontal(eq, UTToLST(ut, obs.longitude), obs.latitude);
    const double h0 = 0.7275 * std::asin(1.0 / moon.DistanceEarthRadii()) - 0.5667 * kDegToRad;
    return hor.lat - h0;
}

struct Crossings {
    std::vector<double> rises, sets;
};

Crossings ScanMoon(const SkyDate& date, const Observer& obs)
{
    Crossings c;
    const double step = 2 * kMinute;
    double tPrev = -1.0;
    double aPrev = MoonAboveThreshold(date, tPrev, obs);
    for (double t = tPrev + step; t <= 25.0; t += step) {
        const double a = MoonAboveThreshold(date, t, obs);
        if ((aPrev < 0) != (a < 0)) {
            const double at = tPrev + step * aPrev / (aPrev - a);
            (a > 0 ? c.rises : c.sets).push_back(at);
        }
        tPrev = t;
        aPrev = a;
    }
    return c;
}

void CheckMoonAgainstScan(const Observer& obs, int year, int month, int days, int& skipped)
{
    for (int day = 0; day < days; ++day) {
        const SkyDate date(JulianDateFromCalendar(year, month, 1).jd + day);
        const RiseSetResult r = MoonEvents(date, obs);
        const Crossings c = ScanMoon(date, obs);
        ASSERT_EQ(r.status, RiseSetStatus::Normal);
        for (int side = 0; side < 2; ++side) {
            const std::vector<double>& list = side == 0 ? c.rises : c.sets;
            std::vector<double> inDay;
            bool nearEdge = false;
            for (double t : list) {
                if (t >= 0 && t < 24)
                    inDay.push_back(t);
                if (std::fabs(t) < 2 * kMinute || std::fabs(t - 24) < 2 * kMinute)
                    nearEdge = true;
            }
            if (nearEdge) {
                ++skipped;
                continue;
            }
            const bool has = side == 0 ? r.HasBegin() : r.HasEnd();
            const double got = side == 0 ? r.begin : r.end;
            ASSERT_LE(inDay.size(), 1u);
            ASSERT_EQ(has, inDay.size() == 1) << "day " << day << " side " << side;
            if (has) {
                EXPECT_NEAR(got, inDay[0], kMoonMatchToleranceHours)
                    << "day " << day << " side " << side;
                EXPECT_GE(got, 0.0);
                EXPECT_LT(got, 24.0);
            }
        }
    }
}

TEST(MoonEventsTest, MatchesTheModelMoonCrossingItsAltitude)
{
    int skipped = 0;
    CheckMoonAgainstScan(kSeoul, 2026, 1, 62, skipped);
    CheckMoonAgainstScan(Site(-0.13, 51.5, 0.0), 2025, 7, 31, skipped);
    CheckMoonAgainstScan(Site(151.2, -33.9, 10.0), 2024, 3, 31, skipped);
    CheckMoonAgainstScan(Site(-78.5, -0.2, -5.0), 2023, 10, 31, skipped);
    CheckMoonAgainstScan(Site(-149.9, 61.2, -9.0), 2022, 5, 31, skipped);
    EXPECT_LT(skipped, 6);
}

TEST(MoonEventsTest, AboutOnceAMonthAnEventFallsOnAnotherDay)
{
    int noRise = 0, noSet = 0;
    for (int day = 0; day < 365; ++day) {
        const SkyDate date(JulianDateFromCalendar(2026, 1, 1).jd + day);
        const RiseSetResult r = MoonEvents(date, kSeoul);
        ASSERT_EQ(r.status, RiseSetStatus::Normal);
        ASSERT_TRUE(r.HasBegin() || r.HasEnd()) << day;  // never both at this latitude
        if (!r.HasBegin()) {
            ++noRise;
            EXPECT_EQ(r.beginStatus, EventStatus::NotThisDay);
        }
        if (!r.HasEnd())
            ++noSet;
        if (r.HasBegin()) {
            EXPECT_GE(r.begin, 0.0);
            EXPECT_LT(r.begin, 24.0);
        }
        if (r.HasEnd()) {
            EXPECT_GE(r.end, 0.0);
            EXPECT_LT(r.end, 24.0);
        }
    }
    EXPECT_GE(noRise, 11);
    EXPECT_LE(noRise, 14);
    EXPECT_GE(noSet, 11);
    EXPECT_LE(noSet, 14);
}

TEST(MoonEventsTest, RiseLaterThanSetIsReportedAsComputed)
{
    int riseAfterSet = 0;
    for (int day = 0; day < 30; ++day) {
        const RiseSetResult r =
            MoonEvents(SkyDate(JulianDateFromCalendar(2026, 3, 1).jd + day), kSeoul);
        if (r.HasBegin() && r.HasEnd() && r.begin > r.end)
            ++riseAfterSet;
    }
    EXPECT_GT(riseAfterSet, 8);  // about half the month the Moon is up at midnight
    EXPECT_LT(riseAfterSet, 22);
}

TEST(MoonEventsTest, HighLatitudeStatuses)
{
    // At 78 N the Moon stays up or down for days around its extreme declinations.
    const Observer svalbard = Site(15.6, 78.2, 1.0);
    int neverRises = 0, neverSets = 0;
    for (int day = 0; day < 60; ++day) {
        const RiseSetResult r =
            MoonEvents(SkyDate(JulianDateFromCalendar(2025, 1, 1).jd + day), svalbard);
        neverRises += r.status == RiseSetStatus::NeverRises;
        neverSets += r.status == RiseSetStatus::NeverSets;
        if (r.status != RiseSetStatus::Normal) {
            EXPECT_FALSE(r.HasBegin() || r.HasEnd());
        }
    }
    EXPECT_GT(neverRises, 5);
    EXPECT_GT(neverSets, 5);
}

}  // namespace
