#include "app/cplanet3dframe.h"

#include "app/ckosmiraapp.h"
#include "format/skytext.h"
#include "print/pagejobs.h"
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

std::unique_ptr<PrintJob> CPlanet3dFrame::MakePrintJob() const
{
    if (!solarSystem)
        return nullptr;
    const ShownSky& sky = solarSystem->Snapshot();
    const QString when =
        QString::fromStdString(FormatLocalDateTime(sky.instant.jdUT, sky.site.timeZone));
    QString stamp = when;
    stamp.replace(QLatin1Char(' '), QLatin1Char('-'));
    stamp.remove(QLatin1Char(':'));
    return std::make_unique<PicturePrintJob>(QStringLiteral("태양계 3차원 보기 - %1").arg(when),
                                             QStringLiteral("태양계-%1.pdf").arg(stamp),
                                             solarSystem->RenderImage());
}
