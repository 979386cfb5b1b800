#include "app/cpolaraxisframe.h"

#include "views/cpolarscopeview.h"

CPolarAxisFrame::CPolarAxisFrame(const ShownSky& sky, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira - 극축 맞추기"));
    scope = new CPolarScopeView(sky, this);
    SetView(scope);
}

void CPolarAxisFrame::RefreshView()
{
    CChildFrame::RefreshView();
    if (scope)
        scope->Refresh();
}
