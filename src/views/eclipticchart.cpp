#include "views/eclipticchart.h"

#include <cmath>

#include "astro/math/sphericalcoord.h"

EclipticChart::EclipticChart(int clientWidth, int clientHeight)
    : left_(kInset), top_(kInset), right_(clientWidth - kInset), bottom_(clientHeight - kInset)
{
}

bool EclipticChart::Place(const Vector3& geocentric, int& x, int& y) const
{
    const SphericalCoord ecl = SphericalCoord::FromVector(geocentric);
    // A zero vector has no direction (NaN angles): leave it out like a body off the chart.
    if (!(std::fabs(ecl.lat) < kMaxLatitudeRad) || !std::isfinite(ecl.lon))
        return false;
    const int width = Width();
    x = static_cast<int>(ecl.lon / 6.283185307179586 * width + left_);
    y = static_cast<int>(ecl.lat * width * kLatitudeScale + CentreY());
    return true;
}

void EclipticChart::Add(std::vector<EclipticMark>& marks, const char* label, Colour colour,
                        const Vector3& geocentric) const
{
    EclipticMark mark;
    if (!Place(geocentric, mark.x, mark.y))
        return;
    mark.label = label;
    mark.colour = colour;
    marks.push_back(mark);
}
