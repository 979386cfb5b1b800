#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>

// Converts the dialog units of a palette layout to pixels of its font: a horizontal unit
// is a quarter of the average character width, a vertical unit an eighth of the height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        x_ = metrics.averageCharWidth() > 0 ? metrics.averageCharWidth() : 6;
        y_ = metrics.height() > 0 ? metrics.height() : 13;
    }
    int X(int units) const { return (units * x_ + 2) / 4; }
    int Y(int units) const { return (units * y_ + 4) / 8; }
    QSize Size(int w, int h) const { return QSize(X(w), Y(h)); }
    QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }

private:
    int x_ = 6;
    int y_ = 13;
};
