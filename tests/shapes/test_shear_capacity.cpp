// Shear capacity of I sections (cl. 5.11): stocky and slender webs, non-uniform shear, the
// flanges in minor-axis shear, and the St. Venant torsion capacity. Hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "shapes/IcalcSupport.h"
#include "shapes/WebShear.h"

using namespace icalc;
using Arbor::Steel::Vec3;

namespace {
// Forces [N, Vy, Vx].
void SetShear(CSectionCalcI& s, double vy, double vx) {
    s.SetMemberForces(Vec3(0.0, vy, vx));
}
}  // namespace

// 310UB40.4, 300PLUS: rolled, Aw = D·tw = 304 × 6.1 mm; D/tw = 49.8 ≤ 82/1.1314 = 72.5.
// Vu = 0.6 · 320 MPa · 1854.4 mm² = 356.0 kN; no shear force: taken as uniform.
TEST(ShearCapacityY, StockyRolledWebUnderUniformShear) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    EXPECT_FALSE(s.IsWebYShearSlender());
    EXPECT_NEAR(s.ShearAreaY(nullptr), 304e-3 * 6.1e-3, 1e-12);

    CMemberResult result;
    const double vv = s.ShearCapacityY(&result);
    EXPECT_NEAR(vv, 356044.8, 0.1);
    const auto& f = result.DesFormat();
    ASSERT_EQ(result.Report().size(), 2u);
    EXPECT_EQ(result.Report()[0].text, L"Vu = 0.6*Fy*Aw\n   = 0.6*" + f.Stress(320e6) + L" * " +
                                           f.AreaCS(1854.4e-6) + L"\n   = " + f.Force(356044.8) +
                                           L"\n");
    EXPECT_EQ(result.Report()[1].text, L"Vv = " + f.Force(356044.8) + L"\n");
}

// fvm/fva of a 310UB40.4 web is 1.086 < 1.1: the factor 2/(1.086 + 0.9) stays above 1.
TEST(ShearCapacityY, NearlyUniformWebShearIsNotReduced) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    SetShear(s, 2e5, 0.0);
    EXPECT_NEAR(s.MaxShearStressY(nullptr) / (2e5 / s.ShearAreaY(nullptr)), 1.0857, 0.0005);
    EXPECT_NEAR(s.ShearCapacityY(nullptr), 356044.8, 0.1);
}

// Plates 400 × 100 × 10 flanges, 10 mm web, rolled (HR), fy = 250 MPa: Aw = 400 × 10 mm.
// Ixx = (100·400³ − 90·380³)/12 = 121.79·10⁶ mm⁴; AyBar = 100·200²/2 − 90·190²/2 = 375.5·10³ mm³.
// fvm/fva = AyBar·Aw/(Ixx·tw) = 1.2332, factor 2/(1.2332 + 0.9) = 0.93754: Vv = 0.93754·600 kN.
TEST(ShearCapacityY, NonUniformShearReducesTheCapacity) {
    Plates p{400, 100, 10, 100, 10, 10};
    p.category = RS::HR;
    CSectionCalcI s = FromPlates(p, 250);
    SetShear(s, -1e5, 0.0);  // only the magnitude counts

    CMemberResult result;
    const double vv = s.ShearCapacityY(&result);
    EXPECT_NEAR(vv, 562525.5, 1.0);
    const auto& f = result.DesFormat();
    const double fvm = 1e5 * 375.5e-6 / (121.79333e-6 * 0.01);
    const double fva = 1e5 / 4000e-6;
    ASSERT_EQ(result.Report().size(), 4u);
    EXPECT_EQ(result.Report()[1].text, L"fvm = Vy*AyBar/(Ixx*Tw)\n    = " + f.Force(1e5) + L"*" +
                                           f.LCubed(375.5e-6) + L"/(" + f.LFourth(121.79333e-6) +
                                           L"*" + f.LengthSmall(0.01) + L")\n    = " +
                                           f.Stress(fvm) + L"\n");
    EXPECT_EQ(result.Report()[2].text, L"fva = Vy/Aw\n    = " + f.Force(1e5) + L"/" +
                                           f.AreaCS(4000e-6) + L"\n    = " + f.Stress(fva) + L"\n");
    EXPECT_EQ(result.Report()[3].text, L"Vv = 2*Vu/(0.9+(fvm/fva))\n   = 2*" + f.Force(600e3) +
                                           L"/(0.9 + (" + f.Stress(fvm) + L"/" + f.Stress(fva) +
                                           L"))\n   = " + f.Force(562525.5) +
                                           L" ref. AS 4100:1998 cl. 5.11.3\n");
}

// Welded girder 1000 × 280 × 20, web 6 mm, HW, fy = 300 MPa: dp/tw = 960/6 = 160 > 74.9.
// αv = (82/(160·1.0954))² = 0.21888; Vw = 0.6 · 300 MPa · 960 × 6 mm = 1036.8 kN; Vu = 226.9 kN.
TEST(ShearCapacityY, SlenderWeldedWebUsesClearDepth) {
    CSectionCalcI s = FromPlates({1000, 280, 20, 280, 20, 6}, 300);
    EXPECT_TRUE(s.IsWelded());
    EXPECT_TRUE(s.IsWebYShearSlender());
    EXPECT_NEAR(s.ShearAreaY(nullptr), 0.96 * 0.006, 1e-12);

    CMemberResult result;
    EXPECT_NEAR(s.ShearCapacityY(&result), 226935.0, 0.5);
    const auto& f = result.DesFormat();
    ASSERT_EQ(result.Report().size(), 5u);
    EXPECT_EQ(result.Report()[0].text, L"Vw = 0.6*Fy*Aw\n   = 0.6*" + f.Stress(300e6) + L" * " +
                                           f.AreaCS(5760e-6) + L"\n   = " + f.Force(1036800) +
                                           L"\n");
    EXPECT_EQ(result.Report()[1].text, L"dp/tw = " + f.NoDim(160.0) + L"\n");
    EXPECT_EQ(result.Report()[2].text,
              L"alphaV = pow(82/(dp/tw*sqrt(fy/250)), 2)\n       = pow(82/(" + f.NoDim(160.0) +
                  L" * sqrt(" + f.Stress(300e6) + L"/250)),2)\n       = " + f.NoDim(0.21888) +
                  L"\n");
    EXPECT_EQ(result.Report()[3].text, L"Vu = alphaV * Vw\n   = " + f.NoDim(0.21888) + L"*" +
                                           f.Force(1036800) + L"\n   = " + f.Force(226935) + L"\n");
}

TEST(ShearSlenderness, LimitIsStrict) {
    // 82/sqrt(250/250) = 82 exactly
    EXPECT_FALSE(Arbor::Steel::SteelAS4100::WebShear::IsShearSlender(82.0, 250e6));
    EXPECT_TRUE(Arbor::Steel::SteelAS4100::WebShear::IsShearSlender(82.0001, 250e6));
}

// Minor-axis shear of 310UB40.4 through both flanges: Aw = 2 × 165 × 10.2 mm = 3366 mm²,
// B/T = 16.2 (stocky), Vu = 646.3 kN. Flange stress: b1 = 79.45 mm,
// AyBar = 10.2·79.45·(6.1 + 79.45) = 69.33·10³ mm³, fvm = Vx·AyBar/(Iyy·2·T1);
// fvm/fva = 1.4953, factor 2/2.3953 = 0.83496: Vv = 539.6 kN.
TEST(ShearCapacityX, FlangesCarryMinorAxisShearNonUniformly) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    EXPECT_NEAR(s.ShearAreaX(nullptr), 3366e-6, 1e-12);
    EXPECT_FALSE(s.IsWebXShearSlender());
    SetShear(s, 0.0, 5e4);
    EXPECT_NEAR(s.ShearCapacityX(nullptr), 539610.3, 1.0);

    CMemberResult result;
    s.ShearCapacityX(&result);
    const auto& f = result.DesFormat();
    const double ayBar = 2 * 0.0102 * 0.07945 * (0.0061 + 0.07945) / 2;
    EXPECT_TRUE(HasPiece(result, L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = " + f.Force(5e4) + L"*" +
                                     f.LCubed(ayBar) + L"/(" + f.LFourth(7.65e-6) + L"* 2*" +
                                     f.LengthSmall(0.0102) + L")\n    = " +
                                     f.Stress(5e4 * ayBar / (7.65e-6 * 0.0204)) + L"\n"));
    EXPECT_TRUE(HasPiece(result, L"fva = Vx/Aw\n    = " + f.Force(5e4) + L"/" + f.AreaCS(3366e-6) +
                                     L"\n    = " + f.Stress(5e4 / 3366e-6) + L"\n"));
}

// T = J·(fy/√3)/tmax: 157·10³ mm⁴ · 184.75 MPa / 10.2 mm = 2.844 kN·m.
TEST(TorsionCapacity, UsesTheThickestElement) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    EXPECT_DOUBLE_EQ(s.MaxThick(), 0.0102);
    EXPECT_NEAR(s.TorsionCapacity(nullptr), 2843.73, 0.01);
    // a web thicker than the flanges governs
    CSectionCalcI thickWeb = FromPlates({300, 150, 8, 150, 10, 12}, 250);
    EXPECT_DOUBLE_EQ(thickWeb.MaxThick(), 0.012);
}
