#include "app/nighttitlestyle.h"

#include "image/nightvision.h"

#include <QImage>
#include <QPainter>
#include <QPaintDevice>
#include <QStyleOption>

void CNightTitleStyle::drawComplexControl(ComplexControl control,
                                          const QStyleOptionComplex* option, QPainter* painter,
                                          const QWidget* widget) const
{
    if (control != CC_TitleBar || !NightVision::On() || option->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage bar((QSizeF(r.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    bar.setDevicePixelRatio(ratio);
    bar.fill(Qt::transparent);
    {
        QPainter barPainter(&bar);
        barPainter.translate(-r.topLeft());
        QProxyStyle::drawComplexControl(control, option, &barPainter, widget);
    }
    NightVision::Map(bar);
    painter->drawImage(r.topLeft(), bar);
}
