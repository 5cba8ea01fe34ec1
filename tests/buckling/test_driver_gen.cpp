// The general buckling driver on whole members: the spans it walks, the records it fills, the
// utilisations and flags, the Iyy > Ixx warning and the quick-check stop.
#include <gtest/gtest.h>

#include "span/test_span_fixture.h"

namespace {

using namespace spantest;
using A = MemberTestAccess;

SubSpanActions Compression(double N, double mLeft, double mRight) {
    SubSpanActions a;
    a.forcesLeft = a.forcesRight = Vec3(-N, 0, 0);
    a.momentsLeft = Vec3(0, mLeft, 0);
    a.momentsRight = Vec3(0, mRight, 0);
    return a;
}

// Continuous over two spans of 4 m and 5 m, supported and held against twist at the three
// points; 300 kN compression, hogging over the middle support.
MemberFixture TwoSpanMember(double N = 300e3, const SectionProps& props = {}) {
    return MemberFixture({{0.0, kFEnd}, {4.0, kFEnd}, {9.0, kFEnd}},
                         {Compression(N, 0.0, -60e3), Compression(N, -60e3, 0.0)}, props);
}

size_t Find(const CString& text, const wchar_t* what) {
    return text.find(what);
}

TEST(DriverGen, TwoSpanMemberFillsEveryRecord) {
    MemberFixture f = TwoSpanMember();
    EXPECT_TRUE(A::CheckBucklingGen(f.member));
    const auto& records = f.member.GetInteractionData();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].SpanXX, f.Span(0, 1));
    EXPECT_EQ(records[1].SpanXX, f.Span(1, 2));
    EXPECT_EQ(records[0].SpanYY, f.Span(0, 1));
    EXPECT_EQ(records[1].SpanYY, f.Span(1, 2));
    // Pinned for flexural buckling at every point: le = span length.
    double ncr4 = 0, ncr5 = 0;
    EXPECT_DOUBLE_EQ(records[0].Ncy, FixedSection().Ncyy(4.0, ncr4, nullptr));
    EXPECT_DOUBLE_EQ(records[1].Ncy, FixedSection().Ncyy(5.0, ncr5, nullptr));
    EXPECT_DOUBLE_EQ(records[0].Nomy, ncr4);
    EXPECT_DOUBLE_EQ(records[1].Nomy, ncr5);
    for (const CInteractionData& r : records) {
        EXPECT_DOUBLE_EQ(r.NStarX, 300e3);
        EXPECT_DOUBLE_EQ(r.NStarY, 300e3);
        EXPECT_FALSE(r.ReverseCurvatureX);  // hogging only
    }
}

TEST(DriverGen, LongerSpanGovernsTheAxialUtilisations) {
    MemberFixture f = TwoSpanMember();
    A::CheckBucklingGen(f.member);
    double ncr = 0;
    const int entry = f.result.CurrentIndex();
    EXPECT_NEAR(f.result.Util(entry, UtilKind::BucklingAxialMajor),
                300e3 / (0.9 * FixedSection().Ncxx(5.0, ncr, nullptr)), 1e-12);
    // About y, λ = 5 m / 44.72 mm = 111.8: Nc = 0.45 Ns roughly, so the utilisation is about 0.6.
    const double utilY = f.result.Util(entry, UtilKind::BucklingAxialMinor);
    EXPECT_NEAR(utilY, 300e3 / (0.9 * FixedSection().Ncyy(5.0, ncr, nullptr)), 1e-12);
    EXPECT_GT(utilY, 0.5);
    EXPECT_LT(utilY, 0.7);
    EXPECT_EQ(f.result.Flags() & (ResultFlag::MajorBucklingFail | ResultFlag::MinorBucklingFail),
              0u);
}

TEST(DriverGen, HeadingsInTheOrderOfTheChecks) {
    SectionProps mono;
    mono.doublySymmetric = false;
    MemberFixture f = TwoSpanMember(300e3, mono);
    A::CheckBucklingGen(f.member);
    const CString text = f.Report();
    const wchar_t* headings[] = {L"<h4>Buckling capacity checks:</h4>\n",
                                 L"<h5>Check axial buckling major axis</h5>\n",
                                 L"<h5>Check axial buckling minor axis</h5>\n",
                                 L"<h5>Check torsional buckling </h5>\n",
                                 L"<h5>Check flexural-torsional buckling </h5>\n",
                                 L"<h5>Check LT buckling</h5>\n",
                                 L"<h5>Check buckling interaction</h5>\n"};
    size_t previous = 0;
    for (const wchar_t* heading : headings) {
        const size_t at = Find(text, heading);
        ASSERT_NE(at, CString::npos) << heading;
        EXPECT_GE(at, previous) << heading;
        previous = at;
    }
    // Two major-axis spans in the major-axis section.
    const size_t from = Find(text, L"<h5>Check axial buckling major axis</h5>\n");
    const size_t to = Find(text, L"<h5>Check axial buckling minor axis</h5>\n");
    const CString majorSection = text.substr(from, to - from);
    size_t count = 0;
    for (size_t at = Find(majorSection, L"Major Axis Span: "); at != CString::npos;
         at = majorSection.find(L"Major Axis Span: ", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 2u);
}

TEST(DriverGen, DoublySymmetricSectionHasNoFlexuralTorsionalCheck) {
    MemberFixture f = TwoSpanMember();
    A::CheckBucklingGen(f.member);
    EXPECT_EQ(Find(f.Report(), L"flexural-torsional"), CString::npos);
}

TEST(DriverGen, IyyAboveOnePointZeroOneIxxWarns) {
    SectionProps equal;
    equal.iyy = 1.01 * equal.ixx;
    MemberFixture f = TwoSpanMember(300e3, equal);
    A::CheckBucklingGen(f.member);
    EXPECT_EQ(f.result.Flags() & ResultFlag::Warning, 0u);
    EXPECT_EQ(Find(f.Report(), L"Iyy is greater than Ixx"), CString::npos);

    SectionProps above;
    above.iyy = 1.011 * above.ixx;
    MemberFixture g = TwoSpanMember(300e3, above);
    A::CheckBucklingGen(g.member);
    EXPECT_NE(g.result.Flags() & ResultFlag::Warning, 0u);
    const CString text = g.Report();
    EXPECT_NE(Find(text,
                   L"<b><orange>Warning:</orange></b> Iyy is greater than Ixx:\n\tthis may lead to "
                   L"errors\n"),
              CString::npos);
}

TEST(DriverGen, QuickCheckStopsAfterTheFirstFailingSpan) {
    // 1500 kN exceeds the section capacity: the first major-axis span fails.
    MemberFixture f = TwoSpanMember(1500e3);
    f.member.SetQuickCheckMode();
    EXPECT_FALSE(A::CheckBucklingGen(f.member));
    const CString text = f.Report();
    EXPECT_NE(Find(text, L"Major Axis Span: "), CString::npos);
    EXPECT_EQ(Find(text, L"<h5>Check axial buckling minor axis</h5>"), CString::npos);
    // Stopped after the first span: the second span's record is untouched.
    EXPECT_DOUBLE_EQ(f.member.GetInteractionData()[1].NStarX, 0.0);
}

TEST(DriverGen, FullCheckRunsEveryCheckDespiteFailures) {
    MemberFixture f = TwoSpanMember(1500e3);
    EXPECT_TRUE(A::CheckBucklingGen(f.member));
    EXPECT_NE(f.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_NE(f.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_NE(Find(f.Report(), L"<h5>Check buckling interaction</h5>"), CString::npos);
}

TEST(DriverGen, RecordsAreRebuiltOnEveryRun) {
    MemberFixture f = TwoSpanMember();
    A::CheckBucklingGen(f.member);
    A::Records(f.member)[0].NStarX = 9e9;
    A::CheckBucklingGen(f.member);
    EXPECT_DOUBLE_EQ(f.member.GetInteractionData()[0].NStarX, 300e3);
}

TEST(DriverGen, CheckBucklingRunsTheGeneralDriver) {
    MemberFixture f = TwoSpanMember();
    EXPECT_TRUE(A::CheckBuckling(f.member));
    EXPECT_NE(Find(f.Report(), L"<h4>Buckling capacity checks:</h4>\n"), CString::npos);
}

}  // namespace
