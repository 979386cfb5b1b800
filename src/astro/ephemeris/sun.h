#pragma once

#include "astro/time/skytime.h"
#include "astro/math/vector3.h"

// The Sun seen from the Earth on an unperturbed Keplerian orbit with elements linear in
// d = JD - 2451543.5 (Schlyter, "How to compute planetary positions"). Ecliptic of date.
class Sun {
public:
    // Time from the computer's clock (UT); nothing computed.
    Sun();
    // Computed for the UT instant ut.
    explicit Sun(const SkyTime& ut);

    // Stores ut and computes the elements and the geocentric position.
    void Update(const SkyTime& ut);
    // Geocentric ecliptic-of-date rectangular position, AU (z is 0).
    Vector3 Geocentric() const { return {geoX, geoY, geoZ}; }
    // Distance from the Earth, AU.
    double DistanceAU() const;

    SkyTime time;                   // UT of the last update
    double argPerihelion = 0.0;     // w, radians (not reduced)
    double semiMajorAxis = 1.0;     // always 1
    double eccentricity = 0.0;      // e
    double obliquity = 0.0;         // epsilon of date, radians
    double meanAnomaly = 0.0;       // M, radians in [0, 2pi)
    double eccentricAnomaly = 0.0;  // E, radians
    double trueAnomaly = 0.0;       // nu, radians in [0, 2pi)
    double geoX = 0.0, geoY = 0.0, geoZ = 0.0;  // AU
};
