#pragma once

#include "astro/ephemeris/body.h"
#include "astro/time/instant.h"

#include <string>
#include <vector>

// The almanac of phenomena: Moon phases, the 24 solar terms, lunar perigee and apogee,
// solar and lunar eclipses, and the planets' oppositions, conjunctions with the Sun,
// greatest elongations, stationary points and conjunctions in right ascension. Every event
// is an instant found by a root search (bracketing, then regula falsi or golden section)
// on the precise model (PreciseEphemeris: ERFA's Earth, Moon and planets, IAU 2006/2000A
// precession-nutation).

enum class PhenomenonKind {
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
    SolarTerm,
    Perigee,
    Apogee,
    SolarEclipse,
    LunarEclipse,
    Opposition,
    ConjunctionSun,
    GreatestElongationEast,
    GreatestElongationWest,
    Station,
    Conjunction
};

constexpr int kPhenomenonKindCount = 15;

// The JSON key of a kind: "new_moon", "first_quarter" ... "conjunction".
const char* PhenomenonKindKey(PhenomenonKind kind);
// The kind's Korean label for filters: "삭", "상현" ... "합".
const char* PhenomenonKindNameKo(PhenomenonKind kind);

enum class EclipseType { Total, Annular, Hybrid, Partial, Penumbral };

// The JSON key of an eclipse type: "total", "annular", "hybrid", "partial", "penumbral".
const char* EclipseTypeKey(EclipseType type);

// An eclipse as seen from one site. Times are UT Julian dates; 0 where a contact does
// not happen (a partial eclipse has no second and third contact).
struct LocalEclipse {
    bool visible = false;        // the Sun (Moon) above the horizon during the eclipse
    double begin = 0.0;          // solar: first contact; lunar: penumbral first contact
    double partialBegin = 0.0;   // lunar: umbral first contact
    double totalBegin = 0.0;     // solar: second contact; lunar: total phase begins
    double maximum = 0.0;        // solar: local greatest eclipse; lunar: greatest eclipse
    double totalEnd = 0.0;
    double partialEnd = 0.0;
    double end = 0.0;
    double magnitude = 0.0;      // solar: fraction of the Sun's diameter covered at maximum
    double obscuration = 0.0;    // solar: fraction of the Sun's disc covered at maximum
    double altitudeAtMaximumDeg = 0.0;  // the Sun's (Moon's) geometric altitude, degrees
    bool umbralVisible = false;  // lunar: the Moon above the horizon in the umbral phase
};

struct EclipseInfo {
    EclipseType type = EclipseType::Partial;
    // Solar: the Moon's to the Sun's apparent diameter at greatest eclipse on the central
    // line, or the fraction of the Sun's diameter covered at the point nearest the shadow
    // axis for a partial eclipse. Lunar: umbral magnitude (negative for a penumbral one).
    double magnitude = 0.0;
    double penumbralMagnitude = 0.0;  // lunar only
    // Solar: the least distance of the shadow axis from the Earth's centre in equatorial
    // radii (with the Earth's flattening); lunar: of the Moon's centre from the shadow
    // axis, in Earth radii at the Moon's distance.
    double gamma = 0.0;
    double latitudeDeg = 0.0;   // solar: where greatest eclipse is seen (geodetic)
    double longitudeDeg = 0.0;  // east positive
    LocalEclipse local;
};

// One event.
struct Phenomenon {
    PhenomenonKind kind = PhenomenonKind::NewMoon;
    Instant when;
    std::string nameKo;
    std::vector<std::string> bodies;  // BodyKey names, or a star's key ("regulus")
    // Details, each meaningful for the kinds named.
    double longitudeDeg = 0.0;   // solar term: the Sun's apparent longitude of date, degrees
    double distanceKm = 0.0;     // perigee, apogee: the Moon's geocentric distance
    double elongationDeg = 0.0;  // greatest elongation: angle from the Sun
    double separationDeg = 0.0;  // conjunction: angular distance at the conjunction in RA
    bool inferior = false;       // conjunction with the Sun: Mercury or Venus in front of it
    bool retrograde = false;     // station: true where retrograde motion begins
    EclipseInfo eclipse;         // solar and lunar eclipses
};

// An observing site for the local circumstances of eclipses.
struct PhenomenaSite {
    double longitude = 0.0;  // radians, east positive
    double latitude = 0.0;   // radians, north positive
    double heightMetres = 0.0;
};

// The Korean name of the solar term at the Sun's apparent longitude k * 15 degrees
// (k = 0: "춘분" ... k = 21: "입춘"); k taken modulo 24.
const char* SolarTermNameKo(int k);

// Korean names of the bodies ("태양", "달", "수성" ...).
const char* BodyNameKo(Body body);

// Each search covers the UT Julian dates [jdUT0, jdUT1) and returns events in time order.
std::vector<Phenomenon> FindMoonPhases(double jdUT0, double jdUT1);
std::vector<Phenomenon> FindSolarTerms(double jdUT0, double jdUT1);
std::vector<Phenomenon> FindLunarApsides(double jdUT0, double jdUT1);
std::vector<Phenomenon> FindEclipses(double jdUT0, double jdUT1, const PhenomenaSite& site);
// The same at the new and full moons of phases (found a day beyond the range: greatest
// eclipse may fall up to hours from the syzygy).
std::vector<Phenomenon> FindEclipsesAtPhases(const std::vector<Phenomenon>& phases, double jdUT0,
                                             double jdUT1, const PhenomenaSite& site);
// Oppositions, conjunctions with the Sun, greatest elongations and stations of Mercury ..
// Neptune; conjunctions in right ascension within 5 degrees between two of Mercury ..
// Saturn and between the Moon and one of them or a first-magnitude star near the ecliptic.
std::vector<Phenomenon> FindPlanetEvents(double jdUT0, double jdUT1);

// Everything above, merged in time order.
std::vector<Phenomenon> FindPhenomena(double jdUT0, double jdUT1, const PhenomenaSite& site);

// The phenomena of one civil year of a time zone (hours ahead of UT): from 1 January 0 h
// to the next 1 January 0 h local time.
std::vector<Phenomenon> FindYearPhenomena(int year, double zoneHours, const PhenomenaSite& site);

// The Sun's apparent ecliptic longitude of date (true equinox), radians in [0, 2pi), at an
// instant, from the precise model.
double SunApparentLongitude(const Instant& instant);
// The Moon's apparent ecliptic longitude minus the Sun's, of date, radians in [0, 2pi).
double MoonSunApparentElongation(const Instant& instant);
