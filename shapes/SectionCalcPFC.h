// Parallel-flange channels: one outstand per flange, symmetric about the major axis only.
#pragma once

#include "host/SectGeomPFC.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcPFC : public CAS4100_98Section, private CDesSectGeomPFC {
  public:
    CSectionCalcPFC() = default;
    CSectionCalcPFC(const CSectionCalcPFC&) = default;
    CSectionCalcPFC& operator=(const CSectionCalcPFC&) = default;
    ~CSectionCalcPFC() override = default;

    CSectionCalcPFC* Clone() const override { return new CSectionCalcPFC(*this); }

    // Gross properties from the geometry; x measured from the back of the web.
    double Area() const override { return CDesSectGeomPFC::Area(); }
    double Ybar() const override { return CDesSectGeomPFC::Ybar(); }
    double Xbar() const override { return CDesSectGeomPFC::Xbar(); }
    double Ixx() const override { return CDesSectGeomPFC::Ixx(); }
    double Iyy() const override { return CDesSectGeomPFC::Iyy(); }
    double Ixy() const override { return CDesSectGeomPFC::Ixy(); }
    double Sxx() const override { return CDesSectGeomPFC::Sxx(); }
    double Syy() const override { return CDesSectGeomPFC::Syy(); }
    double Zxx() const override { return CDesSectGeomPFC::Zxx(); }
    double Zyy() const override { return CDesSectGeomPFC::Zyy(); }
    double J() const override { return CDesSectGeomPFC::J(); }
    double Gamma() const override { return CDesSectGeomPFC::Iw(); }
    double Iuu() const override { return Ixx(); }
    double Ivv() const override { return Iyy(); }
    double Alpha() const override { return 0.0; }
    double XbarPlastic() const { return CDesSectGeomPFC::XbarPlastic(); }
    double YbarPlastic() const { return CDesSectGeomPFC::YbarPlastic(); }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override;
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double Depth() const override { return GetD(); }
    double AlphaB(const double& kf) const override;
    double Kt() const override { return 0.85; }
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
    bool IsWelded() const override { return CDesSectGeomPFC::IsWelded(); }

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
    double DeltaMxx(CMemberResult*) const override { return 0.0; }
    double DeltaMyy(CMemberResult* result) const override;

    CString SectPropString(const CDesFormat& format) override;

    // Slots 80-85.
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcPFC(*this); }
    virtual double XbarCompEffective() const;
    virtual double YbarCompEffective() const { return Ybar(); }
    virtual BucklingClass BucklingClassComp(CMemberResult* result);
    virtual double MaxShearStressX(CMemberResult* result) const;
    virtual double MaxShearStressY(CMemberResult* result) const;

    // Geometry.
    using CDesSectGeomPFC::GetB1;
    using CDesSectGeomPFC::GetB2;
    using CDesSectGeomPFC::GetD;
    using CDesSectGeomPFC::GetR;
    using CDesSectGeomPFC::GetT1;
    using CDesSectGeomPFC::GetT2;
    using CDesSectGeomPFC::GetTw;
    using CDesSectGeomPFC::Iw;

    // Table 5.2 limits (major: bending about x, flanges in uniform compression, web in
    // bending; otherwise bending about y: flanges compressed at the free edge, web in uniform
    // compression) and the section slenderness of cl. 5.2.2.
    double Table5_2(bool web, SectionClass limit, bool major) const;
    bool GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy, double& lambdaSd,
                         bool major) const;
    BucklingClass BucklingClassWeb(bool bending, bool checkDeform) const;
    BucklingClass BucklingClassFlange(bool uniform, bool checkDeform) const;
    BucklingClass BucklingClassCompWeb() const;
    BucklingClass BucklingClassCompFlange() const;
    bool IsFlangeCompSlender() const;
    bool IsWebXShearSlender() const;
    // Connected through its web only at the current point (an eccentric minor-axis moment).
    bool IsWebOnlyConnected() const;

  private:
    double FlangeSlenderness() const;  // ((B − tw)/T)·sqrt(fy/250)
    double WebSlenderness() const;     // ((D − 2T)/tw)·sqrt(fy/250)
    BucklingClass ClassifyXX(CMemberResult* result) const;
    BucklingClass ClassifyYY(CMemberResult* result) const;
    BucklingClass ClassifyComp(CMemberResult* result) const;
    // Widths lost to local buckling in compression (cl. 6.2.4): each flange and the web.
    double LostFlangeWidth() const;
    double LostWebDepth() const;
};

}  // namespace Arbor::Steel::SteelAS4100
