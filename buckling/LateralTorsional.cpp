// PLACEHOLDER: lateral-torsional buckling span check (cl. 5.6) - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::CheckSpanLT(const CInteractionData&) const { return true; }
double CAS4100_98Member::Alpha_M(const CAS4100Span&) const { return 1.0; }

}  // namespace Arbor::Steel::SteelAS4100
