#include "views/ccalendarview.h"
#include "image/nightvision.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>

#include "views/calendarpainter.h"

namespace {

const Model kClassicModel = Model::Classic;

bool SameSite(const Observer& a, const Observer& b)
{
    return a.longitude == b.longitude && a.latitude == b.latitude && a.timeZone == b.timeZone;
}

}  // namespace

CCalendarView::CCalendarView(const SkyTime& shownLocalTime, const Observer& site,
                             const Model& model, QWidget* parent)
    : QWidget(parent), site_(site), model_(model),
      month_(CalendarMonth::OfLocalTime(shownLocalTime))
{
    setFixedSize(PageSize());
    // The paint covers the whole page itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CCalendarView::CCalendarView(const SkyTime& shownLocalTime, const Observer& site,
                             QWidget* parent)
    : CCalendarView(shownLocalTime, site, kClassicModel, parent)
{
}

QScrollArea* CCalendarView::CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                            const Model& model, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setBackgroundRole(QPalette::Dark);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(new CCalendarView(shownLocalTime, site, model));
    return area;
}

QScrollArea* CCalendarView::CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                            QWidget* parent)
{
    return CreateScrolling(shownLocalTime, site, kClassicModel, parent);
}

const std::vector<CalendarDay>& CCalendarView::Days() const
{
    if (!daysValid_ || !SameSite(daysSite_, site_) || daysModel_ != model_) {
        days_ = month_.Compute(site_, model_);
        daysSite_ = site_;
        daysModel_ = model_;
        daysValid_ = true;
    }
    return days_;
}

void CCalendarView::ShowPreviousMonth()
{
    const int year = month_.Month() == 1 ? month_.Year() - 1 : month_.Year();
    month_ = CalendarMonth(year, month_.Month() == 1 ? 12 : month_.Month() - 1);
    daysValid_ = false;
    setFixedSize(PageSize());
    update();
    emit monthChanged();
}

void CCalendarView::ShowNextMonth()
{
    const int year = month_.Month() == 12 ? month_.Year() + 1 : month_.Year();
    month_ = CalendarMonth(year, month_.Month() == 12 ? 1 : month_.Month() + 1);
    daysValid_ = false;
    setFixedSize(PageSize());
    update();
    emit monthChanged();
}

void CCalendarView::PaintPage(QPainter& painter) const
{
    CalendarPainter::Paint(painter, month_, Days(), palette().color(QPalette::Base));
}

void CCalendarView::paintEvent(QPaintEvent* event)
{
    NightVision::Paint(*this, event->rect(), Qt::white, [this](QPainter& painter) { PaintPage(painter); },
                       NightVision::kPaperRed);
}
