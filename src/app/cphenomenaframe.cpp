#include "app/cphenomenaframe.h"
#include "site/siteclock.h"

#include "app/ckosmiraapp.h"
#include "astro/time/juliandate.h"
#include "views/cphenomenaview.h"

CPhenomenaFrame::CPhenomenaFrame(CKosmiraApp& application, QWidget* parent)
    : CChildFrame(MenuSet::Main, parent), app(application)
{
    setWindowTitle(QStringLiteral("Kosmira - 천문 현상"));
    const Observer& site = app.GetObserver();
    const int year = CalendarFromJulianDate(app.GetShownLocalTime().JD()).year;
    view = new CPhenomenaView(year, site.longitude, site.latitude, site.timeZone, this);
    view->SetZoneName(site.zoneName);
    view->ShowPreciseOffer(app.GetModel() == Model::Classic);
    SetView(view);
    connect(view, &CPhenomenaView::eventActivated, this, [this](double jdUT) {
        const double zone = SiteClock(app.GetObserver()).OffsetAtUT(jdUT);
        app.SetShownTime(SkyTime(jdUT + zone / 24.0));
    });
    connect(view, &CPhenomenaView::preciseRequested, this,
            [this] { app.SetModel(Model::Precise); });
    connect(&app, &CKosmiraApp::modelChanged, this, [this] {
        if (app.GetModel() == Model::Precise)
            view->ShowPreciseOffer(false);
    });
}

void CPhenomenaFrame::RefreshView()
{
    CChildFrame::RefreshView();
    const Observer& site = app.GetObserver();
    view->SetSite(site.longitude, site.latitude, site.timeZone);
    view->SetZoneName(site.zoneName);
}
