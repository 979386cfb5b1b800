#include "planetarium/skygeometry.h"
#include "astro/math/angles.h"

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
template <typename Emit>
void Subdivide(double from, double to, Emit emit)
{
    double current = from;
    do {
        double next = current + kBoundaryStepRad;
        if (next > to)
            next = to;
        emit(current, next);
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
