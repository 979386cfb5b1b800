#pragma once

#include "astro/ephemeris/body.h"
#include "astro/math/matrix3.h"
#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"
#include "astro/sky/model.h"
#include "astro/sky/observer.h"
#include "astro/time/instant.h"
#include "astro/time/skytime.h"

#include <array>

// One body of the shown sky. Angles in radians.
struct BodyState {
    Body body = Body::Sun;
    SphericalCoord equatorial;   // geocentric RA, Dec of date (precise: apparent)
    SphericalCoord ecliptic;     // geocentric ecliptic longitude, latitude of date
    SphericalCoord topocentric;  // RA, Dec of date seen from the site (classic: geocentric)
    SphericalCoord horizontal;   // azimuth from north through east, altitude; no refraction
    double distanceAU = 0.0;     // Earth-body
    double sunDistanceAU = 0.0;  // Sun-body (0 for the Sun)
    double magnitude = 0.0;      // apparent visual magnitude
    double illuminated = 1.0;    // illuminated fraction of the disc, 0..1
    double phaseAngle = 0.0;     // Sun-body-Earth angle
    double elongation = 0.0;     // angle from the Sun seen from the Earth
    double diameterArcsec = 0.0; // apparent equatorial diameter, arcseconds
    // Heliocentric position on the J2000 ecliptic, AU (zero for the Sun): what the 3D view
    // and the ecliptic chart place.
    Vector3 heliocentricEcliptic;
};

// Everything shown for one instant, one site and one model, computed whole by
// ComputeShownSky and replaced whole when any of the three changes.
struct ShownSky {
    Model model = Model::Classic;
    Observer site;
    double heightMetres = 0.0;
    // The four time scales. Precise: the sidereal times are apparent (IAU 2006/2000A);
    // classic: mean (IAU 1982 polynomial).
    SkyTime local;
    SkyTime ut;
    SkyTime gst;
    SkyTime lst;
    Instant instant;  // UT and TT Julian dates (classic: TT is UT + Delta T, unused)
    // J2000 mean equatorial vectors (catalogues) to the equator of date the sky is drawn in:
    // classic, the precession matrix from 2000 to the date's year; precise, IAU 2006/2000A
    // precession-nutation (with frame bias).
    Matrix3 j2000ToDate;
    // Ecliptic-of-date vectors to the equator of date (classic: Schlyter's mean obliquity;
    // precise: the true obliquity).
    Matrix3 eclipticToEquatorial;
    // The Earth's heliocentric position on the J2000 ecliptic, AU, and its orbital speed
    // around the Sun, km/s.
    Vector3 earthHeliocentricEcliptic;
    double earthOrbitalSpeedKmPerS = 0.0;
    std::array<BodyState, kBodyCount> bodies{};
    // Days since the last new moon (geocentric ecliptic longitudes of Moon and Sun equal).
    double moonAgeDays = 0.0;

    const BodyState& operator[](Body b) const { return bodies[BodyIndex(b)]; }
    // Equatorial-of-date vectors to horizontal vectors (x north, y east, z zenith) for this
    // sky's local sidereal time and the site's latitude.
    Matrix3 EquatorialToHorizontal() const;
};

// The sky of a local civil time (the site's zone) at a site, whole. Non-finite inputs give
// the sky of JD 2451545.0 at the site's finite fields (never NaN out).
ShownSky ComputeShownSky(const SkyTime& local, const Observer& site, Model model,
                         double heightMetres = 0.0);
// The same for an instant given as UT and TT (tests against a reference's own Delta T).
ShownSky ComputeShownSkyAt(const Instant& instant, const Observer& site, Model model,
                           double heightMetres = 0.0);
