// Whatever a host sends, the checker returns: no crash, no hang, nothing thrown, and the
// utilisations say what the conventions say (infinite where a capacity vanishes).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "host/Catalogue.h"
#include "host/MemberResult.h"
#include "member/AS4100Member.h"

namespace {

using namespace Arbor::Steel;
using Arbor::Data::Catalogue;
using Arbor::Data::CSection;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kFEnd = 3147456;

const CSection& UB310() {
    return Catalogue::Instance().FindSection("310UB40.4")->section;
}
CSteelGrade Grade300PLUS() {
    return *Catalogue::Instance().FindGrade("300PLUS");
}

struct Member {
    CMemberResult result;
    std::unique_ptr<CSteelMemberGen> checker{NewCode()};

    Member(const MemberPointVec& points, const SubSpanVec& subSpans, const CSection& section,
           const CSteelGrade& grade) {
        checker->SetResult(&result);
        checker->SetMemberPointVec(points);
        checker->SetSubSpanVec(subSpans);
        checker->SetSection(section);
        checker->SetSteelDesignProp(grade);
    }
    double MaxUtil() const {
        double worst = 0.0;
        for (int e = 0; e < result.NumEntries(); ++e) {
            for (int k = 0; k < kUtilKindCount; ++k) {
                const double u = result.Util(e, static_cast<UtilKind>(k));
                worst = std::isnan(u) ? kInf : std::max(worst, u);
            }
        }
        return worst;
    }
    // Both kinds of check, as a host's design loop and its report would run them.
    bool RunBoth() {
        const bool full = checker->Check();
        CMemberResult quick;
        checker->SetResult(&quick);
        checker->QuickCheck();
        checker->SetResult(&result);
        return full;
    }
};

MemberPointVec Points(int n, double length, int endBits = kFEnd, int innerBits = 0) {
    MemberPointVec pts;
    for (int i = 0; i < n; ++i) {
        const bool end = i == 0 || i == n - 1;
        pts.emplace_back(length * i / (n - 1), CRestraint(end ? endBits : innerBits));
    }
    return pts;
}

SubSpanVec SameActions(int n, const Vec3& forces, const Vec3& moments) {
    SubSpanVec subs;
    for (int i = 0; i < n; ++i) subs.emplace_back(i, forces, forces, moments, moments);
    return subs;
}

TEST(HostileForces, NaNAndInfiniteActionsGiveInfiniteUtilisation) {
    for (double bad : {kNaN, kInf, -kInf}) {
        Member m(Points(3, 6.0), SameActions(2, Vec3(bad, 1e4, 0), Vec3(0, bad, 0)), UB310(),
                 Grade300PLUS());
        m.RunBoth();
        EXPECT_EQ(m.MaxUtil(), kInf) << bad;
        EXPECT_NE(m.result.Flags() & ResultFlag::Failed, 0u) << bad;
    }
}

TEST(HostileForces, HugeButFiniteActionsFailWithoutOverflowTrouble) {
    Member m(Points(2, 6.0),
             SameActions(1, Vec3(-1e300, 1e300, -1e300), Vec3(1e300, -1e300, 1e300)), UB310(),
             Grade300PLUS());
    m.RunBoth();
    EXPECT_GT(m.MaxUtil(), 1.0);
}

TEST(HostileSection, DimensionsThatMakeNoSectionAreNotChecked) {
    const std::vector<std::vector<double>> bad = {
        {0.3, 0.15, 0.0, 0.15, 0.01, 0.006, 0.0},    // zero flange thickness
        {0.3, 0.15, 0.01, 0.15, 0.01, -0.006, 0.0},  // negative web
        {0.0, 0.15, 0.01, 0.15, 0.01, 0.006, 0.0},   // zero depth
        {0.3, 0.15, kNaN, 0.15, 0.01, 0.006, 0.0},   // NaN plate
        {0.3, 0.15, 0.2, 0.15, 0.2, 0.006, 0.0},     // flanges deeper than the section
        {0.3, 0.15, 0.01, 0.15},                     // too few dimensions
    };
    for (const auto& dims : bad) {
        CSection s(L"plates");
        s.SetShape(Arbor::Data::SecShape::WeldedI);
        s.SetCategory(Arbor::Data::ResidualStress::HW);
        s.SetDimensions(dims);
        Member m(Points(2, 4.0), SameActions(1, Vec3(-1e5, 1e4, 0), Vec3(0, 1e4, 0)), s,
                 Grade300PLUS());
        EXPECT_FALSE(m.RunBoth());
        EXPECT_EQ(m.result.UtilOverAll(), kInf);
        EXPECT_NE(m.result.Flags() & ResultFlag::ShapeNotHandled, 0u);
    }
}

TEST(HostileGrade, ZeroYieldStressGivesInfiniteUtilisation) {
    const CSteelGrade soft(L"soft", {{Arbor::Data::GradeBand::Any, 0.0, 0.0, 0.0}});
    Member m(Points(3, 6.0), SameActions(2, Vec3(-1e5, 1e4, 1e3), Vec3(1e2, 5e4, 1e3)), UB310(),
             soft);
    m.RunBoth();
    EXPECT_EQ(m.MaxUtil(), kInf);
}

TEST(HostileGeometry, SinglePointAndMismatchedSubSpansAreRefused) {
    Member one(Points(2, 6.0), {}, UB310(), Grade300PLUS());
    one.checker->SetMemberPointVec({CMemberPoint(0.0, CRestraint(kFEnd))});
    EXPECT_FALSE(one.RunBoth());
    EXPECT_EQ(one.result.NumEntries(), 1);

    Member mismatched(Points(4, 6.0), SameActions(1, Vec3(), Vec3()), UB310(), Grade300PLUS());
    EXPECT_FALSE(mismatched.RunBoth());
}

TEST(HostileGeometry, IdenticalPointPositionsAreRefused) {
    MemberPointVec pts = Points(3, 6.0);
    pts[1] = CMemberPoint(0.0, CRestraint(0));  // same position as the first point
    Member m(pts, SameActions(2, Vec3(-1e4, 0, 0), Vec3(0, 1e4, 0)), UB310(), Grade300PLUS());
    EXPECT_FALSE(m.RunBoth());
}

TEST(HostileRestraints, EveryBitSetStillChecks) {
    Member m(Points(4, 6.0, -1, -1), SameActions(3, Vec3(-1e5, 0, 0), Vec3(0, 2e4, 0)), UB310(),
             Grade300PLUS());
    EXPECT_TRUE(m.RunBoth());
    EXPECT_LT(m.MaxUtil(), 1.0);
}

TEST(HostileRestraints, NoRestraintAnywhereFailsWithInfiniteBuckling) {
    Member m(Points(3, 6.0, 0, 0), SameActions(2, Vec3(-1e5, 0, 0), Vec3(0, 2e4, 0)), UB310(),
             Grade300PLUS());
    m.RunBoth();
    EXPECT_EQ(m.MaxUtil(), kInf);
    EXPECT_NE(m.result.Flags() & ResultFlag::Failed, 0u);
}

TEST(HostileSize, ThousandsOfPointsCheckInReasonableWork) {
    const int n = 2000;
    Member m(Points(n, 30.0, kFEnd, 0x100000 | 1024),
             SameActions(n - 1, Vec3(-2e4, 0, 0), Vec3(0, 1e4, 0)), UB310(), Grade300PLUS());
    EXPECT_TRUE(m.RunBoth());
    EXPECT_EQ(m.result.NumEntries(), n + 1);
    EXPECT_LT(m.MaxUtil(), 1.0);
}

}  // namespace
