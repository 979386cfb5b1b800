#pragma once

#include <QWidget>

#include "astro/observer.h"
#include "astro/skytime.h"
#include "views/calendarmonth.h"

class QPainter;
class QScrollArea;

// The astronomical calendar's page: one month for the observing site, drawn at its full
// size and scrolled by the QScrollArea it sits in. The month is that of the shown instant
// when the view is made and never changes; the site is read at every paint, so a calendar
// repainted after the site changed shows the new site's times. No commands, no input.
class CCalendarView : public QWidget {
    Q_OBJECT
public:
    CCalendarView(const SkyTime& shownLocalTime, const Observer& site, QWidget* parent = nullptr);

    // A scroll area holding a new calendar page; outside the page it shows the button-shadow
    // colour, as a scrolling view's background does.
    static QScrollArea* CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                        QWidget* parent = nullptr);

    const CalendarMonth& Month() const { return month_; }
    QSize PageSize() const { return {month_.PageWidth(), month_.PageHeight()}; }

    // Recomputes the month for the current site and draws the whole page.
    void PaintPage(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Observer& site_;
    const CalendarMonth month_;
};
