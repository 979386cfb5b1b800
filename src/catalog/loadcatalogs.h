#pragma once

#include "catalog/catalogset.h"
#include "image/messagesink.h"

#include <QFont>
#include <cstdint>
#include <string>

// The loader's messages go to the same kind of sink as the bitmap loader's.
using CatalogMessageSink = MessageSink;

// Colours of the catalog labels (red in the lowest byte), drawn on black.
constexpr std::uint32_t kStarNameLabelColour = 255 | (219 << 8) | (57 << 16);
constexpr std::uint32_t kMessierLabelColour = 187 | (219 << 8) | (57 << 16);

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

// moduleDir followed by a relative path ("data/star.dat"), with one '/' between them.
std::string JoinModulePath(const std::string& moduleDir, const std::string& relative);

// Reads the ten catalog files under moduleDir/data in the fixed order (cities, stars,
// constellation names, star names, figures, Messier, NGC, boundaries, zones, Milky Way),
// appending to the lists of `catalogs`, renders the star-name and Messier labels, and builds
// and triangulates the Milky Way outline. An unreadable file is reported to the sink (which
// returns once the user has seen it); an unreadable figure file is skipped, any other stops
// the load with false, leaving the later lists empty. A failed triangulation is reported and
// the load still succeeds. Safe to run on a worker thread; the fonts are taken by value.
bool LoadCatalogs(CatalogSet& catalogs, const std::string& moduleDir, CatalogMessageSink& sink,
                  QFont labelFont, QFont messierFont,
                  std::uint32_t starNameColour = kStarNameLabelColour,
                  std::uint32_t messierColour = kMessierLabelColour);
