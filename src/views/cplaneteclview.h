#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "astro/sky/shownsky.h"
#include "render/displaycolors.h"
#include "views/eclipticchart.h"

class QFont;
class QPainter;

// Where the Sun, the Moon and the planets other than the Earth stand along the ecliptic as
// seen from the Earth (geocentric ecliptic longitude and latitude of date): longitude across the window, latitude from the centre line, each body
// a dot in its colour with its name beside it. Reads the bodies it is given at every paint,
// so it follows the shown instant. No commands, no input.
class CPlanetEclView : public QWidget {
    Q_OBJECT
public:
    CPlanetEclView(const ShownSky& sky, const DisplayColors& colours, const QFont& labelFont,
                   QWidget* parent = nullptr);

    // The bodies drawn for a client area of that size, in drawing order.
    std::vector<EclipticMark> Marks(const QSize& client) const;
    // Paints the whole client area of that size.
    void PaintChart(QPainter& painter, const QSize& client) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ShownSky& sky_;
    const DisplayColors& colours_;
    const QFont& labelFont_;
};
