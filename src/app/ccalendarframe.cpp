#include "app/ccalendarframe.h"

#include <QScrollArea>
#include <QShortcut>

#include "app/ckosmiraapp.h"
#include "app/ckosmiraframe.h"
#include "print/calendarprint.h"
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
    scrollArea = CCalendarView::CreateScrolling(shownLocalTime, site, model, this);
    calendar = qobject_cast<CCalendarView*>(scrollArea->widget());
    SetView(scrollArea);
    site_ = &site;
    UpdateTitle();
    // PageUp and PageDown turn the months (before the scroll area would scroll with them).
    auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, calendar, &CCalendarView::ShowPreviousMonth);
    auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, calendar, &CCalendarView::ShowNextMonth);
    connect(calendar, &CCalendarView::monthChanged, this, [this] {
        UpdateTitle();
        if (CKosmiraFrame* main = qobject_cast<CKosmiraFrame*>(window()))
            main->setWindowTitle(windowTitle());
    });
}

void CCalendarFrame::RefreshView()
{
    CChildFrame::RefreshView();
    UpdateTitle();
    if (calendar)
        calendar->update();
}

void CCalendarFrame::UpdateTitle()
{
    // "Kosmira - 천문 달력 2026년 12월 · 서울": the month and the site it is shown for.
    const CalendarMonth& month = calendar->Month();
    QString title = QStringLiteral("Kosmira - 천문 달력 %1년 %2월").arg(month.Year()).arg(month.Month());
    if (site_ && !site_->name.empty())
        title += QStringLiteral(" · ") + QString::fromStdString(site_->name);
    setWindowTitle(title);
}

std::unique_ptr<PrintJob> CCalendarFrame::MakePrintJob() const
{
    if (!calendar)
        return nullptr;
    return std::make_unique<CalendarPrintJob>(calendar->Month(), calendar->MonthDays(),
                                              calendar->Site(), calendar->ShownModel());
}
