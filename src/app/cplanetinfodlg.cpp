#include "app/cplanetinfodlg.h"

#include "astro/math/angles.h"
#include "astro/sky/dayevents.h"
#include "catalog/catalogset.h"
#include "catalog/constellationlookup.h"
#include "format/skytext.h"
#include "image/displaytext.h"
#include "app/infolayout.h"

#include <QFont>

#include <cmath>
#include <cstdio>

namespace {

constexpr double kKilometresPerAU = 149597870.7;   // IAU 2012
constexpr double kLightSecondsPerAU = 499.00478384;  // IAU 2012: 1 AU / c

QString Printf(const char* format, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromUtf8(text);
}

QString Distance(double au)
{
    return Printf("%.6f AU", au) + QStringLiteral(" (") +
           QString::fromStdString(FormatGrouped(au * kKilometresPerAU)) + QStringLiteral(" km)");
}

QString Degrees(double radians)
{
    return Printf("%.2f°", radians * kRadToDeg);
}

}  // namespace

QString CPlanetInfoDlg::BodyName(Body body)
{
    return QString::fromStdString(BodyNameKorean(body));
}

QString CPlanetInfoDlg::EventText(const RiseSetResult& r, bool rise)
{
    if (rise ? RiseOnDay(r) : SetOnDay(r))
        return QString::fromStdString(FormatHours(rise ? r.begin : r.end));
    if (r.status == RiseSetStatus::Normal)
        return QStringLiteral("없음");
    return r.aboveAllDay ? QStringLiteral("안짐") : QStringLiteral("안뜸");
}

std::vector<CPlanetInfoDlg::Row> CPlanetInfoDlg::DescribePlanet(const ShownSky& sky, Body body,
                                                                const CatalogSet& catalogs)
{
    const BodyState& s = sky[body];
    std::vector<Row> rows;
    const auto add = [&rows](const char* caption, const char* name, const QString& text) {
        rows.push_back({caption, name, text});
    };
    add("적경 :", "rightAscension", QString::fromStdString(FormatRightAscension(s.equatorial.lon)));
    add("적위 :", "declination", QString::fromStdString(FormatDeclination(s.equatorial.lat)));
    add("방위각 :", "azimuth", Degrees(s.horizontal.lon));
    add("고도 :", "altitude", Degrees(s.horizontal.lat));
    add("지구에서 거리 :", "earthDistance", Distance(s.distanceAU));
    add("태양에서 거리 :", "sunDistance", Distance(s.sunDistanceAU));
    const double lightSeconds = s.distanceAU * kLightSecondsPerAU;
    const long long whole = std::llround(lightSeconds);
    add("빛의 시간 :", "lightTime",
        QStringLiteral("%1시간 %2분 %3초").arg(whole / 3600).arg(whole / 60 % 60).arg(whole % 60));
    add("밝기 :", "magnitude", Printf("%.1f등급", s.magnitude));
    // East of the Sun (an evening object) when its longitude is ahead of the Sun's.
    const bool east = ReduceRadians(s.ecliptic.lon - sky[Body::Sun].ecliptic.lon) < kPi;
    add("이각 :", "elongation",
        Degrees(s.elongation) + (east ? QStringLiteral(" (동쪽)") : QStringLiteral(" (서쪽)")));
    add("위상각 :", "phaseAngle", Degrees(s.phaseAngle));
    add("밝은 부분 :", "illuminated", Printf("%.1f%%", s.illuminated * 100.0));
    add("시지름 :", "diameter", Printf("%.2f″", s.diameterArcsec));
    // The zones are J2000: the place of date carried back.
    const Vector3 j2000 = sky.j2000ToDate.Transposed().Apply(s.equatorial.ToVector());
    const char* zone = FindConstellationAt(catalogs.zones, SphericalCoord::FromVector(j2000));
    add("별자리 :", "constellation", zone ? DisplayText(zone) : QStringLiteral("알 수 없음"));
    const RiseSetResult events = BodyRiseSet(sky.local.date, sky.site, body, sky.model);
    double transit = 0.0;
    const bool transits = BodyTransit(sky.local.date, sky.site, body, sky.model, transit);
    add("뜨는 시각 :", "rising", EventText(events, true));
    add("남중 시각 :", "transit",
        transits ? QString::fromStdString(FormatHours(transit)) : QStringLiteral("없음"));
    add("지는 시각 :", "setting", EventText(events, false));
    return rows;
}

std::vector<CPlanetInfoDlg::Row> CPlanetInfoDlg::DescribeEarth(const ShownSky& sky)
{
    std::vector<Row> rows;
    const auto add = [&rows](const char* caption, const char* name, const QString& text) {
        rows.push_back({caption, name, text});
    };
    const BodyState& sun = sky[Body::Sun];
    add("태양에서 거리 :", "sunDistance", Distance(sun.distanceAU));
    add("공전 속도 :", "orbitalSpeed", Printf("%.3f km/s", sky.earthOrbitalSpeedKmPerS));
    // The Earth's heliocentric longitude is the Sun's geocentric one plus 180 degrees.
    const double longitude = ReduceRadians(sun.ecliptic.lon + kPi);
    add("일심 황경 :", "heliocentricLongitude", Degrees(longitude));
    // The nearest equinox or solstice by the Sun's longitude, at its mean daily motion.
    static const char* const seasons[4] = {"춘분", "하지", "추분", "동지"};
    const double quarter = kHalfPi;
    const int nearest = static_cast<int>(std::lround(sun.ecliptic.lon / quarter)) % 4;
    const double offsetDays =
        WrapPi(sun.ecliptic.lon - nearest * quarter) * kRadToDeg / 0.98564736;
    const long long days = std::llround(std::fabs(offsetDays));
    QString when;
    if (days == 0)
        when = QStringLiteral("오늘 무렵");
    else if (offsetDays < 0)
        when = QStringLiteral("약 %1일 후").arg(days);
    else
        when = QStringLiteral("약 %1일 전").arg(days);
    add("가까운 분점·지점 :", "season", QString::fromUtf8(seasons[nearest]) + QStringLiteral(" (") +
                                            when + QStringLiteral(")"));
    return rows;
}

CPlanetInfoDlg::CPlanetInfoDlg(const ShownSky& sky, Body body, bool earth,
                               const CatalogSet& catalogs, QWidget* parent)
    : QDialog(parent), rows_(earth ? DescribeEarth(sky) : DescribePlanet(sky, body, catalogs))
{
    setWindowTitle((earth ? QStringLiteral("지구") : BodyName(body)) + QStringLiteral(" 정보"));
    setFont(QFont(QStringLiteral("굴림"), 9));
    std::vector<InfoField> fields;
    for (const Row& row : rows_)
        fields.push_back({row.caption, row.objectName, &row.text});
    BuildInfoLayout(this, fields);
}

QString CPlanetInfoDlg::Value(const QString& objectName) const
{
    for (const Row& row : rows_)
        if (QLatin1String(row.objectName) == objectName)
            return row.text;
    return {};
}
