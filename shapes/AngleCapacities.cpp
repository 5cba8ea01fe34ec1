// Angle calculator: shear of each leg (cl. 5.11), the St. Venant torsion capacity, the
// elastic buckling moment about u-u and the member moment capacity (cl. 5.6.1.1), the full
// lateral restraint test (cl. 5.3.2.4) and the column strength about the leg and principal
// axes (cl. 6.3.3).
#include <algorithm>
#include <cmath>
#include <limits>

#include "host/CubicSolve.h"
#include "section/ResultSink.h"
#include "shapes/ColumnStrength.h"
#include "shapes/ElasticBuckling.h"
#include "shapes/SectionCalcAngle.h"
#include "shapes/TorsionalLoads.h"
#include "shapes/WebShear.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kReferenceStress = 2.5e8;  // 250 MPa
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// First moment about the centroidal axis of the part of a leg beyond it: t·(leg − c)²/2.
double OutstandFirstMoment(double leg, double centroid, double t) {
    return t * (leg - centroid) * (leg - centroid) / 2.0;
}

struct LegShear {
    double leg;                 // length of the leg carrying the shear
    double v;                   // |V|
    double fvm;                 // largest shear stress
    const wchar_t* fvaFormula;  // "fva = Vx/Aw\n    = "
};

}  // namespace

// --- shear (cl. 5.11) and torsion ------------------------------------------------------------

namespace {

// fvm = |V|·(t·(leg − c)²/2)/(I·t) at the centroidal axis, c the centroid along the leg, I the
// second moment about that axis; `formula` opens its report line.
double LegShearStress(double v, double leg, double centroid, double i, double t,
                      const wchar_t* formula, CMemberResult* result) {
    const double ayBar = OutstandFirstMoment(leg, centroid, t);
    const double fvm = v * ayBar / (i * t);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(formula + f.Force(v) + L"*" + f.LCubed(ayBar) + L"/(" +
                                f.LFourth(i) + L"*" + f.LengthSmall(t) + L")\n    = " +
                                f.Stress(fvm) + L"\n");
    }
    return fvm;
}

}  // namespace

double CSectionCalcAngle::MaxShearStressX(CMemberResult* result) const {
    return LegShearStress(std::fabs(ShearX()), GetWidth(), Xbar(), Iyy(), GetThickness(),
                          L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = ", result);
}

double CSectionCalcAngle::MaxShearStressY(CMemberResult* result) const {
    return LegShearStress(std::fabs(ShearY()), GetDepth(), Ybar(), Ixx(), GetThickness(),
                          L"fvm = Vy*AyBar/(Ixx*Tw)\n    = ", result);
}

namespace {

// One leg in shear: Aw = leg·t and dp/tw = leg/t, then the non-uniform reduction.
double LegShearCapacity(const CSectionCalcAngle& s, const LegShear& leg,
                        double (CSectionCalcAngle::*stressLine)(CMemberResult*) const,
                        CMemberResult* result) {
    const double fy = s.DesignStressMin();
    const double aw = leg.leg * s.GetThickness();
    const double dpOnTw = leg.leg / s.GetThickness();
    const double vu =
        WebShear::UniformCapacity({fy, aw, dpOnTw, WebShear::IsShearSlender(dpOnTw, fy)}, result);
    return WebShear::NonUniformCapacity(
        vu, leg.fvm / (leg.v / aw), WebShear::UniformLine::Plain,
        [&](const CDesFormat& f) {
            (s.*stressLine)(result);
            return WebShear::AverageStressLines(leg.fvaFormula, leg.v, aw, leg.fvm, result, f);
        },
        result);
}

}  // namespace

double CSectionCalcAngle::ShearCapacityX(CMemberResult* result) const {
    const LegShear leg{GetWidth(), std::fabs(ShearX()), MaxShearStressX(nullptr),
                       L"fva = Vx/Aw\n    = "};
    return LegShearCapacity(*this, leg, &CSectionCalcAngle::MaxShearStressX, result);
}

double CSectionCalcAngle::ShearCapacityY(CMemberResult* result) const {
    const LegShear leg{GetDepth(), std::fabs(ShearY()), MaxShearStressY(nullptr),
                       L"fva = Vy/Aw\n    = "};
    return LegShearCapacity(*this, leg, &CSectionCalcAngle::MaxShearStressY, result);
}

bool CSectionCalcAngle::IsWebYShearSlender() const {
    return WebShear::IsShearSlender(GetDepth() / GetThickness(), DesignStressMin());
}

// Shear yield fy/√3 over the leg thickness.
double CSectionCalcAngle::TorsionCapacity(CMemberResult*) const {
    return DesignStressMin() / std::sqrt(3.0) * J() / GetThickness();
}

// --- lateral-torsional buckling about u-u (cl. 5.6.1.1, 5.3.2.4) ----------------------------

// cl. 5.6.1.1 without warping: Mo = sqrt(π²·E·Iv/Le² · G·J).
double CSectionCalcAngle::Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                              double overrideLength) const {
    const double le = SegmentEffectiveLength(span, result, useOverride, overrideLength);
    const double e = YoungsModulus(), g = ShearModulus();
    const double mo = std::sqrt(ElasticBuckling::kPiSquared * e * Ivv() / (le * le) * g * J());
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        const CFormatted es = f.Stress(e), gs = f.Stress(g), iv = f.LFourth(Ivv()),
                         j = f.LFourth(J());
        result->AddOutputString(L"E = " + es + L", G = " + gs + L"\nIy = " + iv + L", J = " + j +
                                L"\n");
        result->AddOutputString(L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*G*J )\n    = sqrt( Pi\u00B2*" +
                                es + L"*" + iv + L"/" + f.Length(le) + L"\u00B2*" + gs + L"*" + j +
                                L" )\n    = " + f.Moment(mo) + L"\n");
    }
    return mo;
}

// Mb about the major principal axis: Msu = fy·Zeu in place of Msx.
double CSectionCalcAngle::Mbxx(const CAS4100Span& span, double alphaM, CMemberResult* result,
                               bool useOverride, double overrideLength) const {
    const double msu = DesignStressMin() * ZuuEffective();
    return MemberMomentCapacity(msu, Moa(span, result, useOverride, overrideLength), alphaM,
                                {L"Msu", L"Mbu"}, result);
}

double CSectionCalcAngle::RotationalFactor(const CAS4100Span& span) const {
    return ElasticBuckling::LateralRotationRestraintFactor(
        span, ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules()));
}

// cl. 5.3.2.4(c) for angles: l/t ≤ sqrt(b2/b1)·(210 + 175βm)·(250/fy), b2 the shorter leg.
bool CSectionCalcAngle::IsFullyRestrained(double length, double betaM, CMemberResult*) const {
    const double shorter = std::min(GetWidth(), GetDepth());
    const double longer = std::max(GetWidth(), GetDepth());
    const double limit = std::sqrt(shorter / longer) * (210.0 + 175.0 * betaM) *
                         (kReferenceStress / DesignStressMin());
    return length / GetThickness() <= limit;
}

// --- column strength (cl. 6.3.3) -----------------------------------------------------------

double CSectionCalcAngle::Nc(double le, Axis axis, double& ncr, CMemberResult* result) const {
    switch (axis) {
        case XX:
            return FlexuralColumnCapacity(*this, le, Ixx(), L"xx", ncr, result);
        case YY:
            return FlexuralColumnCapacity(*this, le, Iyy(), L"yy", ncr, result);
        case VV:
            return FlexuralColumnCapacity(*this, le, Ivv(), L"vv", ncr, result);
        case UU:
            return FlexuralColumnCapacity(*this, le, Iuu(), L"uu", ncr, result);
    }
    return FlexuralColumnCapacity(*this, le, 0.0, L"", ncr, result);
}

double CSectionCalcAngle::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, XX, ncr, result);
}
double CSectionCalcAngle::Ncyy(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, YY, ncr, result);
}
double CSectionCalcAngle::Ncvv(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, VV, ncr, result);
}
double CSectionCalcAngle::Ncuu(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, UU, ncr, result);
}

// --- torsional and flexural-torsional buckling (cl. 6.3.3) ------------------------------------

namespace {

namespace TL = TorsionalLoads;

// Shear centre at the heel, where the legs' centre lines meet; no warping.
TL::TorsionalShape AngleTorsionalShape(const CSectionCalcAngle& s) {
    TL::TorsionalShape shape;
    shape.x0 = s.Xbar() - s.GetThickness() / 2.0;
    shape.y0 = s.Ybar() - s.GetThickness() / 2.0;
    shape.iw = 0.0;
    shape.it = s.J();
    shape.coupled = TL::CoupledAxis::XX;
    shape.flexuralTorsionalLoad = CSectionCalcAngle::ElasticFlexuralTorsional;
    return shape;
}

}  // namespace

// cl. 6.3.3, a section without an axis of symmetry: NcrTF is the smallest root in N of
//   (ix² + iy²)/i0²·N³ + ((y0²·NcrX + x0²·NcrY)/i0² − (NcrX + NcrY + NcrT))·N²
//   + (NcrX·NcrY + NcrY·NcrT + NcrX·NcrT)·N − NcrX·NcrY·NcrT = 0,
// whose coefficients, listed from the constant term up, go to the solver from N³ down (handed
// over in the listed order they would solve for 1/N instead). All its roots are real and
// positive; the smallest positive one is taken should rounding report otherwise.
double CSectionCalcAngle::ElasticFlexuralTorsional(const TL::PolarRadii& r, double ncrX,
                                                   double ncrY, double ncrT) {
    if (!std::isfinite(ncrX) || !std::isfinite(ncrY) || !std::isfinite(ncrT)) return kInfinity;
    const double a0 = -ncrX * ncrY * ncrT;
    const double a1 = ncrX * ncrY + ncrY * ncrT + ncrX * ncrT;
    const double a2 =
        (r.y0 * r.y0 * ncrX + r.x0 * r.x0 * ncrY) / r.i0Squared - (ncrX + ncrY + ncrT);
    const double a3 = (r.ix * r.ix + r.iy * r.iy) / r.i0Squared;
    double r1 = 0.0, r2 = 0.0, r3 = 0.0;
    if (!Arbor::Numeric::CubicSolve(a3, a2, a1, a0, r1, r2, r3)) return r1;
    double smallest = kInfinity;
    for (double root : {r1, r2, r3}) {
        if (root > 0.0) smallest = std::min(smallest, root);
    }
    return std::isfinite(smallest) ? smallest : r1;
}

double CSectionCalcAngle::NcT(double le, double& ncrT, CMemberResult* result) const {
    return TL::TorsionalCapacity(*this, AngleTorsionalShape(*this), le, ncrT, result);
}

double CSectionCalcAngle::NcTF(double ncrX, double ncrY, double ncrT, double& ncrTF,
                               CMemberResult* result) const {
    return TL::FlexuralTorsionalCapacity(*this, AngleTorsionalShape(*this), ncrX, ncrY, ncrT, ncrTF,
                                         result);
}

}  // namespace Arbor::Steel::SteelAS4100
