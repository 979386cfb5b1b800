#include "app/ckosmiraapp.h"
#include "app/cbrowserview.h"
#include "app/nighttitlestyle.h"
#include "site/siteclock.h"
#include "image/nightvision.h"
#include "print/printjob.h"

#include "app/caboutdlg.h"
#include "app/hyperlinklabel.h"
#include "app/cbrowserframe.h"
#include "app/ccalendarframe.h"
#include "app/cphenomenaframe.h"
#include "app/cchildframe.h"
#include "app/ckosmiraframe.h"
#include "app/clocationdlg.h"
#include "app/cplanet3dframe.h"
#include "app/cplaneteclframe.h"
#include "app/cpolaraxisframe.h"
#include "app/cplanetariumframe.h"
#include "app/ctimesetdlg.h"
#include "app/commandids.h"
#include "app/csplashwnd.h"
#include "app/desktoplauncher.h"
#include "app/kosmiraicon.h"
#include "app/runtimefiles.h"
#include "astro/time/timescales.h"
#include "catalog/catalogset.h"
#include "catalog/deepstarindex.h"
#include "catalog/loadcatalogs.h"
#include "search/skyindex.h"
#include "render/cataloglabels.h"
#include "image/messagesink.h"
#include "app/cmooninfodlg.h"
#include "app/cplanetinfodlg.h"
#include "app/csuninfodlg.h"
#include "planetarium/skyscene.h"
#include "app/cclocksyncdlg.h"
#include "timesync/csystemclocksetter.h"
#include "timesync/ctimeserverclient.h"

#include <QMdiArea>
#include <QStyleFactory>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

#ifndef KOSMIRA_HOME_URL
#define KOSMIRA_HOME_URL ""
#endif
#ifndef KOSMIRA_TIME_SERVER
#define KOSMIRA_TIME_SERVER "pool.ntp.org"
#endif

namespace {

// Catalog and bitmap messages become message boxes on the GUI thread; the reporting thread
// waits until the box is closed, so the messages keep their order.
class AppMessageSink : public MessageSink {
public:
    explicit AppMessageSink(CKosmiraApp& application) : app(application) {}
    void Report(const std::string& utf8Text) override
    {
        app.ShowMessage(QString::fromStdString(utf8Text));
    }

private:
    CKosmiraApp& app;
};

// With KOSMIRA_STARTUP_PROBE set, prints one line when the main window has first been
// exposed and painted; with the value "exit" the program then ends (start-up benchmark).
class StartupProbe : public QObject {
public:
    explicit StartupProbe(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!reported && window && event->type() == QEvent::Expose && window->isExposed()) {
            reported = true;
            // Reported once the expose (and its paint) has been handled.
            QTimer::singleShot(0, this, [] {
                Report("main window shown");
                const QString probe = qEnvironmentVariable("KOSMIRA_STARTUP_PROBE");
                if (probe == QLatin1String("deep")) {
                    // Then the deep list, joined with the search, and its repaint.
                    if (CKosmiraApp* app = CKosmiraApp::Instance())
                        app->WaitForDeepStars();
                    QCoreApplication::processEvents();
                    Report("deep stars in place");
                }
                if (probe == QLatin1String("exit") || probe == QLatin1String("nodeep") ||
                    probe == QLatin1String("deep"))
                    QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    // "kosmira: <what> <microseconds since the epoch> peak <kB>": the peak resident size
    // of the process so far.
    static void Report(const char* what)
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        struct rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("kosmira: %s %lld peak %ld\n", what,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                    usage.ru_maxrss);
        std::fflush(stdout);
    }

    bool reported = false;
};

QString ExecutableFromProc()
{
    const QString target = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return target.isEmpty() ? QCoreApplication::applicationFilePath() : target;
}

}  // namespace

void CKosmiraApp::PrepareProcess()
{
    // The browser's web engine shares GL contexts with the views and, run as root, cannot
    // use its sandbox.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox")) {
            flags = flags.isEmpty() ? QByteArray("--no-sandbox") : flags + " --no-sandbox";
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
        }
    }
}

CKosmiraApp::CKosmiraApp(int& argc, char** argv)
    : QApplication(argc, argv),
      shownSky(ComputeShownSky(NowLocal(), Observer(), Model::Classic)),
      catalogs(std::make_unique<CatalogSet>()),
      deepStars(std::make_unique<DeepStarIndex>()), skyIndex(std::make_unique<SkyIndex>()),
      timeServer(KOSMIRA_TIME_SERVER)
{
    setApplicationName(QStringLiteral("Kosmira"));
    setStyle(new CNightTitleStyle(QStyleFactory::create(style()->name())));
    setApplicationVersion(QStringLiteral("1.0"));
    setWindowIcon(KosmiraIcon());
    InstallFonts();
    InstallQtKoreanTexts();
    executablePath = ExecutableFromProc();
    moduleDirectory = FindModuleDirectory(executablePath);
    RegisterApplicationCommands();
    WireWindowCommands();
}

CKosmiraApp::~CKosmiraApp()
{
    if (deepStarLoader)
        deepStarLoader->wait();
    mainFrame.reset();
}

CKosmiraApp* CKosmiraApp::Instance()
{
    return qobject_cast<CKosmiraApp*>(QCoreApplication::instance());
}

void CKosmiraApp::InstallFonts()
{
    // The program names Windows fonts; fontconfig has metric-compatible stand-ins.
    InstallFontSubstitutes();
    labelFont_ = QFont(QStringLiteral("Arial"));
    labelFont_.setPixelSize(14);
    messierFont_ = QFont(QStringLiteral("Arial"));
    messierFont_.setPixelSize(12);
}

QString CKosmiraApp::ModulePath(const QString& relative) const
{
    return QDir(moduleDirectory).filePath(relative);
}

void CKosmiraApp::InstallQtKoreanTexts()
{
    // Qt's own words (the standard buttons of message boxes and dialogs, "OK" -> "확인") in
    // Korean, from Debian's qt6-translations-l10n; without it they stay in English.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                         QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

void CKosmiraApp::SetModuleDirectory(const QString& directory)
{
    moduleDirectory = QDir(directory).absolutePath();
}

QUrl CKosmiraApp::HomeUrl() const
{
    const QString configured = QStringLiteral(KOSMIRA_HOME_URL);
    if (!configured.isEmpty())
        return QUrl::fromUserInput(configured);
    return QUrl::fromLocalFile(ModulePath(QStringLiteral("home/index.html")));
}

void CKosmiraApp::Recompute(const SkyTime& local, const Observer& site, Model model)
{
    // The chosen site keeps its zone and fixed offset; the shown sky gets the offset in force
    // at the shown local time.
    chosenSite = site;
    shownSky = ComputeShownSky(local, SiteAtLocal(site, local), model);
    emit shownStateChanged();
}

void CKosmiraApp::SetShownTime(const SkyTime& local)
{
    Recompute(local, chosenSite, shownSky.model);
}

void CKosmiraApp::SetObserver(const Observer& site)
{
    Recompute(shownSky.local, site, shownSky.model);
}

bool CKosmiraApp::IsNightVision() const
{
    return NightVision::On();
}

void CKosmiraApp::SetNightVision(bool on)
{
    if (on == NightVision::On())
        return;
    if (on)
        dayPalette = palette();
    NightVision::SetOn(on);
    setPalette(on ? NightVision::Palette() : dayPalette);
    setStyleSheet(on ? NightVision::StyleSheet() : QString());
    // The window icon too: a maximized child shows it in the menu bar.
    const QIcon icon = on ? NightVision::NightIcon(KosmiraIcon(), QSize(32, 32)) : KosmiraIcon();
    setWindowIcon(icon);
    if (mainFrame) {
        mainFrame->setWindowIcon(icon);
        mainFrame->SetNightIcons(on);
        // The area behind the child windows keeps a brush of its own (grey by day).
        static const QBrush dayArea = mainFrame->MdiArea()->background();
        mainFrame->MdiArea()->setBackground(
            on ? QBrush(NightVision::Palette().color(QPalette::Window)) : dayArea);
    }
    for (CBrowserView* browser : mainFrame ? mainFrame->findChildren<CBrowserView*>()
                                           : QList<CBrowserView*>())
        browser->SetNight(on);
    // Views that paint their own colours (sky, 3D view, charts, calendar) repaint at once.
    const QWidgetList widgets = allWidgets();
    for (QWidget* w : widgets)
        w->update();
}

void CKosmiraApp::SetModel(Model model)
{
    if (model == shownSky.model)
        return;
    Recompute(shownSky.local, chosenSite, model);
    emit modelChanged();
}

void CKosmiraApp::RecomputeBodies()
{
    Recompute(shownSky.local, chosenSite, shownSky.model);
}

void CKosmiraApp::RegisterCommand(int id, CommandMap::Handler run, CommandMap::Updater update)
{
    commands.Add(id, std::move(run), std::move(update));
    if (mainFrame)
        mainFrame->UpdateCommandStates();
}

void CKosmiraApp::RegisterChildFrame(int id, std::function<CChildFrame*()> create)
{
    RegisterCommand(id, [this, create = std::move(create)] {
        if (!mainFrame)
            return;
        if (CChildFrame* frame = create())
            mainFrame->AddChild(frame);
    });
}

void CKosmiraApp::RegisterDialog(int id, std::function<void(QWidget*)> run)
{
    RegisterCommand(id, [this, run = std::move(run)] { run(mainFrame.get()); });
}

void CKosmiraApp::RegisterApplicationCommands()
{
    RegisterDialog(CommandId::AppAbout, [this](QWidget* parent) {
        CAboutDlg dialog(HomeUrl(), parent);
        // The link opens the guide in a Kosmira browser window, not in another program.
        bool openGuide = false;
        dialog.Link()->SetOpener([&](const QUrl&) {
            openGuide = true;
            dialog.accept();
        });
        dialog.exec();
        if (openGuide)
            commands.Run(CommandId::NewBrowser);
    });
    RegisterCommand(
        CommandId::PreciseModel,
        [this] { SetModel(GetModel() == Model::Precise ? Model::Classic : Model::Precise); },
        [this](CommandState& s) { s.checked = GetModel() == Model::Precise; });
    RegisterCommand(
        CommandId::NightMode, [this] { SetNightVision(!IsNightVision()); },
        [this](CommandState& s) { s.checked = IsNightVision(); });
    RegisterCommand(CommandId::AppExit, [this] {
        if (mainFrame)
            mainFrame->close();
        else
            QCoreApplication::quit();
    });
}

// ---------------------------------------------------------------------------------------
// Commands of the child windows and dialogs, one line each:
//     RegisterChildFrame(CommandId::NewCalendar, [this] { return new CCalendarFrame(*this); });
//     RegisterDialog(CommandId::SetTime, [this](QWidget* parent) { CTimeSetDlg(*this, parent).exec(); });
// A command not registered here (or in any frame) stays disabled in the menus and toolbar.
// ---------------------------------------------------------------------------------------
void CKosmiraApp::WireWindowCommands()
{
    viewMessages = std::make_unique<AppMessageSink>(*this);

    RegisterChildFrame(CommandId::NewPlanetarium, [this] {
        SkyScene scene{shownSky, *catalogs, colours, labelFont_, messierFont_};
        scene.moduleDirectory = moduleDirectory.toStdString();
        scene.messages = viewMessages.get();
        scene.deepStars = deepStars.get();
        scene.index = skyIndex.get();
        scene.labels = catalogLabels.get();
        return new CPlanetariumFrame(scene);
    });
    for (int id : {CommandId::NewPlanet3d, CommandId::ToolPlanet3d})
        RegisterChildFrame(id, [this] { return new CPlanet3dFrame(*this); });
    for (int id : {CommandId::NewPlanetEcl, CommandId::ToolPlanetEcl})
        RegisterChildFrame(id, [this] { return new CPlanetEclFrame(*this); });
    RegisterChildFrame(CommandId::NewCalendar, [this] { return new CCalendarFrame(*this); });
    RegisterChildFrame(CommandId::NewPhenomena, [this] { return new CPhenomenaFrame(*this); });
    RegisterChildFrame(CommandId::ToolCalendar, [this] { return new CPhenomenaFrame(*this); });
    RegisterChildFrame(CommandId::NewBrowser, [this] { return new CBrowserFrame(HomeUrl()); });
    RegisterChildFrame(CommandId::ToolPolarAxis,
                       [this] { return new CPolarAxisFrame(shownSky); });

    RegisterDialog(CommandId::SetTime, [this](QWidget* parent) {
        CTimeSetDlg dialog(GetShownLocalTime(), parent);
        dialog.SetSiteClock(SiteClock(GetObserver()));
        if (dialog.exec() == QDialog::Accepted)
            SetShownTime(dialog.Shown());
    });
    RegisterDialog(CommandId::SetLocation, [this](QWidget* parent) {
        CLocationDlg dialog(GetObserver(), Catalogs().cities,
                            ModulePath(QStringLiteral("images/location.bmp")), parent);
        if (dialog.exec() == QDialog::Accepted) {
            // The local clock reading stays; UT and sidereal time follow the new site.
            SetObserver(dialog.Site());
        }
    });
    RegisterDialog(CommandId::SyncClock, [this](QWidget* parent) {
        CSystemClockSetter setter;
        CClockSyncDlg(QString::fromStdString(TimeServer()), setter, CTimeServerClient(),
                      CTimeServerClient::kNtpPort, parent)
            .exec();
    });
    RegisterDialog(CommandId::InfoSun, [this](QWidget* parent) {
        CSunInfoDlg(shownSky, parent).exec();
    });
    RegisterDialog(CommandId::InfoMoon, [this](QWidget* parent) {
        CMoonInfoDlg(shownSky, parent).exec();
    });
    const std::pair<int, Body> planetInfo[] = {
        {CommandId::InfoMercury, Body::Mercury}, {CommandId::InfoVenus, Body::Venus},
        {CommandId::InfoMars, Body::Mars},       {CommandId::InfoJupiter, Body::Jupiter},
        {CommandId::InfoSaturn, Body::Saturn},   {CommandId::InfoUranus, Body::Uranus},
        {CommandId::InfoNeptune, Body::Neptune}, {CommandId::InfoPluto, Body::Pluto}};
    for (const auto& [id, body] : planetInfo) {
        RegisterDialog(id, [this, body = body](QWidget* parent) {
            CPlanetInfoDlg(shownSky, body, false, *catalogs, parent).exec();
        });
    }
    RegisterDialog(CommandId::InfoEarth, [this](QWidget* parent) {
        CPlanetInfoDlg(shownSky, Body::Sun, true, *catalogs, parent).exec();
    });
}

void CKosmiraApp::SetMessageSink(std::function<void(const QString&)> sink)
{
    messageSink = std::move(sink);
}

void CKosmiraApp::ShowMessage(const QString& text)
{
    if (QThread::currentThread() == thread()) {
        ShowMessageOnGuiThread(text);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, text] { ShowMessageOnGuiThread(text); }, Qt::BlockingQueuedConnection);
}

void CKosmiraApp::ShowMessageOnGuiThread(const QString& text)
{
    if (messageSink) {
        messageSink(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kosmira"), text, QMessageBox::Ok);
    box.exec();
}

void CKosmiraApp::LoadCatalogsWhileSplashShows()
{
    // The loader runs on a worker thread so that the splash stays responsive; its messages
    // come back here as blocking calls.
    AppMessageSink sink(*this);
    CatalogSet& target = *catalogs;
    SkyIndex& index = *skyIndex;
    const std::string directory = moduleDirectory.toStdString();
    const QFont labels = labelFont_;
    const QFont messier = messierFont_;
    const Colour starNameColour = colours.starNames;
    const Colour messierColour = colours.messier;
    CatalogLabels& madeLabels = *catalogLabels;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        // The search reads the same files again with the designations; the loader has
        // already reported any other file it could not read. After a stopped load it
        // knows the bodies only.
        SkySources sources;
        if (LoadCatalogs(target, directory, sink)) {
            std::vector<std::string> messages;
            ReadSkySources(directory, sources, messages);
            for (const std::string& m : messages)
                if (m == kDesignationDataUnreadable)
                    sink.Report(m);
        }
        index.Build(sources);
        madeLabels = MakeCatalogLabels(target, labels, messier, starNameColour, messierColour);
    }));
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
}

// Collects the deep-star loader's reports on its thread; they are shown once it has ended,
// so the loader never waits for the user.
class CollectingSink : public MessageSink {
public:
    explicit CollectingSink(std::vector<std::string>& out) : messages(out) {}
    void Report(const std::string& utf8Text) override { messages.push_back(utf8Text); }

private:
    std::vector<std::string>& messages;
};

void CKosmiraApp::CancelDeepStarLoad()
{
    if (deepStarLoader) {
        deepStarLoader->wait();
        deepStarLoader.reset();
    }
    ++deepStarGeneration;  // a result still queued for the GUI thread is dropped
    *deepStars = DeepStarIndex();
    loadedDeepStars.reset();
    joinedSkyIndex.reset();
    deepStarMessages.clear();
}

void CKosmiraApp::StartLoadingDeepStars()
{
    CancelDeepStarLoad();
    const int generation = deepStarGeneration;
    const std::string directory = moduleDirectory.toStdString();
    const SkyIndex* shownIndex = skyIndex.get();
    deepStarLoader.reset(QThread::create([this, directory, shownIndex] {
        CollectingSink sink(deepStarMessages);
        std::vector<DeepStar> stars;
        if (LoadDeepStars(directory, sink, stars)) {
            loadedDeepStars = std::make_unique<DeepStarIndex>(std::move(stars));
            // The search learns the deep stars' numbers here too: a copy of the index (only
            // read meanwhile by the GUI thread) joined with them replaces it there.
            auto joined = std::make_unique<SkyIndex>(*shownIndex);
            joined->AddStars(HipStarsOf(loadedDeepStars->Stars()));
            joinedSkyIndex = std::move(joined);
        }
    }));
    deepStarLoader->setObjectName(QStringLiteral("deep stars"));
    connect(deepStarLoader.get(), &QThread::finished, this,
            [this, generation] { TakeLoadedDeepStars(generation); }, Qt::QueuedConnection);
    deepStarLoader->start(QThread::LowPriority);
}

void CKosmiraApp::TakeLoadedDeepStars(int generation)
{
    if (generation != deepStarGeneration || !deepStarLoader || !deepStarLoader->isFinished())
        return;
    deepStarLoader->wait();
    deepStarLoader.reset();
    if (loadedDeepStars)
        *deepStars = std::move(*loadedDeepStars);
    loadedDeepStars.reset();
    // Object numbers stay valid: the joined index only adds objects after the others.
    if (joinedSkyIndex)
        *skyIndex = std::move(*joinedSkyIndex);
    joinedSkyIndex.reset();
    const std::vector<std::string> messages = std::move(deepStarMessages);
    deepStarMessages.clear();
    if (mainFrame)
        mainFrame->RefreshViews();
    for (const std::string& text : messages)
        ShowMessage(QString::fromStdString(text));
}

void CKosmiraApp::WaitForDeepStars()
{
    if (deepStarLoader) {
        deepStarLoader->wait();
        TakeLoadedDeepStars(deepStarGeneration);
    }
}

void CKosmiraApp::ChooseDefaultSite()
{
    // The 36th city is the default site; a shorter list keeps the zeroed observer.
    constexpr std::size_t kDefaultCity = 35;
    Observer site;
    if (catalogs->cities.size() > kDefaultCity)
        site = catalogs->cities[kDefaultCity];
    shownSky.site = site;
    chosenSite = site;
}

bool CKosmiraApp::InitInstance()
{
    mainFrame.reset();
    CancelDeepStarLoad();
    shownSky = ShownSky();
    chosenSite = Observer();
    catalogs = std::make_unique<CatalogSet>();
    skyIndex = std::make_unique<SkyIndex>();
    catalogLabels = std::make_unique<CatalogLabels>();

    WriteDesktopLauncher(executablePath, LauncherIcon(moduleDirectory));

    std::unique_ptr<CSplashWnd> splash;
    if (splashEnabled) {
        splash = std::make_unique<CSplashWnd>(ModulePath(QStringLiteral("images/logo.bmp")));
        splash->show();
    }

    LoadCatalogsWhileSplashShows();
    ChooseDefaultSite();
    SetShownTime(NowLocal());

    mainFrame = std::make_unique<CKosmiraFrame>(&commands);
    mainFrame->setWindowIcon(KosmiraIcon());
    if (NightVision::On()) {
        mainFrame->setWindowIcon(windowIcon());
        mainFrame->SetNightIcons(true);
    }
    connect(this, &CKosmiraApp::shownStateChanged, mainFrame.get(), &CKosmiraFrame::RefreshViews);
    ReportMainWindowShown();
    // Covers the work area even where no window manager carries out the maximising.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        mainFrame->setGeometry(screen->availableGeometry());
    mainFrame->showMaximized();
    // The deep star list is not needed for the first frame: it loads while the window shows
    // (the start-up probe "nodeep" leaves it out, for the comparison of bench/app).
    if (qEnvironmentVariable("KOSMIRA_STARTUP_PROBE") != QLatin1String("nodeep"))
        StartLoadingDeepStars();

    if (splash) {
        splash->AllowClose();
        splash->close();
    }
    return true;
}

void CKosmiraApp::ReportMainWindowShown()
{
    if (qEnvironmentVariableIsEmpty("KOSMIRA_STARTUP_PROBE"))
        return;
    mainFrame->winId();  // creates the native window so that its expose can be watched
    if (QWindow* window = mainFrame->windowHandle())
        window->installEventFilter(new StartupProbe(mainFrame.get()));
}
