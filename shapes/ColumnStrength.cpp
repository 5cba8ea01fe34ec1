// PLACEHOLDER: column strength (cl. 6.3.3) - being written.
#include "shapes/SectionCalcI.h"

namespace Arbor::Steel::SteelAS4100 {

double CSectionCalcI::Nc(double, Axis, double& ncr, CMemberResult*) const { ncr = 0; return 0.0; }
double CSectionCalcI::Ncxx(double le, double& ncr, CMemberResult* r) const { return Nc(le, XX, ncr, r); }
double CSectionCalcI::Ncyy(double le, double& ncr, CMemberResult* r) const { return Nc(le, YY, ncr, r); }
double CSectionCalcI::Ncuu(double le, double& ncr, CMemberResult* r) const { return Ncxx(le, ncr, r); }
double CSectionCalcI::Ncvv(double le, double& ncr, CMemberResult* r) const { return Ncyy(le, ncr, r); }

}  // namespace Arbor::Steel::SteelAS4100
