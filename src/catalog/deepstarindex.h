#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"
#include "image/messagesink.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One line of "data/deepstar.dat": the fields of a star.dat line and the Hipparcos number,
// with the unit vector drawing and the index test against.
struct DeepStar {
    SphericalCoord position;          // RA, Dec (J2000), radians
    float x = 0.0f, y = 0.0f, z = 0.0f;  // unit vector of position
    float magnitude = 0.0f;           // visual
    std::uint32_t colour = 0xffffff;  // Star::SpectralColour of the letter
    std::uint32_t hip = 0;            // Hipparcos catalogue number ("HIP 27989")
    char spectral = 0;
};

// Byte at which a deep-star line holds its Hipparcos number (after the star.dat fields).
constexpr std::size_t kDeepStarHipOffset = 36;
extern const char* const kDeepStarDataUnreadable;

// A deep-star line: the star.dat reader's fields and the number at kDeepStarHipOffset
// (0 when the line is shorter or holds no number there).
DeepStar ParseDeepStarLine(const char* line);

// The deep list and its index over the sphere.
//
// Zones: declination bands 2 degrees high, each cut in right ascension into cells about
// 2 degrees wide at the band's edge nearest the equator (six around each pole). That
// keeps the cells near equal in area (about 10,000 cells, some 12 stars each) without the
// bookkeeping of a HEALPix grid, a star's cell is two divisions away, and the cells a view
// touches come from two ranges: the bands its circle covers in declination and, within each,
// the right ascensions within asin(sin r / cos dec) of its centre (every right ascension when
// the circle holds a pole). Stars are stored cell after cell, each cell brightest first, so
// a view reads only its cells and in each only the stars brighter than its limit.
class DeepStarIndex {
public:
    DeepStarIndex() = default;
    explicit DeepStarIndex(std::vector<DeepStar> stars);

    bool Empty() const { return stars_.empty(); }
    std::size_t Size() const { return stars_.size(); }
    // Every star, cell after cell (not in Hipparcos order).
    const std::vector<DeepStar>& Stars() const { return stars_; }
    // The star of a Hipparcos number; null when the list holds none.
    const DeepStar* FindHip(std::uint32_t hip) const;

    // Calls visit(const DeepStar&) once for every star within radiusRad of the unit vector
    // centre (J2000 frame; the edge included) whose magnitude m has brighterThan < m <= limit.
    template <typename Visit>
    void ForEachInCircle(const Vector3& centre, double radiusRad, float brighterThan,
                         float limit, Visit&& visit) const;

    // Cells a circle touches, as runs [begin, end) of cell numbers; appended to out. The
    // cells are the same for every list, so other lists (the naked-eye stars' quadrilaterals)
    // are grouped by them too.
    struct Range {
        std::uint32_t begin, end;
    };
    static void CellsInCircle(const Vector3& centre, double radiusRad, std::vector<Range>& out);

    static constexpr int kBands = 90;  // 2 degrees each
    static int CellsInBand(int band);
    // Number of the first cell of a band (0 to kBands; FirstCellOfBand(kBands): all cells).
    static std::uint32_t FirstCellOfBand(int band);
    static std::size_t CellOf(double raRad, double decRad);
    // Where each cell's run begins when items of the given cells (CellOf) are stored cell
    // after cell, in a list of FirstCellOfBand(kBands) + 1: cell c holds [start[c], start[c + 1]).
    static std::vector<std::uint32_t> CellStarts(const std::vector<std::uint32_t>& cellOf);

private:
    std::vector<DeepStar> stars_;
    std::vector<std::uint32_t> cellStart_;  // cell i holds stars_[cellStart_[i], cellStart_[i+1])
    std::vector<std::uint32_t> byHip_;      // indices into stars_ in Hipparcos order
    mutable std::vector<Range> scratch_;    // reused by ForEachInCircle (GUI thread only)
};

// Reads data/deepstar.dat (or .gz) under moduleDir: every line whose position and magnitude
// are usable. False after reporting kDeepStarDataUnreadable when the file cannot be read;
// skipped lines and an empty file are reported once, as the other catalogs do.
bool LoadDeepStars(const std::string& moduleDir, MessageSink& sink, std::vector<DeepStar>& out);

template <typename Visit>
void DeepStarIndex::ForEachInCircle(const Vector3& centre, double radiusRad, float brighterThan,
                                    float limit, Visit&& visit) const
{
    if (stars_.empty())
        return;
    scratch_.clear();
    CellsInCircle(centre, radiusRad, scratch_);
    const double cosRadius = radiusRad >= 3.141592653589793 ? -2.0 : std::cos(radiusRad);
    for (const Range& cells : scratch_) {
        for (std::uint32_t cell = cells.begin; cell < cells.end; ++cell) {
            const std::uint32_t end = cellStart_[cell + 1];
            std::uint32_t i = cellStart_[cell];
            // Brightest first: skip what another list draws, stop at the limit.
            while (i < end && !(stars_[i].magnitude > brighterThan))
                ++i;
            for (; i < end && stars_[i].magnitude <= limit; ++i) {
                const DeepStar& s = stars_[i];
                if (s.x * centre.x + s.y * centre.y + s.z * centre.z >= cosRadius)
                    visit(s);
            }
        }
    }
}
