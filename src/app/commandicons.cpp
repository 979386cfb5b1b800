#include "app/commandicons.h"

#include "app/commandids.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kBlue(0, 64, 192);

// Lines on the 16 x 15 grid land on pixel centres at 1x so that they stay sharp.
QPen GridPen(const QColor& colour, qreal width = 1.0)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void DrawLetter(QPainter& p, const QString& letter)
{
    QFont font(QStringLiteral("NanumGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(14);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, kToolPictureWidth, kToolPictureHeight), Qt::AlignCenter, letter);
}

void DrawPrinter(QPainter& p)
{
    p.setPen(GridPen(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));                  // paper going in
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(1.5, 6.5, 13, 5));                 // body
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 10.5, 9, 3));                 // paper coming out
    p.setPen(GridPen(QColor(0, 160, 0)));
    p.drawPoint(QPointF(12.5, 8.5));                     // power light
}

void DrawMagnifier(QPainter& p, QPointF centre, qreal radius, qreal handle, int sign)
{
    p.setPen(GridPen(kInk, 1.0));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(centre, radius, radius);
    const qreal d = radius * 0.7071;
    p.setPen(GridPen(kInk, 2.0));
    p.drawLine(QPointF(centre.x() + d, centre.y() + d),
               QPointF(centre.x() + d + handle, centre.y() + d + handle));
    if (sign == 0)
        return;
    p.setPen(GridPen(kInk, 1.0));
    const qreal arm = radius * 0.55;
    p.drawLine(QPointF(centre.x() - arm, centre.y()), QPointF(centre.x() + arm, centre.y()));
    if (sign > 0)
        p.drawLine(QPointF(centre.x(), centre.y() - arm), QPointF(centre.x(), centre.y() + arm));
}

void DrawTime(QPainter& p)
{
    // A calendar page with a clock in front of its lower right corner.
    p.setPen(GridPen(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 1.5, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawRect(QRectF(1, 2, 9, 2));
    p.setPen(GridPen(QColor(128, 128, 128)));
    for (qreal y = 6.5; y < 11; y += 2)
        p.drawLine(QPointF(2, y), QPointF(9, y));
    p.setPen(GridPen(kInk));
    p.setBrush(QColor(255, 255, 200));
    const QPointF c(10.5, 9.5);
    p.drawEllipse(c, 5, 5);
    p.drawLine(c, QPointF(c.x(), c.y() - 3.5));
    p.drawLine(c, QPointF(c.x() + 2.5, c.y()));
}

void DrawLocation(QPainter& p)
{
    // A globe with meridians and a parallel, and a magnifier over its lower right.
    const QPointF c(6.5, 6.5);
    p.setPen(GridPen(QColor(0, 64, 128)));
    p.setBrush(QColor(90, 160, 230));
    p.drawEllipse(c, 6, 6);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 2.5, 6);
    p.drawLine(QPointF(c.x() - 6, c.y()), QPointF(c.x() + 6, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 6), QPointF(c.x(), c.y() + 6));
    DrawMagnifier(p, QPointF(11.5, 10), 2.5, 2.2, 0);
}

void DrawQuestion(QPainter& p)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRectF(0, 0, kToolPictureWidth, kToolPictureHeight), Qt::AlignCenter,
               QStringLiteral("?"));
}

bool HasPicture(int id)
{
    switch (id) {
    case CommandId::FilePrint:
    case CommandId::ViewEast:
    case CommandId::ViewWest:
    case CommandId::ViewSouth:
    case CommandId::ViewNorth:
    case CommandId::ViewZenith:
    case CommandId::ZoomIn:
    case CommandId::ZoomOut:
    case CommandId::SetTime:
    case CommandId::SetLocation:
    case CommandId::AppAbout:
        return true;
    default:
        return false;
    }
}

}  // namespace

QImage PaintCommandPicture(int commandId, qreal scale)
{
    const QSize pixels(qRound(kToolPictureWidth * scale), qRound(kToolPictureHeight * scale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, scale > 1.0);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (commandId) {
    case CommandId::FilePrint: DrawPrinter(p); break;
    case CommandId::ViewEast: DrawLetter(p, QStringLiteral("동")); break;
    case CommandId::ViewWest: DrawLetter(p, QStringLiteral("서")); break;
    case CommandId::ViewSouth: DrawLetter(p, QStringLiteral("남")); break;
    case CommandId::ViewNorth: DrawLetter(p, QStringLiteral("북")); break;
    case CommandId::ViewZenith: DrawLetter(p, QStringLiteral("천")); break;
    case CommandId::ZoomIn: DrawMagnifier(p, QPointF(6.5, 6), 4.5, 4, +1); break;
    case CommandId::ZoomOut: DrawMagnifier(p, QPointF(6.5, 6), 4.5, 4, -1); break;
    case CommandId::SetTime: DrawTime(p); break;
    case CommandId::SetLocation: DrawLocation(p); break;
    case CommandId::AppAbout: DrawQuestion(p); break;
    default: break;
    }
    return image;
}

QIcon CommandIcon(int commandId)
{
    QIcon icon;
    if (!HasPicture(commandId))
        return icon;
    for (qreal scale : {1.0, 1.5, 2.0, 3.0})
        icon.addPixmap(QPixmap::fromImage(PaintCommandPicture(commandId, scale)));
    return icon;
}
