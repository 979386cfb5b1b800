#pragma once

#include "app/commandmap.h"
#include "astro/moon.h"
#include "astro/observer.h"
#include "astro/planet.h"
#include "astro/skytime.h"
#include "astro/sun.h"
#include "planetarium/displaycolors.h"

#include <QApplication>
#include <QFont>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>
#include <string>

class CatalogSet;
class CChildFrame;
class CKosmiraFrame;
class MessageSink;
class CSplashWnd;

// The application object: owner of everything that outlives a window (the shown instant in
// four time scales, the observing site, the catalogs, the Sun, the Moon and the nine planets,
// the display colours and label fonts, the time-server host) and of the application-level
// commands. Views and dialogs get this state by reference from their frames; they change it
// only through SetShownTime, SetObserver and RecomputeBodies.
class CKosmiraApp : public QApplication {
    Q_OBJECT

public:
    CKosmiraApp(int& argc, char** argv);
    ~CKosmiraApp() override;

    // The running application, or null when the QApplication is not a CKosmiraApp.
    static CKosmiraApp* Instance();
    // Process settings that must precede the application object (shared GL contexts for
    // the views and the web engine; the web engine's sandbox off when run as root).
    static void PrepareProcess();

    // Start-up: launcher, splash, catalogs, default site, clock, bodies, main frame.
    // May be called again (tests): every run starts from a fresh state.
    bool InitInstance();

    // The shown instant: local civil time, UT, local and Greenwich sidereal time.
    const SkyTime& GetShownLocalTime() const { return localTime; }
    const SkyTime& GetShownUT() const { return utTime; }
    const SkyTime& GetShownLST() const { return lstTime; }
    const SkyTime& GetShownGST() const { return gstTime; }
    // localTime := local; UT from the observer's zone; GST of that UT; LST = GST plus the
    // observer's longitude. Bodies are not recomputed (call RecomputeBodies).
    void SetShownTime(const SkyTime& local);

    const Observer& GetObserver() const { return observer; }
    // Replaces the site; callers then call SetShownTime and RecomputeBodies.
    void SetObserver(const Observer& site) { observer = site; }

    // Sun, Moon, then planets 0..8 for utTime; then shownStateChanged() repaints the views.
    void RecomputeBodies();
    const Sun& GetSun() const { return sun; }
    const Moon& GetMoon() const { return moon; }
    const std::array<Planet, kPlanetCount>& GetPlanets() const { return planets; }

    // Catalog lists, filled once by start-up and read-only afterwards.
    CatalogSet& Catalogs() { return *catalogs; }
    const CatalogSet& Catalogs() const { return *catalogs; }

    DisplayColors& Colors() { return colours; }
    const DisplayColors& Colors() const { return colours; }
    const QFont& labelFont() const { return labelFont_; }
    const QFont& messierFont() const { return messierFont_; }

    // Host name of the default network time server.
    const std::string& TimeServer() const { return timeServer; }
    // The product's address: the build-time home URL, or the bundled home/index.html.
    QUrl HomeUrl() const;

    // The run-time folder (beside the executable, else ../share/kosmira; runtimefiles.h)
    // followed by relative ("data/star.dat").
    QString ModulePath(const QString& relative) const;
    // Full path of the running executable.
    QString ExecutablePath() const { return executablePath; }
    // Directory ModulePath starts from; tests point it at a copy of the data.
    QString ModuleDirectory() const { return moduleDirectory; }
    void SetModuleDirectory(const QString& directory);

    // Application-level command handlers (whatever window is active).
    CommandMap& Commands() { return commands; }
    void RegisterCommand(int id, CommandMap::Handler run, CommandMap::Updater update = {});
    // A command that opens a new child window: create returns the new frame (or null).
    void RegisterChildFrame(int id, std::function<CChildFrame*()> create);
    // A command that opens a modal dialog: run gets the main frame as the dialog's parent.
    void RegisterDialog(int id, std::function<void(QWidget* parent)> run);

    CKosmiraFrame* MainFrame() const { return mainFrame.get(); }

    // Shows a modal message box with only an OK button (start-up messages); safe to call
    // from the catalog loader's worker thread, which waits until the box is closed.
    void ShowMessage(const QString& text);
    // Where messages go instead of a box (tests); an empty sink restores the box.
    void SetMessageSink(std::function<void(const QString&)> sink);
    // Whether start-up shows the splash window (tests may skip it).
    void SetSplashEnabled(bool enabled) { splashEnabled = enabled; }

signals:
    // The shown instant, the site or the bodies changed: open views repaint.
    void shownStateChanged();

private:
    void InstallFonts();
    void RegisterApplicationCommands();
    void WireWindowCommands();
    void LoadCatalogsWhileSplashShows();
    void ChooseDefaultSite();
    void ShowMessageOnGuiThread(const QString& text);
    void ReportMainWindowShown();

    SkyTime localTime;
    SkyTime utTime;
    SkyTime lstTime;
    SkyTime gstTime;
    Observer observer;
    std::unique_ptr<CatalogSet> catalogs;
    Sun sun;
    Moon moon;
    std::array<Planet, kPlanetCount> planets;
    DisplayColors colours;
    QFont labelFont_;
    QFont messierFont_;
    std::string timeServer;

    QString executablePath;
    QString moduleDirectory;
    CommandMap commands;
    std::unique_ptr<CKosmiraFrame> mainFrame;
    std::function<void(const QString&)> messageSink;
    std::unique_ptr<MessageSink> viewMessages;  // what views report (missing pictures)
    bool splashEnabled = true;
};
