#include "app/ckosmiraframe.h"
#include "image/nightvision.h"

#include "app/cchildframe.h"
#include "app/commandicons.h"
#include "app/kosmiraicon.h"
#include "app/lockkeys.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

const QString kFrameTitle = QStringLiteral("Kosmira");
const QString kReady = QStringLiteral("준비");

// Cascade step of new child windows, in pixels.
constexpr int kCascadeStep = 24;

QLabel* MakePane(QStatusBar* bar, const QString& sizedFor, bool permanent)
{
    auto* pane = new QLabel(bar);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    if (!sizedFor.isEmpty())
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(sizedFor) + 10);
    if (permanent)
        bar->addPermanentWidget(pane);
    else
        bar->addWidget(pane, 1);
    return pane;
}

}  // namespace

CKosmiraFrame::CKosmiraFrame(CommandMap* applicationCommands, QWidget* parent)
    : QMainWindow(parent), appCommands(applicationCommands)
{
    setWindowTitle(kFrameTitle);
    setWindowIcon(KosmiraIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    mdiArea = new QMdiArea(this);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &CKosmiraFrame::OnChildActivated);

    frameCommands.Add(CommandId::ToggleToolBar, [this] { OnToggleToolBar(); },
                      [this](CommandState& s) { s.checked = toolBarVisible; });
    frameCommands.Add(CommandId::ToggleStatusBar, [this] { OnToggleStatusBar(); },
                      [this](CommandState& s) { s.checked = statusBarVisible; });
    AddWindowCommands();
    AddPrintCommands();
    // Full screen for the windows that have no mode of their own (the planetarium's comes
    // first when one is active).
    frameCommands.Add(CommandId::FullScreen, [this] {
        if (isFullScreen())
            showMaximized();
        else
            showFullScreen();
    }, [this](CommandState& s) { s.checked = isFullScreen(); });

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ShowMenus(MenuSet::Main);

    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandStates(); });
    qApp->installEventFilter(this);
    UpdateCommandStates();
    RefreshIndicators();
}

CKosmiraFrame::~CKosmiraFrame()
{
    // Closing the children while the window goes away must not reach this half-destroyed
    // object through its signal connections.
    qApp->removeEventFilter(this);
    disconnect(mdiArea, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

QAction* CKosmiraFrame::MakeAction(int id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setIcon(CommandIcon(id));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    addAction(action);  // accelerators work with the menu bar and the toolbar hidden
    actions.insert(id, action);
    return action;
}

void CKosmiraFrame::CreateActions()
{
    using namespace CommandId;
    MakeAction(NewPlanetarium, QStringLiteral("새 플라네타리움"));
    MakeAction(NewPlanet3d, QStringLiteral("새 태양계 3차원 보기"));
    MakeAction(NewPlanetEcl, QStringLiteral("새 행성 시운동 보기"));
    MakeAction(NewCalendar, QStringLiteral("새 천문 달력"));
    MakeAction(NewPhenomena, QStringLiteral("새 천문 현상 목록"));
    MakeAction(NewBrowser, QStringLiteral("새 브라우저 생성"));
    MakeAction(FileClose, QStringLiteral("닫기"));
    MakeAction(AppExit, QStringLiteral("종료"))->setStatusTip(
        QStringLiteral("프로그램을 끝냅니다."));
    MakeAction(SetTime, QStringLiteral("시간"));
    MakeAction(SetLocation, QStringLiteral("위치"));
    MakeAction(PreciseModel, QStringLiteral("정밀 계산"))->setStatusTip(
        QStringLiteral("행성과 달의 위치, 뜨고 지는 시각을 정밀한 천체력으로 계산합니다."));
    MakeAction(SyncClock, QStringLiteral("컴퓨터 시간 맞추기"));
    MakeAction(FileClose, QStringLiteral("닫기"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    MakeAction(WindowCascade, QStringLiteral("계단식 배열"));
    MakeAction(WindowTile, QStringLiteral("바둑판식 배열"));
    MakeAction(WindowNext, QStringLiteral("다음 창"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    MakeAction(WindowPrevious, QStringLiteral("이전 창"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
    MakeAction(WindowCloseAll, QStringLiteral("모든 창 닫기"));
    MakeAction(ToggleToolBar, QStringLiteral("도구 모음"));
    MakeAction(ToggleStatusBar, QStringLiteral("상태 표시줄"));
    MakeAction(FullScreen, QStringLiteral("전체 화면으로 보기"));
    MakeAction(NightMode, QStringLiteral("야간 모드"))
        ->setStatusTip(QStringLiteral("모든 창을 검은 바탕에 붉은색으로 보여 줍니다. 눈의 암적응을 지킵니다."));
    MakeAction(PointerPalette, QStringLiteral("마우스 포인터 팔래트"));
    MakeAction(DisplayPalette, QStringLiteral("대상 설정 팔래트"));
    MakeAction(FindObject, QStringLiteral("천체 검색…"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    MakeAction(FindConstellation, QStringLiteral("별자리"));
    MakeAction(FindSun, QStringLiteral("태양"));
    MakeAction(FindMoon, QStringLiteral("달"));
    MakeAction(FindMercury, QStringLiteral("수성"));
    MakeAction(FindVenus, QStringLiteral("금성"));
    MakeAction(FindMars, QStringLiteral("화성"));
    MakeAction(FindJupiter, QStringLiteral("목성"));
    MakeAction(FindSaturn, QStringLiteral("토성"));
    MakeAction(FindUranus, QStringLiteral("천왕성"));
    MakeAction(FindNeptune, QStringLiteral("해왕성"));
    MakeAction(FindPluto, QStringLiteral("명왕성"));
    MakeAction(InfoConstellation, QStringLiteral("별자리"));
    MakeAction(InfoSun, QStringLiteral("태양"));
    MakeAction(InfoMoon, QStringLiteral("달"));
    const char* planetNames[] = {"수성", "금성", "지구", "화성", "목성",
                                 "토성", "천왕성", "해왕성", "명왕성"};
    for (int i = 0; i < 9; ++i)
        MakeAction(InfoMercury + i, QString::fromUtf8(planetNames[i]));
    MakeAction(ToolPlanet3d, QStringLiteral("태양계 3차원 보기"));
    MakeAction(ToolPlanetEcl, QStringLiteral("황도 면에서 행성 위치 보기"));
    MakeAction(ToolCalendar, QStringLiteral("천문 달력(일출, 일몰, 박명, 월령, 일식, 행성)"));
    MakeAction(ToolPolarAxis, QStringLiteral("극축 맞추기"));
    MakeAction(AppAbout, QStringLiteral("이 프로그램에 대하여..."))
        ->setStatusTip(QStringLiteral("프로그램 정보, 버전 번호와 저작권을 표시합니다."));
    MakeAction(FilePrint, QStringLiteral("인쇄…"))->setToolTip(QStringLiteral("인쇄"));
    actions[FilePrint]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MakeAction(FilePrintPreview, QStringLiteral("인쇄 미리 보기…"));
    MakeAction(FileSavePdf, QStringLiteral("PDF로 저장…"));
    actions[AppAbout]->setToolTip(QStringLiteral("정보"));
    for (int id : {ViewEast, ViewWest, ViewSouth, ViewNorth, ViewZenith, ZoomIn, ZoomOut})
        MakeAction(id, QString());

    for (int id : {ToggleToolBar, ToggleStatusBar, FullScreen, PointerPalette, DisplayPalette,
                   PreciseModel, NightMode})
        actions[id]->setCheckable(true);

    // The accelerator table. Only F11 has a handler anywhere; the others stay disabled.
    actions[FullScreen]->setShortcut(QKeySequence(Qt::Key_F11));
    actions[NightMode]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    const std::pair<int, QList<QKeySequence>> accelerators[] = {
        {NextPane, {QKeySequence(Qt::Key_F6)}},
        {PrevPane, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
        {EditCopy, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {EditPaste, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {EditCut, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {EditUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
    };
    for (const auto& [id, keys] : accelerators)
        MakeAction(id, QString())->setShortcuts(keys);
}

void CKosmiraFrame::AddCommands(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(actions.value(id));
    }
}

void CKosmiraFrame::CreateMenus()
{
    using namespace CommandId;
    auto makeMenu = [this](QList<QMenu*>& set, const QString& title) {
        auto* menu = new QMenu(title, this);
        connect(menu, &QMenu::aboutToShow, this, &CKosmiraFrame::UpdateCommandStates);
        connect(menu, &QMenu::aboutToHide, this, [this] { messagePane->setText(kReady); });
        set.append(menu);
        return menu;
    };
    auto makeSubmenu = [this](QMenu* parent, const QString& title) {
        QMenu* menu = parent->addMenu(title);
        connect(menu, &QMenu::aboutToShow, this, &CKosmiraFrame::UpdateCommandStates);
        return menu;
    };

    // Menu 128: the main frame and every child window but the planetarium.
    AddCommands(makeMenu(mainMenus, QStringLiteral("파일")),
                {FilePrint, FilePrintPreview, FileSavePdf, 0, NewPlanetarium, NewPlanet3d, NewPlanetEcl, NewCalendar, NewPhenomena, NewBrowser, 0,
                 AppExit});
    AddCommands(makeMenu(mainMenus, QStringLiteral("설정")), {SetTime, SetLocation, 0, PreciseModel});
    AddCommands(makeMenu(mainMenus, QStringLiteral("도구")), {SyncClock});
    AddCommands(makeMenu(mainMenus, QStringLiteral("보기")),
                {ToggleToolBar, ToggleStatusBar, 0, FullScreen, NightMode});
    AddWindowMenu(makeMenu(mainMenus, QStringLiteral("창")));
    AddCommands(makeMenu(mainMenus, QStringLiteral("도움말")), {AppAbout});

    // Menu 129: planetarium windows.
    AddCommands(makeMenu(childMenus, QStringLiteral("파일")),
                {FilePrint, FilePrintPreview, FileSavePdf, 0, NewPlanetarium, FileClose, 0, AppExit});
    AddCommands(makeMenu(childMenus, QStringLiteral("설정")), {SetTime, SetLocation, 0, PreciseModel});
    QMenu* find = makeMenu(childMenus, QStringLiteral("찾기"));
    AddCommands(find, {FindObject, 0, FindConstellation, FindSun, FindMoon});
    AddCommands(makeSubmenu(find, QStringLiteral("행성")),
                {FindMercury, FindVenus, FindMars, FindJupiter, FindSaturn, FindUranus,
                 FindNeptune, FindPluto});
    QMenu* info = makeMenu(childMenus, QStringLiteral("정보"));
    AddCommands(info, {InfoConstellation, InfoSun, InfoMoon});
    AddCommands(makeSubmenu(info, QStringLiteral("행성")),
                {InfoMercury, InfoVenus, InfoEarth, InfoMars, InfoJupiter, InfoSaturn,
                 InfoUranus, InfoNeptune, InfoPluto});
    AddCommands(makeMenu(childMenus, QStringLiteral("도구")),
                {ToolPlanet3d, ToolPlanetEcl, ToolCalendar, ToolPolarAxis, SyncClock});
    AddCommands(makeMenu(childMenus, QStringLiteral("보기")),
                {ToggleToolBar, ToggleStatusBar, 0, PointerPalette, DisplayPalette, 0,
                 FullScreen, NightMode});
    AddWindowMenu(makeMenu(childMenus, QStringLiteral("창")));
    AddCommands(makeMenu(childMenus, QStringLiteral("도움말")), {AppAbout});
}

void CKosmiraFrame::CreateToolBar()
{
    using namespace CommandId;
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(kToolPictureWidth, kToolPictureHeight));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setFloatable(true);
    toolBar->setMovable(true);
    // Hiding the bar goes through the flag only: no context menu to hide it behind its back.
    toolBar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (int id : {FilePrint, 0, ViewEast, ViewWest, ViewSouth, ViewNorth, ViewZenith, 0, ZoomIn,
                   ZoomOut, 0, SetTime, SetLocation, 0, AppAbout}) {
        if (id == 0)
            toolBar->addSeparator();
        else
            toolBar->addAction(actions.value(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void CKosmiraFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    messagePane = MakePane(bar, QString(), false);
    messagePane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    messagePane->setText(kReady);
    centrePane = MakePane(bar, QStringLiteral("중심의 위치"), true);
    separatorPane = MakePane(bar, QStringLiteral(" "), true);
    capsPane = MakePane(bar, QStringLiteral("CAP"), true);
    numPane = MakePane(bar, QStringLiteral("NUM"), true);
    scrollPane = MakePane(bar, QStringLiteral("SCRL"), true);
}

void CKosmiraFrame::ShowMenus(MenuSet menus)
{
    if (menus == currentMenus && !menuBar()->actions().isEmpty())
        return;
    currentMenus = menus;
    menuBar()->clear();
    for (QMenu* menu : menus == MenuSet::Planetarium ? childMenus : mainMenus)
        menuBar()->addMenu(menu);
}

QAction* CKosmiraFrame::Action(int id) const
{
    return actions.value(id, nullptr);
}

QList<int> CKosmiraFrame::MenuCommandIds() const
{
    QList<int> ids;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& list) {
        for (QAction* a : list) {
            if (a->menu())
                walk(a->menu()->actions());
            else if (!a->isSeparator() && a->data().toInt() > 0)  // window entries are -1
                ids.append(a->data().toInt());
        }
    };
    walk(menuBar()->actions());
    return ids;
}

QStringList CKosmiraFrame::MenuTitles() const
{
    QStringList titles;
    for (QAction* a : menuBar()->actions())
        titles.append(a->text());
    return titles;
}

CChildFrame* CKosmiraFrame::ActiveChild() const
{
    QMdiSubWindow* window = mdiArea->activeSubWindow();
    return window ? qobject_cast<CChildFrame*>(window->widget()) : nullptr;
}

QList<CChildFrame*> CKosmiraFrame::Children() const
{
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window->widget()))
            children.append(frame);
    }
    return children;
}

QMdiSubWindow* CKosmiraFrame::AddChild(CChildFrame* frame)
{
    QMdiSubWindow* window = mdiArea->addSubWindow(frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // "닫기" carries Ctrl+W and Ctrl+F4 for every window; the window's own menu giving them
    // too would make both keys ambiguous, so neither would work.
    if (QMenu* system = window->systemMenu()) {
        for (QAction* a : system->actions())
            if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)) ||
                a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                a->setShortcuts({});
    }
    // New windows cascade from the top left, each three quarters of the client area.
    const QSize area = mdiArea->viewport()->size();
    const int step = kCascadeStep * (childrenOpened++ % 8);
    window->resize(std::max(320, area.width() * 3 / 4), std::max(240, area.height() * 3 / 4));
    window->move(step, step);
    window->show();
    mdiArea->setActiveSubWindow(window);
    frame->setFocus(Qt::OtherFocusReason);
    frame->OnInitialUpdate();
    OnChildActivated(window);
    return window;
}

void CKosmiraFrame::OnChildActivated(QMdiSubWindow*)
{
    CChildFrame* child = ActiveChild();
    ShowMenus(child ? child->Menus() : MenuSet::Main);
    UpdateTitle();
    UpdateCommandStates();
}

void CKosmiraFrame::UpdateTitle()
{
    // Child windows name themselves "Kosmira - 플라네타리움" and so on; the main window
    // takes the active one's title.
    CChildFrame* child = ActiveChild();
    const QString childTitle = child ? child->windowTitle() : QString();
    setWindowTitle(childTitle.isEmpty() ? kFrameTitle : childTitle);
}

void CKosmiraFrame::AddWindowCommands()
{
    using namespace CommandId;
    const auto anyChild = [this](CommandState& s) { s.enabled = !Children().isEmpty(); };
    frameCommands.Add(FileClose, [this] {
        if (QMdiSubWindow* window = mdiArea->activeSubWindow())
            window->close();
    }, [this](CommandState& s) { s.enabled = mdiArea->activeSubWindow() != nullptr; });
    frameCommands.Add(WindowCascade, [this] { mdiArea->cascadeSubWindows(); }, anyChild);
    frameCommands.Add(WindowTile, [this] { mdiArea->tileSubWindows(); }, anyChild);
    frameCommands.Add(WindowNext, [this] { mdiArea->activateNextSubWindow(); }, anyChild);
    frameCommands.Add(WindowPrevious, [this] { mdiArea->activatePreviousSubWindow(); }, anyChild);
    frameCommands.Add(WindowCloseAll, [this] { mdiArea->closeAllSubWindows(); }, anyChild);
}

void CKosmiraFrame::AddPrintCommands()
{
    using namespace CommandId;
    const auto printable = [this](CommandState& s) {
        CChildFrame* child = ActiveChild();
        s.enabled = child && (child->CanPrint() || child->PrintsOwnPage());
    };
    frameCommands.Add(FilePrint, [this] {
        if (CChildFrame* child = ActiveChild())
            printing.Print(*child);
    }, printable);
    frameCommands.Add(FilePrintPreview, [this] {
        if (CChildFrame* child = ActiveChild())
            printing.Preview(*child);
    }, printable);
    frameCommands.Add(FileSavePdf, [this] {
        if (CChildFrame* child = ActiveChild())
            printing.SavePdf(*child);
    }, printable);
}

void CKosmiraFrame::AddWindowMenu(QMenu* menu)
{
    using namespace CommandId;
    AddCommands(menu, {WindowCascade, WindowTile, WindowNext, WindowCloseAll});
    // The open windows by title, the active one checked; made anew each time it opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* a : menu->actions()) {
            if (a->data().toInt() == -1 || a->property("windowList").toBool())
                menu->removeAction(a);
            if (a->data().toInt() == -1)
                a->deleteLater();
        }
        const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
        if (windows.isEmpty())
            return;
        menu->addSeparator()->setProperty("windowList", true);
        int number = 1;
        for (QMdiSubWindow* window : windows) {
            QAction* entry = menu->addAction(
                QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
            entry->setData(-1);
            entry->setCheckable(true);
            entry->setChecked(window == mdiArea->activeSubWindow());
            connect(entry, &QAction::triggered, this, [this, w = QPointer<QMdiSubWindow>(window)] {
                if (w)
                    mdiArea->setActiveSubWindow(w);
            });
        }
    });
}

bool CKosmiraFrame::RouteCommand(int id)
{
    bool handled = false;
    if (CChildFrame* child = ActiveChild())
        handled = child->RouteCommand(id);
    if (!handled)
        handled = frameCommands.Run(id);
    if (!handled && appCommands)
        handled = appCommands->Run(id);
    UpdateCommandStates();
    return handled;
}

CommandState CKosmiraFrame::QueryCommand(int id, bool* handled)
{
    CommandState state;
    bool found = false;
    if (CChildFrame* child = ActiveChild())
        found = child->RouteUpdateCommand(id, state);
    if (!found)
        found = frameCommands.Update(id, state);
    if (!found && appCommands)
        found = appCommands->Update(id, state);
    if (!found)
        state = CommandState{false, false};
    if (handled)
        *handled = found;
    return state;
}

void CKosmiraFrame::UpdateCommandStates()
{
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
        const CommandState state = QueryCommand(it.key());
        QAction* action = it.value();
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

void CKosmiraFrame::OnToggleToolBar()
{
    toolBarVisible = !toolBarVisible;
    toolBar->setVisible(toolBarVisible);
}

void CKosmiraFrame::OnToggleStatusBar()
{
    statusBarVisible = !statusBarVisible;
    statusBar()->setVisible(statusBarVisible);
}

QStringList CKosmiraFrame::StatusPaneTexts() const
{
    return {messagePane->text(), centrePane->text(), separatorPane->text(),
            capsPane->text(),    numPane->text(),    scrollPane->text()};
}

void CKosmiraFrame::RefreshIndicators()
{
    const LockKeyState keys = ReadLockKeyState();
    capsPane->setText(keys.capsLock ? QStringLiteral("CAP") : QString());
    numPane->setText(keys.numLock ? QStringLiteral("NUM") : QString());
    scrollPane->setText(keys.scrollLock ? QStringLiteral("SCRL") : QString());
}

void CKosmiraFrame::RefreshViews()
{
    for (CChildFrame* child : Children())
        child->RefreshView();
}

bool CKosmiraFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The message pane shows the highlighted item's prompt, blank for items without one,
        // and "준비" once no menu is open.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        messagePane->setText(!tip.isEmpty() || QApplication::activePopupWidget() ? tip : kReady);
        return true;
    }
    return QMainWindow::event(event);
}

bool CKosmiraFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        if (watched->isWidgetType()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
                RefreshIndicators();
        }
        break;
    case QEvent::ApplicationActivate:
        RefreshIndicators();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CKosmiraFrame::SetNightIcons(bool night)
{
    for (auto it = actions.begin(); it != actions.end(); ++it) {
        QAction* action = it.value();
        if (night) {
            const QIcon day = action->icon();
            if (day.isNull())
                continue;
            dayIcons.insert(it.key(), day);
            action->setIcon(NightVision::NightIcon(day, toolBar->iconSize()));
        } else if (dayIcons.contains(it.key())) {
            action->setIcon(dayIcons.value(it.key()));
        }
    }
    if (!night)
        dayIcons.clear();
}
