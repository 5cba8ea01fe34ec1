// Buckling of a member in compression (cl. 6.3): flexural buckling of one span about x and y
// (design compression, effective length from Figure 4.6.3.2 or the user's override, capacity,
// utilisation and failure, the values stored for the combined check), then the torsional and
// flexural-torsional checks.
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

TEST(AxialSpan, PinnedSpanAtLambdaFiftyAboutXAndFailingAtAHundredAboutY) {
    const double L = 50.0 * kRx;  // pinned both ends: le = L, λ = 50
    TestMember f({{0.0, kPinned}, {L, kPinned}}, {Bending(-500e3, 0, 0)});
    EXPECT_TRUE(A::CheckSpanXX(f.member, f.Span(0, 1)));
    const CInteractionData& r = f.Record(0);
    EXPECT_NEAR(r.Ncx, 0.861 * kNs, kTol);
    EXPECT_DOUBLE_EQ(r.NcxInPlane, r.Ncx);
    EXPECT_NEAR(r.Nomx, 9.869604401089358 * 200e9 * 8.0e-5 / (L * L), 1e-6 * r.Nomx);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMajor), 500e3 / (0.9 * 0.861 * kNs), 1e-3);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = 500.00 kN/(0.900*"));

    const double Ly = 100.0 * kRy;  // λ = 100 about y: Nc = 0.541 × 1250 = 676 kN
    TestMember y({{0.0, kPinned}, {Ly, kPinned}}, {Bending(-700e3, 0, 0)});
    EXPECT_FALSE(A::CheckSpanYY(y.member, y.Span(0, 1)));
    EXPECT_NEAR(y.Record(0).Ncy, 0.541 * kNs, kTol);
    EXPECT_NEAR(y.Util(UtilKind::BucklingAxialMinor), 700e3 / (0.9 * 0.541 * kNs), 2e-3);
    EXPECT_NE(y.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_EQ(y.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
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
    EXPECT_DOUBLE_EQ(f.Record(0).NStarX, 10e3);  // its failure lines: the golden reports
}

TEST(AxialSpan, TensionOrContinuousRestraintNeedsNoColumnCheck) {
    TestMember f({{0.0, kPinned}, {3.0, kPinned}}, {Bending(80e3, 0, 0)});
    f.Record(0).NtStar = 50e3;
    EXPECT_TRUE(A::CheckSpanYY(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(f.Record(0).NtStar, 80e3);  // the tension stored
    EXPECT_DOUBLE_EQ(f.Record(0).NStarY, 0.0);
    EXPECT_DOUBLE_EQ(f.Util(UtilKind::BucklingAxialMinor), 0.0);

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

// A monosymmetric section (a channel or T in the member) over 6 m between F ends: NcT and
// NcTF are the test's; Noz falls with 1/le² from 1e7 N at le = 1 m.
TestSectionProps Monosymmetric(double ncT = 500e3, double ncTF = 400e3) {
    TestSectionProps v = UB310Props();
    v.doubly = false;
    v.ncT = ncT;
    v.noz = 1.0e7;
    v.ncTF = ncTF;
    v.ncTFAux = 0.75;
    return v;
}

struct Column : TestMember {
    explicit Column(double n, const TestSectionProps& v = Monosymmetric(), unsigned left = kFEnd,
                    unsigned right = kFEnd, unsigned continuous = 0)
        : TestMember({{0.0, left}, {6.0, right}}, {Bending(n, 0, 0, 0, 0, continuous)}, v) {}
    bool Check() { return A::CheckSpanT(member, Span(0, 1)); }
    double Util() const { return TestMember::Util(UtilKind::BucklingAxialTorsion); }
};

TEST(TorsionalCheck, CompressedMonosymmetricSegment) {
    Column f(-200e3);
    EXPECT_TRUE(f.Check());
    EXPECT_NEAR(f.Util(), 0.444444, 1e-6);  // 200/(0.9 × 500)
    EXPECT_DOUBLE_EQ(f.Record(0).NStarY, 200e3);
    EXPECT_NEAR(f.Record(0).Nomz, 1e7 / 36.0, 1e-6);  // at le = 6 m
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = " + f.result.DesFormat().Force(200e3) + L"/("));

    Column larger(-200e3);
    larger.Record(0).NStarY = 250e3;  // from the minor-axis check: kept
    larger.Check();
    EXPECT_DOUBLE_EQ(larger.Record(0).NStarY, 250e3);

    Column fails(-200e3, Monosymmetric(150e3));
    EXPECT_FALSE(fails.Check());
    EXPECT_NEAR(fails.Util(), 1.481481, 1e-6);
    EXPECT_NE(fails.result.Flags() & ResultFlag::TorsionalBucklingFail, 0u);
}

TEST(TorsionalCheck, NotRequiredForDoublySymmetricSectionsTensionOrSquareSections) {
    Column doubly(-200e3, UB310Props());
    EXPECT_TRUE(doubly.Check());
    EXPECT_DOUBLE_EQ(doubly.Record(0).NStarY, 200e3);
    Column tension(50e3);
    EXPECT_TRUE(tension.Check());
    TestSectionProps v = Monosymmetric();
    v.square = true;
    Column square(-200e3, v);
    square.member.SetLengthOverride(true);
    square.member.SetLlt(4.0);
    square.Check();
    EXPECT_TRUE(square.Has(L"<i><blue>Effective length overridden</blue></i>\n"));
    // NcT at the 4 m override; its utilisation still offered: 200/(0.9 × 500).
    EXPECT_NEAR(square.Record(0).Nomz, 1e7 / 16.0, 1e-6);
    EXPECT_NEAR(square.Util(), 0.444444, 1e-6);
    for (Column* c : {&doubly, &tension, &square}) EXPECT_FALSE(c->Has(L"Util = N/(phi*Nc)"));
    EXPECT_DOUBLE_EQ(doubly.Util(), 0.0);  // NcT = ∞ at le = 0
    EXPECT_DOUBLE_EQ(tension.Util(), 0.0);
}

TEST(TorsionalCheck, HeldAgainstTwistAlongItsLengthOrInsufficientlyRestrained) {
    Column held(-200e3, Monosymmetric(), kFEnd, kFEnd, 64);
    held.Check();
    EXPECT_TRUE(
        held.Has(L"Torsional buckling check not required:\n"
                 L"\tspan is restrained against torsion along its length\n"));
    // le = 0: Noz unbounded, the utilisation still offered (200/(0.9 × 500)).
    EXPECT_EQ(held.Record(0).Nomz, kInf);
    EXPECT_NEAR(held.Util(), 0.444444, 1e-6);

    // An L end and a U end make no segment: the effective length is unbounded.
    Column loose(-200e3, Monosymmetric(), kLEnd, kUEnd);
    EXPECT_FALSE(loose.Check());
    EXPECT_EQ(loose.Util(), kInf);
    EXPECT_DOUBLE_EQ(loose.Record(0).NcTorsion, 0.0);
    EXPECT_NE(loose.result.Flags() & ResultFlag::TorsionalBucklingFail, 0u);
}

struct FlexuralTorsional : TestMember {
    explicit FlexuralTorsional(double ncTF = 400e3)
        : TestMember({{0.0, kFEnd}, {6.0, kFEnd}}, {Bending(-200e3, 0, 0)},
                     Monosymmetric(500e3, ncTF)) {
        CInteractionData& r = Record(0);
        r.SpanXX = r.SpanYY = r.SpanLT = Span(0, 1);
        r.NStarX = 150e3;
        r.NStarY = 200e3;
        r.Nomx = 5e6;
        r.Nomy = 1e6;
        r.Nomz = 2e6;
    }
    bool Check() { return A::CheckSpanTF(member, Record(0)); }
    double Util() const { return TestMember::Util(UtilKind::BucklingAxialFlexuralTorsion); }
};

TEST(FlexuralTorsionalCheck, UsesTheLargerCompressionFailsInTheFlagsNeedsCompression) {
    FlexuralTorsional f;
    EXPECT_TRUE(f.Check());
    EXPECT_NEAR(f.Util(), 0.555556, 1e-6);  // 200/(0.9 × 400)
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = "));

    FlexuralTorsional fails(180e3);
    EXPECT_TRUE(fails.Check());  // always true; the failure is in the flags
    EXPECT_NE(fails.result.Flags() & ResultFlag::MinorBucklingFail, 0u);

    FlexuralTorsional none;
    none.Record(0).NStarX = none.Record(0).NStarY = 0.0;
    none.Check();
    EXPECT_FALSE(none.Has(L"Util = N/(phi*Nc)"));
    EXPECT_DOUBLE_EQ(none.Util(), 0.0);
}

}  // namespace
