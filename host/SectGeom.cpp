// PLACEHOLDER - being written.
#include "host/SectGeom.h"
namespace Arbor::Steel {
bool CDesSectGeom::IsWelded() const { return false; }
bool CDesSectGeomI::SetArborSec(const Arbor::Data::CSection&, CMemberResult*) { return false; }
bool CDesSectGeomI::IsXXSymmetric() const { return true; }
void CDesSectGeomI::MirrorXX() {}
CString CDesSectGeomI::SectGeomString(const CDesFormat&) const { return {}; }
GrossProperties CDesSectGeomI::Compute(double, double, double, double, double, double, double) { return {}; }
}  // namespace Arbor::Steel
