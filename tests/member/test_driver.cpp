// The member driver: calculator choice, result entries, the order of the checks, the local
// check loop with its amplified end moments, the quick-check stop, copies.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestSections.h"
#include "shapes/SectionCalcI.h"

namespace {

using namespace as4100test;

// A 6 m member of three points with F ends, the same end actions on both sub-spans (compression
// 10 kN, shear 5 kN, major moment 20 kN·m left and 30 kN·m right, minor 1 kN·m left and
// 1e-11 N·m right), and a section that logs what the driver asks of it.
TestSectionProps Logging(double capacityScale) {
    TestSectionProps p;
    p.log = std::make_shared<CallLog>();
    p.capacityScale = capacityScale;
    return p;
}
struct Driver : TestMember {
    explicit Driver(double capacityScale = 1.0)
        : TestMember({{0.0, kFEnd}, {3.0, 0}, {6.0, kFEnd}},
                     std::vector<SubSpanActions>(2, {Vec3(-1e4, 5e3, 0), Vec3(-1e4, 5e3, 0),
                                                     Vec3(0, 2e4, 1e3), Vec3(0, 3e4, 1e-11)}),
                     Logging(capacityScale)) {
        member.SetSteelDesignProp(
            CSteelGrade(L"test 300", {{Arbor::Data::GradeBand::Any, 0.0, 300e6, 440e6}}));
    }
    CallLog& Log() { return *section->Props().log; }
    long Count(const char* event) {
        return std::count(Log().events.begin(), Log().events.end(), event);
    }
};

Arbor::Data::CSection SectionOfShape(int code) {
    Arbor::Data::CSection s(L"test");
    s.SetShape(code);
    return s;
}

TEST(MemberDriverSection, UnhandledShapeIsFlaggedAndReportedWithInfiniteUtilisation) {
    for (int code : {0, 2, 6, 8, 10, 12, -1}) {
        CMemberResult result;
        CAS4100_98Member member;
        member.SetResult(&result);
        EXPECT_FALSE(member.SetSection(SectionOfShape(code))) << code;
        EXPECT_EQ(member.Section(), nullptr);
        EXPECT_EQ(result.Flags() & 0xA, 0xAu) << code;
        EXPECT_EQ(result.UtilOverAll(), kInf);
        ASSERT_FALSE(result.Report().empty());
        EXPECT_EQ(result.Report().back().text,
                  L"<b>Section shape not handled by steel code checker</b>\n");
        EXPECT_EQ(member.GetSection().Shape(), code);  // the record is kept all the same

        CMemberResult again;
        member.SetResult(&again);
        EXPECT_FALSE(member.Check());
        EXPECT_EQ(again.Flags() & 0xA, 0xAu);
        EXPECT_EQ(again.UtilOverAll(), kInf);

        CMemberResult quiet;
        member.SetResult(&quiet);
        EXPECT_FALSE(member.QuickCheck());
        EXPECT_EQ(quiet.Flags(), 0u);
        EXPECT_TRUE(quiet.Report().empty());
    }
}

TEST(MemberDriverEntries, FullCheckSizesOneEntryPerSubSpanPlusTheBucklingEntry) {
    Driver f;
    f.member.Check();
    EXPECT_EQ(f.result.NumEntries(), 4);  // entry 0, two sub-spans, buckling entry
    EXPECT_TRUE(f.result.IsBucklingEntry());
    EXPECT_EQ(f.Count("local"), 4);  // both ends of both sub-spans
    // Buckling checks run before the local checks.
    auto firstLocal = std::find(f.Log().events.begin(), f.Log().events.end(), "local");
    EXPECT_EQ(std::find(firstLocal, f.Log().events.end(), "buckling"), f.Log().events.end());

    // With the override, one length of 1e-10 or more keeps the buckling checks (all zero: only
    // the local checks, below).
    Driver g;
    g.member.SetLengthOverride(true);
    g.member.SetLlt(1e-10);
    g.member.Check();
    EXPECT_EQ(g.result.NumEntries(), 4);
    EXPECT_TRUE(g.result.IsBucklingEntry());

    Driver none;  // without a result, nothing is checked
    none.member.SetResult(nullptr);
    EXPECT_FALSE(none.member.Check());
    EXPECT_FALSE(none.member.QuickCheck());
    EXPECT_EQ(none.Count("local"), 0);
}

TEST(MemberDriverLocal, ZeroOverrideLengthsRunOnlyTheLocalChecksWithTheEndActions) {
    Driver f;
    f.member.SetLengthOverride(true);  // local checks only: no amplification
    EXPECT_TRUE(f.member.Check());
    EXPECT_EQ(f.result.NumEntries(), 3);
    EXPECT_FALSE(f.result.IsBucklingEntry());
    EXPECT_EQ(f.Count("buckling"), 0);
    const auto& locals = f.Log().locals;
    ASSERT_EQ(locals.size(), 4u);
    EXPECT_DOUBLE_EQ(locals[0].N, -1e4);
    EXPECT_DOUBLE_EQ(locals[0].Vy, 5e3);
    EXPECT_DOUBLE_EQ(locals[0].Mx, 2e4);
    EXPECT_DOUBLE_EQ(locals[0].My, 1e3);
    EXPECT_EQ(locals[0].restraintBits, kFEnd);  // member point 0
    EXPECT_DOUBLE_EQ(locals[1].Mx, 3e4);
    EXPECT_EQ(locals[1].My, 0.0);            // 1e-11 reaches the section as exactly 0
    EXPECT_EQ(locals[1].restraintBits, 0u);  // interior member point 1
    EXPECT_EQ(locals[3].restraintBits, kFEnd);
}

// Records for the two sub-spans in one major-axis span, as the buckling checks leave them.
void OneSpanRecords(Driver& f) {
    for (auto& r : f.Records()) {
        r.SpanXX = r.SpanYY = f.Span(0, 2);
        r.NStarX = 1e4;
        r.Nomx = 1e6;
    }
}

// The report of the factor, once a span, is pinned by the golden reports.
TEST(MemberDriverLocal, MajorMomentsAreAmplifiedOncePerSpanNegligibleOnesNot) {
    Driver f;
    f.member.SetMomentAmplificationFactorStrongAxis(1.5);
    OneSpanRecords(f);
    EXPECT_TRUE(A::CheckLocal(f.member));
    const auto& locals = f.Log().locals;
    ASSERT_EQ(locals.size(), 4u);
    for (const auto& c : locals) EXPECT_DOUBLE_EQ(c.N, -1e4);
    EXPECT_DOUBLE_EQ(locals[0].Mx, 1.5 * 2e4);
    EXPECT_DOUBLE_EQ(locals[3].Mx, 1.5 * 3e4);  // second sub-span reuses δ
    EXPECT_DOUBLE_EQ(locals[0].My, 1e3);        // no minor-axis compression
    // A negligible moment stays zero under an infinite factor.
    Driver g;
    g.member.SetMomentAmplificationFactorStrongAxis(kInf);
    OneSpanRecords(g);
    auto& subs = const_cast<SubSpanVec&>(g.member.GetSubSpanVec());
    subs[0].SetMoments(Vec3(0, 1e-11, 0), Vec3(0, 0, 0));
    A::CheckLocal(g.member);
    ASSERT_GE(g.Log().locals.size(), 2u);
    EXPECT_EQ(g.Log().locals[0].Mx, 0.0);
    EXPECT_EQ(g.Log().locals[1].Mx, 0.0);
}

TEST(MemberDriverQuickCheck, FirstFailingEndStopsTheLocalChecks) {
    // Capacities a millionth of the actions' size: the first end fails.
    Driver quick(1e-6);
    quick.member.SetQuickCheckMode();
    quick.member.SetLengthOverride(true);
    EXPECT_FALSE(quick.member.QuickCheck());
    EXPECT_EQ(quick.Count("local"), 1);
    EXPECT_TRUE(quick.result.Report().empty());  // quick check writes no text

    Driver full(1e-6);
    full.member.SetLengthOverride(true);
    full.member.Check();
    EXPECT_EQ(full.Count("local"), 4);
    EXPECT_NE(full.result.Flags() & 4u, 0u);
}

TEST(MemberDriverSection, IAndHSectionsGetTheICalculatorWhichACloneCopies) {
    for (int code : {1, 11}) {
        CMemberResult result;
        CAS4100_98Member member;
        member.SetResult(&result);
        Arbor::Data::CSection section = SectionOfShape(code);
        section.SetName(L"310UB40.4");
        EXPECT_TRUE(member.SetSection(section)) << code;
        EXPECT_NE(dynamic_cast<const CSectionCalcI*>(member.Section()), nullptr) << code;
        EXPECT_EQ(member.Section()->CodeName(), L"AS 4100-1998");
        EXPECT_EQ(result.Flags(), 0u);

        std::unique_ptr<CAS4100_98Member> copy(member.Clone());
        ASSERT_NE(copy->Section(), nullptr);
        EXPECT_NE(copy->Section(), member.Section());  // its own calculator
        EXPECT_NE(dynamic_cast<const CSectionCalcI*>(copy->Section()), nullptr);
        EXPECT_EQ(copy->GetSection().Name(), L"310UB40.4");
        member.Clear();
        EXPECT_EQ(member.Section(), nullptr);
        EXPECT_EQ(member.GetSection().Name(), L"310UB40.4");  // the record is kept
        EXPECT_NE(copy->Section(), nullptr);
    }
}

}  // namespace
