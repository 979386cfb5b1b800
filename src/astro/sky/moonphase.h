#pragma once

#include "astro/time/instant.h"
#include "astro/time/skytime.h"

constexpr double kSynodicMonthDays = 29.530588853;  // mean synodic month, days (Meeus ch. 49)

// Classic model: geocentric ecliptic longitude of the Moon minus that of the Sun, radians in
// [0, 2pi), from the Keplerian Sun and Moon at the UT instant ut.
double ClassicElongationLongitude(const SkyTime& ut);
// Classic model: days since the new moon before ut (the longitude elongation stepped back
// at the mean synodic rate until it is zero to 1e-7 rad); never negative.
double ClassicMoonAgeDays(const SkyTime& ut);
// Precise model: days since the new moon before the instant, from
// MoonSunElongationLongitude (astro/ephemeris/precise.h), to about a second.
double PreciseMoonAgeDays(const Instant& instant);
