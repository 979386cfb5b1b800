#include "astro/ephemeris/precise.h"

#include "astro/ephemeris/planet.h"
#include "astro/math/angles.h"
#include "astro/time/skytime.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kLightDaysPerAU = ERFA_AULT / ERFA_DAYSEC;  // days for light to cross 1 AU
constexpr double kObliquityJ2000 = 84381.406 * kArcsecToRad;  // IAU 2006, radians

Matrix3 FromErfa(const double r[3][3])
{
    return Matrix3(r[0][0], r[0][1], r[0][2], r[1][0], r[1][1], r[1][2], r[2][0], r[2][1],
                   r[2][2]);
}

Vector3 FromErfa(const double p[3])
{
    return {p[0], p[1], p[2]};
}

int Plan94Index(Body b)
{
    switch (b) {
    case Body::Mercury: return 1;
    case Body::Venus: return 2;
    case Body::Mars: return 4;
    case Body::Jupiter: return 5;
    case Body::Saturn: return 6;
    case Body::Uranus: return 7;
    case Body::Neptune: return 8;
    default: return 0;
    }
}

// Proper direction (unit) of a natural direction seen by an observer moving at baryVelocity
// (AU/day) at sunDistance AU from the Sun (eraAb, special relativity).
Vector3 Aberrate(const Vector3& natural, const Vector3& baryVelocity, double sunDistance)
{
    const double c = 1.0 / kLightDaysPerAU;  // AU/day
    double v[3] = {baryVelocity.x / c, baryVelocity.y / c, baryVelocity.z / c};
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    const double len = natural.Length();
    double pnat[3] = {natural.x / len, natural.y / len, natural.z / len};
    double ppr[3];
    eraAb(pnat, v, sunDistance, std::sqrt(1.0 - v2), ppr);
    return FromErfa(ppr);
}

}  // namespace

Vector3 IcrsToEclipticJ2000(const Vector3& v)
{
    const double c = std::cos(kObliquityJ2000);
    const double s = std::sin(kObliquityJ2000);
    return {v.x, c * v.y + s * v.z, -s * v.y + c * v.z};
}

Vector3 EclipticJ2000ToIcrs(const Vector3& v)
{
    const double c = std::cos(kObliquityJ2000);
    const double s = std::sin(kObliquityJ2000);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

Vector3 PreciseHeliocentric(Body planet, double jdTT)
{
    if (planet == Body::Pluto) {
        Planet pluto(kPluto);
        pluto.UpdateElements(SkyTime(jdTT));
        return EclipticJ2000ToIcrs(pluto.Heliocentric());
    }
    const int np = Plan94Index(planet);
    if (np == 0)
        return {};
    double pv[2][3];
    eraPlan94(kJ2000, jdTT - kJ2000, np, pv);
    return FromErfa(pv[0]);
}

PreciseEphemeris::PreciseEphemeris(const Instant& instant) : instant_(instant)
{
    const double tt2 = instant.jdTT - kJ2000;
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut06a(kJ2000, tt2, &dpsi, &deps);
    double meanObliquity = 0.0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rnpb[3][3];
    eraPn06(kJ2000, tt2, dpsi, deps, &meanObliquity, rb, rp, rbp, rn, rnpb);
    npb_ = FromErfa(rnpb);
    trueObliquity_ = meanObliquity + deps;
    ComputeEarth();
}

PreciseEphemeris::PreciseEphemeris(const Instant& instant, const PreciseEphemeris& frame)
    : instant_(instant), npb_(frame.npb_), trueObliquity_(frame.trueObliquity_)
{
    ComputeEarth();
}

void PreciseEphemeris::ComputeEarth()
{
    const double tt2 = instant_.jdTT - kJ2000;
    const double ut2 = instant_.jdUT - kJ2000;
    double rnpb[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            rnpb[i][j] = npb_.Element(i, j);
    gast_ = eraGst06(kJ2000, ut2, kJ2000, tt2, rnpb);
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(kJ2000, tt2, pvh, pvb);
    earthHelio_ = FromErfa(pvh[0]);
    earthHelioVelocity_ = FromErfa(pvh[1]);
    earthBaryPosition_ = FromErfa(pvb[0]);
    earthBaryVelocity_ = FromErfa(pvb[1]);
}

GeocentricPlace PreciseEphemeris::Place(Body body) const
{
    GeocentricPlace out;
    const double sunEarth = earthHelio_.Length();
    out.earthSunAU = sunEarth;
    Vector3 natural;  // ICRS axes, AU
    if (body == Body::Moon) {
        double pv[2][3];
        eraMoon98(kJ2000, instant_.jdTT - kJ2000, pv);
        const double tau = FromErfa(pv[0]).Length() * kLightDaysPerAU;
        eraMoon98(kJ2000, instant_.jdTT - tau - kJ2000, pv);
        natural = FromErfa(pv[0]);
        out.heliocentric = earthHelio_ + natural;
        out.distanceAU = natural.Length();
        out.sunDistanceAU = out.heliocentric.Length();
        out.apparent = npb_.Apply(natural);
        return out;
    }
    if (body == Body::Sun) {
        // In heliocentric terms the Sun stays at the origin; its barycentric motion during
        // the 8 minutes of light time moves it by less than 0.01".
        natural = earthHelio_ * -1.0;
        out.distanceAU = sunEarth;
    } else {
        Vector3 helio = PreciseHeliocentric(body, instant_.jdTT);
        for (int pass = 0; pass < 2; ++pass) {
            const double tau = (helio - earthHelio_).Length() * kLightDaysPerAU;
            helio = PreciseHeliocentric(body, instant_.jdTT - tau);
        }
        natural = helio - earthHelio_;
        out.heliocentric = helio;
        out.distanceAU = natural.Length();
        out.sunDistanceAU = helio.Length();
    }
    const Vector3 proper = Aberrate(natural, earthBaryVelocity_, sunEarth);
    out.apparent = npb_.Apply(proper * out.distanceAU);
    return out;
}

double PreciseMoonIlluminated(double jdTT)
{
    double pv[2][3];
    eraMoon98(kJ2000, jdTT - kJ2000, pv);
    const Vector3 moon = FromErfa(pv[0]);  // Earth -> Moon
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(kJ2000, jdTT - kJ2000, pvh, pvb);
    const Vector3 sun = FromErfa(pvh[0]) * -1.0;  // Earth -> Sun
    const Vector3 toSun = sun - moon;
    const Vector3 toEarth = moon * -1.0;
    const double c = toSun.Dot(toEarth) / (toSun.Length() * toEarth.Length());
    return (1.0 + c) * 0.5;
}

double MoonLongitudeJ2000(double jdTT)
{
    double pv[2][3];
    eraMoon98(kJ2000, jdTT - kJ2000, pv);
    const Vector3 moon = IcrsToEclipticJ2000(FromErfa(pv[0]));
    return std::atan2(moon.y, moon.x);
}

double MoonSunElongationLongitude(double jdTT)
{
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(kJ2000, jdTT - kJ2000, pvh, pvb);
    const Vector3 sun = IcrsToEclipticJ2000(FromErfa(pvh[0]) * -1.0);
    const double moonLon = MoonLongitudeJ2000(jdTT);
    const double sunLon = std::atan2(sun.y, sun.x) + kSunAberrationRadians;
    return ReduceRadians(moonLon - sunLon);
}

Vector3 SitePositionTrueOfDate(double longitude, double latitude, double heightMetres,
                               double gast)
{
    double xyz[3] = {0.0, 0.0, 0.0};
    eraGd2gc(ERFA_WGS84, longitude, latitude, heightMetres, xyz);  // metres, ITRS
    const double c = std::cos(gast);
    const double s = std::sin(gast);
    const double k = 1.0 / ERFA_DAU;  // metres to AU
    return {(c * xyz[0] - s * xyz[1]) * k, (s * xyz[0] + c * xyz[1]) * k, xyz[2] * k};
}
