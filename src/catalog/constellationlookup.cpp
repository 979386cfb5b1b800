#include "catalog/constellationlookup.h"

#include "astro/sky/frames.h"

const char* FindConstellationAt1875(
    const std::vector<ConstellationZone>& zones, const SphericalCoord& position)
{
    for (const ConstellationZone& zone : zones) {
        if (position.lat < zone.decLow)
            continue;
        if (zone.raHigh > position.lon && !(zone.raLow > position.lon))
            return zone.name.c_str();
    }
    return nullptr;
}

const char* FindConstellationAt(const std::vector<ConstellationZone>& zones,
                                SphericalCoord position)
{
    if (zones.empty())
        return nullptr;
    return FindConstellationAt1875(zones, Precess(position, 2000.0, 1875.0));
}
