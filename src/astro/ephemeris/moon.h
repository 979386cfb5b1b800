#pragma once

#include "astro/time/skytime.h"
#include "astro/math/vector3.h"

// The Moon on an unperturbed Keplerian orbit around the Earth with elements linear in
// d = JD - 2451543.5 (Schlyter, "How to compute planetary positions", without the
// perturbation terms). Ecliptic of date, Earth radii.
class Moon {
public:
    // Time from the computer's clock (UT); nothing computed.
    Moon();
    // Computed for the UT instant ut.
    explicit Moon(const SkyTime& ut);

    // Stores ut and computes the elements and the geocentric position.
    void Update(const SkyTime& ut);
    // Geocentric ecliptic-of-date rectangular position, Earth radii.
    Vector3 Geocentric() const { return {geoX, geoY, geoZ}; }
    // Distance from the Earth's centre, Earth radii.
    double DistanceEarthRadii() const;
    // Horizontal parallax asin(1 / distance), radians.
    double HorizontalParallax() const;
    // Illuminated fraction (1 - cos psi) / 2 in [0, 1] at the stored time, psi the
    // geocentric Sun-Moon elongation (the Sun from Sun::Update for the same time).
    double PhaseFraction() const;

    double argPerihelion = 0.0;     // omega, radians in [0, 2pi)
    double eccentricity = 0.0549;
    double semiMajorAxis = 60.2666;  // Earth radii
    double inclination = 0.08980417133211624;  // 5.1454 degrees
    double ascendingNode = 0.0;     // Omega, radians in [0, 2pi)
    double meanAnomaly = 0.0;       // M, radians in [0, 2pi)
    double eccentricAnomaly = 0.0;  // E, radians
    double geoX = 0.0, geoY = 0.0, geoZ = 0.0;  // Earth radii
    SkyTime time;                   // UT of the last update
};
