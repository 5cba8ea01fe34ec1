// Geometry classes of the host (ArSteel): dimensions, residual stress category and gross
// section properties of each shape. All values SI.
#pragma once

#include "host/CString.h"
#include "host/DesFormat.h"
#include "host/Section.h"

namespace Arbor::Steel {

class CMemberResult;

class CCloneableGeom {
public:
    virtual ~CCloneableGeom() = default;
    virtual CCloneableGeom* CloneGeom() const = 0;
};

class CDesSectGeom : public CCloneableGeom {
public:
    unsigned ResidualStressCategory() const { return category_; }
    unsigned PlateFabricationCode() const { return fabrication_; }
    // Welded (not hot-rolled or cold-formed): categories HW, LW and SR.
    bool IsWelded() const;

protected:
    void SetCodes(unsigned category, unsigned fabrication) {
        category_ = category;
        fabrication_ = fabrication;
    }

private:
    unsigned category_ = Arbor::Data::ResidualStress::HR;
    unsigned fabrication_ = 0;
};

// Gross properties shared by every shape's geometry.
struct GrossProperties {
    double area = 0, xbar = 0, ybar = 0;  // centroid from the left edge and the bottom
    double ixx = 0, iyy = 0, ixy = 0;     // about the centroidal x and y axes
    double zxx = 0, zyy = 0;              // elastic moduli, the smaller of the two fibres
    double sxx = 0, syy = 0;              // plastic moduli about the plastic neutral axes
    double j = 0, iw = 0;                 // torsion and warping constants
    double iuu = 0, ivv = 0, alpha = 0;   // principal values, angle of u from x (radians)
    double ybarPlastic = 0, xbarPlastic = 0;
};

// Replaces the computed properties by the record's published ones, where published.
void TakePublished(const Arbor::Data::PublishedProperties& published, GrossProperties& p);

// The gross properties a geometry holds, with their accessors.
class CGrossSection {
public:
    double Area() const { return p_.area; }
    double Xbar() const { return p_.xbar; }
    double Ybar() const { return p_.ybar; }
    double Ixx() const { return p_.ixx; }
    double Iyy() const { return p_.iyy; }
    double Ixy() const { return p_.ixy; }
    double Zxx() const { return p_.zxx; }
    double Zyy() const { return p_.zyy; }
    double Sxx() const { return p_.sxx; }
    double Syy() const { return p_.syy; }
    double J() const { return p_.j; }
    const GrossProperties& Properties() const { return p_; }

protected:
    GrossProperties p_;
};

// I and H sections, possibly mono-symmetric: flange 1 (B1 × T1) at the bottom, flange 2
// (B2 × T2) at the top, web tw over the depth D, root radius r at the four web-flange joints.
class CDesSectGeomI : public CDesSectGeom, public CGrossSection {
public:
    // Takes the dimensions of an I section (shape code 1 or 11) and computes its properties;
    // published values of the record replace the computed ones. False (and nothing changed)
    // for another shape or dimensions that do not make an I section.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetD() const { return D_; }
    double GetB1() const { return B1_; }
    double GetB2() const { return B2_; }
    double GetT1() const { return T1_; }
    double GetT2() const { return T2_; }
    double GetTw() const { return tw_; }
    double GetR() const { return r_; }

    double Gamma() const { return p_.iw; }  // warping constant Iw
    double Iuu() const { return p_.iuu; }
    double Ivv() const { return p_.ivv; }
    double Alpha() const { return p_.alpha; }
    double YbarPlastic() const { return p_.ybarPlastic; }

    // Both flanges alike (within 1e-9 m).
    bool IsXXSymmetric() const;
    // Turns the section upside down: the flanges swap and the properties follow.
    void MirrorXX();
    // The dimensions as report lines under "Section dimensions:" (the properties follow in
    // the section's own property block).
    CString SectGeomString(const CDesFormat& format) const;

    // Gross properties of an I section from its dimensions, root fillets included.
    static GrossProperties Compute(double D, double B1, double T1, double B2, double T2,
                                   double tw, double r);

private:
    double D_ = 0, B1_ = 0, T1_ = 0, B2_ = 0, T2_ = 0, tw_ = 0, r_ = 0;
};

}  // namespace Arbor::Steel
