// PLACEHOLDER: torsional and flexural-torsional span checks - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::CheckSpanT(const CAS4100Span&) const { return true; }
bool CAS4100_98Member::CheckSpanTF(CInteractionData&) const { return true; }

}  // namespace Arbor::Steel::SteelAS4100
