#pragma once

#include "astro/math/sphericalcoord.h"

#include <cstddef>
#include <vector>

// Ear clipping on the sphere. Seen from the centre of the sphere, the outline must run
// counter-clockwise around its interior.

// True when vertex i of the working outline w is an ear: its corner turns the right way
// (w[next].IsClockwise(w[prev], w[i]) and not w[i].IsClockwise(w[prev], w[next])) and no
// other vertex lies strictly inside the triangle prev, i, next.
bool IsEar(const std::vector<SphericalCoord>& w, std::size_t i);

// Appends the triangles of the outline to `out`, three entries each, always clipping the
// first ear in index order. False when the outline has fewer than 4 vertices (nothing is
// appended) or when no ear is left (the triangles found so far stay in `out`).
bool TriangulatePolygon(const std::vector<SphericalCoord>& outline,
                        std::vector<SphericalCoord>& out);
