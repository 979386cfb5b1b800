#pragma once

#include <array>
#include <cstdint>

// A display colour: red in the lowest byte, green next, blue third (as handed to OpenGL).
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue)
{
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr int ColourRed(Colour c) { return int(c & 0xff); }
constexpr int ColourGreen(Colour c) { return int((c >> 8) & 0xff); }
constexpr int ColourBlue(Colour c) { return int((c >> 16) & 0xff); }
// The colour additive blending makes of b drawn over a: each component summed, at most 255.
constexpr Colour AddColours(Colour a, Colour b)
{
    auto sum = [](int x, int y) { return x + y > 255 ? 255 : x + y; };
    return MakeColour(sum(ColourRed(a), ColourRed(b)), sum(ColourGreen(a), ColourGreen(b)),
                      sum(ColourBlue(a), ColourBlue(b)));
}

// The display colour table the application owns; views read it by reference.
struct DisplayColors {
    Colour sun = MakeColour(202, 37, 0);
    Colour moon = MakeColour(230, 230, 230);
    // Indexed by planet index, Mercury first.
    std::array<Colour, 9> planets = {
        MakeColour(186, 186, 186), MakeColour(240, 209, 159), MakeColour(100, 100, 255),
        MakeColour(190, 138, 114), MakeColour(149, 130, 102), MakeColour(219, 169, 79),
        MakeColour(138, 200, 240), MakeColour(63, 124, 194),  MakeColour(132, 132, 132),
    };
    Colour skyBackground = MakeColour(0, 0, 0);
    std::array<Colour, 4> grids = {MakeColour(44, 44, 44), MakeColour(44, 44, 44),
                                   MakeColour(44, 44, 44), MakeColour(44, 44, 44)};
    Colour figures = MakeColour(0, 227, 0);
    Colour boundaries = MakeColour(231, 0, 0);
    Colour milkyWay = MakeColour(0, 0, 82);
    Colour points = MakeColour(132, 187, 255);
    Colour lines = MakeColour(255, 138, 0);
    Colour starNames = MakeColour(255, 219, 57);
    Colour messier = MakeColour(187, 219, 57);
};
