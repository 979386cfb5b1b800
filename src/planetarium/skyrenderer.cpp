#include "planetarium/skyrenderer.h"

#include "astro/matrix3.h"
#include "astro/observer.h"
#include "astro/skytime.h"
#include "image/textbitmap.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kRadToDeg = 57.29577951308232;
constexpr double kDegToRad = 0.017453292519943295;

void SetColour(Colour c)
{
    glColor3ub(GLubyte(ColourRed(c)), GLubyte(ColourGreen(c)), GLubyte(ColourBlue(c)));
}

}  // namespace

SkyRenderer::SkyRenderer(const SkyScene& scene) : scene_(scene) {}

SkyRenderer::~SkyRenderer() = default;

void SkyRenderer::ApplyViewOrientation(const SphericalCoord& centre)
{
    // Columns (0,0,-1), (1,0,0), (0,1,0): north forward (-z), east right, zenith up.
    static const GLdouble kAxisChange[16] = {0, 0, -1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    glMultMatrixd(kAxisChange);
    glRotated(centre.lat * kRadToDeg, 0.0, 1.0, 0.0);
    glRotated(-centre.lon * kRadToDeg, 0.0, 0.0, 1.0);
}

void SkyRenderer::OnContextCreated() {}

void SkyRenderer::ReleaseGL() {}

void SkyRenderer::Draw(const SphericalCoord& centre, const LayerFlags& flags,
                       const QSize& viewport)
{
    (void)flags;
    (void)viewport;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    const Colour background = scene_.colours.skyBackground;
    glClearColor(ColourRed(background) / 255.0f, ColourGreen(background) / 255.0f,
                 ColourBlue(background) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ApplyViewOrientation(centre);

    const Matrix3 horizontal = HorizontalMatrix(scene_.lst, scene_.observer.latitude);
    DrawEclipticPoints(horizontal);
    DrawHorizonPoints();
    DrawGround();
    DrawHorizonLine();
}

void SkyRenderer::DrawLabel(const char* text, Colour colour, const SphericalCoord& at)
{
    const TextBitmap label(text, scene_.labelFont, colour, 0);
    label.Draw(at.X(), at.Y(), at.Z());
}

void SkyRenderer::DrawEclipticPoints(const Matrix3& horizontal)
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPushMatrix();
    double m[16];
    (horizontal * EclipticToEquatorialMatrix(scene_.ut)).ToGL4x4(m);
    glMultMatrixd(m);
    const Colour c = scene_.colours.points;
    DrawLabel("춘분점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("하지점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("동지점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    glPopMatrix();
}

void SkyRenderer::DrawHorizonPoints()
{
    glDisable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const Colour c = scene_.colours.points;
    DrawLabel("북점", c, SphericalCoord(0.0, 0.0));
    DrawLabel("동점", c, SphericalCoord(90.0 * kDegToRad, 0.0));
    DrawLabel("남점", c, SphericalCoord(180.0 * kDegToRad, 0.0));
    DrawLabel("서점", c, SphericalCoord(270.0 * kDegToRad, 0.0));
    DrawLabel("천정", c, SphericalCoord(0.0, 90.0 * kDegToRad));
}

void SkyRenderer::DrawGround()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
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
}

void SkyRenderer::DrawHorizonLine()
{
    SetColour(scene_.colours.lines);
    glBegin(GL_LINES);
    for (int a = 0; a < 360; a += 10) {
        const double a0 = a * kDegToRad;
        const double a1 = (a + 10) * kDegToRad;
        glVertex3d(std::cos(a0), std::sin(a0), 0.0);
        glVertex3d(std::cos(a1), std::sin(a1), 0.0);
    }
    glEnd();
}
