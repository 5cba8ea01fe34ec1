// Span of a member: envelopes, moments along the span, load found from the shears, and the
// simple-span deflections, checked against the textbook results of a simply supported beam.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/DesFormat.h"
#include "host/Span.h"

using namespace Arbor::Steel;

namespace {

constexpr unsigned kSupport = RestraintBit::TranslationXX;
constexpr double E = 2e11;
constexpr double I = 86.4e-6;  // 310UB40.4 Ix

struct Member {
    MemberPointVec points;
    SubSpanVec subSpans;
    CSpan Span(int left, int right) const { return CSpan(&points, &subSpans, left, right); }
    CSpan Whole() const { return Span(0, static_cast<int>(points.size()) - 1); }
};

// A simply supported beam over the member points xs (span L = the last), under a uniform load
// w and a point load P at a, along y (axis 1: bends about x) or x (axis 2), solved by statics.
Member Build(const std::vector<double>& xs, double w, double P = 0, double a = 0, int axis = 1) {
    const double L = xs.back(), R = w * L / 2 + P * (L - a) / L;
    const auto shear = [&](double x, bool right) {
        return R - w * x - (x > a || (x == a && right) ? P : 0.0);
    };
    const auto moment = [&](double x) { return R * x - w * x * x / 2 - (x > a ? P * (x - a) : 0); };
    Member m;
    for (size_t i = 0; i < xs.size(); ++i)
        m.points.emplace_back(xs[i], CRestraint(i == 0 || i + 1 == xs.size() ? kSupport : 0));
    for (size_t k = 0; k + 1 < xs.size(); ++k) {
        Vec3 fl, fr, ml, mr;
        fl[axis] = shear(xs[k], true);
        fr[axis] = shear(xs[k + 1], false);
        ml[axis] = moment(xs[k]);
        mr[axis] = moment(xs[k + 1]);
        m.subSpans.emplace_back(static_cast<int>(k), fl, fr, ml, mr);
    }
    return m;
}

// An unloaded member with the given end moments about the major axis (constant shear).
Member EndMoments(double L, double mLeft, double mRight) {
    Member m;
    m.points = {CMemberPoint(0.0, CRestraint(kSupport)), CMemberPoint(L, CRestraint(kSupport))};
    const double v = (mRight - mLeft) / L;
    m.subSpans = {CSubSpan(0, {0, v, 0}, {0, v, 0}, {0, mLeft, 0}, {0, mRight, 0})};
    return m;
}

}  // namespace

TEST(SpanMoments, StaticsOfASimpleBeamAlongTheSpanAndPartSpan) {
    Member m = Build({0.0, 1.0, 3.0, 8.0}, 5e3);
    const auto moment = [](double x) { return 20e3 * x - 5e3 * x * x / 2; };  // R = wL/2
    EXPECT_NEAR(m.Whole().InterpolateMoments(0.5)[1], 40e3, 1e-6);            // wL²/8
    EXPECT_NEAR(m.Whole().InterpolateMoments(0.0)[1], 0.0, 1e-9);
    EXPECT_NEAR(m.Whole().InterpolateMoments(1.0)[1], 0.0, 1e-6);
    EXPECT_NEAR(m.Whole().InterpolateMoments(0.5)[2], 0.0, 1e-12);
    m.subSpans[2].SetMoments({100.0, moment(3.0), 0}, {300.0, moment(8.0), 0});
    const CSpan span = m.Span(1, 3);  // from 1 m to 8 m
    for (double f : {0.25, 0.5, 0.75})
        EXPECT_NEAR(span.InterpolateMoments(f)[1], moment(1.0 + 7.0 * f), 1e-6) << f;
    // 0.75 of the span is 6.25 m, 65 % along sub-span 3 (3 m to 8 m): torsion 100 + 0.65 × 200
    EXPECT_NEAR(span.InterpolateMoments(0.75)[0], 230.0, 1e-9);
}

TEST(SpanForces, MaxAndMinAreComponentWiseLeftWithLeftRightWithRight) {
    Member m;
    m.points = {CMemberPoint(0, {}), CMemberPoint(2, {}), CMemberPoint(5, {})};
    m.subSpans = {CSubSpan(0, {-1e5, 3e4, 1}, {-1e5, 1e4, 2}, {0, 0, 5}, {7, 4e4, -5}),
                  CSubSpan(1, {-2e5, 1e4, 9}, {-5e4, -2e4, 0}, {1, 4e4, -8}, {0, 0, 3})};
    EXPECT_EQ(m.Whole().MaxForces().GetForcesLeft(), Vec3(-1e5, 3e4, 9));
    EXPECT_EQ(m.Whole().MaxForces().GetMomentsRight(), Vec3(7, 4e4, 3));
    EXPECT_EQ(m.Whole().MinForces().GetForcesRight(), Vec3(-1e5, -2e4, 0));
    EXPECT_EQ(m.Whole().MinForces().GetMomentsLeft(), Vec3(0, 0, -8));
    // a span of one sub-span gives that sub-span's own values
    EXPECT_EQ(m.Span(1, 2).MaxForces().GetForcesLeft(), Vec3(-2e5, 1e4, 9));
}

TEST(SpanLoading, UniformLoadPointLoadsAndTheirAxis) {
    const Member udl = Build({0.0, 2.0, 4.0, 6.0}, 10e3);
    EXPECT_TRUE(udl.Whole().IsLoaded(false));
    EXPECT_FALSE(udl.Whole().IsLoaded(true));
    EXPECT_FALSE(udl.Whole().IsLoadedWithPointLoad());
    EXPECT_TRUE(udl.Whole().IsMinorAxisLoaded());  // load along y bends about x
    EXPECT_FALSE(udl.Whole().IsMajorAxisLoaded());
    const Member alongX = Build({0.0, 3.0, 6.0}, 2e3, 0, 0, 2);
    EXPECT_TRUE(alongX.Whole().IsMajorAxisLoaded());
    EXPECT_FALSE(alongX.Whole().IsMinorAxisLoaded());

    const Member point = Build({0.0, 2.0, 6.0}, 0.0, 30e3, 2.0);
    EXPECT_TRUE(point.Whole().IsLoadedWithPointLoad());
    EXPECT_TRUE(point.Whole().IsLoaded(true));
    // the load sits at the end of each part span: neither part carries it
    EXPECT_FALSE(point.Span(0, 1).IsLoaded(false));
    EXPECT_FALSE(point.Span(1, 2).IsLoaded(false));
}

TEST(SpanLoading, EndMomentsAndRoundingNoiseAreNotLoadButACantileverTipLoadIs) {
    Member m = EndMoments(6.0, -30e3, 60e3);
    EXPECT_FALSE(m.Whole().IsLoaded(false));
    m.subSpans[0].SetForces({0, 15e3, 0}, {0, 15e3 * (1 + 1e-7), 0});
    EXPECT_FALSE(m.Whole().IsLoaded(false));
    m.subSpans[0].SetForces({0, 15e3, 0}, {0, 15e3 * (1 + 1e-3), 0});  // 15 N over 6 m is load
    EXPECT_TRUE(m.Whole().IsLoaded(false));
    // fixed at x = 0, free tip at 3 m carrying 10 kN: shear 10 kN throughout, no shear change
    Member cantilever = EndMoments(3.0, -30e3, 0.0);
    cantilever.points[1].SetRestraint(CRestraint());
    EXPECT_TRUE(cantilever.Whole().IsLoadedWithPointLoad());
    EXPECT_TRUE(cantilever.Whole().IsLoaded(false));
    cantilever.points[1].SetRestraint(CRestraint(static_cast<int>(kSupport)));  // propped
    EXPECT_FALSE(cantilever.Whole().IsLoadedWithPointLoad());
}

TEST(SpanLoading, DestabilisedOnlyWhenLoadedWithTheLoadAboveTheShearCentre) {
    Member m = Build({0.0, 3.0, 6.0}, 10e3);
    EXPECT_FALSE(m.Whole().IsDestabilized());
    m.subSpans[1].SetRestraint(CRestraint(0, CRestraint::TopFlange, 0.15));
    EXPECT_TRUE(m.Whole().IsDestabilized());
    m.subSpans[1].SetRestraint(CRestraint(0, CRestraint::BottomFlange, -0.15));
    EXPECT_FALSE(m.Whole().IsDestabilized());
    Member unloaded = EndMoments(6.0, 10e3, 10e3);
    unloaded.subSpans[0].SetRestraint(CRestraint(0, CRestraint::TopFlange, 0.15));
    EXPECT_FALSE(unloaded.Whole().IsDestabilized());
}

// Simply supported deflections of the textbooks: 5wL⁴/384EI, PL³/48EI, and ML²/8EI (equal
// end moments, ML²/16EI from one end alone); load and end moments add on a continuous span.
TEST(SpanDeflection, TextbookSimpleSpanCasesAndAFixedEndedSpan) {
    const double L = 6.0, w = 10e3, P = 30e3, M = 40e3;
    const Member udl = Build({0.0, 1.5, 4.0, 6.0}, w);
    EXPECT_NEAR(udl.Whole().DispYY(L / 2, E, I, false, false),
                5.0 * w * std::pow(L, 4) / (384.0 * E * I), 1e-12);
    // away from mid-span: w·x·(L³ − 2·L·x² + x³) / 24EI, with x = 1 m
    EXPECT_NEAR(udl.Whole().DispYY(1.0, E, I, false, false), w * (216 - 12 + 1) / (24 * E * I),
                1e-12);
    EXPECT_EQ(udl.Whole().DispXX(L / 2, E, I, false, false), 0.0);
    const Member point = Build({0.0, 3.0, 6.0}, 0.0, P, 3.0, 2);
    EXPECT_NEAR(point.Whole().DispXX(L / 2, E, I, false, false), P * std::pow(L, 3) / (48 * E * I),
                1e-12);
    const Member member = EndMoments(L, M, M);  // the span refers to the member's vectors
    const CSpan equal = member.Whole();
    EXPECT_NEAR(equal.DispYY(L / 2, E, I, true, true), M * L * L / (8 * E * I), 1e-12);
    EXPECT_NEAR(equal.DispYY(L / 2, E, I, true, false), M * L * L / (16 * E * I), 1e-12);
    EXPECT_NEAR(equal.DispYY(L / 2, E, I, false, true), M * L * L / (16 * E * I), 1e-12);
    EXPECT_EQ(equal.DispYY(L / 2, E, I, false, false), 0.0);
    // reverse curvature: equal and opposite end moments give no mid-span deflection
    EXPECT_NEAR(EndMoments(L, M, -M).Whole().DispYY(L / 2, E, I, true, true), 0.0, 1e-15);
    // fixed-ended beam under w, taken as the span from its ends: -wL²/12 at both ends adds
    // -wL²/12 · L²/8EI to 5wL⁴/384EI, leaving the fixed-end deflection wL⁴/384EI
    Member m = Build({0.0, 2.5, 6.0}, w);
    const double mEnd = -w * L * L / 12.0;
    m.subSpans[0].SetMoments({0, mEnd, 0}, {0, m.subSpans[0].GetMomentsRight()[1] + mEnd, 0});
    m.subSpans[1].SetMoments({0, m.subSpans[1].GetMomentsLeft()[1] + mEnd, 0}, {0, mEnd, 0});
    EXPECT_NEAR(m.Whole().DispYY(L / 2, E, I, true, true), w * std::pow(L, 4) / (384 * E * I),
                1e-12);
}

// Point load P at a (b = L − a) with a uniform load over many sub-spans, read between member
// points on both sides of the load: P·b·x·(L² − b² − x²)/6LEI for x ≤ a (mirrored beyond it)
// plus w·x·(L³ − 2Lx² + x³)/24EI.
TEST(SpanDeflection, PointAndUniformLoadOverManySubSpans) {
    const double L = 6.0, w = 10e3, P = 30e3, a = 2.0, b = L - a;
    std::vector<double> xs;
    for (int i = 0; i <= 12; ++i) xs.push_back(0.5 * i);
    const Member m = Build(xs, w, P, a);
    for (double x : {1.25, 2.0, 3.3, 5.9}) {
        const double u = L - x;
        const double point = x <= a ? P * b * x * (L * L - b * b - x * x) / (6 * L * E * I)
                                    : P * a * u * (L * L - a * a - u * u) / (6 * L * E * I);
        const double uniform = w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * E * I);
        EXPECT_NEAR(m.Whole().DispYY(x, E, I, false, false), point + uniform, 1e-12) << x;
    }
}

TEST(SpanStructure, EndsValidityContinuousRestraintAndText) {
    Member m = Build({0.0, 2.0, 4.0, 6.0}, 10e3);
    m.subSpans[0].SetRestraint(CRestraint(512 | 128 | 64));
    m.subSpans[1].SetRestraint(CRestraint(512 | 128));
    EXPECT_EQ(m.Span(0, 2).ContinuousRestraint().Bits(), 512u | 128u);  // common to both
    EXPECT_FALSE(m.Span(1, 2).IsREndOfMember());
    EXPECT_TRUE(m.Span(1, 3).IsREndOfMember());
    EXPECT_EQ(m.Span(1, 3).GetString(Arbor::Util::CDesFormat()),
              L"points 2 to 4, 2.000 m to 6.000 m");
    CSpan null = m.Whole();
    null.SetNull();
    EXPECT_TRUE(m.Span(1, 2).IsValid());
    for (const CSpan& invalid : {null, m.Span(2, 2), m.Span(0, 4), CSpan()})
        EXPECT_FALSE(invalid.IsValid());
    // an invalid span answers without touching the vectors
    EXPECT_EQ(null.MaxForces(), CSubSpan());
    EXPECT_FALSE(null.IsLoaded(false));
    EXPECT_EQ(CSpan().DispYY(1.0, E, I, true, true), 0.0);
    EXPECT_EQ(CSpan(nullptr, nullptr, 3, 9).RestraintEndR(), CRestraint());
    const Member other = m;
    EXPECT_EQ(m.Span(0, 2), m.Span(0, 2));
    EXPECT_NE(m.Span(0, 2), other.Span(0, 2));  // same indices, another member
}
