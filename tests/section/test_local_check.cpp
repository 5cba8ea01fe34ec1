// Local capacity check at a member point (cl. 5.11, 6.2, 7.2, 5.2, 8.3): the three forms of
// the combined check, compression against tension, the flags, the torsion warning and the
// report lines. Hand-worked values for catalogue sections in 300PLUS.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shapes/IcalcSupport.h"

using namespace icalc;
using Arbor::Steel::UtilKind;
using Arbor::Steel::Vec3;
namespace Flag = Arbor::Steel::ResultFlag;

namespace {

constexpr double kPhi = 0.9;

double Util(const CMemberResult& r, UtilKind kind) {
    return r.Util(0, kind);
}

// Actions: forces [N, Vy, Vx], moments [T, Mx, My].
void Act(CSectionCalcI& s, double n, double mx, double my, double t = 0.0, double vy = 0.0,
         double vx = 0.0) {
    s.SetMemberForces(Vec3(n, vy, vx));
    s.SetMemberMoments(Vec3(t, mx, my));
}

// A doubly symmetric section answering as circular, to reach the resultant-moment form.
class CircularStandIn : public CSectionCalcI {
  public:
    explicit CircularStandIn(const CSectionCalcI& s) : CSectionCalcI(s) {}
    bool IsCircular() const override { return true; }
};

// Reports every class as Compact, whatever its elements.
class CompactStandIn : public CSectionCalcI {
  public:
    explicit CompactStandIn(const CSectionCalcI& s) : CSectionCalcI(s) {}
    BucklingClass BucklingClassOverAll(CMemberResult*) override { return Compact; }
};

// A strut about principal axes at 45° to x-x, with chosen principal moduli.
class StrutStandIn : public CSectionCalcI {
  public:
    explicit StrutStandIn(const CSectionCalcI& s) : CSectionCalcI(s) {}
    bool IsStrutAndTieOnly() const override { return true; }
    double ZuuEffective() const override { return 400e-6; }
    double ZvvEffective() const override { return 100e-6; }
    double Muu(double mx, double, double my, double) const override {
        return (mx + my) * std::sqrt(0.5);
    }
    double Mvv(double mx, double, double my, double) const override {
        return (my - mx) * std::sqrt(0.5);
    }
};

// 250UB37.3, 300PLUS: compact, kf = 1, doubly symmetric. fy = 320 MPa,
// Msx = 320 · 486·10³ = 155.52 kN·m, Msy = 320 · min(119, 1.5·77.5)·10³ = 37.2 kN·m,
// Ns = 4750 mm² · 320 MPa = 1520 kN.
constexpr double kMsx = 155.52e3;
constexpr double kMsy = 37.2e3;
constexpr double kNs = 1520e3;

}  // namespace

// With N = 0 the check is the compression one, γ = 1.4, Mrx = 1.18 Msx, Mry = 1.19 Msy:
// (70/(0.9·1.18·155.52))^1.4 + (10/(0.9·1.19·37.2))^1.4 = 0.4450, below the linear 0.7988.
TEST(LocalCheckFormA, CompactDoublySymmetricWithZeroAxialForce) {
    CSectionCalcI s = Catalogued("250UB37.3", "300PLUS");
    Act(s, 0.0, 70e3, -10e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_EQ(result.Report()[0].text, L"Compression and bending check\n");
    EXPECT_EQ(result.Report()[1].text, L"Section is: <b>Compact</b> in bending and compression\n");
    EXPECT_EQ(Util(result, UtilKind::LocalAxial), 0.0);
    EXPECT_NEAR(Util(result, UtilKind::LocalMomMajor), 70e3 / (kPhi * kMsx), 1e-9);
    EXPECT_NEAR(Util(result, UtilKind::LocalMomMinor), 10e3 / (kPhi * kMsy), 1e-9);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), 0.44504, 1e-4);
    EXPECT_EQ(result.Flags(), 0u);

    const auto& f = result.DesFormat();
    EXPECT_TRUE(HasPiece(result,
                         L"<b>Biaxial bending interaction</b>\n\t<i>ref. AS 4100:1998 cl. "
                         L"8.3.4 </i>\n"));
    const double mrx = 1.18 * kMsx;
    const double rx = 70e3 / (kPhi * mrx);
    EXPECT_TRUE(HasPiece(result, L"Mx/(Phi*Mrx) = " + f.Moment(70e3) + L"/(" + f.NoDim(0.9) + L"*" +
                                     f.Moment(mrx) + L")= " + f.NoDim(rx) + L"\n"));
}

// 310UB40.4, 300PLUS: compact in bending but kf = 0.952 (web 52.6 > 45), so its overall class
// is Slender and the combined check is linear. N = −300 kN, Mx = 100 kN·m:
// Ns = 4960 mm² · 320 MPa = 1587.2 kN, un = 0.2100; umx = 100/(0.9·202.56) = 0.5485.
TEST(LocalCheckFormA, SlenderInCompressionFallsBackToTheLinearForm) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    Act(s, -300e3, 100e3, 0.0);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_EQ(result.Report()[1].text, L"Section is: <b>Slender</b> in bending and compression\n");
    EXPECT_NEAR(Util(result, UtilKind::LocalAxial), 0.21001, 1e-4);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), 0.21001 + 0.54853, 1e-4);
    const auto& f = result.DesFormat();
    EXPECT_TRUE(HasPiece(result,
                         L"<b>Axial compression:</b>\n\t<i>ref. AS 4100:1998 cl. "
                         L"6.2</i>\n"));
    EXPECT_TRUE(HasPiece(result, L"Kf = Ae/Ag\n   = " + f.AreaCS(4960.1e-6) + L"/" +
                                     f.AreaCS(5210e-6) + L"\n   = " + f.NoDim(0.952027) + L"\n"));
    EXPECT_TRUE(HasPiece(result, L"N/(Phi*Ns) = " + f.Force(300e3) + L"/(" + f.NoDim(0.9) + L"*" +
                                     f.Force(1587218.8) + L") = " + f.Util(0.210011) + L"\n"));
}

// A calculator that reports the section compact although kf < 1 takes the web-slenderness form
// of Mrx: 202.56·(1 − 0.21)·(1 + 0.018·(82 − 52.6)/(82 − 115)) = 157.45 kN·m, γ = 1.61,
// uc = (100/(0.9·157.45))^1.61 = 0.5705.
TEST(LocalCheckFormA, FormFactorBelowOneUsesTheWebSlendernessTerm) {
    CompactStandIn s(Catalogued("310UB40.4", "300PLUS"));
    Act(s, -300e3, 100e3, 0.0);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), 0.57049, 1e-4);
}

// Tension n = N/(φ·Nt) = 0.5 on 250UB37.3 (Nt = Ag·fy = 1520 kN): γ = 1.9, Mrx = 0.59 Msx,
// Mry = 1.19·(1 − 0.25) Msy = 0.8925 Msy; Mx = 50, My = 5 kN·m give 0.4189.
TEST(LocalCheckFormA, TensionUsesTheUnreducedFormWithGammaFromTension) {
    CSectionCalcI s = Catalogued("250UB37.3", "300PLUS");
    Act(s, 0.5 * kPhi * kNs, 50e3, 5e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_EQ(result.Report()[0].text, L"Tension and bending check\n");
    EXPECT_EQ(result.Report()[1].text, L"Section is: <b>Compact</b> in bending and compression\n");
    EXPECT_NEAR(Util(result, UtilKind::LocalAxial), 0.5, 1e-12);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), 0.41893, 1e-4);
    const auto& f = result.DesFormat();
    EXPECT_TRUE(HasPiece(result, L"<b>Axial tension:</b>\n\t<i>ref. AS 4100:1998 cl. 7.2</i>\n"));
    EXPECT_TRUE(HasPiece(result, L"N/(Phi*Ns) = " + f.Force(684e3) + L"/(" + f.NoDim(0.9) + L"*" +
                                     f.Force(kNs) + L")\n           = " + f.Util(0.5) + L"\n"));
    EXPECT_TRUE(HasPiece(result, L"Mx/(Phi*Msxx) = " + f.Moment(50e3) + L"/(" + f.NoDim(0.9) +
                                     L"*" + f.Moment(kMsx) + L")\n              = " +
                                     f.Util(50e3 / (kPhi * kMsx)) + L"\n"));
    EXPECT_TRUE(HasPiece(result, L"Vx/(Phi*Vvx) = " + f.Force(0.0) + L"/(" + f.NoDim(0.9) + L"*" +
                                     f.Force(0.6 * 320e6 * 2 * 0.146 * 0.0109) +
                                     L")\n             = " + f.Util(0.0) + L"\n"));
}

// 150UC23.4, 300PLUS, non-compact: linear sum. N = −150 kN, Ns = 2980 · 320 = 953.6 kN;
// Msx = 320 · 175.93 = 56.30 kN·m, Msy = 320 · 73.46 = 23.51 kN·m.
TEST(LocalCheckFormC, NonCompactSectionAddsTheThreeRatios) {
    CSectionCalcI s = Catalogued("150UC23.4", "300PLUS");
    Act(s, -150e3, 25e3, 5e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    const double un = 150e3 / (kPhi * 953.6e3);
    const double umx = 25e3 / (kPhi * 320e6 * 175.933e-6);
    const double umy = 5e3 / (kPhi * 320e6 * 73.4627e-6);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), un + umx + umy, 1e-5);
    EXPECT_NEAR(un + umx + umy, 0.9045, 1e-4);
    const auto& f = result.DesFormat();
    EXPECT_TRUE(HasPiece(result, L"N/(Phi*Ns) + Mx/(Phi*Msxx) + My/(Phi*Msyy) = ( " + f.NoDim(un) +
                                     L" + " + f.NoDim(umx) + L" + " + f.NoDim(umy) + L" ) = " +
                                     f.Util(un + umx + umy) + L"\n"));
    EXPECT_EQ(result.Flags(), 0u);

    // In tension the same sum has its equals sign on a new, tabbed line.
    Act(s, 150e3, 25e3, 5e3);
    CMemberResult tension;
    s.LocalCapacityCheck(&tension);
    EXPECT_TRUE(HasPiece(tension, L"<i>ref. AS 4100:1998 cl. 8.3.4</i>\n"));
    bool found = false;
    for (const auto& piece : tension.Report())
        found |= piece.text.starts_with(L"N/(Phi*Ns) + Mx/(Phi*Msxx) + My/(Phi*Msyy)\n\t= ( ");
    EXPECT_TRUE(found);
}

// Resultant moment for circular sections: M = sqrt(60² + 20²) = 63.25 kN·m against φ·Msx.
TEST(LocalCheckFormB, CircularSectionUsesTheResultantMoment) {
    CircularStandIn s(Catalogued("250UB37.3", "300PLUS"));
    Act(s, -200e3, 60e3, 20e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    const double un = 200e3 / (kPhi * kNs);
    const double um = std::hypot(60e3, 20e3) / (kPhi * kMsx);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), un + um, 1e-9);
    const auto& f = result.DesFormat();
    EXPECT_TRUE(
        HasPiece(result, L"M = sqrt(Mx^2+My^2) = " + f.Moment(std::hypot(60e3, 20e3)) + L"\n"));
    EXPECT_TRUE(HasPiece(result, L"N/(Phi*Ns) + M/(Phi*Ms) \n\t= ( " + f.NoDim(un) + L" + " +
                                     f.NoDim(um) + L" ) = " + f.Util(un + um) + L"\n"));
}

// A ratio of exactly 1 flags the point (0x10) but is not a failure of its kind.
TEST(LocalCheckFlags, RatioOfOneAndRatioAboveOne) {
    CSectionCalcI s = Catalogued("150UC23.4", "300PLUS");
    const double ns = s.Area() * s.DesignStressMin();
    Act(s, -(ns * kPhi), 0.0, 0.0);
    CMemberResult atOne;
    s.LocalCapacityCheck(&atOne);
    EXPECT_EQ(Util(atOne, UtilKind::LocalAxial), 1.0);
    EXPECT_EQ(atOne.Flags() & ~Flag::Failed, Flag::LocalFail);
    EXPECT_FALSE(HasPiece(atOne, L"<b><red>Fail:</red></b>\n"));

    Act(s, -1.1 * ns * kPhi, 0.0, 60e3);
    CMemberResult above;
    s.LocalCapacityCheck(&above);
    const unsigned expected = Flag::LocalFail | Flag::LocalAxialFail | Flag::LocalMinorMomentFail;
    EXPECT_EQ(above.Flags() & ~Flag::Failed, expected);
    EXPECT_TRUE(HasPiece(above, L"<b><red>Fail:</red></b>\n"));
}

// A moment at φ·Ms leaves no shear capacity: the shear ratio is infinite.
TEST(LocalCheckFlags, MomentAtCapacityMakesTheShearRatioInfinite) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    Act(s, 0.0, 1.01 * kPhi * 202.56e3, 0.0, 0.0, 0.0, 1e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_EQ(Util(result, UtilKind::LocalShearMinor), std::numeric_limits<double>::infinity());
    EXPECT_EQ(result.Flags() & Flag::LocalMajorMomentFail, Flag::LocalMajorMomentFail);
}

// Tcsv of 310UB40.4 = 2.8437 kN·m: 4.9 % stores the ratio only, 5 % also warns.
TEST(LocalCheckTorsion, WarningFromFivePercent) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    const double tcsv = s.TorsionCapacity(nullptr);
    Act(s, 0.0, 0.0, 0.0, -0.049 * tcsv);
    CMemberResult low;
    s.LocalCapacityCheck(&low);
    EXPECT_NEAR(Util(low, UtilKind::LocalTorsion), 0.049, 1e-12);
    EXPECT_EQ(low.Flags() & Flag::TorsionWarning, 0u);

    Act(s, 0.0, 0.0, 0.0, 0.05 * tcsv);
    CMemberResult warned;
    s.LocalCapacityCheck(&warned);
    EXPECT_EQ(warned.Flags() & Flag::TorsionWarning, Flag::TorsionWarning);
    EXPECT_TRUE(HasPiece(warned,
                         L"<b><orange>Warning:</orange></b> Torsion not properly "
                         L"supported!\n"));
    EXPECT_TRUE(HasPiece(warned,
                         L"Applied torsion causes shear stress of greater than 5% of "
                         L"capacity\n"));
    const auto& f = warned.DesFormat();
    EXPECT_TRUE(HasPiece(warned, L"Simple St. Venant torsion check:\n"));
    EXPECT_TRUE(HasPiece(warned, L"\tT/Tcsv = ( " + f.Moment(0.05 * tcsv)));
    EXPECT_TRUE(HasPiece(warned, L" / " + f.Moment(tcsv)));
}

TEST(LocalCheckSink, NullResultWritesNothingAndDoesNotFail) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    Act(s, -2e6, 3e5, 5e4, 1e3, 2e5, 1e5);
    s.LocalCapacityCheck(nullptr);
    CMemberResult silent;
    silent.EnableText(false);
    s.LocalCapacityCheck(&silent);
    EXPECT_TRUE(silent.Report().empty());
    EXPECT_NE(silent.Flags() & Flag::LocalFail, 0u);
}

// Strut: principal moments at 45°, Msu = 320 · 400 = 128 kN·m, Msv = 32 kN·m, linear sum,
// no torsion check.
TEST(LocalCheckStrut, PrincipalAxesAndLinearInteraction) {
    StrutStandIn s(Catalogued("250UB37.3", "300PLUS"));
    Act(s, -100e3, 10e3, 0.0, 1e3);
    CMemberResult result;
    s.LocalCapacityCheck(&result);
    EXPECT_EQ(result.Report()[0].text, L"Compression check\n");
    EXPECT_EQ(result.Report()[1].text, L"Section is: <b>Compact</b> in compression\n");
    const double mu = 10e3 * std::sqrt(0.5);
    const double umu = mu / (kPhi * 128e3);
    const double umv = mu / (kPhi * 32e3);
    const double un = 100e3 / (kPhi * kNs);
    EXPECT_NEAR(Util(result, UtilKind::LocalMomMajor), umu, 1e-9);
    EXPECT_NEAR(Util(result, UtilKind::LocalMomMinor), umv, 1e-9);
    EXPECT_NEAR(Util(result, UtilKind::LocalCombined), un + umu + umv, 1e-9);
    EXPECT_FALSE(result.GetEntry(0).set[static_cast<int>(UtilKind::LocalTorsion)]);
    EXPECT_TRUE(HasPiece(result, L"<b>X axis shear:</b>\n\t<i>ref. AS 4100:1998 cl. 5.11.1</i>\n"));
    const auto& f = result.DesFormat();
    EXPECT_TRUE(HasPiece(result, L"N/(Phi*Ns) + Mu/(Phi*Msuu) + Mv/(Phi*Msvv) = ( " + f.NoDim(un) +
                                     L" + " + f.NoDim(umu) + L" + " + f.NoDim(umv) + L" ) = " +
                                     f.Util(un + umu + umv) + L"\n"));

    Act(s, 100e3, 10e3, 0.0);
    CMemberResult tie;
    s.LocalCapacityCheck(&tie);
    EXPECT_EQ(tie.Report()[0].text, L"Tension check:\n");
    EXPECT_TRUE(
        HasPiece(tie, L"<b>Minor axis shear:</b>\n\t<i>ref. AS 4100:1998 cl. 5.11.1</i>\n"));
    for (const auto& piece : tie.Report()) EXPECT_FALSE(piece.text.starts_with(L"Section is:"));
}
