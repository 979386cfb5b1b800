#pragma once

#include "astro/ephemeris/body.h"

// Apparent visual magnitude (V) of a body from its distances and phase angle.
// sunDistanceAU: Sun-body (1 for the Moon is fine, the Earth-Sun distance is what it uses);
// earthDistanceAU: Earth-body; phaseAngle: Sun-body-Earth angle, radians.
// Planets Mercury-Neptune: Mallama & Hilton (2018), "Computing apparent planetary
// magnitudes for The Astronomical Almanac", Astronomy and Computing 25, 10-24, equations
// for the whole disc (Saturn: globe and rings, with ringTiltRad the Earth's latitude over
// the ring plane; globe alone where their formula says so). Pluto: V(1,0) = -1.01 with
// 0.041 mag/degree (Astronomical Almanac). Sun: -26.74 at 1 AU. Moon: -12.73 at full Moon
// and the mean distance, with Allen's phase law 0.026|a| + 4e-9 a^4 (a in degrees).
double ApparentMagnitude(Body body, double sunDistanceAU, double earthDistanceAU,
                         double phaseAngle, double ringTiltRad = 0.0, double decimalYear = 2000.0);

// Mean equatorial radius of each body, km (IAU WGCCRE 2015; the Sun 695,700 km, the Moon
// 1,737.4 km): the apparent diameter is 2 asin(radius / distance).
double BodyRadiusKm(Body body);
