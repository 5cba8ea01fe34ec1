// Result object: per-entry utilisations, the failed bit, the overall utilisation, the report.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/MemberResult.h"

using namespace Arbor::Steel;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

TEST(MemberResultEntries, EachEntryKeepsTheLargestValueOfEachKind) {
    CMemberResult result;
    result.IniDynaArray(3);
    result.SetCurrentIndex(1);
    result.SetUtilLocalAxial(0.4);
    result.SetUtilLocalAxial(0.7);
    result.SetUtilLocalAxial(0.5);
    result.SetUtilLocalMomMajor(0.2);
    result.SetCurrentIndex(2);
    result.SetUtilLocalAxial(0.1);

    EXPECT_DOUBLE_EQ(result.Util(1, UtilKind::LocalAxial), 0.7);
    EXPECT_DOUBLE_EQ(result.Util(1, UtilKind::LocalMomMajor), 0.2);
    EXPECT_DOUBLE_EQ(result.Util(2, UtilKind::LocalAxial), 0.1);
    EXPECT_DOUBLE_EQ(result.Util(0, UtilKind::LocalAxial), 0.0);
    EXPECT_TRUE(result.GetEntry(1).set[static_cast<int>(UtilKind::LocalAxial)]);
    EXPECT_FALSE(result.GetEntry(0).set[static_cast<int>(UtilKind::LocalAxial)]);
}

TEST(MemberResultEntries, NanCountsAsInfinityAndIsNeverOvertaken) {
    CMemberResult result;
    result.SetUtilBucklingLT(std::nan(""));
    result.SetUtilBucklingLT(0.3);
    EXPECT_EQ(result.Util(0, UtilKind::BucklingLT), kInf);
    EXPECT_EQ(CMemberResult::InfinitiseNANs(std::nan("")), kInf);
    EXPECT_DOUBLE_EQ(CMemberResult::InfinitiseNANs(0.25), 0.25);
}

TEST(MemberResultEntries, IniDynaArraySizesAndClears) {
    CMemberResult result;
    result.IniDynaArray(4);
    result.SetCurrentIndex(3);
    result.SetUtilLocalShearMajor(0.6);
    result.IniDynaArray(5);
    EXPECT_EQ(result.NumEntries(), 5);
    EXPECT_EQ(result.CurrentIndex(), 0);
    EXPECT_DOUBLE_EQ(result.Util(3, UtilKind::LocalShearMajor), 0.0);
    EXPECT_DOUBLE_EQ(result.UtilOverAll(), 0.0);
}

TEST(MemberResultEntries, OutOfRangeIndicesNeverCrash) {
    CMemberResult result;
    result.IniDynaArray(2);
    result.SetCurrentIndex(4);  // beyond the entries: they grow to keep the value
    result.SetUtilLocalTorsion(0.3);
    EXPECT_DOUBLE_EQ(result.Util(4, UtilKind::LocalTorsion), 0.3);
    EXPECT_DOUBLE_EQ(result.Util(-1, UtilKind::LocalTorsion), 0.0);
    EXPECT_DOUBLE_EQ(result.Util(99, UtilKind::LocalTorsion), 0.0);
}

TEST(MemberResultFailedBit, SetByUtilisationAboveOneOnly) {
    CMemberResult result;
    result.SetUtilLocalCombined(1.0);
    EXPECT_EQ(result.Flags() & ResultFlag::Failed, 0u);  // 1.0 exactly still passes
    result.SetUtilLocalCombined(1.0001);
    EXPECT_NE(result.Flags() & ResultFlag::Failed, 0u);
}

TEST(MemberResultFailedBit, SetByFailureFlagsNotByWarnings) {
    CMemberResult result;
    result.AddFlags(ResultFlag::TorsionWarning | ResultFlag::SlenderWeb | ResultFlag::Warning);
    EXPECT_EQ(result.Flags() & ResultFlag::Failed, 0u);
    result.AddFlags(ResultFlag::LTBucklingFail);
    EXPECT_EQ(result.Flags(), ResultFlag::TorsionWarning | ResultFlag::SlenderWeb |
                                  ResultFlag::Warning | ResultFlag::LTBucklingFail |
                                  ResultFlag::Failed);
}

TEST(MemberResultFailedBit, SetByNanUtilisation) {
    CMemberResult result;
    result.SetUtilBucklingAxialMinor(std::nan(""));
    EXPECT_NE(result.Flags() & ResultFlag::Failed, 0u);
}

TEST(MemberResultOverall, LargestOverEveryEntryUnlessSet) {
    CMemberResult result;
    result.IniDynaArray(3);
    result.SetCurrentIndex(0);
    result.SetUtilLocalAxial(0.4);
    result.SetCurrentIndex(2);
    result.SetUtilBucklingCombined(0.85);
    result.SetCurrentIndex(1);
    result.SetUtilLocalMomMinor(0.6);
    EXPECT_DOUBLE_EQ(result.UtilOverAll(), 0.85);

    result.SetUtilOverAll(kInf);  // unhandled shape
    EXPECT_EQ(result.UtilOverAll(), kInf);
    EXPECT_NE(result.Flags() & ResultFlag::Failed, 0u);
}

TEST(MemberResultReport, PiecesCarryTheIndentInForce) {
    CMemberResult result;
    result.AddOutputString(L"<b>Heading</b>\n");
    {
        CResultIndent indent(&result);
        result.AddOutputString(L"line 1\n");
        {
            CResultIndent deeper(&result);
            result.AddOutputString(L"line 2\n");
        }
    }
    result.AddOutputString(L"back\n");
    CResultIndent nullIndent(nullptr);  // allowed, does nothing

    const auto& report = result.Report();
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0].level, 0);
    EXPECT_EQ(report[1].level, 1);
    EXPECT_EQ(report[2].level, 2);
    EXPECT_EQ(report[2].text, L"line 2\n");
    EXPECT_EQ(report[3].level, 0);
}

TEST(MemberResultReport, TextOffWritesNothing) {
    CMemberResult result;
    result.EnableText(false);
    EXPECT_FALSE(result.TextEnabled());
    result.AddOutputString(L"dropped\n");
    EXPECT_TRUE(result.Report().empty());
    result.PopIndent();  // below zero stays at zero
    EXPECT_EQ(result.IndentLevel(), 0);
}
