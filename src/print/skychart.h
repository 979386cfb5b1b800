#pragma once

#include "astro/math/matrix3.h"
#include "astro/math/sphericalcoord.h"
#include "planetarium/layerflags.h"
#include "render/displaycolors.h"
#include "print/printjob.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

class CatalogSet;
class QPainterPath;
struct ShownSky;

// What a planetarium window shows: where it looks (azimuth, altitude, radians), its vertical
// field of view (radians), its width over its height and its layer toggles.
struct SkyChartView {
    SphericalCoord centre{3.141592653589793, 0.5235987755982988};
    double fieldOfViewRad = 1.0471975511965976;
    double aspect = 4.0 / 3.0;
    LayerFlags layers;
};

// The inks of a chart. Print: white paper, black stars and names, greys for the lines.
// Screen: the display colours on a black sky.
struct ChartInks {
    QColor paper, stars, starNames, bodies, figures, boundaries, constellationNames, milkyWay,
        ground, horizon, points, messier;
    QColor grids[4];  // horizontal, equatorial, ecliptic, galactic

    static ChartInks Print();
    static ChartInks Screen(const DisplayColors& colours);
};

// The sky of a planetarium view drawn as vectors with QPainter. It places every direction
// through the same camera turn and perspective as the window (SkyGeometry), so a star lands
// on the chart where the window shows it, scaled to the chart's rectangle.
class SkyChart {
public:
    SkyChart(const ShownSky& sky, const CatalogSet& catalogs, const SkyChartView& view);

    // Position in rect of a horizontal direction (x north, y east, z zenith) or of a J2000
    // catalogue direction; false behind the camera (the point may still lie outside rect).
    bool PlaceHorizontal(const Vector3& horizontal, const QRectF& rect, QPointF* at) const;
    bool PlaceCatalogue(const SphericalCoord& j2000, const QRectF& rect, QPointF* at) const;

    // Radius of a star's disc on paper, points: 2.6 at magnitude -1.5 down to 0.35 at 6.5.
    static double StarRadius(double magnitude);

    // Draws the view, clipped to rect, in the given inks.
    void Paint(QPainter& painter, const QRectF& rect, const ChartInks& inks) const;

private:
    void PaintSegments(QPainter& p, const QRectF& rect, const Matrix3& toHorizontal,
                       const std::vector<Vector3>& segments) const;
    bool Clip(Vector3& a, Vector3& b) const;
    // Adds the part of a polygon (eye vectors) in front of the camera, placed in rect.
    void AddPolygon(QPainterPath& path, const std::vector<Vector3>& eye, const QRectF& rect) const;
    QPointF Device(const Vector3& eye, const QRectF& rect) const;
    void PaintLabel(QPainter& p, const QRectF& rect, const Vector3& horizontal, const QString& text) const;

    const ShownSky& sky_;
    const CatalogSet& catalogs_;
    SkyChartView view_;
    Matrix3 horizontalToEye_;
    Matrix3 catalogueToHorizontal_;
};

// The printed chart page: a title, the chart in the view's proportions, a legend (site,
// instant, direction, field of view, magnitude scale) and the footer.
class SkyChartPrintJob : public PrintJob {
public:
    SkyChartPrintJob(const ShownSky& sky, const CatalogSet& catalogs, const SkyChartView& view,
                     const DisplayColors& screenColours);

    // Screen colours (a black sky) instead of the print inks.
    void SetScreenColours(bool screen) { screenColours_ = screen; }
    bool ScreenColours() const { return screenColours_; }

    QString SuggestedFileName() const override;
    void Paint(QPainter& painter, const QRectF& rect) const override;
    // The chart's rectangle inside the page rectangle rect.
    QRectF ChartRect(const QRectF& rect) const;
    const SkyChart& Chart() const { return chart_; }

private:
    const ShownSky& sky_;
    SkyChartView view_;
    DisplayColors colours_;
    SkyChart chart_;
    bool screenColours_ = false;
};

// Azimuth as "남 (180.0°)" style text: the nearest of eight compass points and the degrees.
QString AzimuthText(double azimuth);
