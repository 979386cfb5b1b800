#pragma once

#include "astro/time/skytime.h"

// Conversions between the four time scales. No Delta-T is applied: UT is the time argument
// of every ephemeris. Longitudes in radians, east positive; time-zone offsets in hours
// ahead of UT; where a conversion takes both, the zone comes before the longitude. Sidereal
// results always have hours in [0, 24).

// UT of a local civil time: SkyTime(JD(local) - z / 24).
SkyTime LocalToUT(const SkyTime& local, double timeZoneHours);

// Local civil time of a UT: SkyTime(ut.date.jd + (ut.hours + z) / 24).
SkyTime UTToLocal(const SkyTime& ut, double timeZoneHours);

// Greenwich mean sidereal time (hours in [0, 24)) of a UT, on the same date.
// theta0 = 6.697374558 + 2400.051336 T + 0.000025862 T^2 h, T in centuries of 0h UT from
// J2000; theta = theta0 + 1.00273790935 * UT hours (the classic IAU 1982 polynomial).
SkyTime UTToGST(const SkyTime& ut);

// UT on the civil date of gst at which the Greenwich sidereal time equals gst.hours
// (inverse of UTToGST, sidereal hours times 0.9972695663).
SkyTime GSTToUT(const SkyTime& gst);

// Local sidereal time from GST: SkyTime(JD(gst) + longitude / 2pi).
SkyTime GSTToLST(const SkyTime& gst, double longitude);

// Greenwich sidereal time from LST: SkyTime(JD(lst) - longitude / 2pi).
SkyTime LSTToGST(const SkyTime& lst, double longitude);

// Local sidereal time of a UT: GSTToLST(UTToGST(ut), longitude).
SkyTime UTToLST(const SkyTime& ut, double longitude);

// Local sidereal time of a local civil time: UTToLST(LocalToUT(local, z), longitude).
SkyTime LocalToLST(const SkyTime& local, double timeZoneHours, double longitude);

// Inverse of LocalToLST, with its arguments in the same order: the local civil time, on the
// civil date carried by lst (its `date`, taken as a local date), at which the local sidereal
// time equals lst.hours; hours of the result in [0, 24). When that sidereal time occurs
// twice that day, the earlier instant.
SkyTime LSTToLocal(const SkyTime& lst, double timeZoneHours, double longitude);

// The computer's clock in UTC, and in the operating system's local zone, to whole seconds.
SkyTime NowUT();
SkyTime NowLocal();
