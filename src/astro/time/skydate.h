#pragma once

// The Julian date of 0h of one day; always ends in .5 (2451544.5 is 1 January 2000).
class SkyDate {
public:
    SkyDate() = default;
    explicit SkyDate(double julianDate) : jd(julianDate) {}

    double jd = 0.0;
};
