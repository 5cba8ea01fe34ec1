// Flexural buckling of one span about x and y (cl. 6.3): design compression, effective length
// from Figure 4.6.3.2 or the user's override, capacity, utilisation and failure, and the values
// stored for the combined check.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// The default test section: A = 5000 mm², rx = 126.5 mm, ry = 44.72 mm, fy = 250 MPa, kf = 1,
// αb = 0, so Ns = 1250 kN and λ = λn = le/r. Table 6.3.3(3): αc(50) = 0.861, αc(100) = 0.541.
const double kRx = std::sqrt(8.0e-5 / 5.0e-3);
const double kRy = std::sqrt(1.0e-5 / 5.0e-3);
constexpr double kNs = 1250e3;
constexpr double kTol = 0.0005 * kNs;

double NcxAt(double le) {
    double ncr = 0;
    return TestSection().Ncxx(le, ncr, nullptr);
}

TEST(AxialSpan, PinnedSpanAboutXAtLambdaFifty) {
    const double L = 50.0 * kRx;  // pinned both ends: le = L, λ = 50
    TestMember f({{0.0, kPinned}, {L, kPinned}}, {Bending(-500e3, 0, 0)});
    EXPECT_TRUE(A::CheckSpanXX(f.member, f.Span(0, 1)));
    const CInteractionData& r = f.Record(0);
    EXPECT_NEAR(r.Ncx, 0.861 * kNs, kTol);
    EXPECT_DOUBLE_EQ(r.NcxInPlane, r.Ncx);
    EXPECT_NEAR(r.Nomx, 9.869604401089358 * 200e9 * 8.0e-5 / (L * L), 1e-6 * r.Nomx);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMajor), 500e3 / (0.9 * 0.861 * kNs), 1e-3);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_EQ(f.Report().rfind(L"Major Axis Span: ", 0), 0u);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = 500.00 kN/(0.900*"));
}

TEST(AxialSpan, MinorAxisFailureSetsItsFlag) {
    const double L = 100.0 * kRy;  // λ = 100 about y: Nc = 0.541 × 1250 = 676 kN
    TestMember f({{0.0, kPinned}, {L, kPinned}}, {Bending(-700e3, 0, 0)});
    EXPECT_FALSE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_NEAR(f.Record(0).Ncy, 0.541 * kNs, kTol);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMinor), 700e3 / (0.9 * 0.541 * kNs), 2e-3);
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_TRUE(f.Has(L"<b><red>Fail:</red></b> YY Axial Buckling\n"));
}

TEST(AxialSpan, EffectiveLengthsOfASwaySpanAndOfTheUsersOverride) {
    // Fixed base, free top: ke = 2.2. Capacity at 2.2 L for the member check, at L in plane.
    const double L = 50.0 * kRx / 2.2;  // λ = 50 at le = 2.2 L
    TestMember sway({{0.0, kFixed}, {L, 0}}, {Bending(-100e3, 0, 0)});
    A::CheckSpanXX(sway.member, sway.Span(0, 1));
    EXPECT_NEAR(sway.Record(0).Ncx, 0.861 * kNs, kTol);
    EXPECT_GT(sway.Record(0).NcxInPlane, sway.Record(0).Ncx);
    EXPECT_DOUBLE_EQ(sway.Record(0).NcxInPlane, NcxAt(L));

    // A negative override is a multiple of the member's length: 0.7 × 5.0 m, in plane too.
    TestMember f({{0.0, kPinned}, {2.0, kPinned}, {5.0, kPinned}},
                 {Bending(-100e3, 0, 0), Bending(-100e3, 0, 0)});
    f.member.SetLengthOverride(true);
    f.member.SetLyy(-0.7);
    A::CheckSpanXX(f.member, f.Span(0, 2));
    EXPECT_DOUBLE_EQ(f.Record(0).Ncx, NcxAt(3.5));
    EXPECT_DOUBLE_EQ(f.Record(1).Ncx, NcxAt(3.5));
    EXPECT_DOUBLE_EQ(f.Record(1).NcxInPlane, NcxAt(3.5));
    EXPECT_TRUE(f.Has(L"<i><blue>Effective length overridden</blue></i>\n"));
}

TEST(AxialSpan, InsufficientRestraintFails) {
    // Both ends free to translate about x: no factor in Figure 4.6.3.2.
    TestMember f({{0.0, 0x100000}, {3.0, 0x100000}}, {Bending(-10e3, 0, 0)});
    EXPECT_FALSE(A::CheckSpanXX(f.member, f.Span(0, 1)));
    EXPECT_EQ(f.Util(UtilKind::BucklingAxialMajor), kInf);
    EXPECT_NE(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_DOUBLE_EQ(f.Record(0).Ncx, 0.0);
    EXPECT_DOUBLE_EQ(f.Record(0).NStarX, 10e3);
    EXPECT_EQ(f.Missing({L"<b><red>Fail:</red></b> Insufficient restraint\n",
                         L"<b><red>Fail:</red></b> XX Axial Buckling\n"}),
              L"");
}

TEST(AxialSpan, TensionOrContinuousRestraintNeedsNoColumnCheck) {
    TestMember f({{0.0, kPinned}, {3.0, kPinned}}, {Bending(80e3, 0, 0)});
    f.Record(0).NtStar = 50e3;
    EXPECT_TRUE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(f.Record(0).NtStar, 80e3);  // the tension stored
    EXPECT_DOUBLE_EQ(f.Record(0).NStarY, 0.0);
    EXPECT_DOUBLE_EQ(f.Util(UtilKind::BucklingAxialMinor), 0.0);
    EXPECT_TRUE(f.Has(L"No axial compression in this span\n"));

    TestMember held({{0.0, kPinned}, {6.0, kPinned}}, {Bending(-450e3, 0, 0, 0, 0, 0x100000)});
    EXPECT_TRUE(A::CheckSpanYY(held.member, held.Span(0, 1)));
    EXPECT_DOUBLE_EQ(held.Record(0).Ncy, kNs);  // the section capacity
    EXPECT_NEAR(held.Util(UtilKind::BucklingAxialMinor), 450e3 / (0.9 * kNs), 1e-12);
    EXPECT_TRUE(held.Has(L"Check not required: Span is continuously restrained\n"));
    EXPECT_FALSE(f.Has(L"Util = ") || held.Has(L"Util = "));
}

TEST(AxialSpan, ReverseCurvatureNeedsMomentsBeyondTheTolerance) {
    auto reverse = [](double mLeft, double mRight) {
        SubSpanActions a = Bending(-10e3, mLeft, mRight, 0, 0, 0);
        a.momentsLeft[2] = mLeft;
        a.momentsRight[2] = mRight;
        TestMember f({{0.0, kPinned}, {3.0, kPinned}}, {a});
        A::CheckSpanXX(f.member, f.Span(0, 1));
        A::CheckSpanYY(f.member, f.Span(0, 1));
        EXPECT_EQ(f.Record(0).ReverseCurvatureX, f.Record(0).ReverseCurvatureY);
        return f.Record(0).ReverseCurvatureX;
    };
    EXPECT_FALSE(reverse(0.5, -0.5));   // below the 1 N·m floor
    EXPECT_TRUE(reverse(200.0, -2.0));  // tol = 2 N·m
    EXPECT_FALSE(reverse(200.0, -1.9));
    EXPECT_FALSE(reverse(30e3, 10e3));  // single curvature
}

TEST(AxialSpan, MinorAxisStoresEndMomentsAndEccentricityMoments) {
    // Two sub-spans: compression 40 kN then 90 kN; minor moments 12, −3 then −3, −8 kN·m; the
    // section's eccentricity moment ΔMyy = −0.02 N.
    TestSectionProps p;
    p.deltaMyyPerN = -0.02;
    SubSpanActions first = Bending(-40e3, 0, 0), second = Bending(-90e3, 0, 0);
    first.momentsLeft[2] = 12e3;
    first.momentsRight[2] = second.momentsLeft[2] = -3e3;
    second.momentsRight[2] = -8e3;
    TestMember f({{0.0, kPinned}, {2.0, 0}, {5.0, kPinned}}, {first, second}, p);
    A::CheckSpanYY(f.member, f.Span(0, 2));
    for (const CInteractionData& r : f.Records()) {
        EXPECT_DOUBLE_EQ(r.NStarY, 90e3);
        EXPECT_DOUBLE_EQ(r.MyMax, 12e3);
        EXPECT_DOUBLE_EQ(r.MyMin, -8e3);
        EXPECT_TRUE(r.ReverseCurvatureY);
        // Smallest force −90 kN, largest −40 kN.
        EXPECT_DOUBLE_EQ(r.DeltaMyyMin, -0.02 * -90e3);
        EXPECT_DOUBLE_EQ(r.DeltaMyyMax, -0.02 * -40e3);
    }
}

}  // namespace
