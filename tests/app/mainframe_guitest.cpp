// The main frame: menus 128 and 129, the enabling rule, the bar toggles, the status bar,
// the toolbar and the command routing order.

#include "apptestsupport.h"

#include "app/ckosmiraframe.h"
#include "app/commandids.h"
#include "app/lockkeys.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <QMenu>
#include <gtest/gtest.h>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

using namespace CommandId;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = std::make_unique<CKosmiraFrame>(&appCommands);
        frame->resize(900, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    CommandMap appCommands;
    std::unique_ptr<CKosmiraFrame> frame;
};

const QList<int> kMenu128 = {FilePrint, FilePrintPreview, FileSavePdf,
                             NewPlanetarium, NewPlanet3d, NewPlanetEcl, NewCalendar, NewPhenomena,
                             NewBrowser,
                             AppExit,        SetTime,     SetLocation,  PreciseModel, SyncClock,
                             ToggleToolBar,
                             ToggleStatusBar, FullScreen, NightMode, WindowCascade, WindowTile, WindowNext,
                             WindowCloseAll, AppAbout};

TEST_F(MainFrameTest, WithoutChildMenu128IsShown)
{
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Main);
    EXPECT_EQ(frame->MenuTitles(), (QStringList{QStringLiteral("파일"), QStringLiteral("설정"),
                                                QStringLiteral("도구"), QStringLiteral("보기"),
                                                QStringLiteral("창"), QStringLiteral("도움말")}));
    EXPECT_EQ(frame->MenuCommandIds(), kMenu128);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kosmira"));
}

TEST_F(MainFrameTest, MenuItemTextsAndSeparators)
{
    QMenu* file = frame->menuBar()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList texts;
    for (QAction* a : file->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("인쇄…"), QStringLiteral("인쇄 미리 보기…"),
                                  QStringLiteral("PDF로 저장…"), QStringLiteral("-"),
                                  QStringLiteral("새 플라네타리움"), QStringLiteral("새 태양계 3차원 보기"),
                                  QStringLiteral("새 행성 시운동 보기"), QStringLiteral("새 천문 달력"),
                                  QStringLiteral("새 천문 현상 목록"), QStringLiteral("새 브라우저 생성"), QStringLiteral("-"),
                                  QStringLiteral("종료")}));
    EXPECT_EQ(frame->Action(AppAbout)->text(), QStringLiteral("이 프로그램에 대하여..."));
    EXPECT_EQ(frame->Action(FullScreen)->text(), QStringLiteral("전체 화면으로 보기"));
    EXPECT_EQ(frame->Action(FullScreen)->shortcut(), QKeySequence(Qt::Key_F11));
}

TEST_F(MainFrameTest, CommandsWithoutHandlerAreDisabled)
{
    frame->UpdateCommandStates();
    for (int id : {NewPlanetarium, NewCalendar, SetTime, SetLocation, SyncClock,
                   AppAbout, AppExit, ViewEast, ZoomIn, InfoMercury}) {
        bool handled = true;
        EXPECT_FALSE(frame->QueryCommand(id, &handled).enabled) << id;
        EXPECT_FALSE(handled) << id;
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    }
    // The print commands belong to the frame and wait for a window with something to print.
    for (int id : {FilePrint, FilePrintPreview, FileSavePdf}) {
        bool handled = false;
        EXPECT_FALSE(frame->QueryCommand(id, &handled).enabled) << id;
        EXPECT_TRUE(handled) << id;
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    }
    // The frame's own toggles are always there, full screen included.
    EXPECT_TRUE(frame->Action(FullScreen)->isEnabled());
    EXPECT_TRUE(frame->Action(ToggleToolBar)->isEnabled());
    EXPECT_TRUE(frame->Action(ToggleStatusBar)->isEnabled());

    int runs = 0;
    appCommands.Add(SetTime, [&] { ++runs; });
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(SetTime)->isEnabled());
    frame->Action(SetTime)->trigger();
    EXPECT_EQ(runs, 1);
    // A disabled command does nothing when triggered from the router.
    EXPECT_FALSE(frame->RouteCommand(SetLocation));
}

TEST_F(MainFrameTest, ToolBarAndStatusBarTogglesRestoreWithCheckMarks)
{
    QAction* toolBar = frame->Action(ToggleToolBar);
    QAction* statusBar = frame->Action(ToggleStatusBar);
    frame->UpdateCommandStates();
    EXPECT_TRUE(toolBar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());

    toolBar->trigger();
    EXPECT_FALSE(frame->IsToolBarVisible());
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    EXPECT_FALSE(toolBar->isChecked());
    statusBar->trigger();
    EXPECT_FALSE(frame->IsStatusBarVisible());
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(statusBar->isChecked());

    toolBar->trigger();
    statusBar->trigger();
    EXPECT_TRUE(frame->IsToolBarVisible());
    EXPECT_TRUE(frame->IsStatusBarVisible());
    EXPECT_TRUE(frame->ToolBar()->isVisible());
    EXPECT_TRUE(frame->statusBar()->isVisible());
    EXPECT_TRUE(toolBar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());
}

TEST_F(MainFrameTest, ToolBarButtonsInOrderWithGaps)
{
    QList<int> ids;
    for (QAction* a : frame->ToolBar()->actions())
        ids.append(a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(ids, (QList<int>{FilePrint, 0, ViewEast, ViewWest, ViewSouth, ViewNorth, ViewZenith, 0,
                               ZoomIn, ZoomOut, 0, SetTime, SetLocation, 0, AppAbout}));
    EXPECT_EQ(frame->ToolBar()->iconSize(), QSize(16, 15));
    for (int id : ids) {
        if (id != 0) {
            EXPECT_FALSE(frame->Action(id)->icon().isNull()) << id;
        }
    }
}

TEST_F(MainFrameTest, StatusBarHasSixPanesAndReadyMessage)
{
    const QStringList panes = frame->StatusPaneTexts();
    ASSERT_EQ(panes.size(), 6);
    EXPECT_EQ(panes[0], QStringLiteral("준비"));
    EXPECT_EQ(panes[1], QString());
    EXPECT_EQ(panes[2], QString());
}

// Sets or clears a lock modifier on the X server, as pressing the key would.
void SetLock(unsigned int mask, bool on)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    XkbLockModifiers(x11->display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(x11->display(), False);
}

TEST_F(MainFrameTest, LockIndicatorsFollowTheKeyboard)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    const unsigned int numMask = XkbKeysymToModifiers(x11->display(), XK_Num_Lock);

    SetLock(LockMask, true);
    frame->RefreshIndicators();
    EXPECT_TRUE(ReadLockKeyState().capsLock);
    EXPECT_EQ(frame->StatusPaneTexts()[3], QStringLiteral("CAP"));

    SetLock(LockMask, false);
    frame->RefreshIndicators();
    EXPECT_FALSE(ReadLockKeyState().capsLock);
    EXPECT_EQ(frame->StatusPaneTexts()[3], QString());

    if (numMask != 0) {
        SetLock(numMask, true);
        frame->RefreshIndicators();
        EXPECT_EQ(frame->StatusPaneTexts()[4], QStringLiteral("NUM"));
        SetLock(numMask, false);
        frame->RefreshIndicators();
        EXPECT_EQ(frame->StatusPaneTexts()[4], QString());
    }
    EXPECT_EQ(frame->StatusPaneTexts()[5], ReadLockKeyState().scrollLock ? QStringLiteral("SCRL") : QString());
}

TEST_F(MainFrameTest, MenusFollowTheActiveChildKind)
{
    auto* planetarium = new TestChildFrame(MenuSet::Planetarium);
    QMdiSubWindow* sky = frame->AddChild(planetarium);
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Planetarium);
    EXPECT_EQ(frame->MenuTitles(), (QStringList{QStringLiteral("파일"), QStringLiteral("설정"),
                                                QStringLiteral("찾기"), QStringLiteral("정보"),
                                                QStringLiteral("도구"), QStringLiteral("보기"),
                                                QStringLiteral("창"), QStringLiteral("도움말")}));
    EXPECT_EQ(frame->MenuCommandIds(),
              (QList<int>{FilePrint, FilePrintPreview, FileSavePdf, NewPlanetarium, FileClose,
                          AppExit, SetTime, SetLocation, PreciseModel, FindObject, FindConstellation,
                          FindSun, FindMoon, FindMercury, FindVenus, FindMars,
                          FindJupiter, FindSaturn, FindUranus, FindNeptune, FindPluto,
                          InfoConstellation, InfoSun, InfoMoon, InfoMercury, InfoVenus, InfoEarth,
                          InfoMars, InfoJupiter, InfoSaturn, InfoUranus, InfoNeptune, InfoPluto,
                          ToolPlanet3d, ToolPlanetEcl, ToolCalendar, ToolPolarAxis, SyncClock,
                          ToggleToolBar, ToggleStatusBar, PointerPalette, DisplayPalette,
                          FullScreen, NightMode, WindowCascade, WindowTile, WindowNext, WindowCloseAll,
                          AppAbout}));

    auto* other = new TestChildFrame(MenuSet::Main);
    frame->AddChild(other);
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Main);
    EXPECT_EQ(frame->MenuCommandIds(), kMenu128);

    frame->MdiArea()->setActiveSubWindow(sky);
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Planetarium);

    frame->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_EQ(frame->CurrentMenus(), MenuSet::Main);
}

TEST_F(MainFrameTest, CommandsGoToViewThenFrameThenMainFrameThenApplication)
{
    auto* child = new TestChildFrame(MenuSet::Planetarium);
    frame->AddChild(child);
    QStringList calls;
    child->ViewCommands().Add(ZoomIn, [&] { calls << QStringLiteral("view"); });
    child->FrameCommands().Add(ZoomIn, [&] { calls << QStringLiteral("frame"); });
    frame->Commands().Add(ZoomIn, [&] { calls << QStringLiteral("main"); });
    appCommands.Add(ZoomIn, [&] { calls << QStringLiteral("app"); });

    EXPECT_TRUE(frame->RouteCommand(ZoomIn));
    child->ViewCommands().Remove(ZoomIn);
    EXPECT_TRUE(frame->RouteCommand(ZoomIn));
    child->FrameCommands().Remove(ZoomIn);
    EXPECT_TRUE(frame->RouteCommand(ZoomIn));
    frame->Commands().Remove(ZoomIn);
    EXPECT_TRUE(frame->RouteCommand(ZoomIn));
    appCommands.Remove(ZoomIn);
    EXPECT_FALSE(frame->RouteCommand(ZoomIn));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("view"), QStringLiteral("frame"),
                                  QStringLiteral("main"), QStringLiteral("app")}));
}

TEST_F(MainFrameTest, UpdatePassAsksTheSameTargetsInTheSameOrder)
{
    auto* child = new TestChildFrame(MenuSet::Planetarium);
    frame->AddChild(child);
    bool fullScreen = false;
    child->FrameCommands().Add(FullScreen, [&] { fullScreen = !fullScreen; },
                               [&](CommandState& s) { s.checked = fullScreen; });
    appCommands.Add(FullScreen, [] {}, [](CommandState& s) { s.enabled = false; });
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(FullScreen)->isEnabled());
    EXPECT_FALSE(frame->Action(FullScreen)->isChecked());

    // F11 reaches the child's handler through the accelerator of the active main window.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(child->View(), Qt::Key_F11);
    EXPECT_TRUE(fullScreen);
    EXPECT_TRUE(frame->Action(FullScreen)->isChecked());

    // A view handler that reports itself disabled shadows the frame's.
    child->ViewCommands().Add(FullScreen, [] {}, [](CommandState& s) { s.enabled = false; });
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(FullScreen)->isEnabled());
}

TEST_F(MainFrameTest, ViewCommandsNeedAViewAndChildCommandsNeedAnActiveChild)
{
    auto* empty = new TestChildFrame(MenuSet::Planetarium, false);
    int runs = 0;
    empty->ViewCommands().Add(ViewEast, [&] { ++runs; });
    frame->AddChild(empty);
    EXPECT_FALSE(frame->RouteCommand(ViewEast));
    EXPECT_EQ(runs, 0);
    empty->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(frame->QueryCommand(ViewEast).enabled);
}

TEST_F(MainFrameTest, ActivatingAChildFocusesItsView)
{
    auto* child = new TestChildFrame(MenuSet::Main);
    frame->activateWindow();
    frame->AddChild(child);
    QApplication::processEvents();
    ASSERT_NE(child->View(), nullptr);
    EXPECT_TRUE(child->View()->hasFocus() || QApplication::focusWidget() == child->View());
}

TEST_F(MainFrameTest, ChildTitleJoinsTheFrameTitleAndTwoChildrenAreIndependent)
{
    auto* first = new TestChildFrame(MenuSet::Main);
    first->setWindowTitle(QStringLiteral("Kosmira - 첫째"));
    auto* second = new TestChildFrame(MenuSet::Main);
    second->setWindowTitle(QStringLiteral("Kosmira - 둘째"));
    QMdiSubWindow* a = frame->AddChild(first);
    QMdiSubWindow* b = frame->AddChild(second);
    EXPECT_NE(a, b);
    EXPECT_EQ(frame->Children().size(), 2);
    EXPECT_EQ(a->windowTitle(), QStringLiteral("Kosmira - 첫째"));
    // The main window takes the active child's title.
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kosmira - 둘째"));
    a->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->Children(), QList<CChildFrame*>{second});
}

TEST_F(MainFrameTest, RefreshViewsReachesEveryChild)
{
    auto* first = new TestChildFrame(MenuSet::Main);
    auto* second = new TestChildFrame(MenuSet::Planetarium);
    frame->AddChild(first);
    frame->AddChild(second);
    frame->RefreshViews();
    EXPECT_EQ(first->refreshCount, 1);
    EXPECT_EQ(second->refreshCount, 1);
}

}  // namespace

namespace {

TEST_F(MainFrameTest, MessagePaneShowsPromptsOnlyForFrameworkCommands)
{
    frame->Action(AppAbout)->showStatusText(frame.get());
    EXPECT_EQ(frame->StatusPaneTexts()[0], frame->Action(AppAbout)->statusTip());
    EXPECT_FALSE(frame->StatusPaneTexts()[0].isEmpty());
    // The program's own commands have no prompt; with no menu open the pane reads "준비".
    frame->Action(NewPlanetarium)->showStatusText(frame.get());
    EXPECT_EQ(frame->StatusPaneTexts()[0], QStringLiteral("준비"));
}

TEST_F(MainFrameTest, AcceleratorsWithoutHandlerLeaveEditingKeysToTheView)
{
    auto* child = new TestChildFrame(MenuSet::Main);
    frame->AddChild(child);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    auto* edit = qobject_cast<QLineEdit*>(child->View());
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QString());
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
}

// The window menu lists the open windows with the active one checked; Ctrl+W closes the
// active window, Ctrl+Tab moves to the next, and "모든 창 닫기" closes them all.
TEST_F(MainFrameTest, WindowMenuListsTheWindowsAndTheKeysMoveBetweenThem)
{
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(FileClose)->isEnabled());
    EXPECT_FALSE(frame->Action(WindowCloseAll)->isEnabled());
    auto* first = new TestChildFrame(MenuSet::Main);
    first->setWindowTitle(QStringLiteral("Kosmira - 첫째"));
    auto* second = new TestChildFrame(MenuSet::Main);
    second->setWindowTitle(QStringLiteral("Kosmira - 둘째"));
    frame->AddChild(first);
    QMdiSubWindow* b = frame->AddChild(second);
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(FileClose)->isEnabled());

    QMenu* windows = nullptr;
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == QStringLiteral("창"))
            windows = a->menu();
    ASSERT_NE(windows, nullptr);
    emit windows->aboutToShow();
    QStringList entries;
    for (QAction* a : windows->actions())
        if (a->data().toInt() == -1)
            entries.append((a->isChecked() ? QStringLiteral("* ") : QStringLiteral("  ")) + a->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("  &1 Kosmira - 첫째"),
                                    QStringLiteral("* &2 Kosmira - 둘째")}));

    EXPECT_EQ(frame->ActiveChild(), second);
    QApplication::setActiveWindow(frame.get());
    QTest::keyClick(frame.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(frame->ActiveChild(), first);
    frame->MdiArea()->setActiveSubWindow(b);
    QTest::keyClick(frame.get(), Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->Children(), QList<CChildFrame*>{first});
    frame->RouteCommand(WindowCloseAll);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame->Children().isEmpty());
}

}  // namespace
