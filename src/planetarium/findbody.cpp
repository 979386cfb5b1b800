#include "planetarium/findbody.h"

#include "astro/frames.h"
#include "astro/moon.h"
#include "astro/observer.h"
#include "astro/sun.h"
#include "planetarium/cplanetariumview.h"
#include "planetarium/skyscene.h"

#include <QMessageBox>
#include <QString>

#include <cmath>

const char* const kBelowHorizonMessage = "지평선 아래에 있습니다.";

namespace {

bool GeocentricVector(const SkyScene& scene, int body, Vector3* v)
{
    if (body == kFindSun) {
        *v = scene.sun.Geocentric();
    } else if (body == kFindMoon) {
        *v = scene.moon.Geocentric();
    } else if (body >= 0 && body < kPlanetCount && body != kEarth && scene.planets) {
        *v = scene.planets[body].GeocentricVector();
    } else {
        return false;
    }
    // A body that was never computed has no direction.
    const double length = std::sqrt(v->x * v->x + v->y * v->y + v->z * v->z);
    return length > 0.0 && std::isfinite(length);
}

}  // namespace

BodyPlace FindBody(const SkyScene& scene, int body)
{
    BodyPlace place;
    Vector3 v;
    if (!GeocentricVector(scene, body, &v))
        return place;
    const SphericalCoord ecliptic = SphericalCoord::FromVector(v);
    const SphericalCoord equatorial = EclipticToEquatorial(ecliptic, scene.ut);
    place.horizontal =
        EquatorialToHorizontal(equatorial, scene.lst, double(scene.observer.latitude));
    place.known = true;
    return place;
}

bool FindBodyInView(CPlanetariumView& view, int body)
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
