#include "planetarium/skygeometry.h"
#include "astro/math/unitvectors.h"
#include "astro/sky/frames.h"
#include "astro/sky/shownsky.h"
#include "astro/math/angles.h"

#include <algorithm>
#include <numeric>
#include <cmath>

namespace SkyGeometry {

namespace {


Vector3 UnitVector(double lon, double lat)
{
    const double c = std::cos(lat);
    return {c * std::cos(lon), c * std::sin(lon), std::sin(lat)};
}

// Pieces from `from` toward `to` of at most one step each; when `to` lies below `from`
// the first step already passes it and the piece goes straight to it.
template <typename Piece>
void Subdivide(double from, double to, Piece piece)
{
    double current = from;
    do {
        double next = current + kBoundaryStepRad;
        if (next > to)
            next = to;
        piece(current, next);
        current = next;
    } while (current < to);
}

}  // namespace

std::vector<Vector3> GridSegments(int stepDeg)
{
    std::vector<Vector3> v;
    for (int lon = 0; lon < 360; lon += 10) {
        for (int lat = -80; lat < 80; lat += stepDeg) {
            v.push_back(UnitVector(lon * kDegToRad, lat * kDegToRad));
            v.push_back(UnitVector(lon * kDegToRad, (lat + stepDeg) * kDegToRad));
        }
    }
    for (int lat = -80; lat <= 80; lat += 10) {
        for (int lon = 0; lon < 360; lon += stepDeg) {
            v.push_back(UnitVector(lon * kDegToRad, lat * kDegToRad));
            v.push_back(UnitVector((lon + stepDeg) * kDegToRad, lat * kDegToRad));
        }
    }
    return v;
}

void AppendBoundarySegments(const SphericalCoord& start, const SphericalCoord& end,
                            std::vector<Vector3>& segments)
{
    if (end.lat == start.lat) {
        const double target = end.lon < start.lon ? end.lon + kTwoPi : end.lon;
        Subdivide(start.lon, target, [&](double a, double b) {
            segments.push_back(UnitVector(a, start.lat));
            segments.push_back(UnitVector(b, start.lat));
        });
    } else if (end.lon == start.lon) {
        Subdivide(start.lat, end.lat, [&](double a, double b) {
            segments.push_back(UnitVector(start.lon, a));
            segments.push_back(UnitVector(start.lon, b));
        });
    }
}

void StarCorners(const SphericalCoord& position, double sizeFactor, Vector3 corners[4])
{
    const double s = sizeFactor * kStarSizeScale;
    const double ca = std::cos(position.lon), sa = std::sin(position.lon);
    const double cd = std::cos(position.lat), sd = std::sin(position.lat);
    const double local[4][2] = {{-s, -s}, {s, -s}, {s, s}, {-s, s}};
    for (int i = 0; i < 4; ++i) {
        const double y = local[i][0];
        const double z = local[i][1];
        // About (0,-1,0) by the declination: x' = x cos d - z sin d, z' = x sin d + z cos d.
        const double x1 = cd - z * sd;
        const double z1 = sd + z * cd;
        // About z by the right ascension.
        corners[i] = {x1 * ca - y * sa, x1 * sa + y * ca, z1};
    }
}

void AppendStarQuad(StarArrays& arrays, const SphericalCoord& position, double sizeFactor,
                    std::uint32_t colour, std::uint8_t alpha)
{
    static const float kCornerTex[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    Vector3 corners[4];
    StarCorners(position, sizeFactor, corners);
    for (int k = 0; k < 4; ++k) {
        arrays.vertices.push_back(float(corners[k].x));
        arrays.vertices.push_back(float(corners[k].y));
        arrays.vertices.push_back(float(corners[k].z));
        arrays.texCoords.push_back(kCornerTex[2 * k]);
        arrays.texCoords.push_back(kCornerTex[2 * k + 1]);
        arrays.colours.push_back(std::uint8_t(colour & 0xff));
        arrays.colours.push_back(std::uint8_t((colour >> 8) & 0xff));
        arrays.colours.push_back(std::uint8_t((colour >> 16) & 0xff));
        arrays.colours.push_back(alpha);
    }
}

Matrix3 CatalogueToHorizontal(const ShownSky& sky)
{
    return sky.EquatorialToHorizontal() * sky.j2000ToDate;
}

std::array<GridPass, 4> GridPasses(const ShownSky& sky)
{
    const Matrix3 horizontal = sky.EquatorialToHorizontal();
    return {{{&LayerFlags::horizontalGrid, 0, Matrix3::Identity()},
             {&LayerFlags::eclipticGrid, 2, horizontal * sky.eclipticToEquatorial},
             {&LayerFlags::galacticGrid, 3, CatalogueToHorizontal(sky) * GalacticToJ2000Matrix()},
             {&LayerFlags::equatorialGrid, 1, horizontal}}};
}

std::vector<float> FloatArray(const std::vector<Vector3>& points)
{
    std::vector<float> out;
    out.reserve(points.size() * 3);
    for (const Vector3& v : points) {
        out.push_back(float(v.x));
        out.push_back(float(v.y));
        out.push_back(float(v.z));
    }
    return out;
}

std::vector<float> FloatArray(const std::vector<SphericalCoord>& points)
{
    return FloatArray(ToVectors(points));
}

std::vector<float> FigureArray(const CatalogList<ConstellationLine>& lines)
{
    std::vector<Vector3> v;
    v.reserve(lines.size() * 2);
    for (const auto& line : lines) {
        v.push_back(line.start.ToVector());
        v.push_back(line.end.ToVector());
    }
    return FloatArray(v);
}

std::vector<float> BoundaryArray(const CatalogList<BoundarySegment>& boundaries)
{
    std::vector<Vector3> pieces;
    for (const auto& b : boundaries)
        AppendBoundarySegments(b.start, b.end, pieces);
    return FloatArray(pieces);
}

StarArrays StarQuads(const CatalogList<Star>& stars)
{
    StarArrays arrays;
    for (const auto& star : stars)
        AppendStarQuad(arrays, star.position, star.sizeFactor, star.colour);
    return arrays;
}

StarCells::StarCells(const CatalogList<Star>& stars)
{
    std::vector<std::uint32_t> cellOf(stars.size());
    for (std::size_t i = 0; i < stars.size(); ++i) {
        cellOf[i] = std::uint32_t(DeepStarIndex::CellOf(stars[i].position.lon, stars[i].position.lat));
        marginRad_ = std::max(marginRad_, std::atan(double(stars[i].sizeFactor) * kStarSizeScale *
                                                    std::sqrt(2.0)));
    }
    cellStart_ = DeepStarIndex::CellStarts(cellOf);
    byCell_.resize(stars.size());
    std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < stars.size(); ++i)
        byCell_[next[cellOf[i]]++] = std::uint32_t(i);
}

void StarCells::CornersInCircle(const Vector3& centre, double radiusRad,
                                std::vector<std::uint32_t>& out) const
{
    out.clear();
    const double reach = radiusRad + marginRad_;
    stars_.clear();
    if (reach >= kPi / 2) {
        stars_.resize(byCell_.size());
        std::iota(stars_.begin(), stars_.end(), 0u);
    } else {
        cells_.clear();
        DeepStarIndex::CellsInCircle(centre, reach, cells_);
        for (const DeepStarIndex::Range& run : cells_)
            stars_.insert(stars_.end(), byCell_.begin() + cellStart_[run.begin],
                          byCell_.begin() + cellStart_[run.end]);
        std::sort(stars_.begin(), stars_.end());
    }
    out.reserve(stars_.size() * 4);
    for (std::uint32_t i : stars_)
        for (std::uint32_t k = 0; k < 4; ++k)
            out.push_back(4 * i + k);
}

void ViewCircle(const double modelView[16], const double projection[16], Vector3* centre,
                double* radiusRad)
{
    // The eye looks along -z: the centre is the model-view's third row, negated.
    const Vector3 c{-modelView[2], -modelView[6], -modelView[10]};
    const double length = std::sqrt(c.Dot(c));
    *centre = length > 0.0 ? c * (1.0 / length) : Vector3{1.0, 0.0, 0.0};
    const double tanAcross = projection[0] != 0.0 ? 1.0 / projection[0] : 1e9;
    const double tanUp = projection[5] != 0.0 ? 1.0 / projection[5] : 1e9;
    *radiusRad = std::atan(std::sqrt(tanAcross * tanAcross + tanUp * tanUp));
}

double FieldOfViewOf(const double projection[16])
{
    return projection[5] > 0.0 ? 2.0 * std::atan(1.0 / projection[5]) : kPi;
}

double LimitingMagnitude(double fieldOfViewRad)
{
    if (!(fieldOfViewRad > 0.0) || fieldOfViewRad >= kOpeningFieldOfViewRad)
        return kNakedEyeLimitMag;
    const double magnification = kOpeningFieldOfViewRad / fieldOfViewRad;
    return std::min(kDeepStarEndMag, kNakedEyeLimitMag + 5.0 * std::log10(magnification));
}

std::uint8_t FaintStarAlpha(double mag, double limitMag)
{
    const double f = std::clamp(limitMag - mag, 0.0, 1.0);
    return std::uint8_t(std::lround(255.0 * f));
}

double FaintStarSizeFactor(double mag, double radPerPixel)
{
    const double natural = std::pow(1.4, -mag);
    const double maxPx = std::max(1.0, kFaintStarMaxHalfWidthPx * std::pow(1.4, kNakedEyeLimitMag - mag));
    return std::min(natural, maxPx * radPerPixel / kStarSizeScale);
}

bool FaintStarView::Empty() const
{
    return count == 0 || !(float(limitMag) > float(kNakedEyeLimitMag));
}

FaintStarView FaintStarViewOf(const void* list, const void* stars, std::size_t count,
                              const double modelView[16], const double projection[16],
                              int viewportHeight)
{
    FaintStarView v;
    v.list = list;
    v.stars = stars;
    v.count = viewportHeight > 0 ? count : 0;
    const double field = FieldOfViewOf(projection);
    v.limitMag = LimitingMagnitude(field);
    ViewCircle(modelView, projection, &v.centre, &v.radiusRad);
    v.radPerPixel = viewportHeight > 0 ? field / viewportHeight : 0.0;
    return v;
}

bool operator==(const FaintStarView& a, const FaintStarView& b)
{
    return a.list == b.list && a.stars == b.stars && a.count == b.count &&
           a.centre.x == b.centre.x && a.centre.y == b.centre.y && a.centre.z == b.centre.z &&
           a.radiusRad == b.radiusRad && a.limitMag == b.limitMag &&
           a.radPerPixel == b.radPerPixel;
}

std::vector<Vector3> GroundTriangles()
{
    std::vector<Vector3> v;
    for (int a = 0; a < 360; a += 10) {
        v.push_back({0.0, 0.0, -0.1});
        v.push_back(UnitVector(a * kDegToRad, 0.0));
        v.push_back(UnitVector((a + 10) * kDegToRad, 0.0));
    }
    return v;
}

std::vector<Vector3> HorizonSegments()
{
    std::vector<Vector3> v;
    for (int a = 0; a < 360; a += 10) {
        v.push_back(UnitVector(a * kDegToRad, 0.0));
        v.push_back(UnitVector((a + 10) * kDegToRad, 0.0));
    }
    return v;
}

bool ProjectToWindow(const Vector3& p, const double mv[16], const double pr[16],
                     const int viewport[4], double* windowX, double* windowY)
{
    const double in[4] = {p.x, p.y, p.z, 1.0};
    double eye[4];
    for (int r = 0; r < 4; ++r)
        eye[r] = mv[r] * in[0] + mv[4 + r] * in[1] + mv[8 + r] * in[2] + mv[12 + r] * in[3];
    double clip[4];
    for (int r = 0; r < 4; ++r)
        clip[r] = pr[r] * eye[0] + pr[4 + r] * eye[1] + pr[8 + r] * eye[2] + pr[12 + r] * eye[3];
    const double w = clip[3];
    for (int i = 0; i < 3; ++i) {
        if (clip[i] < -w || clip[i] > w)
            return false;
    }
    if (w <= 0.0)
        return false;
    *windowX = viewport[0] + (clip[0] / w + 1.0) * 0.5 * viewport[2];
    *windowY = viewport[1] + (clip[1] / w + 1.0) * 0.5 * viewport[3];
    return true;
}

Matrix3 ViewRotation(const SphericalCoord& centre)
{
    const Matrix3 axisChange(0, 1, 0, 0, 0, 1, -1, 0, 0);
    const double ca = std::cos(centre.lat), sa = std::sin(centre.lat);
    const Matrix3 aboutY(ca, 0, sa, 0, 1, 0, -sa, 0, ca);
    const double cz = std::cos(-centre.lon), sz = std::sin(-centre.lon);
    const Matrix3 aboutZ(cz, -sz, 0, sz, cz, 0, 0, 0, 1);
    return axisChange * aboutY * aboutZ;
}

bool EyeToDevice(const Vector3& eye, double fovRad, double aspect, double* ndcX, double* ndcY)
{
    if (!(-eye.z >= kNearPlane))
        return false;
    const double f = 1.0 / std::tan(fovRad / 2.0);
    *ndcX = f / aspect * eye.x / -eye.z;
    *ndcY = f * eye.y / -eye.z;
    return true;
}

}  // namespace SkyGeometry
