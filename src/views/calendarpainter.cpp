#include "views/calendarpainter.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <iterator>

namespace {

constexpr int kRow = CalendarMonth::kRowHeight;
constexpr int kColumn = CalendarMonth::kColumnWidth;

// Lines are drawn as one-pixel fills from the start point up to, not including, the end
// point, so every grid pixel is where the table's coordinates put it.
void HorizontalLine(QPainter& p, int x0, int x1, int y)
{
    p.fillRect(QRect(x0, y, x1 - x0, 1), Qt::black);
}

void VerticalLine(QPainter& p, int x, int y0, int y1)
{
    p.fillRect(QRect(x, y0, 1, y1 - y0), Qt::black);
}

// Text centred on one line in the cell (left, top) to (right, bottom), right and bottom
// exclusive.
void CellText(QPainter& p, int left, int top, int right, int bottom, const CalendarCell& cell)
{
    if (cell.text.empty())
        return;
    p.setPen(cell.dim ? CalendarPainter::DimTextColour() : CalendarPainter::TextColour());
    p.drawText(QRect(left, top, right - left, bottom - top), Qt::AlignCenter | Qt::TextSingleLine,
               QString::fromStdString(cell.text));
}

void Bar(QPainter& p, const CalendarBar& bar, CalendarPainter::Shades shades)
{
    if (bar.right > bar.left && bar.bottom > bar.top)
        p.fillRect(QRect(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top),
                   CalendarPainter::BarBrush(bar.brush, shades));
}

}  // namespace

QFont CalendarPainter::TableFont()
{
    QFont font(QStringLiteral("굴림"));
    font.setPixelSize(12);
    return font;
}

namespace {

// Each brush's colour on the screen and on paper, in CalendarBrush order. Paper takes the
// twilight bands a little darker and the Moon as a grey hatch.
struct BrushShades {
    QColor screen;
    QColor printed;
};
const BrushShades kBrushShades[] = {
    {QColor(0, 0, 0), QColor(40, 40, 40)},            // Night
    {QColor(100, 100, 100), QColor(110, 110, 110)},   // Astronomical
    {QColor(150, 150, 150), QColor(165, 165, 165)},   // Nautical
    {QColor(200, 200, 200), QColor(215, 215, 215)},   // Civil
    {QColor(255, 255, 255), QColor(255, 255, 255)},   // Day
    {QColor(255, 255, 0), QColor(90, 90, 90)},        // Moon
};
static_assert(std::size(kBrushShades) == static_cast<size_t>(CalendarBrush::Moon) + 1,
              "shades for every brush");

const BrushShades* ShadesOf(CalendarBrush brush)
{
    const auto i = static_cast<size_t>(brush);
    return i < std::size(kBrushShades) ? &kBrushShades[i] : nullptr;
}

}  // namespace

QColor CalendarPainter::BrushColour(CalendarBrush brush)
{
    const BrushShades* shades = ShadesOf(brush);
    return shades ? shades->screen : QColor(0, 0, 0);
}

QBrush CalendarPainter::BarBrush(CalendarBrush brush, Shades shades)
{
    const BrushShades* s = ShadesOf(brush);
    if (!s)
        return QColor(0, 0, 0);
    if (shades == Shades::Screen)
        return s->screen;
    if (brush == CalendarBrush::Moon)
        return QBrush(s->printed, Qt::Dense5Pattern);
    return s->printed;
}

void CalendarPainter::Paint(QPainter& p, const CalendarMonth& month,
                            const std::vector<CalendarDay>& days, const QColor& pageColour,
                            Shades shades, const QFont* font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setFont(font ? *font : TableFont());

    p.fillRect(QRect(0, 0, month.PageWidth(), month.PageHeight()), pageColour);

    const int left = month.TableLeft();
    const int top = month.TableTop();
    const int right = month.TableRight();
    const int bottom = month.TableBottom();
    const int lineLeft = left + CalendarMonth::kTimeLineOffset;

    // The table: a black outline filled white.
    p.fillRect(QRect(left, top, right - left, bottom - top), Qt::white);
    HorizontalLine(p, left, right, top);
    HorizontalLine(p, left, right, bottom - 1);
    VerticalLine(p, left, top, bottom);
    VerticalLine(p, right - 1, top, bottom);

    for (int k = 0; k < CalendarMonth::kColumnCount; ++k) {
        const int x = left + kColumn * k;
        CellText(p, x, top + 1, x + kColumn, top + kRow,
                 {CalendarMonth::kHeaderTexts[k], false});
        if (k < CalendarMonth::kColumnCount - 1)
            VerticalLine(p, x + kColumn, top, top + kRow);
    }

    for (const CalendarDay& day : days) {
        const int jd = day.top;
        auto bar = day.bars.begin();
        // The night fill goes under the grid; every other bar over it.
        if (bar != day.bars.end() && bar->brush == CalendarBrush::Night)
            Bar(p, *bar++, shades);

        HorizontalLine(p, left, right, jd);
        HorizontalLine(p, lineLeft, right, jd + 2 * kRow);
        HorizontalLine(p, lineLeft, right, jd + 3 * kRow);
        VerticalLine(p, left + kColumn, jd, jd + 4 * kRow);
        VerticalLine(p, left + 2 * kColumn, jd, jd + 4 * kRow);
        for (int k = 3; k < CalendarMonth::kColumnCount; ++k)
            VerticalLine(p, left + kColumn * k, jd, jd + 2 * kRow);

        for (int k = 0; k < CalendarMonth::kColumnCount; ++k) {
            const int x = left + kColumn * k;
            CellText(p, x, jd + 1, x + kColumn, jd + kRow, day.cells[k][0]);
            CellText(p, x, jd + kRow + 1, x + kColumn, jd + 2 * kRow, day.cells[k][1]);
        }
        CellText(p, left + kColumn, jd + 2 * kRow + 1, left + 2 * kColumn, jd + 3 * kRow, day.mark);

        for (; bar != day.bars.end(); ++bar)
            Bar(p, *bar, shades);
    }
    p.restore();
}
