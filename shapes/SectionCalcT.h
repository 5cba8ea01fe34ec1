// T sections: one flange and a stem, symmetric about the minor (y) axis only. The stem tip is
// at y = 0 and the flange's outer face at y = D; a positive Mx compresses the stem tip.
#pragma once

#include "host/SectGeomT.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcT : public CAS4100_98Section, private CDesSectGeomT {
  public:
    CSectionCalcT() = default;
    CSectionCalcT(const CSectionCalcT&) = default;
    CSectionCalcT& operator=(const CSectionCalcT&) = default;
    ~CSectionCalcT() override = default;

    CSectionCalcT* Clone() const override { return new CSectionCalcT(*this); }

    // Gross properties from the geometry; y measured from the stem tip.
    double Area() const override { return CDesSectGeomT::Area(); }
    double Ybar() const override { return CDesSectGeomT::Ybar(); }
    double Xbar() const override { return CDesSectGeomT::Xbar(); }
    double Ixx() const override { return CDesSectGeomT::Ixx(); }
    double Iyy() const override { return CDesSectGeomT::Iyy(); }
    double Ixy() const override { return CDesSectGeomT::Ixy(); }
    double Sxx() const override { return CDesSectGeomT::Sxx(); }
    double Syy() const override { return CDesSectGeomT::Syy(); }
    double Zxx() const override { return CDesSectGeomT::Zxx(); }
    double Zyy() const override { return CDesSectGeomT::Zyy(); }
    double J() const override { return CDesSectGeomT::J(); }
    double Gamma() const override { return CDesSectGeomT::Iw(); }
    double Iuu() const override { return Ixx(); }
    double Ivv() const override { return Iyy(); }
    double Alpha() const override { return 0.0; }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override;
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double Depth() const override { return GetD(); }
    double AlphaB(const double& kf) const override;
    double Kt() const override { return 0.9; }
    double ZxxEffective() const override;
    double ZyyEffective() const override;
    double AreaCompEffective() const override;

    // Shear and torsion (cl. 5.11).
    double ShearAreaX(CMemberResult* result) const override;
    double ShearAreaY(CMemberResult* result) const override;
    double ShearCapacityX(CMemberResult* result) const override;
    double ShearCapacityY(CMemberResult* result) const override;
    double TorsionCapacity(CMemberResult* result) const override;
    bool IsWebYShearSlender() const override;
    double MaxThick() const override;

    bool IsCircular() const override { return false; }
    bool IsDoublySymmetric() const override { return false; }
    bool IsHollow() const override { return false; }
    bool IsIorHSection() const override { return false; }
    bool IsRectangular() const override { return false; }
    bool IsSquare() const override { return false; }
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return CDesSectGeomT::IsWelded(); }

    // Member buckling (cl. 5.6, 6.3).
    bool IsFullyRestrained(double length, double betaM, CMemberResult* result) const override;
    double Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
               double overrideLength) const override;
    double TwistFactor(const CAS4100Span& span) const override;
    double RotationalFactor(const CAS4100Span& span) const override;
    double Ncxx(double le, double& ncr, CMemberResult* result) const override;
    double Ncyy(double le, double& ncr, CMemberResult* result) const override;
    double NcT(double le, double& ncrT, CMemberResult* result) const override;
    double NcTF(double ncrX, double ncrY, double ncrT, double& ncrTF,
                CMemberResult* result) const override;
    double Ncuu(double le, double& ncr, CMemberResult* result) const override;
    double Ncvv(double le, double& ncr, CMemberResult* result) const override;
    double DeltaMxx(CMemberResult* result) const override;
    double DeltaMyy(CMemberResult*) const override { return 0.0; }

    CString SectPropString(const CDesFormat& format) override;

    // Slots 80-85.
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcT(*this); }
    virtual double XbarCompEffective() const { return Xbar(); }
    virtual double YbarCompEffective() const;
    virtual BucklingClass BucklingClassComp(CMemberResult* result);
    virtual double MaxShearStressX(CMemberResult* result) const;
    virtual double MaxShearStressY(CMemberResult* result) const;
    // Slot 86.
    virtual bool IsHSection() const { return false; }

    // Geometry: flange B × T (both "flanges" are the one flange), stem tw, overall depth D.
    using CDesSectGeomT::GetD;
    using CDesSectGeomT::GetR;
    using CDesSectGeomT::GetTw;
    using CDesSectGeomT::Iw;
    double GetT1() const { return GetT(); }
    double GetT2() const { return GetT(); }
    double GetB1() const { return GetB(); }
    double GetB2() const { return GetB(); }

    // Table 5.2 limits: the stem with `uniform` set takes the uniform-compression outstand
    // limits, every other case the free-edge ones; Table 6.2.4 the outstand yield limit.
    double Table5_2(bool web, SectionClass limit, bool uniform) const;
    double Table6_2_4() const;
    bool GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy, double& lambdaSd,
                         bool uniform) const;
    BucklingClass BucklingClassWeb(bool unused, bool checkDeform) const;
    BucklingClass BucklingClassFlange(bool uniform, bool checkDeform) const;
    BucklingClass BucklingClassCompWeb() const;
    BucklingClass BucklingClassCompFlange() const;
    bool IsWebCompSlender() const;
    bool IsFlangeCompSlender() const;
    bool IsWebXShearSlender() const;
    // Connected through its flange only at the current point (an eccentric major-axis moment).
    bool IsFlangeOnlyConnected() const;

  private:
    double FlangeSlenderness() const;  // ((B − tw)/2/T)·sqrt(fy/250)
    double StemSlenderness() const;    // ((D − T)/tw)·sqrt(fy/250)
    BucklingClass ClassifyXX(CMemberResult* result) const;
    BucklingClass ClassifyYY(CMemberResult* result) const;
    BucklingClass ClassifyComp(CMemberResult* result) const;
    // Widths lost to local buckling in compression (cl. 6.2.4): each flange outstand, the stem.
    double LostOutstandWidth() const;
    double LostStemLength() const;
};

}  // namespace Arbor::Steel::SteelAS4100
