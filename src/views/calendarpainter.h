#pragma once

#include <vector>

#include <QBrush>
#include <QColor>
#include <QFont>

#include "views/calendarday.h"
#include "views/calendarmonth.h"

class QPainter;

// Draws a calendar month's table onto a painter in page coordinates (one unit a pixel,
// origin at the page's top left): the header row, then each day's grid, texts and bars.
class CalendarPainter {
public:
    // "굴림" at 12 pixels; the application maps the face to an installed Korean font.
    static QFont TableFont();
    static QColor BrushColour(CalendarBrush brush);
    // The bars on screen, or on paper: grey shades a black-and-white printer keeps apart,
    // the Moon's bar a light grey crossed by a pattern.
    enum class Shades { Screen, Print };
    static QBrush BarBrush(CalendarBrush brush, Shades shades);
    static QColor TextColour() { return QColor(0, 0, 0); }
    static QColor DimTextColour() { return QColor(128, 128, 128); }

    // Fills the whole page with the window colour and draws the table over it, in
    // TableFont() unless another font is given.
    static void Paint(QPainter& painter, const CalendarMonth& month,
                      const std::vector<CalendarDay>& days, const QColor& pageColour,
                      Shades shades = Shades::Screen, const QFont* font = nullptr);
};
