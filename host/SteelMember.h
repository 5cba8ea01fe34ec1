// Design-code member base classes of the host (ArUtil's CDesign, ArSteel's member classes).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "host/CString.h"
#include "host/MemberResult.h"
#include "host/Section.h"
#include "host/Span.h"
#include "host/SteelGrade.h"

namespace Arbor::Data::Design {

class CDesign {
public:
    virtual ~CDesign() = default;
    virtual int Category() const { return 0; }  // 0: steel member design
    virtual void SetDesOpt(int option) { desOpt_ = option; }
    virtual int DesOpt() const { return desOpt_; }
    virtual int NumDesOpt() const { return 1; }
    virtual CString Name(int option) const = 0;
    virtual CString Country(int option) const = 0;

private:
    int desOpt_ = 0;
};

}  // namespace Arbor::Data::Design

namespace Arbor::Steel {

class CCloneable {
public:
    virtual ~CCloneable() = default;
};

// Effective lengths that a code checker used, per span, for the host to show.
struct SubspanEffectiveLengthData {
    struct Entry {
        Entry() = default;
        Entry(std::uint64_t left, std::uint64_t right, double posLeft, double posRight, double le,
              double r)
            : cmpLeft(left), cmpRight(right), posLeft(posLeft), posRight(posRight), le(le), r(r) {}
        std::uint64_t cmpLeft = 0, cmpRight = 0;  // member point indices of the span's ends
        double posLeft = 0, posRight = 0;          // their positions, metres
        double le = 0;                             // effective length, metres (may be inf)
        double r = 0;                              // radius of gyration used, metres
    };
    using Map = std::map<int, Entry>;

    SubspanEffectiveLengthData() = default;
    SubspanEffectiveLengthData(Map major, Map minor, Map lateralTorsional)
        : majorAxis(std::move(major)), minorAxis(std::move(minor)), lt(std::move(lateralTorsional)) {}

    Map majorAxis, minorAxis, lt;
};

class CSteelMember : public Arbor::Data::Design::CDesign, public CCloneable {
public:
    virtual CSteelMember* Clone() const = 0;
};

// The member as the host hands it to a code checker.
class CSteelMemberGen : public CSteelMember {
public:
    CSteelMemberGen() = default;
    CSteelMemberGen(const CSteelMemberGen&) = default;
    CSteelMemberGen& operator=(const CSteelMemberGen&) = default;

    virtual bool Check() const = 0;
    virtual bool QuickCheck() const = 0;
    // Forgets the member's data (points, sub-spans, title, overrides); keeps the result pointer.
    virtual void Clear();
    virtual std::optional<SubspanEffectiveLengthData> GetMemberEffectiveLengthData() = 0;
    virtual bool SetSection(const Arbor::Data::CSection& section) = 0;
    virtual Arbor::Data::CSection GetSection() const = 0;
    virtual bool SetSteelDesignProp(const CSteelGrade& grade) = 0;

    virtual void SetResult(CMemberResult* result) { result_ = result; }
    virtual void SetMemberPointVec(const MemberPointVec& points) { points_ = points; }
    virtual void SetSubSpanVec(const SubSpanVec& subSpans) { subSpans_ = subSpans; }
    virtual void SetTitle(const CString& title) { title_ = title; }
    virtual void SetQuickCheckMode(bool on = true) { quickCheck_ = on; }
    virtual const MemberPointVec& GetMemberPointVec() const { return points_; }
    virtual const SubSpanVec& GetSubSpanVec() const { return subSpans_; }
    virtual const CString& GetTitle() const { return title_; }
    // Distance from the first to the last member point.
    virtual double Length() const;
    virtual void SetLengthOverride(bool on) { lengthOverride_ = on; }
    virtual void SetLyy(double v) { lyy_ = v; }
    virtual void SetLzz(double v) { lzz_ = v; }
    virtual void SetLlt(double v) { llt_ = v; }
    virtual void SetNumSubSpansUser(int n) { numSubSpansUser_ = n; }
    virtual void SetEquivalentUniformMomentFactor(double) {}
    virtual void SetMomentAmplificationFactorStrongAxis(double) {}
    virtual void SetMomentAmplificationFactorWeakAxis(double) {}
    // CSV import belongs to the analysis program's own exchange formats; our host reads
    // member files instead (app/), so these report that nothing was read.
    virtual bool CSVInputData(const CString& line, CSteelGrade& grade);
    virtual bool CSVInputData(CSteelGrade& grade);

protected:
    virtual SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataXX() = 0;
    virtual SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataYY() = 0;
    virtual SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataLT() = 0;

public:
    virtual bool LengthOverride() const { return lengthOverride_; }
    virtual double Lyy() const { return lyy_; }
    virtual double Lzz() const { return lzz_; }
    virtual double Llt() const { return llt_; }
    virtual int NumSubSpansUser() const { return numSubSpansUser_; }

    CMemberResult* Result() const { return result_; }
    bool IsQuickCheckMode() const { return quickCheck_; }

protected:
    // Enough data for a check: at least two member points with finite, strictly increasing
    // positions and one sub-span between each pair, each sub-span numbered in order.
    bool ValidateInputData() const;
    // Appends report text when a result exists and its text is on.
    void AddStringInput(const CString& text) const;

private:
    CMemberResult* result_ = nullptr;
    MemberPointVec points_;
    SubSpanVec subSpans_;
    CString title_;
    bool quickCheck_ = false;
    bool lengthOverride_ = false;
    double lyy_ = 0.0, lzz_ = 0.0, llt_ = 0.0;
    int numSubSpansUser_ = 0;
};

}  // namespace Arbor::Steel
