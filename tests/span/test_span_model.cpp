// Restraint types of cl. 5.4 (F, P, L, U) from a restraint record, the cantilever test, the
// load heights of a span, and the member effective length factors ke of Figure 4.6.3.2 (both
// axes, the combinations outside the figure, the v-v factor of angle struts, the report lines).
#include <gtest/gtest.h>

#include "common/TestSections.h"
#include "span/AS4100Table.h"

namespace {

using namespace as4100test;
namespace RT = RestraintType;

TEST(SpanRestType, FromTheRestraintBitsAndTheCriticalFlange) {
    struct Case {
        bool flange1Critical;
        unsigned bits, type;
    };
    // Critical flange held with a twist restraint: F. The other flange held: F with full twist
    // restraint, P with a twist restraint only. Lateral restraint without the twist bit: L,
    // even with full twist restraint. Anything else: U.
    // clang-format off
    const Case cases[] = {
        {true, 512 | 128, RT::F},   {false, 1024 | 128, RT::F}, {true, 1024 | 64, RT::F},
        {false, 512 | 64, RT::F},   {true, 1024 | 128, RT::P},  {false, 512 | 128, RT::P},
        {true, 512 | 1024, RT::L},  {false, 512 | 1024, RT::L}, {true, 512 | 64, RT::L},
        {true, 0, RT::U},           {true, 1024, RT::U},        {true, 128 | 64, RT::U},
        {true, 0x200000 | 0x100000, RT::U}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(CAS4100Span::RestType(c.flange1Critical, CRestraint(static_cast<int>(c.bits))),
                  c.type)
            << c.flange1Critical << " " << c.bits;
    }
}

TEST(SpanCantilever, DependsOnMemberEndsAndSupports) {
    // Points: 0 free tip, 1 support, 2 interior, 3 support.
    TestMember f({{0.0, 0}, {1.0, kFEnd}, {3.0, 0}, {5.0, kFEnd}});
    EXPECT_TRUE(f.Span(0, 1).IsCantilever());   // left end free
    EXPECT_FALSE(f.Span(1, 2).IsCantilever());  // inside the member
    EXPECT_FALSE(f.Span(2, 3).IsCantilever());  // right end supported
    EXPECT_TRUE(f.Span(0, 3).IsCantilever());   // whole member, one end unsupported
    EXPECT_TRUE(TestMember({{0.0, kFEnd}, {2.0, 0}}).Span(0, 1).IsCantilever());
    EXPECT_TRUE(TestMember({{0.0, 0}, {2.0, 0}}).Span(0, 1).IsCantilever());
    EXPECT_FALSE(TestMember({{0.0, kFEnd}, {2.0, kFEnd}}).Span(0, 1).IsCantilever());
}

TEST(SpanCantilever, StandardReadingIsAMemberEndUnrestrainedAgainstARestrainedOne) {
    constexpr unsigned kHeldNotSupported = 512 | 1024 | 128 | 64;  // the top of a sway column
    constexpr unsigned kSupportedOnly = 0x200000 | 0x100000;       // U, though supported
    const auto standard = [](unsigned a, unsigned b) {
        return TestMember({{0.0, a}, {3.0, b}}).Span(0, 1).IsCantilever(RuleSet::Standard);
    };
    EXPECT_FALSE(standard(kFEnd, kHeldNotSupported));  // cl. 5.6.1.1: F at both ends
    EXPECT_TRUE(standard(kFEnd, kSupportedOnly));      // supported but U: a cantilever
    EXPECT_TRUE(standard(0, kFEnd));
    EXPECT_FALSE(standard(0, 0));         // unrestrained at both ends: no segment
    EXPECT_FALSE(standard(kFEnd, 1024));  // one flange held: restrained, typed by cl. 5.5
    TestMember f({{0.0, kFEnd}, {2.0, 0}, {4.0, kFEnd}});
    EXPECT_FALSE(f.Span(0, 1).IsCantilever(RuleSet::Standard));  // a free point inside
    EXPECT_EQ(f.Span(0, 1).IsCantilever(RuleSet::AsWritten), f.Span(0, 1).IsCantilever());
}

TEST(SpanCantilever, MomentSignPicksTheCriticalFlange) {
    // Left end holds flange 1 with twist restraint, right end flange 2 with twist restraint.
    TestMember f({{0.0, 0x200000 | 512 | 128}, {4.0, 0x200000 | 1024 | 128}});
    const CAS4100Span span = f.Span(0, 1);
    // Positive moment compresses flange 2: flange 2 critical in a supported segment.
    EXPECT_EQ(span.LEndRestType(5e4), RT::P);
    EXPECT_EQ(span.REndRestType(5e4), RT::F);
    EXPECT_EQ(span.LEndRestType(-5e4), RT::F);
    EXPECT_EQ(span.REndRestType(-5e4), RT::P);
    EXPECT_EQ(span.LEndRestType(0.0), RT::F);  // zero moment counts as hogging here

    // A cantilever takes the other flange for the same moment.
    TestMember tip({{0.0, 0x200000 | 512 | 128}, {2.0, 1024 | 128}});
    EXPECT_EQ(tip.Span(0, 1).LEndRestType(5e4), RT::F);
    EXPECT_EQ(tip.Span(0, 1).REndRestType(5e4), RT::P);
}

// The ends take the larger height, the interior its largest not below zero; the sub-spans'
// records count as well.
TEST(SpanLoadHeight, EndsTakeTheLargerSpanTheInteriorNotBelowZero) {
    TestMember f({{0.0, kFEnd, -0.2}, {3.0, 0, 0.4}, {6.0, kFEnd, -0.1}});
    EXPECT_DOUBLE_EQ(f.Span(0, 2).GetLoadHeightAtEnds(), -0.1);  // larger, even when negative
    TestMember g({{0.0, kFEnd, 0.9}, {2.0, 0, 0.1}, {4.0, 0, -0.3}, {6.0, kFEnd, 0.8}});
    EXPECT_DOUBLE_EQ(g.Span(0, 3).GetLoadHeightAtSpan(), 0.1);  // ends are not looked at
    EXPECT_DOUBLE_EQ(g.Span(1, 2).GetLoadHeightAtSpan(), 0.0);  // no interior point, none negative
    TestMember h({{0.0, kFEnd}, {2.0, 0}, {4.0, kFEnd}}, {Bending(0, 0, 0), Bending(0, 0, 0)});
    SubSpanVec subs = h.member.GetSubSpanVec();
    subs[1].SetRestraint(CRestraint(0, 0, 0.25));
    subs[0].SetRestraint(CRestraint(0, 0, -0.5));
    h.member.SetSubSpanVec(subs);
    EXPECT_DOUBLE_EQ(h.Span(1, 2).GetLoadHeightAtSpan(), 0.25);
    EXPECT_DOUBLE_EQ(h.Span(0, 1).GetLoadHeightAtSpan(), 0.0);
}

struct EndState {
    bool translation, rotation;  // held
};

CRestraint End(EndState s, unsigned translationBit, unsigned rotationBit) {
    return CRestraint(
        static_cast<int>((s.translation ? translationBit : 0) | (s.rotation ? rotationBit : 0)));
}

TEST(TableKe, EveryRowOfTheFigureAboutEachAxis) {
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
    // v-v takes the larger of the two: x fixed-fixed 0.7 with y pinned-pinned 1.0; x
    // fixed-pinned 0.85 with y fixed-fixed 0.7; y outside the figure: infinite.
    const CRestraint end(0x200000 | 0x10000 | 0x100000);
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_VV(end, end), 1.0);
    EXPECT_DOUBLE_EQ(table.Table4_6_3_2_VV(CRestraint(kFixed), CRestraint(kFixed & ~0x10000u)),
                     0.85);
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
