// The application as it starts, then "새 플라네타리움" (32827) through the main frame's
// router: for looking at the sky and making the README screenshot. Optional
// arguments: a local Julian date to show instead of the clock, a file to save the main
// window to, and a time in milliseconds after which the program ends.
//     planetarium_demo [localJD [screenshot.png [quitAfterMs]]]
#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"

#include <QDir>
#include <QTimer>

#include <cstdlib>

int main(int argc, char** argv)
{
    // A throw-away home: start-up writes a launcher to the desktop directory.
    const QString home = QDir::temp().filePath(QStringLiteral("kosmira_planetarium_demo"));
    QDir().mkpath(home);
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DESKTOP_DIR", (home + "/Desktop").toUtf8());
    CKosmiraApp::PrepareProcess();
    CKosmiraApp app(argc, argv);
    app.SetModuleDirectory(QStringLiteral(KOSMIRA_SOURCE_DIR));
    app.SetSplashEnabled(false);
    if (!app.InitInstance())
        return 1;
    if (argc > 1) {
        app.SetShownTime(SkyTime(std::atof(argv[1])));
        app.RecomputeBodies();
    }
    app.MainFrame()->RouteCommand(CommandId::NewPlanetarium);
    if (argc > 2) {
        const QString shot = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(1500, &app, [&app, shot] { app.MainFrame()->grab().save(shot); });
    }
    if (argc > 3)
        QTimer::singleShot(std::atoi(argv[3]), &app, &QCoreApplication::quit);
    return app.exec();
}
