#pragma once

#include "astro/math/angles.h"
#include "astro/math/matrix3.h"
#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"
#include "catalog/catalogset.h"
#include "catalog/deepstarindex.h"
#include "planetarium/layerflags.h"

#include <array>
#include <cstdint>
#include <vector>

struct ShownSky;

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

// Arrays of textured star quadrilaterals in GL_QUADS order: three floats of position and two
// of texture coordinates per corner, and RGBA bytes per corner. Clear keeps the capacity, so
// lists rebuilt every frame allocate only while they grow.
struct StarArrays {
    std::vector<float> vertices;
    std::vector<float> texCoords;
    std::vector<std::uint8_t> colours;
    void Clear()
    {
        vertices.clear();
        texCoords.clear();
        colours.clear();
    }
    std::size_t CornerCount() const { return vertices.size() / 3; }
};
// Appends the quadrilateral of StarCorners(position, sizeFactor) with texture corners
// (0,0), (1,0), (1,1), (0,1) and the colour (red in the lowest byte) and alpha at each corner.
void AppendStarQuad(StarArrays& arrays, const SphericalCoord& position, double sizeFactor,
                    std::uint32_t colour, std::uint8_t alpha = 255);

// The four coordinate nets in drawing order (horizontal, ecliptic, galactic, equatorial):
// the toggle of each, its index into DisplayColors::grids and the matrix that carries its
// frame into the horizontal frame of the shown sky.
struct GridPass {
    int LayerFlags::*flag;
    int colourIndex;
    Matrix3 toHorizontal;
};
std::array<GridPass, 4> GridPasses(const ShownSky& sky);
// The matrix that carries catalogue (J2000) directions into the horizontal frame: to the
// equator of date, then through the sidereal time of date and the site's latitude.
Matrix3 CatalogueToHorizontal(const ShownSky& sky);

// Vertex arrays as GL takes them: three floats per point, in order.
std::vector<float> FloatArray(const std::vector<Vector3>& points);
std::vector<float> FloatArray(const std::vector<SphericalCoord>& points);
// The constellation figures: start and end of every line (GL_LINES).
std::vector<float> FigureArray(const CatalogList<ConstellationLine>& lines);
// The boundaries (equinox 1875): the pieces of AppendBoundarySegments of every edge.
std::vector<float> BoundaryArray(const CatalogList<BoundarySegment>& boundaries);
// One quadrilateral per star, in list order, in its colour at full alpha.
StarArrays StarQuads(const CatalogList<Star>& stars);

// The naked-eye stars grouped by the sky's cells (DeepStarIndex::CellOf), so that a frame
// submits only the quadrilaterals of the cells its view touches: about a tenth of the list
// at the opening field of view.
class StarCells {
public:
    StarCells() = default;
    explicit StarCells(const CatalogList<Star>& stars);

    // Replaces out with the corner numbers (4i to 4i + 3: star i's quadrilateral in
    // StarQuads' arrays) of every star whose quadrilateral may reach into the circle of
    // radiusRad around the unit vector centre (J2000), in catalogue order, the order the
    // whole list is drawn in; every star when the circle covers a hemisphere.
    void CornersInCircle(const Vector3& centre, double radiusRad,
                         std::vector<std::uint32_t>& out) const;
    std::size_t Size() const { return byCell_.size(); }

private:
    std::vector<std::uint32_t> byCell_;     // star numbers, cell after cell
    std::vector<std::uint32_t> cellStart_;  // cell c holds byCell_[cellStart_[c], [c + 1])
    double marginRad_ = 0.0;                // the farthest quadrilateral corner from its star
    mutable std::vector<DeepStarIndex::Range> cells_;   // scratch (GUI thread only)
    mutable std::vector<std::uint32_t> stars_;          // scratch
};

// The circle of the sky a perspective view covers: its centre (the viewing direction, a unit
// vector in the frame the column-major model-view matrix takes to eye space, which must be a
// rotation) and its radius (the angle from the centre to a corner of the view, radians).
// The projection is gluPerspective's: its entries 0 and 5 are the cotangents of the half
// widths across and up.
void ViewCircle(const double modelView[16], const double projection[16], Vector3* centre,
                double* radiusRad);
// Vertical field of view (radians) of a gluPerspective projection matrix.
double FieldOfViewOf(const double projection[16]);

// Faint stars follow the magnification. At the opening field of view (45 degrees) and wider,
// the sky shows the naked-eye list to magnitude 6.5 as it always has; a field narrower by a
// factor m shows stars to 6.5 + 5 log10 m (at the same exit pupil the view gathers light as
// an aperture m times wider, 2.5 log10 m^2 magnitudes more), up to kDeepStarEndMag.
constexpr double kOpeningFieldOfViewRad = 0.7853981633974483;  // 45 degrees
constexpr double kNakedEyeLimitMag = 6.5;
constexpr double kDeepStarEndMag = 14.0;  // beyond the faintest star of the deep list
double LimitingMagnitude(double fieldOfViewRad);
// Brightness (alpha, 0-255) of a star of magnitude mag under the limit: full one magnitude
// above the limit, fading to nothing at the limit, so that zooming reveals stars smoothly.
std::uint8_t FaintStarAlpha(double mag, double limitMag);
// Size factor (StarCorners' sizeFactor) of a faint star: the naked-eye stars' 1.4^-mag, held
// to at most kFaintStarMaxHalfWidthPx x 1.4^(6.5 - mag) pixels of half-width (at least one
// pixel) so that faint stars stay points when the field is narrow. radPerPixel: the angle
// of one pixel at the view's centre.
constexpr double kFaintStarMaxHalfWidthPx = 4.0;
double FaintStarSizeFactor(double mag, double radPerPixel);

// What chooses and sizes the faint stars of a frame: the view circle (ViewCircle) in the
// catalogue frame, the limiting magnitude, the angle of one pixel at the view's centre
// (FaintStarSizeFactor) and the deep list drawn (its address, the address of its stars and
// their number, which change when it is loaded or replaced). Their arrays are built again
// only when one of these changed; night vision only recolours them.
struct FaintStarView {
    const void* list = nullptr;
    const void* stars = nullptr;
    std::size_t count = 0;
    Vector3 centre{0.0, 0.0, 0.0};
    double radiusRad = 0.0;
    double limitMag = kNakedEyeLimitMag;
    double radPerPixel = 0.0;
    // True when the deep list adds nothing at this limit: none of its stars lies between the
    // naked-eye limit and this one (as the index compares them, in single precision).
    bool Empty() const;
};
// The faint-star view of a frame drawn through the model-view (catalogue frame to eye) and
// the gluPerspective projection into viewportHeight rows.
FaintStarView FaintStarViewOf(const void* list, const void* stars, std::size_t count,
                              const double modelView[16], const double projection[16],
                              int viewportHeight);
bool operator==(const FaintStarView& a, const FaintStarView& b);
inline bool operator!=(const FaintStarView& a, const FaintStarView& b) { return !(a == b); }

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
