#pragma once

#include "astro/math/sphericalcoord.h"

#include <cstddef>
#include <vector>

// The Milky Way band: the points of "data/milkyway.dat", the closed outline built from them
// and its triangles (three consecutive entries each).
class MilkyWay {
public:
    // The outline uses points 0 to 609: the first 223 are one edge, the next 387 the other.
    static constexpr std::size_t kFirstEdgePoints = 223;
    static constexpr std::size_t kOutlinePoints = 610;

    // Outline = points 609 down to 223, then 0 up to 222. False, with the outline left
    // empty, when the file gave fewer than 610 points.
    bool BuildOutline();

    std::vector<SphericalCoord> points;
    std::vector<SphericalCoord> outline;
    std::vector<SphericalCoord> triangles;
};
