// The angle calculator against hand calculations: leg classes, effective area and principal
// moduli in 300PLUS and Grade 350 (Table 5.2, cl. 5.2, 6.2.4), the connection factor kt and
// tension capacity (cl. 7.2, 7.3), the principal moments, the v-v column strength and the
// flexural-torsional load of a strut (cl. 6.3.3) and the strut section check in principal axes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "shapes/IcalcSupport.h"
#include "shapes/SectionCalcAngle.h"

namespace {

using Arbor::Data::CRestraint;
using Arbor::Steel::CMemberResult;
using Arbor::Steel::UtilKind;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CSectionCalcAngle;
namespace TL = Arbor::Steel::SteelAS4100::TorsionalLoads;

constexpr double mm3 = 1e-9;
constexpr double kInf = std::numeric_limits<double>::infinity();

CSectionCalcAngle Catalogued(std::string_view designation, std::string_view grade = "300PLUS") {
    return icalc::Catalogued<CSectionCalcAngle>(designation, grade);
}

// An angle by its legs (mm), hot-rolled, without radii, in 300PLUS.
CSectionCalcAngle ByLegs(double d, double b, double t) {
    return icalc::Calculator<CSectionCalcAngle>(
        icalc::Dimensioned(Arbor::Data::SecShape::Angle, {d, b, t, 0.0, 0.0}),
        *Arbor::Data::Catalogue::Instance().FindGrade("300PLUS"));
}

// Principal moments Mu, Mv of +1 N·m each (α = 45°: Mx = 0, My = √2).
void PositivePrincipalMoments(CSectionCalcAngle& a) {
    a.SetMomentXX(0.0);
    a.SetMomentYY(std::sqrt(2.0));
}

// fy = 320 MPa (300PLUS) or 360 MPa (Grade 350) below 11 mm. Leg λe = ((b − t)/t)·√(fy/250):
// 75x75x6 11.5·1.1314 = 13.011 (300PLUS), 11.5·1.2 = 13.8 (Grade 350); 150x150x10 (t 9.5)
// 14.789·1.1314 = 16.732, 14.789·1.2 = 17.747. Uniform compression λey = 16 (HR): the larger
// leg of the 150 is slender, each leg losing t·(b − t)·(1 − 16/λe) (cl. 6.2.4):
// Ae = 2790 − 2·1334.75·0.04377 = 2673.16 mm² (kf 0.95812), or 2527.17 mm² (kf 0.90579).
// About u-u and v-v the legs are under a stress gradient, λep 9, λey 25: non-compact, so
// Ze = Z + (min(1.5Z, S) − Z)·(25 − λe)/16, e.g. Zeu = 13600 + 6800·0.7493 = 18695.4 mm³.
TEST(AngleCalculator, FormFactorAndPrincipalModuliInBothGrades) {
    const struct {
        const char* name;
        const char* grade;
        double kf, zeu, zev;
    } cases[] = {
        {"75x75x6EA", "300PLUS", 1.0, 18695.4, 8852.8},
        {"75x75x6EA", "Grade 350", 1.0, 18360.0, 8694.0},
        {"150x150x10EA", "300PLUS", 0.958120, 114007.7, 54487.1},
        {"150x150x10EA", "Grade 350", 0.905794, 111134.0, 53113.7},
    };
    for (const auto& c : cases) {
        CSectionCalcAngle a = Catalogued(c.name, c.grade);
        EXPECT_NEAR(a.AreaCompEffective() / a.Area(), c.kf, 1e-5) << c.name << c.grade;
        EXPECT_EQ(a.AlphaB(a.AreaCompEffective() / a.Area()), c.kf == 1.0 ? 0.5 : 1.0);
        PositivePrincipalMoments(a);
        EXPECT_NEAR(a.ZuuEffective() / mm3, c.zeu, 0.2) << c.name << c.grade;
        EXPECT_NEAR(a.ZvvEffective() / mm3, c.zev, 0.2) << c.name << c.grade;
        // Heel in compression about v-v (Mv < 0): min(1.5Z, S) whatever the legs.
        a.SetMomentYY(-std::sqrt(2.0));
        EXPECT_NEAR(a.ZvvEffective(), std::min(1.5 * a.Zvv(), a.Svv()), 1e-12) << c.name;
    }
    // About x with Mx > 0 the depth leg (stress gradient) governs: 8350 + 4175·0.74933.
    CSectionCalcAngle a = Catalogued("75x75x6EA");
    a.SetMomentXX(1.0);
    EXPECT_NEAR(a.ZxxEffective() / mm3, 11478.4, 0.2);
}

TEST(AngleCalculator, LegClassesAndTheirFlag) {
    // 75 × 150 × 6: the depth leg 13.01 (non-compact under a gradient), the width leg
    // 24·1.1314 = 27.15, slender in uniform compression.
    CSectionCalcAngle a = ByLegs(75, 150, 6);
    a.SetMomentXX(-1.0);  // only the depth leg is compressed
    EXPECT_EQ(a.BucklingClassXX(nullptr), CAS4100_98Section::NonCompact);
    a.SetMomentXX(1.0);
    CMemberResult result;
    EXPECT_EQ(a.BucklingClassXX(&result), CAS4100_98Section::Slender);
    EXPECT_EQ(result.Flags() & 0x100000u, 0x100000u);
    CSectionCalcAngle compact = Catalogued("75x75x6EA");
    EXPECT_EQ(compact.BucklingClassComp(nullptr), CAS4100_98Section::Compact);
    EXPECT_EQ(Catalogued("150x150x10EA").BucklingClassComp(nullptr), CAS4100_98Section::Slender);
}

// Table 7.3.2: an unequal angle (b > d) connected eccentrically through its shorter (depth)
// leg alone has kt = 0.75; through the longer one, or with no connection given, 0.85. With
// An = 0.85·Ag: Nt = Ag·min(320, 0.85·0.75·0.85·440) MPa = 238.425 MPa·Ag (cl. 7.2).
TEST(AngleCalculator, ConnectionFactorTensionCapacityAndEccentricity) {
    CSectionCalcAngle a = ByLegs(50, 75, 6);
    EXPECT_DOUBLE_EQ(a.Kt(), 0.85);
    a.SetMemberRestraint(CRestraint(0x80000));  // rule 4: depth leg, eccentric
    EXPECT_DOUBLE_EQ(a.Kt(), 0.75);
    a.SetNetAreaRatio(0.85);
    EXPECT_NEAR(a.Pt(nullptr) / a.Area(), 238.425e6, 1.0);
    a.SetMemberRestraint(CRestraint(0x20000));  // rule 5: width leg, eccentric
    EXPECT_DOUBLE_EQ(a.Kt(), 0.85);
    // The force acts at the connected leg's centre line: 40 kN of tension through the width
    // leg of a 75x75x6 (ȳ = 20.5 mm) gives ΔMx = −40 kN·(20.5 − 3) mm = −0.7 kN·m.
    // Unconnected, it acts at the centroid, and with no leg slender there is no eccentricity.
    CSectionCalcAngle b = Catalogued("75x75x6EA");
    b.SetForceAxial(40e3);
    EXPECT_DOUBLE_EQ(b.DeltaMxx(nullptr), 0.0);
    EXPECT_DOUBLE_EQ(b.DeltaMyy(nullptr), 0.0);
    b.SetMemberRestraint(CRestraint(0x20000));
    EXPECT_NEAR(b.DeltaMxx(nullptr), -700.0, 1e-6);
    EXPECT_NEAR(b.DeltaMyy(nullptr), 0.0, 1e-9);
}

TEST(AngleCalculator, PrincipalMomentsTakeTheLargestMagnitude) {
    const CSectionCalcAngle a = Catalogued("75x75x6EA");
    EXPECT_NEAR(a.Muu(2.0, 2.0, 0.0, 0.0), std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(a.Mvv(2.0, 2.0, 0.0, 0.0), -std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(a.Muu(1.0, -3.0, 0.0, 0.0), -3.0 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(a.Mvv(0.0, 0.0, 1.0, -1.0), 1.0 / std::sqrt(2.0), 1e-12);  // the first of a tie
}

// 75x75x6EA strut, le = 2.4 m, fy = 320 MPa, Ns = 867 × 320 = 277.44 kN, αb = 0.5.
// v-v: rv = √(187000/867) = 14.686 mm, λn = 163.42·1.1314 = 184.89, αa = 10.775,
// λ = 190.27, η = 0.5763, ξ = 0.67633, αc = 0.19291, Nc = 53.52 kN.
// Flexural-torsional: NcrX = NcrY = π²·E·455000 mm⁴/2.4² = 155.93 kN, x0 = y0 = 17.5 mm,
// i0² = 2·524.80 + 2·306.25 = 1662.10 mm², NcrT = G·J/i0² = 80000·11200/1662.10 = 539.08 kN.
// The cubic has the root NcrX and two of (1662.10·N² … ): its smallest, 138.33 kN, gives
// λn = 90·√(277.44/138.33) = 127.46 and Nc = 97.29 kN.
TEST(AngleCalculator, StrutBucklingLoadsByHand) {
    const CSectionCalcAngle a = Catalogued("75x75x6EA");
    double ncrV = 0.0, ncrX = 0.0, ncrY = 0.0, ncrT = 0.0, ncrTF = 0.0;
    EXPECT_NEAR(a.Ncvv(2.4, ncrV, nullptr), 53.52e3, 30.0);
    a.Ncxx(2.4, ncrX, nullptr);
    a.Ncyy(2.4, ncrY, nullptr);
    EXPECT_NEAR(ncrX, 155.926e3, 5.0);
    a.NcT(2.4, ncrT, nullptr);
    EXPECT_NEAR(ncrT, 539.078e3, 5.0);
    EXPECT_NEAR(a.NcTF(ncrX, ncrY, ncrT, ncrTF, nullptr), 97.29e3, 30.0);
    EXPECT_NEAR(ncrTF, 138.33e3, 5.0);
}

// With the shear centre on one axis the cubic factors into the uncoupled flexural load and
// the closed form of a singly symmetric section: y0 = 0 couples NcrX with torsion, x0 = 0
// NcrY. Its coefficients taken in the wrong order would give a root near zero instead.
TEST(AngleCalculator, FlexuralTorsionalCubicAgainstTheClosedForm) {
    const double x0 = 0.015, ix = 0.03, iy = 0.02;
    const TL::PolarRadii onX{ix, iy, x0, 0.0, ix * ix + iy * iy + x0 * x0};
    const TL::PolarRadii onY{ix, iy, 0.0, x0, onX.i0Squared};
    const double beta = TL::Beta(onX);
    for (double ncrX : {5e5, 1.2e5}) {
        const double ncrY = 2e5, ncrT = 3e5;
        EXPECT_NEAR(CSectionCalcAngle::ElasticFlexuralTorsional(onX, ncrX, ncrY, ncrT),
                    std::min(ncrY, TL::ElasticFlexuralTorsional(ncrX, ncrT, beta)), 1e-3);
        EXPECT_NEAR(CSectionCalcAngle::ElasticFlexuralTorsional(onY, ncrX, ncrY, ncrT),
                    std::min(ncrX, TL::ElasticFlexuralTorsional(ncrY, ncrT, beta)), 1e-3);
    }
    EXPECT_EQ(CSectionCalcAngle::ElasticFlexuralTorsional(onX, 5e5, 2e5, kInf), kInf);
}

// cl. 8.3.4 in principal axes on a 75x75x6EA strut: N = 100 kN, Mx = 1 kN·m, so
// Mu = 0.7071 kN·m (toe of the width leg compressed: Msu = 320·18695.4 = 5.983 kN·m) and
// Mv = −0.7071 kN·m (heel compressed: Zev = 1.5·6440 = 9660, Msv = 3.091 kN·m);
// 0.4005 + 0.1313 + 0.2542 = 0.7860.
TEST(AngleCalculator, StrutSectionCheckInPrincipalAxes) {
    CSectionCalcAngle a = Catalogued("75x75x6EA");
    a.SetForceAxial(-100e3);
    a.SetMomentXX(1e3);
    CMemberResult result;
    result.IniDynaArray(1);
    result.SetCurrentIndex(0);
    a.LocalCapacityCheck(&result);
    EXPECT_NEAR(result.Util(0, UtilKind::LocalAxial), 0.40049, 1e-4);
    EXPECT_NEAR(result.Util(0, UtilKind::LocalMomMajor), 0.13133, 1e-4);
    EXPECT_NEAR(result.Util(0, UtilKind::LocalMomMinor), 0.25417, 1e-4);
    EXPECT_NEAR(result.Util(0, UtilKind::LocalCombined), 0.78599, 2e-4);
    EXPECT_EQ(result.Util(0, UtilKind::LocalTorsion), 0.0);  // no torsion check for a strut
}

}  // namespace
