#pragma once

#include "astro/time/hours.h"
#include "astro/sky/observer.h"
#include "astro/time/skydate.h"

// Whether a body crosses an altitude threshold on a local day.
enum class RiseSetStatus {
    Normal,      // it crosses the threshold: begin and end are set (see the event statuses)
    None,        // twilight only: the Sun stays above or below the altitude all day
    NeverRises,  // it stays below the threshold all day
    NeverSets    // it stays above the threshold all day
};

// Whether one event (a rise or a set) of a Normal result happens on that local day.
enum class EventStatus {
    Occurs,      // its time is in [0, 24) local hours (the Sun's may lie outside, see below)
    NotThisDay   // the Moon: the event falls on the day before or after, none this day
};

// One event pair of a local day. Times are local civil hours from 0h of that day.
struct RiseSetResult {
    RiseSetStatus status = RiseSetStatus::None;
    double begin = 0.0;  // rise, or start of the morning twilight, local hours
    double end = 0.0;    // set, or end of the evening twilight, local hours
    EventStatus beginStatus = EventStatus::Occurs;
    EventStatus endStatus = EventStatus::Occurs;
    // None, NeverSets or NeverRises: true when the body stays above the altitude all day.
    bool aboveAllDay = false;

    bool HasBegin() const
    {
        return status == RiseSetStatus::Normal && beginStatus == EventStatus::Occurs;
    }
    bool HasEnd() const
    {
        return status == RiseSetStatus::Normal && endStatus == EventStatus::Occurs;
    }
};

// The Sun's events of one local day, in the order of their altitude thresholds.
struct SunEventSet {
    RiseSetResult astronomical;  // -18 degrees: None when not crossed
    RiseSetResult nautical;      // -12 degrees: None when not crossed
    RiseSetResult civil;         // -6 degrees: None when not crossed
    RiseSetResult riseSet;       // -0.833 degrees: NeverRises or NeverSets when not crossed
};

// Altitude thresholds of the Sun's centre, radians.
constexpr double kAstronomicalTwilightAltitude = -0.3141592653589793;  // -18 degrees
constexpr double kNauticalTwilightAltitude = -0.20943951023931956;     // -12 degrees
constexpr double kCivilTwilightAltitude = -0.10471975511965978;        // -6 degrees
constexpr double kSunriseAltitude = -0.014538592669112765;             // -0.833 degrees

// Twilights, sunrise and sunset of a local civil date (0h local as a Julian date, or the
// calendar date) for the observer: the Sun's mean position of the day (ecliptic of date to
// equatorial), its transit from LSTToLocal and the semi-diurnal arc
// cos H0 = (sin h0 - sin phi sin dec) / (cos phi cos dec) (Meeus ch. 15, one evaluation).
// Local hours, not wrapped: a begin before midnight is negative, an end after it past 24.
SunEventSet SunEvents(const SkyDate& localDate, const Observer& observer);
SunEventSet SunEvents(int year, int month, int day, const Observer& observer);

// Moonrise (begin) and moonset (end) of a local civil date, local hours in [0, 24) from
// 0h of that day (rise may be later than set). Each event is found separately by the same
// hour-angle formula evaluated with the Moon at the event (iterated), the threshold being
// the Moon's standard altitude h0 = 0.7275 parallax - 0.5667 degrees (Meeus ch. 15).
// An event that falls outside the day is NotThisDay.
RiseSetResult MoonEvents(const SkyDate& localDate, const Observer& observer);
RiseSetResult MoonEvents(int year, int month, int day, const Observer& observer);
