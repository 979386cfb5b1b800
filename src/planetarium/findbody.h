#pragma once

#include "astro/ephemeris/body.h"
#include "astro/math/sphericalcoord.h"

class CPlanetariumView;
class QString;
class QWidget;
struct SkyScene;

// "지평선 아래에 있습니다." (it is below the horizon), UTF-8.
extern const char* const kBelowHorizonMessage;

// Where a body stands in the sky of a site at an instant.
struct BodyPlace {
    bool known = false;         // false for a body that was never computed
    SphericalCoord horizontal;  // azimuth from north through east, altitude; radians

    // At or above the horizon: an altitude of exactly 0 counts as above.
    bool AboveHorizon() const { return known && horizontal.lat >= 0.0; }
};

// Horizontal direction (azimuth, altitude; radians) of a body in the scene's shown sky, as
// the shown sky holds it (classic: geocentric; precise: topocentric apparent), without
// refraction.
BodyPlace FindBody(const SkyScene& scene, Body body);

// The find command of one body for a sky view: turns the view's centre exactly onto the
// body when it is at or above the horizon (field of view unchanged), otherwise shows
// kBelowHorizonMessage over the view and leaves it as it was. True when the view was turned.
bool FindBodyInView(CPlanetariumView& view, Body body);

// The refusal message box of the find commands: one OK button, modal over parent.
void ShowFindMessage(QWidget* parent, const QString& text);
