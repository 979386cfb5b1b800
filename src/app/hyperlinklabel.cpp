#include "app/hyperlinklabel.h"
#include "image/nightvision.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
    opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void HyperlinkLabel::BuildFont()
{
    if (fontBuilt)
        return;
    linkFont = parentWidget() ? parentWidget()->font() : font();
    linkFont.setUnderline(true);
    const QFontMetrics metrics(linkFont);
    textBox = QSize(metrics.horizontalAdvance(text()), metrics.height());
    fontBuilt = true;
}

QSize HyperlinkLabel::TextBox()
{
    BuildFont();
    return textBox;
}

bool HyperlinkLabel::InTextBox(const QPoint& point)
{
    BuildFont();
    return point.x() >= 0 && point.x() < textBox.width() && point.y() >= 0 &&
           point.y() < textBox.height();
}

QSize HyperlinkLabel::sizeHint() const
{
    QFont f = parentWidget() ? parentWidget()->font() : font();
    f.setUnderline(true);
    const QFontMetrics metrics(f);
    return QSize(metrics.horizontalAdvance(text()), metrics.height());
}

QSize HyperlinkLabel::minimumSizeHint() const
{
    return sizeHint();
}

void HyperlinkLabel::paintEvent(QPaintEvent*)
{
    BuildFont();
    QPainter painter(this);
    painter.setFont(linkFont);
    painter.setPen(NightVision::On() ? palette().color(QPalette::Link) : QColor(0, 0, 255));
    const QFontMetrics metrics(linkFont);
    painter.drawText(QPoint(0, metrics.ascent()), text());
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(InTextBox(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event)
{
    setCursor(Qt::ArrowCursor);
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && InTextBox(event->position().toPoint())) {
        if (opener)
            opener(target);
        emit linkOpened(target);
        return;
    }
    QLabel::mousePressEvent(event);
}
