#pragma once

#include "astro/math/sphericalcoord.h"
#include "catalog/constellationzone.h"

#include <vector>

// The name of the constellation containing an equatorial position of equinox 2000.0 (RA,
// Dec, radians), or null when no zone matches. The position is precessed to 1875.0
// (Precess(p, 2000, 1875)) and the zones are searched in order: the first zone with
// decLow <= Dec and raLow <= RA < raHigh wins. The string is owned by the zone.
const char* FindConstellationAt(const std::vector<ConstellationZone>& zones,
                                SphericalCoord position);

// The same search for a position already in equinox 1875.0.
const char* FindConstellationAt1875(
    const std::vector<ConstellationZone>& zones, const SphericalCoord& position);
