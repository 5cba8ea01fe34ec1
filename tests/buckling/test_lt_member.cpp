// Lateral-torsional buckling and the combined member check through the whole member: a
// 310UB40.4 in 300PLUS from the catalogue, checked by the module's factory, against hand
// calculations to AS 4100 cl. 5.6.1.1 (member moment capacity), cl. 4.4.2.2 (amplification)
// and cl. 8.4 (combined actions).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

constexpr unsigned kFixedF = kFEnd | RestraintBit::RotationXX | RestraintBit::RotationYY;
// A fly brace at mid-span: both flanges held laterally with twist restraint, no support.
constexpr unsigned kBrace = RestraintBit::TranslationYY | 512 | 1024 | 128 | 64;
constexpr double kTolerance = 0.005;  // 0.5 %

struct Actions {
    double n;      // axial force, tension positive
    double vy;     // major-axis shear (dM/dx)
    double mLeft;  // major-axis end moments
    double mRight;
};

// A 310UB40.4 in 300PLUS from the catalogue, built through NewCode and checked in full.
struct CatalogueMember : HostMember {
    CatalogueMember(const std::vector<PointDef>& points, const std::vector<Actions>& actions)
        : HostMember(MakePoints(points), SubSpans(actions), CatalogueSection("310UB40.4"),
                     CatalogueGrade("300PLUS")) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(checker->Check());
    }
    static SubSpanVec SubSpans(const std::vector<Actions>& actions) {
        std::vector<SubSpanActions> subs;
        for (const Actions& a : actions)
            subs.push_back(Bending(a.n, a.mLeft, a.mRight, a.vy, a.vy));
        return MakeSubSpans(subs.size(), subs);
    }
    // The buckling entry follows the local entries.
    double Buckling(UtilKind kind) const { return result.Util(result.NumEntries() - 1, kind); }
};

// Hand values for the 310UB40.4 in 300PLUS (published Iy = 7.65e6 mm⁴, J = 157e3 mm⁴,
// Iw = 165e9 mm⁶, Zex = Sx = 633e3 mm³ as the section is compact in bending, fy = 320 MPa):
// Msx = 202.56 kN·m; Mo(6 m) = 95.20 kN·m, αs = 0.3695; Mo(3 m) = 285.99 kN·m, αs = 0.6978.

TEST(LTMember, SimplySupportedUniformMoment) {
    // αm = 1.7/√3 = 0.9815 (eq. 5.6.1.1(2)); Mb = 0.9815 × 0.3695 × 202.56 = 73.46 kN·m;
    // M* = 50 kN·m: 50/(0.9 × 73.46) = 0.7562. Combined (cl. 8.4.5.1, N = 0): Mcx = Mb,
    // 0.7562^1.4 = 0.6763.
    CatalogueMember m({{0.0, kFEnd}, {6.0, kFEnd}}, {{0, 0, 50e3, 50e3}});
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingLT), 0.75623, 0.75623 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingCombined), 0.67626, 0.67626 * kTolerance);
    EXPECT_TRUE(m.Has(L"Single curvature bending in this span\n"));
    EXPECT_EQ(m.result.Flags() & ResultFlag::LTBucklingFail, 0u);
}

TEST(LTMember, CentralLateralRestraint) {
    // Two 3 m segments: Mb = 0.9815 × 0.6978 × 202.56 = 138.73 kN·m;
    // M* = 100 kN·m: 100/(0.9 × 138.73) = 0.8009; combined 0.8009^1.4 = 0.7329.
    CatalogueMember m({{0.0, kFEnd}, {3.0, kBrace}, {6.0, kFEnd}},
                      {{0, 0, 100e3, 100e3}, {0, 0, 100e3, 100e3}});
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingLT), 0.80091, 0.80091 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingCombined), 0.73286, 0.73286 * kTolerance);
}

TEST(LTMember, CantileverWithTipLoad) {
    // 3 m cantilever, free tip at x = 0, 50 kN at the tip: M* = 150 kN·m at the root.
    // αm = 1.25 (tip point load); Mb = 1.25 × 0.6978 × 202.56 = 176.68 kN·m;
    // 150/(0.9 × 176.68) = 0.9433; combined 0.9433^1.4 = 0.9215.
    CatalogueMember m({{0.0, 0u}, {3.0, kFixedF}}, {{0, -50e3, 0.0, -150e3}});
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingLT), 0.94331, 0.94331 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingCombined), 0.92154, 0.92154 * kTolerance);
}

TEST(LTMember, BeamColumn) {
    // 100 kN compression with 40 kN·m uniform moment over 6 m, pinned about both axes.
    // cl. 4.4.2.2: βm = −1, cm = 1, Nomx = π²EIx/L² = 4737.4 kN, δ = 1/(1 − 100/4737.4) = 1.0216;
    // LT: 1.0216 × 40/(0.9 × 73.46) = 0.6180.
    // Combined (not compact overall, cl. 8.4.2.2 and 8.4.4.1): kf = 0.952, Ns = 1587 kN;
    // Ncx(λn = 51.4) = 1355.6 kN, Ncy(λn = 172.9) = 363.5 kN;
    // Mox = 73.46 × (1 − 100/(0.9 × 363.5)) = 51.01 kN·m, Mix = 202.56 × (1 − 100/1220.0) =
    // 185.96 kN·m, Mcx = 51.01 kN·m: (1.0216 × 40/(0.9 × 51.01))^1.4 = 0.8496.
    CatalogueMember m({{0.0, kFEnd}, {6.0, kFEnd}}, {{-100e3, 0, 40e3, 40e3}});
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingLT), 0.61803, 0.61803 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingCombined), 0.84959, 0.84959 * kTolerance);
    EXPECT_TRUE(m.Has(L"Amplified moment Mx = "));
    EXPECT_TRUE(m.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))"));
}

}  // namespace
