#include "views/polarscopefield.h"

#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"

#include <cmath>

namespace {

// Half-widths of the field: Polaris stays within 45' of the pole until 2040; sigma
// Octantis' neighbours chi and tau stand about 2.5 degrees off.
constexpr double kNorthFieldRadius = 1.0 * kDegToRad;
constexpr double kSouthFieldRadius = 3.0 * kDegToRad;

ScopeStarMark Mark(const PoleStarPlace& place, bool inverted)
{
    ScopeStarMark m;
    m.id = place.star;
    m.clock = ClockPosition(place.hourAngle, place.south, inverted);
    const double angle = m.clock * kTwoPi / 12.0;  // clockwise from the top
    m.x = place.poleDistance * std::sin(angle);
    m.y = place.poleDistance * std::cos(angle);
    return m;
}

}  // namespace

std::vector<EpochCircle> ComputeEpochCircles(PoleStarId star)
{
    std::vector<EpochCircle> out;
    for (int year = kFirstEpochYear; year <= kLastEpochYear; year += kEpochStepYears)
        out.push_back({year, PoleDistanceAtYear(star, year)});
    return out;
}

PolarScopeField ComputePolarScopeField(const Instant& instant, double longitude, double latitude,
                                       bool inverted, std::vector<EpochCircle> epochs)
{
    PolarScopeField f;
    // A site or clock from outside may be anything: non-finite numbers read as 0 (J2000.0).
    if (!std::isfinite(longitude))
        longitude = 0.0;
    if (!std::isfinite(latitude))
        latitude = 0.0;
    const PreciseEphemeris sky(std::isfinite(instant.jdUT) && std::isfinite(instant.jdTT)
                                   ? instant
                                   : Instant::FromUT(2451545.0));
    f.pole = ComputeStarPlace(PoleStarOfLatitude(latitude), sky, longitude);
    f.jdUT = sky.When().jdUT;
    f.inverted = inverted;
    f.fieldRadius = f.pole.south ? kSouthFieldRadius : kNorthFieldRadius;
    f.refraction = RefractionOfTrueAltitude(std::fabs(latitude));
    f.stars.push_back(Mark(f.pole, inverted));
    if (f.pole.south)
        for (PoleStarId id : kOctansNeighbours)
            f.stars.push_back(Mark(ComputeStarPlace(id, sky, longitude), inverted));
    f.epochs = std::move(epochs);
    return f;
}
