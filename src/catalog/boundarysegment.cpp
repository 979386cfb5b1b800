#include "catalog/boundarysegment.h"
#include "astro/math/angles.h"

namespace {


}  // namespace

BoundarySegment::BoundarySegment(const SphericalCoord& previous, const SphericalCoord& current)
    : start(0.0, 0.0), end(0.0, 0.0)
{
    const SphericalCoord& p = previous;
    const SphericalCoord& q = current;
    if (p.lon == q.lon) {
        if (q.lat > p.lat) {
            start = p;
            end = q;
        } else {
            start = q;
            end = p;
        }
    }
    // A parallel edge is decided by right ascension; this also wins when both coordinates
    // are equal.
    if (p.lat == q.lat) {
        bool previousFirst;
        if (q.lon > p.lon)
            previousFirst = q.lon - p.lon < kPi;
        else
            previousFirst = p.lon - q.lon >= kPi;
        start = previousFirst ? p : q;
        end = previousFirst ? q : p;
    }
}
