// The member driver: calculator choice, result entries, the order of the checks, the local
// check loop with its amplified end moments, the quick-check stop, copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "MemberTestAccess.h"
#include "RecordingSection.h"
#include "host/Section.h"
#include "shapes/SectionCalcI.h"

namespace {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using as4100test::DriverLog;
using as4100test::RecordingSection;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr unsigned kFEnd = 3147456;  // support, lateral, twist, both flanges

CSteelGrade Grade300() {
    return CSteelGrade(L"test 300", {{Arbor::Data::GradeBand::Any, 0.0, 300e6, 440e6}});
}

// A member of `points` equally spaced points over 6 m with F ends, and the same end actions
// on every sub-span: compression 10 kN, major moment 20 kN·m left and 30 kN·m right.
struct MemberFixture {
    CMemberResult result;
    CAS4100_98Member member;
    std::shared_ptr<DriverLog> log = std::make_shared<DriverLog>();

    explicit MemberFixture(int points = 3, double capacityScale = 1.0) {
        member.SetResult(&result);
        MemberPointVec pts;
        SubSpanVec subs;
        for (int i = 0; i < points; ++i) {
            const bool end = i == 0 || i == points - 1;
            pts.emplace_back(6.0 * i / (points - 1), CRestraint(end ? kFEnd : 0));
        }
        for (int i = 0; i + 1 < points; ++i) {
            subs.emplace_back(i, Vec3(-1e4, 5e3, 0), Vec3(-1e4, 5e3, 0), Vec3(0, 2e4, 1e3),
                              Vec3(0, 3e4, 1e-11));
        }
        member.SetMemberPointVec(pts);
        member.SetSubSpanVec(subs);
        auto calculator = std::make_shared<RecordingSection>(log, capacityScale);
        calculator->SetCodeName(L"AS 4100-1998");
        MemberTestAccess::SetCalculator(member, calculator);
        member.SetSteelDesignProp(Grade300());
    }
    int LocalChecks() const {
        return static_cast<int>(std::count(log->events.begin(), log->events.end(), "local"));
    }
};

Arbor::Data::CSection SectionOfShape(int code) {
    Arbor::Data::CSection s(L"test");
    s.SetShape(code);
    return s;
}

bool ReportContains(const CMemberResult& r, const CString& text) {
    return std::any_of(r.Report().begin(), r.Report().end(),
                       [&](const ReportPiece& p) { return p.text.find(text) != CString::npos; });
}

TEST(MemberDriverSection, ShapeCodesOfIAndHSectionsGiveTheICalculator) {
    for (int code : {1, 11}) {
        CMemberResult result;
        CAS4100_98Member member;
        member.SetResult(&result);
        EXPECT_TRUE(member.SetSection(SectionOfShape(code))) << code;
        EXPECT_NE(dynamic_cast<const CSectionCalcI*>(member.Section()), nullptr) << code;
        EXPECT_EQ(member.Section()->CodeName(), L"AS 4100-1998");
        EXPECT_EQ(result.Flags(), 0u);
    }
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
    MemberFixture f(3);
    f.member.Check();
    EXPECT_EQ(f.result.NumEntries(), 4);  // entry 0, two sub-spans, buckling entry
    EXPECT_TRUE(f.result.IsBucklingEntry());
    EXPECT_EQ(f.LocalChecks(), 4);  // both ends of both sub-spans
    // Buckling checks run before the local checks.
    auto firstLocal = std::find(f.log->events.begin(), f.log->events.end(), "local");
    EXPECT_EQ(std::find(firstLocal, f.log->events.end(), "buckling"), f.log->events.end());
}

TEST(MemberDriverEntries, ZeroOverrideLengthsRunOnlyTheLocalChecks) {
    MemberFixture f(3);
    f.member.SetLengthOverride(true);
    EXPECT_TRUE(f.member.Check());
    EXPECT_EQ(f.result.NumEntries(), 3);
    EXPECT_FALSE(f.result.IsBucklingEntry());
    EXPECT_EQ(f.LocalChecks(), 4);
    EXPECT_EQ(std::count(f.log->events.begin(), f.log->events.end(), "buckling"), 0);

    // One override length of 1e-10 or more brings the buckling checks back.
    MemberFixture g(3);
    g.member.SetLengthOverride(true);
    g.member.SetLlt(1e-10);
    g.member.Check();
    EXPECT_EQ(g.result.NumEntries(), 4);
    EXPECT_TRUE(g.result.IsBucklingEntry());
}

TEST(MemberDriverEntries, RefusedInputOrMissingResultLeavesOneEntry) {
    MemberFixture f(3);
    f.member.SetMemberPointVec({CMemberPoint(0.0, CRestraint(kFEnd))});  // one point
    EXPECT_FALSE(f.member.Check());
    EXPECT_EQ(f.result.NumEntries(), 1);
    EXPECT_EQ(f.LocalChecks(), 0);

    MemberFixture g(3);
    g.member.SetResult(nullptr);
    EXPECT_FALSE(g.member.Check());
    EXPECT_FALSE(g.member.QuickCheck());
    EXPECT_EQ(g.LocalChecks(), 0);
}

TEST(MemberDriverLocal, EndsGetTheirForcesMomentsAndPointRestraint) {
    MemberFixture f(3);
    f.member.SetLengthOverride(true);  // local checks only: no amplification
    f.member.Check();
    ASSERT_EQ(f.log->localChecks.size(), 4u);
    const auto& left = f.log->localChecks[0];
    const auto& right = f.log->localChecks[1];
    EXPECT_DOUBLE_EQ(left.N, -1e4);
    EXPECT_DOUBLE_EQ(left.Vy, 5e3);
    EXPECT_DOUBLE_EQ(left.Mx, 2e4);
    EXPECT_DOUBLE_EQ(left.My, 1e3);
    EXPECT_EQ(left.restraintBits, kFEnd);  // member point 0
    EXPECT_DOUBLE_EQ(right.Mx, 3e4);
    EXPECT_EQ(right.My, 0.0);            // 1e-11 reaches the section as exactly 0
    EXPECT_EQ(right.restraintBits, 0u);  // interior member point 1
    EXPECT_EQ(f.log->localChecks[3].restraintBits, kFEnd);
}

TEST(MemberDriverLocal, SubSpanHeadingAndEndLinesAreWritten) {
    MemberFixture f(3);
    f.member.SetLengthOverride(true);
    f.member.Check();
    const auto& pieces = f.result.Report();
    const CDesFormat& fmt = f.result.DesFormat();
    auto at = std::find_if(pieces.begin(), pieces.end(),
                           [](const ReportPiece& p) { return p.text == L"<h5>SubSpan 2: "; });
    ASSERT_NE(at, pieces.end());
    ASSERT_GE(std::distance(at, pieces.end()), 4);
    EXPECT_EQ((at + 1)->text, fmt.Length(3.0) + L" to ");
    EXPECT_EQ((at + 2)->text, fmt.Length(6.0) + L"</h5>\n");
    EXPECT_EQ((at + 3)->text, L"LH end: Position = " + fmt.Length(3.0) + L"\n");
    EXPECT_GT((at + 3)->level, at->level);  // the ends are indented under the heading
}

// Records for two sub-spans in one major-axis span, as the buckling checks leave them.
void OneSpanRecords(MemberFixture& f, double nStar, double nom) {
    auto& records = MemberTestAccess::Records(f.member);
    records.assign(2, CInteractionData());
    const CAS4100Span span(&f.member.GetMemberPointVec(), &f.member.GetSubSpanVec(), 0, 2);
    for (auto& r : records) {
        r.SpanXX = span;
        r.SpanYY = span;
        r.NStarX = nStar;
        r.Nomx = nom;
    }
}

TEST(MemberDriverLocal, MajorMomentsAreAmplifiedOncePerSpanAndReportedOnce) {
    MemberFixture f(3);
    f.member.SetMomentAmplificationFactorStrongAxis(1.5);
    OneSpanRecords(f, 1e4, 1e6);
    EXPECT_TRUE(MemberTestAccess::CheckLocal(f.member));
    ASSERT_EQ(f.log->localChecks.size(), 4u);
    for (const auto& c : f.log->localChecks) EXPECT_DOUBLE_EQ(c.N, -1e4);
    EXPECT_DOUBLE_EQ(f.log->localChecks[0].Mx, 1.5 * 2e4);
    EXPECT_DOUBLE_EQ(f.log->localChecks[3].Mx, 1.5 * 3e4);  // second sub-span reuses δ
    EXPECT_DOUBLE_EQ(f.log->localChecks[0].My, 1e3);        // no minor-axis compression
    int lines = 0;
    for (const auto& p : f.result.Report()) {
        if (p.text.find(L"Moment amplification factor to major axis moments = ") == 0) ++lines;
    }
    EXPECT_EQ(lines, 1);
    EXPECT_TRUE(ReportContains(f.result, L" (ref: AS 4100-1998 clause 4.4.2.2)\n"));
}

TEST(MemberDriverLocal, NegligibleMomentStaysZeroUnderAnInfiniteFactor) {
    MemberFixture f(3);
    f.member.SetMomentAmplificationFactorStrongAxis(kInf);
    OneSpanRecords(f, 1e4, 1e6);
    auto& subs = const_cast<SubSpanVec&>(f.member.GetSubSpanVec());
    subs[0].SetMoments(Vec3(0, 1e-11, 0), Vec3(0, 0, 0));
    MemberTestAccess::CheckLocal(f.member);
    ASSERT_GE(f.log->localChecks.size(), 2u);
    EXPECT_EQ(f.log->localChecks[0].Mx, 0.0);
    EXPECT_EQ(f.log->localChecks[1].Mx, 0.0);
}

TEST(MemberDriverQuickCheck, FirstFailingEndStopsTheLocalChecks) {
    // Capacities a millionth of the actions' size: the first end fails.
    MemberFixture quick(3, 1e-6);
    quick.member.SetQuickCheckMode();
    quick.member.SetLengthOverride(true);
    EXPECT_FALSE(quick.member.QuickCheck());
    EXPECT_EQ(quick.LocalChecks(), 1);
    EXPECT_TRUE(quick.result.Report().empty());  // quick check writes no text

    MemberFixture full(3, 1e-6);
    full.member.SetLengthOverride(true);
    full.member.Check();
    EXPECT_EQ(full.LocalChecks(), 4);
    EXPECT_NE(full.result.Flags() & 4u, 0u);
}

TEST(MemberDriverCopies, CloneOwnsItsOwnCalculatorAndKeepsTheSectionRecord) {
    CMemberResult result;
    CAS4100_98Member member;
    member.SetResult(&result);
    Arbor::Data::CSection section = SectionOfShape(1);
    section.SetName(L"310UB40.4");
    member.SetSection(section);
    std::unique_ptr<CAS4100_98Member> copy(member.Clone());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->Section(), nullptr);
    EXPECT_NE(copy->Section(), member.Section());
    EXPECT_NE(dynamic_cast<const CSectionCalcI*>(copy->Section()), nullptr);
    EXPECT_EQ(copy->GetSection().Name(), L"310UB40.4");

    member.Clear();
    EXPECT_EQ(member.Section(), nullptr);
    EXPECT_EQ(member.GetSection().Name(), L"310UB40.4");
    EXPECT_NE(copy->Section(), nullptr);
}

}  // namespace
