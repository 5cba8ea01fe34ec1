// Rectangular and square hollow sections: a closed box of two flanges (width B, thickness tf)
// and two webs (depth D, thickness tw), classified as flat plates supported along both edges.
#pragma once

#include "host/SectGeomRHS.h"
#include "section/AS4100Section.h"
#include "shapes/Slenderness.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcRHS : public CAS4100_98Section, private CDesSectGeomRHS {
  public:
    CSectionCalcRHS() = default;
    CSectionCalcRHS(const CSectionCalcRHS&) = default;
    CSectionCalcRHS& operator=(const CSectionCalcRHS&) = default;
    ~CSectionCalcRHS() override = default;

    CSectionCalcRHS* Clone() const override { return new CSectionCalcRHS(*this); }

    // Gross properties from the geometry.
    double Area() const override { return CDesSectGeomRHS::Area(); }
    double Ybar() const override { return CDesSectGeomRHS::Ybar(); }
    double Xbar() const override { return CDesSectGeomRHS::Xbar(); }
    double Ixx() const override { return CDesSectGeomRHS::Ixx(); }
    double Iyy() const override { return CDesSectGeomRHS::Iyy(); }
    double Ixy() const override { return CDesSectGeomRHS::Ixy(); }
    double Sxx() const override { return CDesSectGeomRHS::Sxx(); }
    double Syy() const override { return CDesSectGeomRHS::Syy(); }
    double Zxx() const override { return CDesSectGeomRHS::Zxx(); }
    double Zyy() const override { return CDesSectGeomRHS::Zyy(); }
    double J() const override { return CDesSectGeomRHS::J(); }
    double Iuu() const override { return Ixx(); }
    double Ivv() const override { return Iyy(); }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override;
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double LambdaWeb() const override;
    double LambdaWebYield() const override { return 115.0; }
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
    bool IsDoublySymmetric() const override { return true; }
    bool IsHollow() const override { return true; }
    bool IsIorHSection() const override { return false; }
    bool IsRectangular() const override { return true; }
    bool IsSquare() const override;
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return CDesSectGeomRHS::IsWelded(); }

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
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcRHS(*this); }
    virtual double XbarCompEffective() const { return Xbar(); }
    virtual double YbarCompEffective() const { return Ybar(); }
    virtual BucklingClass BucklingClassComp(CMemberResult* result);
    virtual double MaxShearStressX(CMemberResult* result) const;
    virtual double MaxShearStressY(CMemberResult* result) const;

    // The geometry's class-specific operations: corner radii of a cold-formed tube, and the
    // 90° clockwise turn, which turns the actions held by the section with the geometry.
    double CornerRadiusInner() const override;
    double CornerRadiusMid() const override;
    void Rotate90Clockwise() override;

    using CDesSectGeomRHS::GetB;
    using CDesSectGeomRHS::GetD;
    using CDesSectGeomRHS::GetTf;
    using CDesSectGeomRHS::GetTw;

    // Section slenderness for major-axis bending (cl. 5.2.2) and the limits of the element
    // that governs it; always true.
    bool GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy,
                         double& lambdaSd) const;

  private:
    // The walls as seen for bending about x-x; Turned() is the section turned 90° clockwise,
    // whose x-x answers are this section's y-y answers. The turned section is formed from the
    // walls alone so that no copy of the calculator is made (the quick check asks Zey at every
    // point).
    struct Box {
        double D, B, tf, tw;
        Box Turned() const { return {B, D, tw, tf}; }
        double ClearFlange() const { return B - 2.0 * tw; }  // b
        double ClearWeb() const { return D - 2.0 * tf; }     // d
    };
    Box Walls() const { return {GetD(), GetB(), GetTf(), GetTw()}; }

    double FlangeSlenderness(const Box& box) const;  // λf = ε·b/tf
    double WebSlenderness(const Box& box) const;     // λw = ε·d/tw
    BucklingClass FlangeBendingClass(const Box& box) const;
    BucklingClass ClassifyBending(const Box& box, CMemberResult* result) const;
    BucklingClass ClassifyComp(CMemberResult* result) const;
    Slenderness::SectionSlenderness SlenderProps(const Box& box) const;
    double EffectiveModulus(const Box& box, double z, double s) const;
    double WebShearCapacity(const Box& box, CMemberResult* result) const;
    static double HalfBoxFirstMoment(const Box& box);
};

}  // namespace Arbor::Steel::SteelAS4100
