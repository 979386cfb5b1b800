#pragma once

#include "astro/sky/polestar.h"
#include "astro/time/instant.h"

#include <vector>

// What the polar scope's field holds at one instant for one site, as plain numbers: the
// window draws it, the tests read it. Field offsets are radians from the pole as seen in
// the eyepiece, x to the right and y up.

struct ScopeStarMark {
    PoleStarId id = PoleStarId::Polaris;
    double x = 0.0;
    double y = 0.0;
    double clock = 0.0;  // clock position, hours in [0, 12)
};

struct EpochCircle {
    int year = 0;
    double radius = 0.0;  // the pole star's pole distance on 1 January, radians
};

struct PolarScopeField {
    PoleStarPlace pole;          // the star aligned on
    double jdUT = 0.0;           // the instant
    bool inverted = true;        // an inverting scope (half a turn)
    double fieldRadius = 0.0;    // radians shown from the centre to the reticle's rim
    double refraction = 0.0;     // of the pole's altitude at the site, radians
    std::vector<ScopeStarMark> stars;  // the pole star first
    std::vector<EpochCircle> epochs;
};

// The years of the reticle's epoch circles.
constexpr int kFirstEpochYear = 2025;
constexpr int kLastEpochYear = 2040;
constexpr int kEpochStepYears = 5;

// The epoch circles of a pole star (they change only with the hemisphere: compute once).
std::vector<EpochCircle> ComputeEpochCircles(PoleStarId star);

// The field at instant for a site (east longitude, latitude, radians) and view; epochs as
// given by ComputeEpochCircles for the site's star. Non-finite inputs read as 0 and
// J2000.0 (never NaN out).
PolarScopeField ComputePolarScopeField(const Instant& instant, double longitude, double latitude,
                                       bool inverted, std::vector<EpochCircle> epochs);
