#pragma once

#include "astro/sky/model.h"

#include <vector>

#include "astro/sky/observer.h"
#include "astro/time/skytime.h"
#include "views/calendarday.h"

struct Phenomenon;

// One month of the astronomical calendar: which month it is, the geometry of its page and
// the content of every day for an observing site. Plain C++, so the table can be checked
// without painting it.
class CalendarMonth {
public:
    static constexpr int kMargin = 15;      // blank border around the table, pixels
    static constexpr int kRowHeight = 17;   // pixels
    static constexpr int kColumnWidth = 100;
    static constexpr int kColumnCount = 7;
    static constexpr int kTableWidth = kColumnWidth * kColumnCount;
    static constexpr int kTimeLineOffset = 200;  // x of the time lines from the table's left
    static constexpr int kTimeLineWidth = 500;   // pixels for 24 hours
    static constexpr double kPixelsPerHour = 20.833333333333332;
    // Header row, column 0 to 6: date, Moon age, sunrise/sunset, civil, nautical and
    // astronomical twilight, moonrise/moonset.
    static constexpr const char* kHeaderTexts[kColumnCount] = {
        "날짜", "월령", "일출/일몰", "시민박명", "항해박명", "천문박명", "월출/월몰"};

    // A month of a Gregorian year; month 0 (dates before the Gregorian reform) has 31 days.
    CalendarMonth(int year, int month);

    // The month containing the date of a local instant; on or before JD 2299159.5
    // (before 15 October 1582) it is year 0, month 0.
    static CalendarMonth OfLocalTime(const SkyTime& local);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int DayCount() const { return dayCount_; }

    int PageWidth() const { return 2 * kMargin + kTableWidth; }
    int PageHeight() const { return 2 * kMargin + (4 * dayCount_ + 1) * kRowHeight; }
    int TableLeft() const { return kMargin; }
    int TableTop() const { return kMargin; }
    int TableRight() const { return kMargin + kTableWidth; }
    int TableBottom() const { return kMargin + (4 * dayCount_ + 1) * kRowHeight; }

    // Page y of the first of the four rows of day 1..DayCount().
    int DayTop(int day) const;
    // Page x of a local time on a day's time line; hours outside [0, 24) land beside it.
    int TimeX(double hours) const;

    // The content of every day for the site in the model: local civil times of its zone.
    std::vector<CalendarDay> Compute(const Observer& site, Model model = Model::Classic) const;
    CalendarDay ComputeDay(int day, const Observer& site, Model model = Model::Classic) const;

private:
    // marks: the month's solar terms and Moon phases (MarksOfDays), or null to find the day's.
    CalendarDay ComputeDay(int day, const Observer& site, Model model,
                           const std::vector<Phenomenon>* marks) const;

    int year_ = 0;
    int month_ = 0;
    int dayCount_ = 31;
};
