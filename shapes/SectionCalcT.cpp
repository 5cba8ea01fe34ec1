// T-section calculator: local buckling classes of Table 5.2 (the stem an outstand, the sign of
// Mx deciding whether the flange is compressed), effective moduli (cl. 5.2.3 to 5.2.5),
// effective area and centroid in compression (cl. 6.2.4) with the eccentricity moment they
// cause, shear (cl. 5.11), the elastic buckling moment of a mono-symmetric section
// (cl. 5.6.1.2) and the column, torsional and flexural-torsional capacities (cl. 6.3.3).
#include "shapes/SectionCalcT.h"

#include <algorithm>
#include <cmath>

#include "section/ResultSink.h"
#include "section/RuleNote.h"
#include "shapes/ColumnStrength.h"
#include "shapes/ElasticBuckling.h"
#include "shapes/OpenSectionRules.h"
#include "shapes/Slenderness.h"
#include "shapes/TorsionalLoads.h"
#include "shapes/WebShear.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;
namespace Rules = OpenSectionRules;

namespace {}  // namespace

bool CSectionCalcT::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomT::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

double CSectionCalcT::AlphaB(const double& kf) const {
    return Rules::AlphaB(kf);
}

// --- element slenderness (cl. 5.2.2) and Table 5.2 ----------------------------------------

double CSectionCalcT::FlangeSlenderness() const {
    return SL::Element((GetB() - GetTw()) / 2.0, GetT(), DesignStressMin());
}

double CSectionCalcT::StemSlenderness() const {
    return SL::Element(GetD() - GetT(), GetTw(), DesignStressMin());
}

double CSectionCalcT::Table5_2(bool web, SectionClass limit, bool uniform) const {
    return SL::Outstand(ResidualStressCategory(), web && uniform).Select(limit);
}

double CSectionCalcT::Table6_2_4() const {
    return SL::EffectiveWidthLimitOneEdge(ResidualStressCategory());
}

// The flange governs unless, with the flange in uniform compression, the stem is more slender
// relative to its free-edge yield limit.
bool CSectionCalcT::GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy,
                                    double& lambdaSd, bool uniform) const {
    SL::Limits governing = SL::Outstand(ResidualStressCategory(), uniform);
    lambdaS = FlangeSlenderness();
    const SL::Limits stem = SL::OutstandFreeEdge(ResidualStressCategory());
    const double lambdaW = StemSlenderness();
    if (uniform && lambdaW / stem.yield > lambdaS / governing.yield) {
        lambdaS = lambdaW;
        governing = stem;
    }
    lambdaSp = governing.plasticity;
    lambdaSy = governing.yield;
    lambdaSd = governing.deformation;
    return true;
}

// --- element classes ---------------------------------------------------------------------------

// The stem, compressed at its tip, has no deformation limit: never Deform.
BC CSectionCalcT::BucklingClassWeb(bool, bool checkDeform) const {
    return SL::Classify(StemSlenderness(), SL::OutstandFreeEdge(ResidualStressCategory()),
                        checkDeform);
}

BC CSectionCalcT::BucklingClassFlange(bool uniform, bool checkDeform) const {
    return SL::Classify(FlangeSlenderness(), SL::Outstand(ResidualStressCategory(), uniform),
                        checkDeform);
}

BC CSectionCalcT::BucklingClassCompWeb() const {
    return SL::ClassifyCompression(StemSlenderness(), Table6_2_4());
}

BC CSectionCalcT::BucklingClassCompFlange() const {
    return SL::ClassifyCompression(FlangeSlenderness(), Table6_2_4());
}

bool CSectionCalcT::IsWebCompSlender() const {
    return BucklingClassCompWeb() == Slender;
}

bool CSectionCalcT::IsFlangeCompSlender() const {
    return BucklingClassCompFlange() == Slender;
}

// A tee held at a point but free to rotate there is connected by its flange alone when a
// connection stiff about an axis is given.
bool CSectionCalcT::IsFlangeOnlyConnected() const {
    if (!HasMemberRestraint()) return false;
    const CRestraint& r = MemberRestraint();
    return Rules::IsHeldFreeToRotate(r) && Rules::HasStiffConnection(r);
}

// --- section classes -----------------------------------------------------------------------

// Mx ≥ 0 compresses the stem tip: the stem alone. Mx < 0 compresses the flange uniformly, with
// the stem's tip then in tension (classed with the free-edge limits all the same).
BC CSectionCalcT::ClassifyXX(CMemberResult* result) const {
    const BC stem = BucklingClassWeb(false, false);
    SL::FlagIfSlender(result, stem, ResultFlag::SlenderWeb);
    if (MomentXX() >= 0.0) return stem;
    const BC flange = BucklingClassFlange(true, false);
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    return Worst(flange, stem);
}

BC CSectionCalcT::ClassifyYY(CMemberResult* result) const {
    const BC flange = BucklingClassFlange(false, false);
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    return flange;
}

BC CSectionCalcT::ClassifyComp(CMemberResult* result) const {
    const BC flange = BucklingClassCompFlange();
    const BC stem = BucklingClassCompWeb();
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    SL::FlagIfSlender(result, stem, ResultFlag::SlenderWeb);
    return Worst(flange, stem);
}

BC CSectionCalcT::BucklingClassXX(CMemberResult* result) {
    return ClassifyXX(result);
}
BC CSectionCalcT::BucklingClassYY(CMemberResult* result) {
    return ClassifyYY(result);
}
BC CSectionCalcT::BucklingClassComp(CMemberResult* result) {
    return ClassifyComp(result);
}

BC CSectionCalcT::BucklingClassOverAll(CMemberResult* result) {
    return Worst(Worst(ClassifyXX(result), ClassifyYY(result)), ClassifyComp(result));
}

// --- effective section ---------------------------------------------------------------------

// cl. 5.2.3 to 5.2.5 about x: a slender flange in uniform compression (Mx < 0) takes the
// linear rule, otherwise the squared one.
double CSectionCalcT::ZxxEffective() const {
    SL::SectionSlenderness sl;
    GetSlenderProps(sl.lambda, sl.plasticity, sl.yield, sl.deformation, true);
    const bool linear = BucklingClassFlange(true, false) == Slender && MomentXX() < 0.0;
    return SL::EffectiveModulus(ClassifyXX(nullptr), sl, Zxx(), Sxx(), PlasticElasticRatio(),
                                linear ? SL::SlenderRule::Linear : SL::SlenderRule::Squared);
}

// cl. 5.2.3 to 5.2.5 about y: the flange outstands compressed at their free edges; the linear
// rule when the stem is slender as an outstand.
double CSectionCalcT::ZyyEffective() const {
    const SL::Limits limits = SL::OutstandFreeEdge(ResidualStressCategory());
    SL::SectionSlenderness sl;
    sl.lambda = FlangeSlenderness();
    sl.plasticity = limits.plasticity;
    sl.yield = limits.yield;
    const bool linear = BucklingClassWeb(false, false) == Slender;
    return SL::EffectiveModulus(ClassifyYY(nullptr), sl, Zyy(), Syy(), PlasticElasticRatio(),
                                linear ? SL::SlenderRule::Linear : SL::SlenderRule::Squared);
}

double CSectionCalcT::LostOutstandWidth() const {
    if (!IsFlangeCompSlender()) return 0.0;
    return SL::IneffectiveWidth((GetB() - GetTw()) / 2.0, GetT(), DesignStressMin(), Table6_2_4());
}

double CSectionCalcT::LostStemLength() const {
    if (!IsWebCompSlender()) return 0.0;
    return SL::IneffectiveWidth(GetD() - GetT(), GetTw(), DesignStressMin(), Table6_2_4());
}

// cl. 6.2.4: the gross area less the lost widths of both outstands and of the stem.
double CSectionCalcT::AreaCompEffective() const {
    return Area() - 2.0 * LostOutstandWidth() * GetT() - LostStemLength() * GetTw();
}

// The lost flange strips lie at the flange's mid-thickness, the lost stem at its tip.
double CSectionCalcT::YbarCompEffective() const {
    const double wf = LostOutstandWidth();
    const double ww = LostStemLength();
    const double lostMoment = (GetD() - GetT() / 2.0) * 2.0 * wf * GetT() + GetTw() * ww * ww / 2.0;
    return (Ybar() * Area() - lostMoment) / AreaCompEffective();
}

// The axial force about x: through the flange alone it acts at the flange's outer face
// (y = D); otherwise at the gross centroid, from which the effective centroid shifts.
double CSectionCalcT::DeltaMxx(CMemberResult*) const {
    const double n = ForceAxial();
    if (IsFlangeOnlyConnected()) return -n * (YbarCompEffective() - GetD());
    return -n * (YbarCompEffective() - Ybar());
}

// --- shear and torsion (cl. 5.11) ------------------------------------------------------------

double CSectionCalcT::ShearAreaX(CMemberResult*) const {
    return GetB() * GetT();
}

double CSectionCalcT::ShearAreaY(CMemberResult*) const {
    return (IsWelded() ? GetD() - GetT() : GetD()) * GetTw();
}

bool CSectionCalcT::IsWebYShearSlender() const {
    return WebShear::IsShearSlender(ShearAreaY(nullptr) / (GetTw() * GetTw()),
                                    ShearYieldStress(GetTw()));
}

bool CSectionCalcT::IsWebXShearSlender() const {
    return WebShear::IsShearSlender(GetB() / GetT(), ShearYieldStress(GetT()));
}

double CSectionCalcT::MaxThick() const {
    return std::max(GetT(), GetTw());
}

// Shear flow of one flange outstand at the stem.
double CSectionCalcT::MaxShearStressX(CMemberResult* result) const {
    const double outstand = (GetB() - GetTw()) / 2.0;
    const double ayBar = outstand * GetT() * (GetTw() + outstand) / 2.0;
    return WebShear::MaxStress(L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = ", ShearX(), ayBar, Iyy(), 1,
                               GetT(), result);
}

// Stem shear stress at the centroid: first moment of the flange and the stem above it.
double CSectionCalcT::MaxShearStressY(CMemberResult* result) const {
    const double y = GetD() - Ybar();
    const double ayBar =
        (y - GetT()) * (y - GetT()) * GetTw() / 2.0 + (y - GetT() / 2.0) * GetT() * GetB();
    return WebShear::MaxStress(L"fvm = Vy*AyBar/(Ixx*Tw)\n    = ", ShearY(), ayBar, Ixx(), 1,
                               GetTw(), result);
}

double CSectionCalcT::ShearCapacityX(CMemberResult* result) const {
    WriteRuleNote(result, Rules(), L"fy of the flange (cl. 5.11.4)");
    const WebShear::Plate flange{ShearYieldStress(GetT()), ShearAreaX(result), GetB() / GetT(),
                                 IsWebXShearSlender()};
    return WebShear::CapacityFromStresses(
        flange, std::fabs(ShearX()), MaxShearStressX(nullptr), [&] { MaxShearStressX(result); },
        L"fva = Vx/Aw\n    = ", WebShear::UniformLine::WithClause, result);
}

// cl. 5.11.3 with the ratio of maximum to average stem stress from the section's shape alone:
// e from the centroid to the flange's centre line, h from the stem tip to it.
double CSectionCalcT::ShearCapacityY(CMemberResult* result) const {
    WriteRuleNote(result, Rules(), L"fy of the stem (cl. 5.11.4)");
    const double aw = ShearAreaY(result);
    const WebShear::Plate stem{ShearYieldStress(GetTw()), aw, aw / (GetTw() * GetTw()),
                               IsWebYShearSlender()};
    const double vu = WebShear::UniformCapacity(stem, result);
    const double e = GetD() - Ybar() - GetT() / 2.0;
    const double h = GetD() - GetT() / 2.0;
    const double flange = GetB() * GetT() * e;
    const double tw = GetTw();
    const double ratio =
        (flange + tw * e * e / 2.0) / (flange - tw * h * h / 6.0 + tw * h * e / 2.0);
    return WebShear::NonUniformCapacity(
        vu, ratio, WebShear::UniformLine::WithClause,
        [ratio](const CDesFormat& f) { return f.NoDim(ratio); }, result);
}

double CSectionCalcT::TorsionCapacity(CMemberResult*) const {
    return J() * DesignStressMin() / std::sqrt(3.0) / MaxThick();
}

// --- member buckling -------------------------------------------------------------------------

// cl. 5.6.1.2, mono-symmetric, no warping term: the monosymmetry constant βx of the flange
// about the centroid (yc from the centroid to the flange's outer face) changes sign with Mx.
double CSectionCalcT::Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                          double overrideLength) const {
    const double le = SegmentEffectiveLength(span, result, useOverride, overrideLength);
    const double pe = ElasticBuckling::kPiSquared * YoungsModulus() * Iyy() / (le * le);
    const double D = GetD(), T = GetT(), B = GetB();
    const double yc = D - Ybar();
    const double t1 = (std::pow((D - T / 2.0) - yc, 4) - std::pow(yc - T / 2.0, 4)) * GetTw() / 4.0;
    const double t2 = (B * B * B * T / 12.0 + B * T * yc * yc) * yc;
    const double beta0 = (t1 - t2) / Ixx() + 2.0 * yc;
    const double betaX = MomentXX() < 0.0 ? beta0 : -beta0;
    const double moa = std::sqrt(pe) * (std::sqrt(ShearModulus() * J() + pe * betaX * betaX / 4.0) +
                                        betaX / 2.0 * std::sqrt(pe));
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"E = " + f.Stress(YoungsModulus()) + L", G = " +
                                f.Stress(ShearModulus()) + L"\nIy = " + f.LFourth(Iyy()) +
                                L", J = " + f.LFourth(J()) + L"\n");
        result->AddOutputString(L"Moa = " + f.Moment(moa) + L" ref. AS4100:1998 cl. 5.6.1.2 \n");
    }
    return moa;
}

double CSectionCalcT::TwistFactor(const CAS4100Span& span) const {
    const ElasticBuckling::SegmentEnds ends =
        ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules());
    return ElasticBuckling::TwistRestraintFactor(ends, GetD() - GetT(), GetT(), GetTw(),
                                                 span.Length());
}

double CSectionCalcT::RotationalFactor(const CAS4100Span& span) const {
    return ElasticBuckling::LateralRotationRestraintFactor(
        span, ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules()));
}

// cl. 5.3.2.4(b): only a compressed flange (Mx < 0) counts; with the stem tip compressed the
// limit is 0, so only a zero length passes.
bool CSectionCalcT::IsFullyRestrained(double length, double betaM, CMemberResult*) const {
    const double icy = MomentXX() < 0.0 ? std::pow(GetB(), 3) * GetT() / 12.0 : 0.0;
    const double x = ElasticBuckling::MonosymmetryTerm(icy, Iyy(), Area(), GetD() - GetT() / 2.0,
                                                       ZxxEffective());
    return ElasticBuckling::IsWithinFullRestraintSlenderness(
        length, Iyy(), Area(), (80.0 + 50.0 * betaM) * std::sqrt(x), DesignStressMin());
}

double CSectionCalcT::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::XX, ncr, result);
}
double CSectionCalcT::Ncyy(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::YY, ncr, result);
}
double CSectionCalcT::Ncuu(double le, double& ncr, CMemberResult* result) const {
    return Ncxx(le, ncr, result);
}
double CSectionCalcT::Ncvv(double le, double& ncr, CMemberResult* result) const {
    return Ncyy(le, ncr, result);
}

namespace {

// The tee for cl. 6.3.3 torsional buckling: shear centre on the y axis at the flange's
// mid-thickness, y0 = D − ȳ − T/2 from the centroid; flexure about y couples.
TorsionalLoads::TorsionalShape TorsionalShapeOf(const CSectionCalcT& c) {
    TorsionalLoads::TorsionalShape shape;
    shape.y0 = c.GetD() - c.Ybar() - c.GetT1() / 2.0;
    shape.iw = c.Iw();
    shape.it = c.J();
    shape.coupled = TorsionalLoads::CoupledAxis::YY;
    return shape;
}

}  // namespace

double CSectionCalcT::NcT(double le, double& ncrT, CMemberResult* result) const {
    return TorsionalLoads::TorsionalCapacity(*this, TorsionalShapeOf(*this), le, ncrT, result);
}

double CSectionCalcT::NcTF(double ncrX, double ncrY, double ncrT, double& ncrTF,
                           CMemberResult* result) const {
    return TorsionalLoads::FlexuralTorsionalCapacity(*this, TorsionalShapeOf(*this), ncrX, ncrY,
                                                     ncrT, ncrTF, result);
}

CString CSectionCalcT::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format);
}

}  // namespace Arbor::Steel::SteelAS4100
