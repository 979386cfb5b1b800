#include "app/cplanetariumframe.h"
#include "astro/math/angles.h"
#include "app/ckosmiraframe.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/cpointerbar.h"
#include "planetarium/cshowbar.h"
#include "testsky.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {


class PlanetariumFrame : public testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<CKosmiraFrame>(nullptr);
        main->resize(1200, 800);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
    void TearDown() override
    {
        // Children first, so that no activation change reaches a main frame being destroyed.
        main->MdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        main->hide();
        QCoreApplication::processEvents();
        main.reset();
    }

    CPlanetariumFrame* Open()
    {
        auto* frame = new CPlanetariumFrame(sky.scene);
        main->AddChild(frame);
        QCoreApplication::processEvents();
        return frame;
    }

    static void Click(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    }

    TestSky sky;
    std::unique_ptr<CKosmiraFrame> main;
};

TEST_F(PlanetariumFrame, ViewAndPalettesDockedOnTheLeftPointerAboveDisplay)
{
    CPlanetariumFrame* frame = Open();
    ASSERT_NE(frame->PlanetariumView(), nullptr);
    EXPECT_EQ(frame->View(), frame->PlanetariumView());
    EXPECT_EQ(frame->dockWidgetArea(frame->PointerDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame->dockWidgetArea(frame->ShowDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame->PointerDock()->allowedAreas(), Qt::AllDockWidgetAreas);
    EXPECT_EQ(frame->ShowDock()->allowedAreas(), Qt::AllDockWidgetAreas);
    EXPECT_TRUE(frame->PointerDock()->isVisible());
    EXPECT_TRUE(frame->ShowDock()->isVisible());
    EXPECT_LT(frame->PointerDock()->geometry().bottom(), frame->ShowDock()->geometry().top())
        << qPrintable(QStringLiteral("%1x%2 pointer %3,%4 %5x%6 show %7,%8 %9x%10 sub %11x%12")
                          .arg(frame->width()).arg(frame->height())
                          .arg(frame->PointerDock()->x()).arg(frame->PointerDock()->y())
                          .arg(frame->PointerDock()->width()).arg(frame->PointerDock()->height())
                          .arg(frame->ShowDock()->x()).arg(frame->ShowDock()->y())
                          .arg(frame->ShowDock()->width()).arg(frame->ShowDock()->height())
                          .arg(frame->SubWindow()->width()).arg(frame->SubWindow()->height()));
    EXPECT_LT(frame->PointerDock()->geometry().left(),
              frame->PlanetariumView()->geometry().left());
    // Both palettes are wide enough for their whole titles.
    for (QDockWidget* dock : {frame->PointerDock(), frame->ShowDock()})
        EXPECT_GT(dock->width(), dock->fontMetrics().horizontalAdvance(dock->windowTitle()))
            << dock->windowTitle().toStdString();
    EXPECT_TRUE(frame->PlanetariumView()->HasSurface());
}

TEST_F(PlanetariumFrame, PlanetariumMenuWhileOneIsActiveAndFullScreenEverywhere)
{
    // Without a planetarium the main window's own full screen answers.
    bool handled = false;
    EXPECT_TRUE(main->QueryCommand(CommandId::FullScreen, &handled).enabled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(main->CurrentMenus(), MenuSet::Main);
    Open();
    EXPECT_EQ(main->CurrentMenus(), MenuSet::Planetarium);
    const CommandState state = main->QueryCommand(CommandId::FullScreen, &handled);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(state.enabled);
    EXPECT_FALSE(state.checked);
}

TEST_F(PlanetariumFrame, ToolbarCommandsReachTheActiveView)
{
    CPlanetariumFrame* frame = Open();
    CPlanetariumView* view = frame->PlanetariumView();
    ASSERT_TRUE(main->RouteCommand(CommandId::ViewEast));
    EXPECT_EQ(view->ViewCentre().lon, kHalfPi);
    ASSERT_TRUE(main->RouteCommand(CommandId::ViewZenith));
    EXPECT_EQ(view->ViewCentre().lat, kHalfPi);
    ASSERT_TRUE(main->RouteCommand(CommandId::ViewWest));
    EXPECT_EQ(view->ViewCentre().lon, 3.0 * kHalfPi);
    ASSERT_TRUE(main->RouteCommand(CommandId::ViewSouth));
    ASSERT_TRUE(main->RouteCommand(CommandId::ViewNorth));
    EXPECT_EQ(view->ViewCentre().lon, 0.0);
    const double field = view->FieldOfView();
    ASSERT_TRUE(main->RouteCommand(CommandId::ZoomIn));
    EXPECT_NEAR(view->FieldOfView(), field * 2.0 / 3.0, 1e-15);
    ASSERT_TRUE(main->RouteCommand(CommandId::ZoomOut));
    EXPECT_NEAR(view->FieldOfView(), field, 1e-15);
}

TEST_F(PlanetariumFrame, PaletteCommandsCarryCheckMarks)
{
    CPlanetariumFrame* frame = Open();
    EXPECT_TRUE(main->QueryCommand(CommandId::PointerPalette).checked);
    EXPECT_TRUE(main->QueryCommand(CommandId::DisplayPalette).checked);
    ASSERT_TRUE(main->RouteCommand(CommandId::PointerPalette));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->PointerDock()->isVisible());
    EXPECT_FALSE(main->QueryCommand(CommandId::PointerPalette).checked);
    EXPECT_TRUE(frame->ShowDock()->isVisible());
    ASSERT_TRUE(main->RouteCommand(CommandId::DisplayPalette));
    EXPECT_FALSE(frame->ShowDock()->isVisible());
    EXPECT_FALSE(main->QueryCommand(CommandId::DisplayPalette).checked);
    ASSERT_TRUE(main->RouteCommand(CommandId::PointerPalette));
    EXPECT_TRUE(frame->PointerDock()->isVisible());
}

TEST_F(PlanetariumFrame, FullScreenAndBackRestoresPalettesAndBarsPerMode)
{
    CPlanetariumFrame* frame = Open();
    // The status bar was hidden before: it must stay hidden after full screen.
    ASSERT_TRUE(main->RouteCommand(CommandId::ToggleStatusBar));
    ASSERT_FALSE(main->IsStatusBarVisible());
    ASSERT_TRUE(main->RouteCommand(CommandId::FullScreen));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->IsFullScreen());
    EXPECT_TRUE(main->QueryCommand(CommandId::FullScreen).checked);
    EXPECT_TRUE(main->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(frame->SubWindow()->isMaximized());
    EXPECT_FALSE(main->ToolBar()->isVisible());
    EXPECT_FALSE(main->statusBar()->isVisible());
    // Full screen starts with both palettes hidden; showing the pointer palette there
    // changes only the full-screen flag.
    EXPECT_FALSE(frame->PointerDock()->isVisible());
    EXPECT_FALSE(frame->ShowDock()->isVisible());
    EXPECT_FALSE(main->QueryCommand(CommandId::PointerPalette).checked);
    ASSERT_TRUE(main->RouteCommand(CommandId::PointerPalette));
    EXPECT_TRUE(frame->PointerDock()->isVisible());

    ASSERT_TRUE(main->RouteCommand(CommandId::FullScreen));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->IsFullScreen());
    EXPECT_FALSE(main->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(main->ToolBar()->isVisible());
    EXPECT_FALSE(main->statusBar()->isVisible());
    EXPECT_TRUE(frame->PointerDock()->isVisible());
    EXPECT_TRUE(frame->ShowDock()->isVisible());

    // The normal mode hides the pointer palette; full screen remembers its own choice.
    ASSERT_TRUE(main->RouteCommand(CommandId::PointerPalette));
    EXPECT_FALSE(frame->PointerDock()->isVisible());
    ASSERT_TRUE(main->RouteCommand(CommandId::FullScreen));
    EXPECT_TRUE(frame->PointerDock()->isVisible());
    EXPECT_FALSE(frame->ShowDock()->isVisible());
    ASSERT_TRUE(main->RouteCommand(CommandId::FullScreen));
    EXPECT_FALSE(frame->PointerDock()->isVisible());
    EXPECT_TRUE(frame->ShowDock()->isVisible());
}

TEST_F(PlanetariumFrame, FullScreenPutsTheWindowBackWhereItWas)
{
    CPlanetariumFrame* frame = Open();
    QMdiSubWindow* sub = frame->SubWindow();
    ASSERT_NE(sub, nullptr);
    sub->showNormal();
    sub->setGeometry(20, 30, 500, 400);
    QCoreApplication::processEvents();
    const QRect before = sub->geometry();
    frame->ToggleFullScreen();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sub->isMaximized());
    frame->ToggleFullScreen();
    QCoreApplication::processEvents();
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->geometry(), before);
}

TEST_F(PlanetariumFrame, TwoWindowsKeepSeparateCheckStates)
{
    CPlanetariumFrame* first = Open();
    CPlanetariumFrame* second = Open();
    Click(first->ShowBar()->CheckBox(1030));
    EXPECT_EQ(first->ShowBar()->Flags().equatorialGrid, 1);
    EXPECT_EQ(second->ShowBar()->Flags().equatorialGrid, 0);
    EXPECT_EQ(first->PlanetariumView()->Layers().equatorialGrid, 1);
    EXPECT_EQ(second->PlanetariumView()->Layers().equatorialGrid, 0);
    EXPECT_NE(first->PlanetariumView()->Context(), second->PlanetariumView()->Context());
}

// A click in the display palette draws the sky anew: what the window shows changes with it
// and comes back when the box is clicked again (a paint without a new frame shows the last).
TEST_F(PlanetariumFrame, APaletteClickRedrawsTheShownSky)
{
    CPlanetariumFrame* frame = Open();
    CPlanetariumView* view = frame->PlanetariumView();
    const QImage before = view->grab().toImage();
    Click(frame->ShowBar()->CheckBox(1029));  // 지평 좌표
    QCoreApplication::processEvents();
    const QImage withGrid = view->grab().toImage();
    ASSERT_EQ(withGrid.size(), before.size());
    EXPECT_NE(withGrid, before);
    Click(frame->ShowBar()->CheckBox(1029));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->grab().toImage(), before);
}

TEST_F(PlanetariumFrame, PointerMovesFillThePointerPalette)
{
    CPlanetariumFrame* frame = Open();
    CPlanetariumView* view = frame->PlanetariumView();
    view->RenderImage();
    const QPointF centre(view->width() / 2.0, view->height() / 2.0);
    SendMouseMove(view, centre);
    EXPECT_TRUE(frame->PointerBar()->HorizontalText().startsWith(QStringLiteral("방위각: ")));
    EXPECT_FALSE(frame->PointerBar()->GalacticText().isEmpty());
}

}  // namespace
