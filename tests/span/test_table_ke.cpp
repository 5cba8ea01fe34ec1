// Member effective length factors ke of Figure 4.6.3.2, row by row, for both axes, the
// combinations outside the figure, the v-v factor of angle struts and the report lines.
#include <gtest/gtest.h>

#include "common/TestSections.h"
#include "span/AS4100Table.h"

namespace {

using namespace as4100test;

struct EndState {
    bool translation, rotation;  // held
};

CRestraint End(EndState s, unsigned translationBit, unsigned rotationBit) {
    return CRestraint(
        static_cast<int>((s.translation ? translationBit : 0) | (s.rotation ? rotationBit : 0)));
}

TEST(TableKe, EveryRowOfTheFigureAboutBothAxes) {
    struct Case {
        EndState end1, end2;
        double ke;
    };
    // Braced: (a) both ends fixed 0.7, (b) fixed-pinned 0.85, (c) pinned-pinned 1.0.
    // Sway: (d) fixed with a sway end held in rotation 1.2, (e) cantilever or flagpole 2.2.
    const Case cases[] = {
        {{true, true}, {true, true}, 0.7},   {{true, true}, {true, false}, 0.85},
        {{true, false}, {true, true}, 0.85}, {{true, false}, {true, false}, 1.0},
        {{true, true}, {false, true}, 1.2},  {{false, true}, {true, true}, 1.2},
        {{true, true}, {false, false}, 2.2}, {{false, false}, {true, true}, 2.2},
        {{true, false}, {false, true}, 2.2}, {{false, true}, {true, false}, 2.2},
    };
    const CAS4100_98Table table(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "ke " << c.ke << " end1 " << c.end1.translation << c.end1.rotation
                     << " end2 " << c.end2.translation << c.end2.rotation);
        EXPECT_DOUBLE_EQ(
            table.Table4_6_3_2_XX(End(c.end1, 0x200000, 0x10000), End(c.end2, 0x200000, 0x10000)),
            c.ke);
        EXPECT_DOUBLE_EQ(
            table.Table4_6_3_2_YY(End(c.end1, 0x100000, 0x40000), End(c.end2, 0x100000, 0x40000)),
            c.ke);
    }
    // Both ends free to translate: outside the figure.
    const CRestraint rotationOnly(0x10000 | 0x40000);
    EXPECT_EQ(table.Table4_6_3_2_XX(rotationOnly, rotationOnly), kInf);
    EXPECT_EQ(table.Table4_6_3_2_YY(CRestraint(0), CRestraint(0)), kInf);
}

TEST(TableKe, VVTakesTheLargerFactorOrInfinity) {
    const CAS4100_98Table table(nullptr);
    // x: fixed-fixed 0.7; y: pinned-pinned 1.0.
    const CRestraint end(0x200000 | 0x10000 | 0x100000);
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_VV(end, end), 1.0);
    // x: fixed-pinned 0.85; y: fixed-fixed 0.7.
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_VV(CRestraint(kFixed), CRestraint(kFixed & ~0x10000u)),
                     0.85);
    // y outside the figure: infinite whatever x gives.
    EXPECT_EQ(table.Table4_6_3_2_VV(CRestraint(0x200000), CRestraint(0x200000)), kInf);
}

TEST(TableKe, ReportLines) {
    CMemberResult result;
    CAS4100_98Table table(&result);
    table.Table4_6_3_2_XX(CRestraint(kFixed), CRestraint(kPinned));
    ASSERT_EQ(result.Report().size(), 3u);
    EXPECT_EQ(result.Report()[0].text, L"<i>ref. AS4100:1998 Figure 4.6.3.2:</i> ");
    EXPECT_EQ(result.Report()[1].text, L"0.850L");
    EXPECT_EQ(result.Report()[2].text, L"\n");

    result.Reset();
    EXPECT_EQ(table.Table4_6_3_2_VV(CRestraint(0), CRestraint(0)), kInf);
    ASSERT_EQ(result.Report().size(), 3u);
    EXPECT_EQ(result.Report()[1].text, L"Factor Not Exist In Table");

    // Nothing with the text off or without a result.
    result.Reset();
    result.EnableText(false);
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_YY(CRestraint(kPinned), CRestraint(kPinned)), 1.0);
    EXPECT_TRUE(result.Report().empty());
    table.SetMemberResult(nullptr);
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_YY(CRestraint(kPinned), CRestraint(kPinned)), 1.0);
}

}  // namespace
