#include "catalog/starname.h"

#include <utility>

StarName::StarName(std::string starName, const SphericalCoord& pos, const LabelStyle& style)
    : label(starName, style.font, style.textColour, style.backgroundColour), position(pos),
      name(std::move(starName))
{
}
