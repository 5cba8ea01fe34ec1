// PLACEHOLDER - being written.
#include "host/MemberResult.h"
#include <cmath>
#include <limits>
namespace Arbor::Steel {
CMemberResult::CMemberResult() { IniDynaArray(1); }
void CMemberResult::IniDynaArray(int n) { entries_.assign(static_cast<size_t>(n > 0 ? n : 0), Entry{}); current_ = 0; }
void CMemberResult::SetCurrentIndex(int i) { current_ = i; }
void CMemberResult::SetUtil(UtilKind, double) {}
double CMemberResult::Util(int, UtilKind) const { return 0.0; }
void CMemberResult::SetUtilOverAll(double u) { overall_ = u; overallSet_ = true; }
double CMemberResult::UtilOverAll() const { return overall_; }
void CMemberResult::AddFlags(unsigned f) { flags_ |= f; }
void CMemberResult::AddOutputString(const CString& m) { report_.push_back({indent_, m}); }
double CMemberResult::InfinitiseNANs(double v) { return std::isnan(v) ? std::numeric_limits<double>::infinity() : v; }
void CMemberResult::Reset() { *this = CMemberResult(); }
}  // namespace Arbor::Steel
