#include "catalog/starname.h"

#include <utility>

StarName::StarName(std::string starName, const SphericalCoord& pos)
    : position(pos), name(std::move(starName))
{
}
