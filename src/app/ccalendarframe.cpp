#include "app/ccalendarframe.h"

#include <QScrollArea>

#include "app/ckosmiraapp.h"
#include "views/ccalendarview.h"

CCalendarFrame::CCalendarFrame(const CKosmiraApp& app, QWidget* parent)
    : CCalendarFrame(app.GetShownLocalTime(), app.GetObserver(), app.GetShownSky().model, parent)
{
}

CCalendarFrame::CCalendarFrame(const SkyTime& shownLocalTime, const Observer& site,
                               QWidget* parent)
    : CCalendarFrame(shownLocalTime, site, ClassicModel(), parent)
{
}

const Model& CCalendarFrame::ClassicModel()
{
    static const Model classic = Model::Classic;
    return classic;
}

CCalendarFrame::CCalendarFrame(const SkyTime& shownLocalTime, const Observer& site,
                               const Model& model, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent)
{
    setWindowTitle(QStringLiteral("Kosmira"));
    scrollArea = CCalendarView::CreateScrolling(shownLocalTime, site, model, this);
    calendar = qobject_cast<CCalendarView*>(scrollArea->widget());
    SetView(scrollArea);
}

void CCalendarFrame::RefreshView()
{
    CChildFrame::RefreshView();
    if (calendar)
        calendar->update();
}
