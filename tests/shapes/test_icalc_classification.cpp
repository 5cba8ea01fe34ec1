// I-section calculator: Table 5.2 classes, effective moduli (cl. 5.2.3 to 5.2.5) and the form
// factor kf (cl. 6.2.4), hand-worked for catalogue sections in 300PLUS and Grade 350 and for
// welded sections made from plates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shapes/IcalcSupport.h"
#include "shapes/Slenderness.h"

using namespace icalc;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
namespace SL = Arbor::Steel::SteelAS4100::Slenderness;
namespace Flag = Arbor::Steel::ResultFlag;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto Compact = CAS4100_98Section::Compact;
constexpr auto NonCompact = CAS4100_98Section::NonCompact;
constexpr auto Slender = CAS4100_98Section::Slender;
constexpr auto Deform = CAS4100_98Section::Deform;

double Kf(const CSectionCalcI& s) {
    return s.AreaCompEffective() / s.Area();
}
}  // namespace

// 310UB40.4 in 300PLUS: tf = 10.2 mm < 11 mm, fy = 320 MPa, sqrt(fy/250) = 1.1314.
// Flange outstand (165 − 6.1)/2 / 10.2 · 1.1314 = 8.81 ≤ 9: compact in both bending cases.
// Web (304 − 2·10.2)/6.1 · 1.1314 = 52.6 ≤ 82: compact in bending, > 45: slender in compression.
TEST(IcalcCatalogue, CompactRolledBeamIn300Plus) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    EXPECT_DOUBLE_EQ(s.DesignStressMin(), 320e6);
    EXPECT_NEAR(s.LambdaWeb(), 52.60, 0.01);
    EXPECT_EQ(s.BucklingClassXX(nullptr), Compact);
    EXPECT_EQ(s.BucklingClassYY(nullptr), Compact);
    EXPECT_EQ(s.BucklingClassComp(nullptr), Slender);
    EXPECT_EQ(s.BucklingClassOverAll(nullptr), Slender);
    // Zex = min(S, 1.5 Z) = min(633, 853.5)·10³ mm³; Zey = min(142, 1.5·92.7 = 139.05)·10³ mm³.
    EXPECT_NEAR(s.ZxxEffective(), 633e-6, 633e-6 * 1e-6);
    EXPECT_NEAR(s.ZyyEffective(), 139.05e-6, 139.05e-6 * 1e-6);
    // be = 45/52.6 · 283.6 = 242.6 mm; Ae = 5210 − (283.6 − 242.6)·6.1 = 4960 mm².
    EXPECT_NEAR(Kf(s), 0.952, 0.0005);
}

// The same section in Grade 350: fy = 360 MPa, sqrt(fy/250) = 1.2; flange 9.35 (non-compact),
// web 55.8. The flange governs (9.35/16 > 55.8/115).
TEST(IcalcCatalogue, SameBeamInGrade350IsNonCompact) {
    CSectionCalcI s = Catalogued("310UB40.4", "Grade 350");
    EXPECT_DOUBLE_EQ(s.DesignStressMin(), 360e6);
    EXPECT_EQ(s.BucklingClassXX(nullptr), NonCompact);
    EXPECT_EQ(s.BucklingClassYY(nullptr), NonCompact);
    // Zex = 569 + (16 − 9.347)/(16 − 9)·(633 − 569) = 629.8·10³ mm³.
    EXPECT_NEAR(s.ZxxEffective(), 629.83e-6, 0.01e-6);
    // Zey = 92.7 + (139.05 − 92.7)·(25 − 9.347)/(25 − 9) = 138.04·10³ mm³.
    EXPECT_NEAR(s.ZyyEffective(), 138.04e-6, 0.01e-6);
    // be = 45/55.79 · 283.6 = 228.7 mm; Ae = 5210 − 54.9·6.1 = 4875 mm².
    EXPECT_NEAR(Kf(s), 0.9358, 0.0005);
}

// 150UC23.4 in 300PLUS: flange (152 − 6.1)/2/6.8 · 1.1314 = 12.14, between 9 and 16.
TEST(IcalcCatalogue, NonCompactColumnIn300Plus) {
    CSectionCalcI s = Catalogued("150UC23.4", "300PLUS");
    EXPECT_EQ(s.BucklingClassXX(nullptr), NonCompact);
    EXPECT_EQ(s.BucklingClassYY(nullptr), NonCompact);
    EXPECT_EQ(s.BucklingClassComp(nullptr), Compact);
    // Zex = 166 + (16 − 12.14)/7·(184 − 166) = 175.93·10³ mm³.
    EXPECT_NEAR(s.ZxxEffective(), 175.93e-6, 0.01e-6);
    // Zey = 52.4 + (78.6 − 52.4)·(25 − 12.14)/16 = 73.46·10³ mm³ (1.5 Zy = 78.6 < Sy = 80.2).
    EXPECT_NEAR(s.ZyyEffective(), 73.46e-6, 0.01e-6);
    EXPECT_DOUBLE_EQ(Kf(s), 1.0);
}

// A deep light beam: 610UB101 in 300PLUS (tf = 14.8 mm, fy = 300 MPa). Web 573/10.6 · 1.0954 =
// 59.2: be = 45/59.2 · 573 = 435.4 mm, Ae = 13000 − 137.6·10.6 = 11541 mm².
TEST(IcalcCatalogue, DeepBeamWebIsSlenderInCompression) {
    CSectionCalcI s = Catalogued("610UB101", "300PLUS");
    EXPECT_DOUBLE_EQ(s.DesignStressMin(), 300e6);
    EXPECT_TRUE(s.IsWebCompSlender());
    EXPECT_FALSE(s.IsFlange1CompSlender());
    EXPECT_NEAR(Kf(s), 0.8878, 0.0005);
    EXPECT_EQ(s.BucklingClassXX(nullptr), Compact);
    EXPECT_NEAR(s.ZxxEffective(), 2900e-6, 1e-9);

    CMemberResult result;
    s.BucklingClassComp(&result);
    EXPECT_EQ(result.Flags() & Flag::SlenderWeb, Flag::SlenderWeb);
    EXPECT_EQ(result.Flags() & Flag::SlenderFlange, 0u);
}

TEST(IcalcCatalogue, CompactSectionAddsNoFlagAndKeepsGrossArea) {
    CSectionCalcI s = Catalogued("250UB37.3", "300PLUS");
    CMemberResult result;
    EXPECT_EQ(s.BucklingClassXX(&result), Compact);
    EXPECT_EQ(s.BucklingClassYY(&result), Compact);
    EXPECT_EQ(s.BucklingClassComp(&result), Compact);
    EXPECT_EQ(result.Flags(), 0u);
    EXPECT_DOUBLE_EQ(s.AreaCompEffective(), s.Area());
    EXPECT_DOUBLE_EQ(s.ZxxEffective(), std::min(s.Sxx(), 1.5 * s.Zxx()));
}

// The plastic/elastic ratio caps the compact modulus at k·Z.
TEST(IcalcCatalogue, CompactModulusIsCappedByThePlasticElasticRatio) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    s.SetPlasticElasticRatio(1.05);
    EXPECT_NEAR(s.ZxxEffective(), 1.05 * 569e-6, 1e-12);
    EXPECT_NEAR(s.ZyyEffective(), 1.05 * 92.7e-6, 1e-12);
}

// Welded plate girder 1000 × 280 × 20 flanges, 6 mm web, HW, fy = 300 MPa:
// web 960/6 · 1.0954 = 175.3 > 115 slender; flanges (280 − 6)/2/20 · 1.0954 = 7.50 ≤ 8.
TEST(IcalcPlates, SlenderWebInBendingTakesTheSquaredRule) {
    CSectionCalcI s = FromPlates({1000, 280, 20, 280, 20, 6}, 300);
    CMemberResult result;
    EXPECT_EQ(s.BucklingClassXX(&result), Slender);
    EXPECT_EQ(result.Flags(), Flag::SlenderWeb);
    // Ze = Z·(115/175.27)² = 0.4305 Z.
    EXPECT_NEAR(s.ZxxEffective() / s.Zxx(), 0.4305, 0.0002);
}

// 400 × 400 × 10 flanges, 8 mm web, HW, fy = 300 MPa: flange 196/10 · 1.0954 = 21.47 > 14.
TEST(IcalcPlates, SlenderFlangeTakesTheLinearRuleAndLosesOutstandWidth) {
    CSectionCalcI s = FromPlates({400, 400, 10, 400, 10, 8}, 300);
    CMemberResult result;
    EXPECT_EQ(s.BucklingClassXX(&result), Slender);
    EXPECT_EQ(result.Flags(), Flag::SlenderFlange);
    // The flange governs: 21.47/14 > 52.03/115; Ze = Z·14/21.47.
    EXPECT_NEAR(s.ZxxEffective() / s.Zxx(), 0.65205, 0.0001);
    // Flange be = 14/21.47 · 196 = 127.8 mm on each of four outstands; web be = 35/52.03 · 380 =
    // 255.6 mm. Ae = 11040 − 4·68.2·10 − 124.4·8 = 7316.9 mm².
    EXPECT_NEAR(s.AreaCompEffective(), 7316.9e-6, 0.1e-6);
    EXPECT_DOUBLE_EQ(s.Area(), 11040e-6);
}

// Mono-symmetric: flange 1 (bottom) 300 × 25, flange 2 (top) 150 × 6, web 8, D = 400, HW,
// fy = 300: flange 2 (150 − 8)/2/6 · 1.0954 = 12.96 (non-compact), flange 1 6.40 (compact).
TEST(IcalcPlates, SignOfMajorMomentChoosesTheCompressedFlange) {
    CSectionCalcI s = FromPlates({400, 300, 25, 150, 6, 8}, 300);
    EXPECT_FALSE(s.IsDoublySymmetric());
    s.SetMomentXX(0.0);
    EXPECT_EQ(s.BucklingClassXX(nullptr), NonCompact);
    s.SetMomentXX(1e5);
    EXPECT_EQ(s.BucklingClassXX(nullptr), NonCompact);
    s.SetMomentXX(-1e5);
    EXPECT_EQ(s.BucklingClassXX(nullptr), Compact);
    EXPECT_NEAR(s.ZxxEffective(), std::min(s.Sxx(), 1.5 * s.Zxx()), 1e-12);
}

TEST(IcalcPlates, DeformationLimitOnlyForFlangesInUniformCompression) {
    // fy = 250: flange (400 − 8)/2/5 = 39.2 > 35.
    CSectionCalcI s = FromPlates({400, 400, 5, 400, 5, 8}, 250);
    EXPECT_EQ(s.BucklingClassFlange1(true, true), Deform);
    EXPECT_EQ(s.BucklingClassFlange1(true, false), Slender);
    EXPECT_EQ(s.BucklingClassFlange2(false, true), Slender);
    // web 390/2 = 195 ≫ 115 but the web has no deformation limit
    CSectionCalcI deep = FromPlates({400, 100, 5, 100, 5, 2}, 250);
    EXPECT_EQ(deep.BucklingClassWeb(true, true), Slender);
}

TEST(IcalcSlenderProps, WebGovernsOnlyWithUniformFlanges) {
    CSectionCalcI s = FromPlates({1000, 280, 20, 280, 20, 6}, 300);
    double ls, lsp, lsy, lsd;
    ASSERT_TRUE(s.GetSlenderProps(ls, lsp, lsy, lsd, true));
    EXPECT_NEAR(ls, 175.27, 0.01);
    EXPECT_EQ(lsp, 82.0);
    EXPECT_EQ(lsy, 115.0);
    EXPECT_EQ(lsd, kInf);
    ASSERT_TRUE(s.GetSlenderProps(ls, lsp, lsy, lsd, false));
    EXPECT_NEAR(ls, 7.504, 0.001);
    EXPECT_EQ(lsp, 8.0);
    EXPECT_EQ(lsy, 22.0);
    EXPECT_EQ(lsd, kInf);
}

// Table 5.2 rows for each residual stress category (0 HW, 1 HR, 2 CF, 3 LW, 4 SR, 7 unknown).
TEST(IcalcTable5_2, LimitsByCategoryAndSelector) {
    struct Row {
        unsigned category;
        double ep, eyUniform, eyFreeEdge;
    };
    const Row rows[] = {{RS::HW, 8, 14, 22}, {RS::HR, 9, 16, 25},  {RS::CF, 8, 15, 22},
                        {RS::LW, 8, 15, 22}, {RS::SR, 10, 16, 25}, {7, 0, 0, 0}};
    using SC = CAS4100_98Section::SectionClass;
    for (const Row& row : rows) {
        Plates p{400, 200, 10, 200, 10, 8};
        p.category = row.category;
        CSectionCalcI s = FromPlates(p, 300);
        SCOPED_TRACE(row.category);
        EXPECT_EQ(s.Table5_2(false, SC::PlasticityLimit, true), row.ep);
        EXPECT_EQ(s.Table5_2(false, SC::YieldLimit, true), row.eyUniform);
        EXPECT_EQ(s.Table5_2(false, SC::DeformationLimit, true), 35.0);
        EXPECT_EQ(s.Table5_2(false, SC::PlasticityLimit, false), row.ep);
        EXPECT_EQ(s.Table5_2(false, SC::YieldLimit, false), row.eyFreeEdge);
        EXPECT_EQ(s.Table5_2(false, SC::DeformationLimit, false), kInf);
        EXPECT_EQ(s.Table5_2(true, SC::PlasticityLimit, true), 82.0);
        EXPECT_EQ(s.Table5_2(true, SC::YieldLimit, false), 115.0);
        EXPECT_EQ(s.Table5_2(true, SC::DeformationLimit, true), kInf);
        EXPECT_EQ(s.Table5_2(true, static_cast<SC>(3), true), 0.0);
        EXPECT_EQ(s.Table5_2(false, static_cast<SC>(-1), true), 0.0);
    }
}

TEST(IcalcTable6_2_4, YieldLimitsForEffectiveWidths) {
    const unsigned categories[] = {RS::HW, RS::HR, RS::CF, RS::LW, RS::SR, 9};
    const double web[] = {35, 45, 40, 40, 45, 35};
    const double flange[] = {14, 16, 15, 15, 16, 14};
    for (int i = 0; i < 6; ++i) {
        Plates p{400, 200, 10, 200, 10, 8};
        p.category = categories[i];
        CSectionCalcI s = FromPlates(p, 300);
        EXPECT_EQ(s.Table6_2_4(true), web[i]) << categories[i];
        EXPECT_EQ(s.Table6_2_4(false), flange[i]) << categories[i];
    }
}

TEST(IcalcTable5_2, UnknownCategoryMakesEveryFlangeSlender) {
    Plates p{200, 200, 20, 200, 20, 10};
    p.category = 6;
    CSectionCalcI s = FromPlates(p, 250);
    EXPECT_EQ(s.BucklingClassFlange1(true, false), Slender);
    EXPECT_EQ(s.BucklingClassYY(nullptr), Slender);
}

// Limits are inclusive: λ = λep is compact, λ = λey non-compact; a compression element at
// exactly λey is not slender.
TEST(IcalcElementClass, LimitsAreInclusive) {
    const SL::Limits web = SL::WebInBending();
    EXPECT_EQ(SL::Classify(82.0, web, false), Compact);
    EXPECT_EQ(SL::Classify(std::nextafter(82.0, 100.0), web, false), NonCompact);
    EXPECT_EQ(SL::Classify(115.0, web, false), NonCompact);
    EXPECT_EQ(SL::Classify(std::nextafter(115.0, 200.0), web, false), Slender);
    EXPECT_EQ(SL::ClassifyCompression(45.0, 45.0), Compact);
    EXPECT_EQ(SL::ClassifyCompression(std::nextafter(45.0, 50.0), 45.0), Slender);
    EXPECT_EQ(SL::Classify(35.0, SL::OutstandUniform(RS::HR), true), Slender);
    EXPECT_EQ(SL::Classify(35.01, SL::OutstandUniform(RS::HR), true), Deform);
}

// Table 6.3.3: αb by kf, category, plate fabrication code and flange thickness.
TEST(IcalcAlphaB, Table6_3_3) {
    Plates rolled{400, 200, 40, 200, 40, 10};
    rolled.category = RS::HR;
    CSectionCalcI hr40 = FromPlates(rolled, 250);
    EXPECT_EQ(hr40.AlphaB(1.0), 0.0);        // tf = 40 mm counts as ≤ 40 mm
    EXPECT_EQ(hr40.AlphaB(0.9999995), 0.0);  // within 1e-6 of 1: Table 6.3.3(1)
    EXPECT_EQ(hr40.AlphaB(0.9), 0.0);
    EXPECT_EQ(hr40.AlphaB(1.1), 1.0);
    rolled.T1 = rolled.T2 = 41;
    CSectionCalcI hr41 = FromPlates(rolled, 250);
    EXPECT_EQ(hr41.AlphaB(1.0), 1.0);
    EXPECT_EQ(hr41.AlphaB(0.9), 1.0);

    Plates welded{400, 200, 20, 200, 20, 10};
    welded.fabrication = 1;
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(1.0), 0.0);
    welded.fabrication = 2;
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(1.0), 0.5);
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(0.9), 0.5);
    welded.fabrication = 3;
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(1.0), 0.5);
    welded.T1 = welded.T2 = 50;
    welded.fabrication = 2;
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(1.0), 1.0);
    EXPECT_EQ(FromPlates(welded, 250).AlphaB(0.9), 1.0);

    Plates stressRelieved{400, 200, 20, 200, 20, 10};
    stressRelieved.category = RS::SR;
    EXPECT_EQ(FromPlates(stressRelieved, 250).AlphaB(1.0), 0.5);
    EXPECT_EQ(FromPlates(stressRelieved, 250).AlphaB(0.8), 1.0);
}

// Torsional modes are not checked for I sections: both loads are infinite.
TEST(IcalcInterface, NoTorsionalBucklingLoad) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    double out = 0.0;
    EXPECT_EQ(s.NcT(3.0, out, nullptr), kInf);
    EXPECT_EQ(out, kInf);
    out = 0.0;
    EXPECT_EQ(s.NcTF(1e6, 1e6, 1e6, out, nullptr), kInf);
    EXPECT_EQ(out, kInf);
}
