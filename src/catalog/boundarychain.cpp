#include "catalog/boundarychain.h"

#include "catalog/catalogchecks.h"
#include "catalog/catalogparser.h"

#include <cstring>

std::optional<BoundarySegment> BoundaryChain::AddLine(const char* line, bool* usable)
{
    const std::size_t length = std::strlen(line);
    const SphericalCoord corner(NumberAt(line, 0) * kHoursToRad, NumberAt(line, 9) * kDegreesToRad);
    const bool inSky = IsSkyPosition(corner);
    if (usable)
        *usable = inSky;
    if (!inSky) {
        chainBroken_ = true;
        return std::nullopt;
    }
    std::string abbreviation = 19 < length ? std::string(line + 19, std::min<std::size_t>(3, length - 19))
                                           : std::string();
    std::optional<BoundarySegment> segment;
    if (chainBroken_ || abbreviation != previousAbbreviation_)
        previousAbbreviation_ = std::move(abbreviation);
    else
        segment.emplace(previousPoint_, corner);
    previousPoint_ = corner;
    chainBroken_ = false;
    return segment;
}
