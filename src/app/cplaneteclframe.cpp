#include "app/cplaneteclframe.h"

#include "app/ckosmiraapp.h"
#include "format/skytext.h"
#include "print/pagejobs.h"
#include "views/cplaneteclview.h"

#include <QPointer>

CPlanetEclFrame::CPlanetEclFrame(const CKosmiraApp& app, QWidget* parent)
    : CPlanetEclFrame(app.GetShownSky(), app.Colors(), app.labelFont(), parent)
{
}

CPlanetEclFrame::CPlanetEclFrame(const ShownSky& sky, const DisplayColors& colours,
                                 const QFont& labelFont, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent), sky_(sky)
{
    setWindowTitle(QStringLiteral("Kosmira - 행성 시운동"));
    chart = new CPlanetEclView(sky, colours, labelFont, this);
    SetView(chart);
}

std::unique_ptr<PrintJob> CPlanetEclFrame::MakePrintJob() const
{
    if (!chart)
        return nullptr;
    const QString when =
        QString::fromStdString(FormatLocalDateTime(sky_.instant.jdUT, sky_.site.timeZone));
    QString stamp = when;
    stamp.replace(QLatin1Char(' '), QLatin1Char('-'));
    stamp.remove(QLatin1Char(':'));
    QPointer<CPlanetEclView> view = chart;
    return std::make_unique<PicturePrintJob>(
        QStringLiteral("행성 시운동 - %1").arg(when), QStringLiteral("행성시운동-%1.pdf").arg(stamp),
        [view](QPainter& p, const QSize& client) {
            if (view)
                view->PaintChart(p, client);
        });
}
