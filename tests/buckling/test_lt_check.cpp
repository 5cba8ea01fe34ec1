// Lateral-torsional buckling check of a segment (cl. 5.6): the paths where it does not apply,
// single and reverse curvature, amplification, and the moment modification factor αm
// (cl. 5.6.1.1, 5.6.2).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// 310UB40.4 between F ends 6 m apart: Mo = 95.20 kN·m, Ms = 202.56 kN·m, αs = 0.3695.
// Mb under uniform moment: αm = 1.7/√3 (eq. 5.6.1.1(2)), Mb = 0.9815 × 0.3695 × 202.56.
constexpr double kMsx = 202560.0;
constexpr double kMbUniform = 73463.7;

// A 6 m beam with one sub-span; zexHogging: Ze under a negative moment when not 0.
struct Beam6 : TestMember {
    explicit Beam6(const SubSpanActions& actions, void (*change)(TestSectionProps&) = nullptr,
                   unsigned right = kFEnd)
        : TestMember({{0.0, kFEnd}, {6.0, right}}, {actions}, UB310Beam(change)) {
        Record(0).SpanLT = Span(0, 1);
    }
    bool Check() { return A::CheckSpanLT(member, Record(0)); }
};
void Monosymmetric(TestSectionProps& v) {
    v.zexHogging = 500e-6;
}

TEST(LTCheck, SingleCurvatureUniformMomentEitherSign) {
    for (double m : {60e3, -60e3}) {
        Beam6 f(Bending(0, m, m));
        EXPECT_TRUE(f.Check());
        EXPECT_TRUE(f.Record(0).LTApplies);
        EXPECT_NEAR(f.Record(0).Mbx1, kMbUniform, 1.0);
        EXPECT_DOUBLE_EQ(f.Record(0).Mx1, m);
        EXPECT_NEAR(f.Util(UtilKind::BucklingLT), 0.90748, 1e-4);  // 60/(0.9 × 73.46)
        EXPECT_EQ(f.result.Flags() & ResultFlag::LTBucklingFail, 0u);
    }
    // +100 and −0.9 N·m: the tolerance is max(1, 1 % of 100) = 1 N·m, so single curvature.
    Beam6 small(Bending(0, 100.0, -0.9));
    small.Check();
    EXPECT_TRUE(small.Has(L"Single curvature bending in this span\n"));

    Beam6 fails(Bending(0, 100e3, 100e3));
    EXPECT_FALSE(fails.Check());
    EXPECT_NEAR(fails.Util(UtilKind::BucklingLT), 100e3 / (0.9 * kMbUniform), 1e-4);
    EXPECT_NE(fails.result.Flags() & ResultFlag::LTBucklingFail, 0u);
}

TEST(LTCheck, ReverseCurvatureChecksEachEndAtItsMoment) {
    // End moments +80 and −40 kN·m; under a negative moment the section's Ze is 500e3 mm³.
    // αm = 1.7 × 80/√(50² + 20² + 10²) = 2.483; end 1 at −40: Mb = Ms = 160 kN·m (αm·αs > 1);
    // end 2 at +80: Mb = 2.483 × 0.3695 × 202.56 = 185.85 kN·m.
    Beam6 f(Bending(0, 80e3, -40e3), Monosymmetric);
    EXPECT_TRUE(f.Check());
    const CInteractionData& r = f.Record(0);
    EXPECT_DOUBLE_EQ(r.Mbx1, 160e3);
    EXPECT_NEAR(r.Mbx2, 185850.2, 1.0);
    EXPECT_DOUBLE_EQ(r.Mx1, -40e3);
    EXPECT_DOUBLE_EQ(r.Mx2, 80e3);
    // max(40/(0.9 × 160), 80/(0.9 × 185.85)) = max(0.2778, 0.4783)
    EXPECT_NEAR(f.Util(UtilKind::BucklingLT), 0.47828, 1e-4);
    EXPECT_TRUE(f.Has(L"Mb1 = Mbx =" + f.Moment(160e3) + L"\n"));
}

TEST(LTCheck, AmplifiedMomentsReportedUnlessNegligible) {
    for (double delta : {1.2, 1.00005}) {
        Beam6 f(Bending(-100e3, 50e3, 50e3));
        f.member.SetMomentAmplificationFactorStrongAxis(delta);
        f.Record(0).NStarX = 100e3;
        f.Record(0).Nomx = 2e6;
        EXPECT_TRUE(f.Check());
        // δ × 50 kN·m against the same Mb, reported above 1 + 1e-4; the record keeps the moment
        // not amplified.
        EXPECT_NEAR(f.Util(UtilKind::BucklingLT), delta * 50e3 / (0.9 * f.Record(0).Mbx1), 1e-9);
        EXPECT_NEAR(f.Record(0).Mbx1, kMbUniform, 1.0);
        EXPECT_DOUBLE_EQ(f.Record(0).Mx1, 50e3);
        EXPECT_EQ(f.Has(L"Amplified moment Mx = " + f.Moment(60e3) + L"\n"), delta == 1.2);
        EXPECT_EQ(f.Has(L"Moment amplification factor = "), delta == 1.2);
    }
}

TEST(LTCheck, NotRequiredPathsStoreSectionCapacities) {
    // Held along its length, reverse curvature: capacities at Mmin then Mmax, moments kept as
    // (Mmax, Mmin).
    Beam6 held(Bending(0, 80e3, -40e3, 0, 0, 512), Monosymmetric);
    EXPECT_TRUE(held.Check());
    EXPECT_DOUBLE_EQ(held.Record(0).Mbx1, 160e3);
    EXPECT_DOUBLE_EQ(held.Record(0).Mbx2, kMsx);
    EXPECT_DOUBLE_EQ(held.Record(0).Mx1, 80e3);
    EXPECT_DOUBLE_EQ(held.Record(0).Mx2, -40e3);
    EXPECT_TRUE(held.Has(L"LT check not required:\n\tspan is restrained against buckling"));
    // A square section, even with the user's length; a span without major axis moment.
    Beam6 square(Bending(0, 150e3, 150e3), [](TestSectionProps& v) { v.square = true; });
    square.member.SetLengthOverride(true);
    square.member.SetLlt(3.0);
    EXPECT_TRUE(square.Check());
    EXPECT_EQ(square.Missing({L"<i><blue>Effective length overridden</blue></i>\n",
                              L"LT check not required: section is circular or square\n"}),
              L"");
    Beam6 none(Bending(-50e3, 0.0, 0.0));
    EXPECT_TRUE(none.Check());
    for (Beam6* b : {&held, &square, &none}) {
        EXPECT_FALSE(b->Record(0).LTApplies);
        EXPECT_DOUBLE_EQ(b->Util(UtilKind::BucklingLT), 0.0);
    }
    EXPECT_DOUBLE_EQ(square.Record(0).Mbx1, kMsx);
    EXPECT_DOUBLE_EQ(none.Record(0).Mbx1, kMsx);
}

TEST(LTCheck, FullyRestrainedSegmentNeedsRestrainedEnds) {
    auto restrained = [](TestSectionProps& v) { v.fullyRestrained = true; };
    Beam6 f(Bending(0, 150e3, 150e3), restrained);
    f.Check();
    EXPECT_FALSE(f.Record(0).LTApplies);
    // An L end is neither F nor P: the segment is checked whatever its slenderness.
    Beam6 lEnd(Bending(0, 60e3, 60e3), restrained, kLEnd);
    lEnd.Check();
    EXPECT_TRUE(lEnd.Record(0).LTApplies);
}

TEST(LTCheck, EverySubSpanOfTheSegmentGetsItsValues) {
    TestMember f({{0.0, kFEnd}, {3.0, 0}, {6.0, kFEnd}},
                 {Bending(0, 60e3, 60e3), Bending(0, 60e3, 60e3)}, UB310Beam());
    f.Record(0).SpanLT = f.Span(0, 2);
    A::CheckSpanLT(f.member, f.Record(0));
    for (size_t i : {0u, 1u}) {
        EXPECT_EQ(f.Record(i).SpanLT, f.Span(0, 2));
        EXPECT_NEAR(f.Record(i).Mbx1, kMbUniform, 1.0);
        EXPECT_DOUBLE_EQ(f.Record(i).Mx2, 60e3);
    }
}

double AlphaM(const std::vector<PointDef>& points, const std::vector<SubSpanActions>& actions,
              bool overridden = false, double user = 0.0) {
    TestMember f(points, actions, UB310Beam());
    f.member.SetLengthOverride(overridden);
    if (user > 0.0) f.member.SetEquivalentUniformMomentFactor(user);
    return f.member.Alpha_M(f.Span(0, static_cast<int>(points.size()) - 1));
}

TEST(AlphaM, SupportedSegmentsAndCantilevers) {
    const std::vector<PointDef> ends{{0.0, kFEnd}, {6.0, kFEnd}};
    EXPECT_DOUBLE_EQ(AlphaM(ends, {Bending(0, 1e-7, 1e-7)}), 1.0);  // negligible moments
    EXPECT_DOUBLE_EQ(AlphaM(ends, {Bending(0, 50e3, 50e3)}, false, 1.35), 1.35);  // the user's
    // w = 10 kN/m over 6 m, a member point at mid-span: Mm = wL²/8 = 45 kN·m, the quarter
    // points carry 0.75 Mm, so αm = 1.7/√(0.75² + 1 + 0.75²) = 1.1662.
    EXPECT_NEAR(AlphaM({{0.0, kFEnd}, {3.0, 0}, {6.0, kFEnd}},
                       {Bending(0, 0.0, 45e3, 30e3, 0.0), Bending(0, 45e3, 0.0, 0.0, -30e3)}),
                1.16619, 1e-5);
    // Free tip at x = 0, fixed at x = 3 m: tip load 1.25, distributed load 2.25, end moments 0.25;
    // with the user's effective lengths the quarter-point formula applies: capped at 2.5.
    const std::vector<PointDef> tip{{0.0, 0}, {3.0, kFEnd}};
    EXPECT_DOUBLE_EQ(AlphaM(tip, {Bending(0, 0.0, -30e3, -10e3, -10e3)}), 1.25);
    EXPECT_DOUBLE_EQ(AlphaM(tip, {Bending(0, 0.0, -22.5e3, 0, -15e3)}), 2.25);
    EXPECT_DOUBLE_EQ(AlphaM(tip, {Bending(0, -20e3, -20e3)}), 0.25);
    EXPECT_DOUBLE_EQ(AlphaM(tip, {Bending(0, 0.0, -22.5e3, 0, -15e3)}, true), 2.5);
}

}  // namespace
