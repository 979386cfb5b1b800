#include "app/kosmiraicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage PaintKosmiraIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid

    QPainterPath frame;
    frame.addRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0.0, QColor(4, 8, 40));
    sky.setColorAt(0.75, QColor(22, 44, 110));
    sky.setColorAt(1.0, QColor(40, 70, 140));
    p.fillPath(frame, sky);
    p.setClipPath(frame);

    // Crescent: the Moon's disc less a disc shifted toward the upper right.
    QPainterPath disc;
    disc.addEllipse(QPointF(36, 26), 17, 17);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(44, 20), 15, 15);
    p.fillPath(disc.subtracted(shadow), QColor(255, 226, 120));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    const QPointF stars[] = {{12, 12}, {10, 32}, {52, 44}, {18, 42}, {54, 10}, {24, 7}};
    const qreal radii[] = {2.6, 1.6, 2.0, 1.3, 1.5, 1.2};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(stars[i], radii[i], radii[i]);

    QPainterPath hills;
    hills.moveTo(0, 64);
    hills.lineTo(0, 52);
    hills.cubicTo(14, 44, 24, 50, 34, 52);
    hills.cubicTo(44, 54, 54, 46, 64, 50);
    hills.lineTo(64, 64);
    hills.closeSubpath();
    p.fillPath(hills, QColor(8, 20, 16));

    p.setClipping(false);
    p.setPen(QPen(QColor(120, 150, 220), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    return image;
}

QIcon KosmiraIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(PaintKosmiraIcon(size)));
    return icon;
}
