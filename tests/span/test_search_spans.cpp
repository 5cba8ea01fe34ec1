// Division of a member into buckling spans and lateral-torsional segments, their effective
// lengths (cl. 4.6.3, 5.6.3), the user's overrides and the data returned to the host.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TestSections.h"

namespace {

using namespace as4100test;
using Spans = std::vector<std::pair<int, int>>;

// Every span a search finds, as (left, right) pairs, from the null span.
template <typename Find>
Spans All(const TestMember& f, Find find) {
    Spans spans;
    CAS4100Span span = f.Span(0, 0);
    while (find(f.member, span) && spans.size() < 100)
        spans.emplace_back(span.GetCMPIndexLeft(), span.GetCMPIndexRight());
    return spans;
}
const auto XX = [](const TestMember& f) { return All(f, A::FindNextXXSpan); };
const auto YY = [](const TestMember& f) { return All(f, A::FindNextYYSpan); };
const auto VV = [](const TestMember& f) { return All(f, A::FindNextVVStrutSpan); };
const auto LT = [](const TestMember& f) { return All(f, A::FindNextLTSpan); };

TEST(SearchSpans, AxisSpansEndWhereTheirRestraintIs) {
    struct Case {
        std::vector<PointDef> points;
        Spans xx, yy, vv;
    };
    const Case cases[] = {
        {{{0.0, kFEnd}, {4.0, kFEnd}}, {{0, 1}}, {{0, 1}}, {{0, 1}}},
        // A rotation restraint alone ends a major-axis span; struts stop only at translation.
        {{{0.0, kPinned}, {2.0, 0x10000}, {5.0, kPinned}}, {{0, 1}, {1, 2}}, {{0, 2}}, {{0, 2}}},
        // 1: lateral only; 2: support only; 3: rotation about y only.
        {{{0.0, kFixed}, {1.0, 0x100000}, {2.5, 0x200000}, {4.0, 0x40000}, {6.0, kFixed}},
         {{0, 2}, {2, 4}},
         {{0, 1}, {1, 3}, {3, 4}},
         {{0, 1}, {1, 2}, {2, 4}}},
    };
    for (const Case& c : cases) {
        TestMember f(c.points);
        EXPECT_EQ(XX(f), c.xx);
        EXPECT_EQ(YY(f), c.yy);
        EXPECT_EQ(VV(f), c.vv);
    }
    // The user's lengths make the whole member one span of every kind.
    TestMember f({{0.0, kFixed}, {1.0, kFixed}, {2.5, kFixed}, {5.0, kFixed}});
    f.member.SetLengthOverride(true);
    for (const Spans& spans : {XX(f), YY(f), VV(f), LT(f)}) EXPECT_EQ(spans, Spans({{0, 3}}));
}

TEST(SearchEffectiveLength, TableFactorTimesSpanLengthTheUsersOrZeroWhenHeld) {
    // x: fixed at 0, pinned at 4 m (0.85); y: pinned both ends (1.0); then a sway span.
    TestMember f({{0.0, kFixed & ~0x40000u}, {4.0, kPinned}, {6.0, 0x200000}});
    EXPECT_DOUBLE_EQ(A::EffectiveLengthXX(f.member, f.Span(0, 1)), 0.85 * 4.0);
    EXPECT_DOUBLE_EQ(A::EffectiveLengthYY(f.member, f.Span(0, 1)), 1.0 * 4.0);
    // 4 m to 6 m: y free to translate at 6 m and no rotation restraint: outside the figure.
    EXPECT_EQ(A::EffectiveLengthYY(f.member, f.Span(1, 2)), kInf);

    // The user's lengths, positive in metres, negative times the member's length.
    TestMember o({{0.0, kPinned}, {2.0, kPinned}, {5.0, kPinned}});
    o.member.SetLengthOverride(true);
    o.member.SetLyy(2.5);
    o.member.SetLzz(-0.7);
    o.member.SetLlt(-1.2);
    const CAS4100Span span = o.Span(0, 2);
    EXPECT_DOUBLE_EQ(A::EffectiveLengthXX(o.member, span), 2.5);
    EXPECT_DOUBLE_EQ(A::EffectiveLengthYY(o.member, span), 0.7 * 5.0);
    EXPECT_DOUBLE_EQ(A::EffectiveStrutLengthVV(o.member, span), 3.5);  // the larger of the two
    EXPECT_DOUBLE_EQ(A::EffectiveLengthLT(o.member, span), 1.2 * 5.0);
    // The override applies to a part of the member as well: it is the member's length.
    EXPECT_DOUBLE_EQ(A::EffectiveLengthYY(o.member, o.Span(0, 1)), 3.5);

    // Held along the span: zero.
    std::vector<SubSpanActions> held(2);
    held[0].continuousBits = held[1].continuousBits = 0x200000 | 0x100000;
    TestMember h({{0.0, kPinned}, {2.0, 0}, {5.0, kPinned}}, held);
    EXPECT_DOUBLE_EQ(A::EffectiveLengthXX(h.member, h.Span(0, 2)), 0.0);
    EXPECT_DOUBLE_EQ(A::EffectiveStrutLengthVV(h.member, h.Span(0, 2)), 0.0);
    // Held along one sub-span only: not along the span.
    held[1].continuousBits = 0;
    TestMember partly({{0.0, kPinned}, {2.0, 0}, {5.0, kPinned}}, held);
    EXPECT_DOUBLE_EQ(A::EffectiveLengthXX(partly.member, partly.Span(0, 2)), 5.0);
}

// Restraint words for the lateral-torsional tests (flange 1 critical in supported segments).
constexpr unsigned kSupport = 0x200000;
constexpr unsigned kF = kSupport | 512 | 128;
constexpr unsigned kL = kSupport | 512;
constexpr unsigned kU = kSupport;

TEST(SearchLTSegments, SupportedSegmentPairs) {
    // F, P pair with anything; L with F, P, L; U with F, P.
    struct Case {
        unsigned left, right;
        bool valid;
    };
    const Case cases[] = {
        {kF, kU, true},  {kU, kF, true},  {kL, kL, true},  {kL, kF, true},
        {kL, kU, false}, {kU, kL, false}, {kU, kU, false}, {kSupport | 1024 | 128, kU, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " " << c.right);
        TestMember f({{0.0, c.left}, {3.0, c.right}});
        EXPECT_EQ(A::EffectiveLengthLT(f.member, f.Span(0, 1)), c.valid ? 3.0 : kInf);
    }
}

TEST(SearchLTSegments, SegmentsOfAMember) {
    TestSectionProps chs, shs;
    chs.MakeHollow(true);
    shs.MakeHollow(false);
    struct Case {
        const char* what;
        std::vector<PointDef> points;
        Spans lt;
        TestSectionProps props = {};
    };
    const Case cases[] = {
        // Held laterally but not supported: neither cantilever nor supported, yet an end.
        {"lateral interior", {{0.0, kFEnd}, {2.0, 512}, {5.0, kFEnd}}, {{0, 1}, {1, 2}}},
        {"U interior", {{0.0, kFEnd}, {2.0, 1024}, {5.0, kFEnd}}, {{0, 2}}},
        {"invalid grows",
         {{0.0, kL}, {2.0, kU}, {4.0, kF}, {6.0, kU}, {8.0, kU}},
         {{0, 2}, {2, 3}, {3, 4}}},
        // Cantilever: flange 2 critical. A free tip with an L root grows to the F end; a tip
        // held at flange 2 (L) with an L root is a segment.
        {"free tip", {{0.0, 0}, {2.0, kSupport | 1024}, {6.0, kFEnd}}, {{0, 2}}},
        {"held tip", {{0.0, 1024}, {2.0, kSupport | 1024}, {6.0, kFEnd}}, {{0, 1}, {1, 2}}},
        {"round", {{0.0, kU}, {2.0, kU}, {4.0, kU}}, {{0, 2}}, chs},
        {"square", {{0.0, kU}, {2.0, kU}, {4.0, kU}}, {{0, 2}}, shs},
    };
    for (const Case& c : cases) {
        TestMember f(c.points, {}, c.props);
        EXPECT_EQ(LT(f), c.lt) << c.what;
    }
    TestMember lateral({{0.0, kFEnd}, {2.0, 512}, {5.0, kFEnd}});
    EXPECT_DOUBLE_EQ(A::EffectiveLengthLT(lateral.member, lateral.Span(0, 1)), 2.0);
    TestMember grows({{0.0, kL}, {2.0, kU}, {4.0, kF}, {6.0, kU}, {8.0, kU}});
    EXPECT_DOUBLE_EQ(A::EffectiveLengthLT(grows.member, grows.Span(0, 2)), 4.0);
    // The last segment U-U runs to the member's end and has no finite length.
    EXPECT_EQ(A::EffectiveLengthLT(grows.member, grows.Span(3, 4)), kInf);
    // Right-hand cantilever: flange 1 lateral alone is U for flange 2 critical, and an L root
    // does not pair with it.
    TestMember right({{0.0, kSupport | 1024}, {2.0, 512}});
    EXPECT_EQ(A::EffectiveLengthLT(right.member, right.Span(0, 1)), kInf);
}

TEST(SearchLTSegments, EndsFullOrPartRestrained) {
    TestMember fp({{0.0, kF}, {3.0, kSupport | 1024 | 128}});
    EXPECT_TRUE(A::IsEndsFullOrPartRestrained(fp.member, fp.Span(0, 1)));
    TestMember fl({{0.0, kF}, {3.0, kL}});
    EXPECT_FALSE(A::IsEndsFullOrPartRestrained(fl.member, fl.Span(0, 1)));
    // A cantilever reads flange 2 as critical: flange 1 held with twist restraint is P there.
    TestMember tip({{0.0, kFEnd}, {3.0, 512 | 128}});
    EXPECT_TRUE(A::IsEndsFullOrPartRestrained(tip.member, tip.Span(0, 1)));
}

TEST(SearchHostData, MapsOfSpansWithLengthsAndRadiiOrNothing) {
    // A 5000 mm², Ixx 80e6 mm⁴, Iyy 10e6 mm⁴.
    TestMember f({{0.0, kFEnd | kFixed}, {2.0, 0x100000 | 512}, {6.0, kFEnd}});
    A::Records(f.member).clear();
    const auto data = f.member.GetMemberEffectiveLengthData();
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(f.member.GetInteractionData().size(), 2u);

    ASSERT_EQ(data->majorAxis.size(), 1u);
    const auto& x = data->majorAxis.at(1);
    EXPECT_EQ(x.cmpRight, 2u);
    EXPECT_DOUBLE_EQ(x.le, 0.85 * 6.0);  // fixed at 0, pinned at 6 m
    EXPECT_DOUBLE_EQ(x.r, std::sqrt(8.0e-5 / 5.0e-3));

    ASSERT_EQ(data->minorAxis.size(), 2u);
    EXPECT_EQ(data->minorAxis.at(2).cmpLeft, 1u);
    EXPECT_DOUBLE_EQ(data->minorAxis.at(1).le, 0.85 * 2.0);  // fixed-pinned
    EXPECT_DOUBLE_EQ(data->minorAxis.at(2).le, 1.0 * 4.0);   // pinned-pinned
    EXPECT_DOUBLE_EQ(data->minorAxis.at(1).r, std::sqrt(1.0e-5 / 5.0e-3));

    ASSERT_EQ(data->lt.size(), 2u);  // the interior L point makes two segments
    EXPECT_DOUBLE_EQ(data->lt.at(1).le, 2.0);
    EXPECT_DOUBLE_EQ(data->lt.at(2).le, 4.0);
    EXPECT_DOUBLE_EQ(data->lt.at(2).r, x.r);
    // A slab along the top flange: one segment of no length, the user's −0.5 L when overridden.
    std::vector<SubSpanActions> slab(2);
    slab[0].continuousBits = slab[1].continuousBits = 512;
    TestMember held({{0.0, kFEnd}, {2.0, 0}, {6.0, kFEnd}}, slab);
    auto lt = held.member.GetMemberEffectiveLengthData();
    ASSERT_TRUE(lt.has_value());
    ASSERT_EQ(lt->lt.size(), 1u);
    EXPECT_DOUBLE_EQ(lt->lt.at(1).le, 0.0);
    held.member.SetLengthOverride(true);
    held.member.SetLlt(-0.5);
    lt = held.member.GetMemberEffectiveLengthData();
    ASSERT_TRUE(lt.has_value());
    EXPECT_DOUBLE_EQ(lt->lt.at(1).le, 3.0);
    // Nothing without a result or with one point.
    held.member.SetResult(nullptr);
    EXPECT_FALSE(held.member.GetMemberEffectiveLengthData().has_value());
    TestMember onePoint({{0.0, kFEnd}});
    EXPECT_FALSE(onePoint.member.GetMemberEffectiveLengthData().has_value());
}

}  // namespace
