// PLACEHOLDER - being written.
#include "host/SteelGrade.h"
namespace Arbor::Data {
const GradeBand* CSteelGrade::BandFor(double) const { return bands_.empty() ? nullptr : &bands_.front(); }
double CSteelGrade::DesignStrength(double t) const { auto* b = BandFor(t); return b ? b->fy : 0.0; }
double CSteelGrade::TensileStrength(double t) const { auto* b = BandFor(t); return b ? b->fu : 0.0; }
CString CSteelGrade::GetString(const Arbor::Util::CDesFormat&, double) const { return name_; }
}  // namespace Arbor::Data
