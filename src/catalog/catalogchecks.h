#pragma once

#include "astro/sky/observer.h"
#include "astro/math/sphericalcoord.h"
#include "catalog/constellationzone.h"
#include "catalog/star.h"

// Physical ranges of the catalog numbers. A record that fails its check is not stored; the
// loader counts it and reports the count once per file. Every check is false for NaN and
// for infinities.

// A sky position in radians: right ascension in [0, 2 pi], declination in [-pi/2, pi/2]
// (a few microradians of rounding are allowed at the ends).
bool IsSkyPosition(const SphericalCoord& position);

// Visual magnitude of a catalog star: [-2, 30] (no star outshines -1.5).
bool IsStarMagnitude(double magnitude);
bool IsUsableStar(const Star& star);

// A site: longitude in [-180, 180] degrees, latitude in [-90, 90] degrees, time-zone
// offset in [-14, 14] hours (the widest offsets in civil use are -12 and +14).
bool IsUsableSite(const Observer& site);

// An identification zone: raLow and raHigh in [0, 2 pi] (radians), decLow in [-pi/2, pi/2].
bool IsUsableZone(const ConstellationZone& zone);

