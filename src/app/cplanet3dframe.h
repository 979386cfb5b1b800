#pragma once

#include "app/cchildframe.h"
#include "astro/sky/shownsky.h"

class CKosmiraApp;
class CPlanet3dView;
struct DisplayColors;

// Child window holding the 3D view of the solar system, a snapshot of the bodies taken when
// the window opens. The view's keys turn and move its camera; no menu commands.
class CPlanet3dFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CPlanet3dFrame(const CKosmiraApp& app, QWidget* parent = nullptr);
    CPlanet3dFrame(const ShownSky& sky, const DisplayColors& colours, QWidget* parent = nullptr);

    CPlanet3dView* SolarSystemView() const { return solarSystem; }

    // The view's picture, rendered anew, on a landscape page.
    bool CanPrint() const override { return solarSystem != nullptr; }
    std::unique_ptr<PrintJob> MakePrintJob() const override;

private:
    CPlanet3dView* solarSystem = nullptr;
};
