// The general buckling driver on whole members: the spans it walks, the records it fills, the
// utilisations and flags, the Iyy > Ixx warning and the quick-check stop.
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// Continuous over two spans of 4 m and 5 m, supported and held against twist at the three
// points; compression N, hogging 60 kN·m over the middle support.
struct TwoSpanMember : TestMember {
    explicit TwoSpanMember(double N = 300e3, const TestSectionProps& props = {})
        : TestMember({{0.0, kFEnd}, {4.0, kFEnd}, {9.0, kFEnd}},
                     {Bending(-N, 0.0, -60e3), Bending(-N, -60e3, 0.0)}, props) {}
};

double Ncy(double le, double& ncr) {
    return TestSection().Ncyy(le, ncr, nullptr);
}
double Ncx(double le) {
    double ncr = 0;
    return TestSection().Ncxx(le, ncr, nullptr);
}

TEST(DriverGen, TwoSpanMemberFillsEveryRecordAndTheLongerSpanGoverns) {
    TwoSpanMember f;
    EXPECT_TRUE(A::CheckBuckling(f.member));
    EXPECT_TRUE(f.Has(L"<h4>Buckling capacity checks:</h4>\n"));
    const auto& records = f.member.GetInteractionData();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].SpanXX, f.Span(0, 1));
    EXPECT_EQ(records[1].SpanXX, f.Span(1, 2));
    EXPECT_EQ(records[0].SpanYY, f.Span(0, 1));
    EXPECT_EQ(records[1].SpanYY, f.Span(1, 2));
    // Pinned for flexural buckling at every point: le = span length.
    double ncr4 = 0, ncr5 = 0;
    EXPECT_DOUBLE_EQ(records[0].Ncy, Ncy(4.0, ncr4));
    EXPECT_DOUBLE_EQ(records[1].Ncy, Ncy(5.0, ncr5));
    EXPECT_DOUBLE_EQ(records[0].Nomy, ncr4);
    EXPECT_DOUBLE_EQ(records[1].Nomy, ncr5);
    for (const CInteractionData& r : records) {
        EXPECT_DOUBLE_EQ(r.NStarX, 300e3);
        EXPECT_DOUBLE_EQ(r.NStarY, 300e3);
        EXPECT_FALSE(r.ReverseCurvatureX);  // hogging only
    }
    // About y, λ = 5 m / 44.72 mm = 111.8: Nc = 0.45 Ns roughly, so the utilisation is about 0.6.
    const double utilY = f.Util(UtilKind::BucklingAxialMinor);
    EXPECT_NEAR(utilY, 300e3 / (0.9 * Ncy(5.0, ncr5)), 1e-12);
    EXPECT_GT(utilY, 0.5);
    EXPECT_LT(utilY, 0.7);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMajor), 300e3 / (0.9 * Ncx(5.0)), 1e-12);
    EXPECT_EQ(f.result.Flags() & (ResultFlag::MajorBucklingFail | ResultFlag::MinorBucklingFail),
              0u);
    // A doubly symmetric section has no flexural-torsional check.
    EXPECT_FALSE(f.Has(L"flexural-torsional"));
}

TEST(DriverGen, HeadingsInTheOrderOfTheChecks) {
    TestSectionProps mono;
    mono.doubly = false;
    TwoSpanMember f(300e3, mono);
    A::CheckBucklingGen(f.member);
    const CString text = f.Report();
    EXPECT_EQ(
        FirstOutOfOrder(
            text,
            {L"<h4>Buckling capacity checks:</h4>\n", L"<h5>Check axial buckling major axis</h5>\n",
             L"Major Axis Span: ", L"<h5>Check axial buckling minor axis</h5>\n",
             L"<h5>Check torsional buckling </h5>\n",
             L"<h5>Check flexural-torsional buckling </h5>\n", L"<h5>Check LT buckling</h5>\n",
             L"<h5>Check buckling interaction</h5>\n"}),
        L"");
    // Two major-axis spans in the major-axis section.
    const size_t from = text.find(L"<h5>Check axial buckling major axis</h5>\n");
    const size_t to = text.find(L"<h5>Check axial buckling minor axis</h5>\n");
    const CString majorSection = text.substr(from, to - from);
    size_t count = 0;
    for (size_t at = majorSection.find(L"Major Axis Span: "); at != CString::npos;
         at = majorSection.find(L"Major Axis Span: ", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 2u);
}

TEST(DriverGen, IyyAboveOnePointZeroOneIxxWarns) {
    TestSectionProps equal;
    equal.iyy = 1.01 * equal.ixx;
    TwoSpanMember f(300e3, equal);
    A::CheckBucklingGen(f.member);
    EXPECT_EQ(f.result.Flags() & ResultFlag::Warning, 0u);
    EXPECT_FALSE(f.Has(L"Iyy is greater than Ixx"));

    TestSectionProps above;
    above.iyy = 1.011 * above.ixx;
    TwoSpanMember g(300e3, above);
    A::CheckBucklingGen(g.member);
    EXPECT_NE(g.result.Flags() & ResultFlag::Warning, 0u);
    EXPECT_TRUE(g.Has(
        L"<b><orange>Warning:</orange></b> Iyy is greater than Ixx:\n\tthis may lead to errors\n"));
}

TEST(DriverGen, QuickCheckStopsAfterTheFirstFailingSpanFullCheckRunsOn) {
    // 1500 kN exceeds the section capacity: the first major-axis span fails.
    TwoSpanMember f(1500e3);
    f.member.SetQuickCheckMode();
    EXPECT_FALSE(A::CheckBucklingGen(f.member));
    EXPECT_TRUE(f.Has(L"Major Axis Span: "));
    EXPECT_FALSE(f.Has(L"<h5>Check axial buckling minor axis</h5>"));
    // Stopped after the first span: the second span's record is untouched.
    EXPECT_DOUBLE_EQ(f.member.GetInteractionData()[1].NStarX, 0.0);

    TwoSpanMember full(1500e3);
    EXPECT_TRUE(A::CheckBucklingGen(full.member));
    EXPECT_NE(full.result.Flags() & ResultFlag::MajorBucklingFail, 0u);
    EXPECT_NE(full.result.Flags() & ResultFlag::MinorBucklingFail, 0u);
    EXPECT_TRUE(full.Has(L"<h5>Check buckling interaction</h5>"));
}

TEST(DriverGen, RecordsAreRebuiltOnEveryRun) {
    TwoSpanMember f;
    A::CheckBucklingGen(f.member);
    A::Records(f.member)[0].NStarX = 9e9;
    A::CheckBucklingGen(f.member);
    EXPECT_DOUBLE_EQ(f.member.GetInteractionData()[0].NStarX, 300e3);
}

}  // namespace
