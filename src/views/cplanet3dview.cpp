#include "views/cplanet3dview.h"
#include "format/skytext.h"
#include "image/textbitmap.h"
#include "render/labeldrawing.h"

#include <QKeyEvent>
#include <QResizeEvent>

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// The body of each PlanetIndex (the Earth's entry is not used).
constexpr Body kPlanetBodies[kPlanetCount] = {Body::Mercury, Body::Venus,   Body::Sun,
                                              Body::Mars,    Body::Jupiter, Body::Saturn,
                                              Body::Uranus,  Body::Neptune, Body::Pluto};
constexpr int kOrbitPoints = 180;

void SetColour(Colour c)
{
    glColor3ub(static_cast<GLubyte>(ColourRed(c)), static_cast<GLubyte>(ColourGreen(c)),
               static_cast<GLubyte>(ColourBlue(c)));
}

}  // namespace

CPlanet3dView::CPlanet3dView(const ShownSky& sky,
                             const DisplayColors& colours, QWidget* parent)
    : COpenGLWnd(parent), sky_(sky), colours_(colours)
{
    MakeOrbits();
    setFocusPolicy(Qt::StrongFocus);
}

void CPlanet3dView::resizeEvent(QResizeEvent* event)
{
    COpenGLWnd::resizeEvent(event);
    if (event->size().width() > 0 && event->size().height() > 0) {
        SetProjection();
        RequestFrame();
    }
}

void CPlanet3dView::SetProjection()
{
    if (!HasSurface() || !MakeCurrent())
        return;
    const QSize pixels = SurfaceSize();
    glViewport(0, 0, pixels.width(), pixels.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(camera_.fov * kRadToDeg,
                   static_cast<double>(width()) / static_cast<double>(height()),
                   Planet3dCamera::kNearAu, Planet3dCamera::kFarAu);
    glMatrixMode(GL_MODELVIEW);
}

void CPlanet3dView::keyPressEvent(QKeyEvent* event)
{
    // "+" and "-" by their text, whatever key types them; the arrows by key.
    using Step = void (Planet3dCamera::*)();
    struct CameraKey {
        int key;
        const char* text;
        Step step;
    };
    static const CameraKey kCameraKeys[] = {
        {0, "+", &Planet3dCamera::FlyForward},        {0, "-", &Planet3dCamera::FlyBackward},
        {Qt::Key_Left, nullptr, &Planet3dCamera::TurnLeft}, {Qt::Key_Right, nullptr, &Planet3dCamera::TurnRight},
        {Qt::Key_Up, nullptr, &Planet3dCamera::TurnUp},     {Qt::Key_Down, nullptr, &Planet3dCamera::TurnDown},
    };
    const QString text = event->text();
    for (const CameraKey& k : kCameraKeys) {
        if (k.text ? text == QLatin1String(k.text) : event->key() == k.key) {
            (camera_.*k.step)();
            RequestFrame();
            event->accept();
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_L:
        ToggleNames();
        break;
    case Qt::Key_O:
        ToggleOrbits();
        break;
    default:
        COpenGLWnd::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CPlanet3dView::ToggleNames()
{
    showNames_ = !showNames_;
    RequestFrame();
}

void CPlanet3dView::ToggleOrbits()
{
    showOrbits_ = !showOrbits_;
    RequestFrame();
}

std::array<Vector3, kPlanetCount> CPlanet3dView::Planets() const
{
    std::array<Vector3, kPlanetCount> out;
    for (int i = 0; i < kPlanetCount; ++i)
        out[i] = i == kEarth ? sky_.earthHeliocentricEcliptic
                             : sky_[kPlanetBodies[i]].heliocentricEcliptic;
    return out;
}

void CPlanet3dView::SetSky(const ShownSky& sky)
{
    sky_ = sky;
    MakeOrbits();
    RequestFrame();
}

void CPlanet3dView::MakeOrbits()
{
    // The classic elements at the snapshot's instant: a curve, not an ephemeris.
    for (int i = 0; i < kPlanetCount; ++i) {
        Planet planet(i);
        planet.UpdateElements(sky_.ut);
        orbits_[i] = OrbitPath(planet, kOrbitPoints);
    }
}

void CPlanet3dView::DrawScene()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    ClearFrame(colours_.skyBackground);

    const std::array<double, 16> axes = Planet3dCamera::AxisChange();
    glMultMatrixd(axes.data());
    glRotatef(static_cast<float>(camera_.direction.lat * kRadToDeg), 0.0f, 1.0f,
              0.0f);
    glRotatef(static_cast<float>(-camera_.direction.lon * kRadToDeg), 0.0f, 0.0f,
              1.0f);
    glTranslated(-camera_.eye.x, -camera_.eye.y, -camera_.eye.z);

    GLUquadric* ball = gluNewQuadric();
    if (!ball)
        return;
    gluQuadricDrawStyle(ball, GLU_FILL);

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, 0.0f);
    SetColour(colours_.sun);
    gluSphere(ball, kBallRadiusAu, kBallSlices, kBallStacks);
    glPopMatrix();

    // No depth test: later planets cover earlier ones where they overlap on screen.
    const std::array<Vector3, kPlanetCount> planets = Planets();
    for (int i = 0; i < kPlanetCount; ++i) {
        const Vector3& planet = planets[i];
        glPushMatrix();
        glTranslatef(static_cast<float>(planet.x), static_cast<float>(planet.y),
                     static_cast<float>(planet.z));
        SetColour(colours_.planets[i]);
        gluSphere(ball, kBallRadiusAu, kBallSlices, kBallStacks);
        glPopMatrix();
    }
    gluDeleteQuadric(ball);

    if (showOrbits_) {
        for (int i = 0; i < kPlanetCount; ++i) {
            SetColour(colours_.planets[i]);
            glBegin(GL_LINE_LOOP);
            for (const Vector3& p : orbits_[i])
                glVertex3d(p.x, p.y, p.z);
            glEnd();
        }
    }
    if (showNames_) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(14);
        const std::array<Vector3, kPlanetCount> planets = Planets();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        // Added to what is drawn: the label's black background leaves the scene as it is.
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        for (int i = 0; i < kPlanetCount; ++i) {
            const std::string name =
                i == kEarth ? std::string("지구") : BodyNameKorean(kPlanetBodies[i]);
            const TextBitmap label(name, font, colours_.planets[i], 0);
            // Beside the ball, a little further out than its radius.
            const Vector3& p = planets[i];
            DrawLabelBitmap(label, p.x + kBallRadiusAu * 1.5, p.y, p.z + kBallRadiusAu * 1.5);
        }
        glDisable(GL_BLEND);
    }
}
