#include "app/cplaneteclframe.h"

#include "app/ckosmiraapp.h"
#include "views/cplaneteclview.h"

CPlanetEclFrame::CPlanetEclFrame(const CKosmiraApp& app, QWidget* parent)
    : CPlanetEclFrame(app.GetShownSky(), app.Colors(), app.labelFont(), parent)
{
}

CPlanetEclFrame::CPlanetEclFrame(const ShownSky& sky, const DisplayColors& colours,
                                 const QFont& labelFont, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira - 행성 시운동"));
    chart = new CPlanetEclView(sky, colours, labelFont, this);
    SetView(chart);
}
