#include "app/cmooninfodlg.h"
#include "image/nightvision.h"
#include "astro/math/angles.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

#include "astro/sky/dayevents.h"
#include "format/skytext.h"
#include "app/infolayout.h"

namespace {

constexpr double kKilometresPerEarthRadius = 6378.14;  // equatorial radius of the models
constexpr double kMoonRadiusKm = 1737.4;               // IAU mean radius
constexpr double kPrincipalPhaseHalfWidthDegrees = 12.0;
constexpr int kPictureTop = 12;
constexpr int kPictureRadius = 36;

}  // namespace

double CMoonInfoDlg::LongitudeElongation(const ShownSky& sky)
{
    return ReduceRadians(sky[Body::Moon].ecliptic.lon - sky[Body::Sun].ecliptic.lon);
}

QString CMoonInfoDlg::PhaseName(double elongationRad)
{
    const double d = ReduceRadians(elongationRad) * kRadToDeg;
    const double w = kPrincipalPhaseHalfWidthDegrees;
    if (d < w || d >= 360.0 - w)
        return QStringLiteral("삭");
    if (d < 90.0 - w)
        return QStringLiteral("초승달");
    if (d < 90.0 + w)
        return QStringLiteral("상현달");
    if (d < 180.0 - w)
        return QStringLiteral("상현망간의 달");
    if (d < 180.0 + w)
        return QStringLiteral("보름달");
    if (d < 270.0 - w)
        return QStringLiteral("하현망간의 달");
    if (d < 270.0 + w)
        return QStringLiteral("하현달");
    return QStringLiteral("그믐달");
}

CMoonInfoDlg::Texts CMoonInfoDlg::Describe(const ShownSky& sky)
{
    Texts t;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f일", sky.moonAgeDays);
    t.age = QString::fromUtf8(text);

    const BodyState& moon = sky[Body::Moon];
    const RiseSetResult events = ComputeDayEvents(sky.local.date, sky.site, sky.model).moon;
    const double km = DescribeBodyPosition(moon, kMoonRadiusKm, events, t);
    const double radii = km / kKilometresPerEarthRadius;
    std::snprintf(text, sizeof text, " km (지구 반지름의 %.2f배)", radii);
    t.distance = QString::fromStdString(FormatGrouped(km)) + QString::fromUtf8(text);
    t.parallax = QString::fromStdString(FormatArcMinutes(std::asin(1.0 / radii)));

    std::snprintf(text, sizeof text, "%.1f%% ", moon.illuminated * 100.0);
    t.phase = QString::fromLatin1(text) + QStringLiteral("(") + PhaseName(LongitudeElongation(sky)) +
              QStringLiteral(")");
    return t;
}

CMoonInfoDlg::CMoonInfoDlg(const ShownSky& sky, QWidget* parent)
    : QDialog(parent), texts(Describe(sky)), illuminated(sky[Body::Moon].illuminated),
      elongation(LongitudeElongation(sky))
{
    BuildBodyInfoLayout(this, "달 정보", texts, {{"나이 :", "age", &texts.age}},
                        {
                            {"시차 :", "parallax", &texts.parallax},
                            {"위상 :", "phase", &texts.phase},
                        },
                        kPictureTop + 2 * kPictureRadius + 8);  // room for the phase picture
}

void CMoonInfoDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The Moon as seen from the northern hemisphere: lit on the right while waxing.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre(width() / 2.0, kPictureTop + kPictureRadius);
    const double r = kPictureRadius;
    painter.setPen(Qt::NoPen);
    const auto colour = [](const QColor& c) { return NightVision::On() ? NightVision::Map(c) : c; };
    painter.setBrush(colour(QColor(40, 40, 48)));
    painter.drawEllipse(centre, r, r);

    const bool waxing = elongation < kPi;
    // Terminator: an ellipse of half-width |1 - 2k| r; the lit limb is a half disc.
    const double terminator = (1.0 - 2.0 * illuminated) * r;
    QPainterPath lit;
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    lit.moveTo(centre.x(), centre.y() - r);
    lit.arcTo(disc, 90.0, waxing ? -180.0 : 180.0);
    const QRectF inner(centre.x() - std::fabs(terminator), centre.y() - r, 2 * std::fabs(terminator), 2 * r);
    // Back along the terminator from the bottom to the top; it bulges toward the lit limb
    // while the Moon is a crescent and away from it past the quarter.
    const bool bulgeTowardLimb = illuminated < 0.5;
    const double sweep = (waxing == bulgeTowardLimb) ? 180.0 : -180.0;
    lit.arcTo(inner, 270.0, sweep);
    lit.closeSubpath();
    painter.setBrush(colour(QColor(235, 235, 220)));
    painter.drawPath(lit);
}
