// Geometry of rectangular and square hollow sections (the host's CDesSectGeomRHS): a closed box
// of two flanges (the walls of width B, thickness tf) and two webs (the walls of depth D,
// thickness tw), with rounded corners unless welded. All values SI.
#pragma once

#include "host/SectGeom.h"

namespace Arbor::Steel {

class CDesSectGeomRHS : public CDesSectGeom, public CGrossSection {
  public:
    // Takes the dimensions of a rectangular hollow section (shape code 9) and computes its
    // properties; published values of the record replace the computed ones (the tables publish
    // no J, which is Bredt's here). False (and nothing changed) for another shape or dimensions
    // that do not make a tube.
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);

    double GetD() const { return D_; }
    double GetB() const { return B_; }
    double GetTf() const { return tf_; }
    double GetTw() const { return tw_; }

    // Corner radii of the tube, inside and at the mid-line of the wall: the basis of the gross
    // properties (OuterCornerRadius less the wall, or half of it). A calculator may answer its
    // own values; the properties do not depend on them.
    virtual double CornerRadiusInner() const;
    virtual double CornerRadiusMid() const;
    // Turns the section 90° clockwise: depth and width, the two wall thicknesses and every
    // property about x and y exchange.
    virtual void Rotate90Clockwise();

    // The dimensions as report lines under "Section dimensions:".
    CString SectGeomString(const CDesFormat& format) const;

    // Outside corner radius that the published properties of cold-formed tubes assume (AS/NZS
    // 1163 tubes as tabulated by the manufacturer): 2t for walls up to 3 mm, 2.5t for thicker
    // ones; welded boxes have square corners. At most half the smaller outside dimension.
    static double OuterCornerRadius(double t, bool welded, double smallerSide);
    // Gross properties of the box from its dimensions and outside corner radius: the outline
    // less the hole, each a rectangle with rounded corners (the hole's radius rOuter − tf); J by
    // Bredt's formula on the wall's mid-line.
    static GrossProperties Compute(double D, double B, double tf, double tw, double rOuter);

  private:
    double D_ = 0, B_ = 0, tf_ = 0, tw_ = 0, rOuter_ = 0;
};

}  // namespace Arbor::Steel
