#pragma once

#include <QWidget>

#include "astro/sky/observer.h"
#include "astro/time/skytime.h"
#include "astro/sky/model.h"
#include "astro/sky/observer.h"
#include "views/calendarday.h"
#include "views/calendarmonth.h"

#include <vector>

class QPainter;
class QScrollArea;

// The astronomical calendar's page: one month for the observing site, drawn at its full
// size and scrolled by the QScrollArea it sits in. The month is that of the shown instant
// when the view is made and never changes; the site is read at every paint, so a calendar
// repainted after the site changed shows the new site's times. No commands, no input.
class CCalendarView : public QWidget {
    Q_OBJECT
public:
    // The month of shownLocalTime; the site and the model are read at every paint (by
    // reference), and the month's values are recomputed only when either has changed.
    CCalendarView(const SkyTime& shownLocalTime, const Observer& site, const Model& model,
                  QWidget* parent = nullptr);
    // The same in the classic model.
    CCalendarView(const SkyTime& shownLocalTime, const Observer& site, QWidget* parent = nullptr);

    // A scroll area holding a new calendar page; outside the page it shows the button-shadow
    // colour, as a scrolling view's background does.
    static QScrollArea* CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                        const Model& model, QWidget* parent = nullptr);
    static QScrollArea* CreateScrolling(const SkyTime& shownLocalTime, const Observer& site,
                                        QWidget* parent = nullptr);

    const CalendarMonth& Month() const { return month_; }
    QSize PageSize() const { return {month_.PageWidth(), month_.PageHeight()}; }

    // Shows the month before or after the one shown (PageUp / PageDown in the window).
    void ShowPreviousMonth();
    void ShowNextMonth();

    // The month's values for the current site and model (as the next paint shows them), the
    // site and the model: what the printed page shows.
    const std::vector<CalendarDay>& MonthDays() const { return Days(); }
    const Observer& Site() const { return site_; }
    Model ShownModel() const { return model_; }

    // Draws the whole page for the current site and model (recomputing the month's values
    // only when one of them changed since the last paint).
    void PaintPage(QPainter& painter) const;

signals:
    // Another month is shown.
    void monthChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::vector<CalendarDay>& Days() const;

    const Observer& site_;
    const Model& model_;
    CalendarMonth month_;
    // The month's values and what they were computed for.
    mutable std::vector<CalendarDay> days_;
    mutable Observer daysSite_;
    mutable Model daysModel_ = Model::Classic;
    mutable bool daysValid_ = false;
};
