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

// Turns a triangulation on the sphere (three entries per triangle, a vertex shared by
// triangles given by equal coordinates) into the constrained Delaunay one of the same
// region: Lawson's flips of shared edges until no triangle's circumcircle holds the far
// vertex of a neighbour. The outline's edges stay; the region is covered once, as before,
// by triangles with the largest smallest angles instead of the long slivers ear clipping
// leaves (a rasterizer's cost grows with the length of the edges inside the region).
// Triangles keep their turning direction. Returns the number of flips made.
std::size_t FlipToDelaunay(std::vector<SphericalCoord>& triangles);
