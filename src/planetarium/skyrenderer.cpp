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
#include "catalog/typeimagecache.h"
#include "image/dibimage.h"
#include "image/messagesink.h"
#include "image/textbitmap.h"
#include "render/labeldrawing.h"
#include "planetarium/skygeometry.h"

#include <QCoreApplication>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr int kNamedConstellations = 88;  // bands in the name image

// Night vision for this frame: every display colour drawn as the red of its brightness. The
// star colours and the label atlas are mapped once, when the setting changes.
bool nightColours = false;

Colour NightColour(Colour c)
{
    const QRgb red = NightVision::Map(qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c)));
    return MakeColour(qRed(red), 0, 0);
}

void SetColour(Colour c)
{
    if (nightColours)
        c = NightColour(c);
    glColor3ub(GLubyte(ColourRed(c)), GLubyte(ColourGreen(c)), GLubyte(ColourBlue(c)));
}

void MultMatrix(const Matrix3& m)
{
    double gl[16];
    m.ToGL4x4(gl);
    glMultMatrixd(gl);
}

void Append(std::vector<float>& out, const Vector3& v)
{
    out.push_back(float(v.x));
    out.push_back(float(v.y));
    out.push_back(float(v.z));
}

void Append(std::vector<float>& out, const SphericalCoord& p)
{
    Append(out, p.ToVector());
}

void Vertex(const Vector3& v)
{
    glVertex3d(v.x, v.y, v.z);
}

void Vertex(const SphericalCoord& p)
{
    glVertex3d(p.X(), p.Y(), p.Z());
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

SkyRenderer::~SkyRenderer() = default;

void SkyRenderer::ApplyViewOrientation(const SphericalCoord& centre)
{
    // One camera turn for the screen and the printed chart.
    MultMatrix(SkyGeometry::ViewRotation(centre));
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
    cachedLabels_.clear();
}

SphericalCoord SkyRenderer::BodyPosition(int i) const
{
    return scene_.sky.bodies[i].topocentric;
}

// ----- Static geometry of the batched mode -----

std::vector<std::size_t> SkyRenderer::CatalogSizes() const
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
    grid_.clear();
    for (const Vector3& v : SkyGeometry::GridSegments(4))
        Append(grid_, v);
    ground_.clear();
    for (const Vector3& v : SkyGeometry::GroundTriangles())
        Append(ground_, v);
    horizon_.clear();
    for (const Vector3& v : SkyGeometry::HorizonSegments())
        Append(horizon_, v);

    const CatalogSet& c = scene_.catalogs;
    milkyWay_.clear();
    for (const SphericalCoord& p : c.milkyWay.triangles)
        Append(milkyWay_, p);
    figures_.clear();
    for (const auto& line : c.constellationLines) {
        Append(figures_, line->start);
        Append(figures_, line->end);
    }
    boundaries_.clear();
    std::vector<Vector3> pieces;
    for (const auto& b : c.boundaries)
        SkyGeometry::AppendBoundarySegments(b->start, b->end, pieces);
    for (const Vector3& v : pieces)
        Append(boundaries_, v);

    starVertices_.clear();
    starTexCoords_.clear();
    starColours_.clear();
    nightStarColours_.clear();
    static const float kCornerTex[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    for (const auto& star : c.stars) {
        Vector3 corners[4];
        SkyGeometry::StarCorners(star->position, star->sizeFactor, corners);
        for (int k = 0; k < 4; ++k) {
            Append(starVertices_, corners[k]);
            starTexCoords_.push_back(kCornerTex[2 * k]);
            starTexCoords_.push_back(kCornerTex[2 * k + 1]);
            starColours_.push_back(std::uint8_t(ColourRed(star->colour)));
            starColours_.push_back(std::uint8_t(ColourGreen(star->colour)));
            starColours_.push_back(std::uint8_t(ColourBlue(star->colour)));
            starColours_.push_back(255);
        }
    }

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

const std::vector<std::uint8_t>& SkyRenderer::NightStarColours()
{
    if (nightStarColours_.size() != starColours_.size()) {
        nightStarColours_ = starColours_;
        for (std::size_t i = 0; i + 3 < nightStarColours_.size(); i += 4) {
            std::uint8_t* c = &nightStarColours_[i];
            c[0] = std::uint8_t(qRed(NightVision::Map(qRgb(c[0], c[1], c[2]))));
            c[1] = c[2] = 0;
        }
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
    if (!immediate_ && (!built_ || builtSizes_ != CatalogSizes())) {
        atlas_.Release();
        cachedLabels_.clear();
        BuildStaticGeometry();
    }
    glGetDoublev(GL_PROJECTION_MATRIX, projection_);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    // Pictures drawn pixel by pixel (immediate mode) keep their on-screen size too.
    glPixelZoom(GLfloat(labelScale_), GLfloat(labelScale_));
    nightColours = night_ && !immediate_;
    atlas_.SetNight(nightColours);
    const Colour background =
        nightColours ? NightColour(scene_.colours.skyBackground) : scene_.colours.skyBackground;
    glClearColor(ColourRed(background) / 255.0f, ColourGreen(background) / 255.0f,
                 ColourBlue(background) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ApplyViewOrientation(centre);

    const ShownSky& sky = scene_.sky;
    const Matrix3 horizontal = sky.EquatorialToHorizontal();
    // Catalogue positions are J2000: carried to the equator of date before the sidereal
    // time of date meets them.
    const Matrix3 catalogue = horizontal * sky.j2000ToDate;
    if (flags.horizontalGrid) {
        SetColour(scene_.colours.grids[0]);
        DrawGrid();
    }
    if (flags.eclipticGrid) {
        glPushMatrix();
        MultMatrix(horizontal * sky.eclipticToEquatorial);
        SetColour(scene_.colours.grids[2]);
        DrawGrid();
        glPopMatrix();
    }
    if (flags.galacticGrid) {
        glPushMatrix();
        MultMatrix(catalogue * GalacticToJ2000Matrix());
        SetColour(scene_.colours.grids[3]);
        DrawGrid();
        glPopMatrix();
    }

    if (flags.equatorialGrid) {
        glPushMatrix();
        MultMatrix(horizontal);
        SetColour(scene_.colours.grids[1]);
        DrawGrid();
        glPopMatrix();
    }
    glPushMatrix();
    MultMatrix(catalogue);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    if (flags.ngc)
        DrawNgc();
    if (flags.milkyWay)
        DrawMilkyWay();
    if (flags.stars)
        DrawStars();
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
    glPixelZoom(1.0f, 1.0f);
}

void SkyRenderer::DrawGrid()
{
    glDisable(GL_TEXTURE_2D);
    if (!immediate_) {
        DrawSegments(grid_, GL_LINES);
        return;
    }
    glBegin(GL_LINES);
    for (int lon = 0; lon < 360; lon += 10) {
        for (int lat = -80; lat < 80; lat += 4) {
            Vertex(SphericalCoord(lon * kDegToRad, lat * kDegToRad));
            Vertex(SphericalCoord(lon * kDegToRad, (lat + 4) * kDegToRad));
        }
    }
    for (int lat = -80; lat <= 80; lat += 10) {
        for (int lon = 0; lon < 360; lon += 4) {
            Vertex(SphericalCoord(lon * kDegToRad, lat * kDegToRad));
            Vertex(SphericalCoord((lon + 4) * kDegToRad, lat * kDegToRad));
        }
    }
    glEnd();
}

void SkyRenderer::DrawNgc()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const std::string dir = ImagePath("");
    for (const auto& object : scene_.catalogs.ngc) {
        const DibImage* image = TypeImage(*object, dir, SinkOf(scene_));
        if (!image)
            continue;
        if (immediate_) {
            glRasterPos3d(object->position.X(), object->position.Y(), object->position.Z());
            glDrawPixels(image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                         image->pixels.data());
            continue;
        }
        const int type = std::min(int(object->type), TypeImageCache::kSlots - 1);
        if (ngcSlots_[type] == -2)
            ngcSlots_[type] = atlas_.Add(image->pixels.data(), image->width, image->height,
                                         GL_RGB, 1);
        QueueAt(ngcSlots_[type], object->position.ToVector());
    }
    if (!immediate_)
        FlushPictures();
}

void SkyRenderer::DrawMilkyWay()
{
    glDisable(GL_TEXTURE_2D);
    SetColour(scene_.colours.milkyWay);
    if (!immediate_) {
        DrawSegments(milkyWay_, GL_TRIANGLES);
        return;
    }
    const std::vector<SphericalCoord>& t = scene_.catalogs.milkyWay.triangles;
    glBegin(GL_TRIANGLES);
    for (std::size_t i = 0; i + 2 < t.size(); i += 3) {
        Vertex(t[i]);
        Vertex(t[i + 1]);
        Vertex(t[i + 2]);
    }
    glEnd();
}

void SkyRenderer::DrawStars()
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, starTexture_);
    if (!immediate_) {
        if (!starVertices_.empty()) {
            glEnableClientState(GL_VERTEX_ARRAY);
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glEnableClientState(GL_COLOR_ARRAY);
            glVertexPointer(3, GL_FLOAT, 0, starVertices_.data());
            glTexCoordPointer(2, GL_FLOAT, 0, starTexCoords_.data());
            glColorPointer(4, GL_UNSIGNED_BYTE, 0,
                           nightColours ? NightStarColours().data() : starColours_.data());
            glDrawArrays(GL_QUADS, 0, GLsizei(starVertices_.size() / 3));
            glDisableClientState(GL_COLOR_ARRAY);
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
            glDisableClientState(GL_VERTEX_ARRAY);
        }
    } else {
        for (const auto& star : scene_.catalogs.stars) {
            const double s = double(star->sizeFactor) * SkyGeometry::kStarSizeScale;
            glPushMatrix();
            glRotated(star->position.lon * kRadToDeg, 0.0, 0.0, 1.0);
            glRotated(star->position.lat * kRadToDeg, 0.0, -1.0, 0.0);
            SetColour(star->colour);
            glBegin(GL_QUADS);
            glTexCoord2d(0, 0);
            glVertex3d(1, -s, -s);
            glTexCoord2d(1, 0);
            glVertex3d(1, s, -s);
            glTexCoord2d(1, 1);
            glVertex3d(1, s, s);
            glTexCoord2d(0, 1);
            glVertex3d(1, -s, s);
            glEnd();
            glPopMatrix();
        }
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

void SkyRenderer::DrawStarNames()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const auto& names = scene_.catalogs.starNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (immediate_)
            DrawLabelBitmap(Labels().starNames[i], names[i]->position.ToVector());
        else
            QueueAt(starNameSlots_[i], names[i]->position.ToVector());
    }
    if (!immediate_)
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
        if (immediate_)
            DrawLabel(BodyNameKorean(Body(i)).c_str(), colour, at);
        else
            QueueAt(CachedLabelSlot(BodyNameKorean(Body(i)).c_str(), colour), at.ToVector());
    }
    if (!immediate_)
        FlushPictures();
}

void SkyRenderer::DrawFigures()
{
    glDisable(GL_TEXTURE_2D);
    SetColour(scene_.colours.figures);
    if (!immediate_) {
        DrawSegments(figures_, GL_LINES);
        return;
    }
    glBegin(GL_LINES);
    for (const auto& line : scene_.catalogs.constellationLines) {
        Vertex(line->start);
        Vertex(line->end);
    }
    glEnd();
}

void SkyRenderer::DrawBoundaries()
{
    glDisable(GL_TEXTURE_2D);
    SetColour(scene_.colours.boundaries);
    glPushMatrix();
    MultMatrix(PrecessionMatrix(1875.0, 2000.0));
    if (!immediate_) {
        DrawSegments(boundaries_, GL_LINES);
    } else {
        std::vector<Vector3> pieces;
        glBegin(GL_LINES);
        for (const auto& b : scene_.catalogs.boundaries) {
            pieces.clear();
            SkyGeometry::AppendBoundarySegments(b->start, b->end, pieces);
            for (const Vector3& v : pieces)
                Vertex(v);
        }
        glEnd();
    }
    glPopMatrix();
}

void SkyRenderer::DrawConstellationNames()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!nameImage_)
        return;
    const int bandHeight = nameImage_->height / kNamedConstellations;
    const auto& names = scene_.catalogs.constellationNames;
    const std::size_t count = std::min<std::size_t>(names.size(), kNamedConstellations);
    for (std::size_t i = 0; i < count; ++i) {
        const SphericalCoord& p = names[i]->position;
        if (immediate_) {
            glRasterPos3d(p.X(), p.Y(), p.Z());
            const std::uint8_t* band = nameImage_->pixels.data() +
                                       std::size_t(kNamedConstellations - 1 - i) * bandHeight *
                                           nameImage_->width * 3;
            glDrawPixels(nameImage_->width, bandHeight, GL_RGB, GL_UNSIGNED_BYTE, band);
        } else if (i < nameBandSlots_.size()) {
            QueueAt(nameBandSlots_[i], p.ToVector());
        }
    }
    if (!immediate_)
        FlushPictures();
}

void SkyRenderer::DrawMessier()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const auto& objects = scene_.catalogs.messier;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (immediate_)
            DrawLabelBitmap(Labels().messier[i], objects[i]->position.ToVector());
        else
            QueueAt(messierSlots_[i], objects[i]->position.ToVector());
    }
    if (!immediate_)
        FlushPictures();
}

void SkyRenderer::DrawLabel(const char* text, Colour colour, const SphericalCoord& at)
{
    if (!immediate_) {
        QueueAt(CachedLabelSlot(text, colour), at.ToVector());
        return;
    }
    const TextBitmap label(text, scene_.labelFont, colour, 0);
    DrawLabelBitmap(label, at.X(), at.Y(), at.Z());
}

void SkyRenderer::DrawEclipticPoints(const Matrix3& horizontal)
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPushMatrix();
    MultMatrix(horizontal * scene_.sky.eclipticToEquatorial);
    if (!immediate_)
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    const Colour c = scene_.colours.points;
    DrawLabel("춘분점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("하지점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("동지점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    if (!immediate_)
        FlushPictures();
    glPopMatrix();
}

void SkyRenderer::DrawHorizonPoints()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (!immediate_)
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    const Colour c = scene_.colours.points;
    DrawLabel("북점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("동점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("남점", c, SphericalCoord(180.0 * kDegToRad, 0.0));
    DrawLabel("서점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    DrawLabel("천정", c, SphericalCoord(0.0, 90.0 * kDegToRad));
    if (!immediate_)
        FlushPictures();
}

void SkyRenderer::DrawGround()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(0, 0, 0);
    if (!immediate_) {
        DrawSegments(ground_, GL_TRIANGLES);
        return;
    }
    glBegin(GL_TRIANGLES);
    for (int a = 0; a < 360; a += 10) {
        const double a0 = a * kDegToRad;
        const double a1 = (a + 10) * kDegToRad;
        glVertex3d(0.0, 0.0, -0.1);
        glVertex3d(std::cos(a0), std::sin(a0), 0.0);
        glVertex3d(std::cos(a1), std::sin(a1), 0.0);
    }
    glEnd();
}

void SkyRenderer::DrawHorizonLine()
{
    SetColour(scene_.colours.lines);
    if (!immediate_) {
        DrawSegments(horizon_, GL_LINES);
        return;
    }
    glBegin(GL_LINES);
    for (int a = 0; a < 360; a += 10) {
        const double a0 = a * kDegToRad;
        const double a1 = (a + 10) * kDegToRad;
        glVertex3d(std::cos(a0), std::sin(a0), 0.0);
        glVertex3d(std::cos(a1), std::sin(a1), 0.0);
    }
    glEnd();
}
