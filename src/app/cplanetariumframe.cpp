#include "app/cplanetariumframe.h"

#include "app/cconstellationinfodlg.h"
#include "app/cfindconstellationdlg.h"
#include "print/skychart.h"
#include "planetarium/findbody.h"

#include "app/cfindobjectdlg.h"
#include "app/ckosmiraframe.h"
#include "app/cobjectinfopanel.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/cpointerbar.h"
#include "planetarium/cshowbar.h"

#include <QDockWidget>
#include <QStyle>

#include <algorithm>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

namespace {

QDockWidget* MakeDock(const QString& title, QWidget* palette, const QString& name,
                      QWidget* parent)
{
    auto* dock = new QDockWidget(title, parent);
    dock->setObjectName(name);
    dock->setWidget(palette);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    // Visibility follows the palette commands only, so the bars carry no close button.
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    // Wide enough for the whole title beside the float button.
    const int titleWidth = dock->fontMetrics().horizontalAdvance(title);
    const int buttons = dock->style()->pixelMetric(QStyle::PM_TitleBarButtonSize) +
                        4 * dock->style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin);
    dock->setMinimumWidth(std::max(palette->minimumSizeHint().width(), titleWidth + buttons + 8));
    return dock;
}

}  // namespace

CPlanetariumFrame::CPlanetariumFrame(const SkyScene& scene, QWidget* parent)
    : CChildFrame(MenuSet::Planetarium, parent)
{
    setWindowTitle(QStringLiteral("Kosmira - 플라네타리움"));
    view_ = new CPlanetariumView(scene, this);
    SetView(view_);

    pointerBar_ = new CPointerBar(scene);
    showBar_ = new CShowBar;
    pointerDock_ = MakeDock(QStringLiteral("마우스 포인터 팔래트"), pointerBar_,
                            QStringLiteral("109"), this);
    showDock_ = MakeDock(QStringLiteral("대상 설정 팔래트"), showBar_, QStringLiteral("107"), this);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    // Both on the left edge, the display palette right below the pointer palette.
    addDockWidget(Qt::LeftDockWidgetArea, pointerDock_);
    addDockWidget(Qt::LeftDockWidgetArea, showDock_, Qt::Vertical);

    view_->SetLayerFlags(&showBar_->Flags());
    connect(showBar_, &CShowBar::LayersChanged, view_, &COpenGLWnd::RequestFrame);
    connect(view_, &CPlanetariumView::PointerMoved, pointerBar_, &CPointerBar::Update);

    // The click panel: on the right, shown while an object is chosen.
    infoPanel_ = new CObjectInfoPanel(view_->Scene());
    infoDock_ = new QDockWidget(QStringLiteral("천체 정보"), this);
    infoDock_->setObjectName(QStringLiteral("objectinfo"));
    infoDock_->setWidget(infoPanel_);
    infoDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::RightDockWidgetArea, infoDock_);
    infoDock_->hide();
    connect(view_, &CPlanetariumView::ObjectSelected, this, [this](int object) {
        infoPanel_->ShowObject(object);
        infoDock_->setVisible(object >= 0);
    });
    MapCommands();
}

CPlanetariumFrame::~CPlanetariumFrame()
{
    // Children go in no fixed order: the view must not keep pointing at freed flags.
    view_->SetLayerFlags(nullptr);
}

void CPlanetariumFrame::OnInitialUpdate()
{
    QMdiSubWindow* sub = SubWindow();
    if (!sub || !sub->mdiArea())
        return;
    const QSize room = sub->mdiArea()->viewport()->size();
    const QSize decoration = sub->size() - size();
    const QSize wanted = (minimumSizeHint() + decoration).expandedTo(sub->size()).boundedTo(room);
    if (wanted != sub->size())
        sub->resize(wanted);
}

void CPlanetariumFrame::MapCommands()
{
    CPlanetariumView* v = view_;
    ViewCommands().Add(CommandId::ViewEast, [v] { v->OnViewEast(); });
    ViewCommands().Add(CommandId::ViewWest, [v] { v->OnViewWest(); });
    ViewCommands().Add(CommandId::ViewSouth, [v] { v->OnViewSouth(); });
    ViewCommands().Add(CommandId::ViewNorth, [v] { v->OnViewNorth(); });
    ViewCommands().Add(CommandId::ViewZenith, [v] { v->OnViewZenith(); });
    ViewCommands().Add(CommandId::ZoomIn, [v] { v->OnZoomIn(); });
    ViewCommands().Add(CommandId::ZoomOut, [v] { v->OnZoomOut(); });
    ViewCommands().Add(CommandId::FindConstellation, [v] { CFindConstellationDlg::FindInView(*v); });
    if (v->Scene().index)
        ViewCommands().Add(CommandId::FindObject, [v] { CFindObjectDlg::FindInView(*v); });
    ViewCommands().Add(CommandId::InfoConstellation,
                       [v] { CConstellationInfoDlg::ShowForView(*v); });
    const std::pair<int, Body> bodyCommands[] = {
        {CommandId::FindSun, Body::Sun},         {CommandId::FindMoon, Body::Moon},
        {CommandId::FindMercury, Body::Mercury}, {CommandId::FindVenus, Body::Venus},
        {CommandId::FindMars, Body::Mars},       {CommandId::FindJupiter, Body::Jupiter},
        {CommandId::FindSaturn, Body::Saturn},   {CommandId::FindUranus, Body::Uranus},
        {CommandId::FindNeptune, Body::Neptune}, {CommandId::FindPluto, Body::Pluto}};
    for (const auto& [id, body] : bodyCommands)
        ViewCommands().Add(id, [v, body = body] { v->OnFindBody(body); });
    FrameCommands().Add(CommandId::FullScreen, [this] { ToggleFullScreen(); },
                        [this](CommandState& s) { s.checked = fullScreen_; });
    FrameCommands().Add(CommandId::PointerPalette, [this] { TogglePointerPalette(); },
                        [this](CommandState& s) { s.checked = PointerPaletteShown(); });
    FrameCommands().Add(CommandId::DisplayPalette, [this] { ToggleDisplayPalette(); },
                        [this](CommandState& s) { s.checked = DisplayPaletteShown(); });
}

void CPlanetariumFrame::ShowPalettes()
{
    pointerDock_->setVisible(PointerPaletteShown());
    showDock_->setVisible(DisplayPaletteShown());
}

void CPlanetariumFrame::TogglePointerPalette()
{
    bool& flag = fullScreen_ ? pointerShownFull_ : pointerShown_;
    flag = !flag;
    ShowPalettes();
}

void CPlanetariumFrame::ToggleDisplayPalette()
{
    bool& flag = fullScreen_ ? showShownFull_ : showShown_;
    flag = !flag;
    ShowPalettes();
}

void CPlanetariumFrame::ToggleFullScreen()
{
    if (fullScreen_)
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void CPlanetariumFrame::EnterFullScreen()
{
    QMdiSubWindow* sub = SubWindow();
    if (sub) {
        savedMaximised_ = sub->isMaximized();
        savedRect_ = sub->geometry();
    }
    auto* main = qobject_cast<CKosmiraFrame*>(window());
    if (main) {
        savedMainState_ = main->windowState();
        if (main->ToolBar())
            main->ToolBar()->hide();
        main->statusBar()->hide();
    }
    fullScreen_ = true;
    ShowPalettes();
    if (main)
        main->showFullScreen();
    if (sub)
        sub->showMaximized();
}

void CPlanetariumFrame::LeaveFullScreen()
{
    auto* main = qobject_cast<CKosmiraFrame*>(window());
    if (main) {
        main->setWindowState(savedMainState_ & ~Qt::WindowFullScreen);
        if (main->ToolBar())
            main->ToolBar()->setVisible(main->IsToolBarVisible());
        main->statusBar()->setVisible(main->IsStatusBarVisible());
    }
    fullScreen_ = false;
    ShowPalettes();
    QMdiSubWindow* sub = SubWindow();
    if (sub) {
        if (savedMaximised_) {
            sub->showMaximized();
        } else {
            sub->showNormal();
            sub->setGeometry(savedRect_);
        }
    }
}

std::unique_ptr<PrintJob> CPlanetariumFrame::MakePrintJob() const
{
    if (!view_)
        return nullptr;
    SkyChartView chart;
    chart.centre = view_->ViewCentre();
    chart.fieldOfViewRad = view_->FieldOfView();
    const QSize size = view_->size();
    if (size.width() > 0 && size.height() > 0)
        chart.aspect = double(size.width()) / double(size.height());
    chart.layers = view_->Layers();
    const SkyScene& scene = view_->Scene();
    // Screen colours are the display table's own, whatever filter the screen shows through.
    return std::make_unique<SkyChartPrintJob>(scene.sky, scene.catalogs, chart, DisplayColors{});
}
