// PLACEHOLDER: member driver - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

CAS4100_98Member::CAS4100_98Member() = default;
CAS4100_98Member::~CAS4100_98Member() = default;
CAS4100_98Member::CAS4100_98Member(const CAS4100_98Member& other) : CSteelMemberGen(other) {}
CAS4100_98Member* CAS4100_98Member::Clone() const { return new CAS4100_98Member(*this); }
CString CAS4100_98Member::Name(int) const { return L"AS 4100-1998"; }
CString CAS4100_98Member::Country(int) const { return L"AU"; }
bool CAS4100_98Member::Check() const { return false; }
bool CAS4100_98Member::QuickCheck() const { return false; }
void CAS4100_98Member::Clear() {}
bool CAS4100_98Member::SetSection(const Arbor::Data::CSection&) { return false; }
Arbor::Data::CSection CAS4100_98Member::GetSection() const { return sectionRecord_; }
bool CAS4100_98Member::SetSteelDesignProp(const CSteelGrade&) { return true; }
void CAS4100_98Member::SetEquivalentUniformMomentFactor(double v) { alphaM_ = v; }
void CAS4100_98Member::SetMomentAmplificationFactorStrongAxis(double v) { deltaStrong_ = v; }
void CAS4100_98Member::SetMomentAmplificationFactorWeakAxis(double v) { deltaWeak_ = v; }
bool CAS4100_98Member::CheckLocal() const { return true; }
void CAS4100_98Member::ReportUnhandledShape() const {}
bool CAS4100_98Member::QuickCheckStop() const { return false; }

}  // namespace Arbor::Steel::SteelAS4100

extern "C" Arbor::Steel::CSteelMemberGen* NewCode() {
    return new (std::nothrow) Arbor::Steel::SteelAS4100::CAS4100_98Member();
}
