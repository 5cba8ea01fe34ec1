// I-section calculator: local buckling classes of Table 5.2 for bending about each axis and
// for compression, effective section moduli (cl. 5.2.3 to 5.2.5), effective area in
// compression (cl. 6.2.4) and the member section constant αb (Table 6.3.3).
#include "shapes/SectionCalcI.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "shapes/ColumnStrength.h"
#include "shapes/Slenderness.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;
namespace RS = Arbor::Data::ResidualStress;

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kWebBendingYieldLimit = 115.0;

}  // namespace

bool CSectionCalcI::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomI::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

void CSectionCalcI::MirrorXX() {
    CAS4100_98Section::MirrorXX();
    CDesSectGeomI::MirrorXX();
}

// --- element slenderness (cl. 5.2.2) ---------------------------------------------------------

double CSectionCalcI::Flange1Slenderness() const {
    return KeptValue(Kept::Element1, [this] {
        return SL::Element((GetB1() - GetTw()) / 2.0, GetT1(), DesignStressMin());
    });
}

double CSectionCalcI::Flange2Slenderness() const {
    return KeptValue(Kept::Element2, [this] {
        return SL::Element((GetB2() - GetTw()) / 2.0, GetT2(), DesignStressMin());
    });
}

// Clear web depth between the flanges; root radii are not deducted.
double CSectionCalcI::LambdaWeb() const {
    return KeptValue(Kept::Element3, [this] {
        return SL::Element(GetD() - GetT1() - GetT2(), GetTw(), DesignStressMin());
    });
}

// --- Table 5.2 and Table 6.2.4 ---------------------------------------------------------------

double CSectionCalcI::Table5_2(bool web, SectionClass limit, bool uniform) const {
    const SL::Limits limits =
        web ? SL::WebInBending() : SL::Outstand(ResidualStressCategory(), uniform);
    return limits.Select(limit);
}

double CSectionCalcI::Table6_2_4(bool bothEdges) const {
    const unsigned category = ResidualStressCategory();
    return bothEdges ? SL::EffectiveWidthLimitBothEdges(category)
                     : SL::EffectiveWidthLimitOneEdge(category);
}

// Section slenderness for major-axis bending (cl. 5.2.2): the element with the largest
// λe/λey governs; the web is considered only with the flanges in uniform compression.
bool CSectionCalcI::GetSlenderProps(double& lambdaS, double& lambdaSp, double& lambdaSy,
                                    double& lambdaSd, bool uniform) const {
    const SL::Limits flange = SL::Outstand(ResidualStressCategory(), uniform);
    lambdaSp = flange.plasticity;
    lambdaSy = flange.yield;
    lambdaSd = flange.deformation;
    const double lambda1 = Flange1Slenderness();
    lambdaS = lambda1;
    double governing = lambda1 / lambdaSy;
    const double lambda2 = Flange2Slenderness();
    if (lambda2 / lambdaSy > governing) {
        lambdaS = lambda2;
        governing = lambda2 / lambdaSy;
    }
    const double lambdaW = LambdaWeb();
    if (uniform && lambdaW / kWebBendingYieldLimit > governing) {
        const SL::Limits web = SL::WebInBending();
        lambdaS = lambdaW;
        lambdaSp = web.plasticity;
        lambdaSy = web.yield;
        lambdaSd = web.deformation;
    }
    return true;
}

// --- element classes ---------------------------------------------------------------------------

// The web in bending has no deformation limit, so it is never Deform.
BC CSectionCalcI::BucklingClassWeb(bool, bool checkDeform) const {
    return SL::Classify(LambdaWeb(), SL::WebInBending(), checkDeform);
}

BC CSectionCalcI::BucklingClassFlange1(bool uniform, bool checkDeform) const {
    return SL::Classify(Flange1Slenderness(), SL::Outstand(ResidualStressCategory(), uniform),
                        checkDeform);
}

BC CSectionCalcI::BucklingClassFlange2(bool uniform, bool checkDeform) const {
    return SL::Classify(Flange2Slenderness(), SL::Outstand(ResidualStressCategory(), uniform),
                        checkDeform);
}

BC CSectionCalcI::BucklingClassCompWeb() const {
    return SL::ClassifyCompression(LambdaWeb(), Table6_2_4(true));
}

BC CSectionCalcI::BucklingClassCompFlange1() const {
    return SL::ClassifyCompression(Flange1Slenderness(), Table6_2_4(false));
}

BC CSectionCalcI::BucklingClassCompFlange2() const {
    return SL::ClassifyCompression(Flange2Slenderness(), Table6_2_4(false));
}

bool CSectionCalcI::IsWebCompSlender() const {
    return BucklingClassCompWeb() == Slender;
}
bool CSectionCalcI::IsFlange1CompSlender() const {
    return BucklingClassCompFlange1() == Slender;
}
bool CSectionCalcI::IsFlange2CompSlender() const {
    return BucklingClassCompFlange2() == Slender;
}

// --- section classes -----------------------------------------------------------------------

// Major-axis bending: positive Mx (and zero) compresses flange 2; the web is in bending.
BC CSectionCalcI::ClassifyXX(CMemberResult* result) const {
    const BC flange =
        MomentXX() >= 0.0 ? BucklingClassFlange2(true, false) : BucklingClassFlange1(true, false);
    const BC web = BucklingClassWeb(false, false);
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    SL::FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

// Minor-axis bending: both flange outstands with compression at the free edge; the web lies
// on the neutral axis and is not classed.
BC CSectionCalcI::ClassifyYY(CMemberResult* result) const {
    const BC cls = Worst(BucklingClassFlange1(false, false), BucklingClassFlange2(false, false));
    SL::FlagIfSlender(result, cls, ResultFlag::SlenderFlange);
    return cls;
}

BC CSectionCalcI::ClassifyComp(CMemberResult* result) const {
    const BC flange = Worst(BucklingClassCompFlange1(), BucklingClassCompFlange2());
    const BC web = BucklingClassCompWeb();
    SL::FlagIfSlender(result, flange, ResultFlag::SlenderFlange);
    SL::FlagIfSlender(result, web, ResultFlag::SlenderWeb);
    return Worst(flange, web);
}

BC CSectionCalcI::BucklingClassXX(CMemberResult* result) {
    return ClassifyXX(result);
}
BC CSectionCalcI::BucklingClassYY(CMemberResult* result) {
    return ClassifyYY(result);
}
BC CSectionCalcI::BucklingClassComp(CMemberResult* result) {
    return ClassifyComp(result);
}

// The sign of Mx picks the compression flange.
BC CSectionCalcI::BucklingClassOverAll(CMemberResult*) {
    return KeptClass(
        BySign(MomentXX(), Kept::ClassOverAllSagging, Kept::ClassOverAllHogging), [this] {
            return Worst(Worst(ClassifyXX(nullptr), ClassifyYY(nullptr)), ClassifyComp(nullptr));
        });
}

// --- effective section ---------------------------------------------------------------------

// cl. 5.2.3 to 5.2.5 about x-x. A slender flange in uniform compression takes the linear rule;
// otherwise the web in bending governs and the squared rule applies.
double CSectionCalcI::ZxxEffective() const {
    return KeptValue(BySign(MomentXX(), Kept::ZxxEffectiveSagging, Kept::ZxxEffectiveHogging),
                     [this] { return ComputeZxxEffective(); });
}

double CSectionCalcI::ComputeZxxEffective() const {
    const BC cls = ClassifyXX(nullptr);
    SL::SectionSlenderness sl;
    GetSlenderProps(sl.lambda, sl.plasticity, sl.yield, sl.deformation, true);
    const bool flangeSlender = BucklingClassFlange1(true, false) == Slender ||
                               BucklingClassFlange2(true, false) == Slender;
    return SL::EffectiveModulus(cls, sl, Zxx(), Sxx(), PlasticElasticRatio(),
                                flangeSlender ? SL::SlenderRule::Linear : SL::SlenderRule::Squared);
}

// cl. 5.2.3 to 5.2.5 about y-y: the flange outstands with compression at the free edge.
double CSectionCalcI::ZyyEffective() const {
    return KeptValue(Kept::ZyyEffective, [this] { return ComputeZyyEffective(); });
}

double CSectionCalcI::ComputeZyyEffective() const {
    const BC cls = ClassifyYY(nullptr);
    const SL::Limits limits = SL::OutstandFreeEdge(ResidualStressCategory());
    SL::SectionSlenderness sl;
    sl.plasticity = limits.plasticity;
    sl.yield = limits.yield;
    sl.lambda = std::max(Flange1Slenderness(), Flange2Slenderness());
    return SL::EffectiveModulus(cls, sl, Zyy(), Syy(), PlasticElasticRatio(),
                                SL::SlenderRule::Squared);
}

// cl. 6.2.4: the gross area less the ineffective widths of the slender elements, flanges
// (both outstands) first, then the web.
double CSectionCalcI::AreaCompEffective() const {
    return KeptValue(Kept::AreaCompEffective, [this] { return ComputeAreaCompEffective(); });
}

double CSectionCalcI::ComputeAreaCompEffective() const {
    const double fy = DesignStressMin();
    double ae = Area();
    const double flangeLimit = Table6_2_4(false);
    if (BucklingClassCompFlange1() == Slender) {
        const double outstand = (GetB1() - GetTw()) / 2.0;
        ae -= 2.0 * SL::IneffectiveWidth(outstand, GetT1(), fy, flangeLimit) * GetT1();
    }
    if (BucklingClassCompFlange2() == Slender) {
        const double outstand = (GetB2() - GetTw()) / 2.0;
        ae -= 2.0 * SL::IneffectiveWidth(outstand, GetT2(), fy, flangeLimit) * GetT2();
    }
    if (BucklingClassCompWeb() == Slender) {
        const double clearDepth = GetD() - GetT1() - GetT2();
        ae -= SL::IneffectiveWidth(clearDepth, GetTw(), fy, Table6_2_4(true)) * GetTw();
    }
    return ae;
}

// --- member section constant αb (Table 6.3.3) -----------------------------------------------

namespace {

constexpr double kThickFlange = 0.04;  // 40 mm

bool IsAtMost40mm(double tf) {
    return tf < kThickFlange || tf == kThickFlange || std::fabs(kThickFlange - tf) < 1e-6;
}

// Table 6.3.3(1), kf = 1. Welded sections tell their two plate kinds apart by the plate
// fabrication code (1 and 2); any other code takes 0.5.
double AlphaBUnitKf(unsigned category, unsigned fabrication, bool thinFlange) {
    switch (category) {
        case RS::HR:
            return thinFlange ? 0.0 : 1.0;
        case RS::HW:
        case RS::LW:
            if (fabrication == 1) return 0.0;
            if (fabrication == 2) return thinFlange ? 0.5 : 1.0;
            return 0.5;
        default:
            return 0.5;
    }
}

// Table 6.3.3(2), kf < 1.
double AlphaBReducedKf(unsigned category, bool thinFlange) {
    switch (category) {
        case RS::HR:
            return thinFlange ? 0.0 : 1.0;
        case RS::HW:
        case RS::LW:
            return thinFlange ? 0.5 : 1.0;
        default:
            return 1.0;
    }
}

}  // namespace

double CSectionCalcI::AlphaB(const double& kf) const {
    const bool thinFlange = IsAtMost40mm(std::max(GetT1(), GetT2()));
    const unsigned category = ResidualStressCategory();
    if (IsUnitFormFactor(kf)) return AlphaBUnitKf(category, PlateFabricationCode(), thinFlange);
    if (kf < 1.0) return AlphaBReducedKf(category, thinFlange);
    return 1.0;
}

// --- torsional buckling: not a mode of a doubly or mono-symmetric I section here ---------------

double CSectionCalcI::NcT(double, double& noz, CMemberResult*) const {
    noz = kInfinite;
    return kInfinite;
}

double CSectionCalcI::NcTF(double, double, double, double& aux, CMemberResult*) const {
    aux = kInfinite;
    return kInfinite;
}

CString CSectionCalcI::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format);
}

}  // namespace Arbor::Steel::SteelAS4100
