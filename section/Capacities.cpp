// PLACEHOLDER: section capacities (cl. 5.2, 7.2, 5.12.3) - being written.
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

double CAS4100_98Section::MsXX(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::MsYY(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::MsUU(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::MsVV(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::Pt(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::EnhancedMomentXX(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::EnhancedMomentYY(CMemberResult*) const { return 0.0; }
double CAS4100_98Section::InteractionShearCapacity(double, bool, CMemberResult*) const { return 0.0; }

}  // namespace Arbor::Steel::SteelAS4100
