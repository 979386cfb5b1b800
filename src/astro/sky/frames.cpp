#include "astro/sky/frames.h"
#include "astro/math/angles.h"

#include "astro/math/matrix3.h"

#include <cmath>

namespace {


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
