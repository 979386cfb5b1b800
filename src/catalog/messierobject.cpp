#include "catalog/messierobject.h"

#include <cstdio>

std::string MessierObject::LabelText(std::int32_t messierNumber)
{
    char text[16];
    std::snprintf(text, sizeof text, "M%d", static_cast<int>(messierNumber));
    return text;
}

MessierObject::MessierObject(std::int32_t messierNumber, const SphericalCoord& pos)
    : number(messierNumber), position(pos)
{
}
