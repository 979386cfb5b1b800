#pragma once

#include "astro/planet.h"
#include "astro/sphericalcoord.h"

class CPlanetariumView;
class QString;
class QWidget;
struct SkyScene;

// What the find commands look for: a planet by its PlanetIndex (kMercury .. kPluto; the
// Earth has no direction from the Earth), the Sun or the Moon.
constexpr int kFindSun = kPlanetCount;
constexpr int kFindMoon = kPlanetCount + 1;

// "지평선 아래에 있습니다." (it is below the horizon), UTF-8.
extern const char* const kBelowHorizonMessage;

// Where a body stands in the sky of a site at an instant.
struct BodyPlace {
    bool known = false;         // false for the Earth and ids that name no body
    SphericalCoord horizontal;  // azimuth from north through east, altitude; radians

    // At or above the horizon: an altitude of exactly 0 counts as above.
    bool AboveHorizon() const { return known && horizontal.lat >= 0.0; }
};

// Horizontal direction (azimuth, altitude; radians) of the body `body` (kFindSun,
// kFindMoon or a PlanetIndex) for the scene's shown instant and site. The geocentric
// ecliptic vector (the Sun's and the Moon's own, a planet's heliocentric vector minus the
// Earth's) is rotated to the equator with the obliquity of the shown UT date and then to
// the horizon with the local sidereal time and the site's latitude. Geocentric: no
// parallax, aberration or refraction. Uses the bodies as the scene holds them.
BodyPlace FindBody(const SkyScene& scene, int body);

// The find command of one body for a sky view: turns the view's centre exactly onto the
// body when it is at or above the horizon (field of view unchanged), otherwise shows
// kBelowHorizonMessage over the view and leaves it as it was. Ids that name no body do
// nothing. True when the view was turned.
bool FindBodyInView(CPlanetariumView& view, int body);

// The refusal message box of the find commands: one OK button, modal over parent.
void ShowFindMessage(QWidget* parent, const QString& text);
