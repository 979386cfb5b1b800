#include "planetarium/findbody.h"

#include "astro/sky/shownsky.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/skyscene.h"

#include <QMessageBox>
#include <QString>

#include <cmath>

const char* const kBelowHorizonMessage = "지평선 아래에 있습니다.";

BodyPlace FindBody(const SkyScene& scene, Body body)
{
    BodyPlace place;
    const BodyState& state = scene.sky[body];
    const SphericalCoord& h = state.horizontal;
    if (state.distanceAU <= 0.0 || !std::isfinite(h.lon) || !std::isfinite(h.lat))
        return place;
    place.horizontal = h;
    place.known = true;
    return place;
}

bool FindBodyInView(CPlanetariumView& view, Body body)
{
    const BodyPlace place = FindBody(view.Scene(), body);
    if (!place.known)
        return false;
    if (!place.AboveHorizon()) {
        ShowFindMessage(&view, QString::fromUtf8(kBelowHorizonMessage));
        return false;
    }
    view.SetViewCentre(place.horizontal);
    return true;
}

void ShowFindMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Kosmira"), text, QMessageBox::Ok);
}
