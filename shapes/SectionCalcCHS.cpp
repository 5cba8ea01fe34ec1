// Circular hollow section calculator: Table 5.2 class of the circular wall, effective modulus
// (cl. 5.2.3 to 5.2.5), effective area (cl. 6.2.4), αb of Table 6.3.3 and shear (cl. 5.11.4).
#include "shapes/SectionCalcCHS.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "section/ResultSink.h"
#include "shapes/ColumnStrength.h"
#include "shapes/Slenderness.h"

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;
namespace SL = Slenderness;
namespace RS = Arbor::Data::ResidualStress;

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kCompressionYieldLimit = 82.0;  // cl. 6.2.4, every category

// Table 5.2, circular hollow sections: λep 50 for hot-finished, cold-formed and stress-relieved
// tubes, 42 for welded ones (and any other code); λey 120 (0 for a code outside 0 to 4).
SL::Limits BendingLimits(unsigned category) {
    const bool known = category <= RS::SR;
    const bool welded = category == RS::HW || category == RS::LW;
    return {(known && !welded) ? 50.0 : 42.0, known ? 120.0 : 0.0, kInfinite};
}

}  // namespace

bool CSectionCalcCHS::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomCHS::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}

double CSectionCalcCHS::Lambda() const {
    return (GetD() / GetT()) * (DesignStressMin() / 2.5e8);
}

// --- classes -------------------------------------------------------------------------------

BC CSectionCalcCHS::ClassifyBending(CMemberResult* result) const {
    const BC cls = SL::Classify(Lambda(), BendingLimits(ResidualStressCategory()), false);
    if (cls == Slender) AddFlag(result, ResultFlag::SlenderBending);
    return cls;
}

BC CSectionCalcCHS::ClassifyComp() const {
    return SL::ClassifyCompression(Lambda(), kCompressionYieldLimit);
}

BC CSectionCalcCHS::BucklingClassXX(CMemberResult* result) {
    return ClassifyBending(result);
}

BC CSectionCalcCHS::BucklingClassComp(CMemberResult*) {
    return ClassifyComp();
}

BC CSectionCalcCHS::BucklingClassOverAll(CMemberResult*) {
    return Worst(ClassifyBending(nullptr), ClassifyComp());
}

// --- effective section ---------------------------------------------------------------------

// cl. 5.2.5(b) for a slender tube: Ze = Z·min(√(λsy/λs), (2λsy/λs)²).
double CSectionCalcCHS::ZxxEffective() const {
    const BC cls = ClassifyBending(nullptr);
    const SL::Limits limits = BendingLimits(ResidualStressCategory());
    const double lambda = Lambda();
    if (cls == Compact || cls == NonCompact) {
        const SL::SectionSlenderness sl{lambda, limits.plasticity, limits.yield,
                                        limits.deformation};
        return SL::EffectiveModulus(cls, sl, Zxx(), Sxx(), PlasticElasticRatio(),
                                    SL::SlenderRule::Linear);
    }
    const double ratio = limits.yield / lambda;
    return Zxx() * std::min(std::sqrt(ratio), std::pow(2.0 * ratio, 2));
}

// cl. 6.2.4.2: a slender tube keeps an effective outside diameter de, the smaller of
// D·√(λey/λe) and D·(3λey/λe)², never above D.
double CSectionCalcCHS::AreaCompEffective() const {
    const BC cls = ClassifyComp();
    if (cls == Invalid) return 0.0;
    if (cls != Slender) return Area();
    const double D = GetD(), lambda = Lambda();
    double de = std::min(D * std::sqrt(kCompressionYieldLimit / lambda), D);
    de = std::min(D * std::pow(3.0 * kCompressionYieldLimit / lambda, 2), de);
    const double inside = de - 2.0 * GetT();
    return std::numbers::pi / 4.0 * (de * de - inside * inside);
}

// Table 6.3.3: kf = 1 takes −1.0 for hot-finished and stress-relieved tubes, −0.5 cold-formed,
// 0.5 welded; kf < 1 takes −0.5 for a seamless or cold-formed tube, 1.0 welded.
double CSectionCalcCHS::AlphaB(const double& kf) const {
    const unsigned category = ResidualStressCategory();
    const bool plain = category == RS::HR || category == RS::CF || category == RS::SR;
    if (IsUnitFormFactor(kf)) {
        if (category == RS::HR || category == RS::SR) return -1.0;
        return category == RS::CF ? -0.5 : 0.5;
    }
    if (kf < 1.0 && plain) return -0.5;
    return 1.0;
}

// --- shear and torsion -----------------------------------------------------------------------

// cl. 5.11.4: Vv = 0.36·fy·Ae over the whole tube, with no slender-web or stress-distribution
// reduction.
double CSectionCalcCHS::ShearCapacityY(CMemberResult* result) const {
    const double fy = DesignStressMin();
    const double aw = ShearAreaY(result);
    const double vv = 0.36 * fy * aw;
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Vu = 0.36*Fy*Aw\n   = 0.36*" + f.Stress(fy) + L" * " +
                                f.AreaCS(aw) + L"\n   = " + f.Force(vv) + L"\n");
        result->AddOutputString(L"Vv = " + f.Force(vv) + L" ref. AS 4100:1998 cl. 5.11.2\n");
    }
    return vv;
}

// Bredt: T = 2·Am·t·τ with τ = fy/√3. We take the area enclosed by the wall's mid-line,
// Am = π·(D − t)²/4, consistent with D as the outside diameter everywhere else.
double CSectionCalcCHS::TorsionCapacity(CMemberResult*) const {
    const double midDiameter = GetD() - GetT();
    const double enclosed = std::numbers::pi * midDiameter * midDiameter / 4.0;
    return 2.0 * enclosed * GetT() * DesignStressMin() / std::sqrt(3.0);
}

// --- member buckling -----------------------------------------------------------------------

double CSectionCalcCHS::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, BucklingAxis::XX, ncr, result, false);
}

double CSectionCalcCHS::NcT(double, double& noz, CMemberResult*) const {
    noz = kInfinite;
    return kInfinite;
}

double CSectionCalcCHS::NcTF(double, double, double, double& aux, CMemberResult*) const {
    aux = kInfinite;
    return kInfinite;
}

CString CSectionCalcCHS::SectPropString(const CDesFormat& format) {
    return SectGeomString(format) + CAS4100_98Section::SectPropString(format);
}

}  // namespace Arbor::Steel::SteelAS4100
