#pragma once

#include <string>
#include <vector>

#include "astro/math/vector3.h"
#include "render/displaycolors.h"

// One body on the ecliptic chart: its dot's centre in client pixels, colour and label.
struct EclipticMark {
    std::string label;
    Colour colour = 0;
    int x = 0;
    int y = 0;
};

// Geometry of the chart of the bodies along the ecliptic: the client rectangle shrunk by
// 10 pixels, longitude 0 to 2pi from its left to its right edge, latitude from the centre
// line, positive downward, scaled by the chart's width.
class EclipticChart {
public:
    static constexpr int kInset = 10;                            // pixels on every side
    static constexpr double kMaxLatitudeRad = 0.5235987755982988;  // pi/6: not drawn from here
    static constexpr double kLatitudeScale = 0.954929658551372;    // 3/pi, per unit of width

    EclipticChart(int clientWidth, int clientHeight);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    int Width() const { return right_ - left_; }
    // Row of the ecliptic line: (top + bottom) / 2 in integer arithmetic.
    int CentreY() const { return (top_ + bottom_) / 2; }

    // Pixel of a geocentric ecliptic vector (any length), false when its latitude is 30
    // degrees or more from the ecliptic and the body is left out.
    bool Place(const Vector3& geocentric, int& x, int& y) const;

    // Appends a mark for the body unless Place leaves it out.
    void Add(std::vector<EclipticMark>& marks, const char* label, Colour colour,
             const Vector3& geocentric) const;

private:
    int left_;
    int top_;
    int right_;
    int bottom_;
};
