// Night vision switch: from the command to every open window repainted in its new colours,
// with a planetarium, the 3D view, the ecliptic chart, the calendar, the list of phenomena
// and the polar scope open in a 1600 x 1000 main window.

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

CKosmiraApp* app = nullptr;

void OpenWindows()
{
    app->SetSplashEnabled(false);
    app->SetMessageSink([](const QString&) {});
    app->SetModuleDirectory(QStringLiteral(KOSMIRA_BINARY_DIR));
    app->InitInstance();
    app->MainFrame()->showNormal();
    app->MainFrame()->resize(1600, 1000);
    using namespace CommandId;
    for (int id : {NewPlanetarium, NewPlanet3d, NewPlanetEcl, NewCalendar, NewPhenomena, ToolPolarAxis})
        app->Commands().Run(id);
    app->MainFrame()->MdiArea()->tileSubWindows();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
}

void BM_NightVisionSwitchAndRepaintAll(benchmark::State& state)
{
    bool night = false;
    for (auto _ : state) {
        night = !night;
        app->SetNightVision(night);
        app->MainFrame()->repaint();  // every window, synchronously, in its new colours
    }
    app->SetNightVision(false);
    state.counters["windows"] = double(app->MainFrame()->MdiArea()->subWindowList().size());
}
BENCHMARK(BM_NightVisionSwitchAndRepaintAll)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    CKosmiraApp::PrepareProcess();
    CKosmiraApp application(argc, argv);
    app = &application;
    OpenWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    app->MainFrame()->MdiArea()->closeAllSubWindows();
    return 0;
}
