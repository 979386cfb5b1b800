#include "astro/ephemeris/keplerorbit.h"

#include <cmath>

namespace {

constexpr double kKeplerTolerance = 1e-7;  // radians, on |E - e sin E - M|

}  // namespace

double SolveKepler(double meanAnomaly, double eccentricity, double start)
{
    const double e = eccentricity;
    const double m = meanAnomaly;
    double ea = start;
    while (std::fabs(ea - e * std::sin(ea) - m) >= kKeplerTolerance)
        ea -= (ea - e * std::sin(ea) - m) / (1.0 - e * std::cos(ea));
    return ea;
}

double SchlyterDay(const SkyTime& ut)
{
    return ut.date.jd + ut.time.hours * 0.041666666666666664 - 2451543.5;
}

OrbitPoint PositionInOrbit(double semiMajorAxis, double eccentricity, double eccentricAnomaly)
{
    const double e = eccentricity;
    const double x = semiMajorAxis * (std::cos(eccentricAnomaly) - e);
    const double y = semiMajorAxis * std::sqrt(1.0 - e * e) * std::sin(eccentricAnomaly);
    return {std::atan2(y, x), std::sqrt(x * x + y * y)};
}

Vector3 OrbitToEcliptic(double radius, double argumentOfLatitude, double ascendingNode,
                        double inclination)
{
    const double cu = std::cos(argumentOfLatitude), su = std::sin(argumentOfLatitude);
    const double cn = std::cos(ascendingNode), sn = std::sin(ascendingNode);
    const double ci = std::cos(inclination), si = std::sin(inclination);
    return {radius * (cn * cu - sn * su * ci), radius * (sn * cu + cn * su * ci), radius * su * si};
}
