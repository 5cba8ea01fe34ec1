// Section record description, the section code base's options, and the member base's input
// validation.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/HostTestSupport.h"
#include "host/SectionCodeBase.h"
#include "host/SteelMember.h"

using namespace Arbor::Steel;
using namespace host_test;

// The full description of I and CHS records is pinned by the golden reports.
TEST(SectionRecord, DescriptionFollowsItsSwitches) {
    const CSection s = Ub310();
    EXPECT_EQ(s.Description(true, true, false), L"310UB40.4, I section, hot-rolled");
    EXPECT_EQ(s.Description(false, false, true),
              L"310UB40.4, D = 304.0 mm, B1 = 165.0 mm, T1 = 10.2 mm, B2 = 165.0 mm, "
              L"T2 = 10.2 mm, tw = 6.1 mm, r = 11.4 mm");
}

TEST(SectionCodeBaseOptions, RatiosOfTheRecordRefusedOutOfRangeDefaultsAgainWithout) {
    CSectionCodeBase base;
    CMemberResult result;
    CSection s = Ub310();
    s.SetNetAreaRatio(1.2);
    EXPECT_FALSE(base.SetArborSec(s, &result));
    EXPECT_TRUE(ReportContains(result, L"net area ratio 1.200"));
    EXPECT_EQ(base.GetArborSec().Name(), L"");  // nothing changed
    s.SetNetAreaRatio(0.85);
    s.SetPlasticElasticRatio(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(base.SetArborSec(s, &result));
    EXPECT_TRUE(ReportContains(result, L"plastic/elastic ratio nan"));
    EXPECT_FALSE(base.SetArborSec(s, nullptr));  // no result: refused all the same
    s.SetPlasticElasticRatio(1.2);
    ASSERT_TRUE(base.SetArborSec(s, nullptr));
    EXPECT_DOUBLE_EQ(base.NetAreaRatio(), 0.85);
    EXPECT_DOUBLE_EQ(base.PlasticElasticRatio(), 1.2);
    EXPECT_FALSE(base.IsPlasticElasticRatioDefault());
    // a later record without ratios brings back the cl. 5.2.3 default of 1.5 and the full area
    ASSERT_TRUE(base.SetArborSec(Ub310(), nullptr));
    EXPECT_DOUBLE_EQ(base.PlasticElasticRatio(), 1.5);
    EXPECT_TRUE(base.IsPlasticElasticRatioDefault());
    EXPECT_DOUBLE_EQ(base.NetAreaRatio(), 1.0);
}

namespace {

// The smallest concrete member: exposes the base's validation.
class MemberUnderTest : public CSteelMemberGen {
  public:
    using CSteelMemberGen::ValidateInputData;
    bool Check() const override { return false; }
    bool QuickCheck() const override { return false; }
    std::optional<SubspanEffectiveLengthData> GetMemberEffectiveLengthData() override {
        return std::nullopt;
    }
    bool SetSection(const CSection&) override { return false; }
    CSection GetSection() const override { return {}; }
    bool SetSteelDesignProp(const CSteelGrade&) override { return false; }
    CSteelMember* Clone() const override { return new MemberUnderTest(*this); }
    CString Name(int) const override { return L"test"; }
    CString Country(int) const override { return L""; }

  protected:
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataXX() override { return {}; }
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataYY() override { return {}; }
    SubspanEffectiveLengthData::Map GetSubspanEffectiveLengthDataLT() override { return {}; }
};

MemberPointVec Points(const std::vector<double>& xs) {
    MemberPointVec points;
    for (double x : xs) points.emplace_back(x, CRestraint());
    return points;
}

SubSpanVec SubSpans(int count) {
    SubSpanVec subSpans;
    for (int i = 0; i < count; ++i) subSpans.emplace_back(i, Vec3(), Vec3(), Vec3(), Vec3());
    return subSpans;
}

}  // namespace

TEST(SteelMemberValidation, AcceptsOrderedPointsWithOneSubSpanEachOrSaysWhy) {
    struct Case {
        std::vector<double> xs;
        int subSpans;
        const wchar_t* why;  // nullptr: accepted
    };
    for (const Case& c :
         {Case{{1.0, 4.0, 7.5}, 2, nullptr}, Case{{0.0}, 0, L"at least two member points, 1 given"},
          Case{{0.0, 3.0, 3.0}, 2, L"member point 3 at 3.000 m does not lie beyond point 2"},
          Case{{0.0, std::nan(""), 6.0}, 2, L"member point 2 position nan is not a number"},
          Case{{0.0, 3.0, 6.0}, 1, L"1 sub-spans given for 3 member points (2 expected)"}}) {
        CMemberResult result;
        MemberUnderTest member;
        member.SetResult(&result);
        member.SetMemberPointVec(Points(c.xs));
        member.SetSubSpanVec(SubSpans(c.subSpans));
        EXPECT_EQ(member.ValidateInputData(), c.why == nullptr) << c.xs.size();
        if (c.why) {
            EXPECT_TRUE(ReportContains(result, c.why)) << Arbor::ToUtf8(c.why);
        }
    }
    CMemberResult result;
    MemberUnderTest member;
    member.SetResult(&result);
    member.SetMemberPointVec(Points({1.0, 4.0, 7.5}));
    SubSpanVec misnumbered = SubSpans(2);
    misnumbered[1] = CSubSpan(0, Vec3(), Vec3(), Vec3(), Vec3());
    member.SetSubSpanVec(misnumbered);
    EXPECT_FALSE(member.ValidateInputData());
    EXPECT_TRUE(ReportContains(result, L"sub-span 2 is numbered 1"));
    member.SetSubSpanVec(SubSpans(2));
    EXPECT_TRUE(member.ValidateInputData());
    EXPECT_DOUBLE_EQ(member.Length(), 6.5);
}
