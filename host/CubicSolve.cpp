// PLACEHOLDER - being written.
#include "host/CubicSolve.h"
namespace Arbor::Numeric {
bool CubicSolve(double, double, double, double, double& x1, double&, double&) { x1 = 0; return false; }
}  // namespace Arbor::Numeric
