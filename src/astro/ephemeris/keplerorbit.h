#pragma once

#include "astro/math/angles.h"
#include "astro/math/vector3.h"
#include "astro/time/skytime.h"

// Steps shared by the Keplerian orbit models of the Sun, the Moon and the planets.


// Eccentric anomaly E in radians solving Kepler's equation E - e sin E = M for a mean
// anomaly M in radians and an eccentricity e < 1: Newton's method from start until
// |E - e sin E - M| < 1e-7 rad (Meeus, Astronomical Algorithms, ch. 30).
double SolveKepler(double meanAnomaly, double eccentricity, double start);

// d = JD - 2451543.5 (0 h UT on 31 December 1999), the time argument of the Sun's and the
// Moon's elements (Schlyter), for the UT instant ut.
double SchlyterDay(const SkyTime& ut);

// Where a body is in its orbit at eccentric anomaly E (radians): the true anomaly nu in
// radians, (-pi, pi], and the distance from the focus in the units of the semi-major axis.
struct OrbitPoint {
    double trueAnomaly;
    double radius;
};
OrbitPoint PositionInOrbit(double semiMajorAxis, double eccentricity, double eccentricAnomaly);

// Rectangular position in the reference plane (the ecliptic) of a point at distance radius
// and argument of latitude u = nu + omega (radians) on an orbit of the given ascending node
// and inclination (radians).
Vector3 OrbitToEcliptic(double radius, double argumentOfLatitude, double ascendingNode,
                        double inclination);
