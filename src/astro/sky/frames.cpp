#include "astro/sky/frames.h"
#include "astro/math/angles.h"

#include "astro/math/matrix3.h"

#include <cmath>

namespace {

// Sines and cosines of the local sidereal time and the latitude, shared by the two
// directions of the horizontal conversion.
struct SiteTrig {
    SiteTrig(const SkyTime& lst, double latitude)
        : st(std::sin(lst.time.hours * kHoursToRad)), ct(std::cos(lst.time.hours * kHoursToRad)),
          sf(std::sin(latitude)), cf(std::cos(latitude))
    {
    }
    double st, ct, sf, cf;
};

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
    const SiteTrig a(lst, latitude);
    const double x = p.X(), y = p.Y(), sinDec = p.Z();
    const double cosDecCosH = y * a.st + x * a.ct;
    const double cosDecSinAminusT = y * a.ct - x * a.st;
    return SphericalCoord::FromUnitXYZ(sinDec * a.cf - cosDecCosH * a.sf, cosDecSinAminusT,
                                       cosDecCosH * a.cf + sinDec * a.sf);
}

SphericalCoord HorizontalToEquatorial(const SphericalCoord& p, const SkyTime& lst,
                                      double latitude)
{
    const SiteTrig a(lst, latitude);
    const double x = p.X(), y = p.Y(), z = p.Z();
    const double f = z * a.cf - x * a.sf;
    return SphericalCoord::FromUnitXYZ(f * a.ct - y * a.st, f * a.st + y * a.ct, z * a.sf + x * a.cf);
}

SphericalCoord EquatorialToGalactic(const SphericalCoord& p)
{
    return FromMatrix(GalacticMatrix(), p);
}

SphericalCoord Precess(const SphericalCoord& p, double fromYear, double toYear)
{
    return FromMatrix(PrecessionMatrix(fromYear, toYear), p);
}
