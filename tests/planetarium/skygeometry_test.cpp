#include "planetarium/skygeometry.h"
#include "astro/math/angles.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 1e-12;

SphericalCoord Deg(double lonDeg, double latDeg)
{
    return SphericalCoord(lonDeg * kDegToRad, latDeg * kDegToRad);
}

double LonDeg(const Vector3& v)
{
    const double a = std::atan2(v.y, v.x) / kDegToRad;
    return a < 0 ? a + 360.0 : a;
}

// Difference of two longitudes in degrees, folded into [-180, 180).
double LonDiffDeg(double a, double b)
{
    return std::fmod(a - b + 540.0, 360.0) - 180.0;
}

double LatDeg(const Vector3& v)
{
    return std::asin(v.z / v.Length()) / kDegToRad;
}

TEST(SkyGeometry, GridHasMeridiansAndParallelsUpToEightyDegrees)
{
    const std::vector<Vector3> v = SkyGeometry::GridSegments(4);
    // 36 meridians of 40 pieces, 17 parallels of 90 pieces, two vertices each.
    ASSERT_EQ(v.size(), std::size_t(2 * (36 * 40 + 17 * 90)));
    double maxLat = -90, minLat = 90;
    for (const Vector3& p : v) {
        EXPECT_NEAR(p.Length(), 1.0, kTolerance);
        maxLat = std::max(maxLat, LatDeg(p));
        minLat = std::min(minLat, LatDeg(p));
    }
    EXPECT_NEAR(maxLat, 80.0, 1e-9);
    EXPECT_NEAR(minLat, -80.0, 1e-9);
    // The first meridian piece runs from (0, -80) to (0, -76).
    EXPECT_NEAR(LatDeg(v[0]), -80.0, 1e-9);
    EXPECT_NEAR(LatDeg(v[1]), -76.0, 1e-9);
}

TEST(SkyGeometry, ParallelFrom350To10DegreesRunsThroughZeroHoursInFourPieces)
{
    std::vector<Vector3> v;
    SkyGeometry::AppendBoundarySegments(Deg(350, 20), Deg(10, 20), v);
    ASSERT_EQ(v.size(), 8u);
    const double expected[5] = {350, 355, 0, 5, 10};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(LonDiffDeg(LonDeg(v[2 * i]), expected[i]), 0.0, 1e-9) << i;
        EXPECT_NEAR(LonDiffDeg(LonDeg(v[2 * i + 1]), expected[i + 1]), 0.0, 1e-9) << i;
        EXPECT_NEAR(LatDeg(v[2 * i]), 20.0, 1e-9);
    }
}

TEST(SkyGeometry, ParallelPiecesEndExactlyAtTheTarget)
{
    std::vector<Vector3> v;
    SkyGeometry::AppendBoundarySegments(Deg(10, -5), Deg(22, -5), v);
    ASSERT_EQ(v.size(), 6u);  // 10-15, 15-20, 20-22
    EXPECT_NEAR(LonDeg(v[4]), 20.0, 1e-9);
    EXPECT_NEAR(LonDeg(v[5]), 22.0, 1e-9);
}

TEST(SkyGeometry, MeridianArcsStepNorthwardOrGoStraightSouthward)
{
    std::vector<Vector3> up;
    SkyGeometry::AppendBoundarySegments(Deg(30, -10), Deg(30, 12), up);
    ASSERT_EQ(up.size(), 10u);  // -10 -5 0 5 10 12
    EXPECT_NEAR(LatDeg(up[8]), 10.0, 1e-9);
    EXPECT_NEAR(LatDeg(up[9]), 12.0, 1e-9);
    EXPECT_NEAR(LonDeg(up[9]), 30.0, 1e-9);

    std::vector<Vector3> down;
    SkyGeometry::AppendBoundarySegments(Deg(30, 12), Deg(30, -10), down);
    ASSERT_EQ(down.size(), 2u);  // one straight piece
    EXPECT_NEAR(LatDeg(down[0]), 12.0, 1e-9);
    EXPECT_NEAR(LatDeg(down[1]), -10.0, 1e-9);
}

TEST(SkyGeometry, OtherEdgesAreNotDrawn)
{
    std::vector<Vector3> v;
    SkyGeometry::AppendBoundarySegments(Deg(30, 12), Deg(40, -10), v);
    EXPECT_TRUE(v.empty());
}

TEST(SkyGeometry, StarQuadIsCentredOnTheStarWithHalfWidthFromItsSize)
{
    const SphericalCoord star = Deg(123.0, 41.0);
    Vector3 c[4];
    SkyGeometry::StarCorners(star, 2.0, c);
    const Vector3 mean = (c[0] + c[1] + c[2] + c[3]) * 0.25;
    EXPECT_NEAR(mean.x, star.X(), kTolerance);
    EXPECT_NEAR(mean.y, star.Y(), kTolerance);
    EXPECT_NEAR(mean.z, star.Z(), kTolerance);
    const double s = 2.0 * 0.015;
    EXPECT_NEAR((c[1] - c[0]).Length(), 2 * s, kTolerance);
    EXPECT_NEAR((c[2] - c[1]).Length(), 2 * s, kTolerance);
    // The quad faces the observer: its sides are perpendicular to the star's direction.
    EXPECT_NEAR((c[1] - c[0]).Dot(star.ToVector()), 0.0, kTolerance);
    EXPECT_NEAR((c[2] - c[1]).Dot(star.ToVector()), 0.0, kTolerance);
    // The first side runs eastward (increasing right ascension), the second northward.
    EXPECT_GT(LonDeg(c[1]), LonDeg(c[0]));
    EXPECT_GT(LatDeg(c[2]), LatDeg(c[1]));
}

TEST(SkyGeometry, GroundCoversTheHorizonFromBelow)
{
    const std::vector<Vector3> ground = SkyGeometry::GroundTriangles();
    const std::vector<Vector3> horizon = SkyGeometry::HorizonSegments();
    ASSERT_EQ(ground.size(), 108u);
    ASSERT_EQ(horizon.size(), 72u);
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(ground[3 * i].z, -0.1);
        EXPECT_NEAR(LonDeg(ground[3 * i + 1]), 10.0 * i, 1e-9);
        EXPECT_NEAR(horizon[2 * i + 1].x, ground[3 * i + 2].x, kTolerance);
        EXPECT_NEAR(horizon[2 * i + 1].y, ground[3 * i + 2].y, kTolerance);
    }
}

TEST(SkyGeometry, ProjectionMapsTheViewVolumeOntoTheViewport)
{
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const int viewport[4] = {0, 0, 400, 300};
    double x = -1, y = -1;
    ASSERT_TRUE(SkyGeometry::ProjectToWindow({0, 0, 0}, identity, identity, viewport, &x, &y));
    EXPECT_DOUBLE_EQ(x, 200.0);
    EXPECT_DOUBLE_EQ(y, 150.0);
    ASSERT_TRUE(SkyGeometry::ProjectToWindow({-1, 1, 0}, identity, identity, viewport, &x, &y));
    EXPECT_DOUBLE_EQ(x, 0.0);
    EXPECT_DOUBLE_EQ(y, 300.0);
    EXPECT_FALSE(SkyGeometry::ProjectToWindow({1.01, 0, 0}, identity, identity, viewport, &x, &y));
    EXPECT_FALSE(SkyGeometry::ProjectToWindow({0, 0, -1.5}, identity, identity, viewport, &x, &y));
}

}  // namespace

// The camera shared by the window and the printed chart: the centre of the view is straight
// ahead (-z), the zenith side of it up (+y), and east to the right when facing north.
TEST(SkyGeometryCamera, ViewRotationSendsTheCentreAheadAndTheZenithUp)
{
    const struct {
        double azDeg, altDeg;
    } centres[] = {{0, 0}, {90, 0}, {180, 30}, {270, -10}, {45, 60}, {200, 89}};
    for (const auto& c : centres) {
        const SphericalCoord centre = Deg(c.azDeg, c.altDeg);
        const Matrix3 m = SkyGeometry::ViewRotation(centre);
        const Vector3 ahead = m.Apply(centre.ToVector());
        EXPECT_NEAR(ahead.x, 0.0, kTolerance) << c.azDeg << " " << c.altDeg;
        EXPECT_NEAR(ahead.y, 0.0, kTolerance);
        EXPECT_NEAR(ahead.z, -1.0, kTolerance);
        // One degree higher in altitude at the same azimuth lies straight above.
        const Vector3 above = m.Apply(Deg(c.azDeg, c.altDeg + 1.0).ToVector());
        EXPECT_NEAR(above.x, 0.0, kTolerance);
        EXPECT_GT(above.y, 0.0);
        // One degree more in azimuth (toward the east) lies to the right.
        if (c.altDeg < 80.0) {
            EXPECT_GT(m.Apply(Deg(c.azDeg + 1.0, c.altDeg).ToVector()).x, 0.0);
        }
    }
    // Facing north on the horizon: east is +x, the zenith +y.
    const Matrix3 north = SkyGeometry::ViewRotation(Deg(0, 0));
    EXPECT_NEAR(north.Apply({0, 1, 0}).x, 1.0, kTolerance);
    EXPECT_NEAR(north.Apply({0, 0, 1}).y, 1.0, kTolerance);
}

TEST(SkyGeometryCamera, EdgesOfTheFieldLandOnTheEdgesOfTheView)
{
    const double fov = 60.0 * kDegToRad;
    const double aspect = 4.0 / 3.0;
    const double halfWidth = std::atan(std::tan(fov / 2.0) * aspect);
    const struct {
        Vector3 eye;
        double x, y;
    } cases[] = {
        {{0, 0, -1}, 0.0, 0.0},
        {{0, std::sin(fov / 2), -std::cos(fov / 2)}, 0.0, 1.0},
        {{0, -std::sin(fov / 2), -std::cos(fov / 2)}, 0.0, -1.0},
        {{std::sin(halfWidth), 0, -std::cos(halfWidth)}, 1.0, 0.0},
        {{-2 * std::sin(halfWidth), 0, -2 * std::cos(halfWidth)}, -1.0, 0.0},  // any distance
    };
    for (const auto& c : cases) {
        double x = 9.0, y = 9.0;
        ASSERT_TRUE(SkyGeometry::EyeToDevice(c.eye, fov, aspect, &x, &y));
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
    }
    double x = 0.0, y = 0.0;
    EXPECT_FALSE(SkyGeometry::EyeToDevice({0, 0, 1}, fov, aspect, &x, &y));     // behind
    EXPECT_FALSE(SkyGeometry::EyeToDevice({0, 0, -0.05}, fov, aspect, &x, &y)); // before near
}

namespace {

// gluPerspective's matrix (column-major): what the sky view loads as its projection.
void Perspective(double fovyDeg, double aspect, double m[16])
{
    const double f = 1.0 / std::tan(fovyDeg * kDegToRad / 2.0);
    const double zNear = 0.1, zFar = 2.0;
    for (int i = 0; i < 16; ++i)
        m[i] = 0.0;
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0;
    m[14] = 2.0 * zFar * zNear / (zNear - zFar);
}

TEST(FaintStars, LimitingMagnitudeRisesWithTheLogarithmOfTheMagnification)
{
    struct Case {
        double fieldDeg;
        double limitMag;
    };
    // 6.5 + 5 log10(45 / field), at most 14 (worked by hand).
    const Case kCases[] = {
        {89.9, 6.5},  {45.0, 6.5},  {30.0, 7.380456},  {22.5, 8.005150},
        {13.333333, 9.141365}, {4.5, 11.5}, {1.0, 14.0}, {0.1, 14.0},
    };
    constexpr double kToleranceMag = 1e-5;
    for (const Case& c : kCases)
        EXPECT_NEAR(SkyGeometry::LimitingMagnitude(c.fieldDeg * kDegToRad), c.limitMag,
                    kToleranceMag)
            << c.fieldDeg;
    // Continuous and rising as the field narrows.
    double previous = 6.5;
    for (double field = 60.0; field > 0.1; field *= 0.97) {
        const double limit = SkyGeometry::LimitingMagnitude(field * kDegToRad);
        EXPECT_GE(limit, previous);
        EXPECT_LT(limit - previous, 0.1) << field;
        previous = limit;
    }
}

TEST(FaintStars, StarsFadeInOverTheLastMagnitudeAboveTheLimit)
{
    EXPECT_EQ(SkyGeometry::FaintStarAlpha(9.0, 9.0), 0);
    EXPECT_EQ(SkyGeometry::FaintStarAlpha(8.5, 9.0), 128);
    EXPECT_EQ(SkyGeometry::FaintStarAlpha(8.0, 9.0), 255);
    EXPECT_EQ(SkyGeometry::FaintStarAlpha(6.6, 11.0), 255);
}

TEST(FaintStars, FaintStarsStayPointsInANarrowField)
{
    // 1080 rows over 45 degrees: a magnitude-7 star keeps its natural size (1.4^-7 x 0.015
    // rad is 2.0 pixels of half-width, under the 3.4 allowed).
    const double wide = 45.0 * kDegToRad / 1080.0;
    EXPECT_DOUBLE_EQ(SkyGeometry::FaintStarSizeFactor(7.0, wide), std::pow(1.4, -7.0));
    // 1080 rows over 1 degree: held to 4 x 1.4^-0.5 pixels (magnitude 7) and to one pixel
    // (magnitude 12).
    const double narrow = 1.0 * kDegToRad / 1080.0;
    EXPECT_NEAR(SkyGeometry::FaintStarSizeFactor(7.0, narrow) * SkyGeometry::kStarSizeScale / narrow,
                4.0 / std::sqrt(1.4), 1e-9);
    EXPECT_NEAR(SkyGeometry::FaintStarSizeFactor(12.0, narrow) * SkyGeometry::kStarSizeScale / narrow,
                1.0, 1e-9);
}

TEST(FaintStars, TheViewCircleReachesTheCornersOfTheView)
{
    double projection[16];
    Perspective(45.0, 16.0 / 9.0, projection);
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    Vector3 centre;
    double radius = 0.0;
    SkyGeometry::ViewCircle(identity, projection, &centre, &radius);
    EXPECT_NEAR(centre.x, 0.0, kTolerance);
    EXPECT_NEAR(centre.y, 0.0, kTolerance);
    EXPECT_NEAR(centre.z, -1.0, kTolerance);
    // tan of the half-diagonal: tan 22.5 deg x sqrt(1 + (16/9)^2) = 0.41421356 x 2.03972889.
    EXPECT_NEAR(radius, std::atan(0.41421356 * 2.03972889), 1e-7);
    EXPECT_NEAR(SkyGeometry::FieldOfViewOf(projection), 45.0 * kDegToRad, 1e-12);
    // A turn of the model-view about x by 90 degrees: the eye's -z is the frame's +y.
    const double turned[16] = {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    SkyGeometry::ViewCircle(turned, projection, &centre, &radius);
    EXPECT_NEAR(centre.y, 1.0, kTolerance);
}

// The faint-star arrays are kept from frame to frame: which changes of the frame must build
// them again (the stars chosen or their sizes differ) and which must not.
TEST(FaintStars, TheArraysAreBuiltAgainExactlyWhenTheChosenStarsCanDiffer)
{
    const int list = 0, otherList = 0;
    const float stars[2] = {}, otherStars[2] = {};
    double projection[16];
    Perspective(10.0, 16.0 / 9.0, projection);
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const SkyGeometry::FaintStarView base =
        SkyGeometry::FaintStarViewOf(&list, stars, 1000, identity, projection, 1080);

    double narrower[16];
    Perspective(9.0, 16.0 / 9.0, narrower);
    double wider[16];  // the same height, a wider window: the view circle grows
    Perspective(10.0, 2.0, wider);
    const double turned[16] = {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    const double a = 1e-4;  // the sky turned by 0.1 mrad about y (the clock moved on)
    const double clock[16] = {std::cos(a), 0, -std::sin(a), 0, 0, 1, 0, 0,
                              std::sin(a), 0, std::cos(a), 0, 0, 0, 0, 1};
    const std::vector<double> identityCopy(identity, identity + 16);
    const std::vector<double> projectionCopy(projection, projection + 16);
    const struct {
        const char* change;
        bool rebuild;
        const void* list;
        const void* stars;
        std::size_t count;
        const double* modelView;
        const double* projection;
        int rows;
    } kCases[] = {
        {"the same frame again", false, &list, stars, 1000, identity, projection, 1080},
        {"a copy of the matrices", false, &list, stars, 1000, identityCopy.data(),
         projectionCopy.data(), 1080},
        {"zoomed in", true, &list, stars, 1000, identity, narrower, 1080},
        {"window widened", true, &list, stars, 1000, identity, wider, 1080},
        {"window taller (pixel size)", true, &list, stars, 1000, identity, projection, 1200},
        {"view turned", true, &list, stars, 1000, turned, projection, 1080},
        {"shown instant moved", true, &list, stars, 1000, clock, projection, 1080},
        {"list loaded (size)", true, &list, stars, 1001, identity, projection, 1080},
        {"list replaced (stars moved)", true, &list, otherStars, 1000, identity, projection, 1080},
        {"another list", true, &otherList, stars, 1000, identity, projection, 1080},
    };
    for (const auto& c : kCases) {
        const SkyGeometry::FaintStarView view = SkyGeometry::FaintStarViewOf(
            c.list, c.stars, c.count, c.modelView, c.projection, c.rows);
        EXPECT_EQ(view != base, c.rebuild) << c.change;
    }
}

TEST(FaintStars, TheOpeningFieldAddsNoFaintStars)
{
    struct Case {
        double fieldDeg;
        std::size_t count;
        int rows;
        bool empty;
    };
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const Case kCases[] = {
        {60.0, 1000, 1080, true},  {45.0, 1000, 1080, true},   {44.0, 1000, 1080, false},
        {10.0, 0, 1080, true},     {10.0, 1000, 0, true},      {10.0, 1000, 1080, false},
    };
    for (const Case& c : kCases) {
        double projection[16];
        Perspective(c.fieldDeg, 16.0 / 9.0, projection);
        // The projection as GL keeps it: single precision, which puts the opening field a
        // hair under 45 degrees.
        for (double& v : projection)
            v = double(float(v));
        const SkyGeometry::FaintStarView view =
            SkyGeometry::FaintStarViewOf(&c, &c, c.count, identity, projection, c.rows);
        EXPECT_EQ(view.Empty(), c.empty) << c.fieldDeg << " " << c.count << " " << c.rows;
    }
}

TEST(FaintStars, AStarQuadHasTheCornersOfStarCornersAndItsColour)
{
    SkyGeometry::StarArrays arrays;
    SkyGeometry::AppendStarQuad(arrays, Deg(30, 40), 0.5, 0x0080ff40u, 200);
    ASSERT_EQ(arrays.CornerCount(), 4u);
    ASSERT_EQ(arrays.texCoords.size(), 8u);
    ASSERT_EQ(arrays.colours.size(), 16u);
    Vector3 corners[4];
    SkyGeometry::StarCorners(Deg(30, 40), 0.5, corners);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(arrays.vertices[3 * k], float(corners[k].x));
        EXPECT_FLOAT_EQ(arrays.vertices[3 * k + 2], float(corners[k].z));
        EXPECT_EQ(arrays.colours[4 * k], 0x40);
        EXPECT_EQ(arrays.colours[4 * k + 1], 0xff);
        EXPECT_EQ(arrays.colours[4 * k + 2], 0x80);
        EXPECT_EQ(arrays.colours[4 * k + 3], 200);
    }
    arrays.Clear();
    EXPECT_EQ(arrays.CornerCount(), 0u);
}

}  // namespace

namespace {

TEST(SkyArrays, FiguresAreTheEndsOfEveryLineInOrder)
{
    CatalogList<ConstellationLine> lines;
    lines.push_back(ConstellationLine(Deg(0, 0), Deg(90, 0)));
    lines.push_back(ConstellationLine(Deg(0, 90), Deg(180, -30)));
    const std::vector<float> a = SkyGeometry::FigureArray(lines);
    // (1,0,0) (0,1,0) (0,0,1) (-cos 30, 0, -sin 30)
    const float want[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, -0.8660254f, 0, -0.5f};
    ASSERT_EQ(a.size(), 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(a[i], want[i], 1e-7) << i;
}

TEST(SkyArrays, StarQuadsFollowTheListWithFourCornersEach)
{
    CatalogList<Star> stars;
    stars.push_back(Star(Deg(10, 20), 'M', 1.0f));
    stars.push_back(Star(Deg(200, -60), 'B', 5.0f));
    const SkyGeometry::StarArrays a = SkyGeometry::StarQuads(stars);
    ASSERT_EQ(a.CornerCount(), 8u);
    Vector3 corners[4];
    SkyGeometry::StarCorners(Deg(200, -60), std::pow(1.4, -5.0), corners);
    EXPECT_NEAR(a.vertices[12], corners[0].x, 1e-7);
    EXPECT_NEAR(a.vertices[23], corners[3].z, 1e-7);
    // M stars are orange (255, 160, 0), B stars bluish white (230, 240, 255); alpha full.
    EXPECT_EQ(a.colours[0], 255);
    EXPECT_EQ(a.colours[1], 160);
    EXPECT_EQ(a.colours[2], 0);
    EXPECT_EQ(a.colours[16], 230);
    EXPECT_EQ(a.colours[18], 255);
    EXPECT_EQ(a.colours[31], 255);
}

TEST(SkyArrays, MilkyWayPointsBecomeThreeFloatsEach)
{
    const std::vector<float> a = SkyGeometry::FloatArray(std::vector<SphericalCoord>{Deg(90, 0), Deg(0, -90)});
    const float want[6] = {0, 1, 0, 0, 0, -1};
    ASSERT_EQ(a.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(a[i], want[i], 1e-7) << i;
}

}  // namespace

// The stars of the cells a view touches against a scan of the whole list: a star within the
// view circle always has its four corners drawn, in catalogue order, on a table of views at
// the poles, across the 0 h line and wider than a hemisphere.
TEST(SkyArrays, StarCellsHoldEveryStarOfTheViewInCatalogueOrder)
{
    CatalogList<Star> stars;
    for (int dec = -89; dec <= 89; dec += 2)
        for (int ra = 0; ra < 360; ra += 3)
            stars.push_back(Star(Deg(ra + 0.5 * (dec % 3), dec), 'A', float(std::abs(ra + dec) % 8)));
    const SkyGeometry::StarCells cells(stars);
    ASSERT_EQ(cells.Size(), stars.size());
    struct View {
        double raDeg, decDeg, radiusDeg;
        std::size_t mostStars;  // a narrow view reads its cells only
    };
    const View kViews[] = {
        {0.0, 90.0, 10.0, 800},   {123.0, -90.0, 4.0, 400},  {0.0, 0.0, 20.0, 1400},
        {359.7, 31.0, 3.0, 150},  {180.0, -45.0, 40.0, 6000}, {60.0, 10.0, 95.0, 16110},
    };
    std::vector<std::uint32_t> corners;
    for (const View& view : kViews) {
        SCOPED_TRACE(view.raDeg);
        SCOPED_TRACE(view.decDeg);
        const Vector3 centre = Deg(view.raDeg, view.decDeg).ToVector();
        cells.CornersInCircle(centre, view.radiusDeg * kDegToRad, corners);
        ASSERT_EQ(corners.size() % 4, 0u);
        EXPECT_LE(corners.size() / 4, view.mostStars);
        std::vector<bool> drawn(stars.size(), false);
        for (std::size_t k = 0; k < corners.size(); k += 4) {
            const std::uint32_t star = corners[k] / 4;
            ASSERT_LT(star, stars.size());
            for (std::uint32_t j = 0; j < 4; ++j) {
                ASSERT_EQ(corners[k + j], 4 * star + j);
            }
            if (k > 0) {
                ASSERT_LT(corners[k - 4], corners[k]);  // ascending: catalogue order
            }
            drawn[star] = true;
        }
        for (std::size_t i = 0; i < stars.size(); ++i) {
            const double cosAngle = stars[i].position.ToVector().Dot(centre);
            if (cosAngle >= std::cos(view.radiusDeg * kDegToRad)) {
                EXPECT_TRUE(drawn[i]) << "star " << i;
            }
        }
    }
}
