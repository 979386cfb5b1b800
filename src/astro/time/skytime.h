#pragma once

#include "astro/time/skydate.h"
#include "astro/time/skyhours.h"

// An instant as the Julian date of 0h of its day plus hours of that day. The same shape
// carries local civil time, UT, Greenwich and local sidereal time; for the two sidereal
// scales only `hours` is meaningful and `date` is the civil date it was derived from.
class SkyTime {
public:
    SkyTime() = default;
    // Splits a Julian date: date.jd = floor(jd - 0.5) + 0.5, hours = (jd - date.jd) * 24.
    explicit SkyTime(double julianDate);
    SkyTime(const SkyDate& d, const SkyHours& t) : date(d), time(t) {}
    SkyTime(const SkyDate& d, double hours) : date(d), time(hours) {}

    // Julian date of the instant: date.jd + hours / 24 (days).
    double JD() const { return date.jd + time.hours * 0.041666666666666664; }
    double Hours() const { return time.hours; }

    SkyDate date;
    SkyHours time;
};
