#pragma once

#include "planetarium/displaycolors.h"

#include <string>

class CatalogSet;
class MessageSink;
class Moon;
class Observer;
class Planet;
class QFont;
class SkyTime;
class Sun;

// Everything a sky view reads from the application, by reference: the shown instant, the
// site, the bodies computed for that instant, the catalogs, the colours and the fonts.
// The application fills one from its own members; tests build one around a state of their
// own. Views keep a copy of the scene, so the scene value itself may be a temporary; the
// objects it refers to must outlive every view built on it.
struct SkyScene {
    const SkyTime& localTime;  // shown local civil time
    const SkyTime& ut;         // shown Universal Time
    const SkyTime& lst;        // shown local sidereal time (only its hours are used)
    const Observer& observer;
    const Sun& sun;
    const Moon& moon;
    const Planet* planets;  // nine planets, Mercury (index 0) to Pluto (index 8)
    const CatalogSet& catalogs;
    const DisplayColors& colours;
    const QFont& labelFont;    // Arial, 14-pixel cell: body and reference-point labels
    const QFont& messierFont;  // Arial, 12-pixel cell: the Messier labels of the catalog
    // Directory holding images/ ("images/Star.bmp", "images/connames.bmp", the NGC symbols);
    // empty means the directory of the running executable.
    std::string moduleDirectory = {};
    // Where failures to load those images are reported; null drops the reports.
    MessageSink* messages = nullptr;
};
