// A member for the lateral-torsional, torsional and combined check tests: points, restraints
// and sub-span actions as in the span tests, with a calculator whose capacities the test sets
// (section/MemberMomentTestSection.h: a 310UB40.4 in 300PLUS unless told otherwise).
#pragma once

#include <memory>

#include "section/MemberMomentTestSection.h"
#include "span/test_span_fixture.h"

namespace lttest {

using namespace spantest;
using as4100test::MomentTestSection;
using as4100test::TestSectionValues;
using A = MemberTestAccess;

// Restraint words of cl. 5.4 for a segment whose critical flange is flange 1.
inline constexpr unsigned kSupport = 0x200000 | 0x100000;
inline constexpr unsigned kL = kSupport | 512;  // critical flange held laterally alone
inline constexpr unsigned kU = kSupport;        // supported, free to twist and to move sideways
inline constexpr unsigned kFree = 0;            // a cantilever tip

// Sub-span with axial force N (tension positive), major-axis end moments and end shears.
inline SubSpanActions Bending(double N, double mLeft, double mRight, double vLeft = 0.0,
                              double vRight = 0.0, unsigned continuous = 0) {
    SubSpanActions a;
    a.forcesLeft = Vec3(N, vLeft, 0);
    a.forcesRight = Vec3(N, vRight, 0);
    a.momentsLeft = Vec3(0, mLeft, 0);
    a.momentsRight = Vec3(0, mRight, 0);
    a.continuousBits = continuous;
    return a;
}

struct CheckFixture : MemberFixture {
    std::shared_ptr<MomentTestSection> section;

    CheckFixture(const std::vector<PointSpec>& points, const std::vector<SubSpanActions>& actions,
                 const TestSectionValues& values = {})
        : MemberFixture(points, actions), section(std::make_shared<MomentTestSection>(values)) {
        section->SetCodeName(L"AS 4100-1998");
        A::SetCalculator(member, section);
        A::Records(member).assign(member.GetSubSpanVec().size(), CInteractionData{});
    }

    CInteractionData& Record(size_t i) { return A::Records(member)[i]; }
    double Util(UtilKind kind) const { return result.Util(result.CurrentIndex(), kind); }
    bool Has(const CString& text) const { return Report().find(text) != CString::npos; }
    CString Moment(double m) const { return result.DesFormat().Moment(m); }
};

}  // namespace lttest
