#include "astro/ephemeris/planet.h"

#include "astro/math/angles.h"

#include "astro/ephemeris/keplerorbit.h"

#include <cmath>

namespace {

// Elements at J2000 and their rates per day, angles in radians (JPL's approximate
// Keplerian elements, 1800-2050, Earth row = Earth-Moon barycentre).
struct Elements {
    double a0, aRate;          // AU, AU/day
    double e0, eRate;          // -, 1/day
    double i0, iRate;          // rad, rad/day
    double node0, nodeRate;    // rad, rad/day
    double peri0, periRate;    // argument of perihelion: rad, rad/day
    double mean0, meanRate;    // mean anomaly: rad, rad/day
};

constexpr Elements kElements[kPlanetCount] = {
    // Mercury
    {0.38709893, 1.80698152e-11, 0.20563069, 6.91854894e-10, 0.1222580451741752,
     -3.1205940214003965e-09, 0.8435467744873678, -5.923951974726183e-08, 0.5083233049189941,
     1.3537219136235011e-07, 3.050737619515051, 0.07142470996429325},
    // Venus
    {0.72333199, 2.51882272e-11, 0.00677323, -1.35195072e-09, 0.0592488666503767,
     -3.7962139070005445e-10, 1.3383305132010905, -1.3232194676518752e-07, 0.9573530627587605,
     1.1788040576457906e-07, 0.8804618844304495, 0.027962466263927625},
    // Earth
    {1.00000011, -1.36892539e-12, 0.01671022, -1.04147844e-09, 8.726646259971648e-07,
     -6.230569250192149e-09, -0.1965352438817743, -2.4195222403483847e-06, 1.9933026650579555,
     2.578575638826351e-06, -0.04333373280021601, 0.01720196488861729},
    // Mars
    {1.52366231, -1.97700205e-09, 0.09341233, 3.25859001e-09, 0.03229923767033226,
     -3.3807541261529024e-09, 0.8653087613317094, -1.3541466648391549e-07, 4.999710317835753,
     3.425844124787272e-07, 0.3388116919775488, 0.009145894681306332},
    // Jupiter
    {5.20336301, 1.66288843e-08, 0.04839266, -3.52635181e-09, 0.022781782726281983,
     -5.508492208015707e-10, 1.7550359006292962, 1.615607579016603e-07, -1.4975326407839307,
     -5.007285778605963e-08, 0.3429664482619213, 0.0014500260757606114},
    // Saturn
    {9.53707032, -8.25544148e-08, 0.0541506, -1.00648871e-08, 0.04336200713409832,
     8.110093342807234e-10, 1.9847018570370527, -2.1118762692175564e-07, -0.3714601700312052,
     -4.749780359264714e-08, -0.7415488603361932, 0.0005844313565950226},
    // Uranus
    {19.19126393, 4.16221766e-08, 0.04716771, -5.24298426e-09, 0.013436591779403545,
     -2.7741563052424756e-10, 1.2955558093602884, -2.2318021174806224e-07, 1.688333081809502,
     3.9740253763021156e-07, 2.4830439730297416, 0.0002045754757786946},
    // Neptune
    {30.06896348, -3.42767967e-08, 0.00858587, 6.87200548e-10, 0.03087784152750808,
     -4.831544964612833e-10, 2.2989771867912894, -2.0076131215517497e-08, -1.5140790602245375,
     -9.200907528444234e-08, 4.536262220512335, 0.00010450122593293074},
    // Pluto
    {39.48168677, -2.1057358e-08, 0.24880766, 1.77002053e-09, 0.29917997705373794,
     1.4693737028357766e-09, 1.9251587278747897, -4.9549882862694495e-09, 1.98554397840114,
     -1.2599182644773574e-08, 0.25939170609602324, 6.940436695502206e-05},
};

}  // namespace

void Planet::UpdateElements(const SkyTime& ut)
{
    time = ut;
    if (index < 0 || index >= kPlanetCount)
        return;
    const Elements& el = kElements[index];
    const double d = ut.date.jd + ut.time.hours * 0.041666666666666664 - 2451545.0;
    semiMajorAxis = el.a0 + el.aRate * d;
    eccentricity = el.e0 + el.eRate * d;
    inclination = el.i0 + el.iRate * d;
    ascendingNode = el.node0 + el.nodeRate * d;
    argPerihelion = el.peri0 + el.periRate * d;
    meanAnomaly = ReduceRadians(el.mean0 + el.meanRate * d);
    ComputePosition();
}

void Planet::ComputePosition()
{
    const double e = eccentricity;
    const double m = meanAnomaly;
    eccentricAnomaly = ReduceRadians(SolveKepler(m, e, m));

    const OrbitPoint p = PositionInOrbit(semiMajorAxis, e, eccentricAnomaly);
    trueAnomaly = p.trueAnomaly;
    const Vector3 v = OrbitToEcliptic(p.radius, trueAnomaly + argPerihelion, ascendingNode,
                                      inclination);
    helioX = v.x;
    helioY = v.y;
    helioZ = v.z;
}

Vector3 Planet::GeocentricVector() const
{
    Planet earth(kEarth);
    earth.UpdateElements(time);
    return Heliocentric() - earth.Heliocentric();
}

std::vector<Vector3> OrbitPath(const Planet& planet, int count)
{
    std::vector<Vector3> points;
    if (planet.Index() < 0 || count < 3 || !(planet.eccentricity < 1.0))
        return points;
    Planet p = planet;
    points.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        // The position routine solves for E from M; taking M from E keeps the steps even.
        const double ea = kTwoPi * k / count;
        p.meanAnomaly = ea - p.eccentricity * std::sin(ea);
        p.ComputePosition();
        points.push_back(p.Heliocentric());
    }
    return points;
}

std::array<Planet, kPlanetCount> MakePlanets()
{
    return {Planet(kMercury), Planet(kVenus),   Planet(kEarth),
            Planet(kMars),    Planet(kJupiter), Planet(kSaturn),
            Planet(kUranus),  Planet(kNeptune), Planet(kPluto)};
}
