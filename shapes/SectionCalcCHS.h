// Circular hollow sections: one slenderness for every direction (Table 5.2), shear over the
// whole tube, no lateral-torsional or torsional buckling; y-y questions take the x-x answers.
#pragma once

#include "host/SectGeomCHS.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcCHS : public CAS4100_98Section, private CDesSectGeomCHS {
  public:
    CSectionCalcCHS() = default;
    CSectionCalcCHS(const CSectionCalcCHS&) = default;
    CSectionCalcCHS& operator=(const CSectionCalcCHS&) = default;
    ~CSectionCalcCHS() override = default;

    CSectionCalcCHS* Clone() const override { return new CSectionCalcCHS(*this); }

    // Gross properties from the geometry.
    double Area() const override { return CDesSectGeomCHS::Area(); }
    double Ybar() const override { return CDesSectGeomCHS::Ybar(); }
    double Xbar() const override { return CDesSectGeomCHS::Xbar(); }
    double Ixx() const override { return CDesSectGeomCHS::Ixx(); }
    double Iyy() const override { return CDesSectGeomCHS::Iyy(); }
    double Ixy() const override { return CDesSectGeomCHS::Ixy(); }
    double Sxx() const override { return CDesSectGeomCHS::Sxx(); }
    double Syy() const override { return CDesSectGeomCHS::Syy(); }
    double Zxx() const override { return CDesSectGeomCHS::Zxx(); }
    double Zyy() const override { return CDesSectGeomCHS::Zyy(); }
    double J() const override { return CDesSectGeomCHS::J(); }
    double Iuu() const override { return Ixx(); }
    double Ivv() const override { return Iyy(); }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override {
        return BucklingClassXX(result);
    }
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double Depth() const override { return GetD(); }
    double AlphaB(const double& kf) const override;
    double Kt() const override { return 1.0; }
    double ZxxEffective() const override;
    double ZyyEffective() const override { return ZxxEffective(); }
    double AreaCompEffective() const override;

    // Shear and torsion (cl. 5.11): the whole tube carries shear in any direction.
    double ShearAreaX(CMemberResult*) const override { return Area(); }
    double ShearAreaY(CMemberResult*) const override { return Area(); }
    double ShearCapacityX(CMemberResult* result) const override { return ShearCapacityY(result); }
    double ShearCapacityY(CMemberResult* result) const override;
    double TorsionCapacity(CMemberResult* result) const override;
    double MaxThick() const override { return GetT(); }

    bool IsCircular() const override { return true; }
    bool IsDoublySymmetric() const override { return true; }
    bool IsHollow() const override { return true; }
    bool IsIorHSection() const override { return false; }
    bool IsRectangular() const override { return false; }
    bool IsSquare() const override { return false; }
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return CDesSectGeomCHS::IsWelded(); }

    // Member buckling: a circular section never buckles laterally-torsionally or torsionally.
    bool IsFullyRestrained(double, double, CMemberResult*) const override { return true; }
    double Moa(const CAS4100Span&, CMemberResult*, bool, double) const override { return 0.0; }
    double TwistFactor(const CAS4100Span&) const override { return 1.0; }
    double RotationalFactor(const CAS4100Span&) const override { return 1.0; }
    double LoadHeightFactor(const CAS4100Span&, bool) const override { return 1.0; }
    double Ncxx(double le, double& ncr, CMemberResult* result) const override;
    double Ncyy(double le, double& ncr, CMemberResult* result) const override {
        return Ncxx(le, ncr, result);
    }
    double NcT(double le, double& noz, CMemberResult* result) const override;
    double NcTF(double nomx, double nomy, double nomz, double& aux,
                CMemberResult* result) const override;
    double Ncuu(double le, double& ncr, CMemberResult* result) const override {
        return Ncxx(le, ncr, result);
    }
    double Ncvv(double le, double& ncr, CMemberResult* result) const override {
        return Ncxx(le, ncr, result);
    }
    double DeltaMxx(CMemberResult*) const override { return 0.0; }
    double DeltaMyy(CMemberResult*) const override { return 0.0; }

    CString SectPropString(const CDesFormat& format) override;

    // Slots 80-83 (a circular section has no maximum shear stresses, slots 84-85).
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcCHS(*this); }
    virtual double XbarCompEffective() const { return Xbar(); }
    virtual double YbarCompEffective() const { return Ybar(); }
    virtual BucklingClass BucklingClassComp(CMemberResult* result);

    CDesSectGeomCHS* CloneCHS() const override { return Clone(); }

    using CDesSectGeomCHS::GetD;
    using CDesSectGeomCHS::GetT;

    // Section slenderness λs = (D/t)·(fy/250) of Table 5.2, the yield ratio taken linearly.
    double Lambda() const;

  private:
    BucklingClass ClassifyBending(CMemberResult* result) const;
    BucklingClass ClassifyComp() const;
};

}  // namespace Arbor::Steel::SteelAS4100
