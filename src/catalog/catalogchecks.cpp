#include "catalog/catalogchecks.h"

#include "astro/math/angles.h"

#include <cmath>

namespace {

// Hours and degrees converted to radians through single precision stay within this.
constexpr double kRoundingRad = 1e-6;

bool Within(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

bool IsSkyPosition(const SphericalCoord& position)
{
    return Within(position.lon, -kRoundingRad, kTwoPi + kRoundingRad) &&
           Within(position.lat, -kHalfPi - kRoundingRad, kHalfPi + kRoundingRad);
}

bool IsStarMagnitude(double magnitude)
{
    return Within(magnitude, -2.0, 30.0);
}

bool IsUsableStar(const Star& star)
{
    return IsSkyPosition(star.position) && IsStarMagnitude(star.magnitude);
}

bool IsUsableSite(const Observer& site)
{
    return Within(site.longitude, -180.0 * kDegToRad - kRoundingRad,
                  180.0 * kDegToRad + kRoundingRad) &&
           Within(site.latitude, -kHalfPi - kRoundingRad, kHalfPi + kRoundingRad) &&
           Within(site.timeZone, -14.0, 14.0);
}

bool IsUsableZone(const ConstellationZone& zone)
{
    return Within(zone.raLow, -kRoundingRad, kTwoPi + kRoundingRad) &&
           Within(zone.raHigh, -kRoundingRad, kTwoPi + kRoundingRad) &&
           Within(zone.decLow, -kHalfPi - kRoundingRad, kHalfPi + kRoundingRad);
}
