#include "planetarium/skyrenderer.h"

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

    DrawGround();
    DrawHorizonLine();
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
