#include "views/cplaneteclview.h"
#include "image/nightvision.h"
#include "astro/ephemeris/planet.h"

#include <algorithm>

#include <QPaintEvent>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

QColor ToQColor(Colour c)
{
    return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

// A one-pixel black line from (x0, y0) up to, not including, (x1, y1); horizontal or
// vertical. Drawn as a fill so it also works for a reversed (negative) extent.
void Line(QPainter& p, int x0, int y0, int x1, int y1)
{
    const QRect r = QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                          QPoint(std::max(x0, x1), std::max(y0, y1)));
    if (y0 == y1)
        p.fillRect(QRect(r.left(), y0, r.width() - 1, 1), Qt::black);
    else
        p.fillRect(QRect(x0, r.top(), 1, r.height() - 1), Qt::black);
}

}  // namespace

CPlanetEclView::CPlanetEclView(const ShownSky& sky, const DisplayColors& colours,
                               const QFont& labelFont, QWidget* parent)
    : QWidget(parent), sky_(sky), colours_(colours), labelFont_(labelFont)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::vector<EclipticMark> CPlanetEclView::Marks(const QSize& client) const
{
    const EclipticChart chart(client.width(), client.height());
    std::vector<EclipticMark> marks;
    // Colours: the Sun and the Moon their own, each planet its PlanetIndex entry.
    static const struct {
        Body body;
        int colour;
    } kBodies[] = {{Body::Sun, -2},           {Body::Moon, -1},         {Body::Mercury, kMercury},
                   {Body::Venus, kVenus},     {Body::Mars, kMars},      {Body::Jupiter, kJupiter},
                   {Body::Saturn, kSaturn},   {Body::Uranus, kUranus},  {Body::Neptune, kNeptune},
                   {Body::Pluto, kPluto}};
    for (const auto& b : kBodies) {
        const Colour colour = b.colour == -2   ? colours_.sun
                              : b.colour == -1 ? colours_.moon
                                               : colours_.planets[b.colour];
        chart.Add(marks, BodyKey(b.body), colour, sky_[b.body].ecliptic.ToVector());
    }
    return marks;
}

void CPlanetEclView::PaintChart(QPainter& p, const QSize& client) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), client), palette().color(QPalette::Base));

    // The chart: the client area less 10 pixels a side, a black outline filled white. A
    // window under 20 pixels gives a reversed rectangle, drawn all the same.
    const EclipticChart chart(client.width(), client.height());
    const int l = chart.Left();
    const int t = chart.Top();
    const int r = chart.Right();
    const int b = chart.Bottom();
    p.fillRect(QRect(QPoint(std::min(l, r), std::min(t, b)),
                     QPoint(std::max(l, r) - 1, std::max(t, b) - 1)),
               Qt::white);
    Line(p, l, t, r, t);
    Line(p, l, b - 1, r, b - 1);
    Line(p, l, t, l, b);
    Line(p, r - 1, t, r - 1, b);

    Line(p, l, chart.CentreY(), r, chart.CentreY());

    p.setFont(labelFont_);
    p.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(labelFont_);
    for (const EclipticMark& mark : Marks(client)) {
        p.setPen(Qt::black);
        p.setBrush(ToQColor(mark.colour));
        // A stroked 4 x 4 box covers 5 pixels: the dot is centred on the body's pixel.
        p.drawEllipse(QRect(mark.x - 2, mark.y - 2, 4, 4));
        p.setBrush(Qt::NoBrush);
        p.drawText(QPoint(mark.x, mark.y + metrics.ascent()), QString::fromLatin1(mark.label.c_str()));
    }
    p.restore();
}

void CPlanetEclView::paintEvent(QPaintEvent* event)
{
    NightVision::Paint(*this, event->rect(), palette().color(QPalette::Window),
                       [this](QPainter& painter) { PaintChart(painter, size()); },
                       NightVision::kPaperRed);
}
