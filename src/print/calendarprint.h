#pragma once

#include "astro/sky/model.h"
#include "astro/sky/observer.h"
#include "print/printjob.h"
#include "views/calendarday.h"
#include "views/calendarmonth.h"

#include <vector>

// The astronomical calendar's month on one portrait page: a heading (month and year, site,
// latitude, longitude, time zone, model), the same table as the window drawn by
// CalendarPainter with print shades, and the footer.
class CalendarPrintJob : public PrintJob {
public:
    // days: the month's values as the window computed them for site and model.
    CalendarPrintJob(const CalendarMonth& month, std::vector<CalendarDay> days,
                     const Observer& site, Model model);

    QString SuggestedFileName() const override;
    void Paint(QPainter& painter, const QRectF& rect) const override;

    // "2026년 12월 천문 달력" and the site line under it.
    QString Title() const;
    QString SiteLine() const;

private:
    CalendarMonth month_;
    std::vector<CalendarDay> days_;
    Observer site_;
    Model model_;
};

// Latitude and longitude as "북위 37.57°" / "동경 126.98°" (radians in).
QString LatitudeText(double latitude);
QString LongitudeText(double longitude);
// A zone in hours ahead of UT as "UTC+9", "UTC-3:30".
QString ZoneText(double hours);
