// PLACEHOLDER: local capacity checks (cl. 5.11, 6.2, 7.2, 5.2, 8.3) - being written.
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

void CAS4100_98Section::LocalCapacityCheck(CMemberResult*) const {}
void CAS4100_98Section::LocalCapacityCheckCompressionMember(CMemberResult*) const {}
void CAS4100_98Section::LocalCapacityCheckTensionMember(CMemberResult*) const {}
void CAS4100_98Section::LocalCapacityCheckCompressionStrut(CMemberResult*) const {}
void CAS4100_98Section::LocalCapacityCheckTensionStrut(CMemberResult*) const {}

}  // namespace Arbor::Steel::SteelAS4100
