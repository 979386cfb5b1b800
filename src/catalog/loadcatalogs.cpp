#include "catalog/loadcatalogs.h"

#include "catalog/boundarychain.h"
#include "catalog/catalogchecks.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/triangulation.h"
#include "image/dibimage.h"

#include <QImageReader>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
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

std::string SkippedLinesMessage(const std::string& file, std::size_t count)
{
    return file + " 파일에서 잘못된 값이 든 줄 " + std::to_string(count) + "개를 건너뛰었습니다.";
}

std::string EmptyCatalogMessage(const std::string& file)
{
    return file + " 파일이 비어 있습니다.";
}

std::string NoDefaultSiteMessage(const std::string& file)
{
    return file + " 파일에 기본 관측지(" + std::to_string(kDefaultCityIndex + 1) +
           "번째 도시)가 없어 관측지를 경도 0°, 위도 0°로 둡니다.";
}

std::string SmallNameImageMessage(const std::string& file)
{
    return file + " 그림이 별자리 이름 " + std::to_string(kConstellationNameBands) +
           "개를 담기에 너무 작아 별자리 이름을 그리지 않습니다.";
}

bool LoadCatalogs(CatalogSet& catalogs, const std::string& moduleDir, CatalogMessageSink& sink)
{
    CatalogFile file;

    // Reads one file and hands every line with its index to parseLine, which appends what it
    // keeps to `list` and answers whether it kept the line. False when the file could not be
    // read, after reporting `message`. An empty file and skipped lines are reported once for
    // the file. The list is reserved for every line of the file before the first is parsed,
    // so it does not reallocate while it is filled; nothing appends to it after loading.
    auto load = [&](const char* relative, const char* message, auto& list, auto&& parseLine) {
        if (!file.ReadLines(JoinModulePath(moduleDir, relative))) {
            sink.Report(message);
            return false;
        }
        const std::string shownName = std::string(relative) + (file.Compressed() ? ".gz" : "");
        list.reserve(list.size() + file.LineCount());
        std::size_t skipped = 0;
        for (std::size_t i = 0; i < file.LineCount(); ++i)
            skipped += parseLine(file.Line(i), i) ? 0 : 1;
        if (file.LineCount() == 0)
            sink.Report(EmptyCatalogMessage(shownName));
        else if (skipped > 0)
            sink.Report(SkippedLinesMessage(shownName, skipped));
        file.Release();
        return true;
    };
    // The common case: parse makes the record of a line, usable decides whether it is kept.
    auto loadRecords = [&](const char* relative, const char* message, auto& list, auto&& parse,
                           auto&& usable) {
        return load(relative, message, list, [&](const char* line, std::size_t) {
            auto record = parse(line);
            if (!usable(record))
                return false;
            list.push_back(std::move(record));
            return true;
        });
    };
    auto labelInSky = [](const auto& record) { return IsSkyPosition(record.position); };

    if (!loadRecords("data/city.dat", kCityDataUnreadable, catalogs.cities, ParseCityLine, IsUsableSite))
        return false;
    if (catalogs.cities.size() <= kDefaultCityIndex)
        sink.Report(NoDefaultSiteMessage("data/city.dat"));
    if (!loadRecords("data/star.dat", kStarDataUnreadable, catalogs.stars, ParseStarLine, IsUsableStar))
        return false;
    if (!loadRecords("data/conname.dat", kConstellationNameDataUnreadable, catalogs.constellationNames,
                     ParseConstellationNameLine, labelInSky))
        return false;
    if (!loadRecords("data/starname.dat", kStarNameDataUnreadable, catalogs.starNames, ParseStarNameLine,
                     labelInSky))
        return false;
    // The figures are decoration: without them the sky is still usable.
    loadRecords("data/conline.dat", kConstellationFigureDataUnreadable, catalogs.constellationLines,
                ParseConstellationLineLine, [](const ConstellationLine& figure) {
                    return IsSkyPosition(figure.start) && IsSkyPosition(figure.end);
                });
    if (!load("data/m.dat", kMessierDataUnreadable, catalogs.messier, [&](const char* line, std::size_t i) {
            // Line i is M(i + 1) whether or not the lines before it were kept.
            const SphericalCoord position = ReadMessierLine(line);
            if (!IsSkyPosition(position))
                return false;
            catalogs.messier.emplace_back(static_cast<std::int32_t>(i + 1), position);
            return true;
        }))
        return false;
    if (!loadRecords("data/ngc.dat", kNgcDataUnreadable, catalogs.ngc, ParseNgcLine, labelInSky))
        return false;
    BoundaryChain chain;
    if (!load("data/conbound.dat", kConstellationDataUnreadable, catalogs.boundaries,
              [&](const char* line, std::size_t) {
                  bool usable = false;
                  if (std::optional<BoundarySegment> segment = chain.AddLine(line, &usable))
                      catalogs.boundaries.push_back(*segment);
                  return usable;
              }))
        return false;
    if (!loadRecords("data/conident.dat", kConstellationRegionDataUnreadable, catalogs.zones, ParseZoneLine,
                     IsUsableZone))
        return false;
    if (!loadRecords("data/milkyway.dat", kMilkyWayDataUnreadable, catalogs.milkyWay.points,
                     ParseMilkyWayLine, [](const SphericalCoord& point) { return IsSkyPosition(point); }))
        return false;

    // With fewer than 610 points there is no outline to triangulate.
    MilkyWay& milkyWay = catalogs.milkyWay;
    if (!milkyWay.BuildOutline() || !TriangulatePolygon(milkyWay.outline, milkyWay.triangles))
        sink.Report(kTriangulationFailed);

    // The sky view cuts the constellation-name image into one band per name; it reports a
    // missing or unreadable image itself when it loads it. The header tells the size; a
    // bitmap without file header, which only the own decoder reads, is decoded whole.
    const std::string namesPath = JoinModulePath(moduleDir, kConstellationNameImage);
    DibImage names;
    const QSize size = QImageReader(QString::fromStdString(namesPath), "bmp").size();
    if (size.isValid()) {
        names.width = size.width();
        names.height = size.height();
    } else {
        SilentMessageSink quiet;
        if (const std::unique_ptr<DibImage> decoded = LoadDibImage(namesPath, quiet)) {
            names.width = decoded->width;
            names.height = decoded->height;
        }
    }
    if ((names.width != 0 || names.height != 0) && !HasConstellationNameBands(names))
        sink.Report(SmallNameImageMessage(kConstellationNameImage));
    return true;
}

bool HasConstellationNameBands(const DibImage& image)
{
    return image.width > 0 && image.height >= kConstellationNameBands;
}
