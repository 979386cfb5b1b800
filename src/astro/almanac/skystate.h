#pragma once

#include "astro/math/vector3.h"

// Ecliptic coordinates of date, radians: longitude in [0, 2pi), latitude in [-pi/2, pi/2].
struct EclipticPlace {
    double longitude = 0.0;
    double latitude = 0.0;
};

// A vector in the true equator and equinox of date turned onto the ecliptic of date by the
// true obliquity (radians).
EclipticPlace EclipticOfDate(const Vector3& trueOfDate, double trueObliquity);
