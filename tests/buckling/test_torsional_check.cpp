// Torsional and flexural-torsional buckling checks of a member in compression (cl. 6.3).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

constexpr unsigned kL = 0x200000 | 0x100000 | 512;  // critical flange held laterally alone
constexpr unsigned kU = 0x200000 | 0x100000;        // supported, free to twist

// A monosymmetric section (a channel or T in the member) over 6 m between F ends: NcT and
// NcTF are the test's; Noz falls with 1/le² from 1e7 N at le = 1 m.
TestSectionProps Monosymmetric(double ncT = 500e3) {
    TestSectionProps v = UB310Props();
    v.doubly = false;
    v.ncT = ncT;
    v.noz = 1.0e7;
    v.ncTF = 400e3;
    v.ncTFAux = 0.75;
    return v;
}

struct Column : TestMember {
    explicit Column(double n, const TestSectionProps& v = Monosymmetric(), unsigned left = kFEnd,
                    unsigned right = kFEnd, unsigned continuous = 0)
        : TestMember({{0.0, left}, {6.0, right}}, {Bending(n, 0, 0, 0, 0, continuous)}, v) {}
    bool Check() { return A::CheckSpanT(member, Span(0, 1)); }
};

TEST(TorsionalCheck, CompressedMonosymmetricSegment) {
    Column f(-200e3);
    EXPECT_TRUE(f.Check());
    // 200/(0.9 × 500) = 0.4444, at le = 6 m: Noz = 1e7/36.
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialTorsion), 0.444444, 1e-6);
    const CInteractionData& r = f.Record(0);
    EXPECT_DOUBLE_EQ(r.NStarY, 200e3);
    EXPECT_DOUBLE_EQ(r.NcTorsion, 500e3);
    EXPECT_NEAR(r.Nomz, 1e7 / 36.0, 1e-6);
    EXPECT_EQ(r.SpanLT, f.Span(0, 1));
    EXPECT_EQ(f.Report().rfind(L"Torsional span: ", 0), 0u);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = " + f.result.DesFormat().Force(200e3) + L"/("));

    Column larger(-200e3);
    larger.Record(0).NStarY = 250e3;  // from the minor-axis check: kept
    larger.Check();
    EXPECT_DOUBLE_EQ(larger.Record(0).NStarY, 250e3);
}

TEST(TorsionalCheck, FailureSetsTheTorsionalFlag) {
    Column f(-200e3, Monosymmetric(150e3));
    EXPECT_FALSE(f.Check());
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialTorsion), 1.481481, 1e-6);
    EXPECT_NE(f.result.Flags() & ResultFlag::TorsionalBucklingFail, 0u);
    EXPECT_TRUE(f.Has(L"<b><red>Fail:</red></b> Torsional Axial Buckling\n"));
}

TEST(TorsionalCheck, NotRequiredForDoublySymmetricSectionsOrTension) {
    Column f(-200e3, UB310Props());
    EXPECT_TRUE(f.Check());
    EXPECT_TRUE(f.Has(L"Torsional buckling check not required: section is doubly symmetric\n"));
    EXPECT_DOUBLE_EQ(f.Record(0).NStarY, 200e3);
    Column tension(50e3);
    EXPECT_TRUE(tension.Check());
    EXPECT_TRUE(tension.Has(L"No axial compression in this span\n"));
    for (Column* c : {&f, &tension}) {
        EXPECT_FALSE(c->Has(L"Util = N/(phi*Nc)"));
        EXPECT_DOUBLE_EQ(c->Util(UtilKind::BucklingAxialTorsion), 0.0);
    }
}

TEST(TorsionalCheck, SpanHeldAgainstTwistAlongItsLength) {
    Column f(-200e3, Monosymmetric(), kFEnd, kFEnd, 64);
    f.Check();
    EXPECT_TRUE(
        f.Has(L"Torsional buckling check not required:\n"
              L"\tspan is restrained against torsion along its length\n"));
    // le = 0: Noz unbounded, the utilisation still offered (200/(0.9 × 500)).
    EXPECT_EQ(f.Record(0).Nomz, kInf);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialTorsion), 0.444444, 1e-6);
}

TEST(TorsionalCheck, InsufficientRestraint) {
    // An L end and a U end make no segment: the effective length is unbounded.
    Column f(-200e3, Monosymmetric(), kL, kU);
    EXPECT_FALSE(f.Check());
    EXPECT_TRUE(f.Has(L"<b><red>Fail:</red></b> Insufficient restraint\n"));
    EXPECT_EQ(f.Util(UtilKind::BucklingAxialTorsion), kInf);
    EXPECT_DOUBLE_EQ(f.Record(0).NcTorsion, 0.0);
    EXPECT_NE(f.result.Flags() & ResultFlag::TorsionalBucklingFail, 0u);
}

TEST(TorsionalCheck, SquareSectionWithTheUsersLength) {
    TestSectionProps v = Monosymmetric();
    v.square = true;
    Column f(-200e3, v);
    f.member.SetLengthOverride(true);
    f.member.SetLlt(4.0);
    f.Check();
    EXPECT_TRUE(f.Has(L"<i><blue>Effective length overridden</blue></i>\n"));
    EXPECT_TRUE(f.Has(L"LT check not required: section is circular or square\n"));
    EXPECT_FALSE(f.Has(L"Util = N/(phi*Nc)"));
    EXPECT_NEAR(f.Record(0).Nomz, 1e7 / 16.0, 1e-6);  // computed at the 4 m override
}

// --- flexural-torsional ----------------------------------------------------------------------

struct FlexuralTorsional : TestMember {
    explicit FlexuralTorsional(double ncTF = 400e3)
        : TestMember({{0.0, kFEnd}, {6.0, kFEnd}}, {Bending(-200e3, 0, 0)}, Props(ncTF)) {
        CInteractionData& r = Record(0);
        r.SpanXX = r.SpanYY = r.SpanLT = Span(0, 1);
        r.NStarX = 150e3;
        r.NStarY = 200e3;
        r.Nomx = 5e6;
        r.Nomy = 1e6;
        r.Nomz = 2e6;
    }
    static TestSectionProps Props(double ncTF) {
        TestSectionProps v = Monosymmetric();
        v.ncTF = ncTF;
        return v;
    }
    bool Check() { return A::CheckSpanTF(member, Record(0)); }
};

TEST(FlexuralTorsionalCheck, UsesTheLargerCompression) {
    FlexuralTorsional f;
    EXPECT_TRUE(f.Check());
    // 200/(0.9 × 400) = 0.5556
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialFlexuralTorsion), 0.555556, 1e-6);
    EXPECT_DOUBLE_EQ(f.Record(0).NcFlexTorsion, 400e3);
    EXPECT_DOUBLE_EQ(f.Record(0).NcTFAux, 0.75);
    const CString spans = f.Span(0, 1).GetString(f.result.DesFormat());
    // The heading ends without a line break after the torsional span.
    EXPECT_EQ(f.result.Report().front().text, L"Major Axis Span: " + spans +
                                                  L"\nMinor Axis Span: " + spans +
                                                  L"\nTorsional Span: " + spans);
    EXPECT_TRUE(f.Has(L"Util = N/(phi*Nc)\n     = "));
}

TEST(FlexuralTorsionalCheck, FailureSetsTheMinorAxisFlag) {
    FlexuralTorsional f(180e3);
    EXPECT_TRUE(f.Check());  // always true; the failure is in the flags
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_TRUE(f.Has(L"<b><red>Fail:</red></b> Flexural Torsional Axial Buckling\n"));
}

TEST(FlexuralTorsionalCheck, NoCompression) {
    FlexuralTorsional f;
    f.Record(0).NStarX = f.Record(0).NStarY = 0.0;
    f.Check();
    EXPECT_TRUE(f.Has(L"No axial compression in this span\n"));
    EXPECT_FALSE(f.Has(L"Util = N/(phi*Nc)"));
    EXPECT_DOUBLE_EQ(f.Util(UtilKind::BucklingAxialFlexuralTorsion), 0.0);
}

}  // namespace
