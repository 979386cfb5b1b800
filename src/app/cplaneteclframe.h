#pragma once

#include <array>

#include "app/cchildframe.h"
#include "astro/planet.h"

class CKosmiraApp;
class CPlanetEclView;
class Moon;
class QFont;
class Sun;
struct DisplayColors;

// Child window holding the chart of the bodies along the ecliptic; it repaints from the
// application's current bodies. No commands of its own.
class CPlanetEclFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CPlanetEclFrame(const CKosmiraApp& app, QWidget* parent = nullptr);
    CPlanetEclFrame(const Sun& sun, const Moon& moon,
                    const std::array<Planet, kPlanetCount>& planets,
                    const DisplayColors& colours, const QFont& labelFont,
                    QWidget* parent = nullptr);

    CPlanetEclView* EclipticView() const { return chart; }

private:
    CPlanetEclView* chart = nullptr;
};
