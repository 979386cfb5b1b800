#include "planetarium/csuninfodlg.h"

#include <cmath>
#include <cstdio>

#include "astro/sky/dayevents.h"
#include "astro/time/hours.h"
#include "astro/math/sphericalcoord.h"
#include "planetarium/infolayout.h"

namespace {

constexpr double kKilometresPerAU = 149597870.7;  // IAU 2012
constexpr double kSunRadiusKm = 695700.0;         // IAU 2015 nominal solar radius
constexpr double kRadiansToHours = 3.819718634205488;     // 12 / pi
constexpr double kRadiansToDegrees = 57.29577951308232;
constexpr double kRadiansToArcMinutes = 3437.7467707849396;

}  // namespace

QString CSunInfoDlg::FormatRightAscension(double ra)
{
    double hours = std::fmod(ra * kRadiansToHours, 24.0);
    if (hours < 0)
        hours += 24.0;
    long long seconds = std::llround(hours * 3600.0) % 86400;
    char text[32];
    std::snprintf(text, sizeof text, "%02lldh %02lldm %02llds", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return QString::fromLatin1(text);
}

QString CSunInfoDlg::FormatDeclination(double dec)
{
    const double degrees = dec * kRadiansToDegrees;
    const long long arcSeconds = std::llround(std::fabs(degrees) * 3600.0);
    char text[48];
    std::snprintf(text, sizeof text, "%c%02lld° %02lld′ %02lld″", degrees < 0 && arcSeconds > 0 ? '-' : '+',
                  arcSeconds / 3600, arcSeconds / 60 % 60, arcSeconds % 60);
    return QString::fromUtf8(text);
}

QString CSunInfoDlg::FormatArcMinutes(double angle)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f′", angle * kRadiansToArcMinutes);
    return QString::fromUtf8(text);
}

QString CSunInfoDlg::FormatGrouped(double value)
{
    const long long whole = std::llround(value);
    QString digits = QString::number(whole < 0 ? -whole : whole);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return whole < 0 ? QStringLiteral("-") + digits : digits;
}

QString CSunInfoDlg::FormatEvent(const RiseSetResult& result, bool rise)
{
    switch (result.status) {
    case RiseSetStatus::NeverRises:
        return QStringLiteral("없음 (종일 지평선 아래)");
    case RiseSetStatus::NeverSets:
        return QStringLiteral("없음 (종일 지평선 위)");
    case RiseSetStatus::None:
        return QStringLiteral("없음");
    case RiseSetStatus::Normal:
        break;
    }
    if ((rise ? result.beginStatus : result.endStatus) != EventStatus::Occurs)
        return QStringLiteral("없음 (이 날에는 없음)");
    double hours = rise ? result.begin : result.end;
    QString note;
    if (hours < 0.0) {
        hours += 24.0;
        note = QStringLiteral(" (전날)");
    } else if (hours >= 24.0) {
        hours -= 24.0;
        note = QStringLiteral(" (다음날)");
    }
    return QString::fromStdString(FormatHours(hours)) + note;
}

CSunInfoDlg::Texts CSunInfoDlg::Describe(const ShownSky& sky)
{
    Texts t;
    const BodyState& sun = sky[Body::Sun];
    t.rightAscension = FormatRightAscension(sun.equatorial.lon);
    t.declination = FormatDeclination(sun.equatorial.lat);

    const double distanceAU = sun.distanceAU;
    const double distanceKm = distanceAU * kKilometresPerAU;
    char au[32];
    std::snprintf(au, sizeof au, "%.5f AU", distanceAU);
    t.distance = QString::fromLatin1(au) + QStringLiteral(" (") + FormatGrouped(distanceKm) + QStringLiteral(" km)");
    t.diameter = FormatArcMinutes(2.0 * std::asin(kSunRadiusKm / distanceKm));

    const SunEventSet events = ComputeDayEvents(sky.local.date, sky.site, sky.model).sun;
    t.rising = FormatEvent(events.riseSet, true);
    t.setting = FormatEvent(events.riseSet, false);
    return t;
}

CSunInfoDlg::CSunInfoDlg(const ShownSky& sky, QWidget* parent)
    : QDialog(parent), texts(Describe(sky))
{
    setWindowTitle(QStringLiteral("태양 정보"));
    setFont(QFont(QStringLiteral("굴림"), 9));

    BuildInfoLayout(this, {
                              {"적경 :", "rightAscension", &texts.rightAscension},
                              {"적위 :", "declination", &texts.declination},
                              {"거리 :", "distance", &texts.distance},
                              {"지름 :", "diameter", &texts.diameter},
                              {"뜨는 시각 :", "rising", &texts.rising},
                              {"지는 시각 :", "setting", &texts.setting},
                          });
}
