// Result object: per-entry utilisations, the failed bit, the overall utilisation, the report.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/MemberResult.h"

using namespace Arbor::Steel;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

TEST(MemberResultEntries, EachEntryKeepsTheLargestOfEachKindAndTheOverallIsTheLargestOfAll) {
    CMemberResult result;
    result.IniDynaArray(3);
    result.SetCurrentIndex(1);
    for (double u : {0.4, 0.7, 0.5}) result.SetUtilLocalAxial(u);
    result.SetUtilLocalMomMajor(0.2);
    result.SetCurrentIndex(2);
    result.SetUtilLocalAxial(0.1);
    EXPECT_DOUBLE_EQ(result.Util(1, UtilKind::LocalAxial), 0.7);
    EXPECT_DOUBLE_EQ(result.Util(1, UtilKind::LocalMomMajor), 0.2);
    EXPECT_DOUBLE_EQ(result.Util(2, UtilKind::LocalAxial), 0.1);
    EXPECT_FALSE(result.GetEntry(0).set[static_cast<int>(UtilKind::LocalAxial)]);
    EXPECT_TRUE(result.GetEntry(1).set[static_cast<int>(UtilKind::LocalAxial)]);
    EXPECT_DOUBLE_EQ(result.UtilOverAll(), 0.7);
    // out of range: the entries grow to keep a value; reading answers zero
    result.SetCurrentIndex(4);
    result.SetUtilLocalTorsion(0.3);
    EXPECT_DOUBLE_EQ(result.Util(4, UtilKind::LocalTorsion), 0.3);
    EXPECT_DOUBLE_EQ(result.Util(-1, UtilKind::LocalTorsion), 0.0);
    EXPECT_DOUBLE_EQ(result.Util(99, UtilKind::LocalTorsion), 0.0);
    // sizing again clears
    result.IniDynaArray(5);
    EXPECT_EQ(result.CurrentIndex(), 0);
    EXPECT_DOUBLE_EQ(result.Util(1, UtilKind::LocalAxial), 0.0);
    EXPECT_DOUBLE_EQ(result.UtilOverAll(), 0.0);
}

TEST(MemberResultFailedBit, SetAboveOneByNanAndByFailureFlagsNotByWarnings) {
    CMemberResult result;
    result.SetUtilLocalCombined(1.0);
    result.AddFlags(ResultFlag::TorsionWarning | ResultFlag::SlenderWeb | ResultFlag::Warning);
    EXPECT_EQ(result.Flags() & ResultFlag::Failed, 0u);  // 1.0 exactly still passes
    result.SetUtilLocalCombined(1.0001);
    EXPECT_NE(result.Flags() & ResultFlag::Failed, 0u);

    CMemberResult flagged;
    flagged.AddFlags(ResultFlag::Warning | ResultFlag::LTBucklingFail);
    EXPECT_EQ(flagged.Flags(),
              ResultFlag::Warning | ResultFlag::LTBucklingFail | ResultFlag::Failed);

    CMemberResult nan;  // NaN counts as infinity and is never overtaken
    nan.SetUtilBucklingLT(std::nan(""));
    nan.SetUtilBucklingLT(0.3);
    EXPECT_EQ(nan.Util(0, UtilKind::BucklingLT), kInf);
    EXPECT_NE(nan.Flags() & ResultFlag::Failed, 0u);

    CMemberResult unhandled;  // an unhandled shape sets the overall utilisation itself
    unhandled.SetUtilOverAll(kInf);
    EXPECT_EQ(unhandled.UtilOverAll(), kInf);
    EXPECT_NE(unhandled.Flags() & ResultFlag::Failed, 0u);
}

TEST(MemberResultReport, PiecesCarryTheIndentInForceAndTextOffWritesNothing) {
    CMemberResult result;
    result.AddOutputString(L"<b>Heading</b>\n");
    {
        CResultIndent indent(&result);
        CResultIndent deeper(&result);
        result.AddOutputString(L"line 2\n");
    }
    result.AddOutputString(L"back\n");
    CResultIndent nullIndent(nullptr);  // allowed, does nothing
    const auto& report = result.Report();
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[1].level, 2);
    EXPECT_EQ(report[1].text, L"line 2\n");
    EXPECT_EQ(report[2].level, 0);

    CMemberResult silent;
    silent.EnableText(false);
    silent.AddOutputString(L"dropped\n");
    EXPECT_TRUE(silent.Report().empty());
    silent.PopIndent();  // below zero stays at zero
    EXPECT_EQ(silent.IndentLevel(), 0);
}
