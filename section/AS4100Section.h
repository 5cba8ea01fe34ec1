// The code-level section: one section of the member seen through AS 4100-1998. Abstract; each
// shape calculator (shapes/) implements the virtual interface below, declared in slot order.
#pragma once

#include <map>
#include <memory>

#include "host/MemberResult.h"
#include "host/SectGeom.h"
#include "host/Section.h"
#include "host/SectionCodeBase.h"
#include "span/RuleSet.h"

namespace Arbor::Steel::SteelAS4100 {

class CAS4100Span;

class CAS4100_98Section : public CSectionCodeBase {
  public:
    // Local buckling class of a section or element (cl. 5.2).
    enum BucklingClass { Invalid = 0, Compact = 1, NonCompact = 2, Slender = 3, Deform = 4 };
    // Which slenderness limit of Table 5.2: plasticity λep, yield λey, deformation λed.
    enum SectionClass { PlasticityLimit = 0, YieldLimit = 1, DeformationLimit = 2 };

    CAS4100_98Section();
    CAS4100_98Section(const CAS4100_98Section&) = default;
    CAS4100_98Section& operator=(const CAS4100_98Section& other);

    // --- slots 0 to 79 ---
    virtual CAS4100_98Section* Clone() const = 0;  // 0
    ~CAS4100_98Section() override = default;       // 1
    // 2 SetSteelDesignProp: host
    virtual void ClearAllResultCaches() const {}      // 3
    virtual void ClearVolatileResultCache() const {}  // 4
  protected:
    void MirrorXX() override { CSectionCodeBase::MirrorXX(); }  // 5
  public:
    virtual double Area() const = 0;                                               // 6
    virtual double Ybar() const = 0;                                               // 7
    virtual double Xbar() const = 0;                                               // 8
    virtual double Ixx() const = 0;                                                // 9
    virtual double Iyy() const = 0;                                                // 10
    virtual double Ixy() const = 0;                                                // 11
    virtual double Sxx() const = 0;                                                // 12
    virtual double Syy() const = 0;                                                // 13
    virtual double Zxx() const = 0;                                                // 14
    virtual double Zyy() const = 0;                                                // 15
    virtual double J() const = 0;                                                  // 16
    bool SetArborSec(const Arbor::Data::CSection& s, CMemberResult* r) override {  // 17
        return CSectionCodeBase::SetArborSec(s, r);
    }
    // 18-22 Gamma, Iuu, Ivv, Alpha, GetArborSec: host (CSectionCodeBase)
    virtual BucklingClass BucklingClassXX(CMemberResult* result) = 0;       // 23
    virtual BucklingClass BucklingClassYY(CMemberResult* result) = 0;       // 24
    virtual BucklingClass BucklingClassOverAll(CMemberResult* result) = 0;  // 25
    virtual double LambdaWeb() const { return 0.0; }                        // 26
    virtual double LambdaWebYield() const;                                  // 27 +inf
    virtual double Anet() const { return Area() * NetAreaRatio(); }         // 28
    virtual double Depth() const = 0;                                       // 29
    virtual double AlphaB(const double& kf) const = 0;                      // 30
    virtual double Kt() const = 0;                                          // 31
    virtual double ZxxEffective() const = 0;                                // 32
    virtual double ZyyEffective() const = 0;                                // 33
    virtual double AreaCompEffective() const = 0;                           // 34
    virtual double ZuuEffective() const { return 0.0; }                     // 35
    virtual double ZvvEffective() const { return 0.0; }                     // 36
    virtual double ShearAreaX(CMemberResult* result) const = 0;             // 37
    virtual double ShearAreaY(CMemberResult* result) const = 0;             // 38
    virtual bool IsCircular() const = 0;                                    // 39
    virtual bool IsDoublySymmetric() const = 0;                             // 40
    virtual bool IsHollow() const = 0;                                      // 41
    virtual bool IsIorHSection() const = 0;                                 // 42
    virtual bool IsRectangular() const = 0;                                 // 43
    virtual bool IsSquare() const = 0;                                      // 44
    virtual bool IsStrutAndTieOnly() const = 0;                             // 45
    virtual bool IsStrutOnlyConnection() { return false; }                  // 46
    virtual bool IsSectionXXStrut() const = 0;                              // 47
    virtual bool IsSectionYYStrut() const = 0;                              // 48
    virtual bool IsVVSpanExist() const = 0;                                 // 49
    virtual bool IsWelded() const = 0;                                      // 50
    virtual double MaxThick() const = 0;                                    // 51
    virtual bool IsFullyRestrained(double length, double betaM,             // 52
                                   CMemberResult* result) const = 0;
    virtual double ShearCapacityX(CMemberResult* result) const = 0;     // 53
    virtual double ShearCapacityY(CMemberResult* result) const = 0;     // 54
    virtual double TorsionCapacity(CMemberResult* result) const = 0;    // 55
    virtual bool IsWebYShearSlender() const { return true; }            // 56
    virtual double Moa(const CAS4100Span& span, CMemberResult* result,  // 57
                       bool useOverride, double overrideLength) const = 0;
    virtual double Ncxx(double le, double& ncr, CMemberResult* result) const = 0;  // 58
    virtual double Ncyy(double le, double& ncr, CMemberResult* result) const = 0;  // 59
    virtual double NcT(double le, double& noz, CMemberResult* result) const = 0;   // 60
    virtual double NcTF(double nomx, double nomy, double nomz, double& aux,        // 61
                        CMemberResult* result) const = 0;
    virtual double Ncuu(double le, double& ncr, CMemberResult* result) const = 0;       // 62
    virtual double Ncvv(double le, double& ncr, CMemberResult* result) const = 0;       // 63
    virtual double Pt(CMemberResult* result) const;                                     // 64
    virtual double DeltaMxx(CMemberResult* result) const = 0;                           // 65
    virtual double DeltaMyy(CMemberResult* result) const = 0;                           // 66
    virtual double TwistFactor(const CAS4100Span& span) const = 0;                      // 67
    virtual double RotationalFactor(const CAS4100Span& span) const = 0;                 // 68
    virtual double LoadHeightFactor(const CAS4100Span& span, bool skipEndTest) const;   // 69
    virtual double DesignStressMin() const;                                             // 70
    virtual double TensileStrength() const;                                             // 71
    virtual double YoungsModulus() const;                                               // 72
    virtual double ShearModulus() const;                                                // 73
    virtual CString SectPropString(const CDesFormat& format);                           // 74
    virtual double Muu(double, double, double, double) const { return 0.0; }            // 75
    virtual double Mvv(double, double, double, double) const { return 0.0; }            // 76
    virtual double Mbxx(const CAS4100Span& span, double alphaM, CMemberResult* result,  // 77
                        bool useOverride, double overrideLength) const;
    virtual bool IsMajorAxisBendingCheck() const { return false; }  // 78
    virtual bool IsMinorAxisBendingCheck() const { return false; }  // 79
    // Slots 80 to 85 (CloneGeom, XbarCompEffective, YbarCompEffective, BucklingClassComp,
    // MaxShearStressX, MaxShearStressY) are declared by each calculator.

    // --- non-virtual operations ---
    const CString& CodeName() const { return *codeName_; }
    void SetCodeName(const CString& name);
    // The reading of the standard the checks apply (default: the rules as written); set by
    // the member and carried by every clone.
    RuleSet Rules() const { return rules_; }
    void SetRules(RuleSet rules) {
        rules_ = rules;
        Touch();
    }
    // Under the standard's reading, keep the biaxial exponent on combined checks with bending
    // about one axis (the watch on the rules, which compares without this difference).
    void SetUniaxialExponentKept(bool kept) { uniaxialExponentKept_ = kept; }
    // Exponent of the combined ratios: the biaxial one (1.4, or γ of cl. 8.3.4) by the rules as
    // written or when both moments are present; 1 for bending about one axis by the standard's
    // reading (cl. 8.3.2, 8.3.3, 8.4.2.2, 8.4.4).
    double CombinedExponent(double biaxial, bool bothAxes) const;
    // A moment ratio below this counts as no moment about that axis (our choice: its term
    // raised to 1.4 would be below 1e-8).
    static constexpr double kNoMomentRatio = 1e-6;
    // fy for the shear capacity of a plate of thickness t: the section's design stress by the
    // rules as written, the plate's own fy by the standard's reading (cl. 5.11.4).
    double ShearYieldStress(double plateThickness) const;
    // Capacity reduction factor φ (Table 3.4): 0.9 for every action here.
    double Phi() const { return kPhi; }
    static constexpr double kPhi = 0.9;
    // An eccentricity moment ΔM at or below this magnitude is taken as none.
    static constexpr double kNegligibleEccentricityMoment = 1e-6;

    BucklingClass BucklingClassBiAxial(CMemberResult* result);

    // Computes the kept values of this object (fy, fu, effective moduli and area, classes) so
    // that its copies start with them; again only after the section, grade or options change.
    void KeepValues();

    // Section capacities (cl. 5.2, 7.2, 5.12.3).
    double MsXX(CMemberResult* result) const;
    double MsYY(CMemberResult* result) const;
    double MsUU(CMemberResult* result) const;
    double MsVV(CMemberResult* result) const;
    double EnhancedMomentXX(CMemberResult* result) const;
    double EnhancedMomentYY(CMemberResult* result) const;
    double InteractionShearCapacity(double Vv, bool major, CMemberResult* result) const;

    // Slenderness reduction factor αs of cl. 5.6.1.1 for section capacity Ms and elastic
    // buckling moment Mo (Mo = +inf gives 0.6·√3, Mo = 0 gives 0).
    static double SlendernessReductionFactor(double ms, double mo);

    // Member moment capacity Mb = min(αm·αs·Ms, Ms) of cl. 5.6.1.1 with its report lines, the
    // section capacity and the member capacity named as given ("Msx", "Mbx").
    struct MomentSymbols {
        const wchar_t* ms;
        const wchar_t* mb;
    };
    static double MemberMomentCapacity(double ms, double mo, double alphaM,
                                       const MomentSymbols& symbols, CMemberResult* result);

    // Member moment capacity pieces (cl. 5.6.3).
    double SegmentEffectiveLength(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                                  double overrideLength) const;

    // Local capacity check at the current point (cl. 5.11, 6.2, 7.2, 5.2, 8.3).
    void LocalCapacityCheck(CMemberResult* result) const;

    // Uniform shear capacity Vu of the plates carrying Vx or Vy (cl. 5.11.2, 5.11.5), which
    // does not depend on the shear force: kept like the values below, from compute() the
    // first time. For the calculators' shear capacities with the report off.
    template <typename Compute>
    double KeptUniformShear(bool xDirection, Compute&& compute) const {
        return KeptValue(xDirection ? Kept::UniformShearX : Kept::UniformShearY, compute);
    }

  protected:
    // Values that are pure functions of the section, grade, rules and options (some also of
    // the sign of an action, each sign its own slot): computed on first use and kept, in the
    // copies too, until Revision() moves on.
    enum class Kept : unsigned {
        DesignStressMin,
        TensileStrength,
        ZxxEffectiveSagging,  // Mx >= 0
        ZxxEffectiveHogging,  // Mx < 0
        ZyyEffective,
        AreaCompEffective,
        ClassOverAllSagging,
        ClassOverAllHogging,
        Element1,  // element slenderness λe, the elements numbered by the shape
        Element2,
        Element3,
        UniformShearX,  // Vu of the plates carrying Vx, Vy (cl. 5.11.2, 5.11.5)
        UniformShearY,
        Count
    };
    template <typename Compute>
    double KeptValue(Kept which, Compute&& compute) const {
        const unsigned bit = 1u << static_cast<unsigned>(which);
        if (keptRevision_ != Revision()) {
            keptMask_ = 0;
            keptRevision_ = Revision();
        }
        double& slot = kept_[static_cast<unsigned>(which)];
        if (!(keptMask_ & bit)) {
            slot = compute();
            keptMask_ |= bit;
        }
        return slot;
    }
    template <typename Compute>
    BucklingClass KeptClass(Kept which, Compute&& compute) const {
        const double cls = KeptValue(which, [&] { return static_cast<double>(compute()); });
        return static_cast<BucklingClass>(static_cast<int>(cls));
    }
    static Kept BySign(double moment, Kept nonNegative, Kept negative) {
        return moment >= 0.0 ? nonNegative : negative;
    }

    static BucklingClass Worst(BucklingClass a, BucklingClass b);
    static const CString& GetLBCString(BucklingClass c);

    // The actions here are not changed by a check: the classes of the overall check are
    // asked on the object itself, so these calls go through a non-const path.
    BucklingClass OverAllClass() const {
        return const_cast<CAS4100_98Section*>(this)->BucklingClassOverAll(nullptr);
    }
    // Design moment about x-x (major) or y-y with the eccentricity moment ΔM of the axial force
    // when |ΔM| > 1e-6: the signed one of M and M + ΔM that is larger in magnitude.
    double SignedDesignMoment(bool major) const;

  private:
    // "Section is: <b>" + class word + tail, built only when text is on.
    static void WriteClassLine(CMemberResult* result, BucklingClass cls, const wchar_t* tail);
    void LocalCapacityCheckCompressionMember(CMemberResult* result) const;
    void LocalCapacityCheckTensionMember(CMemberResult* result) const;
    void LocalCapacityCheckCompressionStrut(CMemberResult* result) const;
    void LocalCapacityCheckTensionStrut(CMemberResult* result) const;

    std::map<int, double> cache1_;  // cache slots kept for the framework; nothing fills them
    std::map<int, double> cache2_;
    std::shared_ptr<const CString> codeName_;  // shared by the copies: one per check step
    RuleSet rules_ = RuleSet::AsWritten;
    mutable double kept_[static_cast<unsigned>(Kept::Count)] = {};
    mutable unsigned keptMask_ = 0;
    mutable unsigned keptRevision_ = 0;
    bool primed_ = false;  // KeepValues ran at primedRevision_
    unsigned primedRevision_ = 0;
    bool uniaxialExponentKept_ = false;
};

// One check step's use of the member's own calculator: the actions the step sets on it last
// as long as this object, and the calculator's own actions are put back after it. The kept
// values depend on the section, grade and options only, so the step needs no copy of the
// calculator; nothing outside the step may ask for action-dependent values meanwhile.
class CSectionStep {
  public:
    explicit CSectionStep(CAS4100_98Section& section)
        : section_(section), saved_(section.GetActions()) {}
    ~CSectionStep() { section_.SetActions(saved_); }
    CSectionStep(const CSectionStep&) = delete;
    CSectionStep& operator=(const CSectionStep&) = delete;

    CAS4100_98Section& operator*() const { return section_; }
    CAS4100_98Section* operator->() const { return &section_; }

  private:
    CAS4100_98Section& section_;
    const CSectionCodeBase::Actions saved_;
};

}  // namespace Arbor::Steel::SteelAS4100
