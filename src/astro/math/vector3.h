#pragma once

#include <cmath>

// A Cartesian triple; zero unless given.
struct Vector3 {
    constexpr Vector3() = default;
    constexpr Vector3(double vx, double vy, double vz) : x(vx), y(vy), z(vz) {}

    double Length() const { return std::sqrt(x * x + y * y + z * z); }
    constexpr double Dot(const Vector3& o) const { return x * o.x + y * o.y + z * o.z; }
    constexpr Vector3 Cross(const Vector3& o) const
    {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector3 operator*(double k) const { return {x * k, y * k, z * k}; }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
