#include "catalog/triangulation.h"

#include "astro/math/unitvectors.h"
#include "astro/math/vector3.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

namespace {

// The same triple product as SphericalCoord::IsClockwise, on unit vectors computed once.
bool Clockwise(const Vector3& p, const Vector3& a, const Vector3& b)
{
    return p.Dot(a.Cross(b)) < 0;
}

bool InTriangle(const Vector3& p, const Vector3& a, const Vector3& b, const Vector3& c)
{
    return Clockwise(p, a, b) && Clockwise(p, b, c) && Clockwise(p, c, a);
}

bool IsEarOf(const std::vector<Vector3>& v, std::size_t i)
{
    const std::size_t n = v.size();
    const std::size_t next = (i + 1) % n;
    const std::size_t prev = (n + i - 1) % n;
    if (!Clockwise(v[next], v[prev], v[i]))
        return false;
    if (Clockwise(v[i], v[prev], v[next]))
        return false;
    for (std::size_t j = 0; j < n; ++j) {
        if (j == prev || j == i || j == next)
            continue;
        if (InTriangle(v[j], v[prev], v[i], v[next]))
            return false;
    }
    return true;
}

}  // namespace

bool IsEar(const std::vector<SphericalCoord>& w, std::size_t i)
{
    if (w.size() < 3 || i >= w.size())
        return false;
    return IsEarOf(ToVectors(w), i);
}

bool TriangulatePolygon(const std::vector<SphericalCoord>& outline,
                        std::vector<SphericalCoord>& out)
{
    if (outline.size() < 4)
        return false;
    std::vector<SphericalCoord> w = outline;
    std::vector<Vector3> v = ToVectors(w);
    for (;;) {
        const std::size_t n = w.size();
        if (n == 3) {
            out.insert(out.end(), w.begin(), w.end());
            return true;
        }
        std::size_t ear = n;
        for (std::size_t i = 0; i < n; ++i) {
            if (IsEarOf(v, i)) {
                ear = i;
                break;
            }
        }
        if (ear == n)
            return false;
        out.push_back(w[(n + ear - 1) % n]);
        out.push_back(w[ear]);
        out.push_back(w[(ear + 1) % n]);
        w.erase(w.begin() + static_cast<std::ptrdiff_t>(ear));
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(ear));
    }
}

namespace {

// Triple product a . (b x c): positive when a, b, c turn counter-clockwise seen from outside.
double Turn(const Vector3& a, const Vector3& b, const Vector3& c)
{
    return a.Dot(b.Cross(c));
}

// True when d lies strictly inside the circumcircle of the triangle a, b, c (smaller than a
// hemisphere): on the side of the plane through a, b, c away from the centre of the sphere.
bool InCircumcircle(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d)
{
    const Vector3 normal = (b - a).Cross(c - a);
    const double centreSide = -a.Dot(normal);
    const double side = (d - a).Dot(normal);
    // A margin, so that four points on one circle are not flipped back and forth.
    const double margin = 1e-12 * std::sqrt(normal.Dot(normal));
    return centreSide > 0.0 ? side < -margin : side > margin;
}

}  // namespace

std::size_t FlipToDelaunay(std::vector<SphericalCoord>& triangles)
{
    using Triangle = std::array<std::uint32_t, 3>;
    const std::size_t count = triangles.size() / 3;
    // Vertices by their coordinates, triangles by vertex numbers.
    std::vector<SphericalCoord> points;
    std::map<std::pair<double, double>, std::uint32_t> numbers;
    std::vector<Triangle> tris(count);
    for (std::size_t t = 0; t < count; ++t)
        for (int k = 0; k < 3; ++k) {
            const SphericalCoord& p = triangles[3 * t + std::size_t(k)];
            const auto found = numbers.emplace(std::make_pair(p.lon, p.lat),
                                               std::uint32_t(points.size()));
            if (found.second)
                points.push_back(p);
            tris[t][std::size_t(k)] = found.first->second;
        }
    const std::vector<Vector3> v = ToVectors(points);
    std::vector<double> sense(count);  // the turning direction each triangle keeps
    for (std::size_t t = 0; t < count; ++t)
        sense[t] = Turn(v[tris[t][0]], v[tris[t][1]], v[tris[t][2]]) < 0 ? -1.0 : 1.0;

    using Edge = std::pair<std::uint32_t, std::uint32_t>;
    auto edgeOf = [](std::uint32_t a, std::uint32_t b) { return a < b ? Edge{a, b} : Edge{b, a}; };
    std::map<Edge, std::vector<std::uint32_t>> sides;  // triangles on each edge
    for (std::size_t t = 0; t < count; ++t)
        for (int k = 0; k < 3; ++k)
            sides[edgeOf(tris[t][std::size_t(k)], tris[t][std::size_t((k + 1) % 3)])].push_back(
                std::uint32_t(t));
    auto opposite = [&](std::uint32_t t, const Edge& e) {
        for (std::uint32_t p : tris[t])
            if (p != e.first && p != e.second)
                return p;
        return e.first;
    };
    auto replace = [&](const Edge& e, std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t& t : sides[e])
            if (t == from)
                t = to;
    };

    std::vector<Edge> pending;
    for (const auto& entry : sides)
        if (entry.second.size() == 2)
            pending.push_back(entry.first);
    std::size_t flips = 0;
    const std::size_t maxFlips = 50 * count + 100;  // far above what convergence needs
    while (!pending.empty() && flips < maxFlips) {
        const Edge e = pending.back();
        pending.pop_back();
        const auto found = sides.find(e);
        if (found == sides.end() || found->second.size() != 2)
            continue;
        const std::uint32_t t1 = found->second[0];
        const std::uint32_t t2 = found->second[1];
        const std::uint32_t a = e.first, c = e.second;
        const std::uint32_t b = opposite(t1, e);
        const std::uint32_t d = opposite(t2, e);
        if (b == d || !InCircumcircle(v[a], v[b], v[c], v[d]))
            continue;
        // The new edge b-d must cross a-c (b and d on either side of a-c, a and c on either
        // side of b-d) and be no edge yet: a list that is no triangulation (overlapping
        // triangles from an outline that crosses itself) is left as it is there.
        if (Turn(v[a], v[c], v[b]) * Turn(v[a], v[c], v[d]) >= 0 ||
            Turn(v[b], v[d], v[a]) * Turn(v[b], v[d], v[c]) >= 0 ||
            sides.count(edgeOf(b, d)) != 0)
            continue;
        // New triangles a, b, d and c, d, b, each turned as the old ones were.
        Triangle n1{a, b, d};
        Triangle n2{c, d, b};
        if ((Turn(v[a], v[b], v[d]) < 0 ? -1.0 : 1.0) != sense[t1])
            std::swap(n1[1], n1[2]);
        if ((Turn(v[c], v[d], v[b]) < 0 ? -1.0 : 1.0) != sense[t2])
            std::swap(n2[1], n2[2]);
        sides.erase(found);
        // Edge b-c moves from t1 to t2 and edge a-d from t2 to t1.
        replace(edgeOf(b, c), t1, t2);
        replace(edgeOf(a, d), t2, t1);
        sides[edgeOf(b, d)] = {t1, t2};
        tris[t1] = n1;
        tris[t2] = n2;
        ++flips;
        for (const Edge& next : {edgeOf(a, b), edgeOf(b, c), edgeOf(c, d), edgeOf(d, a)})
            pending.push_back(next);
    }
    for (std::size_t t = 0; t < count; ++t)
        for (int k = 0; k < 3; ++k)
            triangles[3 * t + std::size_t(k)] = points[tris[t][std::size_t(k)]];
    return flips;
}
