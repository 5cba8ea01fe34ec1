// The checker object: life cycle, the choice of section calculator, the order of the checks
// and the local capacity check at both ends of every sub-span.
#include "member/AS4100Member.h"

#include <cmath>
#include <limits>
#include <new>

#include "shapes/SectionCalcAngle.h"
#include "shapes/SectionCalcCHS.h"
#include "shapes/SectionCalcI.h"
#include "shapes/SectionCalcPFC.h"
#include "shapes/SectionCalcRHS.h"
#include "shapes/SectionCalcT.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kZeroMoment = 1e-10;         // a smaller moment reaches the section as 0
constexpr double kReportedFactorDiff = 1e-4;  // δ this close to 1 is applied, not reported

const CString kShapeNotHandled = L"<b>Section shape not handled by steel code checker</b>\n";

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

// The calculator for a host shape code; null for shapes this checker does not handle.
std::shared_ptr<CAS4100_98Section> CreateCalculator(int shapeCode) {
    switch (shapeCode) {
        case Arbor::Data::SecShape::I:
        case Arbor::Data::SecShape::WeldedI:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcI());
        case Arbor::Data::SecShape::PFC:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcPFC());
        case Arbor::Data::SecShape::T:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcT());
        case Arbor::Data::SecShape::Angle:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcAngle());
        case Arbor::Data::SecShape::CHS:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcCHS());
        case Arbor::Data::SecShape::RHS:
            return std::shared_ptr<CAS4100_98Section>(new CSectionCalcRHS());
        default:
            return nullptr;
    }
}

// End moments as they reach the section: major and minor components amplified, any component
// of negligible magnitude exactly 0 (so an infinite factor cannot turn 0 into NaN).
Vec3 AmplifiedMoments(const Vec3& moments, double deltaMajor, double deltaMinor) {
    const double factors[3] = {1.0, deltaMajor, deltaMinor};
    Vec3 out;
    for (int c = 0; c < 3; ++c) {
        out[c] = std::fabs(moments[c]) < kZeroMoment ? 0.0 : moments[c] * factors[c];
    }
    return out;
}

// Runs a host-facing operation so that nothing is thrown across the module boundary.
template <typename Fn, typename T>
T NoThrow(Fn&& fn, T fallback) {
    try {
        return fn();
    } catch (...) {
        return fallback;
    }
}

}  // namespace

CAS4100_98Member::CAS4100_98Member() : sectionRecord_(CString()) {
    if (CMemberResult* result = Result()) {
        result->IniDynaArray(1);
        result->SetCurrentIndex(0);
    }
}

CAS4100_98Member::~CAS4100_98Member() = default;

// A copy owns its own calculator, deep-copied; the optional factors go with it.
CAS4100_98Member::CAS4100_98Member(const CAS4100_98Member& other)
    : CSteelMemberGen(other),
      section_(other.section_ ? std::shared_ptr<CAS4100_98Section>(other.section_->Clone())
                              : nullptr),
      sectionAccepted_(other.sectionAccepted_),
      interaction_(other.interaction_),
      sectionRecord_(other.sectionRecord_),
      alphaM_(other.alphaM_),
      deltaStrong_(other.deltaStrong_),
      deltaWeak_(other.deltaWeak_),
      rules_(other.rules_),
      keepUniaxialExponent_(other.keepUniaxialExponent_) {
    if (CMemberResult* result = Result()) {
        result->IniDynaArray(1);
        result->SetCurrentIndex(0);
    }
}

CAS4100_98Member* CAS4100_98Member::Clone() const {
    return NoThrow([this] { return new CAS4100_98Member(*this); },
                   static_cast<CAS4100_98Member*>(nullptr));
}

CString CAS4100_98Member::Name(int) const {
    return L"AS 4100-1998";
}
CString CAS4100_98Member::Country(int) const {
    return L"AU";
}

void CAS4100_98Member::Clear() {
    CSteelMemberGen::Clear();
    interaction_.clear();
    section_.reset();
    sectionAccepted_ = false;
    propertyText_.valid = false;
}

bool CAS4100_98Member::SetSection(const Arbor::Data::CSection& section) {
    return NoThrow(
        [&] {
            propertyText_.valid = false;
            sectionRecord_ = section;
            section_.reset();
            sectionAccepted_ = false;
            section_ = CreateCalculator(section.Shape());
            if (!section_) {
                ReportUnhandledShape();
                return false;
            }
            sectionAccepted_ = section_->SetArborSec(sectionRecord_, Result());
            section_->SetCodeName(Name(DesOpt()));
            section_->SetRules(rules_);
            section_->SetUniaxialExponentKept(keepUniaxialExponent_);
            return true;
        },
        false);
}

Arbor::Data::CSection CAS4100_98Member::GetSection() const {
    return sectionRecord_;
}

bool CAS4100_98Member::SetSteelDesignProp(const CSteelGrade& grade) {
    if (section_) section_->SetSteelDesignProp(grade);
    return true;
}

void CAS4100_98Member::SetRuleSet(RuleSet rules, bool keepUniaxialExponent) {
    rules_ = rules;
    keepUniaxialExponent_ = keepUniaxialExponent;
    if (!section_) return;
    section_->SetRules(rules);
    section_->SetUniaxialExponentKept(keepUniaxialExponent);
}

void CAS4100_98Member::SetEquivalentUniformMomentFactor(double alphaM) {
    alphaM_ = alphaM;
}
void CAS4100_98Member::SetMomentAmplificationFactorStrongAxis(double delta) {
    deltaStrong_ = delta;
}
void CAS4100_98Member::SetMomentAmplificationFactorWeakAxis(double delta) {
    deltaWeak_ = delta;
}

void CAS4100_98Member::ReportUnhandledShape() const {
    CMemberResult* result = Result();
    if (!result) return;
    result->AddFlags(ResultFlag::ShapeNotHandled);
    result->AddFlags(ResultFlag::Warning);
    result->SetUtilOverAll(kInfinity);
    if (result->TextEnabled()) result->AddOutputString(kShapeNotHandled);
}

bool CAS4100_98Member::QuickCheckStop() const {
    const CMemberResult* result = Result();
    return IsQuickCheckMode() && result && (result->Flags() & ResultFlag::Failed) != 0;
}

// Steps shared by Check and QuickCheck up to the checks themselves. Returns false when the
// check cannot run: the shape is not handled (reported unless quiet) or the input is refused.
bool CAS4100_98Member::PrepareCheck(bool reportUnhandled) const {
    CMemberResult* result = Result();
    if (result) {
        result->IniDynaArray(1);
        result->SetCurrentIndex(0);
    }
    // A refused record is tried again on a copy, so that the refusal reaches this result.
    bool accepted = section_ && sectionAccepted_;
    if (section_ && !accepted) {
        std::unique_ptr<CAS4100_98Section> probe(section_->Clone());
        accepted = probe && probe->SetArborSec(section_->GetArborSec(), result);
    }
    if (!accepted) {
        if (reportUnhandled) ReportUnhandledShape();
        return false;
    }
    section_->KeepValues();
    return ValidateInputData() && result != nullptr;
}

// The section property block is a pure function of the calculator's section, grade and
// options (its revision) and of the signs of its moments (-1, 0 or 1: the classes of some
// shapes test M > 0, M >= 0 or M <= 0), and the formatter has no state: it is built again
// only when one of them has changed, not for every check.
const CString& CAS4100_98Member::SectionPropertyText(const CDesFormat& format) const {
    const auto sign = [](double m) { return (m > 0.0 ? 1 : 0) - (m < 0.0 ? 1 : 0); };
    PropertyText& kept = propertyText_;
    const unsigned revision = section_->Revision();
    const int signMx = sign(section_->MomentXX());
    const int signMy = sign(section_->MomentYY());
    if (!kept.valid || kept.revision != revision || kept.signMx != signMx ||
        kept.signMy != signMy) {
        kept.text = section_->SectPropString(format);
        kept.valid = true;
        kept.revision = revision;
        kept.signMx = signMx;
        kept.signMy = signMy;
    }
    return kept.text;
}

// With the effective length override on and all three lengths zero the member gets no
// buckling check.
bool CAS4100_98Member::IsLocalOnly() const {
    return LengthOverride() && std::fabs(Lyy()) < 1e-10 && std::fabs(Lzz()) < 1e-10 &&
           std::fabs(Llt()) < 1e-10;
}

void CAS4100_98Member::SizeResult(bool withBucklingEntry) const {
    CMemberResult* result = Result();
    const int n = static_cast<int>(GetSubSpanVec().size());
    result->IniDynaArray(withBucklingEntry ? n + 2 : n + 1);
    if (withBucklingEntry) result->SetCurrentIndex(n + 1);
    result->SetBucklingEntry(withBucklingEntry);
}

bool CAS4100_98Member::Check() const {
    return NoThrow(
        [this] {
            if (!PrepareCheck(true)) return false;
            // βm and δ of a span are shared by its buckling records and local checks.
            const SpanMemo::Scope memo(spanMemo_);
            CMemberResult* result = Result();
            if (result->TextEnabled()) AddStringInput(SectionPropertyText(result->DesFormat()));
            if (IsLocalOnly()) {
                SizeResult(false);
                return CheckLocal();
            }
            SizeResult(true);
            const bool buckling = CheckBuckling();
            const bool local = CheckLocal();
            return buckling && local;
        },
        false);
}

bool CAS4100_98Member::QuickCheck() const {
    return NoThrow(
        [this] {
            if (!PrepareCheck(false)) return false;
            // βm and δ of a span are shared by its buckling records and local checks.
            const SpanMemo::Scope memo(spanMemo_);
            Result()->EnableText(false);
            if (IsLocalOnly()) {
                SizeResult(false);
                return CheckLocal();
            }
            SizeResult(true);
            if (!CheckBuckling()) return false;
            return CheckLocal();
        },
        false);
}

// The interaction record of sub-span i; a fresh record (no spans, no compression, so no
// amplification) when the buckling checks have not sized the records to the sub-spans, as in
// the local-only case.
const CInteractionData& CAS4100_98Member::RecordFor(size_t i) const {
    static const CInteractionData kFreshRecord;
    return interaction_.size() == GetSubSpanVec().size() ? interaction_[i] : kFreshRecord;
}

void CAS4100_98Member::ReportAmplification(const wchar_t* axisWord, const wchar_t* momentWord,
                                           double nStar, double nom, double delta) const {
    CMemberResult* result = Result();
    if (!WantsText(result) || std::fabs(delta - 1.0) < kReportedFactorDiff) return;
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(L"Axis force = " + f.Force(nStar) + L"\n");
    result->AddOutputString(JoinLine({L"Axial load capacity (", axisWord, L" axis) = "}) +
                            f.Force(nom) + L"\n");
    result->AddOutputString(
        JoinLine({L"Moment amplification factor to ", momentWord, L" axis moments = "}) +
        f.NoDim(delta) + L" (ref: " + section_->CodeName() + L" clause 4.4.2.2)\n");
    result->AddOutputString(JoinLine({L"This ", axisWord,
                                      L" axis moment amplification factor is also applied to "
                                      L"the following subspans\n\n"}));
}

bool CAS4100_98Member::CheckLocalEnd(const wchar_t* label, int pointIndex, const Vec3& forces,
                                     const Vec3& moments, double deltaMajor,
                                     double deltaMinor) const {
    CMemberResult* result = Result();
    const CMemberPoint& point = GetMemberPointVec()[static_cast<size_t>(pointIndex)];
    if (WantsText(result)) {
        result->AddOutputString(JoinLine({label, L"Position = "}) +
                                result->DesFormat().Length(point.Position()) + L"\n");
    }
    {
        const CSectionStep section(*section_);
        section->SetMemberForces(forces);
        section->SetMemberMoments(AmplifiedMoments(moments, deltaMajor, deltaMinor));
        section->SetMemberRestraint(point.GetRestraint());
        CResultIndent indent(result);
        section->LocalCapacityCheck(result);
    }
    return !QuickCheckStop();
}

bool CAS4100_98Member::CheckLocal() const {
    CMemberResult* result = Result();
    CResultIndent indent(result);
    const SubSpanVec& subSpans = GetSubSpanVec();
    const MemberPointVec& points = GetMemberPointVec();

    double deltaMajor = 1.0;
    double deltaMinor = 1.0;
    for (size_t i = 0; i < subSpans.size(); ++i) {
        const CSubSpan& subSpan = subSpans[i];
        const int left = subSpan.IndexCMPLeft();
        const int right = subSpan.IndexCMPRight();
        if (result) result->SetCurrentIndex(static_cast<int>(i) + 1);
        if (WantsText(result)) {
            const CDesFormat& f = result->DesFormat();
            result->AddOutputString(L"<h5>SubSpan " + f.Int(subSpan.Get1Index()) + L": ");
            result->AddOutputString(f.Length(points[static_cast<size_t>(left)].Position()) +
                                    L" to ");
            result->AddOutputString(f.Length(points[static_cast<size_t>(right)].Position()) +
                                    L"</h5>\n");
        }

        // cl. 4.4.2.2: one factor per buckling span, reused over the span's sub-spans.
        const CInteractionData& record = RecordFor(i);
        if (i == 0 || record.SpanXX != RecordFor(i - 1).SpanXX) {
            const CAS4100Span& span = record.SpanXX;
            deltaMajor =
                MomentAmplificationFactorStrongAxis(span.GetCMPIndexLeft(), span.GetCMPIndexRight(),
                                                    IsSpanLoaded(span), record.NStarX, record.Nomx);
            ReportAmplification(L"strong", L"major", record.NStarX, record.Nomx, deltaMajor);
        }
        if (i == 0 || record.SpanYY != RecordFor(i - 1).SpanYY) {
            const CAS4100Span& span = record.SpanYY;
            deltaMinor =
                MomentAmplificationFactorWeakAxis(span.GetCMPIndexLeft(), span.GetCMPIndexRight(),
                                                  IsSpanLoaded(span), record.NStarY, record.Nomy);
            ReportAmplification(L"weak", L"minor", record.NStarY, record.Nomy, deltaMinor);
        }

        CResultIndent ends(result);
        if (!CheckLocalEnd(L"LH end: ", left, subSpan.GetForcesLeft(), subSpan.GetMomentsLeft(),
                           deltaMajor, deltaMinor)) {
            return false;
        }
        if (!CheckLocalEnd(L"RH end: ", right, subSpan.GetForcesRight(), subSpan.GetMomentsRight(),
                           deltaMajor, deltaMinor)) {
            return false;
        }
    }
    return true;
}

}  // namespace Arbor::Steel::SteelAS4100

extern "C" Arbor::Steel::CSteelMemberGen* NewCode() {
    try {
        return new (std::nothrow) Arbor::Steel::SteelAS4100::CAS4100_98Member();
    } catch (...) {
        return nullptr;
    }
}
