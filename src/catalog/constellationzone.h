#pragma once

#include <string>
#include <utility>

// One row of the constellation identification table (equinox 1875.0), searched in file
// order by FindConstellationAt.
class ConstellationZone {
public:
    ConstellationZone() = default;
    ConstellationZone(double raHighRad, double raLowRad, double decLowRad, std::string zoneName)
        : raHigh(raHighRad), raLow(raLowRad), decLow(decLowRad), name(std::move(zoneName)) {}

    double raHigh = 0.0;  // radians, exclusive
    double raLow = 0.0;   // radians, inclusive
    double decLow = 0.0;  // radians, inclusive
    std::string name;
};
