#include "print/calendarprint.h"

#include "astro/math/angles.h"
#include "image/displaytext.h"
#include "views/calendarpainter.h"

#include <QPainter>

#include <cmath>
#include <utility>

QString LatitudeText(double latitude)
{
    const double deg = latitude * kRadToDeg;
    return QStringLiteral("%1 %2°").arg(deg < 0 ? QStringLiteral("남위") : QStringLiteral("북위"))
        .arg(std::fabs(deg), 0, 'f', 2);
}

QString LongitudeText(double longitude)
{
    double deg = longitude * kRadToDeg;
    if (deg > 180.0)
        deg -= 360.0;
    return QStringLiteral("%1 %2°").arg(deg < 0 ? QStringLiteral("서경") : QStringLiteral("동경"))
        .arg(std::fabs(deg), 0, 'f', 2);
}

QString ZoneText(double hours)
{
    const int minutes = int(std::lround(std::fabs(hours) * 60.0));
    QString text = QStringLiteral("UTC%1%2").arg(hours < 0 ? '-' : '+').arg(minutes / 60);
    if (minutes % 60)
        text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QChar('0'));
    return text;
}

CalendarPrintJob::CalendarPrintJob(const CalendarMonth& month, std::vector<CalendarDay> days,
                                   const Observer& site, Model model)
    : month_(month), days_(std::move(days)), site_(site), model_(model)
{
}

QString CalendarPrintJob::SuggestedFileName() const
{
    QString name = QStringLiteral("천문달력-%1-%2")
                       .arg(month_.Year(), 4, 10, QChar('0'))
                       .arg(month_.Month(), 2, 10, QChar('0'));
    const QString site = FileNamePart(DisplayText(site_.name));
    if (!site.isEmpty())
        name += QLatin1Char('-') + site;
    return name + QStringLiteral(".pdf");
}

QString CalendarPrintJob::Title() const
{
    return QStringLiteral("%1년 %2월 천문 달력").arg(month_.Year()).arg(month_.Month());
}

QString CalendarPrintJob::SiteLine() const
{
    QString place = DisplayText(site_.name);
    if (!site_.region.empty() && site_.region != site_.name)
        place = DisplayText(site_.region) + QLatin1Char(' ') + place;
    QString line = place.trimmed();
    if (!line.isEmpty())
        line += QStringLiteral("  ");
    line += QStringLiteral("%1  %2  %3  %4")
                .arg(LatitudeText(site_.latitude), LongitudeText(site_.longitude),
                     ZoneText(site_.timeZone),
                     model_ == Model::Precise ? QStringLiteral("정밀 계산")
                                              : QStringLiteral("기본 계산"));
    return line;
}

void CalendarPrintJob::Paint(QPainter& p, const QRectF& rect) const
{
    p.save();
    p.fillRect(rect, Qt::white);
    p.setPen(Qt::black);
    p.setFont(PrintFont(p, 15.0, true));
    const QRectF titleBox(rect.left(), rect.top(), rect.width(), 20.0);
    PrintText(p, titleBox, Qt::AlignLeft | Qt::AlignTop, Title());
    p.setFont(PrintFont(p, 8.5));
    const QRectF siteBox(rect.left(), titleBox.bottom() + 2.0, rect.width(), 12.0);
    PrintText(p, siteBox, Qt::AlignLeft | Qt::AlignTop, SiteLine());
    const double footer = PaintFooter(p, rect);

    // The window's table, stretched to the sheet: across to the width, down to the height
    // left between the heading and the footer. The glyphs are narrowed by the same ratio so
    // that they keep their shape.
    const double top = siteBox.bottom() + 6.0;
    const double height = rect.bottom() - footer - 4.0 - top;
    const double sx = rect.width() / month_.PageWidth();
    const double sy = height / month_.PageHeight();
    QFont font = CalendarPainter::TableFont();
    font.setPixelSize(13);
    if (sy < sx)
        font.setStretch(std::max(1, int(std::lround(100.0 * sy / sx))));
    p.translate(rect.left(), top);
    p.scale(sx, sy);
    CalendarPainter::Paint(p, month_, days_, Qt::white, CalendarPainter::Shades::Print, &font);
    p.restore();
}
