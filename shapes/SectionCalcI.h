// I and H sections, rolled or welded, with flanges that may differ (mono-symmetric I).
#pragma once

#include "host/SectGeom.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcI : public CAS4100_98Section, private CDesSectGeomI {
  public:
    enum Axis { XX = 0, YY = 1 };

    CSectionCalcI() = default;
    CSectionCalcI(const CSectionCalcI&) = default;
    CSectionCalcI& operator=(const CSectionCalcI&) = default;
    ~CSectionCalcI() override = default;

    CSectionCalcI* Clone() const override { return new CSectionCalcI(*this); }

    // Gross properties from the geometry.
    double Area() const override { return CDesSectGeomI::Area(); }
    double Ybar() const override { return CDesSectGeomI::Ybar(); }
    double Xbar() const override { return CDesSectGeomI::Xbar(); }
    double Ixx() const override { return CDesSectGeomI::Ixx(); }
    double Iyy() const override { return CDesSectGeomI::Iyy(); }
    double Ixy() const override { return CDesSectGeomI::Ixy(); }
    double Sxx() const override { return CDesSectGeomI::Sxx(); }
    double Syy() const override { return CDesSectGeomI::Syy(); }
    double Zxx() const override { return CDesSectGeomI::Zxx(); }
    double Zyy() const override { return CDesSectGeomI::Zyy(); }
    double J() const override { return CDesSectGeomI::J(); }
    double Gamma() const override { return CDesSectGeomI::Gamma(); }
    double Iuu() const override { return CDesSectGeomI::Iuu(); }
    double Ivv() const override { return CDesSectGeomI::Ivv(); }
    double Alpha() const override { return CDesSectGeomI::Alpha(); }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override;
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double LambdaWeb() const override;
    double LambdaWebYield() const override { return 115.0; }
    double Anet() const override { return Area() * NetAreaRatio(); }
    double Depth() const override { return GetD(); }
    double AlphaB(const double& kf) const override;
    double Kt() const override { return 1.0; }
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
    bool IsDoublySymmetric() const override { return IsXXSymmetric(); }
    bool IsHollow() const override { return false; }
    bool IsIorHSection() const override { return true; }
    bool IsRectangular() const override { return false; }
    bool IsSquare() const override { return false; }
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return CDesSectGeomI::IsWelded(); }

    // Member buckling (cl. 5.6, 6.3).
    bool IsFullyRestrained(double length, double betaM, CMemberResult* result) const override;
    double Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
               double overrideLength) const override;
    double TwistFactor(const CAS4100Span& span) const override;
    double RotationalFactor(const CAS4100Span& span) const override;
    double Ncxx(double le, double& ncr, CMemberResult* result) const override;
    double Ncyy(double le, double& ncr, CMemberResult* result) const override;
    double NcT(double le, double& noz, CMemberResult* result) const override;
    double NcTF(double nomx, double nomy, double nomz, double& aux,
                CMemberResult* result) const override;
    double Ncuu(double le, double& ncr, CMemberResult* result) const override;
    double Ncvv(double le, double& ncr, CMemberResult* result) const override;
    double DeltaMxx(CMemberResult*) const override { return 0.0; }
    double DeltaMyy(CMemberResult*) const override { return 0.0; }

    CString SectPropString(const CDesFormat& format) override;

    // Slots 80-85.
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcI(*this); }
    virtual double XbarCompEffective() const { return Xbar(); }
    virtual double YbarCompEffective() const { return Ybar(); }
    virtual BucklingClass BucklingClassComp(CMemberResult* result);
    virtual double MaxShearStressX(CMemberResult* result) const;
    virtual double MaxShearStressY(CMemberResult* result) const;

    // Geometry.
    using CDesSectGeomI::GetB1;
    using CDesSectGeomI::GetB2;
    using CDesSectGeomI::GetD;
    using CDesSectGeomI::GetR;
    using CDesSectGeomI::GetT1;
    using CDesSectGeomI::GetT2;
    using CDesSectGeomI::GetTw;

    // Table 5.2 limits, Table 6.2.4 yield limits, section slenderness (cl. 5.2.2).
    double Table5_2(bool web, SectionClass limit, bool uniform) const;
    double Table6_2_4(bool bothEdges) const;
    bool GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy, double& lambdaSd,
                         bool uniform) const;
    BucklingClass BucklingClassWeb(bool unused, bool checkDeform) const;
    BucklingClass BucklingClassFlange1(bool uniform, bool checkDeform) const;
    BucklingClass BucklingClassFlange2(bool uniform, bool checkDeform) const;
    BucklingClass BucklingClassCompWeb() const;
    BucklingClass BucklingClassCompFlange1() const;
    BucklingClass BucklingClassCompFlange2() const;
    bool IsWebCompSlender() const;
    bool IsFlange1CompSlender() const;
    bool IsFlange2CompSlender() const;
    bool IsWebXShearSlender() const;

    // Column strength (cl. 6.3.3) about one axis.
    double Nc(double le, Axis axis, double& ncr, CMemberResult* result) const;

  protected:
    void MirrorXX() override;

  private:
    // Element slenderness λe (cl. 5.2.2) of flange outstand 1 or 2, b = (B − tw)/2.
    double Flange1Slenderness() const;
    double Flange2Slenderness() const;
    // Classes for bending and compression; the virtual ones forward here so that the const
    // effective-section operations can ask them.
    BucklingClass ClassifyXX(CMemberResult* result) const;
    BucklingClass ClassifyYY(CMemberResult* result) const;
    BucklingClass ClassifyComp(CMemberResult* result) const;
    // The effective section values before they are kept.
    double ComputeZxxEffective() const;
    double ComputeZyyEffective() const;
    double ComputeAreaCompEffective() const;
};

}  // namespace Arbor::Steel::SteelAS4100
