#pragma once

#include "planetarium/cplanetariumview.h"
#include "planetarium/layerflags.h"
#include "planetarium/skyscene.h"
#include "render/cataloglabels.h"

#include <QSize>

// The test oracle of the sky renderer: the whole scene drawn primitive by primitive and label
// by label in OpenGL's immediate mode, straight from the catalogs, with no arrays, atlas or
// caches, in day colours. The renderer's batched picture must match it (sky_gltest,
// hidpi_gltest).
class ImmediateSky {
public:
    explicit ImmediateSky(const SkyScene& scene) : scene_(scene) {}
    // Draws the scene as SkyRenderer::Draw does, with the star texture and the
    // constellation-name image the view's renderer loaded; model-view identity on entry.
    void Draw(const SphericalCoord& centre, const LayerFlags& flags, const QSize& viewport,
              double labelScale, const SkyRenderer& renderer);

private:
    void DrawGrid();
    void DrawNgc();
    void DrawStars(bool faint, const double modelView[16], const double projection[16],
                   int viewportHeight);
    void DrawLabel(const char* text, Colour colour, const SphericalCoord& at);

    const SkyScene scene_;
    const SkyRenderer* renderer_ = nullptr;
    CatalogLabels ownLabels_;
};

// A sky view that draws with the oracle while SetImmediateMode(true) holds.
class OracleSkyView : public CPlanetariumView {
public:
    explicit OracleSkyView(const SkyScene& scene, QWidget* parent = nullptr)
        : CPlanetariumView(scene, parent), oracle_(scene)
    {
    }
    void SetImmediateMode(bool immediate) { immediate_ = immediate; }
    bool ImmediateMode() const { return immediate_; }

protected:
    void DrawScene() override;

private:
    ImmediateSky oracle_;
    bool immediate_ = false;
};
