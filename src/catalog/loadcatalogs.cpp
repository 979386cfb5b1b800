#include "catalog/loadcatalogs.h"

#include "catalog/boundarychain.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/triangulation.h"

#include <utility>

const char* const kCityDataUnreadable = "도시 데이터를 읽을 수 없습니다.";
const char* const kStarDataUnreadable = "별 데이터를 읽을 수 없습니다.";
const char* const kConstellationNameDataUnreadable = "별자리 이름 데이터를 읽을 수 없습니다.";
const char* const kStarNameDataUnreadable = "별 이름 데이터를 읽을 수 없습니다.";
const char* const kConstellationFigureDataUnreadable = "별자리 모양 데이터를 읽을 수 없습니다.";
const char* const kMessierDataUnreadable = "메시에 데이터를 읽을 수 없습니다.";
const char* const kNgcDataUnreadable = "NGC 데이터를 읽을 수 없습니다.";
const char* const kConstellationDataUnreadable = "별자리 데이터를 읽을 수 없습니다.";
const char* const kConstellationRegionDataUnreadable = "별자리 영역 데이터를 읽을 수 없습니다.";
const char* const kMilkyWayDataUnreadable = "은하수 데이터를 읽을 수 없습니다.";
const char* const kTriangulationFailed = "삼각화가 안됩니다.";

std::string JoinModulePath(const std::string& moduleDir, const std::string& relative)
{
    if (moduleDir.empty() || moduleDir.back() == '/')
        return moduleDir + relative;
    return moduleDir + "/" + relative;
}

bool LoadCatalogs(CatalogSet& catalogs, const std::string& moduleDir, CatalogMessageSink& sink,
                  QFont labelFont, QFont messierFont, std::uint32_t starNameColour,
                  std::uint32_t messierColour)
{
    const LabelStyle nameStyle{std::move(labelFont), starNameColour, 0};
    const LabelStyle messierStyle{std::move(messierFont), messierColour, 0};
    CatalogFile file;

    // Reads one file and hands every line with its index to parseLine; false when the
    // file could not be read, after reporting `message`.
    auto load = [&](const char* relative, const char* message, auto&& parseLine) {
        if (!file.ReadLines(JoinModulePath(moduleDir, relative))) {
            sink.Report(message);
            return false;
        }
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            parseLine(file.Line(i), i);
        file.Release();
        return true;
    };

    if (!load("data/city.dat", kCityDataUnreadable,
              [&](const char* line, std::size_t) { catalogs.cities.push_back(ParseCityLine(line)); }))
        return false;
    if (!load("data/star.dat", kStarDataUnreadable,
              [&](const char* line, std::size_t) { catalogs.stars.push_back(ParseStarLine(line)); }))
        return false;
    if (!load("data/conname.dat", kConstellationNameDataUnreadable, [&](const char* line, std::size_t) {
            catalogs.constellationNames.push_back(ParseConstellationNameLine(line));
        }))
        return false;
    if (!load("data/starname.dat", kStarNameDataUnreadable, [&](const char* line, std::size_t) {
            catalogs.starNames.push_back(ParseStarNameLine(line, nameStyle));
        }))
        return false;
    // The figures are decoration: without them the sky is still usable.
    load("data/conline.dat", kConstellationFigureDataUnreadable, [&](const char* line, std::size_t) {
        catalogs.constellationLines.push_back(ParseConstellationLineLine(line));
    });
    if (!load("data/m.dat", kMessierDataUnreadable, [&](const char* line, std::size_t i) {
            catalogs.messier.push_back(
                ParseMessierLine(line, static_cast<std::int32_t>(i + 1), messierStyle));
        }))
        return false;
    if (!load("data/ngc.dat", kNgcDataUnreadable,
              [&](const char* line, std::size_t) { catalogs.ngc.push_back(ParseNgcLine(line)); }))
        return false;
    BoundaryChain chain;
    if (!load("data/conbound.dat", kConstellationDataUnreadable, [&](const char* line, std::size_t) {
            if (std::unique_ptr<BoundarySegment> segment = chain.AddLine(line))
                catalogs.boundaries.push_back(std::move(segment));
        }))
        return false;
    if (!load("data/conident.dat", kConstellationRegionDataUnreadable,
              [&](const char* line, std::size_t) { catalogs.zones.push_back(ParseZoneLine(line)); }))
        return false;
    if (!load("data/milkyway.dat", kMilkyWayDataUnreadable, [&](const char* line, std::size_t) {
            catalogs.milkyWay.points.push_back(ParseMilkyWayLine(line));
        }))
        return false;

    // With fewer than 610 points there is no outline to triangulate.
    MilkyWay& milkyWay = catalogs.milkyWay;
    if (!milkyWay.BuildOutline() || !TriangulatePolygon(milkyWay.outline, milkyWay.triangles))
        sink.Report(kTriangulationFailed);
    return true;
}
