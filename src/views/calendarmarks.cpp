#include "views/calendarmarks.h"

#include "format/skytext.h"

std::vector<Phenomenon> MarksOfDays(const SkyDate& first, int dayCount, double zoneHours)
{
    const double start = first.jd - zoneHours / 24.0;  // the first local midnight in UT
    const double end = start + dayCount;
    std::vector<Phenomenon> marks = FindMoonPhases(start, end);
    for (Phenomenon& term : FindSolarTerms(start, end))
        marks.push_back(std::move(term));
    return marks;
}

CalendarCell DayMarkCell(const std::vector<Phenomenon>& marks, const SkyDate& date,
                         double zoneHours)
{
    const double start = date.jd - zoneHours / 24.0;
    std::vector<const Phenomenon*> onDay;
    for (const Phenomenon& p : marks)
        if (p.when.jdUT >= start && p.when.jdUT < start + 1.0)
            onDay.push_back(&p);
    if (onDay.empty())
        return {};
    const std::string when = FormatLocalDateTime(onDay[0]->when.jdUT, zoneHours);
    if (onDay.size() > 1)
        return {onDay[0]->nameKo + "·" + onDay[1]->nameKo, false};
    if (when.size() < 16)
        return {onDay[0]->nameKo, false};
    return {onDay[0]->nameKo + " " + when.substr(11), false};
}

CalendarCell DayMarkCell(const SkyDate& date, double zoneHours)
{
    return DayMarkCell(MarksOfDays(date, 1, zoneHours), date, zoneHours);
}
