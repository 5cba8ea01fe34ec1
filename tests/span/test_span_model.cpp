// Restraint types of cl. 5.4 (F, P, L, U) from a restraint record, the cantilever test and the
// load heights of a span.
#include <gtest/gtest.h>

#include "common/TestSections.h"

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
    const Case cases[] = {{true, 512 | 128, RT::F},
                          {false, 1024 | 128, RT::F},
                          {true, 1024 | 64, RT::F},
                          {false, 512 | 64, RT::F},
                          {true, 1024 | 128, RT::P},
                          {false, 512 | 128, RT::P},
                          {true, 512 | 1024, RT::L},
                          {false, 512 | 1024, RT::L},
                          {true, 512 | 64, RT::L},
                          {true, 0, RT::U},
                          {true, 1024, RT::U},
                          {true, 128 | 64, RT::U},
                          {true, 0x200000 | 0x100000, RT::U}};
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

TEST(SpanLoadHeight, EndsTakeTheLargerSpanTheInteriorNotBelowZero) {
    TestMember f({{0.0, kFEnd, -0.2}, {3.0, 0, 0.4}, {6.0, kFEnd, -0.1}});
    EXPECT_DOUBLE_EQ(f.Span(0, 2).GetLoadHeightAtEnds(), -0.1);  // larger, even when negative
    TestMember g({{0.0, kFEnd, 0.9}, {2.0, 0, 0.1}, {4.0, 0, -0.3}, {6.0, kFEnd, 0.8}});
    EXPECT_DOUBLE_EQ(g.Span(0, 3).GetLoadHeightAtSpan(), 0.1);  // ends are not looked at
    EXPECT_DOUBLE_EQ(g.Span(1, 2).GetLoadHeightAtSpan(), 0.0);  // no interior point, none negative
}

TEST(SpanLoadHeight, SubSpanRecordsCount) {
    TestMember f({{0.0, kFEnd}, {2.0, 0}, {4.0, kFEnd}});
    SubSpanVec subs = f.member.GetSubSpanVec();
    subs[1].SetRestraint(CRestraint(0, 0, 0.25));
    subs[0].SetRestraint(CRestraint(0, 0, -0.5));
    f.member.SetSubSpanVec(subs);
    EXPECT_DOUBLE_EQ(f.Span(1, 2).GetLoadHeightAtSpan(), 0.25);
    EXPECT_DOUBLE_EQ(f.Span(0, 1).GetLoadHeightAtSpan(), 0.0);
}

}  // namespace
