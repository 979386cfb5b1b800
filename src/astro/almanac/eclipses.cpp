#include "astro/almanac/phenomena.h"

#include "astro/almanac/rootsearch.h"
#include "astro/almanac/skystate.h"
#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"

#include <algorithm>
#include <cmath>

// Eclipses from the geometry of the Sun, the Moon and the Earth on the precise model.
// Sizes: the Sun 696 000 km (959.63" at 1 AU), the Moon's mean radius 1737.4 km, the
// Earth's equatorial radius 6378.137 km and flattening 1/298.257 (WGS84). The Earth's
// shadow on the Moon is enlarged by 1/50 for the atmosphere (Chauvenet's rule, as in the
// published canons of lunar eclipses).

namespace {

constexpr double kKmPerAU = 149597870.7;
constexpr double kSunRadiusKm = 696000.0;
constexpr double kMoonRadiusKm = 1737.4;
constexpr double kEarthRadiusKm = 6378.137;
constexpr double kEarthAxisRatio = 0.9966471893;  // polar / equatorial radius (WGS84)
constexpr double kShadowEnlargement = 1.02;

// Geocentric places of the Sun and the Moon, km, true equator and equinox of date.
struct SunMoon {
    Vector3 sun;
    Vector3 moon;
    double gast = 0.0;  // radians
};

// frame: an ephemeris within a day whose precession-nutation is reused (the geometry is
// that of the Sun and the Moon relative to each other and to the Earth's axis).
SunMoon SunMoonAt(double jdUT, const PreciseEphemeris& frame)
{
    const PreciseEphemeris eph(Instant::FromUT(jdUT), frame);
    return {eph.Place(Body::Sun).apparent * kKmPerAU, eph.Place(Body::Moon).apparent * kKmPerAU,
            eph.ApparentSiderealTime()};
}

// The Earth made a sphere of its equatorial radius by stretching z.
Vector3 Stretch(const Vector3& v) { return {v.x, v.y, v.z / kEarthAxisRatio}; }
Vector3 Squash(const Vector3& v) { return {v.x, v.y, v.z * kEarthAxisRatio}; }

double Angle(const Vector3& a, const Vector3& b)
{
    return std::atan2(a.Cross(b).Length(), a.Dot(b));
}

// The shadow axis of the Moon in the stretched frame: its least distance from the Earth's
// centre (km), that closest point, and the distance along the axis from the Moon to it.
struct ShadowAxis {
    double distance = 0.0;
    Vector3 closest;
    Vector3 direction;    // unit, from the Sun towards the Moon
    double alongKm = 0.0; // from the Moon's centre to the closest point
    double sunMoonKm = 0.0;
};

ShadowAxis AxisAt(const SunMoon& sm)
{
    const Vector3 sun = Stretch(sm.sun);
    const Vector3 moon = Stretch(sm.moon);
    const Vector3 d = moon - sun;
    ShadowAxis a;
    a.sunMoonKm = d.Length();
    a.direction = d * (1.0 / a.sunMoonKm);
    a.alongKm = -moon.Dot(a.direction);
    a.closest = moon + a.direction * a.alongKm;
    a.distance = a.closest.Length();
    return a;
}

// Umbra (positive) or antumbra (negative) and penumbra radii at a distance x km behind the
// Moon along the axis.
double UmbraRadius(const ShadowAxis& a, double x)
{
    return kMoonRadiusKm - x * (kSunRadiusKm - kMoonRadiusKm) / a.sunMoonKm;
}
double PenumbraRadius(const ShadowAxis& a, double x)
{
    return kMoonRadiusKm + x * (kSunRadiusKm + kMoonRadiusKm) / a.sunMoonKm;
}

// Fraction of the Sun's disc (radius s) covered by the Moon's (radius m) at centre
// distance c; angles in any one unit.
double Obscuration(double s, double m, double c)
{
    if (c >= s + m)
        return 0.0;
    if (c <= std::fabs(m - s))
        return m >= s ? 1.0 : (m * m) / (s * s);
    const double a1 = s * s * std::acos((c * c + s * s - m * m) / (2.0 * c * s));
    const double a2 = m * m * std::acos((c * c + m * m - s * s) / (2.0 * c * m));
    const double k = 0.5 * std::sqrt((-c + s + m) * (c + s - m) * (c - s + m) * (c + s + m));
    return (a1 + a2 - k) / (kPi * s * s);
}

// A site's place (km) and its upward unit normal, true equator and equinox of date.
struct SiteAt {
    Vector3 position;
    Vector3 up;
};

SiteAt SiteOf(const PhenomenaSite& site, double gast)
{
    const Vector3 p =
        SitePositionTrueOfDate(site.longitude, site.latitude, site.heightMetres, gast) * kKmPerAU;
    const double theta = gast + site.longitude;
    const Vector3 up(std::cos(site.latitude) * std::cos(theta),
                     std::cos(site.latitude) * std::sin(theta), std::sin(site.latitude));
    return {p, up};
}

double AltitudeOf(const Vector3& direction, const Vector3& up)
{
    return std::asin(std::clamp(direction.Dot(up) / direction.Length(), -1.0, 1.0));
}

// The roots of f inside [a, b] sampled every step days, refined.
std::vector<double> Contacts(const TimeFunction& f, double a, double b, double step)
{
    return FindRoots(f, a, b, step, 1e9);
}

// Local circumstances of a solar eclipse near greatest eclipse tg.
LocalEclipse LocalSolar(double tg, const PhenomenaSite& site, const PreciseEphemeris& frame)
{
    struct Topo {
        double sunRadius, moonRadius, separation, sunAltitude;
    };
    const auto topo = [&site, &frame](double t) {
        const SunMoon sm = SunMoonAt(t, frame);
        const SiteAt o = SiteOf(site, sm.gast);
        const Vector3 s = sm.sun - o.position;
        const Vector3 m = sm.moon - o.position;
        return Topo{std::asin(kSunRadiusKm / s.Length()), std::asin(kMoonRadiusKm / m.Length()),
                    Angle(s, m), AltitudeOf(s, o.up)};
    };
    LocalEclipse local;
    const TimeFunction outer = [&](double t) {
        const Topo x = topo(t);
        return x.separation - (x.sunRadius + x.moonRadius);
    };
    const double a = tg - 0.2;
    const double b = tg + 0.2;
    const std::vector<double> contacts = Contacts(outer, a, b, 10.0 / 1440.0);
    if (contacts.size() < 2)
        return local;
    local.begin = contacts.front();
    local.end = contacts.back();
    local.maximum = MinimizeGolden([&](double t) { return topo(t).separation; }, local.begin,
                                   local.end);
    const Topo mx = topo(local.maximum);
    local.magnitude = (mx.sunRadius + mx.moonRadius - mx.separation) / (2.0 * mx.sunRadius);
    local.obscuration = Obscuration(mx.sunRadius, mx.moonRadius, mx.separation);
    local.altitudeAtMaximumDeg = mx.sunAltitude * kRadToDeg;
    const TimeFunction inner = [&](double t) {
        const Topo x = topo(t);
        return x.separation - std::fabs(x.sunRadius - x.moonRadius);
    };
    if (inner(local.maximum) < 0.0) {
        const std::vector<double> c2 = Contacts(inner, local.begin, local.end, 1.0 / 1440.0);
        if (c2.size() >= 2) {
            local.totalBegin = c2.front();
            local.totalEnd = c2.back();
        }
    }
    // Visible where the Sun is up at some moment between the contacts.
    for (double t = local.begin; t <= local.end && !local.visible; t += 5.0 / 1440.0)
        local.visible = topo(t).sunAltitude > 0.0;
    local.visible = local.visible || topo(local.end).sunAltitude > 0.0 || mx.sunAltitude > 0.0;
    return local;
}

// Geocentric geometry of the Moon and the Earth's shadow, radians.
struct LunarGeometry {
    double separation;  // the Moon's centre from the shadow's axis
    double moonRadius;
    double umbraRadius;
    double penumbraRadius;
};

LunarGeometry LunarAt(double t, const PreciseEphemeris& frame)
{
    const SunMoon sm = SunMoonAt(t, frame);
    const double moonDistance = sm.moon.Length();
    const double sunDistance = sm.sun.Length();
    const double moonParallax = std::asin(kEarthRadiusKm / moonDistance);
    const double sunParallax = std::asin(kEarthRadiusKm / sunDistance);
    const double sunRadius = std::asin(kSunRadiusKm / sunDistance);
    return {Angle(sm.moon, sm.sun * -1.0), std::asin(kMoonRadiusKm / moonDistance),
            kShadowEnlargement * (moonParallax + sunParallax - sunRadius),
            kShadowEnlargement * (moonParallax + sunParallax + sunRadius)};
}

bool SolarEclipseAt(double newMoon, const PhenomenaSite& site, Phenomenon& out)
{
    const PreciseEphemeris frame(Instant::FromUT(newMoon));
    const double tg = MinimizeGolden(
        [&frame](double t) { return AxisAt(SunMoonAt(t, frame)).distance; }, newMoon - 0.3,
        newMoon + 0.3);
    const SunMoon sm = SunMoonAt(tg, frame);
    const ShadowAxis axis = AxisAt(sm);
    if (axis.distance > kEarthRadiusKm + PenumbraRadius(axis, axis.alongKm))
        return false;
    EclipseInfo e;
    e.gamma = axis.distance / kEarthRadiusKm;
    Vector3 surface;  // the point of greatest eclipse, stretched frame
    double umbra = 0.0;
    if (axis.distance < kEarthRadiusKm) {
        const double back = std::sqrt(kEarthRadiusKm * kEarthRadiusKm -
                                      axis.distance * axis.distance);
        surface = axis.closest - axis.direction * back;
        umbra = UmbraRadius(axis, axis.alongKm - back);
        // Towards the ends of the central line the surface lies farther from the Moon, up
        // to the closest point itself: a change of sign there makes the eclipse hybrid.
        const double umbraAtEnds = UmbraRadius(axis, axis.alongKm);
        e.type = umbra > 0.0 ? (umbraAtEnds < 0.0 ? EclipseType::Hybrid : EclipseType::Total)
                             : EclipseType::Annular;
    } else {
        surface = axis.closest * (kEarthRadiusKm / axis.distance);
        umbra = UmbraRadius(axis, axis.alongKm);
        e.type = axis.distance < kEarthRadiusKm + std::fabs(umbra)
                     ? (umbra > 0.0 ? EclipseType::Total : EclipseType::Annular)
                     : EclipseType::Partial;
    }
    const Vector3 o = Squash(surface);
    const Vector3 s = sm.sun - o;
    const Vector3 m = sm.moon - o;
    const double sunRadius = std::asin(kSunRadiusKm / s.Length());
    const double moonRadius = std::asin(kMoonRadiusKm / m.Length());
    if (e.type == EclipseType::Partial)
        e.magnitude = (sunRadius + moonRadius - Angle(s, m)) / (2.0 * sunRadius);
    else
        e.magnitude = moonRadius / sunRadius;
    // Geodetic latitude and longitude of the point of greatest eclipse.
    const double rho = std::hypot(o.x, o.y);
    e.latitudeDeg =
        std::atan2(o.z, rho * kEarthAxisRatio * kEarthAxisRatio) * kRadToDeg;
    e.longitudeDeg = WrapPi(std::atan2(o.y, o.x) - sm.gast) * kRadToDeg;
    e.local = LocalSolar(tg, site, frame);

    static const char* const names[] = {"개기일식", "금환일식", "혼성일식", "부분일식", ""};
    out.kind = PhenomenonKind::SolarEclipse;
    out.when = Instant::FromUT(tg);
    out.nameKo = names[static_cast<int>(e.type)];
    out.bodies = {"sun", "moon"};
    out.eclipse = e;
    return true;
}

bool LunarEclipseAt(double fullMoon, const PhenomenaSite& site, Phenomenon& out)
{
    const PreciseEphemeris frame(Instant::FromUT(fullMoon));
    const double tg = MinimizeGolden([&frame](double t) { return LunarAt(t, frame).separation; },
                                     fullMoon - 0.3, fullMoon + 0.3);
    const LunarGeometry g = LunarAt(tg, frame);
    if (g.separation > g.penumbraRadius + g.moonRadius)
        return false;
    EclipseInfo e;
    e.magnitude = (g.umbraRadius + g.moonRadius - g.separation) / (2.0 * g.moonRadius);
    e.penumbralMagnitude = (g.penumbraRadius + g.moonRadius - g.separation) / (2.0 * g.moonRadius);
    e.gamma = g.separation / std::asin(kEarthRadiusKm / SunMoonAt(tg, frame).moon.Length());
    e.type = e.magnitude >= 1.0 ? EclipseType::Total
             : e.magnitude > 0.0 ? EclipseType::Partial
                                 : EclipseType::Penumbral;
    // Contacts: penumbral, umbral and total phases.
    LocalEclipse& local = e.local;
    local.maximum = tg;
    const auto phase = [&frame](double t, int which) {
        const LunarGeometry x = LunarAt(t, frame);
        switch (which) {
        case 0: return x.separation - (x.penumbraRadius + x.moonRadius);
        case 1: return x.separation - (x.umbraRadius + x.moonRadius);
        default: return x.separation - (x.umbraRadius - x.moonRadius);
        }
    };
    const auto contactsOf = [&](int which, double& begin, double& end) {
        const TimeFunction f = [&phase, which](double t) { return phase(t, which); };
        const double fg = f(tg);
        if (fg >= 0.0)
            return;
        const double fa = f(tg - 0.25);
        const double fb = f(tg + 0.25);
        if (fa > 0.0)
            begin = RefineRoot(f, tg - 0.25, tg, fa, fg);
        if (fb > 0.0)
            end = RefineRoot(f, tg, tg + 0.25, fg, fb);
    };
    contactsOf(0, local.begin, local.end);
    contactsOf(1, local.partialBegin, local.partialEnd);
    contactsOf(2, local.totalBegin, local.totalEnd);
    // The Moon above the horizon at some moment of the penumbral (umbral) phase.
    const auto moonAltitude = [&site, &frame](double t) {
        const SunMoon sm = SunMoonAt(t, frame);
        const SiteAt o = SiteOf(site, sm.gast);
        return AltitudeOf(sm.moon - o.position, o.up);
    };
    local.altitudeAtMaximumDeg = moonAltitude(tg) * kRadToDeg;
    const auto upDuring = [&](double a, double b) {
        if (a == 0.0 || b == 0.0)
            return false;
        for (double t = a; t < b; t += 5.0 / 1440.0)
            if (moonAltitude(t) > 0.0)
                return true;
        return moonAltitude(b) > 0.0;
    };
    local.visible = upDuring(local.begin, local.end);
    local.umbralVisible = upDuring(local.partialBegin, local.partialEnd);

    static const char* const names[] = {"개기월식", "", "", "부분월식", "반영월식"};
    out.kind = PhenomenonKind::LunarEclipse;
    out.when = Instant::FromUT(tg);
    out.nameKo = names[static_cast<int>(e.type)];
    out.bodies = {"moon"};
    out.eclipse = e;
    return true;
}

}  // namespace

std::vector<Phenomenon> FindEclipses(double jdUT0, double jdUT1, const PhenomenaSite& site)
{
    return FindEclipsesAtPhases(FindMoonPhases(jdUT0 - 1.0, jdUT1 + 1.0), jdUT0, jdUT1, site);
}

std::vector<Phenomenon> FindEclipsesAtPhases(const std::vector<Phenomenon>& phases, double jdUT0,
                                             double jdUT1, const PhenomenaSite& site)
{
    std::vector<Phenomenon> out;
    for (const Phenomenon& phase : phases) {
        const double t = phase.when.jdUT;
        // An eclipse needs the Moon within about 1.6 degrees of the ecliptic.
        const PreciseEphemeris eph(phase.when);
        const double beta =
            EclipticOfDate(eph.Place(Body::Moon).apparent, eph.TrueObliquity()).latitude;
        if (std::fabs(beta) > 1.8 * kDegToRad)
            continue;
        Phenomenon p;
        bool found = false;
        if (phase.kind == PhenomenonKind::NewMoon)
            found = SolarEclipseAt(t, site, p);
        else if (phase.kind == PhenomenonKind::FullMoon)
            found = LunarEclipseAt(t, site, p);
        if (found && p.when.jdUT >= jdUT0 && p.when.jdUT < jdUT1)
            out.push_back(std::move(p));
    }
    return out;
}
