// The click lookup (projection, tiers, layers) and the report of an object in a shown sky.
#include "shippedindex.h"

#include "astro/math/angles.h"
#include "astro/sky/fixedevents.h"
#include "astro/sky/shownsky.h"
#include "astro/time/juliandate.h"
#include "search/skypick.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPixelTolerance = 1e-6;

// A camera at the centre looking along +x of the J2000 frame (RA 0, Dec 0) with +z (north)
// up and +y (RA 6h) to the left, as a sky seen from inside; 90 degrees vertical field on a
// 1920 x 1080 viewport. Built by hand: the perspective matrix of gluPerspective.
PickFrame FrameLookingAtRaZero()
{
    PickFrame f;
    // eye = (-y, z, -x): columns of the model-view (column-major).
    const double mv[16] = {0, 0, -1, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    const double aspect = 1920.0 / 1080.0;
    const double fy = 1.0 / std::tan(kPi / 4.0);
    const double n = 0.1, far = 2.0;
    const double p[16] = {fy / aspect, 0, 0, 0, 0, fy, 0, 0, 0, 0, (far + n) / (n - far), -1,
                          0, 0, 2 * far * n / (n - far), 0};
    for (int i = 0; i < 16; ++i) {
        f.modelView[i] = mv[i];
        f.projection[i] = p[i];
    }
    f.viewport[2] = 1920;
    f.viewport[3] = 1080;
    return f;
}

TEST(SkyPick, ProjectionPutsKnownDirectionsOnKnownPixels)
{
    const PickFrame f = FrameLookingAtRaZero();
    const struct {
        SphericalCoord at;
        double x, y;
    } cases[] = {
        {{0.0, 0.0}, 959.5 + 0.5, 539.0},            // the centre (row 0 at the top)
        {{0.0, kPi / 4}, 960.0, 539.0 - 540.0},      // 45 deg north: the top edge
        {{kTwoPi - kPi / 4, 0.0}, 960.0 + 540.0, 539.0},  // RA -3h: to the right
    };
    for (const auto& c : cases) {
        double x = 0, y = 0;
        ASSERT_TRUE(ProjectToPixel(f, c.at.ToVector(), x, y));
        EXPECT_NEAR(x, c.x, kPixelTolerance);
        EXPECT_NEAR(y, c.y, kPixelTolerance);
    }
    double x = 0, y = 0;
    EXPECT_FALSE(ProjectToPixel(f, SphericalCoord(kPi, 0.0).ToVector(), x, y));  // behind
}

// A shown sky whose bodies lie far from RA 0, Dec 0 is enough to test the star tiers.
const ShownSky& Sky()
{
    static const ShownSky sky = [] {
        Observer seoul("", "", float(126.978 * kDegToRad), float(37.5665 * kDegToRad), 9.0f);
        return ComputeShownSky(SkyTime(JulianDateFromCalendar(2026, 12, 8).jd + 21.0 / 24.0),
                               seoul, Model::Classic);
    }();
    return sky;
}

// A frame centred on an object's J2000 direction: the model-view turns it onto +x first.
PickFrame FrameCentredOn(const SphericalCoord& p)
{
    PickFrame f = FrameLookingAtRaZero();
    // Rotation taking p to (1,0,0): about z by -RA, then about y by +Dec.
    const double ca = std::cos(-p.lon), sa = std::sin(-p.lon);
    const double cd = std::cos(p.lat), sd = std::sin(p.lat);
    // R = Ry(dec) * Rz(-ra), rows
    const double r[3][3] = {{cd * ca, -cd * sa, sd}, {sa, ca, 0}, {-sd * ca, sd * sa, cd}};
    const double axes[16] = {0, 0, -1, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    double mv[16] = {};
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 3; ++row) {
            double s = 0;
            for (int k = 0; k < 3; ++k)
                s += axes[k * 4 + row] * r[k][c];
            mv[c * 4 + row] = s;
        }
    mv[15] = 1;
    for (int i = 0; i < 16; ++i)
        f.modelView[i] = mv[i];
    return f;
}

int Picked(const PickFrame& f, const SphericalCoord& at, double dx = 0, double dy = 0)
{
    double x = 0, y = 0;
    EXPECT_TRUE(ProjectToPixel(f, at.ToVector(), x, y));
    return PickObject(ShippedIndex(), Sky(), f, x + dx, y + dy);
}

TEST(SkyPick, TiersAndLayers)
{
    const SkyIndex& index = ShippedIndex();
    const auto sirius = index.Find("시리우스", 1)[0].object;
    const SphericalCoord at = index.Object(sirius).position;
    PickFrame f = FrameCentredOn(at);
    EXPECT_EQ(Picked(f, at), int(sirius));
    EXPECT_EQ(Picked(f, at, 9.0, 0.0), int(sirius));   // within 10 px
    EXPECT_EQ(Picked(f, at, 0.0, -9.5), int(sirius));
    EXPECT_NE(Picked(f, at, 10.5, 0.0), int(sirius));  // beyond
    f.stars = false;
    EXPECT_EQ(Picked(f, at), int(sirius));  // its name is still drawn
    f.starNames = false;
    EXPECT_EQ(Picked(f, at), -1);

    // A deep-sky object alone under the pointer; the Messier layer decides.
    const int m13 = index.MessierObject(13);
    const SphericalCoord m13At = index.Object(std::size_t(m13)).position;
    PickFrame g = FrameCentredOn(m13At);
    g.stars = false;
    g.starNames = false;
    EXPECT_EQ(Picked(g, m13At), m13);
    g.messier = false;
    EXPECT_EQ(Picked(g, m13At), -1);

    // A body comes before every star under it.
    const SphericalCoord jupiter = BodyJ2000(Sky(), Body::Jupiter);
    const PickFrame h = FrameCentredOn(jupiter);
    EXPECT_EQ(Picked(h, jupiter), index.BodyObject(Body::Jupiter));
}

TEST(SkyPick, BrightestStarWinsAmongUnnamedOnes)
{
    const SkyIndex& index = ShippedIndex();
    // Two unnamed stars closest together on the sky: a click between them picks the brighter.
    std::size_t a = 0, b = 0;
    double best = 1.0;
    const auto& stars = index.StarObjects();
    for (std::size_t i = 0; i < 3000; ++i)
        for (std::size_t j = i + 1; j < 3000; ++j) {
            const SkyObject& p = index.Object(stars[i]);
            const SkyObject& q = index.Object(stars[j]);
            if (!p.names.empty() || !q.names.empty() || p.magnitude == q.magnitude)
                continue;
            const double d = 1.0 - (p.unit.x * q.unit.x + p.unit.y * q.unit.y + p.unit.z * q.unit.z);
            if (d < best) {
                best = d;
                a = stars[i];
                b = stars[j];
            }
        }
    const SkyObject& p = index.Object(a);
    const SkyObject& q = index.Object(b);
    const Vector3 mid{(p.unit.x + q.unit.x) / 2, (p.unit.y + q.unit.y) / 2, (p.unit.z + q.unit.z) / 2};
    const SphericalCoord centre = SphericalCoord::FromVector(mid);
    PickFrame f = FrameCentredOn(centre);
    f.bodies = false;
    const std::size_t brighter = p.magnitude < q.magnitude ? a : b;
    EXPECT_EQ(Picked(f, centre), int(brighter));
}

// Rise and set of a fixed star found by the semi-diurnal arc put it, in the shown sky of
// that moment (sidereal time by another path), at the standard altitude.
TEST(FixedObjectEvents, RiseAndSetLieOnTheStandardAltitude)
{
    const Observer seoul("", "", float(126.978 * kDegToRad), float(37.5665 * kDegToRad), 9.0f);
    const SkyDate date(JulianDateFromCalendar(2026, 12, 8).jd);
    constexpr double kAltitudeToleranceRad = 2.0 * kArcsecToRad * 60.0;  // 2'
    const SphericalCoord stars[] = {{1.767, -0.2918}, {5.0, 0.8}, {0.2, 0.1}};  // Sirius, ...
    for (const SphericalCoord& s : stars) {
        const FixedObjectDay day = FixedObjectEvents(date, seoul, s);
        ASSERT_EQ(day.riseSet.status, RiseSetStatus::Normal);
        for (double hours : {day.riseSet.begin, day.riseSet.end}) {
            const ShownSky sky = ComputeShownSky(SkyTime(date, hours), seoul, Model::Classic);
            const SphericalCoord h = SphericalCoord::FromVector(
                sky.EquatorialToHorizontal().Apply(s.ToVector()));
            EXPECT_NEAR(h.lat, kStarRiseAltitude, kAltitudeToleranceRad) << hours;
        }
        const ShownSky atTransit = ComputeShownSky(SkyTime(date, day.transit), seoul, Model::Classic);
        const SphericalCoord h = SphericalCoord::FromVector(
            atTransit.EquatorialToHorizontal().Apply(s.ToVector()));
        EXPECT_NEAR(h.lat, day.transitAltitude, kAltitudeToleranceRad);
        EXPECT_NEAR(std::cos(h.lon), s.lat < seoul.latitude ? -1.0 : 1.0, 1e-4);  // due south/north
    }
    // Circumpolar and never rising at Seoul's latitude.
    EXPECT_EQ(FixedObjectEvents(date, seoul, {1.0, 1.5}).riseSet.status, RiseSetStatus::NeverSets);
    EXPECT_EQ(FixedObjectEvents(date, seoul, {1.0, -1.5}).riseSet.status,
              RiseSetStatus::NeverRises);
}

TEST(DescribeObject, ReportsNamesKindPlacesAndConstellation)
{
    const SkyIndex& index = ShippedIndex();
    const ObjectReport r = DescribeObject(index, index.Find("Betelgeuse", 1)[0].object, Sky(),
                                          ShippedSources().zones);
    EXPECT_EQ(r.kindKey, "star");
    EXPECT_EQ(r.kindText, "별");
    EXPECT_EQ(r.constellation, "오리온자리");
    EXPECT_EQ(r.names.front(), "베텔게우스");
    // Hipparcos J2000: RA 5h 55m 10.3s, Dec +7 24' 25".
    EXPECT_NEAR(r.j2000.lon * kRadToHours, 5.91953, 0.0003);
    EXPECT_NEAR(r.j2000.lat * kRadToDeg, 7.40704, 0.0003);
    // Precession over 27 years moves RA by about +3.25 s a year at this place.
    EXPECT_NEAR((r.ofDate.lon - r.j2000.lon) * kRadToHours * 3600.0, 27 * 3.25, 4.0);
    EXPECT_EQ(r.riseSet.status, RiseSetStatus::Normal);
    EXPECT_TRUE(r.hasTransit);

    const ObjectReport m = DescribeObject(index, std::size_t(index.MessierObject(13)), Sky(),
                                          ShippedSources().zones);
    EXPECT_EQ(m.kindText, "메시에 천체 (구상 성단)");
    EXPECT_EQ(m.constellation, "헤르쿨레스자리");
    const ObjectReport moon = DescribeObject(index, std::size_t(index.BodyObject(Body::Moon)),
                                             Sky(), ShippedSources().zones);
    EXPECT_EQ(moon.kindKey, "moon");
    EXPECT_NEAR(moon.horizontal.lat, Sky()[Body::Moon].horizontal.lat, 1e-12);
}

// A deep star is picked only where the frame draws it: up to the frame's limit of the deep
// list, with the star layer on. A 1 degree field (10 px are 33").
TEST(SkyPick, DeepStarsArePickedWhereTheyAreDrawn)
{
    const SkyIndex& index = ShippedIndexWithDeepStars();
    const struct {
        const char* query;
        double limit;
        bool stars;
        bool picked;
        double raOffsetDeg = 0.0, decOffsetDeg = 0.0;  // of the star from the frame's centre
    } cases[] = {
        {"HIP 54035", 6.5, true, false},  // Lalande 21185, 7.49: the opening view's limit
        {"HIP 54035", 7.4, true, false},
        {"HIP 54035", 7.5, true, true},
        {"HIP 87937", 9.5, true, false},  // Barnard's star, 9.54
        {"HIP 87937", 9.6, true, true},
        {"HIP 87937", 9.6, true, true, 0.85, 0.45},  // near a corner of the view
        {"HIP 87937", 9.6, true, true, -0.85, -0.45},
        {"HIP 70890", 14.0, true, true},  // Proxima Centauri, 11.01
        {"HIP 70890", 14.0, false, false},
    };
    for (const auto& c : cases) {
        const auto hits = index.Find(c.query, 1);
        ASSERT_EQ(hits.size(), 1u) << c.query;
        ASSERT_TRUE(index.IsDeepStar(hits[0].object)) << c.query;
        const SphericalCoord at = index.Object(hits[0].object).position;
        const SphericalCoord centre(at.lon - c.raOffsetDeg * kDegToRad / std::cos(at.lat),
                                    at.lat - c.decOffsetDeg * kDegToRad);
        PickFrame f = FrameCentredOn(centre);
        const double fy = 1.0 / std::tan(0.5 * kDegToRad);
        f.projection[0] = fy * 1080.0 / 1920.0;
        f.projection[5] = fy;
        f.deepStarLimit = c.limit;
        f.stars = c.stars;
        f.bodies = false;
        double x = 0, y = 0;
        ASSERT_TRUE(ProjectToPixel(f, at.ToVector(), x, y));
        const int picked = PickObject(index, Sky(), f, x + 3.0, y - 2.0);
        EXPECT_EQ(picked == int(hits[0].object), c.picked) << c.query << " " << c.limit;
    }
}

}  // namespace
