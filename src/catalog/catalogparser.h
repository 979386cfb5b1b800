#pragma once

#include "astro/math/angles.h"

#include "astro/sky/observer.h"
#include "astro/math/sphericalcoord.h"
#include "catalog/constellationline.h"
#include "catalog/constellationname.h"
#include "catalog/constellationzone.h"
#include "catalog/messierobject.h"
#include "catalog/ngcobject.h"
#include "catalog/star.h"
#include "catalog/starname.h"

#include <cstddef>
#include <string>

// Parsers of one catalog line each. Lines are NUL-terminated; a field that lies past the end
// of a short line reads as empty (numbers 0, strings empty), and nothing is read or written
// outside the line. Numbers are read like atof in the C locale. Hours convert to radians by
// pi/12, degrees by pi/180. Each parser returns the record by value, ready to be moved into
// its catalog list.

constexpr double kDegreesToRad = 0.017453292519943295;
// Every text field of a catalog (names of stars, constellations, zones, NGC objects,
// regions and cities) holds at most this many bytes; the rest of a longer field is dropped.
constexpr std::size_t kMaxNameBytes = 127;

// atof of the text from `offset` on, 0 when the line is shorter; C locale whatever the
// process locale.
double NumberAt(const char* line, std::size_t offset);
// atof of the C-locale number at the start of text.
double ReadNumber(const char* text);

// data/star.dat: RA (rad) at 0, Dec (rad) at 14, spectral byte at 28, magnitude at 30.
Star ParseStarLine(const char* line);

// data/starname.dat: hhmmss, sign, ddmmss, name from offset 13 to the end (at most
// kMaxNameBytes bytes).
struct StarNameFields {
    SphericalCoord position;
    std::string name;
};
StarNameFields ReadStarNameLine(const char* line);
StarName ParseStarNameLine(const char* line);

// data/conname.dat: skipped, name, label RA (hours), label Dec (degrees), tab-separated.
ConstellationName ParseConstellationNameLine(const char* line);

// data/conline.dat: four 12-character fields of radians (start RA, Dec, end RA, Dec).
ConstellationLine ParseConstellationLineLine(const char* line);

// data/conident.dat: raLow (hours) at 0, raHigh (hours) at 9, decLow (degrees) at 17, name
// from offset 26 to the end.
ConstellationZone ParseZoneLine(const char* line);

// data/m.dat: RA (rad) at 0, Dec (rad) at 14; `number` is the line index + 1.
SphericalCoord ReadMessierLine(const char* line);
MessierObject ParseMessierLine(const char* line, std::int32_t number);

// data/ngc.dat: RA (rad) at 0, Dec (rad) at 14, type code at 28-29, name from offset 31.
NgcObject ParseNgcLine(const char* line);

// data/milkyway.dat: RA (hours), a tab, Dec (degrees).
SphericalCoord ParseMilkyWayLine(const char* line);

// data/city.dat: region, city, longitude (degrees, east positive), latitude (degrees),
// time-zone offset (hours, the fixed offset), and optionally the IANA zone name, tab-separated.
// Lines without the sixth field keep an empty zone name.
Observer ParseCityLine(const char* line);
