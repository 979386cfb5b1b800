#include "app/csuninfodlg.h"

#include <cmath>
#include <cstdio>

#include "astro/sky/dayevents.h"
#include "format/skytext.h"
#include "astro/math/sphericalcoord.h"
#include "app/infolayout.h"

namespace {

constexpr double kSunRadiusKm = 695700.0;         // IAU 2015 nominal solar radius

}  // namespace

CSunInfoDlg::Texts CSunInfoDlg::Describe(const ShownSky& sky)
{
    Texts t;
    const BodyState& sun = sky[Body::Sun];
    const SunEventSet events = ComputeDayEvents(sky.local.date, sky.site, sky.model).sun;
    const double distanceKm = DescribeBodyPosition(sun, kSunRadiusKm, events.riseSet, t);
    char au[32];
    std::snprintf(au, sizeof au, "%.5f AU", sun.distanceAU);
    t.distance = QString::fromLatin1(au) + QStringLiteral(" (") + QString::fromStdString(FormatGrouped(distanceKm)) + QStringLiteral(" km)");
    return t;
}

CSunInfoDlg::CSunInfoDlg(const ShownSky& sky, QWidget* parent)
    : QDialog(parent), texts(Describe(sky))
{
    BuildBodyInfoLayout(this, "태양 정보", texts, {}, {});
}
