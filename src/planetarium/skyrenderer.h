#pragma once

#include "astro/sphericalcoord.h"
#include "planetarium/layerflags.h"
#include "planetarium/skyscene.h"

#include <QSize>

class Matrix3;

// Draws the planetarium sky with the context of its view current: every paint draws the
// whole sky from the toggles, the camera, the shown instant and the site. Two modes give the
// same picture: immediate mode issues every primitive one by one; the default batched mode
// draws the same primitives from arrays built once and labels from textures.
class SkyRenderer {
public:
    explicit SkyRenderer(const SkyScene& scene);
    ~SkyRenderer();
    SkyRenderer(const SkyRenderer&) = delete;
    SkyRenderer& operator=(const SkyRenderer&) = delete;

    // Multiplies the current matrix by the camera turn: the axis change that sends north to
    // the viewing direction, east to the right and the zenith up, then the centre's altitude
    // about y and minus its azimuth about z (degrees at the GL calls).
    static void ApplyViewOrientation(const SphericalCoord& centre);

    // One-time set-up with the new context current (star texture, name image).
    void OnContextCreated();
    // Frees what lives in the context; called with it current before the view goes.
    void ReleaseGL();

    // The whole scene; model-view identity on entry, the view orientation on return.
    void Draw(const SphericalCoord& centre, const LayerFlags& flags, const QSize& viewport);

    void SetImmediateMode(bool immediate) { immediate_ = immediate; }
    bool ImmediateMode() const { return immediate_; }

private:
    void DrawLabel(const char* text, Colour colour, const SphericalCoord& at);
    void DrawEclipticPoints(const Matrix3& horizontal);
    void DrawHorizonPoints();
    void DrawGround();
    void DrawHorizonLine();

    const SkyScene scene_;  // a copy of the references
    bool immediate_ = false;
};
