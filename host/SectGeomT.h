// Geometry of the host's T sections: a flange B × T and a stem tw, overall depth D, root
// radius r at the two stem-flange corners. Distances along y run from the stem tip (y = 0)
// to the flange's outer face (y = D). All values SI.
#pragma once

#include "host/SectGeom.h"

namespace Arbor::Steel {

class CDesSectGeomT : public CDesSectGeom, public CGrossSection {
  public:
    // Takes the dimensions of a T section (shape code 4: D, B, T, tw, r) and computes its
    // properties. False (and nothing changed) for another shape or dimensions that make no T.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetD() const { return D_; }
    double GetB() const { return B_; }
    double GetT() const { return T_; }
    double GetTw() const { return tw_; }
    double GetR() const { return r_; }

    double Iw() const { return p_.iw; }
    double XbarPlastic() const { return p_.xbarPlastic; }
    double YbarPlastic() const { return p_.ybarPlastic; }  // from the stem tip

    CString SectGeomString(const CDesFormat& format) const;

    // Gross properties from the dimensions, root fillets included.
    static GrossProperties Compute(double D, double B, double T, double tw, double r);

  private:
    double D_ = 0, B_ = 0, T_ = 0, tw_ = 0, r_ = 0;
};

}  // namespace Arbor::Steel
