// Cubic equation solver, used for the flexural-torsional buckling load of angles.
#include "host/CubicSolve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Arbor::Numeric {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// A discriminant this small against its own terms is taken as zero: rounding must not turn a
// double root into a pair of complex ones.
constexpr double kDiscriminantTolerance = 1e-10;
constexpr int kPolishSteps = 2;

// Smallest real root of b·x² + c·x + d = 0 (or of the linear equation when b = 0); NaN when
// there is none.
double SmallestLowerOrderRoot(double b, double c, double d) {
    if (b == 0.0) return c != 0.0 ? -d / c : kNaN;
    const double disc = c * c - 4.0 * b * d;
    if (disc < 0.0) return kNaN;
    // q without cancellation; the second root from the product of the roots d/b
    const double q = -0.5 * (c + std::copysign(std::sqrt(disc), c));
    if (q == 0.0) return 0.0;  // c = 0 and d = 0: double root at 0
    return std::min(q / b, d / q);
}

// Newton steps on x³ + B·x² + C·x + D, kept only while they reduce the residual.
double Polish(double x, double B, double C, double D) {
    const auto f = [&](double t) { return ((t + B) * t + C) * t + D; };
    for (int i = 0; i < kPolishSteps; ++i) {
        const double slope = (3.0 * x + 2.0 * B) * x + C;
        if (slope == 0.0) break;
        const double next = x - f(x) / slope;
        if (!(std::fabs(f(next)) < std::fabs(f(x)))) break;
        x = next;
    }
    return x;
}

}  // namespace

// With the substitution x = t − B/3 the cubic becomes t³ + p·t + q = 0. Its discriminant
// (q/2)² + (p/3)³ is positive for one real root (Cardano) and not positive for three
// (trigonometric form, repeated roots included).
bool CubicSolve(double a, double b, double c, double d, double& x1, double& x2, double& x3) {
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) {
        x1 = kNaN;
        return false;
    }
    if (a == 0.0) {
        x1 = SmallestLowerOrderRoot(b, c, d);
        return false;
    }
    const double B = b / a, C = c / a, D = d / a;
    const double shift = -B / 3.0;
    const double p = C - B * B / 3.0;
    const double q = 2.0 * B * B * B / 27.0 - B * C / 3.0 + D;
    const double halfQSquared = 0.25 * q * q, thirdPCubed = p * p * p / 27.0;
    const double disc = halfQSquared + thirdPCubed;
    const double tolerance =
        kDiscriminantTolerance * std::max(halfQSquared, std::fabs(thirdPCubed));

    if (disc > tolerance) {
        const double root = std::sqrt(disc);
        x1 = Polish(std::cbrt(-0.5 * q + root) + std::cbrt(-0.5 * q - root) + shift, B, C, D);
        return false;
    }
    double roots[3] = {shift, shift, shift};  // p = q = 0: a triple root
    if (p < 0.0) {
        const double r = 2.0 * std::sqrt(-p / 3.0);
        const double cos3Theta = std::clamp(3.0 * q / (p * r), -1.0, 1.0);
        const double theta = std::acos(cos3Theta) / 3.0;
        for (int k = 0; k < 3; ++k)
            roots[k] =
                Polish(r * std::cos(theta - 2.0 * std::numbers::pi * k / 3.0) + shift, B, C, D);
    }
    std::sort(roots, roots + 3);
    x1 = roots[0];
    x2 = roots[1];
    x3 = roots[2];
    return true;
}

}  // namespace Arbor::Numeric
