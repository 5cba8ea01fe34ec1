// Restraint types of cl. 5.4 (F, P, L, U) from a restraint record, the cantilever test and the
// load heights of a span.
#include <gtest/gtest.h>

#include "test_span_fixture.h"

namespace {

using namespace spantest;
namespace RT = RestraintType;

unsigned Type(bool flange1Critical, unsigned bits) {
    return CAS4100Span::RestType(flange1Critical, CRestraint(static_cast<int>(bits)));
}

TEST(SpanRestType, CriticalFlangeHeldWithTwistRestraintIsFull) {
    EXPECT_EQ(Type(true, 512 | 128), RT::F);
    EXPECT_EQ(Type(false, 1024 | 128), RT::F);
}

TEST(SpanRestType, OtherFlangeHeldNeedsFullTwistRestraintForF) {
    EXPECT_EQ(Type(true, 1024 | 64), RT::F);
    EXPECT_EQ(Type(false, 512 | 64), RT::F);
    // Only a twist restraint with the other flange held: partial.
    EXPECT_EQ(Type(true, 1024 | 128), RT::P);
    EXPECT_EQ(Type(false, 512 | 128), RT::P);
}

TEST(SpanRestType, LateralRestraintAloneIsL) {
    EXPECT_EQ(Type(true, 512 | 1024), RT::L);
    EXPECT_EQ(Type(false, 512 | 1024), RT::L);
    // Full twist with the critical flange held but no twist bit: L, not F.
    EXPECT_EQ(Type(true, 512 | 64), RT::L);
}

TEST(SpanRestType, AnythingElseIsUnrestrained) {
    EXPECT_EQ(Type(true, 0), RT::U);
    EXPECT_EQ(Type(true, 1024), RT::U);  // only the other flange, no twist restraint
    EXPECT_EQ(Type(true, 128 | 64), RT::U);
    EXPECT_EQ(Type(true, 0x200000 | 0x100000), RT::U);
}

TEST(SpanCantilever, DependsOnMemberEndsAndSupports) {
    // Points: 0 free tip, 1 support, 2 interior, 3 support.
    MemberFixture f({{0.0, 0}, {1.0, kFEnd}, {3.0, 0}, {5.0, kFEnd}});
    EXPECT_TRUE(f.Span(0, 1).IsCantilever());   // left end free
    EXPECT_FALSE(f.Span(1, 2).IsCantilever());  // inside the member
    EXPECT_FALSE(f.Span(2, 3).IsCantilever());  // right end supported
    EXPECT_TRUE(f.Span(0, 3).IsCantilever());   // whole member, one end unsupported

    MemberFixture rightTip({{0.0, kFEnd}, {2.0, 0}});
    EXPECT_TRUE(rightTip.Span(0, 1).IsCantilever());
    MemberFixture bothFree({{0.0, 0}, {2.0, 0}});
    EXPECT_TRUE(bothFree.Span(0, 1).IsCantilever());
    MemberFixture supported({{0.0, kFEnd}, {2.0, kFEnd}});
    EXPECT_FALSE(supported.Span(0, 1).IsCantilever());
}

TEST(SpanCantilever, MomentSignPicksTheCriticalFlange) {
    // Left end holds flange 1 with twist restraint, right end flange 2 with twist restraint.
    MemberFixture f({{0.0, 0x200000 | 512 | 128}, {4.0, 0x200000 | 1024 | 128}});
    const CAS4100Span span = f.Span(0, 1);
    // Positive moment compresses flange 2: flange 2 critical in a supported segment.
    EXPECT_EQ(span.LEndRestType(5e4), RT::P);
    EXPECT_EQ(span.REndRestType(5e4), RT::F);
    EXPECT_EQ(span.LEndRestType(-5e4), RT::F);
    EXPECT_EQ(span.REndRestType(-5e4), RT::P);
    EXPECT_EQ(span.LEndRestType(0.0), RT::F);  // zero moment counts as hogging here

    // A cantilever takes the other flange for the same moment.
    MemberFixture tip({{0.0, 0x200000 | 512 | 128}, {2.0, 1024 | 128}});
    EXPECT_EQ(tip.Span(0, 1).LEndRestType(5e4), RT::F);
    EXPECT_EQ(tip.Span(0, 1).REndRestType(5e4), RT::P);
}

TEST(SpanLoadHeight, EndsTakeTheLargerEvenWhenNegative) {
    MemberFixture f({{0.0, kFEnd, -0.2}, {3.0, 0, 0.4}, {6.0, kFEnd, -0.1}});
    EXPECT_DOUBLE_EQ(f.Span(0, 2).GetLoadHeightAtEnds(), -0.1);
}

TEST(SpanLoadHeight, SpanTakesInteriorPointsAndSubSpansNotBelowZero) {
    std::vector<SubSpanActions> actions(3);
    MemberFixture f({{0.0, kFEnd, 0.9}, {2.0, 0, 0.1}, {4.0, 0, -0.3}, {6.0, kFEnd, 0.8}}, actions);
    EXPECT_DOUBLE_EQ(f.Span(0, 3).GetLoadHeightAtSpan(), 0.1);  // ends are not looked at
    EXPECT_DOUBLE_EQ(f.Span(1, 2).GetLoadHeightAtSpan(), 0.0);  // no interior point, none negative
}

TEST(SpanLoadHeight, SubSpanRecordsCount) {
    MemberFixture f({{0.0, kFEnd}, {2.0, 0}, {4.0, kFEnd}});
    SubSpanVec subs = f.member.GetSubSpanVec();
    subs[1].SetRestraint(CRestraint(0, 0, 0.25));
    f.member.SetSubSpanVec(subs);
    EXPECT_DOUBLE_EQ(f.Span(1, 2).GetLoadHeightAtSpan(), 0.25);
    EXPECT_DOUBLE_EQ(f.Span(0, 1).GetLoadHeightAtSpan(), 0.0);
    subs[0].SetRestraint(CRestraint(0, 0, -0.5));
    f.member.SetSubSpanVec(subs);
    EXPECT_DOUBLE_EQ(f.Span(0, 1).GetLoadHeightAtSpan(), 0.0);
}

}  // namespace
