// PLACEHOLDER: member buckling interaction (cl. 8.4) - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::CheckBucklingInteraction(const CInteractionData&) const { return true; }

}  // namespace Arbor::Steel::SteelAS4100
