// Torsional and flexural-torsional buckling of members in compression (cl. 6.3.3 entered with
// the modified slenderness λn = 90·sqrt(Ns/Ncr)), written once for the shapes that are not
// doubly symmetric: each calculator supplies its shear centre, warping and torsion constants,
// the flexural load that couples with torsion and, if it has no axis of symmetry, its own
// elastic flexural-torsional load.
#pragma once

#include "host/MemberResult.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100::TorsionalLoads {

// Radii of gyration about the centroidal axes and the polar radius about the shear centre.
struct PolarRadii {
    double ix = 0.0;         // sqrt(Ixx/Ag)
    double iy = 0.0;         // sqrt(Iyy/Ag)
    double x0 = 0.0;         // shear centre from the centroid along x
    double y0 = 0.0;         // shear centre from the centroid along y
    double i0Squared = 0.0;  // ix² + iy² + x0² + y0²
};

// An elastic flexural-torsional buckling load from the radii and the three elastic loads
// (flexure about x, about y, torsion); N.
using FlexuralTorsionalLoadFn = double (*)(const PolarRadii& radii, double ncrX, double ncrY,
                                           double ncrT);

// The flexural mode that couples with torsion: about x for a channel (symmetric about x), about
// y for a T section (symmetric about y). It also names the NcrTF formula in the report.
enum class CoupledAxis { XX, YY };

// How the second line of the αa formula begins in the report of NcT.
enum class AlphaALine {
    Standard,  // "       = "
    Channel,   // "L       = "
};

// What a shape contributes beyond the section's own gross properties, grade and column curve.
struct TorsionalShape {
    double x0 = 0.0;  // shear centre from the centroid along x, m
    double y0 = 0.0;  // shear centre from the centroid along y, m
    double iw = 0.0;  // warping constant Iw, m⁶
    double it = 0.0;  // torsion constant J, m⁴
    CoupledAxis coupled = CoupledAxis::XX;
    AlphaALine alphaALine = AlphaALine::Standard;
    // Null: the closed form of a section with one axis of symmetry (ElasticFlexuralTorsional).
    FlexuralTorsionalLoadFn flexuralTorsionalLoad = nullptr;
};

PolarRadii Radii(const CAS4100_98Section& section, double x0, double y0);

// cl. 6.3.3 elastic torsional buckling load NcrT = (G·It + π²·E·Iw/Le²)/i0², N; +inf for Le = 0.
double ElasticTorsional(double G, double It, double E, double Iw, double le, double i0Squared);

// β = i0²/(ix² + iy²), never below 1.
double Beta(const PolarRadii& radii);

// Elastic flexural-torsional load of a section with one axis of symmetry, N: the smaller root
// NcrTF = (β/2)·(s − sqrt(s² − 4·N1·NcrT/β)), s = N1 + NcrT, N1 the coupled flexural load;
// +inf when N1 or NcrT is not finite.
double ElasticFlexuralTorsional(double n1, double ncrT, double beta);

// NcT (cl. 6.3.3): the nominal capacity for torsional buckling at effective length le; ncrT
// receives the elastic torsional buckling load.
double TorsionalCapacity(const CAS4100_98Section& section, const TorsionalShape& shape, double le,
                         double& ncrT, CMemberResult* result);

// NcTF (cl. 6.3.3): the nominal capacity for flexural-torsional buckling from the elastic loads
// in flexure about x and y and in torsion (the out values of Ncxx, Ncyy and NcT); ncrTF
// receives the elastic flexural-torsional load.
double FlexuralTorsionalCapacity(const CAS4100_98Section& section, const TorsionalShape& shape,
                                 double ncrX, double ncrY, double ncrT, double& ncrTF,
                                 CMemberResult* result);

}  // namespace Arbor::Steel::SteelAS4100::TorsionalLoads
