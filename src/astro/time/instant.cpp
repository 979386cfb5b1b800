#include "astro/time/instant.h"

#include "astro/time/deltat.h"

Instant Instant::FromUT(double julianDateUT)
{
    const double dt = ::DeltaTSeconds(DecimalYear(julianDateUT));
    return Instant{julianDateUT, julianDateUT + dt / 86400.0};
}
