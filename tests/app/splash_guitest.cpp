// The splash window: bitmap size, centring, dragging, and no closing before it is allowed.

#include "app/csplashwnd.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString WriteBitmap(const QTemporaryDir& dir, QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 200));
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    image.save(path, "BMP");
    return path;
}

TEST(SplashWindow, HasTheBitmapSizeAndIsCentred)
{
    QTemporaryDir dir;
    CSplashWnd splash(WriteBitmap(dir, QSize(320, 200)));
    ASSERT_FALSE(splash.Bitmap().isNull());
    const qreal ratio = splash.devicePixelRatioF();
    EXPECT_EQ(splash.size(), (QSizeF(320, 200) / ratio).toSize());
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    const QRect screen = splash.screen()->geometry();
    EXPECT_LE(std::abs(splash.geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(splash.geometry().center().y() - screen.center().y()), 1);

    const QImage shown = splash.grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(10, 20, 200));
}

TEST(SplashWindow, MissingBitmapGivesAnEmptyWindow)
{
    CSplashWnd splash(QStringLiteral("/nonexistent/images/logo.bmp"));
    EXPECT_TRUE(splash.Bitmap().isNull());
    EXPECT_EQ(splash.size(), QSize(0, 0));
}

TEST(SplashWindow, RefusesToCloseUntilAllowed)
{
    QTemporaryDir dir;
    CSplashWnd splash(WriteBitmap(dir, QSize(100, 80)));
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_FALSE(splash.close());
    EXPECT_TRUE(splash.isVisible());
    splash.AllowClose();
    EXPECT_TRUE(splash.close());
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindow, DraggingWithTheLeftButtonMovesIt)
{
    QTemporaryDir dir;
    CSplashWnd splash(WriteBitmap(dir, QSize(200, 150)));
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    const QPoint start = splash.pos();
    QTest::mousePress(&splash, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseMove(&splash, QPoint(60, 50));
    QTest::mouseRelease(&splash, Qt::LeftButton, Qt::NoModifier, QPoint(60, 50));
    QTest::qWait(50);
    EXPECT_EQ(splash.pos(), start + QPoint(40, 30));
}

}  // namespace
