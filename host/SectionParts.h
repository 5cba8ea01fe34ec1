// Building blocks of the open sections' gross properties: plates and root fillets stacked
// along one axis, from which area, centroid, second moment and the plastic modulus about an
// axis across the stack follow; and the pieces of the St Venant torsion constant.
#pragma once

#include <string>
#include <vector>

namespace Arbor::Steel::SectionParts {

// ---- root fillet (spandrel) -------------------------------------------------------------
// The material between a plate face, the face of the plate it joins and a root radius r: an
// r × r square less a quarter disc centred on its far corner.
double SpandrelArea(double r);
// Centroid distance from each of the two faces it touches: r(10 − 3π)/(3(4 − π)).
double SpandrelCentroid(double r);
// Second moment about its own centroidal axis parallel to one face (the same for both).
double SpandrelInertia(double r);

// A part of a section stacked along one axis (call it y): a plate (a rectangle from y0 to y1,
// `width` across) or `count` root fillets on one face (y0 = the face, r in y1, up = true when
// they stand on the side of larger y).
struct Part {
    enum Kind { Plate, FilletPair } kind;
    double y0, y1;  // plate: the two faces; fillets: the face and r (in y1)
    double width;   // plate only
    bool up;        // fillets only
    int count = 2;  // fillets only: how many on that face

    double R() const { return y1; }
    double Area() const;
    double Centroid() const;
    double OwnInertia() const;  // about its own centroidal axis across the stack
    // Area and first moment (about y = 0) of the part's material below the level y.
    double AreaBelow(double y) const;
    double MomentBelow(double y) const;
};

// Properties of a stack of parts about the axis across it.
struct StackProperties {
    double area = 0.0;
    double centroid = 0.0;      // from y = 0
    double inertia = 0.0;       // about the centroid
    double plasticAxis = 0.0;   // from y = 0: half the area on each side
    double plasticModulus = 0;  // S about the plastic axis
};
// `extent` is the largest y of the stack (the plastic axis is sought in 0 to extent).
StackProperties Stack(const std::vector<Part>& parts, double extent);

// ---- St Venant torsion constant after El Darwish & Johnston (1965) ------------------------
// A plate b × t with both ends free: b·t³·(1/3 − 0.21·(t/b)·(1 − t⁴/(12 b⁴))).
double FreePlateTorsion(double b, double t);
// A plate b × t with one end free and the other running into a joint:
// b·t³·(1/3 − 0.105·(t/b)·(1 − t⁴/(192 b⁴))).
double OutstandTorsion(double b, double t);
// The T joint of a plate T thick with a plate tw thick meeting it at right angles, root radius
// r: α·Dj⁴ with Dj = ((T + r)² + tw·(r + tw/4))/(2r + T), α = (t1/t2)·(0.15 + 0.10·r/t1), t1
// the thinner and t2 the thicker of T and tw.
double TeeJointTorsion(double T, double tw, double r);
// The L joint (a corner) of plates t1 and t2 thick, root radius r: α·Dj⁴ with
// Dj = 2·((3r + t1 + t2) − sqrt(2·(2r + t1)·(2r + t2))), α = (ta/tb)·(0.07 + 0.076·r/ta), ta the
// thinner and tb the thicker plate.
double CornerJointTorsion(double t1, double t2, double r);

// ---- refusal of dimensions ----------------------------------------------------------------
// "0.012 m", for the messages that name a refused dimension.
std::wstring Metres(double value);
// Why `v` is not one finite size per name, each above 0 (from index `zeroFrom` on, 0 is
// allowed), naming the dimension and its value; empty when it is.
std::wstring SizeRefusal(const std::vector<double>& v, const std::vector<const wchar_t*>& names,
                         size_t zeroFrom);

}  // namespace Arbor::Steel::SectionParts
