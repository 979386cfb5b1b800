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

// Every catalog list, each in file order, filled once by LoadCatalogs (each list reserved for
// its file's lines first) and read-only afterwards, so records do not move. Readers that keep
// something across calls keep positions, not pointers: labels and their atlas slots go by
// list index, picks by the search index's own numbering (it holds copies), the location
// dialog by city-list position. A new start-up builds a new set after its readers are gone.
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
