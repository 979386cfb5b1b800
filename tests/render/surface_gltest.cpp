#include "render/copenglwnd.h"
#include "opaqueframe.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPalette>
#include <QTest>

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace {

// A surface that counts its set-up calls and draws a known picture.
class ProbeWnd : public COpenGLWnd {
public:
    int created = 0;
    int scenes = 0;
    bool identityOnEntry = false;
    GLint depthBits = 0;
    GLint alphaBits = -1;
    QColor clear = Qt::black;
    bool markLowerLeft = false;
    bool blendTest = false;

protected:
    void OnContextCreated() override { ++created; }
    void DrawScene() override
    {
        ++scenes;
        GLint mode = 0;
        GLdouble m[16];
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        identityOnEntry = mode == GL_MODELVIEW;
        for (int i = 0; i < 16; ++i)
            identityOnEntry = identityOnEntry && m[i] == ((i % 5 == 0) ? 1.0 : 0.0);
        glGetIntegerv(GL_DEPTH_BITS, &depthBits);
        glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
        // Leave a different matrix behind: the next paint must start from identity again.
        glTranslated(1.0, 2.0, 3.0);
        glDisable(GL_SCISSOR_TEST);
        ClearFrame(MakeColour(clear.red(), clear.green(), clear.blue()));
        if (markLowerLeft) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(0, 0, 1, 1);
            ClearFrame(MakeColour(0, 255, 0));
            glDisable(GL_SCISSOR_TEST);
        }
        if (blendTest) {
            // Destination alpha must read as 1 after ClearFrame: 0.2 + 0.4, and stay 1.
            glMatrixMode(GL_PROJECTION);
            glPushMatrix();
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
            glColor4f(0.8f, 0.0f, 0.0f, 0.5f);  // adds 0.8 * 0.5; alpha 0.5 * 0.5 + 1 * 1
            glBegin(GL_QUADS);
            glVertex2d(-1, -1);
            glVertex2d(1, -1);
            glVertex2d(1, 1);
            glVertex2d(-1, 1);
            glEnd();
            glDisable(GL_BLEND);
            glMatrixMode(GL_PROJECTION);
            glPopMatrix();
            glMatrixMode(GL_MODELVIEW);
        }
    }
};

void ShowAt(QWidget& w, int width, int height)
{
    w.resize(width, height);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

TEST(OpenGLSurface, RepeatedResizesKeepOneContextAndSetUpOnce)
{
    ProbeWnd w;
    ShowAt(w, 200, 100);
    ASSERT_TRUE(w.HasSurface());
    QOpenGLContext* const context = w.Context();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(w.created, 1);
    for (int i = 1; i <= 5; ++i) {
        w.resize(200 + 10 * i, 100 + 7 * i);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.SurfaceSize(), QSize(200 + 10 * i, 100 + 7 * i));
    }
    EXPECT_EQ(w.Context(), context);
    EXPECT_EQ(w.created, 1);
    EXPECT_EQ(w.ContextCreatedCount(), 1);
}

TEST(OpenGLSurface, NoSurfaceBeforeTheFirstResize)
{
    ProbeWnd w;
    EXPECT_FALSE(w.HasSurface());
    EXPECT_FALSE(w.MakeCurrent());
    EXPECT_TRUE(w.RenderImage().isNull());
    EXPECT_EQ(w.created, 0);
}

TEST(OpenGLSurface, ResizeToZeroKeepsThePreviousSurface)
{
    ProbeWnd w;
    ShowAt(w, 160, 120);
    ASSERT_EQ(w.SurfaceSize(), QSize(160, 120));
    w.resize(0, 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SurfaceSize(), QSize(160, 120));
    w.resize(160, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SurfaceSize(), QSize(160, 120));
    EXPECT_EQ(w.created, 1);
    EXPECT_TRUE(w.MakeCurrent());
}

TEST(OpenGLSurface, SceneStartsFromModelViewIdentityWithDepthAndAlpha)
{
    ProbeWnd w;
    ShowAt(w, 64, 48);
    w.RenderImage();
    w.RenderImage();
    EXPECT_EQ(w.scenes >= 2, true);
    EXPECT_TRUE(w.identityOnEntry);
    EXPECT_GE(w.depthBits, 16);
    EXPECT_EQ(w.alphaBits, 8);
    EXPECT_EQ(w.Context()->format().profile() == QSurfaceFormat::CoreProfile, false);
}

TEST(OpenGLSurface, ImageIsTheWholeClientAreaTopRowFirst)
{
    ProbeWnd w;
    w.clear = QColor(255, 0, 0);
    w.markLowerLeft = true;
    ShowAt(w, 90, 70);
    const QImage image = w.RenderImage();
    ASSERT_EQ(image.size(), QSize(90, 70));
    // GL's row 0 is the bottom one: the marked pixel must come out at the lower-left corner.
    EXPECT_EQ(image.pixelColor(0, 69), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(89, 69), QColor(255, 0, 0));
    // The painted widget shows exactly that image, anchored at the top-left corner.
    const QImage shown = w.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(90, 70));
    EXPECT_EQ(shown.pixelColor(0, 69), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(45, 35), QColor(255, 0, 0));
}

TEST(OpenGLSurface, APaintOfPartOfTheWindowShowsTheLastFrameWithoutDrawing)
{
    ProbeWnd w;
    w.clear = QColor(0, 0, 255);
    ShowAt(w, 80, 60);
    w.repaint();
    const int drawn = w.scenes;
    ASSERT_GE(drawn, 1);
    w.clear = QColor(255, 0, 0);  // a change the next requested frame shows
    w.repaint(QRect(10, 10, 20, 20));
    EXPECT_EQ(w.scenes, drawn);
    EXPECT_EQ(w.grab(QRect(10, 10, 20, 20)).toImage().pixelColor(5, 5), QColor(0, 0, 255));
    // A whole paint without a request (the window shown again) shows the last frame too.
    w.repaint();
    EXPECT_EQ(w.scenes, drawn);
    EXPECT_EQ(w.grab().toImage().pixelColor(40, 30), QColor(0, 0, 255));
    w.RequestFrame();
    w.repaint();
    EXPECT_EQ(w.scenes, drawn + 1);
    EXPECT_EQ(w.grab().toImage().pixelColor(40, 30), QColor(255, 0, 0));
    // A new size draws again whatever part is painted.
    const int beforeResize = w.scenes;
    w.resize(90, 60);
    w.repaint(QRect(0, 0, 5, 5));
    EXPECT_EQ(w.scenes, beforeResize + 1);
}

// The window's backing store as an image (the raster backing store of the X11 platform).
const QImage* BackingImage(QWidget& window)
{
    return window.backingStore() ? dynamic_cast<const QImage*>(window.backingStore()->paintDevice())
                                 : nullptr;
}

// A whole paint reads the frame straight into the backing store, at the window's place in it;
// a paint of a part shows that frame again; another window over it keeps its pixels.
TEST(OpenGLSurface, AWholePaintReadsTheFrameStraightIntoTheBackingStore)
{
    QWidget parent;
    parent.resize(200, 150);
    ProbeWnd w;
    w.setParent(&parent);
    w.setGeometry(37, 23, 90, 70);
    w.clear = QColor(255, 0, 0);
    w.markLowerLeft = true;
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    if (!w.Context()->hasExtension(QByteArrayLiteral("GL_MESA_pack_invert")))
        GTEST_SKIP() << "rows come bottom first: the frame is flipped in an image";
    w.RequestFrame();
    w.repaint();
    const QImage* store = BackingImage(parent);
    ASSERT_NE(store, nullptr);
    ASSERT_TRUE(w.LastPaintReadStraight());
    struct Pixel {
        int x, y;
        QColor colour;
    };
    const Pixel kPixels[] = {
        {37, 23 + 69, QColor(0, 255, 0)},  // the frame's lower-left pixel
        {37, 23, QColor(255, 0, 0)},
        {37 + 89, 23 + 69, QColor(255, 0, 0)},
        {37 + 45, 23 + 35, QColor(255, 0, 0)},
    };
    for (const Pixel& p : kPixels)
        EXPECT_EQ(store->pixelColor(p.x, p.y).rgb(), p.colour.rgb()) << p.x << "," << p.y;
    // A whole paint with nothing changed reads the same frame again, drawing nothing; so
    // does a paint of a part.
    const int drawn = w.scenes;
    w.clear = QColor(0, 0, 255);
    w.repaint();
    EXPECT_EQ(w.scenes, drawn);
    EXPECT_TRUE(w.LastPaintReadStraight());
    EXPECT_EQ(store->pixelColor(37 + 45, 23 + 35).rgb(), QColor(255, 0, 0).rgb());
    const QImage part = w.grab(QRect(0, 60, 20, 10)).toImage();
    EXPECT_EQ(w.scenes, drawn);
    EXPECT_EQ(part.pixelColor(0, 9), QColor(0, 255, 0));
    EXPECT_EQ(part.pixelColor(10, 2), QColor(255, 0, 0));

    // Another window over part of it: the frame is painted around it, through an image.
    w.clear = QColor(255, 0, 0);
    QWidget cover(&parent);
    cover.setGeometry(60, 40, 30, 20);
    cover.setAutoFillBackground(true);
    QPalette palette = cover.palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    cover.setPalette(palette);
    cover.show();
    cover.raise();
    QCoreApplication::processEvents();
    w.repaint();
    EXPECT_FALSE(w.LastPaintReadStraight());
    store = BackingImage(parent);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->pixelColor(70, 50).rgb(), QColor(255, 255, 0).rgb());
    EXPECT_EQ(store->pixelColor(37 + 5, 23 + 5).rgb(), QColor(255, 0, 0).rgb());
    EXPECT_EQ(store->pixelColor(37, 23 + 69).rgb(), QColor(0, 255, 0).rgb());

    // A change of what the view shows, while the other window still covers part of it: the
    // paint of the uncovered part draws the new frame.
    const int beforeChange = w.scenes;
    w.clear = QColor(0, 0, 255);
    w.RequestFrame();
    w.repaint(QRect(0, 0, 20, 10));
    EXPECT_EQ(w.scenes, beforeChange + 1);
    store = BackingImage(parent);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->pixelColor(37 + 5, 23 + 5).rgb(), QColor(0, 0, 255).rgb());
}

TEST(OpenGLSurface, DestinationAlphaReadsAsOne)
{
    ProbeWnd w;
    w.clear = QColor(51, 0, 0);  // 0.2
    w.blendTest = true;
    ShowAt(w, 32, 32);
    const QImage image = w.RenderImage();
    constexpr int kToleranceLevels = 2;
    EXPECT_NEAR(image.pixelColor(16, 16).red(), 153, kToleranceLevels);  // 0.2 + 0.4
    EXPECT_EQ(NonOpaqueWords(image), 0);
}

TEST(OpenGLSurface, TwoWindowsKeepTheirOwnContextsAndPictures)
{
    ProbeWnd a;
    ProbeWnd b;
    a.clear = QColor(0, 0, 255);
    b.clear = QColor(255, 255, 0);
    ShowAt(a, 50, 40);
    ShowAt(b, 70, 30);
    ASSERT_NE(a.Context(), b.Context());
    const QImage imageB = b.RenderImage();
    const QImage imageA = a.RenderImage();
    EXPECT_EQ(imageA.size(), QSize(50, 40));
    EXPECT_EQ(imageB.size(), QSize(70, 30));
    EXPECT_EQ(imageA.pixelColor(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(imageB.pixelColor(10, 10), QColor(255, 255, 0));
    EXPECT_EQ(b.RenderImage().pixelColor(60, 20), QColor(255, 255, 0));
    EXPECT_EQ(a.created, 1);
    EXPECT_EQ(b.created, 1);
}

}  // namespace
