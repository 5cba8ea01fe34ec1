// A member for the lateral-torsional, torsional and combined check tests: points with their
// restraint words, sub-span actions, and a calculator whose capacities the test sets
// (section/MemberMomentTestSection.h: a 310UB40.4 in 300PLUS unless told otherwise).
#pragma once

#include <limits>
#include <memory>
#include <vector>

#include "MemberTestAccess.h"
#include "section/MemberMomentTestSection.h"

namespace lttest {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using as4100test::MomentTestSection;
using as4100test::TestSectionValues;
using A = MemberTestAccess;

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// Restraint words of cl. 5.4 for a segment whose critical flange is flange 1.
inline constexpr unsigned kSupport = 0x200000 | 0x100000;
inline constexpr unsigned kFEnd = kSupport | 64 | 128 | 512 | 1024;  // F: held and twist-restrained
inline constexpr unsigned kL = kSupport | 512;  // critical flange held laterally alone
inline constexpr unsigned kU = kSupport;        // supported, free to twist and to move sideways
inline constexpr unsigned kFree = 0;            // a cantilever tip

struct Point {
    double x;
    unsigned bits;
};

// End actions of a sub-span and the restraint bits held along it.
struct SubSpanActions {
    Vec3 forcesLeft, forcesRight, momentsLeft, momentsRight;
    unsigned continuousBits = 0;
};

// Sub-span with axial force N (tension positive), major-axis end moments and end shears.
inline SubSpanActions Bending(double N, double mLeft, double mRight, double vLeft = 0.0,
                              double vRight = 0.0, unsigned continuous = 0) {
    return {Vec3(N, vLeft, 0), Vec3(N, vRight, 0), Vec3(0, mLeft, 0), Vec3(0, mRight, 0),
            continuous};
}

struct CheckFixture {
    CMemberResult result;
    CAS4100_98Member member;
    std::shared_ptr<MomentTestSection> section;

    CheckFixture(const std::vector<Point>& points, const std::vector<SubSpanActions>& actions,
                 const TestSectionValues& values = {})
        : section(std::make_shared<MomentTestSection>(values)) {
        member.SetResult(&result);
        MemberPointVec pts;
        for (const Point& p : points) pts.emplace_back(p.x, CRestraint(static_cast<int>(p.bits)));
        SubSpanVec subs;
        for (size_t i = 0; i < actions.size(); ++i) {
            const SubSpanActions& a = actions[i];
            subs.emplace_back(static_cast<int>(i), a.forcesLeft, a.forcesRight, a.momentsLeft,
                              a.momentsRight, CRestraint(static_cast<int>(a.continuousBits)));
        }
        member.SetMemberPointVec(pts);
        member.SetSubSpanVec(subs);
        section->SetCodeName(L"AS 4100-1998");
        A::SetCalculator(member, section);
        A::Records(member).assign(subs.size(), CInteractionData{});
    }

    CAS4100Span Span(int left, int right) const {
        return CAS4100Span(&member.GetMemberPointVec(), &member.GetSubSpanVec(), left, right);
    }
    CInteractionData& Record(size_t i) { return A::Records(member)[i]; }
    double Util(UtilKind kind) const { return result.Util(result.CurrentIndex(), kind); }
    CString Report() const {
        CString text;
        for (const ReportPiece& piece : result.Report()) text += piece.text;
        return text;
    }
    bool Has(const CString& text) const { return Report().find(text) != CString::npos; }
    CString Moment(double m) const { return result.DesFormat().Moment(m); }
};

}  // namespace lttest
