#include "astro/ephemeris/moon.h"
#include "astro/math/angles.h"

#include "astro/ephemeris/keplerorbit.h"
#include "astro/ephemeris/sun.h"
#include "astro/time/timescales.h"

#include <algorithm>
#include <cmath>

Moon::Moon() : time(NowUT()) {}

Moon::Moon(const SkyTime& ut)
{
    Update(ut);
}

void Moon::Update(const SkyTime& ut)
{
    time = ut;
    const double d = SchlyterDay(ut);
    ascendingNode = ReduceRadians((125.1228 - 0.0529538083 * d) * kDegToRad);
    inclination = 0.08980417133211624;
    argPerihelion = ReduceRadians(5.551253560087733 + 0.0028685764238964994 * d);  // 318.0634 deg
    eccentricity = 0.0549;
    semiMajorAxis = 60.2666;
    meanAnomaly = ReduceRadians(2.0135060728802663 + 0.22802714374305486 * d);  // 115.3654 deg

    const double e = eccentricity;
    const double m = meanAnomaly;
    const double ea = SolveKepler(m, e, m + e * std::sin(m) * (1.0 + e * std::cos(m)));
    eccentricAnomaly = ea;

    const OrbitPoint p = PositionInOrbit(semiMajorAxis, e, ea);
    const Vector3 v = OrbitToEcliptic(p.radius, p.trueAnomaly + argPerihelion, ascendingNode,
                                      inclination);
    geoX = v.x;
    geoY = v.y;
    geoZ = v.z;
}

double Moon::DistanceEarthRadii() const
{
    return std::sqrt(geoX * geoX + geoY * geoY + geoZ * geoZ);
}

double Moon::HorizontalParallax() const
{
    return std::asin(1.0 / DistanceEarthRadii());
}

double Moon::PhaseFraction() const
{
    const Sun sun(time);
    const Vector3 s = sun.Geocentric();
    const Vector3 m = Geocentric();
    const double cosPsi = s.Dot(m) / (s.Length() * m.Length());
    return std::clamp((1.0 - cosPsi) * 0.5, 0.0, 1.0);
}
