// Table 5.2 classes, effective moduli (cl. 5.2.3 to 5.2.5) and the form factor kf (cl. 6.2.4)
// of the I, hollow and channel calculators, hand-worked for catalogue sections and sections
// made from plates; the element limits and αb (Table 6.3.3) of I sections.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "shapes/IcalcSupport.h"
#include "shapes/SectionCalcCHS.h"
#include "shapes/SectionCalcPFC.h"
#include "shapes/SectionCalcRHS.h"
#include "shapes/Slenderness.h"

using namespace icalc;
using Arbor::Steel::SteelAS4100::CSectionCalcCHS;
using Arbor::Steel::SteelAS4100::CSectionCalcPFC;
using Arbor::Steel::SteelAS4100::CSectionCalcRHS;
namespace SL = Arbor::Steel::SteelAS4100::Slenderness;
namespace Flag = Arbor::Steel::ResultFlag;

namespace {
constexpr auto Compact = CAS4100_98Section::Compact;
constexpr auto NonCompact = CAS4100_98Section::NonCompact;
constexpr auto Slender = CAS4100_98Section::Slender;
constexpr auto Deform = CAS4100_98Section::Deform;
// A value no class takes, inside the enum's range (0..7) so a sanitizer accepts it.
constexpr auto Unworked = static_cast<CAS4100_98Section::BucklingClass>(7);

// A calculator of any shape behind the base, with its class in compression.
struct Probe {
    virtual ~Probe() = default;
    virtual CAS4100_98Section& Section() = 0;
    virtual CAS4100_98Section::BucklingClass Comp(CMemberResult* result) = 0;
};
template <class Calc>
struct Held : Probe {
    explicit Held(Calc c) : calc(std::move(c)) {}
    CAS4100_98Section& Section() override { return calc; }
    CAS4100_98Section::BucklingClass Comp(CMemberResult* r) override {
        return calc.BucklingClassComp(r);
    }
    Calc calc;
};
template <class Calc>
std::shared_ptr<Probe> Shared(Calc calc) {
    return std::make_shared<Held<Calc>>(std::move(calc));
}
}  // namespace

// I sections: flange λ = (B − tw)/2/T·sqrt(fy/250) against λep/λey of 9/16 (x-x) and 9/25 (y-y,
// free edge) for HR, 8/14 and 8/22 for HW; web λ = (D − 2T)/tw·sqrt(fy/250) against 82/115 in
// bending and 45 (HR) or 35 (HW) in compression. Ze = min(S, 1.5 Z) when compact, interpolated
// by λs when non-compact; slender: Z·λsy/λs (a flange governs) or Z·(λsy/λs)² (the web). The
// web keeps be = λey/λw·d, each flange outstand be = λey/λf·b (cl. 6.2.4).
// Tubes in C350L0, ε = √1.4: RHS flat widths b = B − 2t, d = D − 2t against λep 30, λey 40
// (flange), 82/115 (web in bending), 40 in uniform compression; CHS λ = (D/t)·(fy/250) against
// λep 50, λey 120, 82 in compression.
TEST(Classification, ClassesModuliFormFactorAndFlagsOfEachShape) {
    const unsigned web = Flag::SlenderWeb, flange = Flag::SlenderFlange;
    const unsigned bending = Flag::SlenderBending;
    const double unworked = std::nan("");
    const struct {
        const char* what;
        std::shared_ptr<Probe> probe;
        CAS4100_98Section::BucklingClass xx, yy, comp;
        double zex, zey, kf;  // 10³ mm³
        unsigned xxFlags, yyFlags, compFlags;
    } cases[] = {
        // fy = 320 MPa: flange 8.81, web 52.6; Zey = min(142, 1.5·92.7); Ae = 4960 mm².
        {"310UB40.4", Shared(Catalogued("310UB40.4", "300PLUS")), Compact, Compact, Slender, 633.0,
         139.05, 0.95203, 0, 0, web},
        // fy = 360 MPa: flange 9.35, web 55.8; Zex = 569 + (16 − 9.347)/7·(633 − 569).
        {"310UB40.4 G350", Shared(Catalogued("310UB40.4", "Grade 350")), NonCompact, NonCompact,
         Slender, 629.83, 138.04, 0.93578, 0, 0, web},
        // Flange 12.14: Zex = 166 + (16 − 12.14)/7·18, Zey = 52.4 + (25 − 12.14)/16·26.2.
        {"150UC23.4", Shared(Catalogued("150UC23.4", "300PLUS")), NonCompact, NonCompact, Compact,
         175.93, 73.46, 1.0, 0, 0, 0},
        // fy = 300 MPa (tf = 14.8 mm): web 59.2, be = 435.4 mm, Ae = 11541 mm².
        {"610UB101", Shared(Catalogued("610UB101", "300PLUS")), Compact, Compact, Slender, 2900.0,
         385.5, 0.88784, 0, 0, web},
        // Web 41.4 and flange 7.25: compact everywhere, Ae = Ag.
        {"250UB37.3", Shared(Catalogued("250UB37.3", "300PLUS")), Compact, Compact, Compact, 486.0,
         116.25, 1.0, 0, 0, 0},
        // Girder 1000 × 280 × 20, web 6, HW, fy = 300: web 175.27, flanges 7.50;
        // Zex = 6263.72·(115/175.27)², Zey = 1.5·522.79, Ae = 16960 − (960 − 191.7)·6 mm².
        {"girder", Shared(FromPlates({1000, 280, 20, 280, 20, 6}, 300)), Slender, Compact, Slender,
         2696.54, 784.19, 0.72820, web, 0, web},
        // 400 × 400 × 10, web 8, HW, fy = 300: flanges 21.47 govern the web 52.03 (/115);
        // Zex = 1704.24·14/21.47, Zey = 533.41 + (22 − 21.47)/14·(800.12 − 533.41),
        // Ae = 11040 − 4·68.2·10 − 124.4·8 = 7316.9 mm².
        {"slender flanges", Shared(FromPlates({400, 400, 10, 400, 10, 8}, 300)), Slender,
         NonCompact, Slender, 1111.25, 543.50, 0.66276, flange, 0, web | flange},
        // λ = 88/6·ε = 17.35: compact, Ze = min(S, 1.5Z) = S.
        {"100x100x6SHS", Shared(Catalogued<CSectionCalcRHS>("100x100x6SHS", "C350L0")), Compact,
         Compact, Compact, 73.5, 73.5, 1.0, 0, 0, 0},
        // About x flange 40/5·ε = 9.47, web 140/5·ε = 33.13: compact, Zex = Sx. About y the
        // 140 mm walls are the flanges: 33.13, Zey = 30.6 + 5.1·(40 − 33.13)/10 = 34.104.
        {"150x50x5RHS", Shared(Catalogued<CSectionCalcRHS>("150x50x5RHS", "C350L0")), Compact,
         NonCompact, Compact, 78.9, 34.104, 1.0, 0, 0, 0},
        // λ = 238/6·ε = 46.934 > 40: Ze = 450·40/46.934 = 383.52; be = 40·238/46.934 = 202.84
        // mm, Ae = 5730 − 4·35.16·6 = 4886.1 mm²; a slender flange and web in compression.
        {"250x250x6SHS", Shared(Catalogued<CSectionCalcRHS>("250x250x6SHS", "C350L0")), Slender,
         Slender, Slender, 383.52, 383.52, 0.85272, bending, bending, flange | web},
        // λ = 33.19: compact, Ze = min(185, 1.5·139) = 185.
        {"168.3x7.1CHS", Shared(Catalogued<CSectionCalcCHS>("168.3x7.1CHS", "C350L0")), Compact,
         Compact, Compact, 185.0, 185.0, 1.0, 0, 0, 0},
        // λ = 111.13: Ze = 1250 + 360·(120 − 111.13)/70 = 1295.6; slender in compression:
        // de = 508·√(82/111.13) = 436.38 mm, Ae = π/4·(436.38² − 423.58²) = 8645.3 mm².
        {"508x6.4CHS", Shared(Catalogued<CSectionCalcCHS>("508x6.4CHS", "C350L0")), NonCompact,
         NonCompact, Slender, 1295.64, 1295.64, 0.85597, 0, 0, 0},
        // 600 × 5, 350 MPa: λ = 168 > 120, Z = π/64·(600⁴ − 590⁴)/300 = 1378.76,
        // Ze = Z·min(√(120/168), (240/168)²) = 1165.27; de = 600·√(82/168) = 419.18,
        // Ae = π/4·(419.18² − 409.18²) = 6505.9 of 9346.2 mm². A CHS has no flag in compression.
        {"600x5 CHS",
         Shared(Calculator<CSectionCalcCHS>(
             Dimensioned(Arbor::Data::SecShape::CHS, {600, 5}, RS::CF), OneBand(350, 420))),
         Slender, Slender, Slender, 1165.27, 1165.27, 0.69611, bending, bending, 0},
        // 125PFC: λf = (60.3/7.5)·sqrt(fy/250) = 9.097 (320 MPa), 9.648 (360 MPa): non-compact,
        // Zex = 63.5 + (16 − λf)/7·(73.0 − 63.5). The others are compact with Zex = Sx
        // (Sx < 1.5·Zx). No element is slender in compression.
        {"125PFC", Shared(Catalogued<CSectionCalcPFC>("125PFC", "300PLUS")), NonCompact, Unworked,
         Compact, 72.869, unworked, 1.0, 0, 0, 0},
        {"125PFC G350", Shared(Catalogued<CSectionCalcPFC>("125PFC", "Grade 350")), NonCompact,
         Unworked, Compact, 72.121, unworked, 1.0, 0, 0, 0},
        {"200PFC", Shared(Catalogued<CSectionCalcPFC>("200PFC", "300PLUS")), Compact, Unworked,
         Compact, 221.0, unworked, 1.0, 0, 0, 0},
        {"380PFC G350", Shared(Catalogued<CSectionCalcPFC>("380PFC", "Grade 350")), Compact,
         Unworked, Compact, 946.0, unworked, 1.0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CAS4100_98Section& s = c.probe->Section();
        CMemberResult xx, yy, comp;
        EXPECT_EQ(s.BucklingClassXX(&xx), c.xx);
        if (c.yy != Unworked) {
            EXPECT_EQ(s.BucklingClassYY(&yy), c.yy);
        }
        EXPECT_EQ(c.probe->Comp(&comp), c.comp);
        EXPECT_EQ(xx.Flags(), c.xxFlags);
        EXPECT_EQ(yy.Flags(), c.yyFlags);
        EXPECT_EQ(comp.Flags(), c.compFlags);
        EXPECT_NEAR(s.ZxxEffective() * 1e6, c.zex, 0.005);
        if (!std::isnan(c.zey)) {
            EXPECT_NEAR(s.ZyyEffective() * 1e6, c.zey, 0.005);
        }
        EXPECT_NEAR(s.AreaCompEffective() / s.Area(), c.kf, 0.00005);
    }
    // The plastic/elastic ratio caps the compact modulus at k·Z.
    CSectionCalcI capped = Catalogued("310UB40.4", "300PLUS");
    capped.SetPlasticElasticRatio(1.05);
    EXPECT_NEAR(capped.ZxxEffective(), 1.05 * 569e-6, 1e-12);
    EXPECT_NEAR(capped.ZyyEffective(), 1.05 * 92.7e-6, 1e-12);
    // λs without uniform compression never takes the web: the girder's flange, 7.50 of 8/22.
    double ls, lsp, lsy, lsd;
    ASSERT_TRUE(
        FromPlates({1000, 280, 20, 280, 20, 6}, 300).GetSlenderProps(ls, lsp, lsy, lsd, false));
    EXPECT_NEAR(ls, 7.504, 0.001);
    EXPECT_EQ(lsy, 22.0);
}

// Mono-symmetric: flange 1 (bottom) 300 × 25, flange 2 (top) 150 × 6, web 8, D = 400, HW,
// fy = 300: flange 2 (150 − 8)/2/6 · 1.0954 = 12.96 (non-compact), flange 1 6.40 (compact).
TEST(IcalcPlates, SignOfMajorMomentChoosesTheCompressedFlange) {
    CSectionCalcI s = FromPlates({400, 300, 25, 150, 6, 8}, 300);
    s.SetMomentXX(0.0);
    EXPECT_EQ(s.BucklingClassXX(nullptr), NonCompact);
    s.SetMomentXX(-1e5);
    EXPECT_EQ(s.BucklingClassXX(nullptr), Compact);
}

// Limits are inclusive (λ = λep compact, λ = λey non-compact; λey in compression not slender);
// only flanges in uniform compression have a deformation limit (35).
TEST(IcalcElementClass, LimitsAreInclusiveAndDeformationOnlyForUniformFlanges) {
    const SL::Limits web = SL::WebInBending();
    EXPECT_EQ(SL::Classify(82.0, web, false), Compact);
    EXPECT_EQ(SL::Classify(std::nextafter(82.0, 100.0), web, false), NonCompact);
    EXPECT_EQ(SL::Classify(115.0, web, false), NonCompact);
    EXPECT_EQ(SL::Classify(std::nextafter(115.0, 200.0), web, false), Slender);
    EXPECT_EQ(SL::ClassifyCompression(45.0, 45.0), Compact);
    EXPECT_EQ(SL::ClassifyCompression(std::nextafter(45.0, 50.0), 45.0), Slender);
    // fy = 250: flange (400 − 8)/2/5 = 39.2 > 35; a web of 195 is never Deform.
    CSectionCalcI s = FromPlates({400, 400, 5, 400, 5, 8}, 250);
    EXPECT_EQ(s.BucklingClassFlange1(true, true), Deform);
    EXPECT_EQ(s.BucklingClassFlange1(true, false), Slender);
    EXPECT_EQ(s.BucklingClassFlange2(false, true), Slender);
    EXPECT_EQ(FromPlates({400, 100, 5, 100, 5, 2}, 250).BucklingClassWeb(true, true), Slender);
}

// Table 5.2 (flange λep, λey uniform, λey free edge) and Table 6.2.4 (λey of web, flange) by
// residual stress category; an unknown category has no flange limits.
TEST(IcalcTables, LimitsByCategory) {
    using SC = CAS4100_98Section::SectionClass;
    const struct {
        unsigned category;
        double ep, eyUniform, eyFreeEdge, webEffective, flangeEffective;
    } rows[] = {{RS::HW, 8, 14, 22, 35, 14},
                {RS::CF, 8, 15, 22, 40, 15},
                {RS::LW, 8, 15, 22, 40, 15},
                {RS::SR, 10, 16, 25, 45, 16},
                {7, 0, 0, 0, 35, 14}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.category);
        const CSectionCalcI s = FromPlates({400, 200, 10, 200, 10, 8, row.category}, 300);
        EXPECT_EQ(s.Table5_2(false, SC::PlasticityLimit, true), row.ep);
        EXPECT_EQ(s.Table5_2(false, SC::YieldLimit, true), row.eyUniform);
        EXPECT_EQ(s.Table5_2(false, SC::YieldLimit, false), row.eyFreeEdge);
        EXPECT_EQ(s.Table5_2(false, SC::DeformationLimit, true), 35.0);
        EXPECT_EQ(s.Table5_2(true, SC::YieldLimit, false), 115.0);
        EXPECT_EQ(s.Table5_2(true, static_cast<SC>(3), true), 0.0);
        EXPECT_EQ(s.Table6_2_4(true), row.webEffective);
        EXPECT_EQ(s.Table6_2_4(false), row.flangeEffective);
    }
    // Unknown category: a stocky flange (4.75) is slender.
    CSectionCalcI unknown = FromPlates({200, 200, 20, 200, 20, 10, 6}, 250);
    EXPECT_EQ(unknown.BucklingClassYY(nullptr), Slender);
}

// Table 6.3.3: αb by kf, category, plate fabrication code and flange thickness.
TEST(IcalcAlphaB, Table6_3_3) {
    const CSectionCalcI hr40 = FromPlates({400, 200, 40, 200, 40, 10, RS::HR}, 250);
    EXPECT_EQ(hr40.AlphaB(1.0), 0.0);        // tf = 40 mm counts as ≤ 40 mm
    EXPECT_EQ(hr40.AlphaB(0.9999995), 0.0);  // within 1e-6 of 1: Table 6.3.3(1)
    EXPECT_EQ(hr40.AlphaB(1.1), 1.0);
    EXPECT_EQ(FromPlates({400, 200, 41, 200, 41, 10, RS::HR}, 250).AlphaB(0.9), 1.0);
    const struct {
        Plates plates;
        double kf, alphaB;
    } welded[] = {
        {{400, 200, 20, 200, 20, 10, RS::HW, 1}, 1.0, 0.0},
        {{400, 200, 20, 200, 20, 10, RS::HW, 2}, 1.0, 0.5},
        {{400, 200, 50, 200, 50, 10, RS::HW, 2}, 1.0, 1.0},
        {{400, 200, 20, 200, 20, 10, RS::HW, 1}, 0.9, 0.5},
        {{400, 200, 50, 200, 50, 10, RS::HW, 1}, 0.9, 1.0},
        {{400, 200, 20, 200, 20, 10, RS::SR, 0}, 0.8, 1.0},
    };
    for (const auto& w : welded) {
        EXPECT_EQ(FromPlates(w.plates, 250).AlphaB(w.kf), w.alphaB)
            << w.plates.category << " code " << w.plates.fabrication << " T " << w.plates.T1
            << " kf " << w.kf;
    }
}
