#pragma once

#include "astro/sky/observer.h"
#include "catalog/boundarysegment.h"
#include "catalog/constellationline.h"
#include "catalog/constellationname.h"
#include "catalog/constellationzone.h"
#include "catalog/messierobject.h"
#include "catalog/milkyway.h"
#include "catalog/ngcobject.h"
#include "catalog/star.h"
#include "catalog/starname.h"

#include <vector>

// A catalog list: the records themselves, contiguous, in file order.
template <typename T>
using CatalogList = std::vector<T>;

// Every catalog list, each in file order. Filled once by LoadCatalogs and read-only
// afterwards: the loader reserves each list for its file's lines before filling it, and
// nothing appends to a list once loading is over, so pointers and references to records stay
// valid for the life of the set (the record lists are never reloaded in place; Clear and a
// move of the whole set are the only changes, and nothing holds a record across them).
class CatalogSet {
public:
    CatalogSet() = default;
    CatalogSet(const CatalogSet&) = delete;
    CatalogSet& operator=(const CatalogSet&) = delete;
    CatalogSet(CatalogSet&&) = default;
    CatalogSet& operator=(CatalogSet&&) = default;

    // Empties every list.
    void Clear();

    CatalogList<Star> stars;                            // data/star.dat
    CatalogList<MessierObject> messier;                 // data/m.dat, M1 first
    CatalogList<StarName> starNames;                    // data/starname.dat
    CatalogList<ConstellationName> constellationNames;  // data/conname.dat
    CatalogList<ConstellationLine> constellationLines;  // data/conline.dat
    CatalogList<BoundarySegment> boundaries;            // data/conbound.dat
    CatalogList<Observer> cities;                       // data/city.dat
    CatalogList<ConstellationZone> zones;               // data/conident.dat
    CatalogList<NgcObject> ngc;                         // data/ngc.dat
    MilkyWay milkyWay;                                  // data/milkyway.dat
};
