#include "astro/time/skytime.h"

#include <cmath>

SkyTime::SkyTime(double julianDate)
{
    date.jd = std::floor(julianDate - 0.5) + 0.5;
    time.hours = (julianDate - date.jd) * 24.0;
}
