#include "astro/ephemeris/sun.h"
#include "astro/math/angles.h"

#include "astro/ephemeris/keplerorbit.h"
#include "astro/time/timescales.h"

#include <cmath>

Sun::Sun() : time(NowUT()) {}

Sun::Sun(const SkyTime& ut)
{
    Update(ut);
}

void Sun::Update(const SkyTime& ut)
{
    time = ut;
    const double d = SchlyterDay(ut);
    argPerihelion = 4.938241566909764 + 8.219366312879496e-07 * d;  // 282.9404 deg + rate/day
    semiMajorAxis = 1.0;
    eccentricity = 0.016709 - 1.151e-9 * d;
    obliquity = (23.4393 - 3.563e-7 * d) * kDegToRad;
    meanAnomaly = ReduceRadians(6.214192441848251 + 0.01720196961933223 * d);  // 356.0470 deg

    const double e = eccentricity;
    const double m = meanAnomaly;
    const double ea = SolveKepler(m, e, m);
    eccentricAnomaly = ea;

    const OrbitPoint p = PositionInOrbit(semiMajorAxis, e, ea);
    trueAnomaly = ReduceRadians(p.trueAnomaly);
    const double r = p.radius;
    const double lon = ReduceRadians(trueAnomaly + argPerihelion);
    geoX = r * std::cos(lon);
    geoY = r * std::sin(lon);
    geoZ = 0.0;
}

double Sun::DistanceAU() const
{
    return std::sqrt(geoX * geoX + geoY * geoY);
}
