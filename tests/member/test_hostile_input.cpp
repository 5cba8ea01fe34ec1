// Whatever a host sends, the checker returns: no crash, no hang, nothing thrown, and the
// utilisations say what the conventions say (infinite where a capacity vanishes).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/TestSections.h"

namespace {

using namespace as4100test;
using Arbor::Data::CSection;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A 310UB40.4 in 300PLUS through the factory, or the given section and grade, over n equally
// spaced points of the given length with the same actions on every sub-span.
struct Member : HostMember {
    Member(int n, double length, const Vec3& forces, const Vec3& moments, unsigned endBits = kFEnd,
           unsigned innerBits = 0, const CSection& section = CatalogueSection("310UB40.4"),
           const CSteelGrade& grade = CatalogueGrade("300PLUS"))
        : HostMember(Points(n, length, endBits, innerBits),
                     MakeSubSpans(n - 1, std::vector<SubSpanActions>(
                                             n - 1, {forces, forces, moments, moments})),
                     section, grade) {}
    static MemberPointVec Points(int n, double length, unsigned endBits, unsigned innerBits) {
        std::vector<PointDef> pts;
        for (int i = 0; i < n; ++i)
            pts.push_back({length * i / (n - 1), i == 0 || i == n - 1 ? endBits : innerBits});
        return MakePoints(pts);
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

// NaN and infinite actions, a zero yield stress and no restraint at all: infinite utilisation,
// failed; huge but finite actions fail without overflow trouble.
TEST(HostileForces, VanishingCapacitiesGiveInfiniteUtilisation) {
    const CSteelGrade soft(L"soft", {{Arbor::Data::GradeBand::Any, 0.0, 0.0, 0.0}});
    const auto ub = CatalogueSection("310UB40.4");
    std::vector<std::unique_ptr<Member>> members;
    for (double bad : {kNaN, kInf, -kInf})
        members.push_back(std::make_unique<Member>(3, 6.0, Vec3(bad, 1e4, 0), Vec3(0, bad, 0)));
    members.push_back(std::make_unique<Member>(3, 6.0, Vec3(-1e5, 1e4, 1e3), Vec3(1e2, 5e4, 1e3),
                                               kFEnd, 0, ub, soft));
    members.push_back(std::make_unique<Member>(3, 6.0, Vec3(-1e5, 0, 0), Vec3(0, 2e4, 0), 0, 0));
    for (size_t i = 0; i < members.size(); ++i) {
        members[i]->RunBoth();
        EXPECT_EQ(members[i]->MaxUtil(), kInf) << i;
        EXPECT_NE(members[i]->result.Flags() & ResultFlag::Failed, 0u) << i;
    }
    Member huge(2, 6.0, Vec3(-1e300, 1e300, -1e300), Vec3(1e300, -1e300, 1e300));
    huge.RunBoth();
    EXPECT_GT(huge.MaxUtil(), 1.0);
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
        Member m(2, 4.0, Vec3(-1e5, 1e4, 0), Vec3(0, 1e4, 0), kFEnd, 0, s);
        EXPECT_FALSE(m.RunBoth());
        EXPECT_EQ(m.result.UtilOverAll(), kInf);
        EXPECT_NE(m.result.Flags() & ResultFlag::ShapeNotHandled, 0u);
    }
}

TEST(HostileGeometry, SinglePointMismatchedSubSpansAndRepeatedPositionsAreRefused) {
    Member one(2, 6.0, Vec3(), Vec3());
    one.checker->SetMemberPointVec({CMemberPoint(0.0, CRestraint(kFEnd))});
    one.checker->SetSubSpanVec({});
    EXPECT_FALSE(one.RunBoth());
    EXPECT_EQ(one.result.NumEntries(), 1);

    Member mismatched(4, 6.0, Vec3(), Vec3());
    mismatched.checker->SetSubSpanVec(MakeSubSpans(1, {}));
    EXPECT_FALSE(mismatched.RunBoth());

    Member repeated(3, 6.0, Vec3(-1e4, 0, 0), Vec3(0, 1e4, 0));
    MemberPointVec pts = Member::Points(3, 6.0, kFEnd, 0);
    pts[1] = CMemberPoint(0.0, CRestraint(0));  // same position as the first point
    repeated.checker->SetMemberPointVec(pts);
    EXPECT_FALSE(repeated.RunBoth());
}

TEST(HostileRestraints, EveryBitSetStillChecks) {
    Member all(4, 6.0, Vec3(-1e5, 0, 0), Vec3(0, 2e4, 0), ~0u, ~0u);
    EXPECT_TRUE(all.RunBoth());
    EXPECT_LT(all.MaxUtil(), 1.0);
}

TEST(HostileSize, ThousandsOfPointsCheckInReasonableWork) {
    const int n = 2000;
    Member m(n, 30.0, Vec3(-2e4, 0, 0), Vec3(0, 1e4, 0), kFEnd, 0x100000 | 1024);
    EXPECT_TRUE(m.RunBoth());
    EXPECT_EQ(m.result.NumEntries(), n + 1);
    EXPECT_LT(m.MaxUtil(), 1.0);
}

}  // namespace
