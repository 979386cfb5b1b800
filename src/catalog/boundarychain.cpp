#include "catalog/boundarychain.h"

#include "catalog/catalogparser.h"

#include <cstring>

std::unique_ptr<BoundarySegment> BoundaryChain::AddLine(const char* line)
{
    const std::size_t length = std::strlen(line);
    const SphericalCoord corner(NumberAt(line, 0) * kHoursToRad, NumberAt(line, 9) * kDegreesToRad);
    std::string abbreviation = 19 < length ? std::string(line + 19, std::min<std::size_t>(3, length - 19))
                                           : std::string();
    std::unique_ptr<BoundarySegment> segment;
    if (abbreviation != previousAbbreviation_)
        previousAbbreviation_ = std::move(abbreviation);
    else
        segment = std::make_unique<BoundarySegment>(previousPoint_, corner);
    previousPoint_ = corner;
    return segment;
}
