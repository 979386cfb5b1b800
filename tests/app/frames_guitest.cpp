#include "astro/sky/shownsky.h"
#include <gtest/gtest.h>
#include "astro/math/angles.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTest>

#include "app/ccalendarframe.h"
#include "app/ckosmiraframe.h"
#include "app/commandids.h"
#include "app/cplanet3dframe.h"
#include "app/cplaneteclframe.h"
#include "mainframefixture.h"
#include "astro/time/juliandate.h"
#include "views/ccalendarview.h"
#include "views/cplanet3dview.h"
#include "views/cplaneteclview.h"

namespace {

// The three commands wired as the application wires them.
class ViewFramesTest : public MainFrameFixture {
protected:
    void SetUp() override
    {
        appCommands.Add(CommandId::NewCalendar, [this] {
            mainFrame->AddChild(new CCalendarFrame(shownLocal, site));
        });
        appCommands.Add(CommandId::NewPlanetEcl, [this] {
            mainFrame->AddChild(new CPlanetEclFrame(sky, colours, labelFont));
        });
        appCommands.Add(CommandId::NewPlanet3d, [this] {
            mainFrame->AddChild(new CPlanet3dFrame(sky, colours));
        });
        OpenMainFrame("대한민국", 2024, 2, 10, Model::Classic);
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(ViewFramesTest, TwoCalendarsOpenAtOnceIndependentAndTitledByMonthAndSite)
{
    ASSERT_TRUE(mainFrame->RouteCommand(CommandId::NewCalendar));
    shownLocal = SkyTime(JulianDateFromCalendar(2024, 3, 5), 10.0);
    ASSERT_TRUE(mainFrame->RouteCommand(CommandId::NewCalendar));
    QApplication::processEvents();

    const QList<CChildFrame*> children = mainFrame->Children();
    ASSERT_EQ(children.size(), 2);
    auto* first = qobject_cast<CCalendarFrame*>(children[0]);
    auto* second = qobject_cast<CCalendarFrame*>(children[1]);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Kosmira - 천문 달력 2024년 2월 · 서울"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Kosmira - 천문 달력 2024년 3월 · 서울"));
    EXPECT_EQ(first->SubWindow()->windowTitle(), first->windowTitle());

    // PageDown and PageUp turn the first calendar's months; its title follows.
    mainFrame->MdiArea()->setActiveSubWindow(first->SubWindow());
    QApplication::setActiveWindow(mainFrame.get());
    first->CalendarView()->setFocus();
    QTest::keyClick(first->CalendarView(), Qt::Key_PageDown);
    EXPECT_EQ(first->CalendarView()->Month().Month(), 3);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Kosmira - 천문 달력 2024년 3월 · 서울"));
    QTest::keyClick(first->CalendarView(), Qt::Key_PageUp);
    QTest::keyClick(first->CalendarView(), Qt::Key_PageUp);
    EXPECT_EQ(first->CalendarView()->Month().Month(), 1);
    EXPECT_EQ(second->CalendarView()->Month().Month(), 3);
    QTest::keyClick(first->CalendarView(), Qt::Key_PageDown);  // back to February
    EXPECT_NE(first->CalendarView(), second->CalendarView());
    EXPECT_EQ(first->CalendarView()->Month().Month(), 2);
    EXPECT_EQ(second->CalendarView()->Month().Month(), 3);
    EXPECT_EQ(first->CalendarView()->size(), QSize(730, 30 + 117 * 17));
    EXPECT_EQ(first->View(), first->ScrollArea());
    EXPECT_EQ(first->ScrollArea()->widget(), first->CalendarView());
    EXPECT_EQ(first->Menus(), MenuSet::Main);

    // Closing one leaves the other as it was.
    first->SubWindow()->close();
    QApplication::processEvents();
    ASSERT_EQ(mainFrame->Children().size(), 1);
    EXPECT_EQ(second->CalendarView()->Month().Month(), 3);
}

TEST_F(ViewFramesTest, CalendarRepaintedAfterTheSiteChangedShowsTheNewSite)
{
    ASSERT_TRUE(mainFrame->RouteCommand(CommandId::NewCalendar));
    auto* frame = qobject_cast<CCalendarFrame*>(mainFrame->ActiveChild());
    ASSERT_NE(frame, nullptr);
    const QImage before = frame->CalendarView()->grab().toImage();
    site = Observer("영국", "런던", static_cast<float>(-0.13 * kDegToRad),
                    static_cast<float>(51.5 * kDegToRad), 0.0f);
    mainFrame->RefreshViews();
    QApplication::processEvents();
    const QImage after = frame->CalendarView()->grab().toImage();
    const QRect sunrise(215, 32 + 1, 100, 16);
    EXPECT_NE(before.copy(sunrise), after.copy(sunrise));
    EXPECT_EQ(frame->CalendarView()->Month().Month(), 2);
}

TEST_F(ViewFramesTest, EclipticFrameHoldsTheChart)
{
    ASSERT_TRUE(mainFrame->RouteCommand(CommandId::NewPlanetEcl));
    QApplication::processEvents();
    auto* frame = qobject_cast<CPlanetEclFrame*>(mainFrame->ActiveChild());
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->EclipticView(), nullptr);
    EXPECT_EQ(frame->View(), frame->EclipticView());
    EXPECT_EQ(frame->Menus(), MenuSet::Main);
    // The frame's layout sizes the view to its client area.
    EXPECT_GT(frame->EclipticView()->width(), 200);
    EXPECT_EQ(frame->EclipticView()->Marks(frame->EclipticView()->size()).size(), 10u);
    // The frame and its view add no commands.
    EXPECT_FALSE(frame->RouteCommand(CommandId::ZoomIn));
    EXPECT_FALSE(frame->RouteCommand(CommandId::FullScreen));
}

TEST_F(ViewFramesTest, SolarSystemFrameTakesKeysAndKeepsItsSnapshot)
{
    ASSERT_TRUE(mainFrame->RouteCommand(CommandId::NewPlanet3d));
    QApplication::processEvents();
    auto* frame = qobject_cast<CPlanet3dFrame*>(mainFrame->ActiveChild());
    ASSERT_NE(frame, nullptr);
    CPlanet3dView* view = frame->SolarSystemView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame->View(), view);
    EXPECT_EQ(frame->Menus(), MenuSet::Main);
    const double marsX = view->Planets()[kMars].x;
    sky = ComputeShownSky(SkyTime(JulianDateFromCalendar(2025, 1, 1), 0.0), site, Model::Classic);
    EXPECT_EQ(view->Planets()[kMars].x, marsX);

    // The frame passes the keyboard focus on to its view.
    EXPECT_EQ(frame->focusProxy(), view);
    EXPECT_EQ(view->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->Camera().direction.lon, 6.178465552059927);
    EXPECT_FALSE(frame->RouteCommand(CommandId::ZoomIn));
}

TEST_F(ViewFramesTest, CommandsOpenOneWindowEach)
{
    EXPECT_TRUE(mainFrame->RouteCommand(CommandId::NewCalendar));
    EXPECT_TRUE(mainFrame->RouteCommand(CommandId::NewPlanetEcl));
    EXPECT_TRUE(mainFrame->RouteCommand(CommandId::NewPlanet3d));
    QApplication::processEvents();
    EXPECT_EQ(mainFrame->Children().size(), 3);
    bool handled = false;
    EXPECT_TRUE(mainFrame->QueryCommand(CommandId::NewCalendar, &handled).enabled);
    EXPECT_TRUE(handled);
}
