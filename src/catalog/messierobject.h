#pragma once

#include "astro/math/sphericalcoord.h"
#include "image/labelstyle.h"
#include "image/textbitmap.h"

#include <cstdint>
#include <string>

// Line i of "data/m.dat" is Messier object i + 1; its "M%d" label is rendered at
// construction.
class MessierObject {
public:
    MessierObject(std::int32_t messierNumber, const SphericalCoord& pos, const LabelStyle& style);
    virtual ~MessierObject() = default;

    // "M%d" of the number.
    static std::string LabelText(std::int32_t messierNumber);

    std::int32_t number = 0;
    TextBitmap label;
    SphericalCoord position;  // RA, Dec, radians
};
