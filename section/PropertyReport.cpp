// PLACEHOLDER: section property report - being written.
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

CString CAS4100_98Section::SectPropString(const CDesFormat&) { return {}; }

}  // namespace Arbor::Steel::SteelAS4100
