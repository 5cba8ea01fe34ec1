// Torsional and flexural-torsional buckling checks of a member in compression (cl. 6.3).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

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
    EXPECT_EQ(f.Report().rfind(L"Torsional span: ", 0), 0u);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = " + f.result.DesFormat().Force(200e3) + L"/("));

    Column larger(-200e3);
    larger.Record(0).NStarY = 250e3;  // from the minor-axis check: kept
    larger.Check();
    EXPECT_DOUBLE_EQ(larger.Record(0).NStarY, 250e3);

    Column fails(-200e3, Monosymmetric(150e3));
    EXPECT_FALSE(fails.Check());
    EXPECT_NEAR(fails.Util(), 1.481481, 1e-6);
    EXPECT_NE(fails.result.Flags() & ResultFlag::TorsionalBucklingFail, 0u);
    EXPECT_TRUE(fails.Has(L"<b><red>Fail:</red></b> Torsional Axial Buckling\n"));
}

TEST(TorsionalCheck, NotRequiredForDoublySymmetricSectionsTensionOrSquareSections) {
    Column doubly(-200e3, UB310Props());
    EXPECT_TRUE(doubly.Check());
    EXPECT_TRUE(
        doubly.Has(L"Torsional buckling check not required: section is doubly symmetric\n"));
    EXPECT_DOUBLE_EQ(doubly.Record(0).NStarY, 200e3);
    Column tension(50e3);
    EXPECT_TRUE(tension.Check());
    EXPECT_TRUE(tension.Has(L"No axial compression in this span\n"));
    TestSectionProps v = Monosymmetric();
    v.square = true;
    Column square(-200e3, v);
    square.member.SetLengthOverride(true);
    square.member.SetLlt(4.0);
    square.Check();
    EXPECT_TRUE(square.Has(L"<i><blue>Effective length overridden</blue></i>\n"));
    EXPECT_TRUE(square.Has(L"LT check not required: section is circular or square\n"));
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
    EXPECT_TRUE(loose.Has(L"<b><red>Fail:</red></b> Insufficient restraint\n"));
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

TEST(FlexuralTorsionalCheck, UsesTheLargerCompression) {
    FlexuralTorsional f;
    EXPECT_TRUE(f.Check());
    EXPECT_NEAR(f.Util(), 0.555556, 1e-6);  // 200/(0.9 × 400)
    const CString spans = f.Span(0, 1).GetString(f.result.DesFormat());
    // The heading ends without a line break after the torsional span.
    EXPECT_EQ(f.result.Report().front().text, L"Major Axis Span: " + spans +
                                                  L"\nMinor Axis Span: " + spans +
                                                  L"\nTorsional Span: " + spans);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = "));
}

TEST(FlexuralTorsionalCheck, FailureInTheFlagsAndNoCompression) {
    FlexuralTorsional f(180e3);
    EXPECT_TRUE(f.Check());  // always true; the failure is in the flags
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_TRUE(f.Has(L"<b><red>Fail:</red></b> Flexural Torsional Axial Buckling\n"));

    FlexuralTorsional none;
    none.Record(0).NStarX = none.Record(0).NStarY = 0.0;
    none.Check();
    EXPECT_TRUE(none.Has(L"No axial compression in this span\n"));
    EXPECT_FALSE(none.Has(L"Util = N/(phi*Nc)"));
    EXPECT_DOUBLE_EQ(none.Util(), 0.0);
}

}  // namespace
