#include "astro/almanac/rootsearch.h"

#include <cmath>

double RefineRoot(const TimeFunction& f, double a, double b, double fa, double fb,
                  double toleranceDays)
{
    if (fa == 0.0)
        return a;
    if (fb == 0.0)
        return b;
    int side = 0;  // which end was kept on the previous step (Illinois)
    double previous = a;
    for (int iteration = 0; iteration < 100 && b - a > toleranceDays; ++iteration) {
        double t = (a * fb - b * fa) / (fb - fa);
        if (!(t > a && t < b))
            t = 0.5 * (a + b);
        const double ft = f(t);
        if (ft == 0.0 || std::fabs(t - previous) < 0.5 * toleranceDays)
            return t;
        previous = t;
        if ((ft < 0.0) == (fa < 0.0)) {
            a = t;
            fa = ft;
            if (side == -1)
                fb *= 0.5;
            side = -1;
        } else {
            b = t;
            fb = ft;
            if (side == 1)
                fa *= 0.5;
            side = 1;
        }
    }
    return (a * fb - b * fa) / (fb - fa);
}

std::vector<double> FindRootsInSamples(const TimeFunction& f, double t0, double stepDays,
                                       const std::vector<double>& samples, double maxJump,
                                       bool rising, bool falling)
{
    std::vector<double> roots;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const double fa = samples[i];
        const double fb = samples[i + 1];
        if (std::fabs(fb - fa) > maxJump)
            continue;
        const bool up = fa < 0.0 && fb >= 0.0;
        const bool down = fa >= 0.0 && fb < 0.0;
        if ((up && rising) || (down && falling)) {
            const double a = t0 + static_cast<double>(i) * stepDays;
            roots.push_back(RefineRoot(f, a, a + stepDays, fa, fb));
        }
    }
    return roots;
}

std::vector<double> FindRoots(const TimeFunction& f, double t0, double t1, double stepDays,
                              double maxJump, bool rising, bool falling)
{
    std::vector<double> samples;
    const int n = static_cast<int>(std::ceil((t1 - t0) / stepDays));
    samples.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        samples.push_back(f(t0 + i * stepDays));
    std::vector<double> roots =
        FindRootsInSamples(f, t0, stepDays, samples, maxJump, rising, falling);
    std::vector<double> inside;
    for (double r : roots)
        if (r >= t0 && r < t1)
            inside.push_back(r);
    return inside;
}

double MinimizeGolden(const TimeFunction& f, double a, double b, double toleranceDays)
{
    const double r = 0.6180339887498949;  // (sqrt(5) - 1) / 2
    double c = b - r * (b - a);
    double d = a + r * (b - a);
    double fc = f(c);
    double fd = f(d);
    while (b - a > toleranceDays) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - r * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + r * (b - a);
            fd = f(d);
        }
    }
    return 0.5 * (a + b);
}
