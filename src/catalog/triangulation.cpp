#include "catalog/triangulation.h"

#include "astro/math/unitvectors.h"
#include "astro/math/vector3.h"

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
