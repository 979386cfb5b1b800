#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/time/skytime.h"

// Frame conversions of sky directions (all angles radians). Each builds its result from a
// unit vector with SphericalCoord::FromUnitXYZ, so lon lies in [0, 2pi).

// Mean obliquity of the ecliptic for a UT instant, radians:
// (23.4393 - 3.563e-7 d) * pi/180, d = JD(t) - 2451543.5 (Schlyter's low-precision formula).
double Obliquity(const SkyTime& t);

// Equatorial (RA, Dec) to ecliptic-of-date (longitude, latitude) for the instant t.
SphericalCoord EquatorialToEcliptic(const SphericalCoord& p, const SkyTime& t);

// Ecliptic-of-date (longitude, latitude) to equatorial (RA, Dec) for the instant t.
SphericalCoord EclipticToEquatorial(const SphericalCoord& p, const SkyTime& t);

// Equatorial (RA, Dec) to horizontal (azimuth from north through east, altitude) for a
// local sidereal time (lst.hours * pi/12) and latitude (radians, north positive).
SphericalCoord EquatorialToHorizontal(const SphericalCoord& p, const SkyTime& lst,
                                      double latitude);

// Horizontal (azimuth, altitude) back to equatorial (RA, Dec); the exact inverse of
// EquatorialToHorizontal.
SphericalCoord HorizontalToEquatorial(const SphericalCoord& p, const SkyTime& lst,
                                      double latitude);

// B1950 equatorial (RA, Dec) to galactic (l, b) with GalacticMatrix().
SphericalCoord EquatorialToGalactic(const SphericalCoord& p);

// Equatorial position of epoch fromYear precessed to epoch toYear with PrecessionMatrix.
SphericalCoord Precess(const SphericalCoord& p, double fromYear, double toYear);
