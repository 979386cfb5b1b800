#pragma once

#include <array>
#include <vector>

#include "astro/ephemeris/planet.h"
#include "astro/sky/shownsky.h"
#include "render/copenglwnd.h"
#include "render/displaycolors.h"
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

    CPlanet3dView(const ShownSky& sky, const DisplayColors& colours, QWidget* parent = nullptr);

    const Planet3dCamera& Camera() const { return camera_; }
    // The sky as it was when the view was made (or last given by SetSky).
    const ShownSky& Snapshot() const { return sky_; }
    // Heliocentric J2000 ecliptic positions (AU) of the nine planets in PlanetIndex order
    // (the Earth at kEarth), as drawn.
    std::array<Vector3, kPlanetCount> Planets() const;
    // Takes a new snapshot (the model changed) and repaints.
    void SetSky(const ShownSky& sky);

    // "L": each planet's name beside its ball; "O": its orbit as a thin closed curve. Both off
    // when the view opens.
    void ToggleNames();
    void ToggleOrbits();
    bool NamesShown() const { return showNames_; }
    bool OrbitsShown() const { return showOrbits_; }

protected:
    void DrawScene() override;
    void resizeEvent(QResizeEvent* event) override;
    // "+" and "-" fly, the arrow keys turn (Planet3dCamera), each followed by a repaint.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetProjection();

    // The orbits of the snapshot's instant, made with it rather than at every paint.
    void MakeOrbits();

    ShownSky sky_;  // the snapshot; the Sun is drawn at the origin, the Moon not at all
    std::array<std::vector<Vector3>, kPlanetCount> orbits_;
    const DisplayColors& colours_;
    Planet3dCamera camera_;
    bool showNames_ = false;
    bool showOrbits_ = false;
};
