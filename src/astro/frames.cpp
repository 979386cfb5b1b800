#include "astro/frames.h"

#include "astro/matrix3.h"

#include <cmath>

namespace {

constexpr double kHoursToRad = 0.26179938779914946;  // pi / 12
constexpr double kDegToRad = 0.017453292519943295;   // pi / 180

SphericalCoord FromMatrix(const Matrix3& m, const SphericalCoord& p)
{
    const Vector3 v = m.Apply(p.ToVector());
    return SphericalCoord::FromUnitXYZ(v.x, v.y, v.z);
}

}  // namespace

double Obliquity(const SkyTime& t)
{
    const double d = t.JD() - 2451543.5;
    return (23.4393 - 3.563e-7 * d) * kDegToRad;
}

SphericalCoord EquatorialToEcliptic(const SphericalCoord& p, const SkyTime& t)
{
    const double eps = Obliquity(t);
    const double se = std::sin(eps), ce = std::cos(eps);
    const double x = p.X(), y = p.Y(), z = p.Z();
    return SphericalCoord::FromUnitXYZ(x, y * ce + z * se, z * ce - y * se);
}

SphericalCoord EclipticToEquatorial(const SphericalCoord& p, const SkyTime& t)
{
    const double eps = Obliquity(t);
    const double se = std::sin(eps), ce = std::cos(eps);
    const double x = p.X(), y = p.Y(), z = p.Z();
    return SphericalCoord::FromUnitXYZ(x, y * ce - z * se, y * se + z * ce);
}

SphericalCoord EquatorialToHorizontal(const SphericalCoord& p, const SkyTime& lst,
                                      double latitude)
{
    const double theta = lst.time.hours * kHoursToRad;
    const double st = std::sin(theta), ct = std::cos(theta);
    const double sf = std::sin(latitude), cf = std::cos(latitude);
    const double x = p.X(), y = p.Y(), sinDec = p.Z();
    const double cosDecCosH = y * st + x * ct;
    const double cosDecSinAminusT = y * ct - x * st;
    return SphericalCoord::FromUnitXYZ(sinDec * cf - cosDecCosH * sf, cosDecSinAminusT,
                                       cosDecCosH * cf + sinDec * sf);
}

SphericalCoord HorizontalToEquatorial(const SphericalCoord& p, const SkyTime& lst,
                                      double latitude)
{
    const double theta = lst.time.hours * kHoursToRad;
    const double st = std::sin(theta), ct = std::cos(theta);
    const double sf = std::sin(latitude), cf = std::cos(latitude);
    const double x = p.X(), y = p.Y(), z = p.Z();
    const double f = z * cf - x * sf;
    return SphericalCoord::FromUnitXYZ(f * ct - y * st, f * st + y * ct, z * sf + x * cf);
}

SphericalCoord EquatorialToGalactic(const SphericalCoord& p)
{
    return FromMatrix(GalacticMatrix(), p);
}

SphericalCoord Precess(const SphericalCoord& p, double fromYear, double toYear)
{
    return FromMatrix(PrecessionMatrix(fromYear, toYear), p);
}
