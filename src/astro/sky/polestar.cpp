#include "astro/sky/polestar.h"

#include "astro/ephemeris/precise.h"
#include "astro/math/angles.h"
#include "astro/math/vector3.h"
#include "astro/time/juliandate.h"

#include <erfa.h>

#include <cmath>

namespace {

constexpr double Hms(double h, double m, double s)
{
    return (h + m / 60.0 + s / 3600.0) * 15.0;
}

constexpr double Dms(double sign, double d, double m, double s)
{
    return sign * (d + m / 60.0 + s / 3600.0);
}

// ICRS places at epoch J2000.0 with proper motion (mu_alpha* = mu_alpha cos(delta)),
// parallax and radial velocity, as published with each star.
// Polaris (HIP 11767): the Hipparcos new reduction (van Leeuwen 2007, A&A 474, 653),
//   position carried to J2000.0; radial velocity -17 km/s.
// sigma, chi and tau Octantis (HIP 104382, 92824, 115836): Gaia DR3 (Gaia Collaboration,
//   Vallenari et al. 2023, A&A 674, A1), position carried to J2000.0. For sigma Octantis the
//   Hipparcos catalogue gives 25.96 and 5.02 mas/yr: a difference of 0.02" in 50 years.
// Radial velocities move these places by far less than a milliarcsecond in a century.
const CatalogueStar kStars[] = {
    {PoleStarId::Polaris, "polaris", "북극성", 11767, Hms(2, 31, 49.09456),
     Dms(+1, 89, 15, 50.7923), 44.48, -11.85, 7.54, -17.0},
    {PoleStarId::SigmaOctantis, "sigma_octantis", "팔분의자리 σ", 104382,
     Hms(21, 8, 46.86357), Dms(-1, 88, 57, 23.3983), 26.323, 4.721, 11.1005, 11.9},
    {PoleStarId::ChiOctantis, "chi_octantis", "팔분의자리 χ", 92824, Hms(18, 54, 47.14062),
     Dms(-1, 87, 36, 21.0359), -36.555, -135.715, 12.5114, 33.6},
    {PoleStarId::TauOctantis, "tau_octantis", "팔분의자리 τ", 115836, Hms(23, 28, 3.7855),
     Dms(-1, 87, 28, 55.967), 16.782, 11.957, 6.8009, 31.0},
};

constexpr double kMasToRad = kArcsecToRad / 1000.0;
constexpr double kJ2000 = 2451545.0;                   // JD of J2000.0
constexpr double kLightAUPerDay = 173.1446326742403;  // speed of light, AU/day
// Sidereal turns per UT day (IAU 1982; the Earth rotation angle's rate).
constexpr double kSiderealPerSolar = 1.00273781191135448;

Vector3 UnitVector(double ra, double dec)
{
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

Vector3 Normalized(const Vector3& v)
{
    return v * (1.0 / v.Length());
}

}  // namespace

const CatalogueStar& PoleStarCatalogue(PoleStarId id)
{
    for (const CatalogueStar& s : kStars)
        if (s.id == id)
            return s;
    return kStars[0];
}

ApparentStar StarApparentPlace(const CatalogueStar& star, const PreciseEphemeris& sky)
{
    const double ra0 = star.raDeg * kDegToRad;
    const double dec0 = star.decDeg * kDegToRad;
    // eraPmsafe wants d(RA)/dt, not mu_alpha*.
    const double pmRa = star.pmRaCosDecMasYr * kMasToRad / std::cos(dec0);
    const double pmDec = star.pmDecMasYr * kMasToRad;
    double ra = ra0, dec = dec0, pr = 0.0, pd = 0.0, px = 0.0, rv = 0.0;
    if (eraPmsafe(ra0, dec0, pmRa, pmDec, star.parallaxMas / 1000.0, star.radialVelocityKms,
                  kJ2000, 0.0, sky.When().jdTT, 0.0, &ra, &dec, &pr, &pd, &px, &rv) < 0) {
        ra = ra0;  // not reached for these stars; keep the catalogue place
        dec = dec0;
        px = star.parallaxMas / 1000.0;
    }
    // Barycentric direction (ICRS) to geocentric: annual parallax.
    const Vector3 p = Normalized(UnitVector(ra, dec) -
                                 sky.EarthBarycentric() * (px * kArcsecToRad));
    // Annual aberration: the direction moves toward the Earth's velocity.
    const Vector3 v = sky.EarthBarycentricVelocity() * (1.0 / kLightAUPerDay);
    const Vector3 aberrated = Normalized(p + v - p * p.Dot(v));
    const Vector3 q = sky.IcrsToTrueOfDate().Apply(aberrated);
    ApparentStar out;
    out.ra = ReduceRadians(std::atan2(q.y, q.x));
    out.dec = std::asin(std::fmax(-1.0, std::fmin(1.0, q.z)));
    return out;
}

double LocalHourAngle(double gast, double longitude, double ra)
{
    return ReduceRadians(gast + longitude - ra);
}

PoleStarId PoleStarOfLatitude(double latitude)
{
    return latitude < 0.0 ? PoleStarId::SigmaOctantis : PoleStarId::Polaris;
}

PoleStarPlace ComputeStarPlace(PoleStarId id, const PreciseEphemeris& sky, double longitude)
{
    const CatalogueStar& star = PoleStarCatalogue(id);
    PoleStarPlace out;
    out.star = id;
    out.south = star.decDeg < 0.0;
    out.apparent = StarApparentPlace(star, sky);
    out.hourAngle = LocalHourAngle(sky.ApparentSiderealTime(), longitude, out.apparent.ra);
    out.poleDistance = out.south ? kHalfPi + out.apparent.dec : kHalfPi - out.apparent.dec;

    // Next upper transit: the hour angle still to run, at the sidereal rate, refined twice
    // (the apparent place moves by well under a second of time in a day).
    const Instant& now = sky.When();
    const double deltaT = now.jdTT - now.jdUT;
    double t = now.jdUT + (kTwoPi - out.hourAngle) / (kTwoPi * kSiderealPerSolar);
    for (int i = 0; i < 2; ++i) {
        const PreciseEphemeris later(Instant::FromUTAndTT(t, t + deltaT), sky);
        const ApparentStar a = StarApparentPlace(star, later);
        const double h = WrapPi(LocalHourAngle(later.ApparentSiderealTime(), longitude, a.ra));
        t -= h / (kTwoPi * kSiderealPerSolar);
    }
    if (t <= now.jdUT)
        t += 1.0 / kSiderealPerSolar;
    out.nextUpperTransitJdUT = t;
    return out;
}

PoleStarPlace ComputePoleStar(const Instant& instant, double longitude, double latitude)
{
    const PreciseEphemeris sky(instant);
    return ComputeStarPlace(PoleStarOfLatitude(latitude), sky, longitude);
}

double PoleDistanceAtYear(PoleStarId id, int year)
{
    const PreciseEphemeris sky(Instant::FromUT(JulianDateFromCalendar(year, 1, 1).jd));
    const ApparentStar a = StarApparentPlace(PoleStarCatalogue(id), sky);
    return PoleStarCatalogue(id).decDeg < 0.0 ? kHalfPi + a.dec : kHalfPi - a.dec;
}

double RefractionOfTrueAltitude(double altitude)
{
    const double h = altitude * kRadToDeg;
    if (!(h >= -1.0))
        return 0.0;
    const double arcmin = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegToRad);
    return std::fmax(0.0, arcmin) / 60.0 * kDegToRad;
}

double ClockPosition(double hourAngle, bool south, bool inverted)
{
    // One clock hour for two hours of hour angle.
    const double turn = ReduceRadians(hourAngle) * kRadToHours / 2.0;
    double clock = south ? turn : -turn;
    if (inverted)
        clock += 6.0;
    return clock - 12.0 * std::floor(clock / 12.0);
}
