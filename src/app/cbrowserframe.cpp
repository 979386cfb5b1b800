#include "app/cbrowserframe.h"

#include "app/cbrowserview.h"

CBrowserFrame::CBrowserFrame(const QUrl& home, QWidget* parent) : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira"));
    browser = new CBrowserView(home, this);
    SetView(browser);
}

void CBrowserFrame::OnInitialUpdate()
{
    browser->OnInitialUpdate();
}
