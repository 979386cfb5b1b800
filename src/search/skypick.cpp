#include "search/skypick.h"

#include "astro/sky/dayevents.h"
#include "astro/sky/fixedevents.h"
#include "astro/sky/shownsky.h"
#include "catalog/constellationlookup.h"

#include <cmath>
#include <limits>

namespace {

// Combined projection * model-view, column-major.
void Combined(const PickFrame& f, double m[16])
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k)
                s += f.projection[k * 4 + r] * f.modelView[c * 4 + k];
            m[c * 4 + r] = s;
        }
}

bool Project(const double m[16], const int viewport[4], const Vector3& v, double& x, double& y)
{
    const double cx = m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12];
    const double cy = m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13];
    const double cz = m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14];
    const double w = m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15];
    if (!(w > 0.0) || cz < -w || cz > w)
        return false;
    const double nx = cx / w;
    const double ny = cy / w;
    x = viewport[0] + (nx + 1.0) * 0.5 * viewport[2];
    // Window rows count from the bottom; pixel rows from the top.
    y = double(viewport[3]) - 1.0 - (viewport[1] + (ny + 1.0) * 0.5 * viewport[3]);
    return true;
}

const char* TypeKey(NgcType type)
{
    switch (type) {
    case NgcType::Galaxy: return "galaxy";
    case NgcType::OpenCluster: return "open_cluster";
    case NgcType::GlobularCluster: return "globular_cluster";
    case NgcType::PlanetaryNebula: return "planetary_nebula";
    default: return "nebula";
    }
}

}  // namespace

const char* DeepSkyTypeKorean(NgcType type)
{
    switch (type) {
    case NgcType::Galaxy: return "은하";
    case NgcType::OpenCluster: return "산개 성단";
    case NgcType::GlobularCluster: return "구상 성단";
    case NgcType::PlanetaryNebula: return "행성상 성운";
    default: return "성운";
    }
}

bool ProjectToPixel(const PickFrame& frame, const Vector3& unit, double& x, double& y)
{
    double m[16];
    Combined(frame, m);
    return Project(m, frame.viewport, unit, x, y);
}

SphericalCoord HorizontalPlace(const SkyIndex& index, std::size_t object, const ShownSky& sky)
{
    const SkyObject& o = index.Object(object);
    if (o.kind == SkyObjectKind::Body)
        return sky[o.body].horizontal;
    return SphericalCoord::FromVector(
        (sky.EquatorialToHorizontal() * sky.j2000ToDate).Apply(o.unit));
}

SphericalCoord BodyJ2000(const ShownSky& sky, Body body)
{
    return SphericalCoord::FromVector(
        sky.j2000ToDate.Transposed().Apply(sky[body].topocentric.ToVector()));
}

int PickObject(const SkyIndex& index, const ShownSky& sky, const PickFrame& frame, double px,
               double py, double radius)
{
    double m[16];
    Combined(frame, m);
    const double r2 = radius * radius;
    auto distance2 = [&](const Vector3& v, double& d2) {
        double x = 0.0, y = 0.0;
        if (!Project(m, frame.viewport, v, x, y))
            return false;
        d2 = (x - px) * (x - px) + (y - py) * (y - py);
        return d2 <= r2;
    };
    double d2 = 0.0;
    if (frame.bodies) {
        int best = -1;
        double bestD2 = r2;
        for (Body b : kAllBodies)
            if (index.BodyObject(b) >= 0 && distance2(BodyJ2000(sky, b).ToVector(), d2) &&
                d2 <= bestD2) {
                best = index.BodyObject(b);
                bestD2 = d2;
            }
        if (best >= 0)
            return best;
    }
    int named = -1;
    double namedD2 = r2;
    int bright = -1;
    double brightMag = std::numeric_limits<double>::infinity();
    // The deep stars (after the others in StarObjects) only when some are drawn, and then
    // only those inside a cone a little wider than the view (a dot product before the
    // projection).
    const bool deepDrawn = frame.stars && frame.deepStarLimit >= index.DeepStarsBrightest();
    Vector3 forward;
    double cosCone = -2.0;
    if (frame.projection[0] > 0.0 && frame.projection[5] > 0.0 && frame.projection[11] < 0.0) {
        const double* mv = frame.modelView;  // the eye looks along -z: J2000 row 2, negated
        forward = Vector3{-mv[2], -mv[6], -mv[10]};
        const double length = std::sqrt(forward.Dot(forward));
        forward = length > 0.0 ? Vector3{forward.x / length, forward.y / length, forward.z / length}
                               : Vector3{};
        const double tx = 1.1 / frame.projection[0], ty = 1.1 / frame.projection[5];
        cosCone = length > 0.0 ? 1.0 / std::sqrt(1.0 + tx * tx + ty * ty) : -2.0;
    }
    if (frame.stars || frame.starNames) {
        for (std::uint32_t i : index.StarObjects()) {
            const SkyObject& o = index.Object(i);
            if (index.IsDeepStar(i)) {
                if (!deepDrawn)
                    break;
                if (!(o.magnitude <= frame.deepStarLimit) || o.unit.Dot(forward) < cosCone)
                    continue;
            }
            // A star known only by a catalogue number is no named star.
            const bool hasName = !o.names.empty() && o.names.front().rfind("HIP ", 0) != 0;
            if (!frame.stars && !hasName)
                continue;
            if (!distance2(o.unit, d2))
                continue;
            if (hasName && d2 <= namedD2) {
                named = static_cast<int>(i);
                namedD2 = d2;
            }
            const double mag = std::isnan(o.magnitude) ? 99.0 : o.magnitude;
            if (frame.stars && mag < brightMag) {
                bright = static_cast<int>(i);
                brightMag = mag;
            }
        }
    }
    if (named >= 0)
        return named;
    if (bright >= 0)
        return bright;
    int deep = -1;
    double deepD2 = r2;
    for (std::uint32_t i : index.DeepSkyObjects()) {
        const SkyObject& o = index.Object(i);
        const bool shown = o.kind == SkyObjectKind::Messier ? frame.messier : frame.ngc;
        if (shown && distance2(o.unit, d2) && d2 <= deepD2) {
            deep = static_cast<int>(i);
            deepD2 = d2;
        }
    }
    return deep;
}

void DescribeKind(const SkyObject& o, ObjectReport& r)
{
    switch (o.kind) {
    case SkyObjectKind::Body:
        r.kindKey = o.body == Body::Sun ? "sun" : o.body == Body::Moon ? "moon" : "planet";
        r.kindText = o.body == Body::Sun    ? "항성"
                     : o.body == Body::Moon ? "위성"
                     : o.body == Body::Pluto ? "왜소행성"
                                             : "행성";
        break;
    case SkyObjectKind::Constellation:
        r.kindKey = "constellation";
        r.kindText = "별자리";
        break;
    case SkyObjectKind::Star:
        r.kindKey = "star";
        r.kindText = "별";
        break;
    case SkyObjectKind::Messier:
        r.kindKey = "messier";
        r.typeKey = TypeKey(o.deepSkyType);
        r.kindText = std::string("메시에 천체 (") + DeepSkyTypeKorean(o.deepSkyType) + ")";
        break;
    case SkyObjectKind::Ngc:
        r.kindKey = "ngc";
        r.typeKey = TypeKey(o.deepSkyType);
        r.kindText = std::string("NGC 천체 (") + DeepSkyTypeKorean(o.deepSkyType) + ")";
        break;
    }
}

std::string ConstellationOf(const std::vector<ConstellationZone>& zones,
                            const SphericalCoord& j2000)
{
    const char* name = zones.empty() ? nullptr : FindConstellationAt(zones, j2000);
    return name ? name : "";
}

ObjectReport DescribeObject(const SkyIndex& index, std::size_t object, const ShownSky& sky,
                            const std::vector<ConstellationZone>& zones)
{
    const SkyObject& o = index.Object(object);
    ObjectReport r;
    r.names = o.names;
    r.magnitude = o.magnitude;
    DescribeKind(o, r);
    const SkyDate date = sky.local.date;
    if (o.kind == SkyObjectKind::Body) {
        const BodyState& b = sky[o.body];
        r.magnitude = b.magnitude;
        r.ofDate = b.equatorial;
        r.j2000 = SphericalCoord::FromVector(
            sky.j2000ToDate.Transposed().Apply(b.equatorial.ToVector()));
        r.horizontal = b.horizontal;
        r.riseSet = BodyRiseSet(date, sky.site, o.body, sky.model, sky.heightMetres);
        r.hasTransit = BodyTransit(date, sky.site, o.body, sky.model, r.transit);
    } else {
        r.j2000 = o.position;
        r.ofDate = SphericalCoord::FromVector(sky.j2000ToDate.Apply(o.unit));
        r.horizontal = HorizontalPlace(index, object, sky);
        const FixedObjectDay day = FixedObjectEvents(date, sky.site, r.ofDate);
        r.riseSet = day.riseSet;
        r.hasTransit = day.transitAltitude > kStarRiseAltitude;
        r.transit = day.transit;
    }
    if (o.kind == SkyObjectKind::Constellation)
        r.constellation = o.names.empty() ? std::string() : o.names.front();
    else
        r.constellation = ConstellationOf(zones, r.j2000);
    return r;
}
