#pragma once

#include "print/printjob.h"

#include <QImage>

#include <functional>

class QSize;

// A page made of one drawing the window already knows how to make, under a title: the
// ecliptic chart (drawn as vectors by its view's own painting at the page's proportions) or
// the 3D view (an image rendered by its view).
class PicturePrintJob : public PrintJob {
public:
    using Painter = std::function<void(QPainter&, const QSize&)>;

    // Vector drawing: painter draws a client area of the given size (in its own pixels),
    // scaled onto the page.
    PicturePrintJob(QString title, QString fileName, Painter painter);
    // An image, scaled onto the page keeping its proportions.
    PicturePrintJob(QString title, QString fileName, QImage image);

    QString SuggestedFileName() const override { return fileName_; }
    bool Landscape() const override { return true; }
    void Paint(QPainter& painter, const QRectF& rect) const override;

private:
    QString title_;
    QString fileName_;
    Painter painter_;
    QImage image_;
};
