#pragma once

#include <functional>
#include <vector>

// Root searches for the almanac. The variable is a Julian date (days); the functions are
// continuous inside each bracket (angle differences are wrapped by the caller into
// (-pi, pi] and a bracket across a wrap is rejected by the scan).

using TimeFunction = std::function<double(double)>;

// A root of f in [a, b] where f(a) and f(b) have opposite signs (fa, fb given): regula
// falsi with the Illinois modification, falling back to bisection whenever a step does
// not shrink the bracket enough; stops when the bracket is below toleranceDays.
double RefineRoot(const TimeFunction& f, double a, double b, double fa, double fb,
                  double toleranceDays = 1e-7);

// Every root of f in [t0, t1) found by sampling at stepDays and refining each sign change
// with RefineRoot. A change across a jump (|f(a) - f(b)| > maxJump) is skipped: that is
// where a wrapped angle passes from +pi to -pi. rising: only changes from - to +;
// falling: only from + to -; both when both are true.
std::vector<double> FindRoots(const TimeFunction& f, double t0, double t1, double stepDays,
                              double maxJump, bool rising = true, bool falling = true);

// As FindRoots, over samples already computed: samples[i] = f(t0 + i * stepDays).
std::vector<double> FindRootsInSamples(const TimeFunction& f, double t0, double stepDays,
                                       const std::vector<double>& samples, double maxJump,
                                       bool rising = true, bool falling = true);

// The minimum of f in [a, b], f unimodal there: golden-section search to toleranceDays.
double MinimizeGolden(const TimeFunction& f, double a, double b, double toleranceDays = 1e-6);
