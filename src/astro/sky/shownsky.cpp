#include "astro/sky/shownsky.h"

#include "astro/ephemeris/magnitude.h"
#include "astro/ephemeris/moon.h"
#include "astro/ephemeris/planet.h"
#include "astro/ephemeris/precise.h"
#include "astro/ephemeris/sun.h"
#include "astro/math/angles.h"
#include "astro/sky/frames.h"
#include "astro/sky/moonphase.h"
#include "astro/time/deltat.h"
#include "astro/time/timescales.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kKilometresPerAU = 149597870.7;       // IAU 2012
constexpr double kKilometresPerEarthRadius = 6378.14;  // the classic Moon's unit
constexpr double kSaturnPoleRA = 40.589 * kDegToRad;   // IAU WGCCRE, J2000
constexpr double kSaturnPoleDec = 83.537 * kDegToRad;

// Planet index (astro/ephemeris/planet.h) of a body Mercury .. Pluto.
int ClassicPlanetIndex(Body b)
{
    switch (b) {
    case Body::Mercury: return kMercury;
    case Body::Venus: return kVenus;
    case Body::Mars: return kMars;
    case Body::Jupiter: return kJupiter;
    case Body::Saturn: return kSaturn;
    case Body::Uranus: return kUranus;
    case Body::Neptune: return kNeptune;
    case Body::Pluto: return kPluto;
    default: return -1;
    }
}

Matrix3 EclipticMatrix(double obliquity)
{
    const double c = std::cos(obliquity);
    const double s = std::sin(obliquity);
    return Matrix3(1, 0, 0, 0, c, -s, 0, s, c);
}

// Angle between two non-zero vectors, radians.
double AngleBetween(const Vector3& a, const Vector3& b)
{
    return std::atan2(a.Cross(b).Length(), a.Dot(b));
}

// Phase angle, illuminated fraction, elongation, magnitude and diameter from the three
// distances, the geocentric body and Sun directions (any common frame).
void FillPhotometry(BodyState& s, const Vector3& geocentric, const Vector3& sunGeocentric,
                    double earthSunAU, double ringTilt, double year)
{
    const double r = s.sunDistanceAU;
    const double delta = s.distanceAU;
    if (s.body == Body::Sun) {
        s.phaseAngle = 0.0;
        s.elongation = 0.0;
        s.illuminated = 1.0;
    } else {
        s.elongation = AngleBetween(geocentric, sunGeocentric);
        // Sun-body-Earth: the angle at the body between the directions to the Sun and to
        // the Earth; law of cosines on the three distances.
        double c = (r * r + delta * delta - earthSunAU * earthSunAU) / (2.0 * r * delta);
        c = c > 1.0 ? 1.0 : (c < -1.0 ? -1.0 : c);
        s.phaseAngle = std::acos(c);
        s.illuminated = (1.0 + c) * 0.5;
    }
    s.magnitude = ApparentMagnitude(s.body, r, delta, s.phaseAngle, ringTilt, year);
    const double km = delta * kKilometresPerAU;
    s.diameterArcsec = km > 0.0 ? 2.0 * std::asin(std::min(1.0, BodyRadiusKm(s.body) / km)) *
                                      kRadToArcsec
                                : 0.0;
}

// Latitude of the Earth over Saturn's ring plane, radians, from the ICRS direction
// Earth -> Saturn.
double SaturnRingTilt(const Vector3& earthToSaturnIcrs)
{
    const SphericalCoord pole(kSaturnPoleRA, kSaturnPoleDec);
    const double len = earthToSaturnIcrs.Length();
    if (len == 0.0)
        return 0.0;
    return std::asin(-earthToSaturnIcrs.Dot(pole.ToVector()) / len);
}

SphericalCoord Direction(const Vector3& v)
{
    return v.Length() > 0.0 ? SphericalCoord::FromVector(v) : SphericalCoord(0.0, 0.0);
}

void FillClassic(ShownSky& sky)
{
    const SkyTime& ut = sky.ut;
    const double year = DecimalYear(ut.JD());
    sky.j2000ToDate = PrecessionMatrix(2000.0, year);
    sky.eclipticToEquatorial = EclipticToEquatorialMatrix(ut);
    const double latitude = sky.site.latitude;

    const Sun sun(ut);
    const Moon moon(ut);
    std::array<Planet, kPlanetCount> planets = MakePlanets();
    for (Planet& p : planets)
        p.UpdateElements(ut);
    const Vector3 earthEcl = planets[kEarth].Heliocentric();
    sky.earthHeliocentricEcliptic = earthEcl;
    {
        // Central difference over one day of the Earth-Moon barycentre's orbit.
        Planet before(kEarth), after(kEarth);
        before.UpdateElements(SkyTime(ut.JD() - 0.5));
        after.UpdateElements(SkyTime(ut.JD() + 0.5));
        sky.earthOrbitalSpeedKmPerS =
            (after.Heliocentric() - before.Heliocentric()).Length() * kKilometresPerAU / 86400.0;
    }
    // The Sun on the J2000 ecliptic from the Earth, for elongations (the Keplerian Sun is
    // of date; the 0.4 degree of precession is far below what elongation needs to show).
    const Vector3 sunGeoDate = sun.Geocentric();
    const double earthSun = sun.DistanceAU();

    for (Body b : kAllBodies) {
        BodyState& s = sky.bodies[BodyIndex(b)];
        s.body = b;
        Vector3 eclipticOfDate;  // geocentric, ecliptic of date (direction and AU)
        double ringTilt = 0.0;
        if (b == Body::Sun) {
            eclipticOfDate = sunGeoDate;
            s.distanceAU = earthSun;
            s.sunDistanceAU = 0.0;
            s.equatorial = EclipticToEquatorial(Direction(eclipticOfDate), ut);
            s.ecliptic = Direction(eclipticOfDate);
        } else if (b == Body::Moon) {
            eclipticOfDate = moon.Geocentric() * (kKilometresPerEarthRadius / kKilometresPerAU);
            s.distanceAU = eclipticOfDate.Length();
            s.sunDistanceAU = (eclipticOfDate - sunGeoDate).Length();
            s.heliocentricEcliptic = earthEcl + eclipticOfDate;
            s.equatorial = EclipticToEquatorial(Direction(eclipticOfDate), ut);
            s.ecliptic = Direction(eclipticOfDate);
        } else {
            const Planet& p = planets[ClassicPlanetIndex(b)];
            const Vector3 geoEclJ2000 = p.GeocentricVector();
            s.heliocentricEcliptic = p.Heliocentric();
            s.distanceAU = geoEclJ2000.Length();
            s.sunDistanceAU = p.Heliocentric().Length();
            const Vector3 geoIcrs = EclipticJ2000ToIcrs(geoEclJ2000);
            const Vector3 geoDate = sky.j2000ToDate.Apply(geoIcrs);
            s.equatorial = Direction(geoDate);
            s.ecliptic = EquatorialToEcliptic(s.equatorial, ut);
            eclipticOfDate = s.ecliptic.ToVector() * s.distanceAU;
            if (b == Body::Saturn)
                ringTilt = SaturnRingTilt(geoIcrs);
        }
        s.topocentric = s.equatorial;
        s.horizontal = EquatorialToHorizontal(s.equatorial, sky.lst, latitude);
        FillPhotometry(s, eclipticOfDate, sunGeoDate, earthSun, ringTilt, year);
        if (b == Body::Moon)
            s.illuminated = moon.PhaseFraction();  // the calendar's own classic value
    }
    sky.moonAgeDays = ClassicMoonAgeDays(ut);
}

void FillPrecise(ShownSky& sky)
{
    const PreciseEphemeris eph(sky.instant);
    sky.j2000ToDate = eph.IcrsToTrueOfDate();
    sky.eclipticToEquatorial = EclipticMatrix(eph.TrueObliquity());
    const double gast = eph.ApparentSiderealTime();
    const double last = ReduceRadians(gast + sky.site.longitude);
    sky.gst.time.hours = gast * kRadToHours;
    sky.lst.time.hours = last * kRadToHours;
    sky.earthHeliocentricEcliptic = IcrsToEclipticJ2000(eph.EarthHeliocentric());
    sky.earthOrbitalSpeedKmPerS =
        eph.EarthHeliocentricVelocity().Length() * kKilometresPerAU / 86400.0;

    const Vector3 site = SitePositionTrueOfDate(sky.site.longitude, sky.site.latitude,
                                                sky.heightMetres, gast);
    const Matrix3 toEcliptic = sky.eclipticToEquatorial.Transposed();
    const GeocentricPlace sunPlace = eph.Place(Body::Sun);
    const double year = DecimalYear(sky.instant.jdTT);

    for (Body b : kAllBodies) {
        BodyState& s = sky.bodies[BodyIndex(b)];
        s.body = b;
        const GeocentricPlace place = b == Body::Sun ? sunPlace : eph.Place(b);
        s.distanceAU = place.distanceAU;
        s.sunDistanceAU = place.sunDistanceAU;
        s.heliocentricEcliptic = IcrsToEclipticJ2000(place.heliocentric);
        s.equatorial = Direction(place.apparent);
        s.ecliptic = Direction(toEcliptic.Apply(place.apparent));
        s.topocentric = Direction(place.apparent - site);
        s.horizontal = EquatorialToHorizontal(s.topocentric, sky.lst, sky.site.latitude);
        const double ringTilt =
            b == Body::Saturn ? SaturnRingTilt(place.heliocentric - eph.EarthHeliocentric()) : 0.0;
        FillPhotometry(s, place.apparent, sunPlace.apparent, place.earthSunAU, ringTilt, year);
    }
    sky.moonAgeDays = PreciseMoonAgeDays(sky.instant);
}

bool Finite(const SkyTime& t)
{
    return std::isfinite(t.date.jd) && std::isfinite(t.time.hours);
}

Observer FiniteSite(const Observer& site)
{
    Observer o = site;
    if (!std::isfinite(o.longitude))
        o.longitude = 0.0f;
    if (!std::isfinite(o.latitude) || std::fabs(o.latitude) > kHalfPi)
        o.latitude = 0.0f;
    if (!std::isfinite(o.timeZone))
        o.timeZone = 0.0f;
    return o;
}

ShownSky Compute(const SkyTime& local, const SkyTime& ut, const Observer& site, Model model,
                 double heightMetres, const Instant& instant)
{
    ShownSky sky;
    sky.model = model;
    sky.site = site;
    sky.heightMetres = std::isfinite(heightMetres) ? heightMetres : 0.0;
    sky.local = local;
    sky.ut = ut;
    sky.gst = UTToGST(ut);
    sky.lst = GSTToLST(sky.gst, site.longitude);
    sky.instant = instant;
    if (model == Model::Precise)
        FillPrecise(sky);
    else
        FillClassic(sky);
    return sky;
}

}  // namespace

Matrix3 ShownSky::EquatorialToHorizontal() const
{
    return HorizontalMatrix(lst, site.latitude);
}

ShownSky ComputeShownSky(const SkyTime& local, const Observer& site, Model model,
                         double heightMetres)
{
    const Observer o = FiniteSite(site);
    const SkyTime l = Finite(local) ? local : SkyTime(2451545.0);
    const SkyTime ut = LocalToUT(l, o.timeZone);
    return Compute(l, ut, o, model, heightMetres, Instant::FromUT(ut.JD()));
}

ShownSky ComputeShownSkyAt(const Instant& instant, const Observer& site, Model model,
                           double heightMetres)
{
    const Observer o = FiniteSite(site);
    const bool finite = std::isfinite(instant.jdUT) && std::isfinite(instant.jdTT);
    const Instant when = finite ? instant : Instant::FromUT(2451545.0);
    const SkyTime ut(when.jdUT);
    return Compute(UTToLocal(ut, o.timeZone), ut, o, model, heightMetres, when);
}
