#pragma once

#include "astro/math/sphericalcoord.h"

#include <cstdint>

// One line of "data/star.dat": position, spectral letter and visual magnitude, with what
// drawing needs computed once.
class Star {
public:
    Star() = default;
    Star(const SphericalCoord& pos, char spectralLetter, float visualMagnitude);

    // Colour value (red in the lowest byte) of a spectral letter; upper case only, white
    // for anything else.
    static std::uint32_t SpectralColour(char spectralLetter);

    SphericalCoord position;  // RA, Dec, radians
    char spectral = 0;
    float magnitude = 0.0f;
    float sizeFactor = 1.0f;  // 1.4 ^ -magnitude
    std::uint32_t colour = 0xffffff;
};
