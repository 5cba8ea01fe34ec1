// PLACEHOLDER: member moment capacity (cl. 5.6.1.1, 5.6.3) - being written.
#include "section/AS4100Section.h"
#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100 {

double CAS4100_98Section::Mbxx(const CAS4100Span&, double, CMemberResult*, bool, double) const { return 0.0; }
double CAS4100_98Section::SegmentEffectiveLength(const CAS4100Span&, CMemberResult*, bool, double) const { return 0.0; }
double CAS4100_98Section::LoadHeightFactor(const CAS4100Span&, bool) const { return 1.0; }

}  // namespace Arbor::Steel::SteelAS4100
