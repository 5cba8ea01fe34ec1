// The general buckling driver on whole members: the spans it walks, the records it fills, the
// utilisations and flags, the Iyy > Ixx warning and the quick-check stop.
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// Continuous over two spans of 4 m and 5 m, supported and held against twist at the three
// points (pinned for flexural buckling: le = span); compression N, hogging 60 kN·m over the
// middle support.
struct TwoSpanMember : TestMember {
    explicit TwoSpanMember(double N = 300e3, const TestSectionProps& props = {})
        : TestMember({{0.0, kFEnd}, {4.0, kFEnd}, {9.0, kFEnd}},
                     {Bending(-N, 0.0, -60e3), Bending(-N, -60e3, 0.0)}, props) {}
};

TEST(DriverGen, TwoSpanMemberFillsEveryRecordAndTheLongerSpanGoverns) {
    TwoSpanMember f;
    EXPECT_TRUE(A::CheckBuckling(f.member));
    const auto& records = f.member.GetInteractionData();
    ASSERT_EQ(records.size(), 2u);
    for (int i : {0, 1}) {
        const double le = i == 0 ? 4.0 : 5.0;
        double ncr = 0;
        EXPECT_DOUBLE_EQ(records[i].Ncy, TestSection().Ncyy(le, ncr, nullptr));
        EXPECT_DOUBLE_EQ(records[i].Nomy, ncr);
        EXPECT_EQ(records[i].SpanXX, f.Span(i, i + 1));
        EXPECT_EQ(records[i].SpanYY, f.Span(i, i + 1));
        EXPECT_DOUBLE_EQ(records[i].NStarX, 300e3);
        EXPECT_DOUBLE_EQ(records[i].NStarY, 300e3);
        EXPECT_FALSE(records[i].ReverseCurvatureX);  // hogging only
    }
    // About y, λ = 5 m / 44.72 mm = 111.8: Nc = 0.45 Ns roughly, so the utilisation is about 0.6.
    double ncr = 0;
    const double utilY = f.Util(UtilKind::BucklingAxialMinor);
    EXPECT_NEAR(utilY, 300e3 / (0.9 * TestSection().Ncyy(5.0, ncr, nullptr)), 1e-12);
    EXPECT_GT(utilY, 0.5);
    EXPECT_LT(utilY, 0.7);
    EXPECT_NEAR(f.Util(UtilKind::BucklingAxialMajor),
                300e3 / (0.9 * TestSection().Ncxx(5.0, ncr, nullptr)), 1e-12);
    EXPECT_EQ(f.result.Flags() & (ResultFlag::MajorBucklingFail | ResultFlag::MinorBucklingFail),
              0u);
    // A doubly symmetric section has no flexural-torsional check.
    EXPECT_TRUE(f.Has(L"<h4>Buckling capacity checks:</h4>\n"));
    EXPECT_FALSE(f.Has(L"flexural-torsional"));
}

TEST(DriverGen, HeadingsInTheOrderOfTheChecks) {
    TestSectionProps mono;
    mono.doubly = false;
    TwoSpanMember f(300e3, mono);
    A::CheckBucklingGen(f.member);
    EXPECT_EQ(
        FirstOutOfOrder(
            f.Report(),
            {L"<h4>Buckling capacity checks:</h4>\n", L"<h5>Check axial buckling major axis</h5>\n",
             L"Major Axis Span: ", L"<h5>Check axial buckling minor axis</h5>\n",
             L"<h5>Check torsional buckling </h5>\n",
             L"<h5>Check flexural-torsional buckling </h5>\n", L"<h5>Check LT buckling</h5>\n",
             L"<h5>Check buckling interaction</h5>\n"}),
        L"");
}

TEST(DriverGen, IyyAboveOnePointZeroOneIxxWarns) {
    for (double ratio : {1.01, 1.011}) {
        TestSectionProps p;
        p.iyy = ratio * p.ixx;
        TwoSpanMember f(300e3, p);
        A::CheckBucklingGen(f.member);
        EXPECT_EQ((f.result.Flags() & ResultFlag::Warning) != 0, ratio > 1.01);
        EXPECT_EQ(f.Has(L"<b><orange>Warning:</orange></b> Iyy is greater than Ixx:\n\tthis may "
                        L"lead to errors\n"),
                  ratio > 1.01);
    }
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
    // Records are rebuilt on every run.
    A::Records(full.member)[0].NStarX = 9e9;
    A::CheckBucklingGen(full.member);
    EXPECT_DOUBLE_EQ(full.member.GetInteractionData()[0].NStarX, 1500e3);
}

}  // namespace
