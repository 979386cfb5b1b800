#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// The start-up splash: the logo bitmap 1:1 in a frameless window centred on the screen. It
// can be dragged with the left button and refuses to close until AllowClose.
class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    // An unreadable bitmap leaves the window empty, with zero size.
    explicit CSplashWnd(const QString& bitmapPath, QWidget* parent = nullptr);

    void AllowClose() { mayClose = true; }
    bool MayClose() const { return mayClose; }
    const QImage& Bitmap() const { return bitmap; }
    // Centres the window on the screen under it (done at construction).
    void CentreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage bitmap;
    bool mayClose = false;
    bool dragging = false;
    QPoint dragOffset;  // pointer position relative to the window's top left corner
};
