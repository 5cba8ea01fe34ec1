// PLACEHOLDER: buckling check driver - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::CheckBuckling() const { return CheckBucklingGen(); }
bool CAS4100_98Member::CheckBucklingGen() const { return true; }

}  // namespace Arbor::Steel::SteelAS4100
