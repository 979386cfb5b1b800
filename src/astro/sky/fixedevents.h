#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/sky/observer.h"
#include "astro/sky/riseset.h"
#include "astro/time/skydate.h"

// Rising, transit and setting of a fixed point of the sky (a star, a deep-sky object) on one
// local civil day, from its place of date (RA, Dec; radians) held for the whole day: the
// transit is the local time at which the local sidereal time equals the RA (LSTToLocal),
// rise and set lie the semi-diurnal arc H0 before and after it, cos H0 = (sin h0 - sin phi
// sin dec) / (cos phi cos dec) (Meeus, Astronomical Algorithms, ch. 15), sidereal hours
// turned into solar ones. Local hours in [0, 24): a rise that would fall before 0 h is the
// one before the next transit, a set after 24 h the one after the transit before (one
// sidereal day, 23.93 h, apart).

// Standard altitude of a star's rising and setting: -0 deg 34' of refraction, radians.
constexpr double kStarRiseAltitude = -0.009890199094634533;

struct FixedObjectDay {
    RiseSetResult riseSet;  // begin = rise, end = set; NeverRises / NeverSets as it is
    double transit = 0.0;   // upper transit, local hours in [0, 24)
    double transitAltitude = 0.0;  // altitude at upper transit, radians (no refraction)
};

FixedObjectDay FixedObjectEvents(const SkyDate& localDate, const Observer& site,
                                 const SphericalCoord& equatorialOfDate,
                                 double standardAltitude = kStarRiseAltitude);
