#include "views/planet3dcamera.h"
#include "astro/math/angles.h"

#include <algorithm>
#include <cmath>

namespace {


double WrapLongitude(double lon)
{
    return lon - kTwoPi * std::floor(lon / kTwoPi);
}

}  // namespace

void Planet3dCamera::FlyForward()
{
    eye = eye + LineOfSight();
}

void Planet3dCamera::FlyBackward()
{
    eye = eye - LineOfSight();
}

void Planet3dCamera::TurnLeft()
{
    direction.lon = WrapLongitude(direction.lon - TurnStepRad());
}

void Planet3dCamera::TurnRight()
{
    direction.lon = WrapLongitude(direction.lon + TurnStepRad());
}

void Planet3dCamera::TurnUp()
{
    direction.lat = std::min(direction.lat + TurnStepRad(), kHalfPi);
}

void Planet3dCamera::TurnDown()
{
    direction.lat = std::max(direction.lat - TurnStepRad(), -kHalfPi);
}

std::array<double, 16> Planet3dCamera::AxisChange()
{
    return {0.0, 0.0, -1.0, 0.0,  //
            1.0, 0.0, 0.0,  0.0,  //
            0.0, 1.0, 0.0,  0.0,  //
            0.0, 0.0, 0.0,  1.0};
}
