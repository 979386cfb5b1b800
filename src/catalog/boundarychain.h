#pragma once

#include "astro/math/sphericalcoord.h"
#include "catalog/boundarysegment.h"

#include <optional>
#include <string>

// Reads "data/conbound.dat" line by line: consecutive corners with the same three-letter
// abbreviation are joined into segments; a new abbreviation starts a new chain.
class BoundaryChain {
public:
    // The segment from the previous corner to this line's corner, or none when the line
    // starts a new chain. A corner outside the sky (right ascension beyond [0, 24] hours,
    // declination beyond [-90, 90] degrees, or not a number) is dropped and breaks the
    // chain: the next corner starts a new one. *usable (when given) tells which happened.
    std::optional<BoundarySegment> AddLine(const char* line, bool* usable = nullptr);

private:
    std::string previousAbbreviation_;
    SphericalCoord previousPoint_{0.0, 0.0};
    bool chainBroken_ = false;  // the last corner was dropped
};
