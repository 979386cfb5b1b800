#pragma once

#include "astro/math/sphericalcoord.h"
#include "catalog/boundarysegment.h"

#include <memory>
#include <string>

// Reads "data/conbound.dat" line by line: consecutive corners with the same three-letter
// abbreviation are joined into segments; a new abbreviation starts a new chain.
class BoundaryChain {
public:
    // The segment from the previous corner to this line's corner, or null when the line
    // starts a new chain.
    std::unique_ptr<BoundarySegment> AddLine(const char* line);

private:
    std::string previousAbbreviation_;
    SphericalCoord previousPoint_{0.0, 0.0};
};
