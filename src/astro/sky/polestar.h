#pragma once

#include "astro/time/instant.h"

#include <array>

class PreciseEphemeris;

// The pole stars a polar scope is aligned on: Polaris for northern sites, sigma Octantis
// and its trapezium neighbours for southern ones.
enum class PoleStarId { Polaris, SigmaOctantis, ChiOctantis, TauOctantis };

// A star's catalogue entry: ICRS position at epoch J2000.0 and its space motion.
struct CatalogueStar {
    PoleStarId id;
    const char* key;           // "polaris", "sigma_octantis", ...
    const char* name;          // Korean name shown in the window
    int hip;                   // Hipparcos number
    double raDeg;              // ICRS right ascension, epoch J2000.0, degrees
    double decDeg;             // ICRS declination, epoch J2000.0, degrees
    double pmRaCosDecMasYr;    // proper motion in RA times cos(Dec), mas/year
    double pmDecMasYr;         // proper motion in Dec, mas/year
    double parallaxMas;        // mas
    double radialVelocityKms;  // km/s, receding positive
};

const CatalogueStar& PoleStarCatalogue(PoleStarId id);
// The southern trapezium's neighbours of sigma Octantis drawn beside it (its fourth corner,
// upsilon Octantis, is not in the table yet).
constexpr std::array<PoleStarId, 2> kOctansNeighbours = {PoleStarId::ChiOctantis,
                                                         PoleStarId::TauOctantis};

// Apparent geocentric place of a catalogue star: right ascension and declination of the
// true equator and equinox of date, radians. Space motion from J2000.0 to the ephemeris'
// TT (eraPmsafe), annual parallax, annual aberration (first order in v/c, about 2 mas),
// then IAU 2006/2000A precession-nutation. The Sun's light deflection (below 10 mas this far
// from the ecliptic) is left out.
struct ApparentStar {
    double ra = 0.0;   // [0, 2pi)
    double dec = 0.0;  // [-pi/2, pi/2]
};
ApparentStar StarApparentPlace(const CatalogueStar& star, const PreciseEphemeris& sky);

// Local apparent hour angle of a right ascension of date for a Greenwich apparent sidereal
// time and an east longitude, radians in [0, 2pi) (west of the meridian positive).
double LocalHourAngle(double gast, double longitude, double ra);

// The pole star of a site at one instant. Angles in radians.
struct PoleStarPlace {
    PoleStarId star = PoleStarId::Polaris;
    bool south = false;         // the site's latitude is negative: sigma Octantis
    ApparentStar apparent;      // true equator and equinox of date
    double hourAngle = 0.0;     // [0, 2pi)
    double poleDistance = 0.0;  // from the elevated celestial pole
    double nextUpperTransitJdUT = 0.0;  // next crossing of the meridian above the pole
};

// The site's pole star (latitude >= 0: Polaris, else sigma Octantis) at instant; longitude
// east and latitude north in radians. The next upper transit: the hour angle still to run at
// the sidereal rate, refined twice with the star's place at the estimate.
PoleStarPlace ComputePoleStar(const Instant& instant, double longitude, double latitude);
// The same for any catalogue star of one ephemeris (the trapezium's neighbours share the
// pole star's); the pole distance is counted from the pole of the star's own hemisphere.
PoleStarPlace ComputeStarPlace(PoleStarId id, const PreciseEphemeris& sky, double longitude);
// The star a site aligns on: Polaris for latitude >= 0, sigma Octantis below.
PoleStarId PoleStarOfLatitude(double latitude);

// Distance of a star from the celestial pole of its hemisphere at 0h UT of 1 January of
// year (the reticle's epoch circles), radians.
double PoleDistanceAtYear(PoleStarId id, int year);

// Atmospheric refraction of an object at true (airless) altitude h, radians, for 10 degC
// and 1010 hPa: Saemundsson's formula (Sky & Telescope 72, 70, 1986),
// R = 1.02' / tan(h + 10.3 deg / (h + 5.11 deg)), h in degrees. The pole's refraction at a
// site is this at |latitude|. Returns 0 below -1 degree.
double RefractionOfTrueAltitude(double altitude);

// Clock position (hours in [0, 12), 0 = "12 o'clock" at the top) at which the pole star
// stands around the pole in a polar scope's field: facing the elevated pole, an upright view
// shows the northern sky turning counter-clockwise and the southern clockwise; an inverting
// scope rotates the field by half a turn.
double ClockPosition(double hourAngle, bool south, bool inverted);
