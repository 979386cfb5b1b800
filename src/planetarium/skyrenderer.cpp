#include "planetarium/skyrenderer.h"
#include "image/nightvision.h"
#include "astro/sky/shownsky.h"
#include "format/skytext.h"
#include "astro/math/angles.h"

#include "astro/sky/frames.h"
#include "astro/math/matrix3.h"
#include "astro/ephemeris/moon.h"
#include "astro/sky/observer.h"
#include "astro/ephemeris/planet.h"
#include "astro/time/skytime.h"
#include "astro/ephemeris/sun.h"
#include "catalog/catalogset.h"
#include "catalog/deepstarindex.h"
#include "catalog/triangulation.h"
#include "catalog/typeimagecache.h"
#include "image/dibimage.h"
#include "image/messagesink.h"
#include "image/textbitmap.h"
#include "planetarium/skygeometry.h"
#include "render/copenglwnd.h"

#include <QCoreApplication>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr int kNamedConstellations = 88;  // bands in the name image

// Night vision draws every display colour as the red of its brightness. The star colours and
// the label atlas are mapped once, when the setting changes (or the faint stars change).
Colour NightColour(Colour c)
{
    const QRgb red = NightVision::Map(qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c)));
    return MakeColour(qRed(red), 0, 0);
}

// The red of the brightness of every RGBA colour in place.
void MapNightColours(std::vector<std::uint8_t>& rgba)
{
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        std::uint8_t* c = &rgba[i];
        c[0] = std::uint8_t(qRed(NightVision::Map(qRgb(c[0], c[1], c[2]))));
        c[1] = c[2] = 0;
    }
}

MessageSink& SinkOf(const SkyScene& scene)
{
    static SilentMessageSink silent;
    return scene.messages ? *scene.messages : silent;
}

}  // namespace

const int SkyRenderer::kBodyIndex[kBodyCount] = {-2, -1, kMercury, kVenus, kMars,
                                                 kJupiter, kSaturn, kUranus, kNeptune, kPluto};

SkyRenderer::SkyRenderer(const SkyScene& scene) : scene_(scene) {}

void SkyRenderer::SetColour(Colour c, bool night)
{
    if (night)
        c = NightColour(c);
    glColor3ub(GLubyte(ColourRed(c)), GLubyte(ColourGreen(c)), GLubyte(ColourBlue(c)));
}

void SkyRenderer::MultMatrix(const Matrix3& m)
{
    double gl[16];
    m.ToGL4x4(gl);
    glMultMatrixd(gl);
}

SkyRenderer::~SkyRenderer() = default;

void SkyRenderer::ApplyViewOrientation(const SphericalCoord& centre)
{
    // One camera turn for the screen and the printed chart.
    MultMatrix(SkyGeometry::ViewRotation(centre));
}

void SkyRenderer::LastFrame(double modelView[16], double projection[16], int viewport[4]) const
{
    std::copy(catalogueModelView_, catalogueModelView_ + 16, modelView);
    std::copy(projection_, projection_ + 16, projection);
    std::copy(viewport_, viewport_ + 4, viewport);
}

std::string SkyRenderer::ImagePath(const char* relative) const
{
    std::string dir = scene_.moduleDirectory;
    if (dir.empty())
        dir = QCoreApplication::applicationDirPath().toStdString();
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir + relative;
}

void SkyRenderer::OnContextCreated()
{
    std::unique_ptr<DibImage> star = LoadDibImage(ImagePath("images/Star.bmp"), SinkOf(scene_));
    if (!star)
        return;
    glGenTextures(1, &starTexture_);
    glBindTexture(GL_TEXTURE_2D, starTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // the decoded rows are packed
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, star->width, star->height, GL_RGB, GL_UNSIGNED_BYTE,
                      star->pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    nameImage_ = LoadDibImage(ImagePath("images/connames.bmp"), SinkOf(scene_));
}

void SkyRenderer::ReleaseGL()
{
    if (starTexture_ != 0)
        glDeleteTextures(1, &starTexture_);
    starTexture_ = 0;
    atlas_.Release();
    built_ = false;
    faintBuilt_ = false;
    cachedLabels_.clear();
}

SphericalCoord SkyRenderer::BodyPosition(int i) const
{
    return scene_.sky.bodies[i].topocentric;
}

// ----- Static geometry of the batched mode -----

SkyRenderer::Sizes SkyRenderer::CatalogSizes() const
{
    const CatalogSet& c = scene_.catalogs;
    return {c.stars.size(),      c.starNames.size(),          c.messier.size(),
            c.ngc.size(),        c.constellationNames.size(), c.constellationLines.size(),
            c.boundaries.size(), c.milkyWay.triangles.size()};
}

void SkyRenderer::BuildStaticGeometry()
{
    built_ = true;
    builtSizes_ = CatalogSizes();
    const CatalogSet& c = scene_.catalogs;
    grid_ = SkyGeometry::FloatArray(SkyGeometry::GridSegments(4));
    ground_ = SkyGeometry::FloatArray(SkyGeometry::GroundTriangles());
    horizon_ = SkyGeometry::FloatArray(SkyGeometry::HorizonSegments());
    // The same band in triangles without the long slivers of ear clipping, which cost a
    // software rasterizer most of a frame where the band crosses the view.
    std::vector<SphericalCoord> band = c.milkyWay.triangles;
    FlipToDelaunay(band);
    milkyWay_ = SkyGeometry::FloatArray(band);
    figures_ = SkyGeometry::FigureArray(c.constellationLines);
    boundaries_ = SkyGeometry::BoundaryArray(c.boundaries);
    stars_ = SkyGeometry::StarQuads(c.stars);
    starCells_ = SkyGeometry::StarCells(c.stars);
    nightStarColours_.clear();

    starNameSlots_.clear();
    for (const TextBitmap& l : Labels().starNames)
        starNameSlots_.push_back(atlas_.Add(l.Data(), l.Width(), l.Height(), GL_BGR, 4));
    messierSlots_.clear();
    for (const TextBitmap& l : Labels().messier)
        messierSlots_.push_back(atlas_.Add(l.Data(), l.Width(), l.Height(), GL_BGR, 4));
    nameBandSlots_.clear();
    if (nameImage_) {
        const int bandHeight = nameImage_->height / kNamedConstellations;
        for (int i = 0; i < kNamedConstellations; ++i) {
            const std::uint8_t* band = nameImage_->pixels.data() +
                                       std::size_t(kNamedConstellations - 1 - i) * bandHeight *
                                           nameImage_->width * 3;
            nameBandSlots_.push_back(
                atlas_.Add(band, nameImage_->width, bandHeight, GL_RGB, 1));
        }
    }
    ngcSlots_.assign(TypeImageCache::kSlots, -2);  // -2: not looked up yet
}

const CatalogLabels& SkyRenderer::Labels()
{
    const CatalogSet& c = scene_.catalogs;
    if (scene_.labels && scene_.labels->starNames.size() == c.starNames.size() &&
        scene_.labels->messier.size() == c.messier.size())
        return *scene_.labels;
    if (ownLabels_.starNames.size() != c.starNames.size() ||
        ownLabels_.messier.size() != c.messier.size())
        ownLabels_ = MakeCatalogLabels(c, scene_.labelFont, scene_.messierFont,
                                       scene_.colours.starNames, scene_.colours.messier);
    return ownLabels_;
}

int SkyRenderer::CachedLabelSlot(const char* text, Colour colour)
{
    const auto key = std::make_pair(std::string(text), colour);
    const auto found = cachedLabels_.find(key);
    if (found != cachedLabels_.end())
        return found->second;
    const TextBitmap label(text, scene_.labelFont, colour, 0);
    const int slot = atlas_.Add(label.Data(), label.Width(), label.Height(), GL_BGR, 4);
    cachedLabels_.emplace(key, slot);
    return slot;
}

void SkyRenderer::QueueAt(int slot, const Vector3& at)
{
    if (slot < 0)
        return;
    double x = 0, y = 0;
    if (SkyGeometry::ProjectToWindow(at, modelView_, projection_, viewport_, &x, &y))
        atlas_.Queue(slot, x, y);
}

void SkyRenderer::QueueRowsAt(int slot, int rowOffset, int rows, const Vector3& at)
{
    if (slot < 0)
        return;
    double x = 0, y = 0;
    if (SkyGeometry::ProjectToWindow(at, modelView_, projection_, viewport_, &x, &y))
        atlas_.QueueRows(slot, rowOffset, rows, x, y);
}

void SkyRenderer::FlushPictures()
{
    atlas_.Flush(viewport_);
}

void SkyRenderer::DrawSegments(const std::vector<float>& vertices, GLenum mode)
{
    if (vertices.empty())
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glDrawArrays(mode, 0, GLsizei(vertices.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
}

void SkyRenderer::DrawAboveHorizon(const std::function<void()>& draw)
{
    glEnable(GL_CLIP_PLANE0);
    draw();
    glDisable(GL_CLIP_PLANE0);
}

const std::vector<std::uint8_t>& SkyRenderer::NightStarColours()
{
    if (nightStarColours_.size() != stars_.colours.size()) {
        nightStarColours_ = stars_.colours;
        MapNightColours(nightStarColours_);
    }
    return nightStarColours_;
}

// ----- The scene -----

void SkyRenderer::Draw(const SphericalCoord& centre, const LayerFlags& flags,
                       const QSize& viewport)
{
    viewport_[0] = 0;
    viewport_[1] = 0;
    viewport_[2] = viewport.width();
    viewport_[3] = viewport.height();
    // The catalogs are read-only once loaded; should they still change, build again.
    if (!built_ || builtSizes_ != CatalogSizes()) {
        atlas_.Release();
        cachedLabels_.clear();
        BuildStaticGeometry();
    }
    glGetDoublev(GL_PROJECTION_MATRIX, projection_);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    atlas_.SetNight(night_);
    const Colour background =
        night_ ? NightColour(scene_.colours.skyBackground) : scene_.colours.skyBackground;
    COpenGLWnd::ClearFrame(background);
    ApplyViewOrientation(centre);
    // The horizon plane (z = 0 of the horizontal frame) for DrawAboveHorizon.
    const GLdouble horizonPlane[4] = {0.0, 0.0, 1.0, 0.0};
    glClipPlane(GL_CLIP_PLANE0, horizonPlane);

    const ShownSky& sky = scene_.sky;
    const Matrix3 horizontal = sky.EquatorialToHorizontal();
    const Matrix3 catalogue = SkyGeometry::CatalogueToHorizontal(sky);
    if (flags.milkyWay) {
        glPushMatrix();
        MultMatrix(catalogue);
        DrawMilkyWay(background);
        glPopMatrix();
    }
    for (const SkyGeometry::GridPass& grid : SkyGeometry::GridPasses(sky)) {
        if (!(flags.*grid.flag))
            continue;
        glPushMatrix();
        MultMatrix(grid.toHorizontal);
        SetColour(scene_.colours.grids[grid.colourIndex], night_);
        DrawGrid();
        glPopMatrix();
    }
    glPushMatrix();
    MultMatrix(catalogue);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    std::copy(modelView_, modelView_ + 16, catalogueModelView_);
    if (flags.ngc)
        DrawNgc();
    if (flags.stars)
        DrawStars(flags.faintStars != 0);
    if (flags.starNames)
        DrawStarNames();
    if (flags.solarSystem)
        DrawBodies();
    if (flags.figures)
        DrawFigures();
    if (flags.boundaries)
        DrawBoundaries();
    if (flags.constellationNames)
        DrawConstellationNames();
    if (flags.messier)
        DrawMessier();
    glPopMatrix();

    DrawEclipticPoints(horizontal);
    DrawHorizonPoints();
    DrawGround();
    DrawHorizonLine();
    glDisable(GL_BLEND);
}

void SkyRenderer::DrawGrid()
{
    glDisable(GL_TEXTURE_2D);
    DrawAboveHorizon([&] { DrawSegments(grid_, GL_LINES); });
}

void SkyRenderer::DrawNgc()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const std::string dir = ImagePath("");
    for (const auto& object : scene_.catalogs.ngc) {
        const DibImage* image = TypeImage(object, dir, SinkOf(scene_));
        if (!image)
            continue;
        const int type = std::min(int(object.type), TypeImageCache::kSlots - 1);
        if (ngcSlots_[type] == -2)
            ngcSlots_[type] = atlas_.Add(image->pixels.data(), image->width, image->height,
                                         GL_RGB, 1);
        QueueAt(ngcSlots_[type], object.position.ToVector());
    }
    FlushPictures();
}

void SkyRenderer::DrawMilkyWay(Colour background)
{
    // Drawn first, opaque, in the colour adding it to the cleared background gives; every
    // later layer adds to it, so the frame is the one the layers' order would make (additions
    // that stop at 255 can be made in any order). A software rasterizer fills an opaque band
    // without reading the frame under it: a millisecond or two at 3840 x 2160.
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    const Colour band = night_ ? NightColour(scene_.colours.milkyWay) : scene_.colours.milkyWay;
    SetColour(AddColours(background, band), false);
    DrawAboveHorizon([&] { DrawSegments(milkyWay_, GL_TRIANGLES); });
    glEnable(GL_BLEND);
}

void SkyRenderer::DrawStarArrays(const SkyGeometry::StarArrays& arrays,
                                 const std::vector<std::uint32_t>* corners)
{
    if (arrays.vertices.empty() || (corners && corners->empty()))
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, arrays.vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, arrays.texCoords.data());
    const std::uint8_t* colours = arrays.colours.data();
    if (night_)
        colours = &arrays == &stars_ ? NightStarColours().data() : FaintNightColours().data();
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, colours);
    if (corners)
        glDrawElements(GL_QUADS, GLsizei(corners->size()), GL_UNSIGNED_INT, corners->data());
    else
        glDrawArrays(GL_QUADS, 0, GLsizei(arrays.CornerCount()));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

const std::vector<std::uint8_t>& SkyRenderer::FaintNightColours()
{
    if (!faintNightMapped_) {
        faintNightColours_ = faintStars_.colours;
        MapNightColours(faintNightColours_);
        faintNightMapped_ = true;
    }
    return faintNightColours_;
}

void SkyRenderer::BuildFaintStars(const SkyGeometry::FaintStarView& view)
{
    faintStars_.Clear();
    faintNightMapped_ = false;
    if (view.Empty())
        return;  // the naked-eye list shows everything this field shows
    const double limit = view.limitMag;
    scene_.deepStars->ForEachInCircle(
        view.centre, view.radiusRad, float(SkyGeometry::kNakedEyeLimitMag), float(limit),
        [&](const DeepStar& s) {
            SkyGeometry::AppendStarQuad(
                faintStars_, s.position,
                SkyGeometry::FaintStarSizeFactor(s.magnitude, view.radPerPixel), s.colour,
                SkyGeometry::FaintStarAlpha(s.magnitude, limit));
        });
}

void SkyRenderer::DrawStars(bool faint)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, starTexture_);
    // The view circle (both lists read it) and what chooses the faint stars, once a frame.
    const DeepStarIndex* deep = faint ? scene_.deepStars : nullptr;
    const SkyGeometry::FaintStarView view = SkyGeometry::FaintStarViewOf(
        deep, deep ? deep->Stars().data() : nullptr, deep ? deep->Size() : 0, modelView_,
        projection_, viewport_[3]);
    if (faint) {
        if (!faintBuilt_ || view != faintView_) {
            BuildFaintStars(view);
            faintView_ = view;
            faintBuilt_ = true;
        }
        DrawAboveHorizon([&] { DrawStarArrays(faintStars_); });
    }
    // Only the naked-eye stars of the cells the view touches: the rest would be transformed
    // and clipped away one corner at a time.
    starCells_.CornersInCircle(view.centre, view.radiusRad, shownStarCorners_);
    DrawAboveHorizon([&] { DrawStarArrays(stars_, &shownStarCorners_); });
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

void SkyRenderer::DrawStarNames()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const auto& names = scene_.catalogs.starNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        QueueAt(starNameSlots_[i], names[i].position.ToVector());
    FlushPictures();
}

void SkyRenderer::DrawBodies()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const DisplayColors& colours = scene_.colours;
    // Bodies are of date; this pass draws in the catalogue's J2000 frame.
    const Matrix3 toCatalogue = scene_.sky.j2000ToDate.Transposed();
    for (int i = 0; i < kBodyCount; ++i) {
        const int index = kBodyIndex[i];
        // The Moon's label takes Mercury's colour (its own is for the planet views).
        const Colour colour = index == -2 ? colours.sun : colours.planets[index < 0 ? 0 : index];
        const SphericalCoord at =
            SphericalCoord::FromVector(toCatalogue.Apply(BodyPosition(i).ToVector()));
        DrawLabel(BodyNameKorean(Body(i)).c_str(), colour, at);
    }
    FlushPictures();
}

void SkyRenderer::DrawFigures()
{
    glDisable(GL_TEXTURE_2D);
    SetColour(scene_.colours.figures, night_);
    DrawAboveHorizon([&] { DrawSegments(figures_, GL_LINES); });
}

void SkyRenderer::DrawBoundaries()
{
    glDisable(GL_TEXTURE_2D);
    SetColour(scene_.colours.boundaries, night_);
    glPushMatrix();
    MultMatrix(PrecessionMatrix(1875.0, 2000.0));
    DrawAboveHorizon([&] { DrawSegments(boundaries_, GL_LINES); });
    glPopMatrix();
}

void SkyRenderer::DrawConstellationNames()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!nameImage_)
        return;
    const auto& names = scene_.catalogs.constellationNames;
    const std::size_t count = std::min<std::size_t>(names.size(), kNamedConstellations);
    for (std::size_t i = 0; i < count && i < nameBandSlots_.size(); ++i)
        QueueAt(nameBandSlots_[i], names[i].position.ToVector());
    FlushPictures();
}

void SkyRenderer::DrawMessier()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const auto& objects = scene_.catalogs.messier;
    for (std::size_t i = 0; i < objects.size(); ++i)
        QueueAt(messierSlots_[i], objects[i].position.ToVector());
    FlushPictures();
}

void SkyRenderer::DrawLabel(const char* text, Colour colour, const SphericalCoord& at)
{
    QueueAt(CachedLabelSlot(text, colour), at.ToVector());
}

void SkyRenderer::DrawEclipticPoints(const Matrix3& horizontal)
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPushMatrix();
    MultMatrix(horizontal * scene_.sky.eclipticToEquatorial);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    const Colour c = scene_.colours.points;
    DrawLabel("춘분점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("하지점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("동지점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    FlushPictures();
    glPopMatrix();
}

void SkyRenderer::DrawHorizonPoints()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    const Colour c = scene_.colours.points;
    DrawLabel("북점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("동점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("남점", c, SphericalCoord(180.0 * kDegToRad, 0.0));
    DrawLabel("서점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    DrawLabel("천정", c, SphericalCoord(0.0, 90.0 * kDegToRad));
    FlushPictures();
}

void SkyRenderer::DrawGround()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(0, 0, 0);
    DrawSegments(ground_, GL_TRIANGLES);
}

void SkyRenderer::DrawHorizonLine()
{
    SetColour(scene_.colours.lines, night_);
    DrawSegments(horizon_, GL_LINES);
}
