#include "app/cplaneteclframe.h"

#include "app/ckosmiraapp.h"
#include "views/cplaneteclview.h"

CPlanetEclFrame::CPlanetEclFrame(const CKosmiraApp& app, QWidget* parent)
    : CPlanetEclFrame(app.GetSun(), app.GetMoon(), app.GetPlanets(), app.Colors(),
                      app.labelFont(), parent)
{
}

CPlanetEclFrame::CPlanetEclFrame(const Sun& sun, const Moon& moon,
                                 const std::array<Planet, kPlanetCount>& planets,
                                 const DisplayColors& colours, const QFont& labelFont,
                                 QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    chart = new CPlanetEclView(sun, moon, planets, colours, labelFont, this);
    SetView(chart);
}
