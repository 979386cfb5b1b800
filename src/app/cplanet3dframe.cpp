#include "app/cplanet3dframe.h"

#include "app/ckosmiraapp.h"
#include "views/cplanet3dview.h"

CPlanet3dFrame::CPlanet3dFrame(const CKosmiraApp& app, QWidget* parent)
    : CPlanet3dFrame(app.GetSun(), app.GetMoon(), app.GetPlanets(), app.Colors(), parent)
{
}

CPlanet3dFrame::CPlanet3dFrame(const Sun& sun, const Moon& moon,
                               const std::array<Planet, kPlanetCount>& planets,
                               const DisplayColors& colours, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    solarSystem = new CPlanet3dView(sun, moon, planets, colours, this);
    SetView(solarSystem);
}
