// PLACEHOLDER: elastic buckling moment and restraint factors (cl. 5.6) - being written.
#include "shapes/SectionCalcI.h"
#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100 {

bool CSectionCalcI::IsFullyRestrained(double, double, CMemberResult*) const { return false; }
double CSectionCalcI::Moa(const CAS4100Span&, CMemberResult*, bool, double) const { return 0.0; }
double CSectionCalcI::TwistFactor(const CAS4100Span&) const { return 1.0; }
double CSectionCalcI::RotationalFactor(const CAS4100Span&) const { return 1.0; }

}  // namespace Arbor::Steel::SteelAS4100
