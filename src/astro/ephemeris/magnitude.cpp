#include "astro/ephemeris/magnitude.h"

#include "astro/math/angles.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr double kMoonMeanDistanceAU = 0.0025695553;  // 384,400 km

double Poly(double x, std::initializer_list<double> c)
{
    double sum = 0.0;
    double power = 1.0;
    for (double k : c) {
        sum += k * power;
        power *= x;
    }
    return sum;
}

}  // namespace

double ApparentMagnitude(Body body, double r, double delta, double phaseAngle, double ringTilt,
                         double decimalYear)
{
    if (!(delta > 0.0))
        return 0.0;
    if (body == Body::Sun)
        return -26.74 + 5.0 * std::log10(delta);
    if (!(r > 0.0))
        return 0.0;
    const double a = std::fabs(phaseAngle) * kRadToDeg;  // degrees
    const double distance = 5.0 * std::log10(r * delta);
    switch (body) {
    case Body::Sun:
        break;
    case Body::Moon:
        return -12.73 + 5.0 * std::log10(delta / kMoonMeanDistanceAU) + 0.026 * a +
               4.0e-9 * a * a * a * a;
    case Body::Mercury:
        return distance + Poly(a, {-0.613, 6.3280e-02, -1.6336e-03, 3.3644e-05, -3.4265e-07,
                                   1.6893e-09, -3.0334e-12});
    case Body::Venus:
        if (a < 163.7)
            return distance + Poly(a, {-4.384, -1.044e-03, 3.687e-04, -2.814e-06, 8.938e-09});
        return distance + Poly(a, {236.05828, -2.81914, 8.39034e-03});
    case Body::Mars:
        if (a <= 50.0)
            return distance + Poly(a, {-1.601, 2.267e-02, -1.302e-04});
        return distance + Poly(a, {-0.367, -0.02573, 3.445e-04});
    case Body::Jupiter:
        if (a <= 12.0)
            return distance + Poly(a, {-9.395, -3.7e-04, 6.16e-04});
        {
            const double x = a / 180.0;
            return distance - 9.428 -
                   2.5 * std::log10(Poly(x, {1.0, -1.507, -0.363, -0.062, 2.809, -1.876}));
        }
    case Body::Saturn: {
        const double sinTilt = std::sin(std::fabs(ringTilt));
        if (a <= 6.5 && std::fabs(ringTilt) <= 27.0 * kDegToRad)
            return distance - 8.914 - 1.825 * sinTilt + 0.026 * a -
                   0.378 * sinTilt * std::exp(-2.25 * a);
        return distance + Poly(a, {-8.94, 2.446e-04, 2.672e-04, -1.505e-06, 4.767e-09});
    }
    case Body::Uranus:
        return distance + Poly(a, {-7.110, 6.587e-03, 1.045e-04});
    case Body::Neptune: {
        double v10 = -7.00;
        if (decimalYear < 1980.0)
            v10 = -6.89;
        else if (decimalYear < 2000.0)
            v10 = -6.89 - 0.0055 * (decimalYear - 1980.0);
        return distance + v10 + 7.944e-03 * a + 9.617e-05 * a * a;
    }
    case Body::Pluto:
        return distance - 1.01 + 0.041 * a;
    }
    return 0.0;
}

double BodyRadiusKm(Body body)
{
    switch (body) {
    case Body::Sun: return 695700.0;
    case Body::Moon: return 1737.4;
    case Body::Mercury: return 2440.53;
    case Body::Venus: return 6051.8;
    case Body::Mars: return 3396.19;
    case Body::Jupiter: return 71492.0;
    case Body::Saturn: return 60268.0;
    case Body::Uranus: return 25559.0;
    case Body::Neptune: return 24764.0;
    case Body::Pluto: return 1188.3;
    }
    return 0.0;
}
