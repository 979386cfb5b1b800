#include "astro/almanac/phenomena.h"

#include "astro/almanac/rootsearch.h"
#include "astro/almanac/skystate.h"
#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"
#include "astro/time/juliandate.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kKmPerAU = 149597870.7;  // IAU 2012
constexpr double kConjunctionLimit = 5.0 * kDegToRad;  // conjunctions listed within 5 degrees

// A root of the precise f near a bracket found on a cheaper or coarser function: widens
// the bracket a little until the precise f changes sign across it. Returns false when it
// does not (the cheap scan saw a root the precise model does not have).
bool RefineNear(const TimeFunction& f, double a, double b, double& root)
{
    double fa = f(a);
    double fb = f(b);
    for (int widen = 0; widen < 4 && (fa < 0.0) == (fb < 0.0); ++widen) {
        a -= 0.05;
        b += 0.05;
        fa = f(a);
        fb = f(b);
    }
    if ((fa < 0.0) == (fb < 0.0) || std::fabs(fa - fb) > kPi)
        return false;
    root = RefineRoot(f, a, b, fa, fb);
    return true;
}

// The Sun's geometric longitude on the J2000 ecliptic plus the general precession in
// longitude and the constant of aberration: within 20" of the apparent longitude of date,
// good for bracketing the solar terms.
double SunLongitudeForScan(double jdUT)
{
    const Instant i = Instant::FromUT(jdUT);
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(kJ2000, i.jdTT - kJ2000, pvh, pvb);
    const Vector3 sun = IcrsToEclipticJ2000(Vector3(-pvh[0][0], -pvh[0][1], -pvh[0][2]));
    const double precession = 5028.796195 * kArcsecToRad * (i.jdTT - kJ2000) / 36525.0;
    return ReduceRadians(std::atan2(sun.y, sun.x) + precession + kSunAberrationRadians);
}

// The Moon's geocentric radial velocity, km/day (eraMoon98, geometric).
double MoonRadialVelocity(double jdUT)
{
    const Instant i = Instant::FromUT(jdUT);
    double pv[2][3];
    eraMoon98(kJ2000, i.jdTT - kJ2000, pv);
    const Vector3 r(pv[0][0], pv[0][1], pv[0][2]);
    const Vector3 v(pv[1][0], pv[1][1], pv[1][2]);
    return r.Dot(v) / r.Length() * kKmPerAU;
}

double MoonDistanceKm(double jdUT)
{
    const Instant i = Instant::FromUT(jdUT);
    double pv[2][3];
    eraMoon98(kJ2000, i.jdTT - kJ2000, pv);
    return Vector3(pv[0][0], pv[0][1], pv[0][2]).Length() * kKmPerAU;
}

// The Sun's apparent longitude of date minus target, wrapped, on the precession-nutation of
// frame (an instant a few days away at most; the caller refines again near the root).
TimeFunction SunLongitudeFrom(const PreciseEphemeris& frame, double target)
{
    return [&frame, target](double t) {
        const PreciseEphemeris eph(Instant::FromUT(t), frame);
        return WrapPi(EclipticOfDate(eph.Place(Body::Sun).apparent, eph.TrueObliquity()).longitude -
                      target);
    };
}

Phenomenon MakeEvent(PhenomenonKind kind, double jdUT, std::string name,
                     std::vector<std::string> bodies)
{
    Phenomenon p;
    p.kind = kind;
    p.when = Instant::FromUT(jdUT);
    p.nameKo = std::move(name);
    p.bodies = std::move(bodies);
    return p;
}

// First-magnitude stars within reach of the Moon (ecliptic latitude under 7 degrees):
// ICRS places at J2000 from the Hipparcos catalogue, degrees.
struct EclipticStar {
    const char* key;
    const char* nameKo;
    double raDeg;
    double decDeg;
};

constexpr EclipticStar kStars[] = {
    {"aldebaran", "알데바란", 68.98016, 16.50930},
    {"pollux", "폴룩스", 116.32896, 28.02620},
    {"regulus", "레굴루스", 152.09296, 11.96721},
    {"spica", "스피카", 201.29825, -11.16132},
    {"antares", "안타레스", 247.35192, -26.43200},
};

constexpr Body kEventPlanets[] = {Body::Mercury, Body::Venus,  Body::Mars,
                                  Body::Jupiter, Body::Saturn, Body::Uranus,
                                  Body::Neptune};
constexpr Body kConjunctionPlanets[] = {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                        Body::Saturn};

bool IsInner(Body b) { return b == Body::Mercury || b == Body::Venus; }

// The angular separation of two directions, radians.
double Separation(const Vector3& a, const Vector3& b)
{
    return std::atan2(a.Cross(b).Length(), a.Dot(b));
}

// A star's direction in the true equator and equinox of date of eph (unit vector).
Vector3 StarOfDate(const EclipticStar& s, const PreciseEphemeris& eph)
{
    const double ra = s.raDeg * kDegToRad;
    const double dec = s.decDeg * kDegToRad;
    const Vector3 icrs(std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra),
                       std::sin(dec));
    return eph.IcrsToTrueOfDate().Apply(icrs);
}

double RightAscension(const Vector3& v) { return std::atan2(v.y, v.x); }

// The positions of the bodies at one instant in the forms the planet searches compare.
struct Snapshot {
    Vector3 apparent[kBodyCount];
    double longitude[kBodyCount];  // apparent ecliptic longitude of date, radians
    double distance[kBodyCount];   // AU
    Vector3 stars[std::size(kStars)];
};

// Which places a snapshot holds: bit BodyIndex(b) for body b, kStarsBit for the stars.
using PlaceMask = unsigned;
constexpr PlaceMask kStarsBit = 1u << kBodyCount;
constexpr PlaceMask kAllPlaces = ~0u;
constexpr PlaceMask Bit(Body b) { return 1u << BodyIndex(b); }

Snapshot TakeSnapshot(const PreciseEphemeris& eph, PlaceMask mask = kAllPlaces)
{
    Snapshot s{};
    for (Body b : kAllBodies) {
        const int i = BodyIndex(b);
        if (b == Body::Pluto || !(mask & Bit(b)))
            continue;
        const GeocentricPlace p = eph.Place(b);
        s.apparent[i] = p.apparent;
        s.longitude[i] = EclipticOfDate(p.apparent, eph.TrueObliquity()).longitude;
        s.distance[i] = p.distanceAU;
    }
    if (mask & kStarsBit)
        for (std::size_t k = 0; k < std::size(kStars); ++k)
            s.stars[k] = StarOfDate(kStars[k], eph);
    return s;
}

// The daily grid of a search: a precise ephemeris and the bodies' places each day.
struct Grid {
    double t0 = 0.0;
    std::vector<PreciseEphemeris> frames;
    std::vector<Snapshot> days;

    // The places at t (within a day of the grid day i), on the precession-nutation of day i.
    // The searches compare bodies with each other (a shared frame cancels) or, for the
    // stations, correct for the precession over the step.
    Snapshot At(double t, std::size_t i, PlaceMask mask = kAllPlaces) const
    {
        return TakeSnapshot(PreciseEphemeris(Instant::FromUT(t), frames[i]), mask);
    }
};

// Sign changes of a quantity sampled on the daily grid, refined on the precise model.
// mask: the places value needs; worth(i, fraction): whether a root at that fraction of
// day i deserves refining (a cheap test on the grid), or null for every root.
void AddRoots(const Grid& grid, PlaceMask mask,
              const std::function<double(const Snapshot&)>& value,
              const std::function<void(const Snapshot&, double root)>& add,
              const std::function<bool(std::size_t, double)>& worth = nullptr)
{
    for (std::size_t i = 0; i + 1 < grid.days.size(); ++i) {
        const double fa = value(grid.days[i]);
        const double fb = value(grid.days[i + 1]);
        if (std::fabs(fb - fa) > kPi || (fa < 0.0) == (fb < 0.0))
            continue;
        if (worth && !worth(i, fa / (fa - fb)))
            continue;
        const double a = grid.t0 + static_cast<double>(i);
        const TimeFunction f = [&](double t) { return value(grid.At(t, i, mask)); };
        const double root = RefineRoot(f, a, a + 1.0, fa, fb, 1e-6);
        add(grid.At(root, i), root);
    }
}

// Extrema of a quantity: where its change over a day turns sign. The root of the centred
// difference over +-h days (plus bias, the drift of the frame over 2h) is refined on the
// precise model.
void AddExtrema(const Grid& grid, PlaceMask mask,
                const std::function<double(const Snapshot&)>& value,
                bool wrapped, double bias, const std::function<void(double root, bool maximum)>& add)
{
    const double h = 0.02;
    const auto diff = [wrapped](double a, double b) { return wrapped ? WrapPi(b - a) : b - a; };
    for (std::size_t i = 1; i + 1 < grid.days.size(); ++i) {
        const double d0 = diff(value(grid.days[i - 1]), value(grid.days[i]));
        const double d1 = diff(value(grid.days[i]), value(grid.days[i + 1]));
        if ((d0 < 0.0) == (d1 < 0.0))
            continue;
        const TimeFunction g = [&](double t) {
            return diff(value(grid.At(t - h, i, mask)), value(grid.At(t + h, i, mask))) + bias;
        };
        const double a = grid.t0 + static_cast<double>(i) - 1.0;
        double root = 0.0;
        if (RefineNear(g, a + 0.5, a + 1.5, root))
            add(root, d0 > 0.0);
    }
}

}  // namespace

EclipticPlace EclipticOfDate(const Vector3& trueOfDate, double trueObliquity)
{
    const double c = std::cos(trueObliquity);
    const double s = std::sin(trueObliquity);
    const Vector3 e(trueOfDate.x, c * trueOfDate.y + s * trueOfDate.z,
                    -s * trueOfDate.y + c * trueOfDate.z);
    return {ReduceRadians(std::atan2(e.y, e.x)), std::atan2(e.z, std::hypot(e.x, e.y))};
}

namespace {

// The JSON key and the Korean name of each kind, in PhenomenonKind order.
struct KindNames {
    const char* key;
    const char* korean;
};
const KindNames kKindNames[] = {
    {"new_moon", "삭"},
    {"first_quarter", "상현"},
    {"full_moon", "망"},
    {"last_quarter", "하현"},
    {"solar_term", "절기"},
    {"perigee", "근지점"},
    {"apogee", "원지점"},
    {"solar_eclipse", "일식"},
    {"lunar_eclipse", "월식"},
    {"opposition", "충"},
    {"conjunction_sun", "태양과의 합"},
    {"greatest_elongation_east", "동방 최대이각"},
    {"greatest_elongation_west", "서방 최대이각"},
    {"station", "유"},
    {"conjunction", "합"},
};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(kPhenomenonKindCount),
              "a key and a name for every kind");

const KindNames& NamesOf(PhenomenonKind kind)
{
    static const KindNames kNone = {"", ""};
    const int i = static_cast<int>(kind);
    return i >= 0 && i < kPhenomenonKindCount ? kKindNames[i] : kNone;
}

}  // namespace

const char* PhenomenonKindKey(PhenomenonKind kind)
{
    return NamesOf(kind).key;
}

const char* PhenomenonKindNameKo(PhenomenonKind kind)
{
    return NamesOf(kind).korean;
}

const char* EclipseTypeKey(EclipseType type)
{
    switch (type) {
    case EclipseType::Total: return "total";
    case EclipseType::Annular: return "annular";
    case EclipseType::Hybrid: return "hybrid";
    case EclipseType::Partial: return "partial";
    case EclipseType::Penumbral: return "penumbral";
    }
    return "";
}

const char* SolarTermNameKo(int k)
{
    static const char* const names[24] = {
        "춘분", "청명", "곡우", "입하", "소만", "망종", "하지", "소서", "대서", "입추", "처서", "백로",
        "추분", "한로", "상강", "입동", "소설", "대설", "동지", "소한", "대한", "입춘", "우수", "경칩"};
    return names[((k % 24) + 24) % 24];
}

const char* BodyNameKo(Body body)
{
    static const char* const names[kBodyCount] = {"태양", "달",   "수성",   "금성",   "화성",
                                                  "목성", "토성", "천왕성", "해왕성", "명왕성"};
    return names[BodyIndex(body)];
}

double SunApparentLongitude(const Instant& instant)
{
    const PreciseEphemeris eph(instant);
    return EclipticOfDate(eph.Place(Body::Sun).apparent, eph.TrueObliquity()).longitude;
}

double MoonSunApparentElongation(const Instant& instant)
{
    const PreciseEphemeris eph(instant);
    const double eps = eph.TrueObliquity();
    return ReduceRadians(EclipticOfDate(eph.Place(Body::Moon).apparent, eps).longitude -
                         EclipticOfDate(eph.Place(Body::Sun).apparent, eps).longitude);
}

std::vector<Phenomenon> FindMoonPhases(double jdUT0, double jdUT1)
{
    static const PhenomenonKind kinds[4] = {PhenomenonKind::NewMoon, PhenomenonKind::FirstQuarter,
                                            PhenomenonKind::FullMoon, PhenomenonKind::LastQuarter};
    static const char* const names[4] = {"삭", "상현", "망", "하현"};
    // The cheap elongation (within 0.1" of the apparent one), sampled every 3 days (30 to
    // 45 degrees of elongation, less than a quarter), brackets each phase; the precise
    // apparent elongation of date is then searched inside it.
    constexpr double step = 3.0;
    std::vector<double> elongation;
    const int days = static_cast<int>(std::ceil((jdUT1 - jdUT0) / step));
    for (int i = 0; i <= days; ++i)
        elongation.push_back(MoonSunElongationLongitude(Instant::FromUT(jdUT0 + i * step).jdTT));
    std::vector<Phenomenon> out;
    for (int k = 0; k < 4; ++k) {
        const double target = k * kHalfPi;
        for (int i = 0; i < days; ++i) {
            const double fa = WrapPi(elongation[static_cast<std::size_t>(i)] - target);
            const double fb = WrapPi(elongation[static_cast<std::size_t>(i) + 1] - target);
            if (!(fa < 0.0 && fb >= 0.0) || fb - fa > kHalfPi)
                continue;
            // The elongation is a difference of longitudes: the precession-nutation of
            // the bracket's middle serves the whole bracket (they cancel to 0.001").
            const double a = jdUT0 + i * step;
            const PreciseEphemeris frame(Instant::FromUT(a + 0.5 * step));
            const TimeFunction f = [target, &frame](double t) {
                const PreciseEphemeris eph(Instant::FromUT(t), frame);
                const double eps = eph.TrueObliquity();
                return WrapPi(EclipticOfDate(eph.Place(Body::Moon).apparent, eps).longitude -
                              EclipticOfDate(eph.Place(Body::Sun).apparent, eps).longitude -
                              target);
            };
            double root = 0.0;
            if (RefineNear(f, a, a + step, root) && root >= jdUT0 && root < jdUT1)
                out.push_back(MakeEvent(kinds[k], root, names[k], {"moon"}));
        }
    }
    std::sort(out.begin(), out.end(), [](const Phenomenon& a, const Phenomenon& b) {
        return a.when.jdUT < b.when.jdUT;
    });
    return out;
}

std::vector<Phenomenon> FindSolarTerms(double jdUT0, double jdUT1)
{
    // Sampled every 4 days (about 4 degrees): one term at most in each step.
    constexpr double step = 4.0;
    std::vector<double> longitude;
    const int days = static_cast<int>(std::ceil((jdUT1 - jdUT0) / step));
    for (int i = 0; i <= days; ++i)
        longitude.push_back(SunLongitudeForScan(jdUT0 + i * step));
    std::vector<Phenomenon> out;
    const double termStep = 15.0 * kDegToRad;
    for (int i = 0; i < days; ++i) {
        const double l0 = longitude[static_cast<std::size_t>(i)];
        const double l1 = l0 + ReduceRadians(longitude[static_cast<std::size_t>(i) + 1] - l0);
        const double k = std::floor(l1 / termStep);
        if (k * termStep <= l0)
            continue;  // no multiple of 15 degrees passed in this step
        const int term = static_cast<int>(k) % 24;
        const double target = term * termStep;
        // First with the precession-nutation of the step's middle, then again within two
        // minutes of that root with the precession-nutation of the root itself.
        double root = 0.0;
        const double a = jdUT0 + i * step;
        const PreciseEphemeris dayFrame(Instant::FromUT(a + 0.5 * step));
        if (!RefineNear(SunLongitudeFrom(dayFrame, target), a, a + step, root))
            continue;
        const PreciseEphemeris rootFrame(Instant::FromUT(root));
        if (!RefineNear(SunLongitudeFrom(rootFrame, target), root - 1e-3, root + 1e-3, root))
            continue;
        if (root >= jdUT0 && root < jdUT1) {
            Phenomenon p = MakeEvent(PhenomenonKind::SolarTerm, root, SolarTermNameKo(term), {"sun"});
            p.longitudeDeg = term * 15.0;
            out.push_back(std::move(p));
        }
    }
    return out;
}

std::vector<Phenomenon> FindLunarApsides(double jdUT0, double jdUT1)
{
    std::vector<Phenomenon> out;
    const TimeFunction f = MoonRadialVelocity;
    std::vector<double> samples;
    const int days = static_cast<int>(std::ceil(jdUT1 - jdUT0)) + 1;
    for (int i = 0; i <= days; ++i)
        samples.push_back(f(jdUT0 + i));
    for (int i = 0; i < days; ++i) {
        const double fa = samples[static_cast<std::size_t>(i)];
        const double fb = samples[static_cast<std::size_t>(i) + 1];
        if ((fa < 0.0) == (fb < 0.0))
            continue;
        const double root = RefineRoot(f, jdUT0 + i, jdUT0 + i + 1, fa, fb);
        if (root < jdUT0 || root >= jdUT1)
            continue;
        const bool perigee = fa < 0.0;  // approaching, then receding
        Phenomenon p = MakeEvent(perigee ? PhenomenonKind::Perigee : PhenomenonKind::Apogee, root,
                                 perigee ? "달 근지점" : "달 원지점", {"moon"});
        p.distanceKm = MoonDistanceKm(root);
        out.push_back(std::move(p));
    }
    return out;
}

std::vector<Phenomenon> FindPlanetEvents(double jdUT0, double jdUT1)
{
    // A daily grid from a day before to a day after, so extrema at the ends are seen.
    Grid grid;
    grid.t0 = std::floor(jdUT0) - 1.0;
    const int days = static_cast<int>(std::ceil(jdUT1 - grid.t0)) + 2;
    grid.frames.reserve(static_cast<std::size_t>(days) + 1);
    grid.days.reserve(static_cast<std::size_t>(days) + 1);
    for (int i = 0; i <= days; ++i) {
        grid.frames.emplace_back(Instant::FromUT(grid.t0 + i));
        grid.days.push_back(TakeSnapshot(grid.frames.back()));
    }
    const auto nearestDay = [&grid](double t) {
        const double i = std::clamp(std::round(t - grid.t0), 0.0,
                                    static_cast<double>(grid.frames.size() - 1));
        return static_cast<std::size_t>(i);
    };

    std::vector<Phenomenon> out;
    const auto keep = [&](Phenomenon p) {
        if (p.when.jdUT >= jdUT0 && p.when.jdUT < jdUT1)
            out.push_back(std::move(p));
    };
    const int sun = BodyIndex(Body::Sun);
    // General precession in longitude over the 0.04 days of a station's difference.
    const double precessionBias = 5028.796195 * kArcsecToRad / 36525.0 * 0.04;
    for (Body planet : kEventPlanets) {
        const int i = BodyIndex(planet);
        const std::string name = BodyNameKo(planet);
        const std::string key = BodyKey(planet);
        // Conjunction with the Sun: equal apparent longitudes of date.
        const PlaceMask withSun = Bit(planet) | Bit(Body::Sun);
        AddRoots(grid, withSun,
                 [i, sun](const Snapshot& s) { return WrapPi(s.longitude[i] - s.longitude[sun]); },
                 [&](const Snapshot& s, double t) {
                     const bool inferior = s.distance[i] < s.distance[sun];
                     Phenomenon p = MakeEvent(PhenomenonKind::ConjunctionSun, t,
                                              name + (IsInner(planet) ? (inferior ? " 내합" : " 외합") : " 합"),
                                              {key, "sun"});
                     p.inferior = inferior;
                     p.separationDeg = Separation(s.apparent[i], s.apparent[sun]) * kRadToDeg;
                     keep(std::move(p));
                 });
        if (IsInner(planet)) {
            AddExtrema(grid, withSun,
                       [i, sun](const Snapshot& s) { return Separation(s.apparent[i], s.apparent[sun]); },
                       false, 0.0, [&](double t, bool maximum) {
                           if (!maximum)
                               return;
                           const Snapshot s = grid.At(t, nearestDay(t));
                           const bool east = WrapPi(s.longitude[i] - s.longitude[sun]) > 0.0;
                           Phenomenon p = MakeEvent(east ? PhenomenonKind::GreatestElongationEast
                                                         : PhenomenonKind::GreatestElongationWest,
                                                    t, name + (east ? " 동방 최대이각" : " 서방 최대이각"),
                                                    {key});
                           p.elongationDeg = Separation(s.apparent[i], s.apparent[sun]) * kRadToDeg;
                           keep(std::move(p));
                       });
        } else {
            AddRoots(grid, withSun,
                     [i, sun](const Snapshot& s) { return WrapPi(s.longitude[i] - s.longitude[sun] - kPi); },
                     [&](const Snapshot& s, double t) {
                         Phenomenon p = MakeEvent(PhenomenonKind::Opposition, t, name + " 충", {key});
                         p.elongationDeg = Separation(s.apparent[i], s.apparent[sun]) * kRadToDeg;
                         keep(std::move(p));
                     });
        }
        // Stationary points in apparent ecliptic longitude of date.
        AddExtrema(grid, Bit(planet), [i](const Snapshot& s) { return s.longitude[i]; }, true,
                   precessionBias,
                   [&](double t, bool maximum) {
                       Phenomenon p = MakeEvent(PhenomenonKind::Station, t,
                                                name + (maximum ? " 유(역행 시작)" : " 유(순행 시작)"),
                                                {key});
                       p.retrograde = maximum;
                       keep(std::move(p));
                   });
    }

    // Conjunctions in right ascension within 5 degrees.
    // A root is refined only where the declinations, interpolated on the grid, differ by
    // less than the limit and a margin for the Moon's curving path over a day.
    const double margin = 1.0 * kDegToRad;
    const auto conjunctions = [&](PlaceMask mask, const std::function<Vector3(const Snapshot&)>& a,
                                  const std::function<Vector3(const Snapshot&)>& b,
                                  const std::string& name, const std::vector<std::string>& bodies) {
        const auto dec = [](const Vector3& v) { return std::atan2(v.z, std::hypot(v.x, v.y)); };
        const auto worth = [&](std::size_t i, double fraction) {
            const Snapshot& s0 = grid.days[i];
            const Snapshot& s1 = grid.days[i + 1];
            const double d0 = dec(a(s0)) - dec(b(s0));
            const double d1 = dec(a(s1)) - dec(b(s1));
            return std::fabs(d0 + (d1 - d0) * fraction) < kConjunctionLimit + margin;
        };
        AddRoots(grid, mask,
                 [&](const Snapshot& s) { return WrapPi(RightAscension(a(s)) - RightAscension(b(s))); },
                 [&](const Snapshot& s, double t) {
                     const double sep = Separation(a(s), b(s));
                     if (sep > kConjunctionLimit)
                         return;
                     Phenomenon p = MakeEvent(PhenomenonKind::Conjunction, t, name, bodies);
                     p.separationDeg = sep * kRadToDeg;
                     keep(std::move(p));
                 },
                 worth);
    };
    const int moon = BodyIndex(Body::Moon);
    for (std::size_t x = 0; x < std::size(kConjunctionPlanets); ++x) {
        const Body px = kConjunctionPlanets[x];
        const int ix = BodyIndex(px);
        const auto atX = [ix](const Snapshot& s) { return s.apparent[ix]; };
        conjunctions(Bit(Body::Moon) | Bit(px), [moon](const Snapshot& s) { return s.apparent[moon]; }, atX,
                     std::string("달-") + BodyNameKo(px) + " 합", {"moon", BodyKey(px)});
        for (std::size_t y = x + 1; y < std::size(kConjunctionPlanets); ++y) {
            const Body py = kConjunctionPlanets[y];
            const int iy = BodyIndex(py);
            conjunctions(Bit(px) | Bit(py), atX, [iy](const Snapshot& s) { return s.apparent[iy]; },
                         std::string(BodyNameKo(px)) + "-" + BodyNameKo(py) + " 합",
                         {BodyKey(px), BodyKey(py)});
        }
    }
    for (std::size_t k = 0; k < std::size(kStars); ++k)
        conjunctions(Bit(Body::Moon) | kStarsBit, [moon](const Snapshot& s) { return s.apparent[moon]; },
                     [k](const Snapshot& s) { return s.stars[k]; },
                     std::string("달-") + kStars[k].nameKo + " 합", {"moon", kStars[k].key});

    std::sort(out.begin(), out.end(), [](const Phenomenon& a, const Phenomenon& b) {
        return a.when.jdUT < b.when.jdUT;
    });
    return out;
}

std::vector<Phenomenon> FindPhenomena(double jdUT0, double jdUT1, const PhenomenaSite& site)
{
    const std::vector<Phenomenon> phases = FindMoonPhases(jdUT0 - 1.0, jdUT1 + 1.0);
    std::vector<Phenomenon> all;
    for (const Phenomenon& p : phases)
        if (p.when.jdUT >= jdUT0 && p.when.jdUT < jdUT1)
            all.push_back(p);
    for (auto* part : {&FindSolarTerms, &FindLunarApsides, &FindPlanetEvents}) {
        std::vector<Phenomenon> more = (*part)(jdUT0, jdUT1);
        all.insert(all.end(), more.begin(), more.end());
    }
    std::vector<Phenomenon> eclipses = FindEclipsesAtPhases(phases, jdUT0, jdUT1, site);
    all.insert(all.end(), eclipses.begin(), eclipses.end());
    std::stable_sort(all.begin(), all.end(), [](const Phenomenon& a, const Phenomenon& b) {
        return a.when.jdUT < b.when.jdUT;
    });
    return all;
}

std::vector<Phenomenon> FindYearPhenomena(int year, double zoneHours, const PhenomenaSite& site)
{
    const double zone = zoneHours / 24.0;
    const double start = JulianDateFromCalendar(year, 1, 1).jd - zone;
    const double end = JulianDateFromCalendar(year + 1, 1, 1).jd - zone;
    return FindPhenomena(start, end, site);
}
