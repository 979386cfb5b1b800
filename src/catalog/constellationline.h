#pragma once

#include "astro/math/sphericalcoord.h"

// One line of "data/conline.dat": a stick-figure segment.
class ConstellationLine {
public:
    ConstellationLine() = default;
    ConstellationLine(const SphericalCoord& from, const SphericalCoord& to) : start(from), end(to) {}

    SphericalCoord start;  // RA, Dec, radians
    SphericalCoord end;
};
