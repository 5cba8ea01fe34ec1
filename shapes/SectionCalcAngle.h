// Single angles, equal or unequal legs, designed as struts and ties about their principal axes.
#pragma once

#include "host/SectGeomAngle.h"
#include "section/AS4100Section.h"
#include "shapes/TorsionalLoads.h"

namespace Arbor::Steel::SteelAS4100 {

class CSectionCalcAngle : public CAS4100_98Section, private CDesSectGeomAngle {
  public:
    // Buckling axis of the column strength: x-x, y-y, v-v, u-u.
    enum Axis { XX = 0, YY = 1, VV = 2, UU = 3 };

    CSectionCalcAngle() = default;
    CSectionCalcAngle(const CSectionCalcAngle&) = default;
    CSectionCalcAngle& operator=(const CSectionCalcAngle&) = default;
    ~CSectionCalcAngle() override = default;

    CSectionCalcAngle* Clone() const override { return new CSectionCalcAngle(*this); }

    // Gross properties from the geometry.
    double Area() const override { return CDesSectGeomAngle::Area(); }
    double Ybar() const override { return CDesSectGeomAngle::Ybar(); }
    double Xbar() const override { return CDesSectGeomAngle::Xbar(); }
    double Ixx() const override { return CDesSectGeomAngle::Ixx(); }
    double Iyy() const override { return CDesSectGeomAngle::Iyy(); }
    double Ixy() const override { return CDesSectGeomAngle::Ixy(); }
    double Sxx() const override { return CDesSectGeomAngle::Sxx(); }
    double Syy() const override { return CDesSectGeomAngle::Syy(); }
    double Zxx() const override { return CDesSectGeomAngle::Zxx(); }
    double Zyy() const override { return CDesSectGeomAngle::Zyy(); }
    double J() const override { return CDesSectGeomAngle::J(); }
    double Gamma() const override { return CDesSectGeomAngle::Gamma(); }
    double Iuu() const override { return CDesSectGeomAngle::Iuu(); }
    double Ivv() const override { return CDesSectGeomAngle::Ivv(); }
    double Alpha() const override { return CDesSectGeomAngle::Alpha(); }
    // The geometry first; only when it takes the section, the code base.
    bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) override;

    // Classification of the legs (Table 5.2) and effective section (cl. 5.2.3-5.2.5, 6.2.4).
    BucklingClass BucklingClassXX(CMemberResult* result) override;
    BucklingClass BucklingClassYY(CMemberResult* result) override;
    BucklingClass BucklingClassOverAll(CMemberResult* result) override;
    double Depth() const override { return GetDepth(); }
    double AlphaB(const double& kf) const override;
    double Kt() const override;
    double ZxxEffective() const override;
    double ZyyEffective() const override;
    double AreaCompEffective() const override;
    double ZuuEffective() const override;
    double ZvvEffective() const override;

    // Shear and torsion (cl. 5.11).
    double ShearAreaX(CMemberResult*) const override { return GetWidth() * GetThickness(); }
    double ShearAreaY(CMemberResult*) const override { return GetDepth() * GetThickness(); }
    double ShearCapacityX(CMemberResult* result) const override;
    double ShearCapacityY(CMemberResult* result) const override;
    double TorsionCapacity(CMemberResult* result) const override;
    bool IsWebYShearSlender() const override;
    double MaxThick() const override { return GetThickness(); }

    bool IsCircular() const override { return false; }
    bool IsDoublySymmetric() const override { return false; }
    bool IsHollow() const override { return true; }
    bool IsIorHSection() const override { return false; }
    bool IsRectangular() const override { return true; }
    bool IsSquare() const override { return false; }
    bool IsStrutAndTieOnly() const override { return true; }
    bool IsSectionXXStrut() const override { return true; }
    bool IsSectionYYStrut() const override { return true; }
    bool IsVVSpanExist() const override { return true; }
    bool IsWelded() const override { return CDesSectGeomAngle::IsWelded(); }

    // Member buckling (cl. 5.6, 6.3).
    bool IsFullyRestrained(double length, double betaM, CMemberResult* result) const override;
    double Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
               double overrideLength) const override;
    double TwistFactor(const CAS4100Span&) const override { return 1.0; }
    double RotationalFactor(const CAS4100Span& span) const override;
    double Ncxx(double le, double& ncr, CMemberResult* result) const override;
    double Ncyy(double le, double& ncr, CMemberResult* result) const override;
    double NcT(double le, double& ncrT, CMemberResult* result) const override;
    double NcTF(double ncrX, double ncrY, double ncrT, double& ncrTF,
                CMemberResult* result) const override;
    double Ncuu(double le, double& ncr, CMemberResult* result) const override;
    double Ncvv(double le, double& ncr, CMemberResult* result) const override;
    double DeltaMxx(CMemberResult* result) const override;
    double DeltaMyy(CMemberResult* result) const override;

    CString SectPropString(const CDesFormat& format) override;
    double Muu(double x1, double x2, double y1, double y2) const override;
    double Mvv(double x1, double x2, double y1, double y2) const override;
    double Mbxx(const CAS4100Span& span, double alphaM, CMemberResult* result, bool useOverride,
                double overrideLength) const override;

    // Slots 80-85.
    virtual CCloneableGeom* CloneGeom() const override { return new CSectionCalcAngle(*this); }
    virtual double XbarCompEffective() const;
    virtual double YbarCompEffective() const;
    virtual BucklingClass BucklingClassComp(CMemberResult* result);
    virtual double MaxShearStressX(CMemberResult* result) const;
    virtual double MaxShearStressY(CMemberResult* result) const;

    // Geometry.
    using CDesSectGeomAngle::GetDepth;
    using CDesSectGeomAngle::GetRootRadius;
    using CDesSectGeomAngle::GetThickness;
    using CDesSectGeomAngle::GetToeRadius;
    using CDesSectGeomAngle::GetWidth;
    using CDesSectGeomAngle::IsEqualLegs;
    using CDesSectGeomAngle::Principal;
    using CDesSectGeomAngle::Suu;
    using CDesSectGeomAngle::Svv;
    using CDesSectGeomAngle::Zuu;
    using CDesSectGeomAngle::Zvv;

    // Column strength (cl. 6.3.3) about one axis.
    double Nc(double le, Axis axis, double& ncr, CMemberResult* result) const;
    // Elastic flexural-torsional buckling load of a section without an axis of symmetry
    // (cl. 6.3.3), N: the smallest root of the cubic in N that couples flexure about x and y
    // with torsion through the shear centre offsets x0, y0; +inf when a load is not finite.
    static double ElasticFlexuralTorsional(const TorsionalLoads::PolarRadii& radii, double ncrX,
                                           double ncrY, double ncrT);

  private:
    // How the member is connected at the current point (from its restraint): through the
    // depth leg (A), through the width leg (B), and whether the connection is eccentric (R).
    struct Connection {
        bool a = false, b = false, r = false;
    };
    Connection ConnectionOf() const;
    // Leg slenderness λe = ((leg − t)/t)·sqrt(fy/250) of the depth and the width leg.
    double DepthLegSlenderness() const;
    double WidthLegSlenderness() const;
    BucklingClass ClassifyXX(CMemberResult* result) const;
    BucklingClass ClassifyYY(CMemberResult* result) const;
    BucklingClass ClassifyComp(CMemberResult* result) const;
    // Strip of a slender leg lost in compression (cl. 6.2.4): its length from the toe.
    double IneffectiveLength(double leg, double lambda) const;
};

}  // namespace Arbor::Steel::SteelAS4100
