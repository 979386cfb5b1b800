#pragma once

#include "astro/math/angles.h"

// Steps shared by the Keplerian orbit models of the Sun, the Moon and the planets.


// Eccentric anomaly E in radians solving Kepler's equation E - e sin E = M for a mean
// anomaly M in radians and an eccentricity e < 1: Newton's method from start until
// |E - e sin E - M| < 1e-7 rad (Meeus, Astronomical Algorithms, ch. 30).
double SolveKepler(double meanAnomaly, double eccentricity, double start);
