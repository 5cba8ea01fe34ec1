// The AS 4100-1998 checker the host creates through NewCode: one member at a time.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "buckling/InteractionData.h"
#include "buckling/SpanActions.h"
#include "buckling/SpanMemo.h"
#include "host/SteelMember.h"
#include "section/AS4100Section.h"
#include "span/AS4100Span.h"

#if defined(_WIN32)
#define AS4100_EXPORT __declspec(dllexport)
#else
#define AS4100_EXPORT __attribute__((visibility("default")))
#endif

namespace Arbor::Steel::SteelAS4100 {

struct MemberTestAccess;  // tests reach the private checks through it

class AS4100_EXPORT CAS4100_98Member : public CSteelMemberGen {
  public:
    CAS4100_98Member();
    ~CAS4100_98Member() override;

    CAS4100_98Member* Clone() const override;
    CString Name(int option) const override;
    CString Country(int option) const override;
    bool Check() const override;
    bool QuickCheck() const override;
    void Clear() override;
    std::optional<SubspanEffectiveLengthData> GetMemberEffectiveLengthData() override;
    bool SetSection(const Arbor::Data::CSection& section) override;
    Arbor::Data::CSection GetSection() const override;
    bool SetSteelDesignProp(const CSteelGrade& grade) override;
    void SetEquivalentUniformMomentFactor(double alphaM) override;
    void SetMomentAmplificationFactorStrongAxis(double delta) override;
    void SetMomentAmplificationFactorWeakAxis(double delta) override;

    // The reading of AS 4100 the checks apply, chosen per member (default: the rules as
    // written, so a host that never sets it sees no change; docs/departures.md).
    // keepUniaxialExponent: under the standard's reading, the combined checks with bending
    // about one axis keep the biaxial exponent of the rules as written (the watch's comparison).
    void SetRuleSet(RuleSet rules, bool keepUniaxialExponent = false);
    RuleSet GetRuleSet() const { return rules_; }

    // Moment modification factor αm of a segment (cl. 5.6.1.1).
    double Alpha_M(const CAS4100Span& span) const;
    // The calculator held (null before a successful SetSection).
    const CAS4100_98Section* Section() const { return section_.get(); }
    const std::vector<CInteractionData>& GetInteractionData() const { return interaction_; }

  protected:
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataXX() override;
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataYY() override;
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataLT() override;

  private:
    friend struct MemberTestAccess;
    CAS4100_98Member(const CAS4100_98Member& other);
    CAS4100_98Member& operator=(const CAS4100_98Member&) = delete;

    // A literal report line goes out as it is: no string is built with the report off.
    using CSteelMemberGen::AddStringInput;
    void AddStringInput(const wchar_t* text) const {
        if (Result() && Result()->TextEnabled()) CSteelMemberGen::AddStringInput(text);
    }

    // Member driver.
    bool PrepareCheck(bool reportUnhandled) const;
    bool IsLocalOnly() const;
    void SizeResult(bool withBucklingEntry) const;
    bool CheckLocal() const;
    bool CheckLocalEnd(const wchar_t* label, int pointIndex, const Vec3& forces,
                       const Vec3& moments, double deltaMajor, double deltaMinor) const;
    const CInteractionData& RecordFor(size_t subSpanIndex) const;
    void ReportAmplification(const wchar_t* axisWord, const wchar_t* momentWord, double nStar,
                             double nom, double delta) const;
    void ReportUnhandledShape() const;
    const CString& SectionPropertyText(const CDesFormat& format) const;
    bool QuickCheckStop() const;  // quick-check mode and the result marked failed (bit 4)

    // Span search and effective lengths (cl. 4.6.3, 5.6.3).
    bool FindNextXXSpan(CAS4100Span& span) const;
    bool FindNextYYSpan(CAS4100Span& span) const;
    bool FindNextVVStrutSpan(CAS4100Span& span) const;
    bool FindNextXXStrutSpan(CAS4100Span& span) const;
    bool FindNextYYStrutSpan(CAS4100Span& span) const;
    bool FindNextLTSpan(CAS4100Span& span) const;
    double EffectiveLengthXX(const CAS4100Span& span) const;
    double EffectiveLengthYY(const CAS4100Span& span) const;
    double EffectiveStrutLengthXX(const CAS4100Span& span, bool flag) const;
    double EffectiveStrutLengthYY(const CAS4100Span& span, bool flag) const;
    double EffectiveStrutLengthVV(const CAS4100Span& span, bool flag) const;
    double EffectiveLengthLT(const CAS4100Span& span, double depth, bool flag) const;
    bool IsValidSegmentLT(const CAS4100Span& span, const SpanActions::EndMoments& moments) const;
    double OverrideLength(double value) const;  // v >= 0: v; v < 0: -v × member length
    bool IsCantilever(const CSpan& span) const;
    bool IsEndsFullOrPartRestrained(const CAS4100Span& span) const;
    // Critical flange of a segment (cl. 5.5): by the rules as written flange 2 for a
    // cantilever and flange 1 otherwise; by the standard's reading the tension flange of a
    // cantilever and the compression flange otherwise, under the segment's largest moment.
    bool IsFlange1Critical(const CSpan& span) const;
    // The lateral restraint bit of the critical flange along a segment held continuously.
    unsigned ContinuousRestraintFlangeBit(const CSpan& span) const;

    // Buckling drivers and span checks (cl. 6.3, 5.6, 8.4).
    bool CheckBuckling() const;
    bool CheckBucklingGen() const;
    bool CheckSpanXX(const CAS4100Span& span) const;
    bool CheckSpanYY(const CAS4100Span& span) const;
    bool CheckSpanT(const CAS4100Span& span) const;
    bool CheckSpanTF(CInteractionData& record) const;
    bool CheckSpanLT(const CInteractionData& record) const;
    bool CheckBucklingInteraction(const CInteractionData& record) const;
    // Angle struts in principal axes (cl. 6.3, 5.6, 8.4); the X-X, Y-Y, torsional and
    // flexural-torsional strut checks are those of the general driver.
    bool CheckBucklingStrut() const;
    bool CheckStrutSpanXX(const CAS4100Span& span) const;
    bool CheckStrutSpanYY(const CAS4100Span& span) const;
    bool CheckStrutSpanT(const CAS4100Span& span) const;
    bool CheckStrutSpanTF(CInteractionData& record) const;
    bool CheckStrutSpanUU(const CAS4100Span& span) const;
    bool CheckStrutSpanVV(const CAS4100Span& span) const;
    bool CheckStrutSpanLT(const CAS4100Span& span) const;
    bool CheckStrutBucklingInteraction(const CInteractionData& record) const;
    // Whether lateral-torsional buckling governs the span (cl. 5.3.2.4, 5.6); le receives the
    // user's effective length, 0 for a span held along its length, +inf otherwise.
    bool IsLTBucklingApplicable(const CAS4100Span& span, double& le) const;

    // Moment amplification (cl. 4.4.2.2).
    double MomentAmplificationFactor(double N, double Nom, double betaM) const;
    double MomentAmplificationFactorStrongAxis(int cmpLeft, int cmpRight, bool loaded, double N,
                                               double Nom) const;
    double MomentAmplificationFactorWeakAxis(int cmpLeft, int cmpRight, bool loaded, double N,
                                             double Nom) const;
    double FactorBetaM(int cmpLeft, int cmpRight, bool loaded, bool strongAxis) const;
    bool IsLoadedForBetaM(const MemberPointVec& points, const SubSpanVec& subSpans, int cmpLeft,
                          int cmpRight, bool loaded, bool strongAxis) const;
    double BetaM_x(const CSpan& span) const;
    double BetaM_y(const CSpan& span) const;
    bool IsSpanLoaded(const CSpan& span) const;  // span.IsLoaded(false), once per check

    std::shared_ptr<CAS4100_98Section> section_;
    // The calculator took the record at SetSection: a check need not validate it again.
    bool sectionAccepted_ = false;
    mutable std::vector<CInteractionData> interaction_;
    mutable SpanMemo spanMemo_;  // per-span values during a buckling walk
    // The section property block of the report as last built, with what it was built from:
    // the calculator's revision and the signs of its moments (the class about an axis of a
    // mono-symmetric section depends on them). SetSection and Clear drop it; copies start
    // without it.
    struct PropertyText {
        bool valid = false;
        unsigned revision = 0;
        int signMx = 0;
        int signMy = 0;
        CString text;
    };
    mutable PropertyText propertyText_;
    Arbor::Data::CSection sectionRecord_;
    std::optional<double> alphaM_;
    std::optional<double> deltaStrong_;
    std::optional<double> deltaWeak_;
    RuleSet rules_ = RuleSet::AsWritten;
    bool keepUniaxialExponent_ = false;
};

}  // namespace Arbor::Steel::SteelAS4100

// The module's one factory: a new checker owned by the caller, null when allocation fails.
extern "C" AS4100_EXPORT Arbor::Steel::CSteelMemberGen* NewCode();
