// PLACEHOLDER: shear and torsion capacity (cl. 5.11) - being written.
#include "shapes/SectionCalcI.h"

namespace Arbor::Steel::SteelAS4100 {

double CSectionCalcI::ShearAreaX(CMemberResult*) const { return 0.0; }
double CSectionCalcI::ShearAreaY(CMemberResult*) const { return 0.0; }
double CSectionCalcI::ShearCapacityX(CMemberResult*) const { return 0.0; }
double CSectionCalcI::ShearCapacityY(CMemberResult*) const { return 0.0; }
double CSectionCalcI::TorsionCapacity(CMemberResult*) const { return 0.0; }
bool CSectionCalcI::IsWebYShearSlender() const { return false; }
bool CSectionCalcI::IsWebXShearSlender() const { return false; }
double CSectionCalcI::MaxThick() const { return 0.0; }
double CSectionCalcI::MaxShearStressX(CMemberResult*) const { return 0.0; }
double CSectionCalcI::MaxShearStressY(CMemberResult*) const { return 0.0; }

}  // namespace Arbor::Steel::SteelAS4100
