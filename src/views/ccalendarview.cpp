#include "views/ccalendarview.h"

#include <QPainter>
#include <QPalette>
#include <QScrollArea>

#include "views/calendarpainter.h"

CCalendarView::CCalendarView(const SkyTime& shownLocalTime, const Observer& site,
                             QWidget* parent)
    : QWidget(parent), site_(site), month_(CalendarMonth::OfLocalTime(shownLocalTime))
{
    setFixedSize(PageSize());
    // The paint covers the whole page itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QScrollArea* CCalendarView::CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                            QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setBackgroundRole(QPalette::Dark);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(new CCalendarView(shownLocalTime, site));
    return area;
}

void CCalendarView::PaintPage(QPainter& painter) const
{
    CalendarPainter::Paint(painter, month_, month_.Compute(site_), palette().color(QPalette::Base));
}

void CCalendarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintPage(painter);
}
