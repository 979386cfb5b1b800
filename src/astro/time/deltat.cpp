#include "astro/time/deltat.h"

#include <algorithm>
#include <cmath>

namespace {

// Observed Delta T in seconds at 1900.0, 1905.0 ... 2025.0 (Astronomical Almanac).
constexpr double kFirstYear = 1900.0;
constexpr double kStepYears = 5.0;
constexpr double kObserved[] = {
    -2.72, 3.86,  10.46, 17.20, 21.16, 23.62, 24.02, 23.93, 24.33,  // 1900-1940
    26.77, 29.15, 31.07, 33.15, 35.73, 40.18, 45.48, 50.54, 54.34,  // 1945-1985
    56.86, 60.78, 63.83, 64.69, 66.07, 67.64, 69.36, 69.14};        // 1990-2025
constexpr int kObservedCount = sizeof kObserved / sizeof kObserved[0];
constexpr double kLastYear = kFirstYear + kStepYears * (kObservedCount - 1);  // 2025

double Parabola(double y)
{
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

// Espenak & Meeus polynomial for the year y (seconds), before 1900 and after 2025.
double Polynomial(double y)
{
    if (y < -500.0)
        return Parabola(y);
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053 +
               u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 +
               u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 +
               t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 +
               t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    if (y < 2150.0)
        return Parabola(y) - 0.5628 * (2150.0 - y);
    return Parabola(y);
}

}  // namespace

double DeltaTSeconds(double y)
{
    if (std::isnan(y))
        return y;
    if (y >= kFirstYear && y <= kLastYear) {
        const double x = (y - kFirstYear) / kStepYears;
        const int i = std::min(static_cast<int>(x), kObservedCount - 2);
        const double f = x - i;
        return kObserved[i] + f * (kObserved[i + 1] - kObserved[i]);
    }
    if (y > kLastYear && y < 2050.0) {
        // Shift the 2005-2050 expression to the last observation, fading out by 2050.
        const double shift = kObserved[kObservedCount - 1] - Polynomial(kLastYear);
        return Polynomial(y) + shift * (2050.0 - y) / (2050.0 - kLastYear);
    }
    // Far outside the range of any model: keep the value finite.
    if (y > 1e6)
        return Parabola(1e6);
    if (y < -1e6)
        return Parabola(-1e6);
    return Polynomial(y);
}

double DecimalYear(double julianDate)
{
    return 2000.0 + (julianDate - 2451545.0) / 365.25;
}
