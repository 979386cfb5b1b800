#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"
#include "render/cataloglabels.h"
#include "render/labelatlas.h"
#include "planetarium/layerflags.h"
#include "planetarium/skygeometry.h"
#include "planetarium/skyscene.h"

#include <QSize>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Matrix3;
struct DibImage;

// Draws the planetarium sky with the context of its view current: every paint draws the
// whole sky from the toggles, the camera, the shown instant and the site, layer by layer in
// a fixed order (grids, NGC symbols, Milky Way, stars, star names, bodies, figures,
// boundaries, constellation names, Messier labels, reference points, ground, horizon).
// Each layer is drawn from arrays built once by the plain geometry code (SkyGeometry) and its
// labels from textures uploaded once; the faint stars of the deep list are chosen per frame.
// The tests hold an immediate-mode oracle that draws the same picture primitive by primitive.
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
    // glColor3ub of a colour value, as the red of its brightness under night vision;
    // glMultMatrixd of a rotation.
    static void SetColour(Colour c, bool night);
    static void MultMatrix(const Matrix3& m);

    // One-time set-up with the new context current: the star texture from "images/Star.bmp"
    // (mipmapped) and, when that loaded, the constellation-name image "images/connames.bmp".
    void OnContextCreated();
    // Frees what lives in the context; called with it current before the view goes.
    void ReleaseGL();

    // The whole scene; model-view identity on entry, the view orientation on return.
    void Draw(const SphericalCoord& centre, const LayerFlags& flags, const QSize& viewport);

    // Screen pixels per label pixel: the device pixel ratio, so that names, labels and
    // deep-sky symbols keep their on-screen size on high-density screens.
    void SetLabelScale(double scale)
    {
        labelScale_ = scale > 0.0 ? scale : 1.0;
        atlas_.SetScale(labelScale_);
    }

    // The catalogue frame's model-view (J2000 equatorial to eye), the projection and the
    // viewport of the last Draw, for the click lookup.
    void LastFrame(double modelView[16], double projection[16], int viewport[4]) const;
    // Night vision for the frames drawn from now on (the view sets it for screen frames only).
    void SetNightVision(bool night) { night_ = night; }

    bool HasStarTexture() const { return starTexture_ != 0; }
    bool HasNameImage() const { return nameImage_ != nullptr; }
    GLuint StarTexture() const { return starTexture_; }
    const DibImage* NameImage() const { return nameImage_.get(); }

    // The ten solar-system labels in drawing order, with the index into DisplayColors:
    // -2 the Sun, -1 the Moon, else the planet index (the Earth is skipped).
    static constexpr int kBodyCount = 10;
    static const int kBodyIndex[kBodyCount];
    // Equatorial position (RA, Dec) of body i of that list for the shown instant.
    SphericalCoord BodyPosition(int i) const;

private:
    struct Picture {  // a label or image placed at a direction of the current frame
        int slot;
        Vector3 at;
    };

    std::string ImagePath(const char* relative) const;
    void BuildStaticGeometry();
    using Sizes = std::array<std::size_t, 8>;
    Sizes CatalogSizes() const;
    void DrawSegments(const std::vector<float>& vertices, GLenum mode);
    // Runs draw with its geometry clipped at the horizon plane that Draw sets: the ground,
    // drawn last and opaque, hides everything below the horizon, so the sky's band, grids,
    // stars and lines are not filled there. Labels are not clipped: one anchored below the
    // horizon may reach above it.
    static void DrawAboveHorizon(const std::function<void()>& draw);
    void DrawGrid();
    void DrawNgc();
    // The Milky Way over the cleared background (night colours already mapped).
    void DrawMilkyWay(Colour background);
    void DrawStars(bool faint);
    // Draws the quadrilaterals of the arrays, or only those of the given corner numbers.
    void DrawStarArrays(const SkyGeometry::StarArrays& arrays,
                        const std::vector<std::uint32_t>* corners = nullptr);
    void BuildFaintStars(const SkyGeometry::FaintStarView& view);
    const std::vector<std::uint8_t>& FaintNightColours();
    void DrawStarNames();
    void DrawBodies();
    void DrawFigures();
    void DrawBoundaries();
    void DrawConstellationNames();
    void DrawMessier();
    void DrawLabel(const char* text, Colour colour, const SphericalCoord& at);
    void DrawEclipticPoints(const Matrix3& horizontal);
    void DrawHorizonPoints();
    void DrawGround();
    void DrawHorizonLine();
    // Batched labels: slot of a per-paint label (built once per text and colour).
    int CachedLabelSlot(const char* text, Colour colour);
    void QueueAt(int slot, const Vector3& at);
    void QueueRowsAt(int slot, int rowOffset, int rows, const Vector3& at);
    void FlushPictures();
    // The scene's catalog labels, or labels made here from the names when it has none (or
    // none that match the catalogs' sizes).
    const CatalogLabels& Labels();

    const SkyScene scene_;  // a copy of the references
    bool night_ = false;  // night vision for the frames drawn from now on
    std::vector<std::uint8_t> nightStarColours_;  // stars_.colours mapped, made when first needed
    const std::vector<std::uint8_t>& NightStarColours();
    double labelScale_ = 1.0;
    GLuint starTexture_ = 0;
    std::unique_ptr<DibImage> nameImage_;
    int viewport_[4] = {0, 0, 0, 0};
    double modelView_[16] = {};
    double catalogueModelView_[16] = {};  // J2000 equatorial to eye, kept for LastFrame
    double projection_[16] = {};

    // Built once per context (the catalogs do not change after loading).
    bool built_ = false;
    Sizes builtSizes_{};  // catalog sizes the arrays were built from
    LabelAtlas atlas_;
    std::vector<float> grid_;
    std::vector<float> ground_;
    std::vector<float> horizon_;
    std::vector<float> milkyWay_;
    std::vector<float> figures_;
    std::vector<float> boundaries_;  // equinox 1875, drawn under the precession matrix
    SkyGeometry::StarArrays stars_;
    SkyGeometry::StarCells starCells_;              // stars_ by sky cell
    std::vector<std::uint32_t> shownStarCorners_;  // the corners a frame draws (capacity kept)
    // The faint stars of the deep list inside the view, built again only when the view they
    // were chosen for changed (capacity kept), and their night colours, mapped when first
    // needed after a build.
    SkyGeometry::FaintStarView faintView_;
    bool faintBuilt_ = false;
    SkyGeometry::StarArrays faintStars_;
    std::vector<std::uint8_t> faintNightColours_;
    bool faintNightMapped_ = false;
    std::vector<int> starNameSlots_;
    std::vector<int> messierSlots_;
    std::vector<int> nameBandSlots_;
    std::vector<int> ngcSlots_;
    std::map<std::pair<std::string, Colour>, int> cachedLabels_;
    CatalogLabels ownLabels_;
};
