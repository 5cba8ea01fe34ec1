// Angle struts: the strut driver, flexural buckling about the principal axes (cl. 6.3), the
// u-u member moment check (cl. 5.6) and the principal-axis combined check (cl. 8.4.5.1).
#include <gtest/gtest.h>

#include "span/test_span_fixture.h"

namespace {

using namespace spantest;
using A = MemberTestAccess;

SectionProps Strut(bool fullyRestrained = false) {
    SectionProps p;
    p.strut = true;
    p.doublySymmetric = false;
    p.fullyRestrained = fullyRestrained;
    return p;
}

SubSpanActions Actions(double N, double mxLeft = 0, double mxRight = 0) {
    SubSpanActions a;
    a.forcesLeft = a.forcesRight = Vec3(N, 0, 0);
    a.momentsLeft = Vec3(0, mxLeft, 0);
    a.momentsRight = Vec3(0, mxRight, 0);
    return a;
}

TEST(DriverStrut, CheckBucklingTakesTheStrutDriverInItsOrder) {
    MemberFixture f({{0.0, kFEnd}, {4.0, kFEnd}}, {Actions(-100e3)}, Strut());
    EXPECT_TRUE(A::CheckBuckling(f.member));
    const CString text = f.Report();
    const wchar_t* headings[] = {L"<h4>Strut buckling capacity checks:</h4>\n",
                                 L"<h5>Check axial buckling(U-U) axis</h5>\n",
                                 L"<h5>Check axial buckling(V-V) axis</h5>\n",
                                 L"<h5>Check axial buckling major(X-X) axis</h5>\n",
                                 L"<h5>Check axial buckling minor(Y-Y) axis</h5>\n",
                                 L"<h5>Check torsional buckling </h5>\n",
                                 L"<h5>Check flexural-torsional buckling </h5>\n",
                                 L"<h5>Check LT buckling</h5>\n",
                                 L"<h5>Check buckling interaction</h5>\n"};
    size_t previous = 0;
    for (const wchar_t* heading : headings) {
        const size_t at = text.find(heading);
        ASSERT_NE(at, CString::npos) << heading;
        EXPECT_GE(at, previous) << heading;
        previous = at;
    }
}

TEST(DriverStrut, PrincipalAxesUseTheLargerOverrideAndTheMinorUtilisation) {
    // Lyy = −0.5 and Lzz = 3.0 m on a 4.0 m member: 2.0 m and 3.0 m, the larger for both axes.
    MemberFixture f({{0.0, kPinned}, {4.0, kPinned}}, {Actions(-1200e3)}, Strut());
    f.member.SetLengthOverride(true);
    f.member.SetLyy(-0.5);
    f.member.SetLzz(3.0);
    auto& records = A::Records(f.member);
    records.resize(1);
    EXPECT_FALSE(A::CheckStrutSpanUU(f.member, f.Span(0, 1)));
    double ncr = 0;
    EXPECT_DOUBLE_EQ(records[0].Ncu, FixedSection().Ncxx(3.0, ncr, nullptr));
    EXPECT_DOUBLE_EQ(records[0].NcuInPlane, records[0].Ncu);
    EXPECT_DOUBLE_EQ(records[0].NStarX, 1200e3);
    const int entry = f.result.CurrentIndex();
    EXPECT_NEAR(f.result.Util(entry, UtilKind::BucklingAxialMinor), 1200e3 / (0.9 * records[0].Ncu),
                1e-12);
    EXPECT_DOUBLE_EQ(f.result.Util(entry, UtilKind::BucklingAxialMajor), 0.0);
    EXPECT_NE(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_EQ(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_NE(f.Report().find(L"<b><red>Fail:</red></b> U-U Axial Buckling\n"), CString::npos);

    EXPECT_FALSE(A::CheckStrutSpanVV(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(records[0].Ncv, FixedSection().Ncyy(3.0, ncr, nullptr));
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
}

TEST(DriverStrut, TensionIsStoredAsItIs) {
    MemberFixture f({{0.0, kPinned}, {4.0, kPinned}}, {Actions(30e3)}, Strut());
    auto& records = A::Records(f.member);
    records.resize(1);
    records[0].NtStar = 90e3;
    EXPECT_TRUE(A::CheckStrutSpanVV(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(records[0].NtStar, 30e3);
    EXPECT_NE(f.Report().find(L"No axial compression in this span\n"), CString::npos);
}

TEST(DriverStrut, LateralTorsionalSingleAndReverseCurvature) {
    // α = 0: Mu = Mx. Mb about u-u is 40 kN·m.
    MemberFixture single({{0.0, kFEnd}, {4.0, kFEnd}}, {Actions(0, 20e3, 20e3)}, Strut());
    auto& records = A::Records(single.member);
    records.resize(1);
    EXPECT_TRUE(A::CheckStrutSpanLT(single.member, single.Span(0, 1)));
    EXPECT_NEAR(single.result.Util(single.result.CurrentIndex(), UtilKind::BucklingLT),
                20.0 / (0.9 * 40.0), 1e-12);
    EXPECT_DOUBLE_EQ(records[0].Mbx1, 40e3);
    EXPECT_DOUBLE_EQ(records[0].Mx2, 20e3);
    EXPECT_TRUE(records[0].LTApplies);
    EXPECT_NE(single.Report().find(L"Single curvature bending in this span\n"), CString::npos);

    MemberFixture reverse({{0.0, kFEnd}, {4.0, kFEnd}}, {Actions(0, 20e3, -38e3)}, Strut());
    auto& reverseRecords = A::Records(reverse.member);
    reverseRecords.resize(1);
    EXPECT_FALSE(A::CheckStrutSpanLT(reverse.member, reverse.Span(0, 1)));  // 38/36 > 1
    EXPECT_DOUBLE_EQ(reverseRecords[0].Mx1, -38e3);
    EXPECT_DOUBLE_EQ(reverseRecords[0].Mx2, 20e3);
    EXPECT_NE(reverse.result.Flags() & ResultFlag::LTBucklingFail, 0u);
    EXPECT_NE(reverse.Report().find(L"Reverse curvature\n"), CString::npos);
}

TEST(DriverStrut, LateralTorsionalNotRequiredStoresSectionCapacities) {
    // F ends and a fully restrained segment: Msu = fy Zeu = 250 MPa × 200e3 mm³ = 50 kN·m.
    MemberFixture f({{0.0, kFEnd}, {4.0, kFEnd}}, {Actions(0, 20e3, 20e3)}, Strut(true));
    auto& records = A::Records(f.member);
    records.resize(1);
    EXPECT_TRUE(A::CheckStrutSpanLT(f.member, f.Span(0, 1)));
    EXPECT_DOUBLE_EQ(records[0].Mbx1, 50e3);
    EXPECT_DOUBLE_EQ(records[0].Mbx2, 50e3);
    EXPECT_FALSE(records[0].LTApplies);
    EXPECT_NE(
        f.Report().find(L"span is satisfied the conditions framed in AS4100:1988 cl. 8.4.6 \n"),
        CString::npos);
}

// N = 100 kN, Ncv = 500 kN, in plane Ncu = 800 kN and Ncv = 600 kN, Mb = 40 kN·m,
// Msu = 50 kN·m, Msv = 25 kN·m, α = 0 so Mu = Mx = 20 kN·m and Mv = My = 5 kN·m:
//   Mou = 40 (1 − 100/450) = 31.11, Miu = 50 (1 − 100/720) = 43.06, Mcu = 31.11,
//   Miv = 25 (1 − 100/540) = 20.37; (20/28.0)^1.4 + (5/18.33)^1.4 = 0.6243 + 0.1622 = 0.7865.
// In tension Nt = 50 kN with Nst = Ag fy = 1250 kN: Mou = 40 × 1.0444 = 41.78,
//   Mru = 50 × 0.9556 = 47.78, Mrv = 23.89; (20/37.6)^1.4 + (5/21.5)^1.4 = 0.4132 + 0.1298 =
//   0.5430.
CInteractionData Record(const MemberFixture& f, double mx2) {
    CInteractionData r;
    r.SpanXX = r.SpanYY = r.SpanLT = f.Span(0, 1);
    r.NStarX = r.NStarY = 100e3;
    r.Ncv = 500e3;
    r.NcuInPlane = 800e3;
    r.NcvInPlane = 600e3;
    r.Mbx1 = r.Mbx2 = 40e3;
    r.Mx1 = 20e3;
    r.Mx2 = mx2;
    r.MyMax = r.MyMin = 5e3;
    return r;
}

double CombinedUtil(const MemberFixture& f) {
    return f.result.Util(f.result.CurrentIndex(), UtilKind::BucklingCombined);
}

TEST(DriverStrut, CombinedCheckInCompression) {
    MemberFixture f({{0.0, kFEnd}, {4.0, kFEnd}}, {}, Strut());
    A::CheckStrutBucklingInteraction(f.member, Record(f, 20e3));
    EXPECT_NEAR(CombinedUtil(f), 0.78653, 1e-4);
    EXPECT_NE(f.Report().find(L"Mou = Mb*(1 - N/(Phi*Ncv))\n     = 31.11 kN·m\n"), CString::npos);

    // Unequal end moments: the per-end form, governed by the 20 kN·m end.
    MemberFixture g({{0.0, kFEnd}, {4.0, kFEnd}}, {}, Strut());
    A::CheckStrutBucklingInteraction(g.member, Record(g, -10e3));
    EXPECT_NEAR(CombinedUtil(g), 0.78653, 1e-4);
    EXPECT_NE(g.Report().find(L"Mou1 = Mb1*(1 - N/(Phi*Ncv))\n"), CString::npos);
    EXPECT_NE(g.Report().find(L"MuMax = 20.00 kN·m, MuMin = -10.00 kN·m\n"), CString::npos);
}

TEST(DriverStrut, CombinedCheckInTension) {
    MemberFixture f({{0.0, kFEnd}, {4.0, kFEnd}}, {}, Strut());
    CInteractionData r = Record(f, 20e3);
    r.NtStar = 50e3;
    A::CheckStrutBucklingInteraction(f.member, r);
    EXPECT_NEAR(CombinedUtil(f), 0.54298, 1e-4);
    EXPECT_NE(f.Report().find(L"Mtu = min(Mou, Mru)\n     = 41.78 kN·m\n"), CString::npos);
}

}  // namespace
