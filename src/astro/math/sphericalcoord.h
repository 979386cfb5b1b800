#pragma once

#include "astro/math/vector3.h"

// A direction on the sky as two angles in radians: lon (right ascension, ecliptic or
// galactic longitude, azimuth from north through east) and lat (declination, ecliptic or
// galactic latitude, altitude). Constructors from vectors put lon in [0, 2pi).
class SphericalCoord {
public:
    SphericalCoord() = default;
    // Stores both angles unchanged.
    SphericalCoord(double lonRad, double latRad) : lon(lonRad), lat(latRad) {}

    // Direction of any non-zero vector: lon = atan2(y, x) in [0, 2pi), lat = asin(z / |v|).
    static SphericalCoord FromVector(const Vector3& v);
    // Direction of a unit vector: lon = atan2(y, x) in [0, 2pi), lat = asin(z).
    static SphericalCoord FromUnitXYZ(double x, double y, double z);

    // Unit-vector components: cos(lat) cos(lon), cos(lat) sin(lon), sin(lat).
    double X() const;
    double Y() const;
    double Z() const;
    Vector3 ToVector() const { return {X(), Y(), Z()}; }

    // True when this . (a x b) < 0 for the three unit vectors (strictly).
    bool IsClockwise(const SphericalCoord& a, const SphericalCoord& b) const;
    // True when this point lies strictly inside the spherical triangle a, b, c taken in
    // clockwise order (IsClockwise for (a, b), (b, c) and (c, a)); false on an edge.
    bool InTriangle(const SphericalCoord& a, const SphericalCoord& b,
                    const SphericalCoord& c) const;

    double lon = 0.0;
    double lat = 0.0;
};
