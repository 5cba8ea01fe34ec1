// Cubic equation solver (ArNumeric).
#pragma once

namespace Arbor::Numeric {

// Solves a·x³ + b·x² + c·x + d = 0. True: three real roots in x1 <= x2 <= x3; false: one real
// root in x1 (x2 and x3 untouched). With a = 0 the result is false and x1 holds the smallest
// real root of the lower-order equation (NaN when it has none).
bool CubicSolve(double a, double b, double c, double d, double& x1, double& x2, double& x3);

}  // namespace Arbor::Numeric
