#pragma once

#include "astro/math/angles.h"

#include "astro/math/matrix3.h"
#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"

#include <vector>

class Star;

// What the sky draws, as plain vertex lists on the unit sphere: no GL calls here, so the
// shapes can be checked without a context. Each list of segments holds two vertices per
// segment (GL_LINES order); triangles three, quadrilaterals four.
namespace SkyGeometry {

constexpr double kBoundaryStepRad = 0.08726646259971647;  // 5 degrees

// One coordinate net: meridians every 10 degrees of longitude in pieces of `stepDeg`
// degrees from latitude -80 up to 80, and parallels every 10 degrees from -80 to 80
// (inclusive) in pieces of `stepDeg` degrees of longitude from 0 to 360.
std::vector<Vector3> GridSegments(int stepDeg = 4);

// The pieces of one boundary edge (equinox 1875.0, not precessed): along a parallel
// (equal declinations) from start eastward to end, plus 2pi when end < start; along a
// meridian (equal right ascensions) from start toward end; 5-degree pieces, the last one
// shortened to end exactly at the target. Any other edge gives nothing.
void AppendBoundarySegments(const SphericalCoord& start, const SphericalCoord& end,
                            std::vector<Vector3>& segments);

// The four corners of a star's quadrilateral of half-width s = sizeFactor x 0.015 in the
// plane x = 1 carried onto the star's direction: (1,-s,-s), (1,s,-s), (1,s,s), (1,-s,s)
// turned by the declination about (0,-1,0) and then by the right ascension about z.
void StarCorners(const SphericalCoord& position, double sizeFactor, Vector3 corners[4]);
constexpr double kStarSizeScale = 0.015;

// The ground: 36 triangles from (0,0,-0.1) to consecutive points of the horizon every
// 10 degrees; the horizon line: the 36 segments between those points.
std::vector<Vector3> GroundTriangles();
std::vector<Vector3> HorizonSegments();

// Window position of the projection of p through column-major model-view and projection
// matrices and the viewport (x, y, width, height); false when p lies outside the view
// volume (where a raster position is invalid and nothing is drawn there).
bool ProjectToWindow(const Vector3& p, const double modelView[16], const double projection[16],
                     const int viewport[4], double* windowX, double* windowY);

// The camera of the planetarium view. ViewRotation(centre) turns horizontal vectors (x north,
// y east, z zenith) into eye vectors (x right, y up, looking along -z) for a view centred on
// centre (azimuth, altitude, radians): the axis change that sends north to -z, east to x and
// the zenith to y, then the altitude about y, then minus the azimuth about z.
Matrix3 ViewRotation(const SphericalCoord& centre);
// The perspective of the view: vertical field of view fovRad, near and far planes in units of
// the sky sphere's radius.
constexpr double kNearPlane = 0.10000000149011612;  // 0.1f widened, as the camera always had
constexpr double kFarPlane = 2.0;

// Normalised device position (-1..1 across the view, y up) of an eye vector under the
// perspective of vertical field of view fovRad and width/height aspect; false behind the
// near plane.
bool EyeToDevice(const Vector3& eye, double fovRad, double aspect, double* ndcX, double* ndcY);

}  // namespace SkyGeometry
