#pragma once

#include "astro/almanac/phenomena.h"
#include "astro/time/skydate.h"
#include "views/calendarday.h"

#include <vector>

// The marks of calendar days: the solar terms and the Moon's principal phases (삭, 상현, 망,
// 하현), from the precise model.

// The marks of dayCount local days from first on, in a zone zoneHours ahead of UT.
std::vector<Phenomenon> MarksOfDays(const SkyDate& first, int dayCount, double zoneHours);

// The cell of the local day of date among marks: "입춘 17:27" or "망 06:32"; both names
// "삭·동지" on the rare day that holds both (the times are then in the list of phenomena).
// Empty on other days.
CalendarCell DayMarkCell(const std::vector<Phenomenon>& marks, const SkyDate& date,
                         double zoneHours);
CalendarCell DayMarkCell(const SkyDate& date, double zoneHours);
