#include "planetarium/cplanetariumview.h"
#include "image/nightvision.h"
#include "astro/math/angles.h"

#include "planetarium/findbody.h"

#include "planetarium/skygeometry.h"
#include "planetarium/skyrenderer.h"
#include "search/skypick.h"

#include <QKeyEvent>
#include <QPainter>
#include <QMouseEvent>
#include <QResizeEvent>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

using SkyGeometry::kFarPlane;
using SkyGeometry::kNearPlane;

double WrapAzimuth(double a)
{
    return a - kTwoPi * std::floor(a / kTwoPi);
}

}  // namespace

CPlanetariumView::CPlanetariumView(const SkyScene& scene, QWidget* parent)
    : COpenGLWnd(parent), scene_(scene), renderer_(std::make_unique<SkyRenderer>(scene))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
}

CPlanetariumView::~CPlanetariumView()
{
    // The renderer's textures and buffers live in this window's context.
    if (MakeCurrent())
        renderer_->ReleaseGL();
}

void CPlanetariumView::SetViewCentre(const SphericalCoord& centre)
{
    viewCentre_ = centre;
    CameraTurned();
}

void CPlanetariumView::CameraTurned()
{
    // Pointer tracking and the next drag step unproject through the camera just set, even
    // before the repaint has happened.
    if (MakeCurrent())
        LoadViewOrientation();
    RequestFrame();
}

void CPlanetariumView::OnContextCreated()
{
    renderer_->OnContextCreated();
}

void CPlanetariumView::SetProjection()
{
    const QSize size = SurfaceSize();
    if (size.isEmpty())
        return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView_ * kRadToDeg, double(size.width()) / double(size.height()),
                   kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void CPlanetariumView::LoadViewOrientation()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    SkyRenderer::ApplyViewOrientation(viewCentre_);
}

void CPlanetariumView::resizeEvent(QResizeEvent* event)
{
    COpenGLWnd::resizeEvent(event);
    if (!MakeCurrent())
        return;
    const QSize size = SurfaceSize();
    glViewport(0, 0, size.width(), size.height());
    SetProjection();
    // Pointer tracking before the first paint already finds the camera in place.
    LoadViewOrientation();
    RequestFrame();
}

void CPlanetariumView::DrawScene()
{
    renderer_->SetLabelScale(devicePixelRatioF());
    renderer_->SetNightVision(NightVision::On() && DrawingForScreen());
    renderer_->Draw(viewCentre_, *flags_, SurfaceSize());
}

bool CPlanetariumView::ScreenToSky(double px, double py, SphericalCoord* direction)
{
    if (!MakeCurrent())
        return false;
    GLint viewport[4];
    GLdouble modelView[16];
    GLdouble projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double wx = px;
    const double wy = double(viewport[3]) - py - 1.0;
    GLdouble x = 0, y = 0, z = 0;
    const bool ok = gluUnProject(wx, wy, 1.0, modelView, projection, viewport, &x, &y, &z) ==
                    GL_TRUE;
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length > 0.0) {
        *direction = SphericalCoord::FromUnitXYZ(x / length, y / length, z / length);
    } else {
        *direction = SphericalCoord(0.0, 0.0);
    }
    return ok && length > 0.0;
}

QPointF CPlanetariumView::DevicePoint(const QPointF& logical) const
{
    return logical * devicePixelRatioF();
}

void CPlanetariumView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        lastDragPoint_ = DevicePoint(event->position());
        pressPoint_ = lastDragPoint_;
        movedSincePress_ = false;
        dragging_ = true;
        RequestFrame();
    }
    COpenGLWnd::mousePressEvent(event);
}

void CPlanetariumView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        // A click without a drag: the object under the pointer, or none.
        if (!movedSincePress_ && scene_.index) {
            const int object = ObjectAt(pressPoint_.x(), pressPoint_.y());
            MarkObject(object);
            emit ObjectSelected(object);
        }
    }
    COpenGLWnd::mouseReleaseEvent(event);
}

void CPlanetariumView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF point = DevicePoint(event->position());
    if (dragging_) {
        const QPointF travel = point - pressPoint_;
        if (std::hypot(travel.x(), travel.y()) > kClickSlopPx)
            movedSincePress_ = true;
        Drag(point);
    } else {
        SphericalCoord direction;
        if (ScreenToSky(point.x(), point.y(), &direction))
            emit PointerMoved(direction);
    }
    COpenGLWnd::mouseMoveEvent(event);
}

void CPlanetariumView::Drag(const QPointF& to)
{
    SphericalCoord p;
    SphericalCoord q;
    ScreenToSky(lastDragPoint_.x(), lastDragPoint_.y(), &p);
    ScreenToSky(to.x(), to.y(), &q);
    double dAz = p.lon - q.lon;
    if (dAz > kPi)
        dAz -= kTwoPi;
    double dAlt = p.lat - q.lat;
    if (dAlt > kPi)
        dAlt -= kTwoPi;
    double altitude = viewCentre_.lat + dAlt;
    if (altitude < 0.0)
        altitude = 0.0;
    if (altitude > kHalfPi)
        altitude = kHalfPi;
    viewCentre_ = SphericalCoord(WrapAzimuth(viewCentre_.lon + dAz), altitude);
    CameraTurned();
    lastDragPoint_ = to;
}

void CPlanetariumView::keyPressEvent(QKeyEvent* event)
{
    const double step = fieldOfView_ * kArrowStepPerFieldOfView;
    switch (event->key()) {
    case Qt::Key_Left:
        viewCentre_.lon = WrapAzimuth(viewCentre_.lon - step);
        CameraTurned();
        return;
    case Qt::Key_Right:
        viewCentre_.lon = WrapAzimuth(viewCentre_.lon + step);
        CameraTurned();
        return;
    case Qt::Key_Up: {
        const double altitude = viewCentre_.lat + step;
        viewCentre_.lat = altitude > kHalfPi ? kHalfPi : altitude;
        CameraTurned();
        return;
    }
    case Qt::Key_Down: {
        const double altitude = viewCentre_.lat - step;
        viewCentre_.lat = altitude < 0.0 ? 0.0 : altitude;
        CameraTurned();
        return;
    }
    case Qt::Key_Escape:
        if (marked_ >= 0) {
            MarkObject(-1);
            emit ObjectSelected(-1);
            return;
        }
        break;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        switch (text.at(0).unicode()) {
        case 'E': case 'e': OnViewEast(); return;
        case 'N': case 'n': OnViewNorth(); return;
        case 'S': case 's': OnViewSouth(); return;
        case 'W': case 'w': OnViewWest(); return;
        case 'Z': case 'z': OnViewZenith(); return;
        case '+': OnZoomIn(); return;
        case '-': OnZoomOut(); return;
        default: break;
        }
    }
    COpenGLWnd::keyPressEvent(event);
}

void CPlanetariumView::OnViewEast()
{
    SetViewCentre(SphericalCoord(kHalfPi, 0.0));
}

void CPlanetariumView::OnViewNorth()
{
    SetViewCentre(SphericalCoord(0.0, 0.0));
}

void CPlanetariumView::OnViewSouth()
{
    SetViewCentre(SphericalCoord(kPi, 0.0));
}

void CPlanetariumView::OnViewWest()
{
    SetViewCentre(SphericalCoord(kHalfPi * 3.0, 0.0));
}

void CPlanetariumView::OnViewZenith()
{
    SetViewCentre(SphericalCoord(viewCentre_.lon, kHalfPi));
}

void CPlanetariumView::OnZoomIn()
{
    fieldOfView_ *= 2.0 / 3.0;
    if (fieldOfView_ < kMinFieldOfViewRad)
        fieldOfView_ = kMinFieldOfViewRad;
    if (MakeCurrent())
        SetProjection();
    RequestFrame();
}

void CPlanetariumView::OnZoomOut()
{
    fieldOfView_ *= 1.5;
    if (fieldOfView_ > kMaxFieldOfViewRad)
        fieldOfView_ = kMaxFieldOfViewRad;
    if (MakeCurrent())
        SetProjection();
    RequestFrame();
}

void CPlanetariumView::OnFindBody(Body body)
{
    FindBodyInView(*this, body);
}

bool CPlanetariumView::DrawsNightColours() const
{
    return renderer_ != nullptr;
}

void CPlanetariumView::MarkObject(int object)
{
    const bool known = scene_.index && object >= 0 &&
                       object < static_cast<int>(scene_.index->Objects().size());
    marked_ = known ? object : -1;
    RequestFrame();
}

namespace {

PickFrame FrameOf(const SkyRenderer& renderer, const LayerFlags& flags)
{
    PickFrame frame;
    renderer.LastFrame(frame.modelView, frame.projection, frame.viewport);
    frame.bodies = flags.solarSystem != 0;
    frame.starNames = flags.starNames != 0;
    frame.stars = flags.stars != 0;
    frame.messier = flags.messier != 0;
    frame.ngc = flags.ngc != 0;
    // The deep stars BuildFaintStars drew: those to the limit of the field of view.
    if (flags.faintStars != 0)
        frame.deepStarLimit =
            SkyGeometry::LimitingMagnitude(SkyGeometry::FieldOfViewOf(frame.projection));
    return frame;
}

}  // namespace

int CPlanetariumView::ObjectAt(double px, double py) const
{
    if (!scene_.index)
        return -1;
    return PickObject(*scene_.index, scene_.sky, FrameOf(*renderer_, *flags_), px, py,
                      kPickRadiusPx);
}

bool CPlanetariumView::MarkedPixel(double& px, double& py) const
{
    if (marked_ < 0 || !scene_.index)
        return false;
    const SkyObject& o = scene_.index->Object(static_cast<std::size_t>(marked_));
    const Vector3 at = o.kind == SkyObjectKind::Body ? BodyJ2000(scene_.sky, o.body).ToVector()
                                                     : o.unit;
    return ProjectToPixel(FrameOf(*renderer_, *flags_), at, px, py);
}

bool CPlanetariumView::FindObject(int object)
{
    if (!scene_.index || object < 0 ||
        object >= static_cast<int>(scene_.index->Objects().size()))
        return false;
    const SphericalCoord place =
        HorizontalPlace(*scene_.index, static_cast<std::size_t>(object), scene_.sky);
    if (place.lat < 0.0) {
        ShowFindMessage(this, QString::fromUtf8(kBelowHorizonMessage));
        return false;
    }
    SetViewCentre(place);
    MarkObject(object);
    emit ObjectSelected(object);
    return true;
}

void CPlanetariumView::paintEvent(QPaintEvent* event)
{
    COpenGLWnd::paintEvent(event);
    double px = 0.0, py = 0.0;
    if (!MarkedPixel(px, py))
        return;
    // The reticle: a ring with four ticks around the marked object, in logical pixels.
    const double ratio = devicePixelRatioF();
    const QPointF c(px / ratio, py / ratio);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor reticle(255, 120, 60);
    painter.setPen(QPen(NightVision::On() ? NightVision::Map(reticle) : reticle, 1.5));
    constexpr double kRing = 12.0;
    constexpr double kTick = 6.0;
    painter.drawEllipse(c, kRing, kRing);
    painter.drawLine(QPointF(c.x() - kRing - kTick, c.y()), QPointF(c.x() - kRing + 2, c.y()));
    painter.drawLine(QPointF(c.x() + kRing - 2, c.y()), QPointF(c.x() + kRing + kTick, c.y()));
    painter.drawLine(QPointF(c.x(), c.y() - kRing - kTick), QPointF(c.x(), c.y() - kRing + 2));
    painter.drawLine(QPointF(c.x(), c.y() + kRing - 2), QPointF(c.x(), c.y() + kRing + kTick));
}
