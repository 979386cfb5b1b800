#pragma once

#include "astro/math/sphericalcoord.h"

#include <string>
#include <utility>

// One line of "data/conname.dat": a constellation's name and where its label goes. The
// list order matches the bands of the constellation-name image.
class ConstellationName {
public:
    ConstellationName() = default;
    ConstellationName(std::string constellationName, const SphericalCoord& pos)
        : name(std::move(constellationName)), position(pos) {}

    std::string name;         // as read
    SphericalCoord position;  // RA, Dec of the label, radians
    std::string abbreviation; // the IAU three-letter abbreviation, first field of the line
};
