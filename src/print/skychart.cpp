#include "print/skychart.h"

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "catalog/catalogset.h"
#include "format/skytext.h"
#include "image/displaytext.h"
#include "planetarium/skygeometry.h"
#include "print/calendarprint.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QColor FromColour(Colour c)
{
    return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

// The part of the polygon in front of the near plane (eye z <= -near), Sutherland-Hodgman
// against that one plane.
std::vector<Vector3> ClipPolygon(const std::vector<Vector3>& in)
{
    const double limit = -SkyGeometry::kNearPlane;
    std::vector<Vector3> out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const Vector3& a = in[i];
        const Vector3& b = in[(i + 1) % in.size()];
        const bool aIn = a.z <= limit;
        const bool bIn = b.z <= limit;
        if (aIn)
            out.push_back(a);
        if (aIn != bIn) {
            const double t = (limit - a.z) / (b.z - a.z);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), limit});
        }
    }
    return out;
}

Vector3 Direction(double lon, double lat)
{
    return SphericalCoord(lon, lat).ToVector();
}

}  // namespace

ChartInks ChartInks::Print()
{
    ChartInks k;
    k.paper = Qt::white;
    k.stars = Qt::black;
    k.starNames = Qt::black;
    k.bodies = Qt::black;
    k.figures = QColor(110, 110, 110);
    k.boundaries = QColor(175, 175, 175);
    k.constellationNames = QColor(60, 60, 60);
    k.milkyWay = QColor(236, 236, 236);
    k.ground = QColor(222, 222, 222);
    k.horizon = Qt::black;
    k.points = QColor(60, 60, 60);
    k.messier = QColor(60, 60, 60);
    for (QColor& g : k.grids)
        g = QColor(200, 200, 200);
    return k;
}

ChartInks ChartInks::Screen(const DisplayColors& c)
{
    ChartInks k;
    k.paper = FromColour(c.skyBackground);
    k.stars = Qt::white;
    k.starNames = FromColour(c.starNames);
    k.bodies = FromColour(c.planets[0]);
    k.figures = FromColour(c.figures);
    k.boundaries = FromColour(c.boundaries);
    k.constellationNames = QColor(230, 230, 230);
    k.milkyWay = FromColour(c.milkyWay);
    k.ground = Qt::black;
    k.horizon = FromColour(c.lines);
    k.points = FromColour(c.points);
    k.messier = FromColour(c.messier);
    for (int i = 0; i < 4; ++i)
        k.grids[i] = FromColour(c.grids[i]).lighter(250);
    return k;
}

SkyChart::SkyChart(const ShownSky& sky, const CatalogSet& catalogs, const SkyChartView& view)
    : sky_(sky),
      catalogs_(catalogs),
      view_(view),
      horizontalToEye_(SkyGeometry::ViewRotation(view.centre)),
      catalogueToHorizontal_(sky.EquatorialToHorizontal() * sky.j2000ToDate)
{
}

double SkyChart::StarRadius(double magnitude)
{
    const double m = std::clamp(magnitude, -1.5, 6.5);
    return 0.35 + (6.5 - m) * (2.6 - 0.35) / 8.0;
}

QPointF SkyChart::Device(const Vector3& eye, const QRectF& rect) const
{
    double x = 0.0, y = 0.0;
    SkyGeometry::EyeToDevice(eye, view_.fieldOfViewRad, view_.aspect, &x, &y);
    // The window's aspect is kept by the chart's rectangle; each axis scales to its side.
    return {rect.left() + (x + 1.0) * 0.5 * rect.width(),
            rect.top() + (1.0 - y) * 0.5 * rect.height()};
}

bool SkyChart::PlaceHorizontal(const Vector3& horizontal, const QRectF& rect, QPointF* at) const
{
    const Vector3 eye = horizontalToEye_.Apply(horizontal);
    double x = 0.0, y = 0.0;
    if (!SkyGeometry::EyeToDevice(eye, view_.fieldOfViewRad, view_.aspect, &x, &y))
        return false;
    *at = Device(eye, rect);
    return true;
}

bool SkyChart::PlaceCatalogue(const SphericalCoord& j2000, const QRectF& rect, QPointF* at) const
{
    return PlaceHorizontal(catalogueToHorizontal_.Apply(j2000.ToVector()), rect, at);
}

void SkyChart::AddPolygon(QPainterPath& path, const std::vector<Vector3>& eye,
                          const QRectF& rect) const
{
    const std::vector<Vector3> clipped = ClipPolygon(eye);
    if (clipped.size() < 3)
        return;
    QPolygonF polygon;
    for (const Vector3& v : clipped)
        polygon << Device(v, rect);
    if (!polygon.boundingRect().intersects(rect))
        return;
    // One winding for every piece (the projection may mirror some), so that the union of
    // the pieces fills without seams.
    double area = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF& u = polygon[i];
        const QPointF& w = polygon[(i + 1) % polygon.size()];
        area += u.x() * w.y() - w.x() * u.y();
    }
    if (area < 0.0)
        std::reverse(polygon.begin(), polygon.end());
    path.addPolygon(polygon);
    path.closeSubpath();
}

bool SkyChart::Clip(Vector3& a, Vector3& b) const
{
    const double limit = -SkyGeometry::kNearPlane;
    const bool aIn = a.z <= limit;
    const bool bIn = b.z <= limit;
    if (!aIn && !bIn)
        return false;
    if (aIn != bIn) {
        Vector3& out = aIn ? b : a;
        const Vector3& in = aIn ? a : b;
        const double t = (limit - in.z) / (out.z - in.z);
        out = {in.x + t * (out.x - in.x), in.y + t * (out.y - in.y), limit};
    }
    return true;
}

void SkyChart::PaintSegments(QPainter& p, const QRectF& rect, const Matrix3& toHorizontal,
                             const std::vector<Vector3>& segments) const
{
    const Matrix3 toEye = horizontalToEye_ * toHorizontal;
    QPainterPath path;
    for (std::size_t i = 0; i + 1 < segments.size(); i += 2) {
        Vector3 a = toEye.Apply(segments[i]);
        Vector3 b = toEye.Apply(segments[i + 1]);
        if (!Clip(a, b))
            continue;
        const QPointF pa = Device(a, rect);
        const QPointF pb = Device(b, rect);
        // Pieces wholly off one side of the chart are left out of the file.
        if ((pa.x() < rect.left() && pb.x() < rect.left()) ||
            (pa.x() > rect.right() && pb.x() > rect.right()) ||
            (pa.y() < rect.top() && pb.y() < rect.top()) ||
            (pa.y() > rect.bottom() && pb.y() > rect.bottom()))
            continue;
        path.moveTo(pa);
        path.lineTo(pb);
    }
    p.drawPath(path);
}

void SkyChart::PaintLabel(QPainter& p, const QRectF& rect, const Vector3& horizontal,
                          const QString& text) const
{
    QPointF at;
    if (PlaceHorizontal(horizontal, rect, &at) && rect.contains(at))
        PrintText(p, at + QPointF(2.0, -2.0), text);
}

void SkyChart::Paint(QPainter& p, const QRectF& rect, const ChartInks& inks) const
{
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, inks.paper);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    const LayerFlags& flags = view_.layers;
    const Matrix3 equatorial = sky_.EquatorialToHorizontal();
    const Matrix3 catalogue = catalogueToHorizontal_;
    const std::vector<Vector3> grid = SkyGeometry::GridSegments(4);

    // The thin nets, in the screen's order.
    const struct {
        int on;
        Matrix3 toHorizontal;
        int ink;
    } nets[] = {
        {flags.horizontalGrid, Matrix3(), 0},
        {flags.eclipticGrid, equatorial * sky_.eclipticToEquatorial, 2},
        {flags.galacticGrid, catalogue * GalacticToJ2000Matrix(), 3},
        {flags.equatorialGrid, equatorial, 1},
    };
    for (const auto& net : nets) {
        if (!net.on)
            continue;
        p.setPen(QPen(inks.grids[net.ink], 0.3));
        PaintSegments(p, rect, net.toHorizontal, grid);
    }

    if (flags.milkyWay) {
        const Matrix3 toEye = horizontalToEye_ * catalogue;
        const std::vector<SphericalCoord>& t = catalogs_.milkyWay.triangles;
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (std::size_t i = 0; i + 2 < t.size(); i += 3) {
            std::vector<Vector3> corners;
            for (int k = 0; k < 3; ++k)
                corners.push_back(toEye.Apply(t[i + k].ToVector()));
            AddPolygon(path, corners, rect);
        }
        p.fillPath(path, inks.milkyWay);
    }

    if (flags.stars) {
        const Matrix3 toEye = horizontalToEye_ * catalogue;
        QPainterPath discs;
        for (const auto& star : catalogs_.stars) {
            const Vector3 eye = toEye.Apply(star.position.ToVector());
            if (-eye.z < SkyGeometry::kNearPlane)
                continue;
            const QPointF at = Device(eye, rect);
            const double r = StarRadius(star.magnitude);
            if (!rect.adjusted(-r, -r, r, r).contains(at))
                continue;
            discs.addEllipse(at, r, r);
        }
        p.fillPath(discs, inks.stars);
    }

    p.setFont(PrintFont(p, 5.5));
    if (flags.starNames) {
        p.setPen(inks.starNames);
        for (const auto& name : catalogs_.starNames)
            PaintLabel(p, rect, catalogue.Apply(name.position.ToVector()),
                       DisplayText(name.name));
    }

    if (flags.solarSystem) {
        p.setFont(PrintFont(p, 7.0, true));
        for (const BodyState& b : sky_.bodies) {
            QPointF at;
            const Vector3 h = equatorial.Apply(b.topocentric.ToVector());
            if (!PlaceHorizontal(h, rect, &at) || !rect.contains(at))
                continue;
            const bool large = b.body == Body::Sun || b.body == Body::Moon;
            const double r = large ? 4.5 : 2.2;
            p.setPen(QPen(inks.bodies, 0.6));
            p.setBrush(b.body == Body::Sun ? QBrush(inks.paper)
                       : b.body == Body::Moon ? QBrush(QColor(150, 150, 150))
                                              : QBrush(inks.bodies));
            p.drawEllipse(at, r, r);
            p.setBrush(Qt::NoBrush);
            PrintText(p, at + QPointF(r + 1.5, -r), QString::fromStdString(BodyNameKorean(b.body)));
        }
    }

    if (flags.figures) {
        std::vector<Vector3> lines;
        for (const auto& line : catalogs_.constellationLines) {
            lines.push_back(line.start.ToVector());
            lines.push_back(line.end.ToVector());
        }
        p.setPen(QPen(inks.figures, 0.5));
        PaintSegments(p, rect, catalogue, lines);
    }

    if (flags.boundaries) {
        std::vector<Vector3> pieces;
        for (const auto& b : catalogs_.boundaries)
            SkyGeometry::AppendBoundarySegments(b.start, b.end, pieces);
        p.setPen(QPen(inks.boundaries, 0.4, Qt::DashLine));
        PaintSegments(p, rect, catalogue * PrecessionMatrix(1875.0, 2000.0), pieces);
    }

    if (flags.constellationNames) {
        p.setFont(PrintFont(p, 7.0));
        p.setPen(inks.constellationNames);
        const QFontMetricsF metrics(p.font(), p.device());
        for (const auto& c : catalogs_.constellationNames) {
            QPointF at;
            if (!PlaceCatalogue(c.position, rect, &at) || !rect.contains(at))
                continue;
            const QString text = DisplayText(c.name);
            PrintText(p, at - QPointF(metrics.horizontalAdvance(text) / 2.0, 0.0), text);
        }
    }

    if (flags.messier) {
        p.setFont(PrintFont(p, 5.0));
        p.setPen(inks.messier);
        for (std::size_t i = 0; i < catalogs_.messier.size(); ++i)
            PaintLabel(p, rect, catalogue.Apply(catalogs_.messier[i].position.ToVector()),
                       QStringLiteral("M%1").arg(i + 1));
    }

    // The ecliptic and horizon points, as the window names them.
    p.setFont(PrintFont(p, 6.0));
    p.setPen(inks.points);
    const Matrix3 ecliptic = equatorial * sky_.eclipticToEquatorial;
    PaintLabel(p, rect, ecliptic.Apply(Direction(0.0, 0.0)), QStringLiteral("춘분점"));
    PaintLabel(p, rect, ecliptic.Apply(Direction(90.0 * kDegToRad, 0.0)), QStringLiteral("하지점"));
    PaintLabel(p, rect, ecliptic.Apply(Direction(270.0 * kDegToRad, 0.0)), QStringLiteral("동지점"));
    PaintLabel(p, rect, Direction(0.0, 0.0), QStringLiteral("북점"));
    PaintLabel(p, rect, Direction(90.0 * kDegToRad, 0.0), QStringLiteral("동점"));
    PaintLabel(p, rect, Direction(180.0 * kDegToRad, 0.0), QStringLiteral("남점"));
    PaintLabel(p, rect, Direction(270.0 * kDegToRad, 0.0), QStringLiteral("서점"));
    PaintLabel(p, rect, Direction(0.0, 90.0 * kDegToRad), QStringLiteral("천정"));

    // The ground hides what is below the horizon, as on screen.
    QPainterPath ground;
    ground.setFillRule(Qt::WindingFill);
    for (int a = 0; a < 360; a += 10) {
        for (int h = 0; h > -90; h -= 10) {
            const double a0 = a * kDegToRad, a1 = (a + 10) * kDegToRad;
            const double h0 = h * kDegToRad, h1 = (h - 10) * kDegToRad;
            const std::vector<Vector3> quad = {
                horizontalToEye_.Apply(Direction(a0, h0)), horizontalToEye_.Apply(Direction(a0, h1)),
                horizontalToEye_.Apply(Direction(a1, h1)), horizontalToEye_.Apply(Direction(a1, h0))};
            AddPolygon(ground, quad, rect);
        }
    }
    p.fillPath(ground, inks.ground);
    p.setPen(QPen(inks.horizon, 0.8));
    PaintSegments(p, rect, Matrix3(), SkyGeometry::HorizonSegments());
    p.restore();
}

QString AzimuthText(double azimuth)
{
    static const char* const kPoints[8] = {"북", "북동", "동", "남동", "남", "남서", "서", "북서"};
    double deg = std::fmod(azimuth * kRadToDeg, 360.0);
    if (deg < 0)
        deg += 360.0;
    const int index = int(std::lround(deg / 45.0)) % 8;
    return QStringLiteral("%1 (%2°)").arg(QString::fromUtf8(kPoints[index])).arg(deg, 0, 'f', 1);
}

SkyChartPrintJob::SkyChartPrintJob(const ShownSky& sky, const CatalogSet& catalogs,
                                   const SkyChartView& view, const DisplayColors& screenColours)
    : sky_(sky), view_(view), colours_(screenColours), chart_(sky, catalogs, view)
{
}

QString SkyChartPrintJob::SuggestedFileName() const
{
    QString when = QString::fromStdString(
        FormatLocalDateTime(sky_.instant.jdUT, sky_.site.timeZone));
    when.replace(QLatin1Char(' '), QLatin1Char('-'));
    when.remove(QLatin1Char(':'));
    QString name = QStringLiteral("천체지도-") + when;
    const QString site = FileNamePart(DisplayText(sky_.site.name));
    if (!site.isEmpty())
        name += QLatin1Char('-') + site;
    return name + QStringLiteral(".pdf");
}

QRectF SkyChartPrintJob::ChartRect(const QRectF& rect) const
{
    const double top = rect.top() + 26.0;
    const double available = rect.height() - 26.0 - 96.0;
    double width = rect.width();
    double height = width / view_.aspect;
    if (height > available) {
        height = available;
        width = height * view_.aspect;
    }
    return {rect.left() + (rect.width() - width) / 2.0, top, width, height};
}

void SkyChartPrintJob::Paint(QPainter& p, const QRectF& rect) const
{
    p.save();
    p.fillRect(rect, Qt::white);
    p.setPen(Qt::black);
    p.setFont(PrintFont(p, 15.0, true));
    QString title = QStringLiteral("천체 지도");
    if (!sky_.site.name.empty())
        title += QStringLiteral(" - ") + DisplayText(sky_.site.name);
    PrintText(p, QRectF(rect.left(), rect.top(), rect.width(), 20.0), Qt::AlignLeft | Qt::AlignTop,
               title);

    const QRectF chart = ChartRect(rect);
    chart_.Paint(p, chart, screenColours_ ? ChartInks::Screen(colours_) : ChartInks::Print());
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(chart);

    // The legend.
    p.setFont(PrintFont(p, 8.5));
    const double zone = sky_.site.timeZone;
    const QString lines[] = {
        QStringLiteral("장소: %1  %2  %3")
            .arg(DisplayText(sky_.site.name), LatitudeText(sky_.site.latitude),
                 LongitudeText(sky_.site.longitude))
            .simplified(),
        QStringLiteral("시각: %1 (%2)  세계시 %3  %4")
            .arg(QString::fromStdString(FormatLocalDateTime(sky_.instant.jdUT, zone)), ZoneText(zone),
                 QString::fromStdString(FormatLocalDateTime(sky_.instant.jdUT, 0.0)),
                 sky_.model == Model::Precise ? QStringLiteral("정밀 계산")
                                              : QStringLiteral("기본 계산")),
        QStringLiteral("방향: 방위각 %1, 고도 %2°  시야: %3° x %4°")
            .arg(AzimuthText(view_.centre.lon))
            .arg(view_.centre.lat * kRadToDeg, 0, 'f', 1)
            .arg(2.0 * std::atan(std::tan(view_.fieldOfViewRad / 2.0) * view_.aspect) * kRadToDeg, 0,
                 'f', 1)
            .arg(view_.fieldOfViewRad * kRadToDeg, 0, 'f', 1),
    };
    double y = chart.bottom() + 6.0;
    for (const QString& line : lines) {
        PrintText(p, QRectF(rect.left(), y, rect.width(), 12.0), Qt::AlignLeft | Qt::AlignTop, line);
        y += 12.0;
    }
    // The magnitude scale: one disc a magnitude from -1 to 6.
    y += 6.0;
    PrintText(p, QRectF(rect.left(), y, 40.0, 12.0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("등급"));
    QPainterPath discs;
    for (int m = -1; m <= 6; ++m) {
        const double x = rect.left() + 48.0 + (m + 1) * 34.0;
        const double r = SkyChart::StarRadius(m);
        discs.addEllipse(QPointF(x, y + 6.0), r, r);
        PrintText(p, QRectF(x + 4.0, y, 26.0, 12.0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(m));
    }
    p.fillPath(discs, Qt::black);
    PaintFooter(p, rect);
    p.restore();
}
