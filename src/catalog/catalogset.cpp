#include "catalog/catalogset.h"

void CatalogSet::Clear()
{
    stars.clear();
    messier.clear();
    starNames.clear();
    constellationNames.clear();
    constellationLines.clear();
    boundaries.clear();
    cities.clear();
    zones.clear();
    ngc.clear();
    milkyWay = MilkyWay();
}
