#pragma once

#include "astro/math/sphericalcoord.h"

// One edge of a constellation boundary (equinox 1875.0). An edge along a meridian runs from
// its southern end; an edge along a parallel runs eastward from `start` along the shorter
// arc (23h to 1h starts at 23h). A pair sharing neither coordinate gives (0,0)-(0,0).
class BoundarySegment {
public:
    BoundarySegment() = default;
    // Built from the previous corner and the current one, normalised as above.
    BoundarySegment(const SphericalCoord& previous, const SphericalCoord& current);

    SphericalCoord start;  // RA, Dec, radians
    SphericalCoord end;
};
