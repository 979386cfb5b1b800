#include "catalog/star.h"

#include <cmath>

namespace {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return r | (g << 8) | (b << 16);
}

}  // namespace

Star::Star(const SphericalCoord& pos, char spectralLetter, float visualMagnitude)
    : position(pos), spectral(spectralLetter), magnitude(visualMagnitude),
      sizeFactor(static_cast<float>(std::pow(1.4, -static_cast<double>(visualMagnitude)))),
      colour(SpectralColour(spectralLetter))
{
}

std::uint32_t Star::SpectralColour(char spectralLetter)
{
    switch (spectralLetter) {
    case 'O': return Rgb(200, 210, 255);
    case 'B': return Rgb(230, 240, 255);
    case 'F': return Rgb(230, 255, 150);
    case 'G': return Rgb(255, 255, 180);
    case 'K': return Rgb(255, 220, 180);
    case 'M': return Rgb(255, 160, 0);
    default: return Rgb(255, 255, 255);
    }
}
