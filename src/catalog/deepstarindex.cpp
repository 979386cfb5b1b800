#include "catalog/deepstarindex.h"

#include "catalog/catalogchecks.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/loadcatalogs.h"
#include "catalog/star.h"
#include "astro/math/angles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>

const char* const kDeepStarDataUnreadable = "어두운 별 데이터를 읽을 수 없습니다.";

namespace {

constexpr double kBandRad = kPi / DeepStarIndex::kBands;

int BandOf(double decRad)
{
    const int band = int(std::floor((decRad + kPi / 2) / kBandRad));
    return std::clamp(band, 0, DeepStarIndex::kBands - 1);
}

double WrapRa(double ra)
{
    ra = std::fmod(ra, kTwoPi);
    return ra < 0.0 ? ra + kTwoPi : ra;
}

}  // namespace

DeepStar ParseDeepStarLine(const char* line)
{
    // The star.dat fields, read as that catalog's reader reads them.
    const std::size_t length = std::strlen(line);
    DeepStar s;
    s.position = SphericalCoord(NumberAt(line, 0), NumberAt(line, 14));
    s.x = float(s.position.X());
    s.y = float(s.position.Y());
    s.z = float(s.position.Z());
    s.spectral = 28 < length ? line[28] : '\0';
    s.magnitude = float(NumberAt(line, 30));
    s.colour = Star::SpectralColour(s.spectral);
    if (length > kDeepStarHipOffset) {
        const char* text = line + kDeepStarHipOffset;
        char* end = nullptr;
        const unsigned long hip = std::strtoul(text, &end, 10);
        if (end != text && hip <= 0xffffffffUL)
            s.hip = std::uint32_t(hip);
    }
    return s;
}

int DeepStarIndex::CellsInBand(int band)
{
    // Width measured at the band's edge nearest the equator, so no cell is wider than 2
    // degrees of arc there.
    const double lo = -kPi / 2 + band * kBandRad;
    const double hi = lo + kBandRad;
    const double nearEquator = (lo <= 0.0 && hi >= 0.0) ? 0.0 : std::min(std::fabs(lo), std::fabs(hi));
    return std::max(1, int(std::floor(kTwoPi * std::cos(nearEquator) / kBandRad)));
}

std::uint32_t DeepStarIndex::FirstCellOfBand(int band)
{
    static const std::vector<std::uint32_t> firstCell = [] {
        std::vector<std::uint32_t> first(kBands + 1, 0);
        for (int b = 0; b < kBands; ++b)
            first[b + 1] = first[b] + std::uint32_t(CellsInBand(b));
        return first;
    }();
    return firstCell[std::size_t(std::clamp(band, 0, kBands))];
}

std::size_t DeepStarIndex::CellOf(double raRad, double decRad)
{
    const int band = BandOf(decRad);
    const int n = CellsInBand(band);
    const int cell = std::min(n - 1, int(WrapRa(raRad) / (kTwoPi / n)));
    return FirstCellOfBand(band) + std::size_t(cell);
}

std::vector<std::uint32_t> DeepStarIndex::CellStarts(const std::vector<std::uint32_t>& cellOf)
{
    const std::size_t cells = FirstCellOfBand(kBands);
    std::vector<std::uint32_t> start(cells + 1, 0);
    for (std::uint32_t c : cellOf)
        ++start[c + 1];
    for (std::size_t c = 0; c < cells; ++c)
        start[c + 1] += start[c];
    return start;
}

DeepStarIndex::DeepStarIndex(std::vector<DeepStar> stars)
{
    std::vector<std::uint32_t> cellOf(stars.size());
    for (std::size_t i = 0; i < stars.size(); ++i)
        cellOf[i] = std::uint32_t(CellOf(stars[i].position.lon, stars[i].position.lat));
    std::vector<std::uint32_t> order(stars.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (cellOf[a] != cellOf[b])
            return cellOf[a] < cellOf[b];
        return stars[a].magnitude < stars[b].magnitude;
    });
    stars_.reserve(stars.size());
    for (std::uint32_t i : order)
        stars_.push_back(stars[i]);
    cellStart_ = CellStarts(cellOf);

    byHip_.resize(stars_.size());
    std::iota(byHip_.begin(), byHip_.end(), 0u);
    std::stable_sort(byHip_.begin(), byHip_.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return stars_[a].hip < stars_[b].hip; });
}

const DeepStar* DeepStarIndex::FindHip(std::uint32_t hip) const
{
    const auto it = std::lower_bound(byHip_.begin(), byHip_.end(), hip,
                                     [&](std::uint32_t i, std::uint32_t h) { return stars_[i].hip < h; });
    if (it == byHip_.end() || stars_[*it].hip != hip)
        return nullptr;
    return &stars_[*it];
}

void DeepStarIndex::CellsInCircle(const Vector3& centre, double radiusRad,
                                  std::vector<Range>& out)
{
    auto addCells = [&](int band, int first, int last) {  // first..last inclusive, in range
        const std::uint32_t base = FirstCellOfBand(band);
        out.push_back({base + std::uint32_t(first), base + std::uint32_t(last) + 1});
    };
    if (radiusRad >= kPi / 2) {
        // Half the sky or more: every cell (the exact test still applies to each star).
        out.push_back({0, FirstCellOfBand(kBands)});
        return;
    }
    const double length = std::sqrt(centre.Dot(centre));
    const double sinDec = std::clamp(centre.z / length, -1.0, 1.0);
    const double dec = std::asin(sinDec);
    const double ra = std::atan2(centre.y, centre.x);
    // Widened a little beyond the float rounding of the stars' unit vectors, so that a star
    // the exact test takes on the circle's edge always lies in a cell read here.
    const double r = radiusRad + 1e-6;
    const double decLo = dec - r;
    const double decHi = dec + r;
    const bool holdsPole = decHi >= kPi / 2 || decLo <= -kPi / 2;
    const int bandLo = BandOf(decLo);
    const int bandHi = BandOf(decHi);
    // Half-width in right ascension of the whole circle (when it holds no pole).
    double halfRa = kPi;
    if (!holdsPole) {
        const double s = std::sin(r) / std::cos(dec);
        halfRa = s >= 1.0 ? kPi : std::asin(s);
    }
    for (int band = bandLo; band <= bandHi; ++band) {
        const int n = CellsInBand(band);
        if (halfRa >= kPi || n == 1) {
            addCells(band, 0, n - 1);
            continue;
        }
        const double width = kTwoPi / n;
        const double start = WrapRa(ra - halfRa);
        int first = std::min(n - 1, int(start / width));
        int count = int(std::floor((start + 2.0 * halfRa) / width)) - first + 1;
        if (count >= n) {
            addCells(band, 0, n - 1);
            continue;
        }
        const int last = first + count - 1;
        if (last < n) {
            addCells(band, first, last);
        } else {  // across 0h
            addCells(band, first, n - 1);
            addCells(band, 0, last - n);
        }
    }
}

bool LoadDeepStars(const std::string& moduleDir, MessageSink& sink, std::vector<DeepStar>& out)
{
    CatalogFile file;
    if (!file.ReadLines(JoinModulePath(moduleDir, "data/deepstar.dat"))) {
        sink.Report(kDeepStarDataUnreadable);
        return false;
    }
    const std::string shownName = std::string("data/deepstar.dat") + (file.Compressed() ? ".gz" : "");
    out.reserve(out.size() + file.LineCount());
    std::size_t skipped = 0;
    for (std::size_t i = 0; i < file.LineCount(); ++i) {
        const DeepStar s = ParseDeepStarLine(file.Line(i));
        if (IsSkyPosition(s.position) && IsStarMagnitude(s.magnitude))
            out.push_back(s);
        else
            ++skipped;
    }
    if (file.LineCount() == 0)
        sink.Report(EmptyCatalogMessage(shownName));
    else if (skipped > 0)
        sink.Report(SkippedLinesMessage(shownName, skipped));
    return true;
}
