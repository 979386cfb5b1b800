#include "astro/sun.h"

#include "astro/timescales.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kKeplerTolerance = 1e-7;  // radians

double Reduce(double x)
{
    return x - kTwoPi * std::floor(x / kTwoPi);
}

}  // namespace

Sun::Sun() : time(NowUT()) {}

Sun::Sun(const SkyTime& ut)
{
    Update(ut);
}

void Sun::Update(const SkyTime& ut)
{
    time = ut;
    const double d = ut.date.jd + ut.time.hours * 0.041666666666666664 - 2451543.5;
    argPerihelion = 4.938241566909764 + 8.219366312879496e-07 * d;  // 282.9404 deg + rate/day
    semiMajorAxis = 1.0;
    eccentricity = 0.016709 - 1.151e-9 * d;
    obliquity = (23.4393 - 3.563e-7 * d) * kDegToRad;
    meanAnomaly = Reduce(6.214192441848251 + 0.01720196961933223 * d);  // 356.0470 deg

    const double e = eccentricity;
    const double m = meanAnomaly;
    double ea = m;
    while (std::fabs(ea - e * std::sin(ea) - m) >= kKeplerTolerance)
        ea -= (ea - e * std::sin(ea) - m) / (1.0 - e * std::cos(ea));
    eccentricAnomaly = ea;

    const double x = std::cos(ea) - e;
    const double y = std::sqrt(1.0 - e * e) * std::sin(ea);
    trueAnomaly = Reduce(std::atan2(y, x));
    const double r = std::sqrt(x * x + y * y);
    const double lon = Reduce(trueAnomaly + argPerihelion);
    geoX = r * std::cos(lon);
    geoY = r * std::sin(lon);
    geoZ = 0.0;
}

double Sun::DistanceAU() const
{
    return std::sqrt(geoX * geoX + geoY * geoY);
}
