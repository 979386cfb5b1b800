#pragma once

#include "astro/math/angles.h"

#include <array>

#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"

// Where the solar-system view looks from and toward, and how its keys move it. Heliocentric
// ecliptic frame, astronomical units; the line of sight is an ecliptic longitude and
// latitude in radians. Kept free of GL so the navigation can be checked on its own.
class Planet3dCamera {
public:
    static constexpr double kFieldOfViewRad = 0.7853981633974483;  // pi/4, vertical
    static constexpr double kNearAu = 0.10000000149011612;          // 0.1f widened
    static constexpr double kFarAu = 200.0;

    // One arrow-key turn: fov * 2/15, which is 6 degrees with the fixed field of view.
    double TurnStepRad() const { return fov * 0.13333333333333333; }

    // "+" and "-": one astronomical unit along the line of sight, forward or back.
    void FlyForward();
    void FlyBackward();

    // Arrow keys: longitude wraps into [0, 2pi), latitude stops at +-pi/2.
    void TurnLeft();
    void TurnRight();
    void TurnUp();
    void TurnDown();

    // Unit vector of the line of sight (cos lat cos lon, cos lat sin lon, sin lat).
    Vector3 LineOfSight() const { return direction.ToVector(); }

    // Column-major 4x4 that makes scene x the forward direction (-z of eye space), scene y
    // screen right and scene z screen up.
    static std::array<double, 16> AxisChange();

    Vector3 eye;                     // AU, starts at the Sun's centre
    SphericalCoord direction;        // starts toward ecliptic longitude 0
    double fov = kFieldOfViewRad;    // never changed
};
