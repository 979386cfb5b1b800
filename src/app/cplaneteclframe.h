#pragma once

#include "app/cchildframe.h"
#include "astro/sky/shownsky.h"

class CKosmiraApp;
class CPlanetEclView;
class QFont;
struct DisplayColors;

// Child window holding the chart of the bodies along the ecliptic; it repaints from the
// application's current bodies. No commands of its own.
class CPlanetEclFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CPlanetEclFrame(const CKosmiraApp& app, QWidget* parent = nullptr);
    CPlanetEclFrame(const ShownSky& sky, const DisplayColors& colours, const QFont& labelFont,
                    QWidget* parent = nullptr);

    CPlanetEclView* EclipticView() const { return chart; }

    // The chart drawn as vectors on a landscape page.
    bool CanPrint() const override { return chart != nullptr; }
    std::unique_ptr<PrintJob> MakePrintJob() const override;

private:
    const ShownSky& sky_;
    CPlanetEclView* chart = nullptr;
};
