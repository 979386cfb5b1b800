#pragma once

#include <QFont>
#include <cstdint>

// The font and colours a catalog label is rendered with. Colours hold red in the lowest byte,
// green next, blue third.
struct LabelStyle {
    QFont font;
    std::uint32_t textColour = 0xffffff;
    std::uint32_t backgroundColour = 0;
};
