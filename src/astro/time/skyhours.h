#pragma once

// A time of day in hours, normally in [0, 24).
class SkyHours {
public:
    SkyHours() = default;
    explicit SkyHours(double h) : hours(h) {}
    SkyHours(const SkyHours&) = default;
    SkyHours& operator=(const SkyHours&) = default;

    double hours = 0.0;
};
