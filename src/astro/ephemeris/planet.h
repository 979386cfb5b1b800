#pragma once

#include "astro/time/skytime.h"
#include "astro/math/vector3.h"

#include <array>
#include <vector>

// Index of each planet, in the order the application holds them.
enum PlanetIndex : int {
    kMercury = 0,
    kVenus = 1,
    kEarth = 2,  // the Earth-Moon barycentre
    kMars = 3,
    kJupiter = 4,
    kSaturn = 5,
    kUranus = 6,
    kNeptune = 7,
    kPluto = 8,
    kPlanetCount = 9
};

// A planet on a Keplerian orbit whose elements are linear in time (mean ecliptic and
// equinox of J2000; Standish's approximate elements valid 1800-2050, as published by JPL).
// Heliocentric ecliptic J2000 rectangular position in AU. UT is the time argument.
class Planet {
public:
    // A planet without elements: UpdateElements only stores the time.
    Planet() = default;
    // Planet 0..8 (Mercury .. Pluto, see PlanetIndex); other values act as Planet().
    explicit Planet(int planetIndex) : index(planetIndex) {}

    // Stores ut, evaluates the six elements for it (d = JD(ut) - 2451545.0 days, M reduced
    // into [0, 2pi)) and calls ComputePosition.
    void UpdateElements(const SkyTime& ut);
    // Solves Kepler's equation (Newton, |E - e sin E - M| < 1e-7) and sets the heliocentric
    // ecliptic J2000 position (AU) from the current elements.
    void ComputePosition();

    int Index() const { return index; }
    // Heliocentric ecliptic J2000 position, AU.
    Vector3 Heliocentric() const { return {helioX, helioY, helioZ}; }
    // This planet's heliocentric vector minus the Earth's for the same stored time (AU,
    // ecliptic J2000). Zero for the Earth itself.
    Vector3 GeocentricVector() const;

    double argPerihelion = 0.0;     // omega, radians
    double eccentricity = 0.0;      // e
    double semiMajorAxis = 0.0;     // a, AU
    double inclination = 0.0;       // i, radians
    double ascendingNode = 0.0;     // Omega, radians
    double meanAnomaly = 0.0;       // M, radians in [0, 2pi)
    double eccentricAnomaly = 0.0;  // E, radians in [0, 2pi)
    double trueAnomaly = 0.0;       // nu, radians in (-pi, pi]
    double helioX = 0.0, helioY = 0.0, helioZ = 0.0;  // AU
    SkyTime time;                   // UT of the last update

private:
    int index = -1;
};

// Points of the planet's Keplerian orbit (its elements at the time of its last update),
// heliocentric ecliptic J2000, AU: `count` points at equal steps of eccentric anomaly from
// perihelion, through the same rotation as the planet's own position. Empty for a planet
// without elements or count < 3.
std::vector<Vector3> OrbitPath(const Planet& planet, int count);

// The nine planets Mercury .. Pluto, not yet updated.
std::array<Planet, kPlanetCount> MakePlanets();
