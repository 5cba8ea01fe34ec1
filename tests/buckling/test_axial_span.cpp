// Flexural buckling of one span about x and y (cl. 6.3): design compression, effective length
// from Figure 4.6.3.2 or the user's override, capacity, utilisation and failure, and the values
// stored for the combined check.
#include <gtest/gtest.h>

#include <cmath>

#include "span/test_span_fixture.h"

namespace {

using namespace spantest;
using A = MemberTestAccess;

// The fixture's section: A = 5000 mm², rx = 126.5 mm, ry = 44.72 mm, fy = 250 MPa, kf = 1,
// αb = 0, so Ns = 1250 kN and λ = λn = le/r. Table 6.3.3(3): αc(50) = 0.861, αc(100) = 0.541.
const double kRx = std::sqrt(8.0e-5 / 5.0e-3);
const double kRy = std::sqrt(1.0e-5 / 5.0e-3);
constexpr double kNs = 1250e3;
constexpr double kTol = 0.0005 * kNs;

// Sub-span actions with axial force N (tension positive) at both ends and major/minor end
// moments.
SubSpanActions Actions(double N, Vec3 mLeft = {}, Vec3 mRight = {}) {
    SubSpanActions a;
    a.forcesLeft = Vec3(N, 0, 0);
    a.forcesRight = Vec3(N, 0, 0);
    a.momentsLeft = mLeft;
    a.momentsRight = mRight;
    return a;
}

struct SpanCheck : MemberFixture {
    using MemberFixture::MemberFixture;
    std::vector<CInteractionData>& Records() {
        auto& records = A::Records(member);
        records.resize(member.GetSubSpanVec().size());
        return records;
    }
    double Util(UtilKind kind) const { return result.Util(result.CurrentIndex(), kind); }
};

TEST(AxialSpan, PinnedSpanAboutXAtLambdaFifty) {
    const double L = 50.0 * kRx;  // pinned both ends: le = L, λ = 50
    SpanCheck f({{0.0, kPinned}, {L, kPinned}}, {Actions(-500e3)});
    auto& records = f.Records();
    EXPECT_TRUE(A::CheckSpanXX(f.member, f.Span(0, 1)));
    const CInteractionData& r = records[0];
    EXPECT_NEAR(r.Ncx, 0.861 * kNs, kTol);
    EXPECT_DOUBLE_EQ(r.NcxInPlane, r.Ncx);
    EXPECT_DOUBLE_EQ(r.NStarX, 500e3);
    EXPECT_NEAR(r.Nomx, 9.869604401089358 * 200e9 * 8.0e-5 / (L * L), 1e-6 * r.Nomx);
    EXPECT_EQ(r.SpanXX, f.Span(0, 1));
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMajor), 500e3 / (0.9 * 0.861 * kNs), 1e-3);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    const CString text = f.Report();
    EXPECT_EQ(text.rfind(L"Major Axis Span: ", 0), 0u);
    EXPECT_NE(text.find(L"Util = N/(phi*Nc)\n     = 500.00 kN/(0.900*"), CString::npos);
}

TEST(AxialSpan, MinorAxisFailureSetsItsFlag) {
    const double L = 100.0 * kRy;  // λ = 100 about y: Nc = 0.541 × 1250 = 676 kN
    SpanCheck f({{0.0, kPinned}, {L, kPinned}}, {Actions(-700e3)});
    auto& records = f.Records();
    EXPECT_FALSE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_NEAR(records[0].Ncy, 0.541 * kNs, kTol);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMinor), 700e3 / (0.9 * 0.541 * kNs), 2e-3);
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_NE(f.Report().find(L"<b><red>Fail:</red></b> YY Axial Buckling\n"), CString::npos);
}

TEST(AxialSpan, SwayEffectiveLengthLongerThanTheSpan) {
    // Fixed base, free top: ke = 2.2. Capacity at 2.2 L for the member check, at L in plane.
    const double L = 50.0 * kRx / 2.2;  // λ = 50 at le = 2.2 L
    SpanCheck f({{0.0, kFixed}, {L, 0}}, {Actions(-100e3)});
    auto& records = f.Records();
    A::CheckSpanXX(f.member, f.Span(0, 1));
    EXPECT_NEAR(records[0].Ncx, 0.861 * kNs, kTol);
    EXPECT_GT(records[0].NcxInPlane, records[0].Ncx);
    // λ = 50 / 2.2 = 22.7 at L: αc from the curve, larger than at 2.2 L.
    double ncr = 0;
    EXPECT_DOUBLE_EQ(records[0].NcxInPlane, FixedSection().Ncxx(L, ncr, nullptr));
}

TEST(AxialSpan, NegativeOverrideIsAMultipleOfTheMemberLength) {
    SpanCheck f({{0.0, kPinned}, {2.0, kPinned}, {5.0, kPinned}},
                {Actions(-100e3), Actions(-100e3)});
    f.member.SetLengthOverride(true);
    f.member.SetLyy(-0.7);
    auto& records = f.Records();
    A::CheckSpanXX(f.member, f.Span(0, 2));
    double ncr = 0;
    const double atOverride = FixedSection().Ncxx(3.5, ncr, nullptr);  // 0.7 × 5.0 m
    EXPECT_DOUBLE_EQ(records[0].Ncx, atOverride);
    EXPECT_DOUBLE_EQ(records[1].Ncx, atOverride);
    EXPECT_DOUBLE_EQ(records[1].NcxInPlane, atOverride);
    EXPECT_NE(f.Report().find(L"<i><blue>Effective length overridden</blue></i>\n"), CString::npos);
}

TEST(AxialSpan, TensionSpanStoresTensionAndUtilisationZero) {
    SpanCheck f({{0.0, kPinned}, {3.0, kPinned}}, {Actions(80e3)});
    auto& records = f.Records();
    records[0].NtStar = 50e3;
    EXPECT_TRUE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(records[0].NtStar, 80e3);
    EXPECT_DOUBLE_EQ(records[0].NStarY, 0.0);
    EXPECT_DOUBLE_EQ(f.Util(UtilKind::BucklingAxialMinor), 0.0);
    const CString text = f.Report();
    EXPECT_NE(text.find(L"No axial compression in this span\n"), CString::npos);
    EXPECT_EQ(text.find(L"Util = "), CString::npos);
}

TEST(AxialSpan, InsufficientRestraintFails) {
    // Both ends free to translate about x: no factor in Figure 4.6.3.2.
    SpanCheck f({{0.0, 0x100000}, {3.0, 0x100000}}, {Actions(-10e3)});
    auto& records = f.Records();
    EXPECT_FALSE(A::CheckSpanXX(f.member, f.Span(0, 1)));
    EXPECT_EQ(f.Util(UtilKind::BucklingAxialMajor), kInf);
    EXPECT_NE(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_DOUBLE_EQ(records[0].Ncx, 0.0);
    EXPECT_DOUBLE_EQ(records[0].Nomx, 0.0);
    EXPECT_DOUBLE_EQ(records[0].NStarX, 10e3);
    const CString text = f.Report();
    EXPECT_NE(text.find(L"<b><red>Fail:</red></b> Insufficient restraint\n"), CString::npos);
    EXPECT_NE(text.find(L"<b><red>Fail:</red></b> XX Axial Buckling\n"), CString::npos);
}

TEST(AxialSpan, ContinuouslyRestrainedSpanUsesTheSectionCapacity) {
    SubSpanActions a = Actions(-450e3);
    a.continuousBits = 0x100000;
    SpanCheck f({{0.0, kPinned}, {6.0, kPinned}}, {a});
    auto& records = f.Records();
    EXPECT_TRUE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(records[0].Ncy, kNs);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMinor), 450e3 / (0.9 * kNs), 1e-12);
    const CString text = f.Report();
    EXPECT_NE(text.find(L"Check not required: Span is continuously restrained\n"), CString::npos);
    EXPECT_EQ(text.find(L"Util = "), CString::npos);
}

TEST(AxialSpan, ReverseCurvatureNeedsMomentsBeyondTheTolerance) {
    auto reverse = [](double mLeft, double mRight) {
        SpanCheck f({{0.0, kPinned}, {3.0, kPinned}},
                    {Actions(-10e3, Vec3(0, mLeft, mLeft), Vec3(0, mRight, mRight))});
        auto& records = f.Records();
        A::CheckSpanXX(f.member, f.Span(0, 1));
        A::CheckSpanYY(f.member, f.Span(0, 1));
        EXPECT_EQ(records[0].ReverseCurvatureX, records[0].ReverseCurvatureY);
        return records[0].ReverseCurvatureX;
    };
    EXPECT_FALSE(reverse(0.5, -0.5));   // below the 1 N·m floor
    EXPECT_TRUE(reverse(200.0, -2.0));  // tol = 2 N·m
    EXPECT_FALSE(reverse(200.0, -1.9));
    EXPECT_FALSE(reverse(30e3, 10e3));  // single curvature
}

TEST(AxialSpan, MinorAxisStoresEndMomentsAndEccentricityMoments) {
    // Two sub-spans: compression 40 kN then 90 kN; minor moments 12, −3 then −3, −8 kN·m.
    SpanCheck f({{0.0, kPinned}, {2.0, 0}, {5.0, kPinned}},
                {Actions(-40e3, Vec3(0, 0, 12e3), Vec3(0, 0, -3e3)),
                 Actions(-90e3, Vec3(0, 0, -3e3), Vec3(0, 0, -8e3))});
    auto& records = f.Records();
    A::CheckSpanYY(f.member, f.Span(0, 2));
    for (const CInteractionData& r : records) {
        EXPECT_DOUBLE_EQ(r.NStarY, 90e3);
        EXPECT_DOUBLE_EQ(r.MyMax, 12e3);
        EXPECT_DOUBLE_EQ(r.MyMin, -8e3);
        EXPECT_TRUE(r.ReverseCurvatureY);
        // The section's DeltaMyy is −0.02 N: smallest force −90 kN, largest −40 kN.
        EXPECT_DOUBLE_EQ(r.DeltaMyyMin, -0.02 * -90e3);
        EXPECT_DOUBLE_EQ(r.DeltaMyyMax, -0.02 * -40e3);
    }
}

}  // namespace
