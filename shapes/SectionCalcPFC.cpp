// Channel calculator: local buckling classes of Table 5.2 (one outstand per flange, the web in
// bending about x and in uniform compression under a negative moment about y), effective moduli
// (cl. 5.2.3 to 5.2.5), effective area and centroid in compression (cl. 6.2.4) with the
// eccentricity moment they cause, shear (cl. 5.11), the elastic buckling moment (cl. 5.6.1.1)
// and the column, torsional and flexural-torsional capacities (cl. 6.3.3).
#include "shapes/SectionCalcPFC.h"

#include <algorithm>
#include <cmath>

#include "shapes/ColumnStrength.h"
#include "shapes/ElasticBuckling.h"
#include "shapes/FlangedShear.h"
#include "shapes/OpenSectionRules.h"
#include "shapes/Slenderness.h"
#include "shapes/TorsionalLoads.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;
namespace RS = Arbor::Data::ResidualStress;
namespace Rules = OpenSectionRules;

namespace {

// Table 5.2, a web supported at both edges in uniform compression (the channel bent about y
// with its web compressed): λep 30, λey 35 HW, 45 HR and SR, 40 CF and LW, λed 90; another
// category code gives 0 for λep and λey.
SL::Limits WebUniformLimits(unsigned category) {
    if (category > RS::SR) return {0.0, 0.0, 90.0};
    return {30.0, SL::EffectiveWidthLimitBothEdges(category), 90.0};
}

}  // namespace

bool CSectionCalcPFC::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomPFC::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

double CSectionCalcPFC::AlphaB(const double& kf) const {
    return Rules::AlphaB(kf);
}

// --- element slenderness (cl. 5.2.2) and Table 5.2 ----------------------------------------

double CSectionCalcPFC::FlangeSlenderness() const {
    return SL::Element(GetB1() - GetTw(), GetT1(), DesignStressMin());
}

double CSectionCalcPFC::WebSlenderness() const {
    return SL::Element(GetD() - GetT1() - GetT2(), GetTw(), DesignStressMin());
}

double CSectionCalcPFC::Table5_2(bool web, SectionClass limit, bool major) const {
    const unsigned category = ResidualStressCategory();
    if (web) return (major ? SL::WebInBending() : WebUniformLimits(category)).Select(limit);
    return SL::Outstand(category, major).Select(limit);
}

// The flange governs unless the web is more slender relative to its own yield limit.
bool CSectionCalcPFC::GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy,
                                      double& lambdaSd, bool major) const {
    const unsigned category = ResidualStressCategory();
    SL::Limits governing = SL::Outstand(category, major);
    lambdaS = FlangeSlenderness();
    const SL::Limits web = major ? SL::WebInBending() : WebUniformLimits(category);
    const double lambdaW = WebSlenderness();
    if (lambdaW / web.yield > lambdaS / governing.yield) {
        lambdaS = lambdaW;
        governing = web;
    }
    lambdaSp = governing.plasticity;
    lambdaSy = governing.yield;
    lambdaSd = governing.deformation;
    return true;
}

// --- element classes ---------------------------------------------------------------------------

BC CSectionCalcPFC::BucklingClassWeb(bool bending, bool checkDeform) const {
    const SL::Limits limits =
        bending ? SL::WebInBending() : WebUniformLimits(ResidualStressCategory());
    return SL::Classify(WebSlenderness(), limits, checkDeform);
}

BC CSectionCalcPFC::BucklingClassFlange(bool uniform, bool checkDeform) const {
    return SL::Classify(FlangeSlenderness(), SL::Outstand(ResidualStressCategory(), uniform),
                        checkDeform);
}

BC CSectionCalcPFC::BucklingClassCompFlange() const {
    return SL::ClassifyCompression(FlangeSlenderness(),
                                   SL::EffectiveWidthLimitOneEdge(ResidualStressCategory()));
}

BC CSectionCalcPFC::BucklingClassCompWeb() const {
    return SL::ClassifyCompression(WebSlenderness(),
                                   SL::EffectiveWidthLimitBothEdges(ResidualStressCategory()));
}

bool CSectionCalcPFC::IsFlangeCompSlender() const {
    return BucklingClassCompFlange() == Slender;
}

// A channel held at a point but free to rotate there is taken as connected by its web alone,
// unless a connection stiff about an axis comes with a flange bolted or welded.
bool CSectionCalcPFC::IsWebOnlyConnected() const {
    if (!HasMemberRestraint()) return false;
    const CRestraint& r = MemberRestraint();
    if (!Rules::IsHeldFreeToRotate(r)) return false;
    return !Rules::HasStiffConnection(r) || !Rules::HasFlangeConnection(r);
}

// --- section classes -----------------------------------------------------------------------

// Bending about x: the flanges in uniform compression, the web in bending.
BC CSectionCalcPFC::ClassifyXX(CMemberResult* result) const {
    const BC flange = BucklingClassFlange(true, false);
    const BC web = BucklingClassWeb(true, false);
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    SL::FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

// Bending about y: My ≥ 0 compresses the flange tips alone; My < 0 compresses the web
// uniformly, the flanges then at their supported edge (classed as the free-edge case).
BC CSectionCalcPFC::ClassifyYY(CMemberResult* result) const {
    const BC flange = BucklingClassFlange(false, false);
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    if (MomentYY() >= 0.0) return flange;
    const BC web = BucklingClassWeb(false, false);
    SL::FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

BC CSectionCalcPFC::ClassifyComp(CMemberResult* result) const {
    const BC flange = BucklingClassCompFlange();
    const BC web = BucklingClassCompWeb();
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    SL::FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

BC CSectionCalcPFC::BucklingClassXX(CMemberResult* result) {
    return ClassifyXX(result);
}
BC CSectionCalcPFC::BucklingClassYY(CMemberResult* result) {
    return ClassifyYY(result);
}
BC CSectionCalcPFC::BucklingClassComp(CMemberResult* result) {
    return ClassifyComp(result);
}

BC CSectionCalcPFC::BucklingClassOverAll(CMemberResult* result) {
    return Worst(Worst(ClassifyXX(result), ClassifyYY(result)), ClassifyComp(result));
}

// --- effective section ---------------------------------------------------------------------

// cl. 5.2.3 to 5.2.5 about x: a slender flange in uniform compression takes the linear rule.
double CSectionCalcPFC::ZxxEffective() const {
    SL::SectionSlenderness sl;
    GetSlenderProps(sl.lambda, sl.plasticity, sl.yield, sl.deformation, true);
    const bool flangeSlender = BucklingClassFlange(true, false) == Slender;
    return SL::EffectiveModulus(ClassifyXX(nullptr), sl, Zxx(), Sxx(), PlasticElasticRatio(),
                                flangeSlender ? SL::SlenderRule::Linear : SL::SlenderRule::Squared);
}

// cl. 5.2.3 to 5.2.5 about y: a slender web in uniform compression (My < 0) takes the linear
// rule, flange tips in compression the squared one.
double CSectionCalcPFC::ZyyEffective() const {
    SL::SectionSlenderness sl;
    GetSlenderProps(sl.lambda, sl.plasticity, sl.yield, sl.deformation, false);
    const bool webSlender = BucklingClassWeb(false, false) == Slender && MomentYY() < 0.0;
    return SL::EffectiveModulus(ClassifyYY(nullptr), sl, Zyy(), Syy(), PlasticElasticRatio(),
                                webSlender ? SL::SlenderRule::Linear : SL::SlenderRule::Squared);
}

double CSectionCalcPFC::LostFlangeWidth() const {
    if (!IsFlangeCompSlender()) return 0.0;
    return SL::IneffectiveWidth(GetB1() - GetTw(), GetT1(), DesignStressMin(),
                                SL::EffectiveWidthLimitOneEdge(ResidualStressCategory()));
}

double CSectionCalcPFC::LostWebDepth() const {
    if (BucklingClassCompWeb() != Slender) return 0.0;
    return SL::IneffectiveWidth(GetD() - GetT1() - GetT2(), GetTw(), DesignStressMin(),
                                SL::EffectiveWidthLimitBothEdges(ResidualStressCategory()));
}

// cl. 6.2.4: the gross area less the lost widths of both flanges and of the web.
double CSectionCalcPFC::AreaCompEffective() const {
    return Area() - 2.0 * LostFlangeWidth() * GetT1() - LostWebDepth() * GetTw();
}

// The lost flange strips sit at the tips, the lost web strip on the web's centre line.
double CSectionCalcPFC::XbarCompEffective() const {
    const double wf = LostFlangeWidth();
    const double ww = LostWebDepth();
    const double lostMoment =
        (GetB1() - wf / 2.0) * (2.0 * wf * GetT1()) + (ww * GetTw()) * (GetTw() / 2.0);
    return (Xbar() * Area() - lostMoment) / AreaCompEffective();
}

// The axial force about y: through the web alone it acts at the back of the web (eccentricity
// x̄ of the effective section); otherwise at the gross centroid, from which the effective
// centroid shifts.
double CSectionCalcPFC::DeltaMyy(CMemberResult*) const {
    const double n = ForceAxial();
    if (IsWebOnlyConnected()) return -n * XbarCompEffective();
    return -n * (XbarCompEffective() - Xbar());
}

// --- shear and torsion (cl. 5.11) ------------------------------------------------------------

namespace FS = FlangedShear;

double CSectionCalcPFC::ShearAreaX(CMemberResult*) const {
    return FS::FlangeArea(*this);
}

double CSectionCalcPFC::ShearAreaY(CMemberResult*) const {
    return FS::WebShearDepth(*this) * GetTw();
}

bool CSectionCalcPFC::IsWebYShearSlender() const {
    return FS::IsWebSlender(*this);
}

bool CSectionCalcPFC::IsWebXShearSlender() const {
    return FS::IsFlangeSlender(*this);
}

double CSectionCalcPFC::MaxThick() const {
    return FS::ThickestPlate(*this);
}

// Both flanges' shear flow from the tip to the centroid line.
double CSectionCalcPFC::MaxShearStressX(CMemberResult* result) const {
    const double outstand = GetB1() - Xbar();
    const double ayBar = 2.0 * GetT1() * outstand * outstand / 2.0;
    return WebShear::MaxStress(L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = ", ShearX(), ayBar, Iyy(), 2,
                               GetT1(), result);
}

double CSectionCalcPFC::MaxShearStressY(CMemberResult* result) const {
    return FS::WebMaxStress(*this, result);
}

double CSectionCalcPFC::ShearCapacityY(CMemberResult* result) const {
    return FS::WebCapacity(*this, WebShear::UniformLine::WithClause, result);
}

double CSectionCalcPFC::ShearCapacityX(CMemberResult* result) const {
    return FS::FlangeCapacity(*this, WebShear::UniformLine::WithClause, result);
}

double CSectionCalcPFC::TorsionCapacity(CMemberResult*) const {
    return J() * DesignStressMin() / std::sqrt(3.0) / MaxThick();
}

// --- member buckling -------------------------------------------------------------------------

double CSectionCalcPFC::Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                            double overrideLength) const {
    return ElasticBuckling::MoaSymmetric(*this, span, Iw(), result, useOverride, overrideLength);
}

// Both flanges are alike: flange 1 stands for the critical one.
double CSectionCalcPFC::TwistFactor(const CAS4100Span& span) const {
    const ElasticBuckling::SegmentEnds ends =
        ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules());
    return ElasticBuckling::TwistRestraintFactor(ends, GetD() - GetT1() - GetT2(), GetT1(), GetTw(),
                                                 span.Length());
}

double CSectionCalcPFC::RotationalFactor(const CAS4100Span& span) const {
    return ElasticBuckling::LateralRotationRestraintFactor(
        span, ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules()));
}

// cl. 5.3.2.4(c): a channel with l/ry ≤ (60 + 40·βm)·sqrt(250/fy).
bool CSectionCalcPFC::IsFullyRestrained(double length, double betaM, CMemberResult*) const {
    return ElasticBuckling::IsWithinFullRestraintSlenderness(
        length, Iyy(), Area(), 60.0 + 40.0 * betaM, DesignStressMin());
}

double CSectionCalcPFC::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::XX, ncr, result);
}
double CSectionCalcPFC::Ncyy(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::YY, ncr, result);
}
double CSectionCalcPFC::Ncuu(double le, double& ncr, CMemberResult* result) const {
    return Ncxx(le, ncr, result);
}
double CSectionCalcPFC::Ncvv(double le, double& ncr, CMemberResult* result) const {
    return Ncyy(le, ncr, result);
}

namespace {

// The channel for cl. 6.3.3 torsional buckling: shear centre on the x axis at
// x0 = x̄ − tw/2 + T·((B − tw/2)·(D − T))²/(4·Ixx) from the centroid; flexure about x couples.
TorsionalLoads::TorsionalShape TorsionalShapeOf(const CSectionCalcPFC& c) {
    const double flangeLever = (c.GetB1() - c.GetTw() / 2.0) * (c.GetD() - c.GetT1());
    TorsionalLoads::TorsionalShape shape;
    shape.x0 = c.Xbar() - c.GetTw() / 2.0 + c.GetT1() * flangeLever * flangeLever / (4.0 * c.Ixx());
    shape.iw = c.Iw();
    shape.it = c.J();
    shape.coupled = TorsionalLoads::CoupledAxis::XX;
    shape.alphaALine = TorsionalLoads::AlphaALine::Channel;
    return shape;
}

}  // namespace

double CSectionCalcPFC::NcT(double le, double& ncrT, CMemberResult* result) const {
    return TorsionalLoads::TorsionalCapacity(*this, TorsionalShapeOf(*this), le, ncrT, result);
}

double CSectionCalcPFC::NcTF(double ncrX, double ncrY, double ncrT, double& ncrTF,
                             CMemberResult* result) const {
    return TorsionalLoads::FlexuralTorsionalCapacity(*this, TorsionalShapeOf(*this), ncrX, ncrY,
                                                     ncrT, ncrTF, result);
}

CString CSectionCalcPFC::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format);
}

}  // namespace Arbor::Steel::SteelAS4100
