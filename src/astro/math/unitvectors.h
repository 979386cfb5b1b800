#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"

#include <vector>

// The unit vector of every point, in order (what both the triangulation and the vertex
// arrays work on).
inline std::vector<Vector3> ToVectors(const std::vector<SphericalCoord>& points)
{
    std::vector<Vector3> v;
    v.reserve(points.size());
    for (const SphericalCoord& p : points)
        v.push_back(p.ToVector());
    return v;
}
