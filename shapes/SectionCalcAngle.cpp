// Angle calculator: how the angle is connected, the classes of its legs (Table 5.2), the
// effective moduli about the leg and the principal axes (cl. 5.2.3 to 5.2.5), the effective
// area in compression (cl. 6.2.4) and the moments in principal axes.
#include "shapes/SectionCalcAngle.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "section/ResultSink.h"
#include "shapes/ColumnStrength.h"
#include "shapes/Slenderness.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;

namespace {

SL::Limits LegLimits(unsigned category, bool uniform) {
    return uniform ? SL::OutstandUniform(category) : SL::OutstandFreeEdge(category);
}

void FlagIfSlender(CMemberResult* result, BC cls) {
    if (cls == CAS4100_98Section::Slender) AddFlag(result, ResultFlag::SlenderBending);
}

// One leg against its limits and the slender rule that goes with its loading.
struct CriticalLeg {
    double lambda;
    SL::Limits limits;
    SL::SlenderRule rule;
};

double Modulus(BC cls, const CriticalLeg& leg, double z, double s, double rho) {
    SL::SectionSlenderness sl;
    sl.lambda = leg.lambda;
    sl.plasticity = leg.limits.plasticity;
    sl.yield = leg.limits.yield;
    return SL::EffectiveModulus(cls, sl, z, s, rho, leg.rule);
}

// Connection rules: bits that must be free, bits that must be held, and the flags they give.
struct ConnectionRule {
    unsigned free, held;
    bool a, b, r;
};
constexpr std::array<ConnectionRule, 9> kConnectionRules{{
    {0x3a0000, 0, false, false, true},
    {0x20a0000, 0x1000000, true, false, false},
    {0x10a0000, 0x2000000, false, true, false},
    {0x40000, 0x80000, true, false, true},
    {0x10000, 0x20000, false, true, true},
    {0xa0000, 0x3000000, true, true, true},
    {0, 0xa0000 | 0x3000000, true, true, true},
    {0, 0x80000 | 0x3000000, true, true, true},
    {0, 0x20000 | 0x3000000, true, true, true},
}};

bool Matches(const CRestraint& restraint, const ConnectionRule& rule) {
    // Each mask is tested as a whole, as the host's IsFree and IsRestrained test it.
    const bool free = rule.free == 0 || restraint.IsFree(rule.free, true);
    const bool held = rule.held == 0 || restraint.IsRestrained(rule.held, true);
    return free && held;
}

}  // namespace

bool CSectionCalcAngle::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomAngle::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

// --- connection (cl. 7.3.2) ------------------------------------------------------------------

CSectionCalcAngle::Connection CSectionCalcAngle::ConnectionOf() const {
    if (!HasMemberRestraint()) return {};
    for (const ConnectionRule& rule : kConnectionRules) {
        if (Matches(MemberRestraint(), rule)) return {rule.a, rule.b, rule.r};
    }
    return {};
}

// Table 7.3.2: an unequal angle connected eccentrically by its shorter leg alone, 0.75.
double CSectionCalcAngle::Kt() const {
    const Connection c = ConnectionOf();
    const bool byShortDepthLeg = c.a && !c.b && GetWidth() > GetDepth();
    const bool byShortWidthLeg = c.b && !c.a && GetDepth() > GetWidth();
    return c.r && (byShortDepthLeg || byShortWidthLeg) ? 0.75 : 0.85;
}

// The axial force acts at the connected leg's centre line when one leg alone is connected,
// otherwise at the gross centroid, against the centroid of the effective section.
double CSectionCalcAngle::DeltaMxx(CMemberResult*) const {
    const Connection c = ConnectionOf();
    const double lineOfForce = c.b && !c.a ? GetThickness() / 2.0 : Ybar();
    return -ForceAxial() * (YbarCompEffective() - lineOfForce);
}

double CSectionCalcAngle::DeltaMyy(CMemberResult*) const {
    const Connection c = ConnectionOf();
    const double lineOfForce = c.a && !c.b ? GetThickness() / 2.0 : Xbar();
    return -ForceAxial() * (XbarCompEffective() - lineOfForce);
}

// --- leg classes ---------------------------------------------------------------------------

double CSectionCalcAngle::DepthLegSlenderness() const {
    return SL::Element(GetDepth() - GetThickness(), GetThickness(), DesignStressMin());
}

double CSectionCalcAngle::WidthLegSlenderness() const {
    return SL::Element(GetWidth() - GetThickness(), GetThickness(), DesignStressMin());
}

// Bending about x: negative Mx leaves the depth leg alone in compression (a stress gradient
// from its toe); otherwise the width leg is in uniform compression too.
BC CSectionCalcAngle::ClassifyXX(CMemberResult* result) const {
    const unsigned category = ResidualStressCategory();
    const BC depth = SL::Classify(DepthLegSlenderness(), LegLimits(category, false), false);
    BC cls = depth;
    if (MomentXX() >= 0.0) {
        cls = Worst(depth, SL::Classify(WidthLegSlenderness(), LegLimits(category, true), false));
    }
    FlagIfSlender(result, cls);
    return cls;
}

// Bending about y: positive My puts the width leg alone under a stress gradient; otherwise
// the depth leg is in uniform compression too.
BC CSectionCalcAngle::ClassifyYY(CMemberResult* result) const {
    const unsigned category = ResidualStressCategory();
    const BC width = SL::Classify(WidthLegSlenderness(), LegLimits(category, false), false);
    BC cls = width;
    if (MomentYY() <= 0.0) {
        cls = Worst(SL::Classify(DepthLegSlenderness(), LegLimits(category, true), false), width);
    }
    FlagIfSlender(result, cls);
    return cls;
}

BC CSectionCalcAngle::ClassifyComp(CMemberResult* result) const {
    const double limit = SL::OutstandUniform(ResidualStressCategory()).yield;
    const BC cls = Worst(SL::ClassifyCompression(DepthLegSlenderness(), limit),
                         SL::ClassifyCompression(WidthLegSlenderness(), limit));
    FlagIfSlender(result, cls);
    return cls;
}

BC CSectionCalcAngle::BucklingClassXX(CMemberResult* result) {
    return ClassifyXX(result);
}
BC CSectionCalcAngle::BucklingClassYY(CMemberResult* result) {
    return ClassifyYY(result);
}
BC CSectionCalcAngle::BucklingClassComp(CMemberResult* result) {
    return ClassifyComp(result);
}

BC CSectionCalcAngle::BucklingClassOverAll(CMemberResult*) {
    return Worst(Worst(ClassifyXX(nullptr), ClassifyYY(nullptr)), ClassifyComp(nullptr));
}

// --- effective moduli (cl. 5.2.3 to 5.2.5) -----------------------------------------------------

// About x: the depth leg under its stress gradient governs unless the width leg (in uniform
// compression) is more slender; the linear rule for a slender depth leg with Mx > 0.
double CSectionCalcAngle::ZxxEffective() const {
    const unsigned category = ResidualStressCategory();
    const double depth = DepthLegSlenderness(), width = WidthLegSlenderness();
    const bool linear =
        SL::Classify(depth, LegLimits(category, false), false) == Slender && MomentXX() > 0.0;
    const CriticalLeg leg{width > depth ? width : depth, LegLimits(category, width > depth),
                          linear ? SL::SlenderRule::Linear : SL::SlenderRule::Squared};
    return Modulus(ClassifyXX(nullptr), leg, Zxx(), Sxx(), PlasticElasticRatio());
}

// About y: the depth leg in uniform compression governs unless the width leg (under its
// stress gradient) is more slender; the linear rule for a slender width leg with My > 0.
double CSectionCalcAngle::ZyyEffective() const {
    const unsigned category = ResidualStressCategory();
    const double depth = DepthLegSlenderness(), width = WidthLegSlenderness();
    const bool linear =
        SL::Classify(width, LegLimits(category, false), false) == Slender && MomentYY() > 0.0;
    const CriticalLeg leg{width > depth ? width : depth, LegLimits(category, !(width > depth)),
                          linear ? SL::SlenderRule::Linear : SL::SlenderRule::Squared};
    return Modulus(ClassifyYY(nullptr), leg, Zyy(), Syy(), PlasticElasticRatio());
}

// About u: which leg is compressed, and how, follows from the sign of Mu and from which leg
// is the longer (ȳ > x̄: the depth leg, nearly perpendicular to u-u).
double CSectionCalcAngle::ZuuEffective() const {
    const double mx = SignedDesignMoment(true), my = SignedDesignMoment(false);
    const bool positive = Muu(mx, mx, my, my) >= 0.0;
    const unsigned category = ResidualStressCategory();
    const CriticalLeg widthGradient{WidthLegSlenderness(), LegLimits(category, false),
                                    SL::SlenderRule::Squared};
    CriticalLeg leg = widthGradient;
    if (!IsEqualLegs() && Ybar() > Xbar()) {
        leg = positive ? CriticalLeg{WidthLegSlenderness(), LegLimits(category, true),
                                     SL::SlenderRule::Linear}
                       : CriticalLeg{DepthLegSlenderness(), LegLimits(category, false),
                                     SL::SlenderRule::Squared};
    } else if (!IsEqualLegs() && !positive) {
        leg = {DepthLegSlenderness(), LegLimits(category, true), SL::SlenderRule::Linear};
    }
    const BC cls = SL::Classify(leg.lambda, leg.limits, false);
    return Modulus(cls, leg, Zuu(), Suu(), PlasticElasticRatio());
}

// About v: the longer leg under a stress gradient, compressed at its toe only when Mv > 0.
double CSectionCalcAngle::ZvvEffective() const {
    const double mx = SignedDesignMoment(true), my = SignedDesignMoment(false);
    const CriticalLeg leg{std::max(DepthLegSlenderness(), WidthLegSlenderness()),
                          LegLimits(ResidualStressCategory(), false), SL::SlenderRule::Squared};
    const BC cls =
        Mvv(mx, mx, my, my) <= 0.0 ? Compact : SL::Classify(leg.lambda, leg.limits, false);
    return Modulus(cls, leg, Zvv(), Svv(), PlasticElasticRatio());
}

// --- effective area in compression (cl. 6.2.4) -----------------------------------------------

// λey/λe of the effective width; the length lost is taken at the toe.
double CSectionCalcAngle::IneffectiveLength(double leg, double lambda) const {
    const double limit = SL::OutstandUniform(ResidualStressCategory()).yield;
    if (!(lambda > limit)) return 0.0;
    return (leg - GetThickness()) * (1.0 - limit / lambda);
}

double CSectionCalcAngle::AreaCompEffective() const {
    const double t = GetThickness();
    return Area() - t * IneffectiveLength(GetDepth(), DepthLegSlenderness()) -
           t * IneffectiveLength(GetWidth(), WidthLegSlenderness());
}

// The depth leg's strip lies at x = t/2, the width leg's at its toe, x = b − r/2.
double CSectionCalcAngle::XbarCompEffective() const {
    const double t = GetThickness();
    const double depthLost = IneffectiveLength(GetDepth(), DepthLegSlenderness());
    const double widthLost = IneffectiveLength(GetWidth(), WidthLegSlenderness());
    const double removed = t * depthLost * t / 2.0 + t * widthLost * (GetWidth() - widthLost / 2.0);
    return (Area() * Xbar() - removed) / AreaCompEffective();
}

double CSectionCalcAngle::YbarCompEffective() const {
    const double t = GetThickness();
    const double depthLost = IneffectiveLength(GetDepth(), DepthLegSlenderness());
    const double widthLost = IneffectiveLength(GetWidth(), WidthLegSlenderness());
    const double removed = t * widthLost * t / 2.0 + t * depthLost * (GetDepth() - depthLost / 2.0);
    return (Area() * Ybar() - removed) / AreaCompEffective();
}

// --- member section constant αb (Table 6.3.3) -----------------------------------------------

double CSectionCalcAngle::AlphaB(const double& kf) const {
    return IsUnitFormFactor(kf) ? 0.5 : 1.0;
}

// --- principal axes ----------------------------------------------------------------------------

namespace {

// The signed value of largest magnitude of f over the pairs (x1, y1), (x1, y2), (x2, y1),
// (x2, y2); a later pair replaces only a strictly larger magnitude.
template <typename F>
double LargestOfPairs(double x1, double x2, double y1, double y2, F f) {
    const std::array<double, 4> values{f(x1, y1), f(x1, y2), f(x2, y1), f(x2, y2)};
    double largest = values[0];
    for (double v : values) {
        if (std::fabs(v) > std::fabs(largest)) largest = v;
    }
    return largest;
}

}  // namespace

// Mu = Mx·cos α + My·sin α, Mv = My·cos α − Mx·sin α (α: u-u from x-x).
double CSectionCalcAngle::Muu(double x1, double x2, double y1, double y2) const {
    const double c = std::cos(Alpha()), s = std::sin(Alpha());
    return LargestOfPairs(x1, x2, y1, y2, [&](double x, double y) { return x * c + y * s; });
}

double CSectionCalcAngle::Mvv(double x1, double x2, double y1, double y2) const {
    const double c = std::cos(Alpha()), s = std::sin(Alpha());
    return LargestOfPairs(x1, x2, y1, y2, [&](double x, double y) { return y * c - x * s; });
}

CString CSectionCalcAngle::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format) + L"\tZuu  = " +
           format.LCubed(Zuu()) + L"\n" + L"\tZvv  = " + format.LCubed(Zvv()) + L"\n" +
           L"\tSuu  = " + format.LCubed(Suu()) + L"\n" + L"\tSvv  = " + format.LCubed(Svv()) +
           L"\n";
}

}  // namespace Arbor::Steel::SteelAS4100
