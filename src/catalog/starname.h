#pragma once

#include "astro/math/sphericalcoord.h"

#include <string>

// One line of "data/starname.dat": a name shown beside a position. Its label picture is
// made by the rendering side from the name.
class StarName {
public:
    StarName(std::string starName, const SphericalCoord& pos);

    SphericalCoord position;  // RA, Dec, radians
    std::string name;         // as read (UTF-8 or code page 949)
};
