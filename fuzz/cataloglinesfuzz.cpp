#include "fuzz/cataloglinesfuzz.h"

#include "catalog/boundarychain.h"
#include "catalog/catalogchecks.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/constellationlookup.h"
#include "catalog/milkyway.h"
#include "catalog/triangulation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Triangulation is cubic in the outline size; larger inputs add time, not coverage.
constexpr std::size_t kMaxOutline = 48;

}  // namespace

std::size_t FuzzCatalogLines(const std::uint8_t* data, std::size_t size)
{
    CatalogFile file;
    file.Assign(reinterpret_cast<const char*>(data), size);

    BoundaryChain chain;
    std::vector<ConstellationZone> zones;
    std::vector<SphericalCoord> points;
    for (std::size_t i = 0; i < file.LineCount(); ++i) {
        const char* line = file.Line(i);
        const std::size_t length = std::strlen(line);
        IsUsableStar(ParseStarLine(line));
        const StarNameFields starName = ReadStarNameLine(line);
        if (starName.name.size() != std::min(length > 13 ? length - 13 : 0, kMaxNameBytes))
            std::abort();
        IsSkyPosition(starName.position);
        if (ParseConstellationNameLine(line).name.size() > kMaxNameBytes)
            std::abort();
        ParseConstellationLineLine(line);
        bool usable = false;
        chain.AddLine(line, &usable);
        zones.push_back(ParseZoneLine(line));
        if (zones.back().name.size() > kMaxNameBytes)
            std::abort();
        IsUsableZone(zones.back());
        ReadMessierLine(line);
        if (ParseNgcLine(line).name.size() > kMaxNameBytes)
            std::abort();
        points.push_back(ParseMilkyWayLine(line));
        const Observer city = ParseCityLine(line);
        if (city.region.size() > kMaxNameBytes || city.name.size() > kMaxNameBytes)
            std::abort();
        IsUsableSite(city);
    }

    for (const SphericalCoord& p : points)
        FindConstellationAt(zones, p);
    if (points.size() > kMaxOutline)
        points.resize(kMaxOutline);
    std::vector<SphericalCoord> triangles;
    const bool whole = TriangulatePolygon(points, triangles);
    if (triangles.size() % 3 != 0 || (whole && triangles.size() != 3 * (points.size() - 2)))
        std::abort();
    return file.LineCount();
}
