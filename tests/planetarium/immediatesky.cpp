#include "immediatesky.h"

#include "astro/math/angles.h"
#include "astro/math/matrix3.h"
#include "astro/sky/frames.h"
#include "astro/sky/shownsky.h"
#include "catalog/catalogset.h"
#include "catalog/deepstarindex.h"
#include "catalog/typeimagecache.h"
#include "format/skytext.h"
#include "image/dibimage.h"
#include "render/copenglwnd.h"
#include "image/messagesink.h"
#include "image/textbitmap.h"
#include "planetarium/skygeometry.h"
#include "planetarium/skyrenderer.h"
#include "render/cataloglabels.h"
#include "render/labeldrawing.h"

#include <QCoreApplication>

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr int kNamedConstellations = 88;  // bands in the name image

using Sky = SkyRenderer;

void Vertex(const Vector3& v)
{
    glVertex3d(v.x, v.y, v.z);
}

void Vertex(const SphericalCoord& p)
{
    glVertex3d(p.X(), p.Y(), p.Z());
}

}  // namespace

void OracleSkyView::DrawScene()
{
    if (!immediate_) {
        CPlanetariumView::DrawScene();
        return;
    }
    oracle_.Draw(ViewCentre(), Layers(), SurfaceSize(), devicePixelRatioF(), Renderer());
}

void ImmediateSky::Draw(const SphericalCoord& centre, const LayerFlags& flags,
                        const QSize& viewport, double labelScale, const SkyRenderer& renderer)
{
    renderer_ = &renderer;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    glPixelZoom(GLfloat(labelScale), GLfloat(labelScale));
    const Colour background = scene_.colours.skyBackground;
    COpenGLWnd::ClearFrame(background);
    SkyRenderer::ApplyViewOrientation(centre);

    const ShownSky& sky = scene_.sky;
    const Matrix3 horizontal = sky.EquatorialToHorizontal();
    const Matrix3 catalogue = SkyGeometry::CatalogueToHorizontal(sky);
    for (const SkyGeometry::GridPass& grid : SkyGeometry::GridPasses(sky)) {
        if (!(flags.*grid.flag))
            continue;
        glPushMatrix();
        Sky::MultMatrix(grid.toHorizontal);
        Sky::SetColour(scene_.colours.grids[grid.colourIndex], false);
        DrawGrid();
        glPopMatrix();
    }
    glPushMatrix();
    Sky::MultMatrix(catalogue);
    const CatalogSet& c = scene_.catalogs;
    if (flags.ngc)
        DrawNgc();
    if (flags.milkyWay) {
        glDisable(GL_TEXTURE_2D);
        Sky::SetColour(scene_.colours.milkyWay, false);
        const std::vector<SphericalCoord>& t = c.milkyWay.triangles;
        glBegin(GL_TRIANGLES);
        for (std::size_t i = 0; i + 2 < t.size(); i += 3) {
            Vertex(t[i]);
            Vertex(t[i + 1]);
            Vertex(t[i + 2]);
        }
        glEnd();
    }
    if (flags.stars) {
        double modelView[16], projection[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        DrawStars(flags.faintStars != 0, modelView, projection, viewport.height());
    }
    // The scene's label pictures, or pictures made here from the names.
    const bool sceneLabels = scene_.labels &&
                             scene_.labels->starNames.size() == c.starNames.size() &&
                             scene_.labels->messier.size() == c.messier.size();
    if (!sceneLabels && (ownLabels_.starNames.size() != c.starNames.size() ||
                         ownLabels_.messier.size() != c.messier.size()))
        ownLabels_ = MakeCatalogLabels(c, scene_.labelFont, scene_.messierFont,
                                       scene_.colours.starNames, scene_.colours.messier);
    const CatalogLabels& labels = sceneLabels ? *scene_.labels : ownLabels_;
    if (flags.starNames) {
        glDisable(GL_TEXTURE_2D);
        for (std::size_t i = 0; i < c.starNames.size(); ++i)
            DrawLabelBitmap(labels.starNames[i], c.starNames[i].position.ToVector());
    }
    if (flags.solarSystem) {
        glDisable(GL_TEXTURE_2D);
        const DisplayColors& colours = scene_.colours;
        const Matrix3 toCatalogue = sky.j2000ToDate.Transposed();
        for (int i = 0; i < SkyRenderer::kBodyCount; ++i) {
            const int index = SkyRenderer::kBodyIndex[i];
            const Colour colour =
                index == -2 ? colours.sun : colours.planets[index < 0 ? 0 : index];
            const SphericalCoord at = SphericalCoord::FromVector(
                toCatalogue.Apply(renderer.BodyPosition(i).ToVector()));
            DrawLabel(BodyNameKorean(Body(i)).c_str(), colour, at);
        }
    }
    if (flags.figures) {
        glDisable(GL_TEXTURE_2D);
        Sky::SetColour(scene_.colours.figures, false);
        glBegin(GL_LINES);
        for (const auto& line : c.constellationLines) {
            Vertex(line.start);
            Vertex(line.end);
        }
        glEnd();
    }
    if (flags.boundaries) {
        glDisable(GL_TEXTURE_2D);
        Sky::SetColour(scene_.colours.boundaries, false);
        glPushMatrix();
        Sky::MultMatrix(PrecessionMatrix(1875.0, 2000.0));
        std::vector<Vector3> pieces;
        glBegin(GL_LINES);
        for (const auto& b : c.boundaries) {
            pieces.clear();
            SkyGeometry::AppendBoundarySegments(b.start, b.end, pieces);
            for (const Vector3& v : pieces)
                Vertex(v);
        }
        glEnd();
        glPopMatrix();
    }
    const DibImage* names = renderer.NameImage();
    if (flags.constellationNames && names) {
        glDisable(GL_TEXTURE_2D);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        const int bandHeight = names->height / kNamedConstellations;
        const std::size_t count =
            std::min<std::size_t>(c.constellationNames.size(), kNamedConstellations);
        for (std::size_t i = 0; i < count; ++i) {
            const SphericalCoord& p = c.constellationNames[i].position;
            glRasterPos3d(p.X(), p.Y(), p.Z());
            const std::uint8_t* band = names->pixels.data() +
                                       std::size_t(kNamedConstellations - 1 - i) * bandHeight *
                                           names->width * 3;
            glDrawPixels(names->width, bandHeight, GL_RGB, GL_UNSIGNED_BYTE, band);
        }
    }
    if (flags.messier) {
        glDisable(GL_TEXTURE_2D);
        for (std::size_t i = 0; i < c.messier.size(); ++i)
            DrawLabelBitmap(labels.messier[i], c.messier[i].position.ToVector());
    }
    glPopMatrix();

    // Reference points on the ecliptic and the horizon.
    glDisable(GL_TEXTURE_2D);
    const Colour points = scene_.colours.points;
    glPushMatrix();
    Sky::MultMatrix(horizontal * sky.eclipticToEquatorial);
    DrawLabel("춘분점", points, SphericalCoord(0.0, 0.0));
    DrawLabel("하지점", points, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("동지점", points, SphericalCoord(270.0 * kDegToRad, 0.0));
    glPopMatrix();
    DrawLabel("북점", points, SphericalCoord(0.0, 0.0));
    DrawLabel("동점", points, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("남점", points, SphericalCoord(180.0 * kDegToRad, 0.0));
    DrawLabel("서점", points, SphericalCoord(270.0 * kDegToRad, 0.0));
    DrawLabel("천정", points, SphericalCoord(0.0, 90.0 * kDegToRad));

    // The ground, then the horizon line over it.
    glDisable(GL_BLEND);
    glColor3ub(0, 0, 0);
    glBegin(GL_TRIANGLES);
    for (int a = 0; a < 360; a += 10) {
        const double a0 = a * kDegToRad;
        const double a1 = (a + 10) * kDegToRad;
        glVertex3d(0.0, 0.0, -0.1);
        glVertex3d(std::cos(a0), std::sin(a0), 0.0);
        glVertex3d(std::cos(a1), std::sin(a1), 0.0);
    }
    glEnd();
    Sky::SetColour(scene_.colours.lines, false);
    glBegin(GL_LINES);
    for (int a = 0; a < 360; a += 10) {
        const double a0 = a * kDegToRad;
        const double a1 = (a + 10) * kDegToRad;
        glVertex3d(std::cos(a0), std::sin(a0), 0.0);
        glVertex3d(std::cos(a1), std::sin(a1), 0.0);
    }
    glEnd();
    glPixelZoom(1.0f, 1.0f);
}

void ImmediateSky::DrawGrid()
{
    glDisable(GL_TEXTURE_2D);
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

void ImmediateSky::DrawNgc()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    std::string dir = scene_.moduleDirectory;
    if (dir.empty())
        dir = QCoreApplication::applicationDirPath().toStdString();
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    SilentMessageSink silent;
    for (const auto& object : scene_.catalogs.ngc) {
        const DibImage* image = TypeImage(object, dir, silent);
        if (!image)
            continue;
        glRasterPos3d(object.position.X(), object.position.Y(), object.position.Z());
        glDrawPixels(image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE, image->pixels.data());
    }
}

void ImmediateSky::DrawStars(bool faint, const double modelView[16], const double projection[16],
                             int viewportHeight)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, renderer_->StarTexture());
    // A quadrilateral of half-width s in the plane x = 1, turned onto the star.
    auto quad = [](const SphericalCoord& position, double s) {
        glPushMatrix();
        glRotated(position.lon * kRadToDeg, 0.0, 0.0, 1.0);
        glRotated(position.lat * kRadToDeg, 0.0, -1.0, 0.0);
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
    };
    const DeepStarIndex* deep = scene_.deepStars;
    const double field = SkyGeometry::FieldOfViewOf(projection);
    const double limit = SkyGeometry::LimitingMagnitude(field);
    if (faint && deep && viewportHeight > 0 && limit > SkyGeometry::kNakedEyeLimitMag) {
        Vector3 centre;
        double radius = 0.0;
        SkyGeometry::ViewCircle(modelView, projection, &centre, &radius);
        const double radPerPixel = field / viewportHeight;
        deep->ForEachInCircle(centre, radius, float(SkyGeometry::kNakedEyeLimitMag), float(limit),
                              [&](const DeepStar& s) {
                                  glColor4ub(GLubyte(ColourRed(s.colour)),
                                             GLubyte(ColourGreen(s.colour)),
                                             GLubyte(ColourBlue(s.colour)),
                                             SkyGeometry::FaintStarAlpha(s.magnitude, limit));
                                  quad(s.position, SkyGeometry::kStarSizeScale *
                                                       SkyGeometry::FaintStarSizeFactor(
                                                           s.magnitude, radPerPixel));
                              });
    }
    for (const auto& star : scene_.catalogs.stars) {
        Sky::SetColour(star.colour, false);
        quad(star.position, double(star.sizeFactor) * SkyGeometry::kStarSizeScale);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

void ImmediateSky::DrawLabel(const char* text, Colour colour, const SphericalCoord& at)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const TextBitmap label(text, scene_.labelFont, colour, 0);
    DrawLabelBitmap(label, at.X(), at.Y(), at.Z());
}
