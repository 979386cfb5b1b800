#pragma once

#include "astro/math/sphericalcoord.h"

#include <cstdint>
#include <string>

// Line i of "data/m.dat" is Messier object i + 1. Its "M%d" label picture is made by the
// rendering side from LabelText.
class MessierObject {
public:
    MessierObject(std::int32_t messierNumber, const SphericalCoord& pos);

    // "M%d" of the number.
    static std::string LabelText(std::int32_t messierNumber);

    std::int32_t number = 0;
    SphericalCoord position;  // RA, Dec, radians
};
