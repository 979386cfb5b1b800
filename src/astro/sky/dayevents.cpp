#include "astro/sky/dayevents.h"

#include "astro/ephemeris/magnitude.h"
#include "astro/ephemeris/moon.h"
#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"
#include "astro/math/vector3.h"
#include "astro/sky/moonphase.h"
#include "astro/sky/shownsky.h"
#include "astro/time/instant.h"
#include "astro/time/skytime.h"
#include "astro/time/timescales.h"

#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr int kSamples = 5;                  // at 0, 6, 12, 18 and 24 h local
constexpr double kSampleStepHours = 6.0;
constexpr double kScanStepHours = 1.0 / 6.0;  // 10 minutes
constexpr int kBisections = 20;              // 10 min / 2^20 = 0.6 ms
constexpr double kRefraction = 34.0 / 60.0 * kDegToRad;  // at the horizon
constexpr double kPlanetAltitude = -kRefraction;
constexpr double kKilometresPerAU = 149597870.7;
// Earth rotation in sidereal radians per UT day (IAU 1982 / 2000 ratio).
constexpr double kSiderealRadiansPerDay = kTwoPi * 1.00273781191135448;

// A body's geocentric place over one local day, with the site.
struct Track {
    std::array<Vector3, kSamples> geo{};  // equator of date, AU
    double gast0 = 0.0;                   // Greenwich sidereal time at 0 h local, radians
    double longitude = 0.0;
    double latitude = 0.0;
    Vector3 siteAtGast0;  // the site at gast0 (true of date, AU); zero when geocentric
    Body body = Body::Sun;

    // Lagrange interpolation through the five samples.
    Vector3 Geo(double h) const
    {
        Vector3 sum;
        for (int i = 0; i < kSamples; ++i) {
            double w = 1.0;
            for (int j = 0; j < kSamples; ++j) {
                if (j != i)
                    w *= (h - j * kSampleStepHours) / ((i - j) * kSampleStepHours);
            }
            sum = sum + geo[i] * w;
        }
        return sum;
    }
    double Gast(double h) const { return gast0 + kSiderealRadiansPerDay * h / 24.0; }
    // Topocentric vector (equator of date, AU) at local hours h.
    Vector3 Topo(double h) const
    {
        const double turn = Gast(h) - gast0;
        const double c = std::cos(turn);
        const double s = std::sin(turn);
        const Vector3 site(c * siteAtGast0.x - s * siteAtGast0.y,
                           s * siteAtGast0.x + c * siteAtGast0.y, siteAtGast0.z);
        return Geo(h) - site;
    }
    // Altitude of the body's centre (radians) and its distance from the site (AU).
    double Altitude(double h, double* distance = nullptr) const
    {
        const Vector3 v = Topo(h);
        const double last = Gast(h) + longitude;
        const Vector3 zenith(std::cos(latitude) * std::cos(last),
                             std::cos(latitude) * std::sin(last), std::sin(latitude));
        const double len = v.Length();
        if (distance)
            *distance = len;
        return len > 0.0 ? std::asin(v.Dot(zenith) / len) : 0.0;
    }
    // Local hour angle in (-pi, pi].
    double HourAngle(double h) const
    {
        const Vector3 v = Topo(h);
        return WrapPi(Gast(h) + longitude - std::atan2(v.y, v.x));
    }
};

// Altitude of the body's centre minus its standard altitude at local hours h.
double AboveStandard(const Track& t, double h, double centreThreshold, bool limb)
{
    double distance = 0.0;
    const double altitude = t.Altitude(h, &distance);
    if (!limb)
        return altitude - centreThreshold;
    const double km = distance * kKilometresPerAU;
    const double semiDiameter = km > 0.0 ? std::asin(BodyRadiusKm(t.body) / km) : 0.0;
    return altitude - (-kRefraction - semiDiameter);
}

double Bisect(const std::function<double(double)>& f, double a, double b)
{
    const bool risingAtA = f(a) < 0.0;
    for (int k = 0; k < kBisections; ++k) {
        const double m = 0.5 * (a + b);
        if ((f(m) < 0.0) == risingAtA)
            a = m;
        else
            b = m;
    }
    return 0.5 * (a + b);
}

// Scans f over the day for the first upward (rise) and downward (set) crossing of zero.
RiseSetResult Scan(const std::function<double(double)>& f, bool twilight)
{
    RiseSetResult r;
    bool hasRise = false;
    bool hasSet = false;
    double previous = f(0.0);
    const bool upAtStart = previous >= 0.0;
    const int steps = static_cast<int>(std::lround(24.0 / kScanStepHours));
    for (int k = 1; k <= steps && !(hasRise && hasSet); ++k) {
        const double h0 = (k - 1) * kScanStepHours;
        const double h1 = k * kScanStepHours;
        const double value = f(h1);
        if (previous < 0.0 && value >= 0.0 && !hasRise) {
            r.begin = Bisect(f, h0, h1);
            hasRise = r.begin < 24.0;
        } else if (previous >= 0.0 && value < 0.0 && !hasSet) {
            r.end = Bisect(f, h0, h1);
            hasSet = r.end < 24.0;
        }
        previous = value;
    }
    if (hasRise || hasSet) {
        r.status = RiseSetStatus::Normal;
        r.beginStatus = hasRise ? EventStatus::Occurs : EventStatus::NotThisDay;
        r.endStatus = hasSet ? EventStatus::Occurs : EventStatus::NotThisDay;
        if (!hasRise)
            r.begin = 0.0;  // up since before the day began
        if (!hasSet)
            r.end = 24.0;   // still up when it ends
        return r;
    }
    r.aboveAllDay = upAtStart;
    if (twilight)
        r.status = RiseSetStatus::None;
    else
        r.status = upAtStart ? RiseSetStatus::NeverSets : RiseSetStatus::NeverRises;
    return r;
}

double LocalMidnightUT(const SkyDate& localDate, const Observer& site)
{
    return LocalToUT(SkyTime(localDate, 0.0), site.timeZone).JD();
}

// Tracks of the given bodies over the local day in the model (one ephemeris per sample).
template <std::size_t N>
std::array<Track, N> MakeTracks(const SkyDate& localDate, const Observer& site, Model model,
                                double heightMetres, const std::array<Body, N>& bodies)
{
    std::array<Track, N> tracks{};
    const double start = LocalMidnightUT(localDate, site);
    // One precession-nutation for the day, taken at local noon.
    std::optional<PreciseEphemeris> noon;
    if (model == Model::Precise)
        noon.emplace(Instant::FromUT(start + 0.5));
    for (int i = 0; i < kSamples; ++i) {
        const Instant when = Instant::FromUT(start + i * kSampleStepHours / 24.0);
        if (model == Model::Precise) {
            const PreciseEphemeris eph(when, *noon);
            for (std::size_t k = 0; k < N; ++k) {
                tracks[k].geo[i] = eph.Place(bodies[k]).apparent;
                if (i == 0) {
                    tracks[k].gast0 = eph.ApparentSiderealTime();
                    tracks[k].siteAtGast0 = SitePositionTrueOfDate(
                        site.longitude, site.latitude, heightMetres, tracks[k].gast0);
                }
            }
        } else {
            const ShownSky sky = ComputeShownSkyAt(when, site, Model::Classic);
            for (std::size_t k = 0; k < N; ++k) {
                const BodyState& s = sky[bodies[k]];
                tracks[k].geo[i] = s.equatorial.ToVector() * s.distanceAU;
                if (i == 0)
                    tracks[k].gast0 = sky.gst.time.hours * kHoursToRad;
            }
        }
    }
    for (std::size_t k = 0; k < N; ++k) {
        tracks[k].body = bodies[k];
        tracks[k].longitude = site.longitude;
        tracks[k].latitude = site.latitude;
    }
    return tracks;
}

RiseSetResult RiseSetOf(const Track& t)
{
    const bool limb = t.body == Body::Sun || t.body == Body::Moon;
    return Scan([&](double h) { return AboveStandard(t, h, kPlanetAltitude, limb); }, false);
}

SunEventSet SunSetOf(const Track& t)
{
    SunEventSet out;
    out.riseSet = RiseSetOf(t);
    const double thresholds[3] = {kAstronomicalTwilightAltitude, kNauticalTwilightAltitude,
                                  kCivilTwilightAltitude};
    RiseSetResult* results[3] = {&out.astronomical, &out.nautical, &out.civil};
    for (int k = 0; k < 3; ++k)
        *results[k] =
            Scan([&](double h) { return AboveStandard(t, h, thresholds[k], false); }, true);
    return out;
}

}  // namespace

DayEvents ComputeDayEvents(const SkyDate& localDate, const Observer& site, Model model,
                           double heightMetres)
{
    DayEvents out;
    if (model == Model::Classic) {
        out.sun = SunEvents(localDate, site);
        out.moon = MoonEvents(localDate, site);
        return out;
    }
    const auto tracks = MakeTracks<2>(localDate, site, model, heightMetres,
                                      std::array<Body, 2>{Body::Sun, Body::Moon});
    out.sun = SunSetOf(tracks[0]);
    out.moon = RiseSetOf(tracks[1]);
    return out;
}

RiseSetResult BodyRiseSet(const SkyDate& localDate, const Observer& site, Body body, Model model,
                          double heightMetres)
{
    if (model == Model::Classic && body == Body::Sun)
        return SunEvents(localDate, site).riseSet;
    if (model == Model::Classic && body == Body::Moon)
        return MoonEvents(localDate, site);
    const auto tracks =
        MakeTracks<1>(localDate, site, model, heightMetres, std::array<Body, 1>{body});
    return RiseSetOf(tracks[0]);
}

bool BodyTransit(const SkyDate& localDate, const Observer& site, Body body, Model model,
                 double& transitHours)
{
    const auto tracks = MakeTracks<1>(localDate, site, model, 0.0, std::array<Body, 1>{body});
    const Track& t = tracks[0];
    const auto f = [&](double h) { return t.HourAngle(h); };
    double previous = f(0.0);
    const int steps = static_cast<int>(std::lround(24.0 / kScanStepHours));
    for (int k = 1; k <= steps; ++k) {
        const double value = f(k * kScanStepHours);
        // From west-negative to positive through 0, not the jump at +-pi.
        if (previous < 0.0 && value >= 0.0 && value - previous < kPi) {
            transitHours = Bisect(f, (k - 1) * kScanStepHours, k * kScanStepHours);
            return transitHours < 24.0;
        }
        previous = value;
    }
    return false;
}

double MoonIlluminatedAtMidnight(const SkyDate& localDate, const Observer& site, Model model)
{
    const double start = LocalMidnightUT(localDate, site);
    if (model == Model::Classic)
        return Moon(SkyTime(start)).PhaseFraction();
    const double jdTT = Instant::FromUT(start).jdTT;
    return PreciseMoonIlluminated(jdTT);
}

double MoonAgeAtMidnight(const SkyDate& localDate, const Observer& site, Model model)
{
    const double start = LocalMidnightUT(localDate, site);
    return model == Model::Classic ? ClassicMoonAgeDays(SkyTime(start))
                                   : PreciseMoonAgeDays(Instant::FromUT(start));
}

bool RiseOnDay(const RiseSetResult& r)
{
    return r.HasBegin() && r.begin >= 0.0 && r.begin < 24.0;
}

bool SetOnDay(const RiseSetResult& r)
{
    return r.HasEnd() && r.end >= 0.0 && r.end < 24.0;
}

const char* RiseSetStatusKey(const RiseSetResult& r)
{
    if (r.status != RiseSetStatus::Normal)
        return r.aboveAllDay ? "always_up" : "always_down";
    const bool rise = RiseOnDay(r);
    const bool set = SetOnDay(r);
    if (rise && set)
        return "normal";
    if (set)
        return "no_rise";
    if (rise)
        return "no_set";
    // Neither on this day although the body crosses (the classic Sun's unwrapped times, or
    // a classic Moon whose events both fall on neighbouring days).
    return "normal";
}
