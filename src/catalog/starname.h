#pragma once

#include "astro/math/sphericalcoord.h"
#include "image/labelstyle.h"
#include "image/textbitmap.h"

#include <string>

// One line of "data/starname.dat": a name shown beside a position, with its label rendered
// at construction.
class StarName {
public:
    StarName(std::string starName, const SphericalCoord& pos, const LabelStyle& style);
    virtual ~StarName() = default;

    TextBitmap label;
    SphericalCoord position;  // RA, Dec, radians
    std::string name;         // as read (UTF-8 or code page 949)
};
