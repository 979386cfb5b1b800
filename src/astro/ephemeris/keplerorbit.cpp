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
