#include "app/cplanet3dframe.h"

#include "app/ckosmiraapp.h"
#include "views/cplanet3dview.h"

CPlanet3dFrame::CPlanet3dFrame(const CKosmiraApp& app, QWidget* parent)
    : CPlanet3dFrame(app.GetShownSky(), app.Colors(), parent)
{
    // The view keeps a snapshot of the instant; a change of model replaces it.
    connect(&app, &CKosmiraApp::modelChanged, this,
            [this, &app] { solarSystem->SetSky(app.GetShownSky()); });
}

CPlanet3dFrame::CPlanet3dFrame(const ShownSky& sky, const DisplayColors& colours, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira - 태양계 3차원"));
    solarSystem = new CPlanet3dView(sky, colours, this);
    SetView(solarSystem);
}
