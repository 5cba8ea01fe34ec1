// Rectangular hollow section calculator: Table 5.2 classes of flat plates supported along both
// edges, effective section (cl. 5.2.3 to 5.2.5, 6.2.4), αb of Table 6.3.3, shear over the two
// webs (cl. 5.11), St Venant torsion and the elastic buckling moment of a closed section
// (cl. 5.6.1.1).
#include "shapes/SectionCalcRHS.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "section/ResultSink.h"
#include "shapes/ColumnStrength.h"
#include "shapes/ElasticBuckling.h"
#include "shapes/WebShear.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;
namespace RS = Arbor::Data::ResidualStress;

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kThinWall = 0.003;  // m

void FlagIfSlender(CMemberResult* result, BC cls, unsigned flag) {
    if (cls == CAS4100_98Section::Slender) AddFlag(result, flag);
}

// cl. 5.11.3 ratio of maximum to average shear stress in the webs of a box carrying shear
// along D: fvm/fva = 1.5·(2B + D)/(3B + D).
double WebShearStressRatio(double D, double B) {
    return 1.5 * (2.0 * B + D) / (3.0 * B + D);
}

// cl. 5.6.1.1 with Iw = 0 (a closed section does not warp): Mo = √(π²E·Iy/Le² · G·J).
double ClosedSectionMoa(double E, double G, double iyy, double j, double le) {
    return std::sqrt(ElasticBuckling::kPiSquared * E * iyy / (le * le) * G * j);
}

void ReportMoa(CMemberResult* result, const CAS4100_98Section& s, double le, double moa) {
    const CDesFormat& f = result->DesFormat();
    const CFormatted e = f.Stress(s.YoungsModulus()), g = f.Stress(s.ShearModulus());
    const CFormatted iy = f.LFourth(s.Iyy()), j = f.LFourth(s.J());
    result->AddOutputString(L"E = " + e + L", G = " + g + L"\nIy = " + iy + L", J = " + j + L"\n");
    result->AddOutputString(L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*G*J )\n    = sqrt( Pi\u00B2*" + e +
                            L"*" + iy + L"/" + f.Length(le) + L"\u00B2*" + g + L"*" + j +
                            L")\n    = " + f.Moment(moa) + L"\n");
}

}  // namespace

// First moment about x-x of the half of the box above it, outline less hole (square corners):
// (D/2)²·(B/2) − (d/2)²·(b/2).
double CSectionCalcRHS::HalfBoxFirstMoment(const Box& box) {
    const double b = box.ClearFlange(), d = box.ClearWeb();
    return box.D * box.D / 4.0 * box.B / 2.0 - d * d / 4.0 * b / 2.0;
}

bool CSectionCalcRHS::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomRHS::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

// --- the geometry's own operations -----------------------------------------------------------

// Cold-formed corners: inside radius t below 3 mm and 2t from 3 mm, with t the flange wall.
double CSectionCalcRHS::CornerRadiusInner() const {
    if (IsWelded()) return 0.0;
    return GetTf() < kThinWall ? GetTf() : 2.0 * GetTf();
}

double CSectionCalcRHS::CornerRadiusMid() const {
    if (IsWelded()) return 0.0;
    return GetTf() < kThinWall ? 1.5 * GetTf() : 2.5 * GetTf();
}

// The actions turn with the section: Mx' = My, My' = −Mx, Vx' = Vy, Vy' = −Vx.
void CSectionCalcRHS::Rotate90Clockwise() {
    CDesSectGeomRHS::Rotate90Clockwise();
    const double mx = MomentXX(), my = MomentYY();
    SetMomentXX(my);
    SetMomentYY(-mx);
    SetMemberForces(Vec3(ForceAxial(), -ShearX(), ShearY()));
}

// --- slenderness and classes (Table 5.2) -------------------------------------------------------

double CSectionCalcRHS::FlangeSlenderness(const Box& box) const {
    return SL::Element(box.ClearFlange(), box.tf, DesignStressMin());
}

double CSectionCalcRHS::WebSlenderness(const Box& box) const {
    return SL::Element(box.ClearWeb(), box.tw, DesignStressMin());
}

double CSectionCalcRHS::LambdaWeb() const {
    return WebSlenderness(Walls());
}

// The flange of a box in bending is in uniform compression, supported along both edges.
BC CSectionCalcRHS::FlangeBendingClass(const Box& box) const {
    return SL::Classify(FlangeSlenderness(box), SL::BothEdgesUniform(ResidualStressCategory()),
                        false);
}

BC CSectionCalcRHS::ClassifyBending(const Box& box, CMemberResult* result) const {
    const BC web = SL::Classify(WebSlenderness(box), SL::WebInBending(), false);
    const BC cls = Worst(FlangeBendingClass(box), web);
    FlagIfSlender(result, cls, ResultFlag::SlenderBending);
    return cls;
}

BC CSectionCalcRHS::ClassifyComp(CMemberResult* result) const {
    const Box box = Walls();
    const double limit = SL::EffectiveWidthLimitBothEdges(ResidualStressCategory());
    const BC flange = SL::ClassifyCompression(FlangeSlenderness(box), limit);
    const BC web = SL::ClassifyCompression(WebSlenderness(box), limit);
    FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

BC CSectionCalcRHS::BucklingClassXX(CMemberResult* result) {
    return ClassifyBending(Walls(), result);
}

BC CSectionCalcRHS::BucklingClassYY(CMemberResult* result) {
    return ClassifyBending(Walls().Turned(), result);
}

BC CSectionCalcRHS::BucklingClassComp(CMemberResult* result) {
    return ClassifyComp(result);
}

BC CSectionCalcRHS::BucklingClassOverAll(CMemberResult*) {
    const Box box = Walls();
    return Worst(Worst(ClassifyBending(box, nullptr), ClassifyBending(box.Turned(), nullptr)),
                 ClassifyComp(nullptr));
}

// --- effective section ---------------------------------------------------------------------

// The flange governs unless the web is nearer its yield limit (λw/115 > λf/λsy).
SL::SectionSlenderness CSectionCalcRHS::SlenderProps(const Box& box) const {
    const SL::Limits flange = SL::BothEdgesUniform(ResidualStressCategory());
    SL::SectionSlenderness sl{FlangeSlenderness(box), flange.plasticity, flange.yield,
                              flange.deformation};
    const double lambdaW = WebSlenderness(box);
    const SL::Limits web = SL::WebInBending();
    if (lambdaW / web.yield > sl.lambda / sl.yield) {
        sl = {lambdaW, web.plasticity, web.yield, web.deformation};
    }
    return sl;
}

bool CSectionCalcRHS::GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy,
                                      double& lambdaSd) const {
    const SL::SectionSlenderness sl = SlenderProps(Walls());
    lambdaS = sl.lambda;
    lambdaSp = sl.plasticity;
    lambdaSy = sl.yield;
    lambdaSd = sl.deformation;
    return true;
}

// cl. 5.2.3 to 5.2.5: a slender flange takes the linear rule, a slender web alone the squared
// one.
double CSectionCalcRHS::EffectiveModulus(const Box& box, double z, double s) const {
    const SL::SlenderRule rule =
        FlangeBendingClass(box) == Slender ? SL::SlenderRule::Linear : SL::SlenderRule::Squared;
    return SL::EffectiveModulus(ClassifyBending(box, nullptr), SlenderProps(box), z, s,
                                PlasticElasticRatio(), rule);
}

double CSectionCalcRHS::ZxxEffective() const {
    return EffectiveModulus(Walls(), Zxx(), Sxx());
}

double CSectionCalcRHS::ZyyEffective() const {
    return EffectiveModulus(Walls().Turned(), Zyy(), Syy());
}

// cl. 6.2.4: both flanges, then both webs, lose their ineffective widths.
double CSectionCalcRHS::AreaCompEffective() const {
    const Box box = Walls();
    const double fy = DesignStressMin();
    const double limit = SL::EffectiveWidthLimitBothEdges(ResidualStressCategory());
    double ae = Area();
    if (SL::ClassifyCompression(FlangeSlenderness(box), limit) == Slender) {
        ae -= 2.0 * SL::IneffectiveWidth(box.ClearFlange(), box.tf, fy, limit) * box.tf;
    }
    if (SL::ClassifyCompression(WebSlenderness(box), limit) == Slender) {
        ae -= 2.0 * SL::IneffectiveWidth(box.ClearWeb(), box.tw, fy, limit) * box.tw;
    }
    return ae;
}

// Table 6.3.3: cold-formed tubes −0.5, hot-finished and stress-relieved −1.0 (kf = 1), welded
// boxes 0.
double CSectionCalcRHS::AlphaB(const double& kf) const {
    const unsigned category = ResidualStressCategory();
    const bool welded = category == RS::HW || category == RS::LW;
    if (IsUnitFormFactor(kf)) {
        if (welded) return 0.0;
        if (category == RS::HR || category == RS::SR) return -1.0;
        return category == RS::CF ? -0.5 : 0.5;
    }
    if (kf > 1.0) return 1.0;
    if (welded) return 0.0;
    return category == RS::HR || category == RS::CF || category == RS::SR ? -0.5 : 1.0;
}

// --- shear and torsion (cl. 5.11) ----------------------------------------------------------

double CSectionCalcRHS::ShearAreaY(CMemberResult*) const {
    const Box box = Walls();
    return 2.0 * box.ClearWeb() * box.tw;
}

double CSectionCalcRHS::ShearAreaX(CMemberResult*) const {
    const Box turned = Walls().Turned();
    return 2.0 * turned.ClearWeb() * turned.tw;
}

bool CSectionCalcRHS::IsWebYShearSlender() const {
    const Box box = Walls();
    return WebShear::IsShearSlender(box.ClearWeb() / box.tw, DesignStressMin());
}

double CSectionCalcRHS::MaxThick() const {
    return std::max(GetTf(), GetTw());
}

// The two webs of the box (walls of depth D) carry the shear along D, with the stress ratio of
// the whole box rather than that of the current shear force.
double CSectionCalcRHS::WebShearCapacity(const Box& box, CMemberResult* result) const {
    const double fy = DesignStressMin();
    const double dpOnTw = box.ClearWeb() / box.tw;
    const WebShear::Plate webs{fy, 2.0 * box.ClearWeb() * box.tw, dpOnTw,
                               WebShear::IsShearSlender(dpOnTw, fy)};
    const double vu = WebShear::UniformCapacity(webs, result);
    const double ratio = WebShearStressRatio(box.D, box.B);
    return WebShear::NonUniformCapacity(
        vu, ratio, WebShear::UniformLine::WithClause,
        [ratio](const CDesFormat& f) { return f.NoDim(ratio); }, result);
}

double CSectionCalcRHS::ShearCapacityY(CMemberResult* result) const {
    return WebShearCapacity(Walls(), result);
}

double CSectionCalcRHS::ShearCapacityX(CMemberResult* result) const {
    return WebShearCapacity(Walls().Turned(), result);
}

double CSectionCalcRHS::MaxShearStressX(CMemberResult* result) const {
    const double vx = std::fabs(ShearX());
    const Box box = Walls();
    const double q = HalfBoxFirstMoment(box.Turned());
    const double fvm = q * vx / (2.0 * Iyy() * box.tf);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"fvm = Vx*AyBar/(Iyy*2*Tf)\n    = " + f.Force(vx) + L"*" +
                                f.LCubed(q) + L"/(" + f.LFourth(Iyy()) + L"* 2*" +
                                f.LengthSmall(box.tf) + L")\n    = " + f.Stress(fvm) + L"\n");
    }
    return fvm;
}

double CSectionCalcRHS::MaxShearStressY(CMemberResult* result) const {
    const double vy = std::fabs(ShearY());
    const Box box = Walls();
    const double q = HalfBoxFirstMoment(box);
    const double fvm = q * vy / (2.0 * Ixx() * box.tw);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Vmay,cal = Vy*AyBar/(Ixx*2*Tw) \n\t= " + f.Force(vy) + L"*" +
                                f.LCubed(q) + L"/(" + f.LFourth(Ixx()) + L"* 2.*" +
                                f.LengthSmall(box.tw) + L") = " + f.Stress(fvm) + L"\n");
    }
    return fvm;
}

// Bredt: T = 2·Am·t·τ with τ = fy/√3 and the thinner wall. We take the area enclosed by the
// wall's mid-line, (B − tw)·(D − tf): the webs' mid-lines lie tw/2 inside the width and the
// flanges' tf/2 inside the depth (for tf = tw the pairing does not matter).
double CSectionCalcRHS::TorsionCapacity(CMemberResult*) const {
    const double enclosed = (GetB() - GetTw()) * (GetD() - GetTf());
    return 2.0 * enclosed * std::min(GetTf(), GetTw()) * DesignStressMin() / std::sqrt(3.0);
}

// --- member buckling -----------------------------------------------------------------------

bool CSectionCalcRHS::IsSquare() const {
    const double ratio = Ixx() / Iyy();
    return ratio > 0.99 && ratio < 1.01;
}

// cl. 5.3.2.4(c): l/ry ≤ (1800 + 1500·βm)·(bf/d)·(250/fy), the yield ratio taken linearly.
bool CSectionCalcRHS::IsFullyRestrained(double length, double betaM, CMemberResult*) const {
    const double ry = std::sqrt(Iyy() / Area());
    const double limit =
        (1800.0 + 1500.0 * betaM) * (GetB() / GetD()) * (2.5e8 / DesignStressMin());
    return length / ry <= limit;
}

double CSectionCalcRHS::Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                            double overrideLength) const {
    const double le = SegmentEffectiveLength(span, result, useOverride, overrideLength);
    const double moa = ClosedSectionMoa(YoungsModulus(), ShearModulus(), Iyy(), J(), le);
    if (IsTextOn(result)) ReportMoa(result, *this, le, moa);
    return moa;
}

// Table 5.6.3(1) with the two webs: c = 0.5·(d/l)·(tf/(2·tw))³.
double CSectionCalcRHS::TwistFactor(const CAS4100Span& span) const {
    const ElasticBuckling::SegmentEnds ends = ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules());
    return ElasticBuckling::TwistRestraintFactor(ends, 0.5 * Walls().ClearWeb(), GetTf(), GetTw(),
                                                 span.Length());
}

double CSectionCalcRHS::RotationalFactor(const CAS4100Span& span) const {
    return ElasticBuckling::LateralRotationRestraintFactor(
        span, ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules()));
}

double CSectionCalcRHS::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::XX, ncr, result);
}

double CSectionCalcRHS::Ncyy(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::YY, ncr, result);
}

double CSectionCalcRHS::Ncuu(double le, double& ncr, CMemberResult* result) const {
    return Ncxx(le, ncr, result);
}

double CSectionCalcRHS::Ncvv(double le, double& ncr, CMemberResult* result) const {
    return Ncyy(le, ncr, result);
}

// A closed box does not buckle torsionally before it buckles flexurally.
double CSectionCalcRHS::NcT(double, double& noz, CMemberResult*) const {
    noz = kInfinite;
    return kInfinite;
}

double CSectionCalcRHS::NcTF(double, double, double, double& aux, CMemberResult*) const {
    aux = kInfinite;
    return kInfinite;
}

CString CSectionCalcRHS::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format);
}

}  // namespace Arbor::Steel::SteelAS4100
