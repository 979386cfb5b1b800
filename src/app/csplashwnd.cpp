#include "app/csplashwnd.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

CSplashWnd::CSplashWnd(const QString& bitmapPath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), bitmap(bitmapPath)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Kosmira"));
    // The bitmap's pixels map 1:1 to device pixels, whatever the screen's scale.
    const qreal ratio = devicePixelRatioF();
    bitmap.setDevicePixelRatio(ratio);
    setFixedSize(bitmap.isNull() ? QSize(0, 0) : (QSizeF(bitmap.size()) / ratio).toSize());
    CentreOnScreen();
}

void CSplashWnd::CentreOnScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), bitmap);
}

void CSplashWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // Moved as if by a caption: the window manager's own move where there is one.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragging = true;
    dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CSplashWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragOffset);
    QWidget::mouseMoveEvent(event);
}

void CSplashWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CSplashWnd::closeEvent(QCloseEvent* event)
{
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
