#pragma once

#include "app/commandids.h"
#include "app/commandmap.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class PrintJob;
class QMdiSubWindow;
class QPrinter;

// Base of every child window of the main frame. A child frame is a QMainWindow (so that a
// frame may dock palettes around its view) placed by CKosmiraFrame::AddChild inside a
// QMdiSubWindow. It holds exactly one view as its central widget, passes the keyboard focus
// to it and offers every command to the view first, then to itself.
//
// A concrete frame creates its view in its constructor, hands it to SetView and maps the
// view's public functions to command ids, either with the two tables:
//     ViewCommands().Add(CommandId::ZoomIn, [v] { v->ZoomIn(); });
//     FrameCommands().Add(CommandId::FullScreen, [this] { ToggleFullScreen(); },
//                         [this](CommandState& s) { s.checked = fullScreen; });
// or by overriding OnViewCommand / OnCommand and their update functions.
class CChildFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CChildFrame(MenuSet menus = MenuSet::Main, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The frame's single view, or null until the concrete frame has created it.
    QWidget* View() const { return view_; }
    // The menu and accelerator set the main frame shows while this frame is active.
    MenuSet Menus() const { return menus_; }
    // The MDI window holding this frame, or null before CKosmiraFrame::AddChild.
    QMdiSubWindow* SubWindow() const;

    // Offers id to the view, then to the frame; true when one of them handled it.
    bool RouteCommand(int id);
    // Same order for the update pass; true when one of them handles id (state then set).
    bool RouteUpdateCommand(int id, CommandState& state);

    // The frame's own commands (after the view). The defaults consult FrameCommands().
    virtual bool OnCommand(int id);
    virtual bool OnUpdateCommand(int id, CommandState& state);

    // Called once by the main frame after the window is shown and active.
    virtual void OnInitialUpdate() {}
    // Repaints what the frame shows after the shown instant or the site changed.
    virtual void RefreshView();

    // Printing ("인쇄…", "인쇄 미리 보기…", "PDF로 저장…" and the printer button). A window
    // with something to print says so in CanPrint and makes its page in MakePrintJob; a
    // window whose component prints itself (the browser's web page) answers PrintsOwnPage
    // and prints through PrintOwnPage / SaveOwnPagePdf. The defaults print nothing.
    virtual bool CanPrint() const { return false; }
    virtual std::unique_ptr<PrintJob> MakePrintJob() const;
    virtual bool PrintsOwnPage() const { return false; }
    // Prints the page on printer and returns once it is done; false when it failed.
    virtual bool PrintOwnPage(QPrinter& printer);
    // Writes the page as a PDF file at path; false with a Korean message in error.
    virtual bool SaveOwnPagePdf(const QString& path, QString* error);

protected:
    // Makes view the frame's single pane (the frame owns it from now on) and passes the
    // focus to it.
    void SetView(QWidget* view);

    // The view's commands, mapped by the concrete frame. The defaults consult
    // ViewCommands() and handle nothing while there is no view.
    virtual bool OnViewCommand(int id);
    virtual bool OnViewUpdateCommand(int id, CommandState& state);

    CommandMap& ViewCommands() { return viewCommands_; }
    CommandMap& FrameCommands() { return frameCommands_; }

    void focusInEvent(QFocusEvent* event) override;

private:
    QPointer<QWidget> view_;
    MenuSet menus_;
    CommandMap viewCommands_;
    CommandMap frameCommands_;
};
