#include "app/csuninfodlg.h"

#include <cmath>
#include <cstdio>

#include "astro/sky/dayevents.h"
#include "format/skytext.h"
#include "astro/math/sphericalcoord.h"
#include "app/infolayout.h"

namespace {

constexpr double kKilometresPerAU = 149597870.7;  // IAU 2012
constexpr double kSunRadiusKm = 695700.0;         // IAU 2015 nominal solar radius

}  // namespace

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
    t.rightAscension = QString::fromStdString(FormatRightAscension(sun.equatorial.lon));
    t.declination = QString::fromStdString(FormatDeclination(sun.equatorial.lat));

    const double distanceAU = sun.distanceAU;
    const double distanceKm = distanceAU * kKilometresPerAU;
    char au[32];
    std::snprintf(au, sizeof au, "%.5f AU", distanceAU);
    t.distance = QString::fromLatin1(au) + QStringLiteral(" (") + QString::fromStdString(FormatGrouped(distanceKm)) + QStringLiteral(" km)");
    t.diameter = QString::fromStdString(FormatArcMinutes(2.0 * std::asin(kSunRadiusKm / distanceKm)));

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
