#pragma once

#include "astro/ephemeris/body.h"
#include "astro/sky/model.h"
#include "astro/sky/observer.h"
#include "astro/sky/riseset.h"
#include "astro/time/skydate.h"

#include <array>

// Rising, setting, transit and twilight of one local civil day (0 h to 24 h local, the
// site's zone) in either model. Times are local hours from 0 h of that day.
//
// Precise model: the body's apparent geocentric place (ERFA, astro/ephemeris/precise.h) at
// 0, 6, 12, 18 and 24 h is interpolated (4th-order Lagrange, well below 0.01") and the
// topocentric altitude is scanned every 10 minutes over the whole day; each sign change of
// altitude minus the standard altitude is refined by bisection to 0.01 s. Standard
// altitudes: Sun and Moon, the upper limb with 34' of refraction (the Moon's radius seen
// from the site); planets -0 deg 34'; twilights -6, -12 and -18 degrees for the Sun's
// centre. A day with a setting but no rising is NoRise (beginStatus NotThisDay) and so on;
// a day without either is NeverRises / NeverSets (twilights: None) with aboveAllDay set.
// Classic model: SunEvents and MoonEvents (astro/sky/riseset.h); planets by the same scan
// on the classic geocentric places.

struct DayEvents {
    SunEventSet sun;     // twilights and sunrise/sunset
    RiseSetResult moon;  // moonrise (begin) and moonset (end)
};

// The Sun's and the Moon's events of a local date for the site in the model.
DayEvents ComputeDayEvents(const SkyDate& localDate, const Observer& site, Model model,
                           double heightMetres = 0.0);

// One body's rising (begin) and setting (end) of a local date. The Sun and the Moon as in
// ComputeDayEvents; planets at -0 deg 34'.
RiseSetResult BodyRiseSet(const SkyDate& localDate, const Observer& site, Body body, Model model,
                          double heightMetres = 0.0);

// Upper transit (local hours in [0, 24)) of a body on a local date: the instant its local
// hour angle passes 0. False when it does not transit that day (a lunar day is longer than
// a solar day).
bool BodyTransit(const SkyDate& localDate, const Observer& site, Body body, Model model,
                 double& transitHours);

// The Moon's illuminated fraction (0..1) at 0 h local of the date: classic, Moon's
// PhaseFraction (the calendar's own value); precise, (1 + cos i) / 2 with i the Sun-Moon-Earth
// angle from ERFA's Earth and Moon.
double MoonIlluminatedAtMidnight(const SkyDate& localDate, const Observer& site, Model model);

// The Moon's age in days (since the last new moon) at 0 h local of the date, in the model
// (ClassicMoonAgeDays or PreciseMoonAgeDays of astro/sky/moonphase.h).
double MoonAgeAtMidnight(const SkyDate& localDate, const Observer& site, Model model);

// The almanac's words for a result: "normal", "no_rise", "no_set", "always_up",
// "always_down". A begin or end outside [0, 24) (the classic Sun's unwrapped times) counts as
// not happening that day.
const char* RiseSetStatusKey(const RiseSetResult& result);
// Whether the begin (rise) and end (set) happen on the day, in [0, 24).
bool RiseOnDay(const RiseSetResult& result);
bool SetOnDay(const RiseSetResult& result);
