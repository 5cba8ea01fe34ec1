// Rectangular, square and circular hollow section calculators against hand calculations to
// AS 4100: classes and effective moduli (Table 5.2, cl. 5.2.3 to 5.2.5), kf (cl. 6.2.4), the
// cold-formed column curve (cl. 6.3.3, αb = −0.5), shear (cl. 5.11), torsion, Mo (cl. 5.6.1.1),
// full lateral restraint (cl. 5.3.2.4) and αb (Table 6.3.3) by residual stress category.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shapes/IcalcSupport.h"
#include "shapes/SectionCalcCHS.h"
#include "shapes/SectionCalcRHS.h"

namespace {

using namespace icalc;
using Arbor::Steel::SteelAS4100::CSectionCalcCHS;
using Arbor::Steel::SteelAS4100::CSectionCalcRHS;
namespace Flag = Arbor::Steel::ResultFlag;
using BC = CAS4100_98Section::BucklingClass;

constexpr double kHalfPercent = 0.005;

Arbor::Data::CSteelGrade OneBand(double fyMPa) {
    Arbor::Data::GradeBand band;
    band.fy = fyMPa * 1e6;
    band.fu = 1.2 * band.fy;
    return Arbor::Data::CSteelGrade(L"test grade", {band});
}

template <class Calc>
Calc Catalogued(const char* name, double fyMPa = 350.0) {
    Calc section;
    const auto* entry = Arbor::Data::Catalogue::Instance().FindSection(name);
    EXPECT_TRUE(entry && section.SetArborSec(entry->section, nullptr)) << name;
    section.SetSteelDesignProp(OneBand(fyMPa));
    return section;
}

// A tube from its dimensions in millimetres (CHS: D, t; RHS: D, B, tf, tw).
template <class Calc>
Calc FromDimensions(std::vector<double> mm, unsigned category, double fyMPa = 350.0) {
    Arbor::Data::CSection record(L"test tube");
    record.SetShape(mm.size() == 2 ? Arbor::Data::SecShape::CHS : Arbor::Data::SecShape::RHS);
    for (double& d : mm) d *= 1e-3;
    record.SetDimensions(mm);
    record.SetCategory(category);
    Calc section;
    EXPECT_TRUE(section.SetArborSec(record, nullptr));
    section.SetSteelDesignProp(OneBand(fyMPa));
    return section;
}

struct Expected {
    BC x, y;
    double zex, zey, kf;  // mm³, mm³, –
};

template <class Calc>
void ExpectClassesAndModuli(Calc s, const Expected& e, const std::string& name) {
    EXPECT_EQ(s.BucklingClassXX(nullptr), e.x) << name;
    EXPECT_EQ(s.BucklingClassYY(nullptr), e.y) << name;
    EXPECT_NEAR(s.ZxxEffective() * 1e9, e.zex, e.zex * 1e-4) << name;
    EXPECT_NEAR(s.ZyyEffective() * 1e9, e.zey, e.zey * 1e-4) << name;
    EXPECT_NEAR(s.AreaCompEffective() / s.Area(), e.kf, 1e-4) << name;
}

// C350L0, ε = √1.4 = 1.1832; flat widths b = B − 2t, d = D − 2t; λep 30, λey 40 (flange,
// cold-formed), 82/115 (web in bending); 40 in uniform compression.
//  100x100x6SHS: λ = 88/6·ε = 17.35: compact, Ze = min(S, 1.5Z) = S = 73.5e3, kf = 1.
//  150x50x5RHS: about x λf = 40/5·ε = 9.47, λw = 140/5·ε = 33.13: compact, Zex = Sx = 78.9e3.
//    About y the 140 mm walls are the flanges: λ = 33.13 non-compact, Zey = 30.6e3 +
//    (35.7e3 − 30.6e3)·(40 − 33.13)/(40 − 30) = 34.104e3; kf = 1 (33.13 ≤ 40).
//  250x250x6SHS: λ = 238/6·ε = 46.934 > 40: slender, linear rule Ze = 450e3·40/46.934 =
//    383.52e3; be = 40·238/46.934 = 202.84 mm, Ae = 5730 − 4·35.16·6 = 4886.1, kf = 0.85272.
TEST(HollowClasses, RectangularCompactNonCompactSlenderByHand) {
    ExpectClassesAndModuli(Catalogued<CSectionCalcRHS>("100x100x6SHS"),
                           {BC::Compact, BC::Compact, 73.5e3, 73.5e3, 1.0}, "100x100x6SHS");
    ExpectClassesAndModuli(Catalogued<CSectionCalcRHS>("150x50x5RHS"),
                           {BC::Compact, BC::NonCompact, 78.9e3, 34.104e3, 1.0}, "150x50x5RHS");
    ExpectClassesAndModuli(Catalogued<CSectionCalcRHS>("250x250x6SHS"),
                           {BC::Slender, BC::Slender, 383.52e3, 383.52e3, 0.85272}, "250x250x6SHS");
}

// λ = (D/t)·(fy/250), λep 50 and λey 120 (cold-formed), 82 in compression.
//  168.3x7.1CHS C350: λ = 33.19, compact, Ze = min(185e3, 1.5·139e3) = 185e3, kf = 1.
//  508x6.4CHS C350: λ = 111.13, non-compact: Ze = 1250e3 + (1610e3 − 1250e3)·(120 − 111.13)/70
//    = 1295.6e3; slender in compression: de = 508·√(82/111.13) = 436.38 mm (< 508·(246/λ)²),
//    Ae = π/4·(436.38² − 423.58²) = 8645.3 mm², kf = 8645.3/10100 = 0.85597.
//  600 × 5 mm, 350 MPa: λ = 168 > 120, Z = π/64·(600⁴ − 590⁴)/300 = 1378.76e3,
//    Ze = Z·min(√(120/168), (240/168)²) = 0.84515·Z = 1165.27e3; de = 600·√(82/168) = 419.18,
//    Ae = π/4·(419.18² − 409.18²) = 6505.9 of Ag = π/4·(600² − 590²) = 9346.2, kf = 0.69611.
TEST(HollowClasses, CircularCompactNonCompactSlenderByHand) {
    ExpectClassesAndModuli(Catalogued<CSectionCalcCHS>("168.3x7.1CHS"),
                           {BC::Compact, BC::Compact, 185e3, 185e3, 1.0}, "168.3x7.1CHS");
    ExpectClassesAndModuli(Catalogued<CSectionCalcCHS>("508x6.4CHS"),
                           {BC::NonCompact, BC::NonCompact, 1295.64e3, 1295.64e3, 0.85597},
                           "508x6.4CHS");
    const auto thin = FromDimensions<CSectionCalcCHS>({600, 5}, RS::CF);
    ExpectClassesAndModuli(thin, {BC::Slender, BC::Slender, 1165.27e3, 1165.27e3, 0.69611}, "");
}

// A slender section flags slender bending (both axes); in compression a slender flange and a
// slender web each add their own flag (a square tube has both). A CHS adds none in compression.
TEST(HollowClasses, SlenderFlags) {
    CMemberResult bending, compression, circular;
    auto shs = Catalogued<CSectionCalcRHS>("250x250x6SHS");
    shs.BucklingClassYY(&bending);
    EXPECT_EQ(bending.Flags(), Flag::SlenderBending);
    shs.BucklingClassComp(&compression);
    EXPECT_EQ(compression.Flags(), Flag::SlenderFlange | Flag::SlenderWeb);
    auto chs = FromDimensions<CSectionCalcCHS>({600, 5}, RS::CF);
    chs.BucklingClassComp(&circular);
    EXPECT_EQ(circular.Flags(), 0u);
    chs.BucklingClassYY(&circular);
    EXPECT_EQ(circular.Flags(), Flag::SlenderBending);
}

// Table 6.3.3 by category (HW, HR, CF, LW, SR, an unknown code) for kf = 1 (and within 1e-6
// of it), kf < 1 and kf > 1. Welded categories differ between the two shapes.
TEST(HollowAlphaB, ByCategoryAndFormFactor) {
    struct Row {
        unsigned category;
        double rhs[3], chs[3];  // kf = 1, kf < 1, kf > 1
    };
    const Row rows[] = {{RS::HW, {0.0, 0.0, 1.0}, {0.5, 1.0, 1.0}},
                        {RS::HR, {-1.0, -0.5, 1.0}, {-1.0, -0.5, 1.0}},
                        {RS::CF, {-0.5, -0.5, 1.0}, {-0.5, -0.5, 1.0}},
                        {RS::LW, {0.0, 0.0, 1.0}, {0.5, 1.0, 1.0}},
                        {RS::SR, {-1.0, -0.5, 1.0}, {-1.0, -0.5, 1.0}},
                        {7, {0.5, 1.0, 1.0}, {0.5, 1.0, 1.0}}};
    for (const Row& r : rows) {
        const auto rhs = FromDimensions<CSectionCalcRHS>({100, 50, 4, 4}, r.category);
        const auto chs = FromDimensions<CSectionCalcCHS>({100, 4}, r.category);
        for (int i = 0; i < 3; ++i) {
            const double kf = i == 0 ? 0.9999995 : i == 1 ? 0.9 : 1.1;
            EXPECT_EQ(rhs.AlphaB(kf), r.rhs[i]) << r.category << " kf " << kf;
            EXPECT_EQ(chs.AlphaB(kf), r.chs[i]) << r.category << " kf " << kf;
        }
    }
}

// Cold-formed tubes on the column curve (cl. 6.3.3, αb = −0.5, kf = 1), C350L0, Le = 4.0 m:
//  114.3x4.5CHS: r = √(2.34e6/1550) = 38.855 mm, λn = 4000/38.855·√1.4 = 121.81,
//    αa = 2100·108.31/(121.81² − 15.3·121.81 + 2050) = 15.139, λ = 121.81 − 0.5·15.139 = 114.24,
//    η = 0.32841, ξ = 0.91224, αc = 0.45232, Nc = 0.45232·1550·350 = 245.38 kN.
//  150x150x6SHS: r = 58.253 mm, λn = 81.247, αa = 19.205, λ = 71.645, αc = 0.73753,
//    Nc = 0.73753·3330·350 = 859.59 kN.
// The circular tube reports one heading for every axis and answers y-y as x-x.
TEST(HollowColumn, ColdFormedTubesOnTheColumnCurveByHand) {
    double ncr = 0.0;
    const auto chs = Catalogued<CSectionCalcCHS>("114.3x4.5CHS");
    EXPECT_NEAR(chs.Ncxx(4.0, ncr, nullptr), 245.38e3, 245.38e3 * kHalfPercent);
    EXPECT_EQ(chs.Ncyy(4.0, ncr, nullptr), chs.Ncxx(4.0, ncr, nullptr));
    const auto shs = Catalogued<CSectionCalcRHS>("150x150x6SHS");
    EXPECT_NEAR(shs.Ncyy(4.0, ncr, nullptr), 859.59e3, 859.59e3 * kHalfPercent);
    CMemberResult result;
    chs.Ncyy(4.0, ncr, &result);
    EXPECT_TRUE(HasPiece(result, L"Determination of Nc\n<i>ref AS4100:1998 cl. 6.3.3</i>\n"));
}

// 150x50x5RHS C350, shear along D over the two webs: Aw = 2·140·5 = 1400 mm², Vu = 0.6·350·1400
// = 294 kN; fvm/fva = 1.5·(2·50 + 150)/(3·50 + 150) = 1.25, Vv = 2·294/(0.9 + 1.25) = 273.49 kN
// (cl. 5.11.3). Along B: Aw = 2·40·5 = 400 mm², ratio 1.5·(300 + 50)/(450 + 50) = 1.05 gives a
// factor above 1, so Vv = Vu = 84.0 kN (cl. 5.11.2). A CHS: Vv = 0.36·fy·Ag = 0.36·350·3600 =
// 453.6 kN for 168.3x7.1CHS, the same both ways. The largest elastic shear stress of 10 kN
// along D in a 100x100x6SHS: Q = 50²·50 − 44²·44 = 39816 mm³, fvm = Q·V/(2·I·t) = 10.914 MPa.
TEST(HollowShear, WebsOfABoxAndTheWholeTubeByHand) {
    CMemberResult major, minor, circular;
    const auto rhs = Catalogued<CSectionCalcRHS>("150x50x5RHS");
    EXPECT_NEAR(rhs.ShearCapacityY(&major), 273.488e3, 1.0);
    EXPECT_NEAR(rhs.ShearCapacityX(&minor), 84.0e3, 1e-6);
    const auto& f = major.DesFormat();
    EXPECT_TRUE(HasPiece(major, L"Vv = 2*Vu/(0.9+(fvm/fva))\n   = 2*" + f.Force(294e3) +
                                    L"/(0.9 + (" + f.NoDim(1.25) + L"))\n   = " +
                                    f.Force(273.488372e3) + L" ref. AS 4100:1998 cl. 5.11.3\n"));
    EXPECT_TRUE(HasPiece(minor, L"Vv = " + f.Force(84e3) + L" ref. AS 4100:1998 cl. 5.11.2\n"));
    auto shs = Catalogued<CSectionCalcRHS>("100x100x6SHS");
    shs.SetMemberForces(Vec3(0.0, 10e3, 10e3));
    EXPECT_NEAR(shs.MaxShearStressY(nullptr), 10.9145e6, 1e3);
    EXPECT_DOUBLE_EQ(shs.MaxShearStressX(nullptr), shs.MaxShearStressY(nullptr));
    const auto chs = Catalogued<CSectionCalcCHS>("168.3x7.1CHS");
    EXPECT_NEAR(chs.ShearCapacityX(&circular), 453.6e3, 1e-6);
    EXPECT_TRUE(HasPiece(circular, L"Vu = 0.36*Fy*Aw\n   = 0.36*" + f.Stress(350e6) + L" * " +
                                       f.AreaCS(3600e-6) + L"\n   = " + f.Force(453.6e3) + L"\n"));
}

// Torsion on the wall's mid-line (Bredt), T = 2·Am·t·fy/√3:
//  100x100x6SHS: Am = 94·94 mm² → 21.426 kN·m; 168.3x7.1CHS: Am = π·161.2²/4 → 58.562 kN·m.
TEST(HollowTorsion, BredtCapacityOnTheMidLine) {
    EXPECT_NEAR(Catalogued<CSectionCalcRHS>("100x100x6SHS").TorsionCapacity(nullptr), 21.426e3,
                1.0);
    EXPECT_NEAR(Catalogued<CSectionCalcCHS>("168.3x7.1CHS").TorsionCapacity(nullptr), 58.562e3,
                1.0);
}

// 150x50x5RHS over a 6 m F–F segment: J (Bredt, mid-line corner radius 10 mm) = 2.2855e6 mm⁴,
// Mo = √(π²·200e3·0.765e6/6000² · 80e3·2.2855e6) = 87.575 kN·m (cl. 5.6.1.1, no warping).
// cl. 5.3.2.4(c) with βm = 0: l/ry ≤ 1800·(50/150)·(250/350) = 428.57, ry = 20.559 mm, so a
// segment up to 8.81 m is fully restrained. P–P ends: kt = 1 + 2·0.5·(140/6000)·(5/10)³.
TEST(HollowBuckling, ClosedSectionMoaRestraintAndTwistFactor) {
    const auto rhs = Catalogued<CSectionCalcRHS>("150x50x5RHS");
    CMemberResult result;
    EXPECT_NEAR(rhs.Moa(Segment(6.0, kF, kF).Span(), &result, false, 0.0), 87.575e3, 5.0);
    EXPECT_NE(ReportText(result).find(L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*G*J )\n"),
              std::wstring::npos);
    EXPECT_TRUE(rhs.IsFullyRestrained(8.80, 0.0, nullptr));
    EXPECT_FALSE(rhs.IsFullyRestrained(8.82, 0.0, nullptr));
    EXPECT_NEAR(rhs.TwistFactor(Segment(6.0, kP, kP).Span()), 1.0029167, 1e-7);
}

// Turning a box 90° clockwise exchanges its axes and turns the actions with it; a square tube
// answers alike about both axes.
TEST(HollowTurn, ActionsTurnWithTheSectionAndSquareTubesAreAlike) {
    auto rhs = Catalogued<CSectionCalcRHS>("150x50x5RHS");
    const double zey = rhs.ZyyEffective(), vvx = rhs.ShearCapacityX(nullptr);
    rhs.SetMemberForces(Vec3(-1.0, 2.0, 3.0));  // N, Vy, Vx
    rhs.SetMemberMoments(Vec3(0.0, 10.0, 4.0));
    rhs.Rotate90Clockwise();
    EXPECT_EQ(rhs.MomentXX(), 4.0);
    EXPECT_EQ(rhs.MomentYY(), -10.0);
    EXPECT_EQ(rhs.ShearX(), 2.0);
    EXPECT_EQ(rhs.ShearY(), -3.0);
    EXPECT_DOUBLE_EQ(rhs.ZxxEffective(), zey);
    EXPECT_DOUBLE_EQ(rhs.ShearCapacityY(nullptr), vvx);
    EXPECT_FALSE(rhs.IsSquare());
    auto shs = Catalogued<CSectionCalcRHS>("100x100x6SHS");
    EXPECT_TRUE(shs.IsSquare());
    EXPECT_EQ(shs.ShearCapacityX(nullptr), shs.ShearCapacityY(nullptr));
}

// Cold-formed corner radii, inside and mid-line: t and 1.5t below 3 mm, 2t and 2.5t from 3 mm;
// a welded box has square corners.
TEST(HollowTurn, CornerRadiiOfTheTube) {
    struct Row {
        double t;
        unsigned category;
        double inner, mid;  // mm
    } rows[] = {{2.5, RS::CF, 2.5, 3.75}, {3.0, RS::CF, 6.0, 7.5}, {6.0, RS::HW, 0.0, 0.0}};
    for (const Row& r : rows) {
        const auto rhs = FromDimensions<CSectionCalcRHS>({100, 100, r.t, r.t}, r.category);
        EXPECT_NEAR(rhs.CornerRadiusInner() * 1e3, r.inner, 1e-9) << r.t;
        EXPECT_NEAR(rhs.CornerRadiusMid() * 1e3, r.mid, 1e-9) << r.t;
    }
}

}  // namespace
