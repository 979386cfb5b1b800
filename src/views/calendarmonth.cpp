#include "views/calendarmonth.h"
#include "views/calendarmarks.h"
#include "format/skytext.h"
#include "astro/sky/dayevents.h"

#include <cmath>
#include <cstdio>

#include "astro/time/hours.h"
#include "astro/time/juliandate.h"
#include "astro/sky/lunarcalendar.h"
#include "astro/ephemeris/moon.h"
#include "astro/sky/riseset.h"
#include "astro/time/timescales.h"
#include "site/siteclock.h"

namespace {

// Texts for events that do not happen on a day, so a blank cell explains itself.
const char* const kNone = "없음";          // the twilight does not occur
const char* const kNeverRises = "안뜸";    // the body stays below the horizon all day
const char* const kNeverSets = "안짐";     // the body stays above the horizon all day

constexpr double kLastGregorianReformDay = 2299159.5;  // 14 October 1582, 0h

std::string Printf(const char* format, double value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string DayText(int day)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d일", day);
    return buf;
}

CalendarCell TimeCell(double hours)
{
    return {FormatHours(hours), false};
}

CalendarCell DimCell(const char* text)
{
    return {text, true};
}

// The two cells of a day without both events: both dim, saying why.
void NoEventCells(RiseSetStatus status, std::array<CalendarCell, 2>& cells)
{
    const char* why = status == RiseSetStatus::NeverRises  ? kNeverRises
                      : status == RiseSetStatus::NeverSets ? kNeverSets
                                                           : kNone;
    cells[0] = cells[1] = DimCell(why);
}

}  // namespace

CalendarMonth::CalendarMonth(int year, int month)
    : year_(year), month_(month), dayCount_(DaysInMonth(year, month))
{
}

CalendarMonth CalendarMonth::OfLocalTime(const SkyTime& local)
{
    const double midnight = local.date.jd;
    if (midnight <= kLastGregorianReformDay)
        return CalendarMonth(0, 0);
    const CalendarDate date = CalendarFromJulianDate(midnight);
    return CalendarMonth(date.year, date.month);
}

int CalendarMonth::DayTop(int day) const
{
    return TableTop() + kRowHeight * (4 * (day - 1) + 1);
}

int CalendarMonth::TimeX(double hours) const
{
    return TableLeft() + kTimeLineOffset + static_cast<int>(hours * kPixelsPerHour);
}

std::vector<CalendarDay> CalendarMonth::Compute(const Observer& site, Model model) const
{
    std::vector<CalendarDay> days;
    days.reserve(dayCount_);
    const SkyDate first = JulianDateFromCalendar(year_, month_, 1);
    const std::vector<Phenomenon> marks =
        MarksOfDays(first, dayCount_, SiteClock(site).OffsetAtLocal(first.jd));
    for (int d = 1; d <= dayCount_; ++d)
        days.push_back(ComputeDay(d, site, model, &marks));
    return days;
}

CalendarDay CalendarMonth::ComputeDay(int day, const Observer& site, Model model) const
{
    return ComputeDay(day, site, model, nullptr);
}

CalendarDay CalendarMonth::ComputeDay(int day, const Observer& zoneSite, Model model,
                                      const std::vector<Phenomenon>* marks) const
{
    // Each day has its own offset: the one in force at its local midnight. On a day the clocks
    // change, every event is then shown at the wall-clock time of its own instant.
    const SiteDay siteDay = SiteDayOf(zoneSite, JulianDateFromCalendar(year_, month_, day));
    const Observer& site = siteDay.site;
    CalendarDay out;
    out.day = day;
    out.top = DayTop(day);
    const int jd = out.top;
    const int lineLeft = TableLeft() + kTimeLineOffset;
    const int lineRight = TableRight();
    const int sunTop = jd + 2 * kRowHeight;
    const int moonTop = jd + 3 * kRowHeight;
    const int moonBottom = jd + 4 * kRowHeight;

    out.bars.push_back({CalendarBrush::Night, lineLeft, sunTop, lineRight, moonBottom});

    const SkyDate date = JulianDateFromCalendar(year_, month_, day);

    out.cells[0][0] = {DayText(day), false};
    LunarDate lunar;
    if (ToLunar(date, lunar))
        out.cells[0][1] = {FormatLunarDate(lunar), false};

    out.cells[1][0] = {Printf("%6.1f%%", MoonIlluminatedAtMidnight(date, site, model) * 100.0),
                       false};
    // The Moon's age at 0 h local, in days, below its illuminated fraction.
    out.cells[1][1] = {Printf("%.1f일", MoonAgeAtMidnight(date, site, model)), false};
    // The day's solar term or Moon phase, under them (the day block's third row).
    out.mark = marks ? DayMarkCell(*marks, date, site.timeZone) : DayMarkCell(date, site.timeZone);

    // Columns 5 to 2, darkest band first, so that each brush paints over the one before.
    const DayEvents events = WallClockDayEvents(siteDay, model);
    const SunEventSet& sun = events.sun;
    const struct {
        const RiseSetResult* result;
        int column;
        CalendarBrush brush;
    } sunBands[] = {
        {&sun.astronomical, 5, CalendarBrush::Astronomical},
        {&sun.nautical, 4, CalendarBrush::Nautical},
        {&sun.civil, 3, CalendarBrush::Civil},
        {&sun.riseSet, 2, CalendarBrush::Day},
    };
    for (const auto& band : sunBands) {
        auto& cells = out.cells[band.column];
        const RiseSetResult& r = *band.result;
        switch (r.status) {
        case RiseSetStatus::Normal:
            // An event of the day before or after (the precise model's search) leaves its
            // cell empty-handed and its bar reaching the edge of the day.
            cells[0] = r.beginStatus == EventStatus::Occurs ? TimeCell(r.begin) : DimCell(kNone);
            cells[1] = r.endStatus == EventStatus::Occurs ? TimeCell(r.end) : DimCell(kNone);
            out.bars.push_back(
                {band.brush, r.beginStatus == EventStatus::Occurs ? TimeX(r.begin) : lineLeft,
                 sunTop, r.endStatus == EventStatus::Occurs ? TimeX(r.end) : lineRight,
                 sunTop + kRowHeight});
            break;
        case RiseSetStatus::None:
        case RiseSetStatus::NeverRises:
        case RiseSetStatus::NeverSets:
            NoEventCells(r.status, cells);
            // The Sun up the whole day, or never below this band's altitude (its shade
            // covers the whole night): the bar says so rather than showing night.
            if (r.status == RiseSetStatus::NeverSets ||
                (r.status == RiseSetStatus::None && r.aboveAllDay))
                out.bars.push_back({band.brush, lineLeft, sunTop, lineRight, sunTop + kRowHeight});
            break;
        }
    }

    const RiseSetResult& moonEvents = events.moon;
    auto& moonCells = out.cells[6];
    switch (moonEvents.status) {
    case RiseSetStatus::Normal: {
        const bool rises = moonEvents.HasBegin();
        const bool sets = moonEvents.HasEnd();
        moonCells[0] = rises ? TimeCell(moonEvents.begin) : DimCell(kNone);
        moonCells[1] = sets ? TimeCell(moonEvents.end) : DimCell(kNone);
        const int riseX = TimeX(moonEvents.begin);
        const int setX = TimeX(moonEvents.end);
        if (rises && sets) {
            if (moonEvents.begin < moonEvents.end) {
                out.bars.push_back({CalendarBrush::Moon, riseX, moonTop, setX, moonBottom});
            } else {
                out.bars.push_back({CalendarBrush::Moon, lineLeft, moonTop, setX, moonBottom});
                out.bars.push_back({CalendarBrush::Moon, riseX, moonTop, lineRight, moonBottom});
            }
        } else if (sets) {
            // Up since before midnight, sets today, rises again only tomorrow.
            out.bars.push_back({CalendarBrush::Moon, lineLeft, moonTop, setX, moonBottom});
        } else if (rises) {
            // Rises today and sets only after the next midnight.
            out.bars.push_back({CalendarBrush::Moon, riseX, moonTop, lineRight, moonBottom});
        }
        break;
    }
    case RiseSetStatus::None:
    case RiseSetStatus::NeverRises:
    case RiseSetStatus::NeverSets:
        NoEventCells(moonEvents.status, moonCells);
        if (moonEvents.status == RiseSetStatus::NeverSets)
            out.bars.push_back({CalendarBrush::Moon, lineLeft, moonTop, lineRight, moonBottom});
        break;
    }
    return out;
}
