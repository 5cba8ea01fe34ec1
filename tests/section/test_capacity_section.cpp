// Section capacities: Ms (cl. 5.2), Nt (cl. 7.2), the shear reduction for coincident moment
// (cl. 5.12.3) and the class combination rules of the section base.
#include <gtest/gtest.h>

#include "shapes/IcalcSupport.h"

using namespace icalc;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;

namespace {

// Exposes the protected class rules and gives a chosen eccentricity moment.
class TestSection : public CSectionCalcI {
  public:
    explicit TestSection(const CSectionCalcI& s) : CSectionCalcI(s) {}
    using CAS4100_98Section::GetLBCString;
    using CAS4100_98Section::Worst;
    double DeltaMxx(CMemberResult*) const override { return deltaMx; }
    double DeltaMyy(CMemberResult*) const override { return deltaMy; }
    double deltaMx = 0.0;
    double deltaMy = 0.0;
};

TestSection Beam() {
    return TestSection(Catalogued("310UB40.4", "300PLUS"));
}

// 310UB40.4 in 300PLUS: Msx = 320 MPa · 633·10³ mm³ = 202.56 kN·m.
constexpr double kMsx = 320e6 * 633e-6;
constexpr double kPhi = 0.9;

}  // namespace

TEST(SectionBaseClasses, WorstOrdersInvalidDeformSlenderNonCompactCompact) {
    using C = CAS4100_98Section;
    EXPECT_EQ(TestSection::Worst(C::Invalid, C::Compact), C::Invalid);
    EXPECT_EQ(TestSection::Worst(C::Deform, C::Invalid), C::Invalid);
    EXPECT_EQ(TestSection::Worst(C::Slender, C::Deform), C::Deform);
    EXPECT_EQ(TestSection::Worst(C::NonCompact, C::Slender), C::Slender);
    EXPECT_EQ(TestSection::Worst(C::Compact, C::NonCompact), C::NonCompact);
    EXPECT_EQ(TestSection::Worst(C::Compact, C::Compact), C::Compact);
    EXPECT_EQ(TestSection::GetLBCString(C::NonCompact), L"NonCompact");
    EXPECT_EQ(TestSection::GetLBCString(C::Deform), L"Deform");
    EXPECT_EQ(TestSection::GetLBCString(static_cast<C::BucklingClass>(5)), L"");
}

TEST(SectionBaseClasses, BiAxialClassIsTheWorseOfTheTwoAxes) {
    // 150UC23.4 in 300PLUS is non-compact about both axes; 310UB40.4 compact.
    EXPECT_EQ(Catalogued("150UC23.4", "300PLUS").BucklingClassBiAxial(nullptr),
              CAS4100_98Section::NonCompact);
    EXPECT_EQ(Beam().BucklingClassBiAxial(nullptr), CAS4100_98Section::Compact);
}

TEST(MomentCapacity, MsXXWritesHeadingClauseAndFormula) {
    TestSection s = Beam();
    CMemberResult result;
    EXPECT_NEAR(s.MsXX(&result), kMsx, 1e-6);
    const auto& f = result.DesFormat();
    ASSERT_EQ(result.Report().size(), 3u);
    EXPECT_EQ(result.Report()[0].text, L"Determine moment capacity MsXX\n");
    EXPECT_EQ(result.Report()[1].text, L"\t<i> ref. AS 4100:1998 cl. 5.2</i>\n");
    EXPECT_EQ(result.Report()[2].text, L"Msxx = Fy*Zex\n     = " + f.Stress(320e6) + L"*" +
                                           f.LCubed(633e-6) + L"\n     = " + f.Moment(kMsx) +
                                           L"\n");
    EXPECT_EQ(result.Report()[2].level, result.Report()[1].level + 1);
    // Msy = 320 MPa · 139.05·10³ mm³; Msu, Msv are zero for a section without them.
    EXPECT_NEAR(s.MsYY(nullptr), 320e6 * 139.05e-6, 1e-6);
    EXPECT_EQ(s.MsUU(nullptr), 0.0);
    EXPECT_EQ(s.MsVV(nullptr), 0.0);
}

// Nt = min(Ag·fy, 0.85·kt·An·fu): 5210 mm² · 320 MPa = 1667.2 kN < 0.85 · 5210 · 440 = 1948.5 kN.
TEST(TensionCapacity, YieldOfGrossAreaOrFractureOfNetArea) {
    TestSection s = Beam();
    CMemberResult result;
    EXPECT_NEAR(s.Pt(&result), 1667.2e3, 0.01);
    const auto& f = result.DesFormat();
    ASSERT_EQ(result.Report().size(), 3u);
    EXPECT_EQ(result.Report()[0].text, L"Nt = Ag*fy\n   = " + f.AreaCS(5210e-6) + L" * " +
                                           f.Stress(320e6) + L"\n   = " + f.Force(1667.2e3) +
                                           L"\n");
    EXPECT_EQ(result.Report()[1].text, L"Nt = 0.85*Kt*An*fu\n   = 0.85*" + f.NoDim(1.0) + L"*" +
                                           f.AreaCS(5210e-6) + L"*" + f.Stress(440e6) + L"\n   = " +
                                           f.Force(1948.54e3) + L"\n");
    EXPECT_EQ(result.Report()[2].text, L"Nt = " + f.Force(1667.2e3) + L"\n");
    // Half the net area: 0.85 · 0.5 · 5210 mm² · 440 MPa = 974.27 kN governs.
    s.SetNetAreaRatio(0.5);
    EXPECT_NEAR(s.Pt(nullptr), 974.27e3, 0.01);
}

// cl. 5.12.3: Vvm = Vv up to 0.75·φ·Ms, Vv·(2.2 − 1.6·M/(φ·Ms)) up to φ·Ms, zero from there.
TEST(ShearMomentInteraction, ReductionBand) {
    TestSection s = Beam();
    const double vv = 356e3;
    s.SetMomentXX(0.0);
    EXPECT_EQ(s.InteractionShearCapacity(vv, true, nullptr), vv);
    s.SetMomentXX(-0.75 * kPhi * kMsx);
    EXPECT_NEAR(s.InteractionShearCapacity(vv, true, nullptr), vv, 1e-6);
    s.SetMomentXX(0.875 * kPhi * kMsx);  // factor 2.2 − 1.4 = 0.8
    CMemberResult result;
    EXPECT_NEAR(s.InteractionShearCapacity(vv, true, &result), 0.8 * vv, 1e-3);
    const auto& f = result.DesFormat();
    ASSERT_EQ(result.Report().size(), 1u);
    EXPECT_EQ(result.Report()[0].text, L"Vvm = Vv*(2.2 - 1.6*Mx/(Phi*Msx))\n    = " + f.Force(vv) +
                                           L"*(2.2 - 1.6*" + f.Moment(0.875 * kPhi * kMsx) + L"/(" +
                                           f.NoDim(0.9) + L"*" + f.Moment(kMsx) + L"))\n    = " +
                                           f.Force(0.8 * vv) + L"\n");
    // Just below φ·Ms the factor approaches 0.6.
    s.SetMomentXX(0.9999 * kPhi * kMsx);
    EXPECT_NEAR(s.InteractionShearCapacity(vv, true, nullptr), 0.6 * vv, 0.001 * vv);
    // At φ·Ms: none, with the message.
    s.SetMomentXX(kPhi * s.DesignStressMin() * s.ZxxEffective());
    CMemberResult atCapacity;
    EXPECT_EQ(s.InteractionShearCapacity(vv, true, &atCapacity), 0.0);
    ASSERT_EQ(atCapacity.Report().size(), 1u);
    EXPECT_EQ(atCapacity.Report()[0].text,
              L"Major axis moment utilzation exceeds unity. Shear capacity is assumed as zero\n");
}

TEST(ShearMomentInteraction, MinorAxisUsesMyAndMsy) {
    TestSection s = Beam();
    const double msy = 320e6 * 139.05e-6;
    s.SetMomentYY(kPhi * msy * 1.01);
    CMemberResult result;
    EXPECT_EQ(s.InteractionShearCapacity(1e5, false, &result), 0.0);
    EXPECT_TRUE(HasPiece(result,
                         L"Minor axis moment utilzation exceeds unity. Shear capacity is "
                         L"assumed as zero\n"));
    s.SetMomentXX(kPhi * kMsx * 1.01);  // the major moment does not enter
    s.SetMomentYY(0.0);
    EXPECT_EQ(s.InteractionShearCapacity(1e5, false, nullptr), 1e5);
}

// An eccentricity moment of more than 1e-6 enters the design moment as max(|M + ΔM|, |M|).
TEST(ShearMomentInteraction, EccentricityMomentNeverLowersTheDesignMoment) {
    TestSection s = Beam();
    s.SetMomentXX(0.5 * kPhi * kMsx);
    s.deltaMx = 0.4 * kPhi * kMsx;  // M* = 0.9 φMs: factor 0.76
    EXPECT_NEAR(s.InteractionShearCapacity(1e5, true, nullptr), 0.76e5, 1e-6);
    s.deltaMx = -0.4 * kPhi * kMsx;  // |M + ΔM| smaller: M* = 0.5 φMs
    EXPECT_EQ(s.InteractionShearCapacity(1e5, true, nullptr), 1e5);
    s.SetMomentXX(0.0);
    s.deltaMx = 5e-7;
    EXPECT_EQ(s.EnhancedMomentXX(nullptr), 0.0);
    s.deltaMx = 2e-6;
    CMemberResult result;
    EXPECT_DOUBLE_EQ(s.EnhancedMomentXX(&result), 2e-6);
    EXPECT_EQ(result.Report()[0].text,
              L"Eccentricity in axial force causes the major axis moment: " +
                  result.DesFormat().Moment(2e-6) + L"\n");
    s.SetMomentYY(1e3);
    s.deltaMy = -3e2;
    EXPECT_DOUBLE_EQ(s.EnhancedMomentYY(nullptr), 7e2);
}
