// Start-up of the application on a copy of the shipped data: launcher, catalogs and their
// messages, default site, main frame; the installed layout (run-time files in ../share/kosmira).

#include "app/ccalendarframe.h"
#include "app/cphenomenaframe.h"
#include "app/cplanet3dframe.h"
#include "astro/time/juliandate.h"
#include "views/ccalendarview.h"
#include "views/cplanet3dview.h"
#include "apptestsupport.h"

#include "app/ccalendarframe.h"
#include "app/ckosmiraapp.h"
#include "app/cplanet3dframe.h"
#include "app/cplaneteclframe.h"
#include "app/cpolaraxisframe.h"
#include "app/cplanetariumframe.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"
#include "app/csplashwnd.h"
#include "app/runtimefiles.h"
#include "catalog/catalogset.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QFile>
#include <QSignalSpy>
#include <QAction>
#include <QTest>
#include "catalog/deepstarindex.h"
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
// Single-precision rounding of an angle in radians.
constexpr double kToleranceRad = 1e-6;

// Value of one key of a launcher file.
QString LauncherKey(const QString& launcherPath, const QString& key)
{
    QFile file(launcherPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = CKosmiraApp::Instance();
        ASSERT_NE(app, nullptr);
        desktop = home.filePath(QStringLiteral("Desktop"));
        ASSERT_TRUE(QDir().mkpath(desktop));
        qputenv("XDG_DESKTOP_DIR", desktop.toUtf8());
        messages.clear();
        app->SetMessageSink([this](const QString& text) { messages.append(text); });
    }

    void TearDown() override
    {
        app->SetMessageSink({});
        app->SetModuleDirectory(QFileInfo(app->ExecutablePath()).absolutePath());
        qunsetenv("XDG_DESKTOP_DIR");
        if (app->MainFrame())
            app->MainFrame()->hide();
    }

    bool Start(const ModuleCopy& module)
    {
        app->SetModuleDirectory(module.Path());
        return app->InitInstance();
    }

    CKosmiraApp* app = nullptr;
    QTemporaryDir home;
    QString desktop;
    QStringList messages;
};

TEST_F(StartupTest, ShippedDataLoadsSilentlyAndCity35IsTheSite)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();

    const QStringList city = CatalogLine(module.File(QStringLiteral("data/city.dat")), 35);
    ASSERT_GE(city.size(), 5);
    const Observer& site = app->GetObserver();
    EXPECT_EQ(QString::fromStdString(site.region), city[0]);
    EXPECT_EQ(QString::fromStdString(site.name), city[1]);
    EXPECT_NEAR(site.longitude, city[2].toDouble() * kDegreesToRadians, kToleranceRad);
    EXPECT_NEAR(site.latitude, city[3].toDouble() * kDegreesToRadians, kToleranceRad);
    EXPECT_FLOAT_EQ(site.timeZone, city[4].toFloat());

    EXPECT_FALSE(app->Catalogs().stars.empty());
    EXPECT_FALSE(app->Catalogs().ngc.empty());
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_TRUE(app->MainFrame()->windowState() & Qt::WindowMaximized);
}

TEST_F(StartupTest, TheDeepStarListLoadsAfterTheMainWindowShows)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
    app->WaitForDeepStars();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(app->DeepStars().Size(), 118216u);
    // Search by Hipparcos number finds the records: HIP 27989 is Betelgeuse (magnitude 0.45).
    const DeepStar* betelgeuse = app->DeepStars().FindHip(27989);
    ASSERT_NE(betelgeuse, nullptr);
    EXPECT_NEAR(betelgeuse->magnitude, 0.45, 0.005);
}

TEST_F(StartupTest, AMissingDeepStarListIsReportedAndTheSkyKeepsTheNakedEyeStars)
{
    ModuleCopy module({QStringLiteral("deepstar.dat"), QStringLiteral("deepstar.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    app->WaitForDeepStars();
    EXPECT_EQ(messages, QStringList{QStringLiteral("어두운 별 데이터를 읽을 수 없습니다.")});
    EXPECT_TRUE(app->DeepStars().Empty());
    EXPECT_FALSE(app->Catalogs().stars.empty());
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

TEST_F(StartupTest, LauncherIsWrittenAndRewrittenAtEveryStart)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    const QString launcher = QDir(desktop).filePath(QStringLiteral("Kosmira.desktop"));
    {
        QFile stale(launcher);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("stale\n");
    }
    ASSERT_TRUE(Start(module));
    QFile file(launcher);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("stale")));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"") + app->ExecutablePath() + QLatin1Char('"')))
        << text.toStdString();
    EXPECT_TRUE(QFileInfo(launcher).permissions() & QFileDevice::ExeOwner);
}

TEST_F(StartupTest, MissingDesktopDirectoryIsNotCreated)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    const QString absent = home.filePath(QStringLiteral("NoDesktop"));
    qputenv("XDG_DESKTOP_DIR", absent.toUtf8());
    ASSERT_TRUE(Start(module));
    EXPECT_FALSE(QFileInfo::exists(absent));
    EXPECT_NE(app->MainFrame(), nullptr);
}

TEST_F(StartupTest, MissingMessierFileShowsItsMessageAndStopsTheLoad)
{
    ModuleCopy module({QStringLiteral("m.dat"), QStringLiteral("m.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    EXPECT_EQ(messages, QStringList{QStringLiteral("메시에 데이터를 읽을 수 없습니다.")});
    EXPECT_FALSE(app->Catalogs().stars.empty());
    EXPECT_TRUE(app->Catalogs().messier.empty());
    EXPECT_TRUE(app->Catalogs().ngc.empty());
    EXPECT_TRUE(app->Catalogs().zones.empty());
    // Start-up goes on: the site is still city 35 and the main frame is up.
    const QStringList city = CatalogLine(module.File(QStringLiteral("data/city.dat")), 35);
    ASSERT_GE(city.size(), 2);
    EXPECT_EQ(QString::fromStdString(app->GetObserver().name), city[1]);
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

TEST_F(StartupTest, MissingFigureFileIsReportedAndLoadingGoesOn)
{
    ModuleCopy module({QStringLiteral("conline.dat"), QStringLiteral("conline.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    EXPECT_EQ(messages, QStringList{QStringLiteral("별자리 모양 데이터를 읽을 수 없습니다.")});
    EXPECT_TRUE(app->Catalogs().constellationLines.empty());
    EXPECT_FALSE(app->Catalogs().messier.empty());
    EXPECT_FALSE(app->Catalogs().zones.empty());
}

TEST_F(StartupTest, ShortCityListIsReportedAndKeepsTheZeroedObserver)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    const QString cityPath = module.File(QStringLiteral("data/city.dat"));
    QFile city(cityPath);
    ASSERT_TRUE(city.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = city.readAll().split('\n');
    city.close();
    ASSERT_GT(lines.size(), 35);
    ASSERT_TRUE(city.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 0; i < 35; ++i)
        city.write(lines[i] + '\n');
    city.close();

    ASSERT_TRUE(Start(module));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("data/city.dat 파일에 기본 관측지(36번째 도시)가 없어 관측지를 경도 0°, 위도 0°로 둡니다."));
    EXPECT_EQ(app->Catalogs().cities.size(), 35u);
    const Observer& site = app->GetObserver();
    EXPECT_TRUE(site.region.empty());
    EXPECT_TRUE(site.name.empty());
    EXPECT_EQ(site.longitude, 0.0f);
    EXPECT_EQ(site.latitude, 0.0f);
    EXPECT_EQ(site.timeZone, 0.0f);
}

TEST_F(StartupTest, MissingCityFileStopsBeforeEveryOtherCatalog)
{
    ModuleCopy module({QStringLiteral("city.dat"), QStringLiteral("city.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(app->Catalogs().cities.empty());
    EXPECT_TRUE(app->Catalogs().stars.empty());
    EXPECT_TRUE(app->GetObserver().name.empty());
    EXPECT_NE(app->MainFrame(), nullptr);
}

TEST_F(StartupTest, CatalogsAreReadFromShareKosmiraBesideBin)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    // <root>/usr/bin/kosmira and <root>/usr/share/kosmira holding data/, images/, home/.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/bin"))));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/share"))));
    ASSERT_TRUE(QFile::link(module.Path(), root.filePath(QStringLiteral("usr/share/kosmira"))));

    const QString found = FindModuleDirectory(root.filePath(QStringLiteral("usr/bin/kosmira")));
    EXPECT_EQ(found, root.filePath(QStringLiteral("usr/share/kosmira")));
    app->SetModuleDirectory(found);
    ASSERT_TRUE(app->InitInstance());

    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(app->Catalogs().stars.empty());
    EXPECT_FALSE(app->Catalogs().ngc.empty());
    EXPECT_FALSE(app->Catalogs().zones.empty());
    EXPECT_FALSE(app->GetObserver().name.empty());
    EXPECT_EQ(app->ModulePath(QStringLiteral("images/logo.bmp")),
              root.filePath(QStringLiteral("usr/share/kosmira/images/logo.bmp")));
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());

    // No icon file among the installed run-time files: the launcher names the theme icon and
    // starts the running executable.
    const QString launcher = QDir(desktop).filePath(QStringLiteral("Kosmira.desktop"));
    EXPECT_EQ(LauncherKey(launcher, QStringLiteral("Icon")), QStringLiteral("org.kosmira.Kosmira"));
    EXPECT_EQ(LauncherKey(launcher, QStringLiteral("Exec")),
              QLatin1Char('"') + app->ExecutablePath() + QLatin1Char('"'));
}

TEST_F(StartupTest, MissingDataFolderShowsTheCityMessageAndTheWindowStillOpens)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(QDir(module.File(QStringLiteral("data"))).removeRecursively());
    app->SetModuleDirectory(module.Path());
    ASSERT_TRUE(app->InitInstance());

    // The loader stops at the first catalog, the city list.
    EXPECT_EQ(messages, QStringList{QStringLiteral("도시 데이터를 읽을 수 없습니다.")});
    EXPECT_TRUE(app->Catalogs().cities.empty());
    EXPECT_TRUE(app->Catalogs().stars.empty());
    EXPECT_TRUE(app->GetObserver().name.empty());
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

TEST_F(StartupTest, SplashIsClosedOnceTheMainFrameIsUp)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<CSplashWnd*>(widget)) {
            EXPECT_FALSE(splash->isVisible());
        }
    }
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

TEST_F(StartupTest, MessagesFromTheWorkerArriveInOrderOnTheGuiThread)
{
    ModuleCopy module({QStringLiteral("conline.dat"), QStringLiteral("conline.dat.gz"),
                       QStringLiteral("ngc.dat"), QStringLiteral("ngc.dat.gz")});
    ASSERT_TRUE(module.IsValid());
    QList<bool> onGuiThread;
    app->SetMessageSink([&](const QString& text) {
        messages.append(text);
        onGuiThread.append(QThread::currentThread() == app->thread());
    });
    ASSERT_TRUE(Start(module));
    EXPECT_EQ(messages, (QStringList{QStringLiteral("별자리 모양 데이터를 읽을 수 없습니다."),
                                     QStringLiteral("NGC 데이터를 읽을 수 없습니다.")}));
    EXPECT_EQ(onGuiThread, (QList<bool>{true, true}));
}

}  // namespace

namespace {

TEST_F(StartupTest, RegisteredChildFrameCommandOpensAnActiveChild)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    CKosmiraFrame* frame = app->MainFrame();
    ASSERT_NE(frame, nullptr);
    // Registering again replaces the wired handler for this test only.
    constexpr int kCommand = CommandId::NewPlanetarium;
    int created = 0;
    app->RegisterChildFrame(kCommand, [&] {
        ++created;
        return new TestChildFrame(MenuSet::Planetarium);
    });
    EXPECT_TRUE(frame->Action(kCommand)->isEnabled());
    frame->Action(kCommand)->trigger();
    frame->Action(kCommand)->trigger();
    EXPECT_EQ(created, 2);
    ASSERT_EQ(frame->Children().size(), 2);
    EXPECT_EQ(frame->ActiveChild(), frame->Children().last());
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Planetarium);

    // The views repaint when the shown state changes.
    auto* child = static_cast<TestChildFrame*>(frame->ActiveChild());
    const int before = child->refreshCount;
    app->RecomputeBodies();
    EXPECT_EQ(child->refreshCount, before + 1);
    app->Commands().Remove(kCommand);
}

// Every window command and dialog command is wired at start-up; each window command opens
// its own kind of child, active, with its menu set.
TEST_F(StartupTest, EveryWindowCommandOpensItsKindOfWindow)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    CKosmiraFrame* frame = app->MainFrame();
    ASSERT_NE(frame, nullptr);
    for (int id : {CommandId::SetTime, CommandId::SetLocation, CommandId::SyncClock,
                   CommandId::InfoSun, CommandId::InfoMoon, CommandId::AppAbout})
        EXPECT_TRUE(app->Commands().Contains(id)) << id;

    struct Expected {
        int command;
        MenuSet menus;
        const char* title;
        std::function<bool(CChildFrame*)> isKind;
    };
    const Expected windows[] = {
        {CommandId::NewPlanetarium, MenuSet::Planetarium, "Kosmira - 플라네타리움",
         [](CChildFrame* f) { return dynamic_cast<CPlanetariumFrame*>(f) != nullptr; }},
        {CommandId::NewCalendar, MenuSet::Main, "Kosmira - 천문 달력 ",
         [](CChildFrame* f) { return dynamic_cast<CCalendarFrame*>(f) != nullptr; }},
        {CommandId::NewPlanetEcl, MenuSet::Main, "Kosmira - 행성 시운동",
         [](CChildFrame* f) { return dynamic_cast<CPlanetEclFrame*>(f) != nullptr; }},
        {CommandId::NewPlanet3d, MenuSet::Main, "Kosmira - 태양계 3차원",
         [](CChildFrame* f) { return dynamic_cast<CPlanet3dFrame*>(f) != nullptr; }},
        {CommandId::ToolPolarAxis, MenuSet::Main, "Kosmira - 극축 맞추기",
         [](CChildFrame* f) { return dynamic_cast<CPolarAxisFrame*>(f) != nullptr; }},
        {CommandId::NewPhenomena, MenuSet::Main, "Kosmira - 천문 현상",
         [](CChildFrame* f) { return dynamic_cast<CPhenomenaFrame*>(f) != nullptr; }},
        {CommandId::ToolCalendar, MenuSet::Main, "Kosmira - 천문 현상",
         [](CChildFrame* f) { return dynamic_cast<CPhenomenaFrame*>(f) != nullptr; }},
    };
    for (const Expected& expected : windows) {
        // The calendar and the other views open from menu 128, so leave the planetarium.
        for (CChildFrame* child : frame->Children())
            child->SubWindow()->close();
        QCoreApplication::processEvents();
        QAction* action = frame->Action(expected.command);
        frame->UpdateCommandStates();
        ASSERT_TRUE(action->isEnabled()) << expected.command;
        action->trigger();
        QCoreApplication::processEvents();
        CChildFrame* active = frame->ActiveChild();
        ASSERT_NE(active, nullptr) << expected.command;
        EXPECT_TRUE(expected.isKind(active)) << expected.command;
        EXPECT_EQ(frame->CurrentMenus(), expected.menus) << expected.command;
        // Each window says what it shows; a calendar adds its month and site.
        EXPECT_TRUE(active->SubWindow()->windowTitle().startsWith(QString::fromUtf8(expected.title)))
            << active->SubWindow()->windowTitle().toStdString() << " "
            << expected.command;
    }
    for (CChildFrame* child : frame->Children())
        child->SubWindow()->close();
    QCoreApplication::processEvents();
}

TEST_F(StartupTest, ExitCommandClosesTheMainFrame)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    ASSERT_TRUE(app->MainFrame()->isVisible());
    EXPECT_TRUE(app->MainFrame()->Action(CommandId::AppExit)->isEnabled());
    app->MainFrame()->Action(CommandId::AppExit)->trigger();
    EXPECT_FALSE(app->MainFrame()->isVisible());
}

}  // namespace

namespace {

// "정밀 계산" is unchecked at start-up; checking it switches the calendar, the 3D view and the
// shown sky of every open window at once, and unchecking it brings the classic model back.
TEST_F(StartupTest, PreciseModelMenuSwitchesEveryOpenWindow)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    CKosmiraFrame* frame = app->MainFrame();
    app->SetShownTime(SkyTime(JulianDateFromCalendar(2026, 1, 5), 21.0));
    for (int command : {CommandId::NewCalendar, CommandId::NewPlanet3d}) {
        frame->Action(command)->trigger();
        QCoreApplication::processEvents();
    }
    CCalendarView* calendar = nullptr;
    CPlanet3dView* solarSystem = nullptr;
    for (CChildFrame* child : frame->Children()) {
        if (auto* c = dynamic_cast<CCalendarFrame*>(child))
            calendar = c->CalendarView();
        if (auto* s = dynamic_cast<CPlanet3dFrame*>(child))
            solarSystem = s->SolarSystemView();
    }
    ASSERT_NE(calendar, nullptr);
    ASSERT_NE(solarSystem, nullptr);
    QAction* precise = frame->Action(CommandId::PreciseModel);
    frame->UpdateCommandStates();
    EXPECT_TRUE(precise->isEnabled());
    EXPECT_FALSE(precise->isChecked());
    EXPECT_EQ(app->GetModel(), Model::Classic);
    const QImage classicPage = calendar->grab().toImage();

    precise->trigger();
    QCoreApplication::processEvents();
    frame->UpdateCommandStates();
    EXPECT_TRUE(precise->isChecked());
    EXPECT_EQ(app->GetModel(), Model::Precise);
    EXPECT_EQ(solarSystem->Snapshot().model, Model::Precise);
    // The month's times move by minutes: the page is drawn anew.
    EXPECT_NE(calendar->grab().toImage(), classicPage);

    precise->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->GetModel(), Model::Classic);
    EXPECT_EQ(solarSystem->Snapshot().model, Model::Classic);
    EXPECT_EQ(calendar->grab().toImage(), classicPage);
    for (CChildFrame* child : frame->Children())
        child->SubWindow()->close();
    QCoreApplication::processEvents();
}

}  // namespace

namespace {

// Every item of both menu sets has a handler and is enabled, with a window of each set open.
TEST_F(StartupTest, EveryMenuItemHasAHandlerAndIsEnabled)
{
    ModuleCopy module;
    ASSERT_TRUE(module.IsValid());
    ASSERT_TRUE(Start(module));
    CKosmiraFrame* frame = app->MainFrame();
    for (int command : {CommandId::NewCalendar, CommandId::NewPlanetarium}) {
        frame->Action(command)->trigger();
        QCoreApplication::processEvents();
        frame->UpdateCommandStates();
        for (int id : frame->MenuCommandIds()) {
            bool handled = false;
            const CommandState state = frame->QueryCommand(id, &handled);
            EXPECT_TRUE(handled) << id;
            EXPECT_TRUE(state.enabled) << id;
            EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
        }
    }
    for (CChildFrame* child : frame->Children())
        child->SubWindow()->close();
    QCoreApplication::processEvents();
}

}  // namespace
