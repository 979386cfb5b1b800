#pragma once

// A time of day in hours, normally in [0, 24).
class SkyHours {
public:
    SkyHours() = default;
    explicit SkyHours(double h) : hours(h) {}

    double hours = 0.0;
};
