#pragma once

#include "astro/ephemeris/body.h"
#include "astro/math/matrix3.h"
#include "astro/math/vector3.h"
#include "astro/time/instant.h"

// The precise model: the Earth from eraEpv00 (VSOP87 fit), the Moon from eraMoon98
// (ELP2000-82B, Meeus' truncation), Mercury-Neptune from eraPlan94 (Simon et al. 1994),
// Pluto on the classic Keplerian elements; precession-nutation IAU 2006/2000A
// (eraPnm06a) and Greenwich apparent sidereal time (eraGst06). All from ERFA.
//
// One PreciseEphemeris holds what every body of one instant shares (the Earth's state, the
// precession-nutation matrix, the sidereal time), so a whole sky costs one evaluation of
// each series.

// A body as seen from the Earth's centre at one instant.
struct GeocentricPlace {
    // Apparent direction times the light-time distance: true equator and equinox of date,
    // AU. Light time and annual aberration applied (the Moon: light time; it is already in
    // the geocentric frame).
    Vector3 apparent;
    // Heliocentric position at the time the light left, mean equator and equinox J2000
    // (ICRS axes), AU. Zero for the Sun.
    Vector3 heliocentric;
    // Distance Earth-body (light-time corrected), AU.
    double distanceAU = 0.0;
    // Distance Sun-body, AU (0 for the Sun), and Sun-Earth, AU.
    double sunDistanceAU = 0.0;
    double earthSunAU = 0.0;
};

class PreciseEphemeris {
public:
    explicit PreciseEphemeris(const Instant& instant);
    // The same, reusing the precession-nutation matrix and obliquity of `frame`, computed
    // for an instant at most a day away: they move by less than 0.3" a day, and the
    // nutation series is the costly part of an instant.
    PreciseEphemeris(const Instant& instant, const PreciseEphemeris& frame);

    const Instant& When() const { return instant_; }
    // ICRS (J2000 mean equator and equinox, to 0.02") to true equator and equinox of date.
    const Matrix3& IcrsToTrueOfDate() const { return npb_; }
    // True obliquity of the ecliptic of date (IAU 2006 mean plus nutation), radians.
    double TrueObliquity() const { return trueObliquity_; }
    // Greenwich apparent sidereal time, radians in [0, 2pi).
    double ApparentSiderealTime() const { return gast_; }
    // The Earth's heliocentric position, ICRS axes, AU, and velocity, AU/day.
    Vector3 EarthHeliocentric() const { return earthHelio_; }
    Vector3 EarthHeliocentricVelocity() const { return earthHelioVelocity_; }
    // The Earth's barycentric position (AU) and velocity (AU/day), ICRS axes (eraEpv00).
    Vector3 EarthBarycentric() const { return earthBaryPosition_; }
    Vector3 EarthBarycentricVelocity() const { return earthBaryVelocity_; }

    // The body's place; see GeocentricPlace.
    GeocentricPlace Place(Body body) const;

private:
    void ComputeEarth();

    Instant instant_;
    Matrix3 npb_;
    double trueObliquity_ = 0.0;
    double gast_ = 0.0;
    Vector3 earthHelio_;
    Vector3 earthHelioVelocity_;  // AU/day
    Vector3 earthBaryVelocity_;  // AU/day
    Vector3 earthBaryPosition_;  // AU
};

// Heliocentric position of a planet (Mercury .. Pluto) at TT jdTT, ICRS axes, AU: eraPlan94
// for Mercury-Neptune, the classic Keplerian elements for Pluto.
Vector3 PreciseHeliocentric(Body planet, double jdTT);

// ICRS (J2000 equatorial) vector to the J2000 mean ecliptic (obliquity 84381.406").
Vector3 IcrsToEclipticJ2000(const Vector3& v);
Vector3 EclipticJ2000ToIcrs(const Vector3& v);

// Geocentric apparent ecliptic longitude of the Moon minus that of the Sun, radians in
// [0, 2pi), at TT jdTT: light-time-free positions on the J2000 ecliptic with the Sun's
// constant aberration (-20.496"); precession and nutation cancel in the difference (to
// about 0.1"). Cheap enough to search phases with.
double MoonSunElongationLongitude(double jdTT);

// The Moon's illuminated fraction (1 + cos i) / 2, i the Sun-Moon-Earth angle, at TT jdTT
// from eraMoon98 and eraEpv00 (geometric; the frame does not matter).
double PreciseMoonIlluminated(double jdTT);

// The Moon's geometric geocentric longitude on the J2000 ecliptic at TT jdTT, radians
// (eraMoon98).
double MoonLongitudeJ2000(double jdTT);

// The constant of aberration: the Sun appears this much behind its geometric longitude.
constexpr double kSunAberrationRadians = -20.49552 * 4.848136811095278e-06;

// Position of a site on the Earth (geodetic longitude and latitude in radians, height in
// metres above the WGS84 ellipsoid) in the true equator and equinox of date, for the
// Greenwich apparent sidereal time gast (radians), AU. Polar motion neglected.
Vector3 SitePositionTrueOfDate(double longitude, double latitude, double heightMetres,
                               double gast);
