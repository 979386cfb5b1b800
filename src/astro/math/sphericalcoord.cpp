#include "astro/math/sphericalcoord.h"
#include "astro/math/angles.h"

#include <algorithm>
#include <cmath>

namespace {


double Lon(double x, double y)
{
    double lon = std::atan2(y, x);
    if (lon < 0)
        lon += kTwoPi;
    return lon;
}

}  // namespace

SphericalCoord SphericalCoord::FromVector(const Vector3& v)
{
    const double r = v.Length();
    const double s = r > 0 ? std::clamp(v.z / r, -1.0, 1.0) : 0.0;
    return SphericalCoord(Lon(v.x, v.y), std::asin(s));
}

SphericalCoord SphericalCoord::FromUnitXYZ(double x, double y, double z)
{
    // Rounding may carry a unit vector's z a hair past 1; asin would answer NaN.
    return SphericalCoord(Lon(x, y), std::asin(std::clamp(z, -1.0, 1.0)));
}

double SphericalCoord::X() const
{
    return std::cos(lat) * std::cos(lon);
}

double SphericalCoord::Y() const
{
    return std::cos(lat) * std::sin(lon);
}

double SphericalCoord::Z() const
{
    return std::sin(lat);
}

bool SphericalCoord::IsClockwise(const SphericalCoord& a, const SphericalCoord& b) const
{
    return ToVector().Dot(a.ToVector().Cross(b.ToVector())) < 0;
}

bool SphericalCoord::InTriangle(const SphericalCoord& a, const SphericalCoord& b,
                                const SphericalCoord& c) const
{
    return IsClockwise(a, b) && IsClockwise(b, c) && IsClockwise(c, a);
}
