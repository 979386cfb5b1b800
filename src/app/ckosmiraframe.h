#pragma once

#include "app/printcommands.h"

#include "app/commandids.h"
#include "app/commandmap.h"

#include <QList>
#include <QMainWindow>
#include <QMap>

class CChildFrame;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: menus 128 and 129 (swapped with the active child's kind), the toolbar,
// the six-pane status bar and an MDI area holding the child frames. Every menu, toolbar and
// accelerator command is routed to the active child's view, then its frame, then this
// frame, then the application's table; a command none of them handles is disabled.
class CKosmiraFrame : public QMainWindow {
    Q_OBJECT

public:
    // appCommands: the application's command table, last in the routing order (may be null).
    explicit CKosmiraFrame(CommandMap* appCommands, QWidget* parent = nullptr);
    ~CKosmiraFrame() override;

    // Places frame in a new MDI window (deleted when closed), shows it, makes it the active
    // child and gives it its initial update. Returns the MDI window.
    QMdiSubWindow* AddChild(CChildFrame* frame);
    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;
    QMdiArea* MdiArea() const { return mdiArea; }

    // Runs id on the first target that handles it; false when none does.
    bool RouteCommand(int id);
    // The state the update pass gives id; handled tells whether any target handles it.
    CommandState QueryCommand(int id, bool* handled = nullptr);
    // Enables and checks every command action from the current targets.
    void UpdateCommandStates();
    // The action of a command id (menus, toolbar and accelerators share it), or null.
    QAction* Action(int id) const;
    // The command ids in the menu bar, in menu order, submenus included.
    QList<int> MenuCommandIds() const;
    // Titles of the top-level menus shown now.
    QStringList MenuTitles() const;
    MenuSet CurrentMenus() const { return currentMenus; }
    // Toolbar pictures in night colours (true) or their own again (false).
    void SetNightIcons(bool night);

    // Bars and their visibility flags (also read by the planetarium's full-screen mode).
    bool IsToolBarVisible() const { return toolBarVisible; }
    bool IsStatusBarVisible() const { return statusBarVisible; }
    QToolBar* ToolBar() const { return toolBar; }
    // The pane texts of the status bar, left to right (six panes).
    QStringList StatusPaneTexts() const;
    // Reads the lock keys and updates the CAP, NUM and SCRL panes.
    void RefreshIndicators();

    // Repaints every open child's view (after the shown instant or the site changed).
    void RefreshViews();

    // The frame's own commands (toolbar and status-bar toggles).
    CommandMap& Commands() { return frameCommands; }
    // The print commands of the active window (tests replace their questions).
    PrintCommands& Printing() { return printing; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* MakeAction(int id, const QString& text);
    void AddCommands(QMenu* menu, std::initializer_list<int> ids);
    void ShowMenus(MenuSet menus);
    void OnChildActivated(QMdiSubWindow* window);
    void UpdateTitle();
    void AddWindowCommands();
    void AddWindowMenu(QMenu* menu);
    void OnToggleToolBar();
    void OnToggleStatusBar();

    void AddPrintCommands();

    CommandMap* appCommands;
    CommandMap frameCommands;
    PrintCommands printing;
    bool statusBarVisible = true;
    bool toolBarVisible = true;
    QToolBar* toolBar = nullptr;
    QMdiArea* mdiArea = nullptr;
    QMap<int, QAction*> actions;
    QMap<int, QIcon> dayIcons;  // the pictures while night vision shows mapped ones
    QList<QMenu*> mainMenus;   // menu 128
    QList<QMenu*> childMenus;  // menu 129
    MenuSet currentMenus = MenuSet::Main;
    QLabel* messagePane = nullptr;
    QLabel* centrePane = nullptr;
    QLabel* separatorPane = nullptr;
    QLabel* capsPane = nullptr;
    QLabel* numPane = nullptr;
    QLabel* scrollPane = nullptr;
    int childrenOpened = 0;
};
