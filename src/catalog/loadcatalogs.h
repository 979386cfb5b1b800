#pragma once

#include "catalog/catalogset.h"
#include "image/messagesink.h"

struct DibImage;

#include <cstddef>
#include <cstdint>
#include <string>

// The loader's messages go to the same kind of sink as the bitmap loader's.
using CatalogMessageSink = MessageSink;

// Messages of the loader (UTF-8).
extern const char* const kCityDataUnreadable;
extern const char* const kStarDataUnreadable;
extern const char* const kConstellationNameDataUnreadable;
extern const char* const kStarNameDataUnreadable;
extern const char* const kConstellationFigureDataUnreadable;
extern const char* const kMessierDataUnreadable;
extern const char* const kNgcDataUnreadable;
extern const char* const kConstellationDataUnreadable;
extern const char* const kConstellationRegionDataUnreadable;
extern const char* const kMilkyWayDataUnreadable;
extern const char* const kTriangulationFailed;

// Entry of the city list that start-up takes as the site (the 36th line).
constexpr std::size_t kDefaultCityIndex = 35;
// The constellation-name image holds one band per name, the first name in the top band.
constexpr std::int32_t kConstellationNameBands = 88;
constexpr const char* kConstellationNameImage = "images/connames.bmp";

// Messages about a catalog that was read but is not whole (UTF-8). `file` is the name as
// given to the loader ("data/star.dat", or "data/star.dat.gz" when that was read).
std::string SkippedLinesMessage(const std::string& file, std::size_t count);
std::string EmptyCatalogMessage(const std::string& file);
std::string NoDefaultSiteMessage(const std::string& file);
std::string SmallNameImageMessage(const std::string& file);

// Whether the constellation-name image has a band of at least one row for every name.
bool HasConstellationNameBands(const DibImage& image);

// moduleDir followed by a relative path ("data/star.dat"), with one '/' between them.
std::string JoinModulePath(const std::string& moduleDir, const std::string& relative);

// Reads the ten catalog files under moduleDir/data in the fixed order (cities, stars,
// constellation names, star names, figures, Messier, NGC, boundaries, zones, Milky Way),
// appending to the lists of `catalogs`, and builds and triangulates the Milky Way outline. An unreadable file is reported to the sink (which
// returns once the user has seen it); an unreadable figure file is skipped, any other stops
// the load with false, leaving the later lists empty. A failed triangulation is reported and
// the load still succeeds. Safe to run on a worker thread. Labels are not made here: the
// rendering side makes them from the loaded names (render/cataloglabels.h).
// Lines whose numbers are not finite or lie outside their physical range (catalogchecks.h)
// are skipped; each file with skipped lines is
// reported once with their count, and so is an empty file, a city list without the default
// site's line and a constellation-name image smaller than its bands. Loading then goes on.
bool LoadCatalogs(CatalogSet& catalogs, const std::string& moduleDir, CatalogMessageSink& sink);
