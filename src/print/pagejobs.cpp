#include "print/pagejobs.h"

#include <QPainter>

#include <utility>

PicturePrintJob::PicturePrintJob(QString title, QString fileName, Painter painter)
    : title_(std::move(title)), fileName_(std::move(fileName)), painter_(std::move(painter))
{
}

PicturePrintJob::PicturePrintJob(QString title, QString fileName, QImage image)
    : title_(std::move(title)), fileName_(std::move(fileName)), image_(std::move(image))
{
}

void PicturePrintJob::Paint(QPainter& p, const QRectF& rect) const
{
    p.save();
    p.fillRect(rect, Qt::white);
    p.setPen(Qt::black);
    p.setFont(PrintFont(p, 15.0, true));
    PrintText(p, QRectF(rect.left(), rect.top(), rect.width(), 20.0), Qt::AlignLeft | Qt::AlignTop,
               title_);
    const double footer = PaintFooter(p, rect);
    const QRectF area(rect.left(), rect.top() + 26.0, rect.width(),
                      rect.height() - 26.0 - footer - 6.0);
    if (painter_) {
        // The view's own drawing at 1.5 of its pixels a point, filling the area.
        constexpr double kPixelsPerPoint = 1.5;
        const QSize client(int(area.width() * kPixelsPerPoint), int(area.height() * kPixelsPerPoint));
        p.save();
        p.translate(area.topLeft());
        p.scale(1.0 / kPixelsPerPoint, 1.0 / kPixelsPerPoint);
        p.setClipRect(QRect(QPoint(0, 0), client));
        painter_(p, client);
        p.restore();
    } else if (!image_.isNull()) {
        QSizeF size = image_.size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.left() + (area.width() - size.width()) / 2.0, area.top(),
                            size.width(), size.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(target, image_);
    }
    p.restore();
}
