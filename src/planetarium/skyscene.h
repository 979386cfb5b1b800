#pragma once

#include "render/displaycolors.h"

#include <string>

class CatalogSet;
class DeepStarIndex;
struct CatalogLabels;
class MessageSink;
class SkyIndex;
class QFont;
struct ShownSky;

// Everything a sky view reads from the application, by reference: the shown sky (instant,
// site, model and every body, computed whole), the catalogs, the colours and the fonts.
// The application fills one from its own members; tests build one around a state of their
// own. Views keep a copy of the scene, so the scene value itself may be a temporary; the
// objects it refers to must outlive every view built on it.
struct SkyScene {
    const ShownSky& sky;
    const CatalogSet& catalogs;
    const DisplayColors& colours;
    const QFont& labelFont;    // Arial, 14-pixel cell: body and reference-point labels
    const QFont& messierFont;  // Arial, 12-pixel cell: the Messier labels of the catalog
    // Directory holding images/ ("images/Star.bmp", "images/connames.bmp", the NGC symbols);
    // empty means the directory of the running executable.
    std::string moduleDirectory = {};
    // Where failures to load those images are reported; null drops the reports.
    MessageSink* messages = nullptr;
    // The deep star list with its index; null or empty until it has loaded (it loads after
    // the main window shows), when the sky shows the naked-eye list alone.
    const DeepStarIndex* deepStars = nullptr;
    // The star-name and Messier label pictures, one per record of the catalogs (made once by
    // MakeCatalogLabels); null: the renderer makes them from the names with the fonts above
    // and the label colours.
    const CatalogLabels* labels = nullptr;
    // Every object by its names, for the object search and the click lookup; null turns
    // both off. Built from the same catalog files (search/skyindex.h).
    const SkyIndex* index = nullptr;
};
