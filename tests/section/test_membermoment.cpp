// Member moment capacity of a segment (cl. 5.6.1.1) and its effective length Le = kt·kl·kr·L
// with the load height factor of Table 5.6.3(2) (cl. 5.6.3).
#include <gtest/gtest.h>

#include <cmath>

#include "common/TestSections.h"
#include "shapes/IcalcSupport.h"

namespace {

using namespace as4100test;
using icalc::kF;
using icalc::kU;
using icalc::Segment;

// 310UB40.4 in 300PLUS: Msx = fy·Ze = 320 MPa × 633e3 mm³.
constexpr double kMsx = 202.56e3;

TestSection Beam(double moa, double kt = 1.0, double kr = 1.0) {
    TestSectionProps p = UB310Props();
    p.moa = moa;
    p.kt = kt;
    p.kr = kr;
    return TestSection(p);
}

TEST(MemberMomentCapacity, SlendernessReductionWithoutBucklingAndAtMoOfZero) {
    // αs = 0.6·(√((Ms/Mo)² + 3) − Ms/Mo): 0.6·√3 as Mo → ∞, 0 as Mo → 0.
    EXPECT_NEAR(CAS4100_98Section::SlendernessReductionFactor(kMsx, kInf), 1.0392305, 1e-7);
    EXPECT_DOUBLE_EQ(CAS4100_98Section::SlendernessReductionFactor(kMsx, 0.0), 0.0);
}

TEST(MemberMomentCapacity, HandValuesAndTheLimitToMs) {
    // 310UB40.4 over Le = 6 m: Mo = 95.20 kN·m (Iy = 7.65e6 mm⁴, J = 157e3 mm⁴, Iw = 165e9 mm⁶),
    // αs = 0.6·(√(2.1277² + 3) − 2.1277) = 0.3695.
    const struct {
        double moa, alphaM, mb;
        bool limited;  // αm·αs·Ms above Ms: Mb = Ms with the "min" line
    } cases[] = {
        {kInf, 1.0, kMsx, true},         // αs = 1.0392
        {kMsx, 1.13, 137335.68, false},  // 1.13 × 0.6 × 202.56
        {95201.3, 1.0, 74848.8, false},  // 0.3695 × 202.56
        {95201.3, 1.7 / std::sqrt(3.0), 73463.8, false},
    };
    const Segment segment(6.0, kF, kF);
    for (const auto& c : cases) {
        CMemberResult result;
        EXPECT_NEAR(Beam(c.moa).Mbxx(segment.Span(), c.alphaM, &result, false, 0.0), c.mb, 0.1);
        EXPECT_EQ(Joined(result).find(L"Mbx = min(Mbx,Msx)\n    = min(") != CString::npos,
                  c.limited)
            << c.moa;
    }
}

// The derivation's lines are pinned by the golden reports; with the text off it writes none.
TEST(MemberMomentCapacity, SilentResultGetsNoLines) {
    CMemberResult silent;
    silent.EnableText(false);
    Beam(95201.3).Mbxx(Segment(6.0, kF, kF).Span(), 1.0, &silent, false, 0.0);
    EXPECT_TRUE(silent.Report().empty());
}

TEST(SegmentEffectiveLength, ProductOfTheFactorsOrTheOverride) {
    const TestSection section = Beam(kInf, 1.1, 0.85);
    CMemberResult result;
    // Le = kt·kl·kr·L = 1.1 × 1.0 × 0.85 × 6 m.
    EXPECT_NEAR(section.SegmentEffectiveLength(Segment(6.0, kF, kF).Span(), &result, false, 0.0),
                5.61, 1e-12);
    EXPECT_TRUE(Joined(result).starts_with(L"Le = Kt*Kl*Kr*L\n   = "));
    EXPECT_TRUE(Joined(result).ends_with(L" ref. AS 4100:1998 cl. 5.6.3\n"));
    // The user's length replaces kt·kr·L and keeps only the load height factor: 1.4 for a
    // top-flange load, never 2.0, even with a U end.
    CMemberResult overridden;
    EXPECT_DOUBLE_EQ(
        section.SegmentEffectiveLength(Segment(6.0, kF, kF).Span(), &overridden, true, 2.5), 2.5);
    EXPECT_EQ(Joined(overridden),
              L"Le = " + overridden.DesFormat().Length(2.5) + L"(Overridden effective length)\n");
    const Segment destabilised(6.0, kF, kU, 10e3, 0.15);
    EXPECT_NEAR(section.SegmentEffectiveLength(destabilised.Span(), nullptr, true, 2.5), 3.5,
                1e-12);
}

// Table 5.6.3(2): 1.0 unless destabilised; 1.4 for a load height within the segment; 2.0 with
// an unrestrained (U) end unless the end test is skipped.
TEST(LoadHeightFactor, DestabilisingLoadsAndUnrestrainedEnds) {
    const struct {
        const char* what;
        unsigned left, right;
        double w, heightAlong, heightAtEnd;
        bool skipEndTest;
        double kl;
    } cases[] = {
        {"height but no load", kF, kU, 0.0, 0.15, 0.0, false, 1.0},
        {"loaded within, F-F", kF, kF, 10e3, 0.15, 0.0, false, 1.4},
        {"loaded at an end, F-F", kF, kF, 10e3, 0.0, 0.15, false, 1.0},
        {"loaded at an end, F-U", kF, kU, 10e3, 0.0, 0.15, false, 2.0},
        {"loaded within, U-F", kU, kF, 10e3, 0.15, 0.0, false, 2.0},
        {"loaded within, U-F, no end test", kU, kF, 10e3, 0.15, 0.0, true, 1.4},
    };
    const TestSection section = Beam(kInf);
    for (const auto& c : cases) {
        const Segment segment(6.0, c.left, c.right, c.w, c.heightAlong, c.heightAtEnd);
        EXPECT_DOUBLE_EQ(section.LoadHeightFactor(segment.Span(), c.skipEndTest), c.kl) << c.what;
    }
}

}  // namespace
