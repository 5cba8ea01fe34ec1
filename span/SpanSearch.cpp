// PLACEHOLDER: span search and effective lengths - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

bool CAS4100_98Member::FindNextXXSpan(CAS4100Span&) const { return false; }
bool CAS4100_98Member::FindNextYYSpan(CAS4100Span&) const { return false; }
bool CAS4100_98Member::FindNextVVStrutSpan(CAS4100Span&) const { return false; }
bool CAS4100_98Member::FindNextXXStrutSpan(CAS4100Span&) const { return false; }
bool CAS4100_98Member::FindNextYYStrutSpan(CAS4100Span&) const { return false; }
bool CAS4100_98Member::FindNextLTSpan(CAS4100Span&) const { return false; }
double CAS4100_98Member::EffectiveLengthXX(const CAS4100Span&) const { return 0.0; }
double CAS4100_98Member::EffectiveLengthYY(const CAS4100Span&) const { return 0.0; }
double CAS4100_98Member::EffectiveStrutLengthXX(const CAS4100Span&, bool) const { return 0.0; }
double CAS4100_98Member::EffectiveStrutLengthYY(const CAS4100Span&, bool) const { return 0.0; }
double CAS4100_98Member::EffectiveStrutLengthVV(const CAS4100Span&, bool) const { return 0.0; }
double CAS4100_98Member::EffectiveLengthLT(const CAS4100Span&, double, bool) const { return 0.0; }
double CAS4100_98Member::OverrideLength(double v) const { return v; }
bool CAS4100_98Member::IsCantilever(const CSpan&) const { return false; }
bool CAS4100_98Member::IsEndsFullOrPartRestrained(const CAS4100Span&) const { return false; }
std::optional<SubspanEffectiveLengthData> CAS4100_98Member::GetMemberEffectiveLengthData() { return std::nullopt; }
SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataXX() { return {}; }
SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataYY() { return {}; }
SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataLT() { return {}; }

}  // namespace Arbor::Steel::SteelAS4100
