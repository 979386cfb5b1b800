#include "catalog/milkyway.h"

bool MilkyWay::BuildOutline()
{
    outline.clear();
    if (points.size() < kOutlinePoints)
        return false;
    outline.reserve(kOutlinePoints);
    for (std::size_t i = kOutlinePoints; i-- > kFirstEdgePoints;)
        outline.push_back(points[i]);
    for (std::size_t i = 0; i < kFirstEdgePoints; ++i)
        outline.push_back(points[i]);
    return true;
}
