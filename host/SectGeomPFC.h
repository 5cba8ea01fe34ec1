// Geometry of the host's parallel-flange channels: two flanges B × T, a web tw over the depth
// D with its back at x = 0, the flanges running to their tips at x = B, and a root radius r at
// the two inside corners. All values SI.
#pragma once

#include "host/SectGeom.h"

namespace Arbor::Steel {

class CDesSectGeomPFC : public CDesSectGeom, public CGrossSection {
  public:
    // Takes the dimensions of a channel (shape code 3: D, B, T, tw, r) and computes its
    // properties; published values of the record (xL and xO included) replace the computed
    // ones. False (and nothing changed) for another shape or dimensions that make no channel.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetD() const { return D_; }
    double GetB1() const { return B_; }
    double GetB2() const { return B_; }
    double GetT1() const { return T_; }
    double GetT2() const { return T_; }
    double GetTw() const { return tw_; }
    double GetR() const { return r_; }

    double Iw() const { return p_.iw; }
    double XbarPlastic() const { return p_.xbarPlastic; }
    double YbarPlastic() const { return p_.ybarPlastic; }
    // Shear centre from the centroid, away from the web (it lies beyond the back of the web).
    double ShearCentreX() const { return x0_; }

    CString SectGeomString(const CDesFormat& format) const;

    // Gross properties from the dimensions, root fillets included; `x0` receives the shear
    // centre's distance from the centroid.
    static GrossProperties Compute(double D, double B, double T, double tw, double r, double& x0);

  private:
    double D_ = 0, B_ = 0, T_ = 0, tw_ = 0, r_ = 0, x0_ = 0;
};

}  // namespace Arbor::Steel
