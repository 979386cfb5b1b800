#pragma once

#include "astro/math/sphericalcoord.h"

#include <cstdint>
#include <string>
#include <utility>

// Kind of an NGC object; the number is what the record stores.
enum class NgcType : std::int32_t {
    Galaxy = 0,           // "Gx"
    OpenCluster = 1,      // "OC"
    GlobularCluster = 2,  // "Gb"
    PlanetaryNebula = 3,  // "Pl"
    DiffuseNebula = 4,    // any other code
};

// One line of "data/ngc.dat".
class NgcObject {
public:
    NgcObject() = default;
    NgcObject(std::string objectName, NgcType objectType, const SphericalCoord& pos)
        : name(std::move(objectName)), type(objectType), position(pos) {}

    // The type of a two-byte code, compared exactly (case included).
    static NgcType TypeFromCode(const std::string& code);

    std::string name;
    NgcType type = NgcType::DiffuseNebula;
    SphericalCoord position;  // RA, Dec, radians
};
