#pragma once

#include <array>

#include "astro/moon.h"
#include "astro/planet.h"
#include "astro/sun.h"
#include "planetarium/copenglwnd.h"
#include "planetarium/displaycolors.h"
#include "views/planet3dcamera.h"

class QKeyEvent;
class QResizeEvent;

// The Sun and the nine planets as coloured balls in heliocentric ecliptic coordinates (AU),
// seen from a camera the arrow keys turn and "+" / "-" fly along its line of sight. It shows
// a snapshot: the bodies are copied when the view is made and later changes of the shown
// instant do not move them. The colours are read at every paint.
class CPlanet3dView : public COpenGLWnd {
    Q_OBJECT
public:
    static constexpr double kBallRadiusAu = 0.10000000149011612;  // 0.1f widened
    static constexpr int kBallSlices = 20;
    static constexpr int kBallStacks = 20;

    CPlanet3dView(const Sun& sun, const Moon& moon,
                  const std::array<Planet, kPlanetCount>& planets, const DisplayColors& colours,
                  QWidget* parent = nullptr);

    const Planet3dCamera& Camera() const { return camera_; }
    // The bodies as they were when the view was made.
    const Sun& SnapshotSun() const { return sun_; }
    const Moon& SnapshotMoon() const { return moon_; }
    const std::array<Planet, kPlanetCount>& Planets() const { return planets_; }

    // The key actions, each followed by a repaint.
    void FlyForward();
    void FlyBackward();
    void TurnLeft();
    void TurnRight();
    void TurnUp();
    void TurnDown();

protected:
    void DrawScene() override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetProjection();

    Sun sun_;    // kept with the snapshot; the Sun is drawn at the origin
    Moon moon_;  // kept with the snapshot; not drawn
    std::array<Planet, kPlanetCount> planets_;
    const DisplayColors& colours_;
    Planet3dCamera camera_;
};
