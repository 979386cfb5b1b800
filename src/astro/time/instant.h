#pragma once

// An instant as the two Julian dates an ephemeris needs: Universal Time (UT1, taken equal
// to UTC) and Terrestrial Time. Days.
struct Instant {
    double jdUT = 2451545.0;
    double jdTT = 2451545.0;

    // TT = UT + Delta T, Delta T from DeltaTSeconds (astro/time/deltat.h).
    static Instant FromUT(double julianDateUT);
    // Both dates as given (tests compare with a reference's own Delta T).
    static Instant FromUTAndTT(double julianDateUT, double julianDateTT)
    {
        return Instant{julianDateUT, julianDateTT};
    }
    double DeltaTSeconds() const { return (jdTT - jdUT) * 86400.0; }
};
