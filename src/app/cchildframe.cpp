#include "app/cchildframe.h"

#include "print/printjob.h"
#include "render/copenglwnd.h"

#include <QFocusEvent>
#include <QMdiSubWindow>

CChildFrame::CChildFrame(MenuSet menus, QWidget* parent) : QMainWindow(parent), menus_(menus)
{
    // Inside an MDI window the frame is a plain widget, not a top-level window.
    setWindowFlags(Qt::Widget);
    setFocusPolicy(Qt::StrongFocus);
}

CChildFrame::~CChildFrame() = default;

QMdiSubWindow* CChildFrame::SubWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void CChildFrame::SetView(QWidget* view)
{
    view_ = view;
    setCentralWidget(view);
    setFocusProxy(view);
}

bool CChildFrame::RouteCommand(int id)
{
    if (OnViewCommand(id))
        return true;
    return OnCommand(id);
}

bool CChildFrame::RouteUpdateCommand(int id, CommandState& state)
{
    if (OnViewUpdateCommand(id, state))
        return true;
    return OnUpdateCommand(id, state);
}

bool CChildFrame::OnViewCommand(int id)
{
    return view_ && viewCommands_.Run(id);
}

bool CChildFrame::OnViewUpdateCommand(int id, CommandState& state)
{
    return view_ && viewCommands_.Update(id, state);
}

bool CChildFrame::OnCommand(int id)
{
    return frameCommands_.Run(id);
}

bool CChildFrame::OnUpdateCommand(int id, CommandState& state)
{
    return frameCommands_.Update(id, state);
}

void CChildFrame::RefreshView()
{
    if (auto* glView = qobject_cast<COpenGLWnd*>(view_.data()))
        glView->RequestFrame();
    else if (view_)
        view_->update();
}

void CChildFrame::focusInEvent(QFocusEvent* event)
{
    QMainWindow::focusInEvent(event);
    if (view_)
        view_->setFocus(event->reason());
}

std::unique_ptr<PrintJob> CChildFrame::MakePrintJob() const
{
    return nullptr;
}

bool CChildFrame::PrintOwnPage(QPrinter&)
{
    return false;
}

bool CChildFrame::SaveOwnPagePdf(const QString&, QString*)
{
    return false;
}
