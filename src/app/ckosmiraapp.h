#pragma once

#include "app/commandmap.h"
#include "astro/sky/observer.h"
#include "astro/sky/shownsky.h"
#include "astro/time/skytime.h"
#include "render/displaycolors.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CatalogSet;
class DeepStarIndex;
class QThread;
class SkyIndex;
struct CatalogLabels;
class CChildFrame;
class CKosmiraFrame;
class MessageSink;
class CSplashWnd;

// The application object: owner of everything that outlives a window (the shown sky: the
// instant in four time scales, the observing site, the model and every body, computed whole;
// the catalogs, the display colours and label fonts, the time-server host) and of the
// application-level commands. Views and dialogs get this state by reference from their
// frames; they change it only through SetShownTime, SetObserver and SetModel, each of which
// recomputes the whole shown sky and repaints the views.
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
    const SkyTime& GetShownLocalTime() const { return shownSky.local; }
    const SkyTime& GetShownUT() const { return shownSky.ut; }
    const SkyTime& GetShownLST() const { return shownSky.lst; }
    const SkyTime& GetShownGST() const { return shownSky.gst; }
    // The shown sky for a new local civil time at the current site and model.
    void SetShownTime(const SkyTime& local);

    // The chosen site: its zone name and fixed offset as the city list or the location dialog
    // gave them. The shown sky's site (GetShownSky().site) carries the offset in force at the
    // shown instant instead.
    const Observer& GetObserver() const { return chosenSite; }
    // The shown sky for a new site; the local clock reading stays.
    void SetObserver(const Observer& site);

    // Night vision ("야간 모드"): every window, dialog and view in red on black, at once and for
    // windows opened later. A view-time setting: printing and saved images keep their colours.
    bool IsNightVision() const;
    void SetNightVision(bool on);

    // Classic (start-up) or precise; the shown sky is recomputed and every view repaints.
    Model GetModel() const { return shownSky.model; }
    void SetModel(Model model);

    // The shown sky, replaced whole (never in parts) when the instant, site or model change;
    // the object itself stays, so views may keep a reference.
    const ShownSky& GetShownSky() const { return shownSky; }
    // Recomputes the shown sky for its own instant, site and model and repaints the views.
    void RecomputeBodies();

    // Catalog lists, filled once by start-up and read-only afterwards.
    CatalogSet& Catalogs() { return *catalogs; }
    const CatalogSet& Catalogs() const { return *catalogs; }
    // Every object by all its names (the object search and the click lookup), built from
    // the same files at start-up with data/designation.dat.
    const SkyIndex& Index() const { return *skyIndex; }

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
    // The deep star list with its index: empty until it has loaded on a worker thread after
    // the main window showed; then the open sky views repaint with it.
    const DeepStarIndex& DeepStars() const { return *deepStars; }
    // Waits until the deep star list has loaded (or failed) and its result is in place; the
    // search (Index) then knows the deep stars by their HIP numbers.
    void WaitForDeepStars();
    // Whether start-up shows the splash window (tests may skip it).
    void SetSplashEnabled(bool enabled) { splashEnabled = enabled; }

signals:
    // The shown sky changed (instant, site or model): open views repaint.
    void shownStateChanged();
    // The model changed: windows that keep a snapshot take the new sky.
    void modelChanged();

private:
    void InstallFonts();
    void InstallQtKoreanTexts();
    void RegisterApplicationCommands();
    void WireWindowCommands();
    void LoadCatalogsWhileSplashShows();
    void ChooseDefaultSite();
    void StartLoadingDeepStars();
    void CancelDeepStarLoad();
    void TakeLoadedDeepStars(int generation);
    void ShowMessageOnGuiThread(const QString& text);
    void ReportMainWindowShown();

    void Recompute(const SkyTime& local, const Observer& site, Model model);

    ShownSky shownSky;
    Observer chosenSite;
    std::unique_ptr<CatalogSet> catalogs;
    // Filled in place once the worker has loaded the list; views keep its address.
    std::unique_ptr<DeepStarIndex> deepStars;
    std::unique_ptr<QThread> deepStarLoader;
    std::unique_ptr<DeepStarIndex> loadedDeepStars;  // the worker's result, taken on the GUI thread
    std::unique_ptr<SkyIndex> joinedSkyIndex;        // the worker's copy of skyIndex with the deep stars
    std::vector<std::string> deepStarMessages;       // the worker's reports, shown after it ends
    int deepStarGeneration = 0;                      // start-up count: stale results are dropped
    std::unique_ptr<SkyIndex> skyIndex;
    // The star-name and Messier label pictures, made from the loaded names with the fonts.
    std::unique_ptr<CatalogLabels> catalogLabels;
    DisplayColors colours;
    QFont labelFont_;
    QFont messierFont_;
    std::string timeServer;

    QString executablePath;
    QString moduleDirectory;
    CommandMap commands;
    std::unique_ptr<CKosmiraFrame> mainFrame;
    std::function<void(const QString&)> messageSink;
    QPalette dayPalette;
    std::unique_ptr<MessageSink> viewMessages;  // what views report (missing pictures)
    bool splashEnabled = true;
};
