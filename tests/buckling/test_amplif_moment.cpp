// Moment amplification of a braced member, cl. 4.4.2.2: δb = cm / (1 − N*/Nomb) with
// cm = 0.6 − 0.4 βm, βm from the end moments or, with transverse load, from the mid-span
// deflections of Figure 4.4.2.2; and the user's factors.
#include <gtest/gtest.h>

#include <functional>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// A simply supported member of `count` equal sub-spans over 6 m whose major-axis moment
// follows `m(x)`.
std::vector<SubSpanActions> Actions(int count, const std::function<double(double)>& m) {
    std::vector<SubSpanActions> actions;
    for (int i = 0; i < count; ++i)
        actions.push_back(Bending(0, m(6.0 * i / count), m(6.0 * (i + 1) / count)));
    return actions;
}
std::vector<PointDef> Points(int count) {
    std::vector<PointDef> points;
    for (int i = 0; i <= count; ++i) points.push_back({6.0 * i / count, i % count ? 0 : kFEnd});
    return points;
}
struct MomentMember : TestMember {
    MomentMember(int count, const std::function<double(double)>& m)
        : TestMember(Points(count), Actions(count, m)) {}
};

TEST(AmplifFactor, CmAndDeltaOfTheStandard) {
    TestMember f({{0.0, kFEnd}, {4.0, kFEnd}});
    auto delta = [&](double N, double Nom, double betaM) {
        return A::MomentAmplificationFactor(f.member, N, Nom, betaM);
    };
    // βm = 1 (reverse curvature, equal end moments): cm = 0.2; δ stays 1 until N/Nom > 0.8.
    EXPECT_DOUBLE_EQ(delta(0.8e6, 1.0e6, 1.0), 1.0);
    EXPECT_NEAR(delta(0.9e6, 1.0e6, 1.0), 2.0, 1e-12);
    // βm = −1 (uniform single curvature): cm = 1.0, δ = 1/(1 − 0.5) = 2.
    EXPECT_NEAR(delta(0.5e6, 1.0e6, -1.0), 2.0, 1e-12);
    // βm = 0: cm = 0.6, δ = 0.6 / 0.4 = 1.5 at N/Nom = 0.6.
    EXPECT_NEAR(delta(0.6e6, 1.0e6, 0.0), 1.5, 1e-12);
    // cm is capped at 1.0 for βm below −1.
    EXPECT_NEAR(delta(0.5e6, 1.0e6, -2.0), 2.0, 1e-12);
    // At or above the buckling load, or without one: infinite.
    EXPECT_EQ(delta(1.0e6, 1.0e6, 0.0), kInf);
    EXPECT_EQ(delta(1.2e6, 1.0e6, 1.0), kInf);
    EXPECT_EQ(delta(1.0e3, 0.0, 0.0), kInf);
}

TEST(AmplifBetaM, UnloadedSpanFromEndMoments) {
    // Host convention: internal moments of one sign at both ends are single curvature.
    auto betaM = [](double M1, double M2) {
        MomentMember f(2, [&](double x) { return M1 + (M2 - M1) * x / 6.0; });
        return A::FactorBetaM(f.member, 0, 2, false, true);
    };
    EXPECT_DOUBLE_EQ(betaM(40e3, 40e3), -1.0);  // uniform single curvature
    EXPECT_DOUBLE_EQ(betaM(40e3, -40e3), 1.0);  // double curvature
    EXPECT_DOUBLE_EQ(betaM(20e3, -40e3), 0.5);  // smaller over larger
    EXPECT_DOUBLE_EQ(betaM(-40e3, -10e3), -0.25);
    EXPECT_DOUBLE_EQ(betaM(0.0, 40e3), 0.0);  // one end free of moment
}

// Uniform load w on a simple span of L = 6 m with end moments: M(x) = M1 (1 − x/L) + M2 x/L +
// w x (L − x)/2. Mid-span deflections by virtual work (Figure 4.4.2.2):
//   M1 = M2 = 0:           δct = δcw = 5wL⁴/384EI, βm = −1;
//   M1 = M2 = −wL²/12:     δct = wL⁴/384EI, δcw = 5wL⁴/384EI, βm = 1 − 2/5 = 0.6;
//   M1 = −wL²/8, M2 = 0:   δct = 2wL⁴/384EI, δcw = 5wL⁴/384EI, βm = 1 − 4/5 = 0.2;
//   M1 = M2 = +wL²/24:     the end moments bend the span as the load does and are left out of
//                           δcw, so δcw = δct and βm = −1.
TEST(AmplifBetaM, LoadedSpanByVirtualWorkAgainstClosedForm) {
    const double w = 20e3, L = 6.0;
    struct Case {
        double m1, m2;  // end moments as multiples of wL²
        double betaM;
    };
    const Case cases[] = {{0.0, 0.0, -1.0},
                          {-1.0 / 12, -1.0 / 12, 0.6},
                          {-1.0 / 8, 0.0, 0.2},
                          {1.0 / 24, 1.0 / 24, -1.0}};
    // 40 sub-spans put a member point at mid-span; 41 make the check interpolate it.
    for (int count : {40, 41}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << count << " sub-spans, M1 " << c.m1 << " M2 " << c.m2);
            MomentMember f(count, [&](double x) {
                return c.m1 * w * L * L * (1 - x / L) + c.m2 * w * L * L * x / L +
                       w * x * (L - x) / 2;
            });
            EXPECT_NEAR(A::FactorBetaM(f.member, 0, count, true, true), c.betaM, 2e-3);
        }
    }
}

TEST(AmplifDelta, StrongAndWeakAxisFromTheSpanMomentsOrTheUsersFactors) {
    // Major axis: 20 and −40 kN·m (βm = 0.5, cm = 0.4); minor: uniform (βm = −1, cm = 1).
    TestMember f({{0.0, kFEnd}, {5.0, kFEnd}}, {Bending(0, 20e3, -40e3, 0, 0, 0, 5e3)});
    // N/Nom = 0.75: δx = max(1, 0.4 / 0.25) = 1.6; δy = 1 / 0.25 = 4.
    EXPECT_NEAR(A::DeltaStrong(f.member, 0, 1, false, 0.75e6, 1.0e6), 1.6, 1e-12);
    EXPECT_NEAR(A::DeltaWeak(f.member, 0, 1, false, 0.75e6, 1.0e6), 4.0, 1e-12);
    // N/Nom = 0.5: δx = max(1, 0.8) = 1.
    EXPECT_DOUBLE_EQ(A::DeltaStrong(f.member, 0, 1, false, 0.5e6, 1.0e6), 1.0);

    f.member.SetMomentAmplificationFactorStrongAxis(1.3);
    f.member.SetMomentAmplificationFactorWeakAxis(1.1);
    EXPECT_DOUBLE_EQ(A::DeltaStrong(f.member, 0, 1, false, 2.0e6, 1.0e6), 1.3);  // even N ≥ Nom
    EXPECT_DOUBLE_EQ(A::DeltaWeak(f.member, 0, 1, false, 1.0e3, 1.0e6), 1.1);
    // No compression: 1, whatever the user set.
    EXPECT_DOUBLE_EQ(A::DeltaStrong(f.member, 0, 1, false, 0.0, 1.0e6), 1.0);
    EXPECT_DOUBLE_EQ(A::DeltaWeak(f.member, 0, 1, false, 1e-11, 1.0e6), 1.0);
    EXPECT_DOUBLE_EQ(A::DeltaStrong(f.member, 0, 1, false, -5e4, 1.0e6), 1.0);
}

}  // namespace
