// Geometry of the host (ArSteel) for single angles, equal or unequal legs: the leg dimensions,
// the gross properties about the centroidal axes parallel to the legs (x, y) and about the
// principal axes (u major, v minor), the torsion constant and the centroid from the heel.
#pragma once

#include <optional>

#include "host/SectGeom.h"

namespace Arbor::Steel {

// Principal-axis properties beyond the gross ones of GrossProperties (iuu, ivv, alpha there).
// u-u is at angle alpha from x; the fibres of u-u bending are the two toes, those of v-v
// bending the heel and the toes.
struct PrincipalModuli {
    double zuDepthToe = 0, zuWidthToe = 0;  // elastic moduli about u-u to each toe
    double zvHeel = 0, zvToe = 0;           // elastic moduli about v-v to the heel and the toes
    double suu = 0, svv = 0;                // plastic moduli about u-u and v-v
};

// An angle with its heel at the origin: the depth leg d along y, the width leg b along x, both
// of thickness t; root radius r1 at the inside corner, toe radius r2 at the inner edge of each
// toe. The centroid (Xbar, Ybar) is measured from the heel.
class CDesSectGeomAngle : public CDesSectGeom, public CGrossSection {
  public:
    // Takes the dimensions of an angle (shape code 5: d, b, t, r1, r2) and computes its
    // properties; published values of the record replace the computed ones. False (and nothing
    // changed) for another shape or dimensions that do not make an angle.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetDepth() const { return d_; }
    double GetWidth() const { return b_; }
    double GetThickness() const { return t_; }
    double GetRootRadius() const { return r1_; }
    double GetToeRadius() const { return r2_; }

    double Gamma() const { return 0.0; }  // no warping constant for an angle
    double Iuu() const { return p_.iuu; }
    double Ivv() const { return p_.ivv; }
    double Alpha() const { return p_.alpha; }
    // Elastic principal moduli to the farther fibre, and the plastic ones.
    double Zuu() const;
    double Zvv() const;
    double Suu() const { return m_.suu; }
    double Svv() const { return m_.svv; }
    const PrincipalModuli& Principal() const { return m_; }
    bool IsEqualLegs() const;

    // The dimensions as report lines under "Section dimensions:".
    CString SectGeomString(const CDesFormat& format) const;

    // Properties of an angle from its dimensions, root fillet and toe roundings included.
    static void Compute(double d, double b, double t, double r1, double r2, GrossProperties& p,
                        PrincipalModuli& m);

  private:
    double d_ = 0, b_ = 0, t_ = 0, r1_ = 0, r2_ = 0;
    PrincipalModuli m_;
};

}  // namespace Arbor::Steel
