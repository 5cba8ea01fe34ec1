// PLACEHOLDER: span restraint types (cl. 5.4) - being written.
#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100 {

unsigned CAS4100Span::RestType(bool, const CRestraint&) { return RestraintType::U; }
unsigned CAS4100Span::LEndRestType(double) const { return RestraintType::U; }
unsigned CAS4100Span::REndRestType(double) const { return RestraintType::U; }
bool CAS4100Span::IsCantilever() const { return false; }
double CAS4100Span::GetLoadHeightAtEnds() const { return 0.0; }
double CAS4100Span::GetLoadHeightAtSpan() const { return 0.0; }

}  // namespace Arbor::Steel::SteelAS4100
