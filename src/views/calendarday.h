#pragma once

#include <array>
#include <string>
#include <vector>

// One text cell of the calendar table. Dim cells say why a time is missing ("없음" and the
// like) and are drawn in a fainter colour than the times themselves.
struct CalendarCell {
    std::string text;  // UTF-8; empty draws nothing
    bool dim = false;
};

// The fills of the two time lines of a day, in the order they are painted.
enum class CalendarBrush { Night, Astronomical, Nautical, Civil, Day, Moon };

// A filled rectangle in page pixels; right and bottom are exclusive, as for a GDI fill.
struct CalendarBar {
    CalendarBrush brush = CalendarBrush::Night;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Everything the calendar shows for one day of its month.
struct CalendarDay {
    int day = 0;  // day of the month, 1-based
    int top = 0;  // page y of the day's first row
    // cells[column][row]: columns 0..6 of the table, rows 0 and 1 the day's two text rows.
    std::array<std::array<CalendarCell, 2>, 7> cells;
    // The day's solar term or principal Moon phase with its local time ("입춘 17:27"), drawn
    // in the Moon column's third row, below the Moon's age; empty on other days.
    CalendarCell mark;
    // Night first, then the Sun's intervals from astronomical twilight to day, then the Moon.
    std::vector<CalendarBar> bars;
};
