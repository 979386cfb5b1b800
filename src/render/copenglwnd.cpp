#include "render/copenglwnd.h"
#include "image/nightvision.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QResizeEvent>
#include <QtMath>

#include <GL/gl.h>

#ifndef GL_PACK_INVERT_MESA
#define GL_PACK_INVERT_MESA 0x8758
#endif

namespace {

QSurfaceFormat SurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(16);
    format.setAlphaBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::SingleBuffer);
    return format;
}

}  // namespace

COpenGLWnd::COpenGLWnd(QWidget* parent) : QWidget(parent)
{
    // The paint covers the whole client area with the finished image; nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(SurfaceFormat());
    surface_->create();
    if (!surface_->isValid())
        ReportFailure(QStringLiteral("WM_CREATE - GetDC failed"));
}

COpenGLWnd::~COpenGLWnd()
{
    // Framebuffer and textures belong to the context: release them with it current.
    if (context_ && surface_ && surface_->isValid())
        context_->makeCurrent(surface_.get());
    framebuffer_.reset();
    if (context_)
        context_->doneCurrent();
    context_.reset();
    surface_.reset();
}

QSize COpenGLWnd::SurfaceSize() const
{
    return framebuffer_ ? framebuffer_->size() : QSize();
}

void COpenGLWnd::ReportFailure(const QString& message)
{
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), message,
                         QMessageBox::Ok);
}

void COpenGLWnd::Fail(const char* message)
{
    framebuffer_.reset();
    if (context_)
        context_->doneCurrent();
    failed_ = true;
    ReportFailure(QString::fromLatin1(message));
    hide();
}

bool COpenGLWnd::RebuildSurface(int width, int height)
{
    if (context_)
        context_->doneCurrent();
    framebuffer_.reset();
    if (!surface_ || !surface_->isValid()) {
        Fail("WM_SIZE - Create24bppDIBSection failed");
        return false;
    }
    bool created = false;
    if (!context_) {
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(SurfaceFormat());
        if (!context_->create()) {
            context_.reset();
            Fail("WM_SIZE - wglCreateContext failed");
            return false;
        }
        created = true;
    }
    if (!context_->makeCurrent(surface_.get())) {
        Fail("WM_SIZE - wglMakeCurrent failed");
        return false;
    }
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    // RGBA, read back as BGRA words: Mesa's llvmpipe copies such a buffer without converting
    // it (an RGB buffer reads 2.2 times slower, every pixel converted, BM_ReadBackFormat).
    // Its alpha stays 1 without a colour mask (a masked clear costs six times an unmasked
    // one there): scenes clear with ClearFrame, and the views' blend functions
    // (GL_SRC_ALPHA, GL_DST_ALPHA and GL_ONE, GL_ONE) add to an alpha of 1, which stays 1.
    format.setInternalTextureFormat(GL_RGBA8);
    framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(width, height, format);
    if (!framebuffer_->isValid()) {
        Fail("WM_SIZE - Create24bppDIBSection failed");
        return false;
    }
    if (!framebuffer_->bind()) {
        Fail("WM_SIZE - CreateCompatibleDC failed");
        return false;
    }
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    if (depthBits < 16) {
        Fail("WM_SIZE - InitPixelFormat failed");
        return false;
    }
    image_ = QImage(width, height, QImage::Format_RGB32);
    frameRequested_ = true;
    imageCurrent_ = false;
    if (created) {
        packInvert_ = context_->hasExtension(QByteArrayLiteral("GL_MESA_pack_invert"));
        ++contextCreatedCount_;
        OnContextCreated();
    }
    return true;
}

bool COpenGLWnd::MakeCurrent()
{
    if (!framebuffer_ || !context_)
        return false;
    if (!context_->makeCurrent(surface_.get()))
        return false;
    return framebuffer_->bind();
}

void COpenGLWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (failed_)
        return;
    const double ratio = devicePixelRatioF();
    const int width = qCeil(event->size().width() * ratio - 1e-9);
    const int height = qCeil(event->size().height() * ratio - 1e-9);
    if (width <= 0 || height <= 0)
        return;  // a minimised window keeps its previous surface
    if (framebuffer_ && framebuffer_->size() == QSize(width, height))
        return;
    RebuildSurface(width, height);
}

void COpenGLWnd::ClearFrame(Colour background)
{
    constexpr float kPerLevel = 1.0f / 255.0f;
    glClearColor(float(ColourRed(background)) * kPerLevel,
                 float(ColourGreen(background)) * kPerLevel,
                 float(ColourBlue(background)) * kPerLevel, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void COpenGLWnd::DrawFrame()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    DrawScene();
}

void COpenGLWnd::ReadFrame(uchar* topRow, int bytesPerLine)
{
    const QSize size = framebuffer_->size();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, bytesPerLine / 4);
    if (packInvert_)
        glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
    // BGRA bytes are the 0xffRRGGBB words of an RGB32 image on a little-endian machine.
    glReadPixels(0, 0, size.width(), size.height(), GL_BGRA, GL_UNSIGNED_BYTE, topRow);
    if (packInvert_)
        glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

void COpenGLWnd::ReadFrameIntoImage()
{
    ReadFrame(image_.bits(), int(image_.bytesPerLine()));
    if (!packInvert_)
        image_.mirror(false, true);
    image_.setDevicePixelRatio(devicePixelRatioF());
    imageCurrent_ = true;
}

bool COpenGLWnd::ReadFrameIntoDevice(QPainter& painter)
{
    // Only where the painter writes to an image (the window's backing store, not a pixmap
    // of grab()) that the frame fits in whole, every pixel of it to be painted (no other
    // window over it), rows top first straight from the driver.
    QPaintEngine* engine = painter.paintEngine();
    if (!packInvert_ || !engine || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return false;
    QImage* device = static_cast<QImage*>(engine->paintDevice());
    const QImage::Format format = device->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied &&
         format != QImage::Format_ARGB32) ||
        !device->isDetached())
        return false;
    const QPointF origin = painter.deviceTransform().map(QPointF(0.0, 0.0));
    const QPoint at(qRound(origin.x()), qRound(origin.y()));
    if (QPointF(at) != origin)
        return false;
    const QRect frame(at, framebuffer_->size());
    const QRegion clip = engine->systemClip();
    if (!device->rect().contains(frame) || clip.isEmpty() ||
        !QRegion(frame).subtracted(clip).isEmpty())
        return false;
    const int bytesPerLine = int(device->bytesPerLine());
    ReadFrame(device->bits() + std::ptrdiff_t(at.y()) * bytesPerLine + std::ptrdiff_t(at.x()) * 4,
              bytesPerLine);
    return true;
}

void COpenGLWnd::RequestFrame()
{
    frameRequested_ = true;
    update();
}

QImage COpenGLWnd::RenderImage()
{
    if (failed_ || !MakeCurrent())
        return QImage();
    forScreen_ = false;
    DrawFrame();
    ReadFrameIntoImage();
    frameRequested_ = true;  // the next paint draws a screen frame again
    return image_;
}

void COpenGLWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    readStraight_ = false;
    if (failed_ || !MakeCurrent()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // Night vision maps the frame on screen only; RenderImage keeps the day colours.
    const bool mapNight = NightVision::On() && !DrawsNightColours();
    // Only a requested frame (or night vision switched) draws anew. Any other paint, of a
    // part of the window or all of it (a window moved off it, the window shown again), shows
    // the last frame again: the framebuffer holds it at the current size and colours.
    if (frameRequested_ || shownAtNight_ != NightVision::On()) {
        forScreen_ = true;
        DrawFrame();
        forScreen_ = false;
        frameRequested_ = false;
        shownAtNight_ = NightVision::On();
        imageCurrent_ = false;
    }
    // Read back straight into the window's backing store when it can take the whole frame:
    // no copy of it to paint. The framebuffer keeps the frame for a later paint.
    if (!mapNight && !imageCurrent_ && ReadFrameIntoDevice(painter)) {
        readStraight_ = true;
        return;
    }
    if (!imageCurrent_) {
        ReadFrameIntoImage();
        if (mapNight)
            NightVision::Map(image_);
    }
    painter.drawImage(QPointF(0, 0), image_);
}
