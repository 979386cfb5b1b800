#pragma once

#include "render/displaycolors.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;
class QPainter;

// Base window of the OpenGL views. It never renders into the window itself: a GL context
// (compatibility profile, depth of at least 16 bits) draws on an off-screen surface into a
// framebuffer object of the client size in device pixels with an RGBA colour buffer whose
// alpha stays 1 (scenes clear with ClearFrame), and every paint shows the finished image in
// one piece, read back straight into the window's backing store when nothing covers the
// window. A paint draws anew only after RequestFrame, a new surface or night vision switched;
// any other paint, of a part of the window or all of it, shows the last frame again. The
// framebuffer is rebuilt only on resize; the context lives as long as the window.
class COpenGLWnd : public QWidget {
    Q_OBJECT
public:
    explicit COpenGLWnd(QWidget* parent = nullptr);
    ~COpenGLWnd() override;

    // Makes this window's context current with its framebuffer bound; false when the window
    // has no surface yet (before the first successful resize) or the binding fails. Every
    // GL read of a view's state goes through this first, since several GL windows share
    // the thread.
    bool MakeCurrent();

    // Renders one frame into the framebuffer and returns it (top row first); the image
    // a paint would show. Null when there is no surface.
    QImage RenderImage();

    bool HasSurface() const { return framebuffer_ != nullptr; }
    // Size of the framebuffer in device pixels (empty without a surface).
    QSize SurfaceSize() const;
    QOpenGLContext* Context() const { return context_.get(); }
    // Device pixels per logical pixel of this window.
    double PixelRatio() const { return devicePixelRatioF(); }
    // How many times OnContextCreated has run (once at most).
    int ContextCreatedCount() const { return contextCreatedCount_; }
    // Asks for a new frame: the next paint draws the scene again, whatever part of the window
    // it paints. Every change of what the view shows goes through this, not through update():
    // a paint without it shows the last frame.
    void RequestFrame();

    // Clears the colour buffer of the current context to a background colour with alpha 1.
    // Every scene starts with it: the frame is read back as opaque RGB32 words, and additive
    // blending (GL_SRC_ALPHA, GL_DST_ALPHA) needs a destination alpha of 1.
    static void ClearFrame(Colour background);

    // True when the last paint read its frame straight into the backing store.
    bool LastPaintReadStraight() const { return readStraight_; }

protected:
    // Draws the whole scene; called on every paint with the context current, the matrix
    // mode set to model-view and the model-view matrix set to identity.
    virtual void DrawScene() {}
    // True when DrawScene draws night vision's reds itself; otherwise the finished frame is
    // mapped pixel by pixel before it is shown.
    virtual bool DrawsNightColours() const { return false; }
    // True while the frame being drawn is for the screen (a paint), false for RenderImage
    // (printing, saving): only the screen gets night vision.
    bool DrawingForScreen() const { return forScreen_; }
    // One-time set-up that needs a current context (textures, images); called exactly once,
    // right after the context was created and made current for the first time.
    virtual void OnContextCreated() {}

    // Rebuilds the surface for the new client size. Derived views call this first and then
    // do their own set-up when HasSurface() holds and the size is not empty.
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Shows a failure with the application title as caption and an OK button.
    virtual void ReportFailure(const QString& message);

private:
    bool RebuildSurface(int width, int height);
    void DrawFrame();
    // Reads the framebuffer top row first into rows of bytesPerLine bytes from topRow.
    void ReadFrame(uchar* topRow, int bytesPerLine);
    void ReadFrameIntoImage();
    // Reads the frame straight into the image the painter paints on, when that is the
    // window's backing store taking the whole frame unclipped; false (nothing read) otherwise.
    bool ReadFrameIntoDevice(QPainter& painter);
    void Fail(const char* message);

    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
    QImage image_;  // the last frame read back, top row first
    bool packInvert_ = false;  // the driver can read rows top row first
    // The next paint draws anew: what the view shows changed, the surface is new, or the
    // framebuffer last held a frame for RenderImage rather than the screen.
    bool frameRequested_ = true;
    bool shownAtNight_ = false;  // that frame was drawn with night vision on
    bool imageCurrent_ = false;  // image_ holds that frame (else only the framebuffer does)
    bool readStraight_ = false;
    bool failed_ = false;
    bool forScreen_ = false;
    int contextCreatedCount_ = 0;
};
