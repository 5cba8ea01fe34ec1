// PLACEHOLDER: axial buckling span checks (cl. 6.3) - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::CheckSpanXX(const CAS4100Span&) const { return true; }
bool CAS4100_98Member::CheckSpanYY(const CAS4100Span&) const { return true; }

}  // namespace Arbor::Steel::SteelAS4100
