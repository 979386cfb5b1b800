#include "print/printjob.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

QFont PrintFont(const QPainter& painter, double points, bool bold)
{
    // The device turns point sizes into its own dots; the painter's scale already does.
    const QPaintDevice* device = painter.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72.0;
    QFont font(QStringLiteral("굴림"));
    font.setPointSizeF(points * 72.0 / dpi);
    font.setBold(bold);
    return font;
}

QString FileNamePart(const QString& text)
{
    QString out;
    for (const QChar c : text.trimmed())
        out += (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')) ? c
                                                                                         : QChar('_');
    return out;
}

double PrintJob::PaintFooter(QPainter& p, const QRectF& rect) const
{
    const double height = 12.0;
    const QRectF line(rect.left(), rect.bottom() - height, rect.width(), height);
    p.save();
    p.setFont(PrintFont(p, 7.5));
    p.setPen(Qt::black);
    PrintText(p, line, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Kosmira 1.0"));
    if (printed_.isValid())
        PrintText(p, line, Qt::AlignRight | Qt::AlignBottom,
                  QStringLiteral("인쇄한 날: %1").arg(printed_.toString(QStringLiteral("yyyy-MM-dd"))));
    p.restore();
    return height;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("굴림"), {QStringLiteral("NanumGothic")});
    QFont::insertSubstitutions(QStringLiteral("Gulim"), {QStringLiteral("NanumGothic")});
}

void PrintText(QPainter& p, const QPointF& baseline, const QString& text)
{
    const QFontMetricsF metrics(p.font(), p.device());
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    double x = baseline.x();
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!word.isEmpty()) {
            p.drawText(QPointF(x, baseline.y()), word);
            x += metrics.horizontalAdvance(word);
        }
        x += space;
    }
}

void PrintText(QPainter& p, const QRectF& rect, int flags, const QString& text)
{
    const QFontMetricsF metrics(p.font(), p.device());
    const double width = metrics.horizontalAdvance(text);
    double x = rect.left();
    if (flags & Qt::AlignRight)
        x = rect.right() - width;
    else if (flags & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - width) / 2.0;
    double y = rect.top() + metrics.ascent();
    if (flags & Qt::AlignBottom)
        y = rect.bottom() - metrics.descent();
    else if (flags & Qt::AlignVCenter)
        y = rect.top() + (rect.height() - metrics.height()) / 2.0 + metrics.ascent();
    PrintText(p, QPointF(x, y), text);
}
