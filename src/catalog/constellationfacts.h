#pragma once

#include "catalog/constellationzone.h"

#include <map>
#include <string>
#include <vector>

// The Latin name of a constellation by its IAU abbreviation ("Ori" -> "Orion"); empty for an
// unknown one. The 88 names of the IAU (Delporte 1930; IAU WG Star Names list).
std::string ConstellationLatinName(const std::string& abbreviation);

// The area of every constellation of the identification zones, square degrees, keyed by the
// zones' names. The zones partition the sphere by their first-match rule (Part of the
// boundaries' definition, equinox 1875): the sky is cut into declination bands at every
// zone's lower edge and, within a band, at every zone's right-ascension edges, and each cell
// goes to the first zone that contains it. The area does not depend on the equinox.
std::map<std::string, double> ConstellationAreasDeg2(
    const std::vector<ConstellationZone>& zones);
