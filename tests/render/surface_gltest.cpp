#include "render/copenglwnd.h"

#include <QOpenGLContext>
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
        glClearColor(clear.redF(), clear.greenF(), clear.blueF(), 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        if (markLowerLeft) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(0, 0, 1, 1);
            glClearColor(0.0f, 1.0f, 0.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glDisable(GL_SCISSOR_TEST);
        }
        if (blendTest) {
            // Destination alpha must read as 1 on a surface without alpha: 0.2 + 0.4.
            glMatrixMode(GL_PROJECTION);
            glPushMatrix();
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
            glColor4f(0.4f, 0.0f, 0.0f, 1.0f);
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

TEST(OpenGLSurface, SceneStartsFromModelViewIdentityWithDepthAndNoAlpha)
{
    ProbeWnd w;
    ShowAt(w, 64, 48);
    w.RenderImage();
    w.RenderImage();
    EXPECT_EQ(w.scenes >= 2, true);
    EXPECT_TRUE(w.identityOnEntry);
    EXPECT_GE(w.depthBits, 16);
    EXPECT_EQ(w.alphaBits, 0);
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

TEST(OpenGLSurface, DestinationAlphaReadsAsOne)
{
    ProbeWnd w;
    w.clear = QColor(51, 0, 0);  // 0.2
    w.blendTest = true;
    ShowAt(w, 32, 32);
    const QImage image = w.RenderImage();
    constexpr int kToleranceLevels = 2;
    EXPECT_NEAR(image.pixelColor(16, 16).red(), 153, kToleranceLevels);  // 0.2 + 0.4 * 1
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
