#pragma once

#include <cmath>

// Angle constants and reductions: the one home of pi and the degree, hour and arcsecond
// factors. Angles in memory are radians unless a name says otherwise.

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kDegToRad = 0.017453292519943295;      // pi / 180
constexpr double kRadToDeg = 57.29577951308232;         // 180 / pi
constexpr double kHoursToRad = 0.26179938779914946;     // pi / 12
constexpr double kRadToHours = 3.819718634205488;       // 12 / pi
constexpr double kArcsecToRad = 4.848136811095278e-06;  // pi / 648000
constexpr double kRadToArcsec = 206264.80624709636;     // 648000 / pi

// An angle in radians reduced to [0, 2pi).
inline double ReduceRadians(double angle)
{
    return angle - kTwoPi * std::floor(angle / kTwoPi);
}

// An angle in radians brought into (-pi, pi].
inline double WrapPi(double angle)
{
    const double a = ReduceRadians(angle);
    return a > kPi ? a - kTwoPi : a;
}

// Hours reduced to [0, 24).
inline double Reduce24(double hours)
{
    return hours - 24.0 * std::floor(hours / 24.0);
}
