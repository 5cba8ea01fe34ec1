// Geometry of circular hollow sections (the host's CDesSectGeomCHS): outside diameter D, wall
// thickness t. All values SI.
#pragma once

#include "host/SectGeom.h"

namespace Arbor::Steel {

class CDesSectGeomCHS : public CDesSectGeom, public CGrossSection {
  public:
    // Takes the dimensions of a circular hollow section (shape code 7) and computes its
    // properties; published values of the record replace the computed ones. False (and nothing
    // changed) for another shape or dimensions that do not make a tube.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetD() const { return D_; }
    double GetT() const { return t_; }

    // A new copy of the object this geometry belongs to.
    virtual CDesSectGeomCHS* CloneCHS() const = 0;

    // The dimensions as report lines under "Section dimensions:".
    CString SectGeomString(const CDesFormat& format) const;

    // Gross properties of the tube; J = 2I, the exact torsion constant of a circular tube
    // (Bredt's 2π·rm³·t for a thin wall).
    static GrossProperties Compute(double D, double t);

  private:
    double D_ = 0, t_ = 0;
};

}  // namespace Arbor::Steel
