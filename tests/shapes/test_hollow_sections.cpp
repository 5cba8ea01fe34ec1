// Rectangular, square and circular hollow section calculators against hand calculations to
// AS 4100 (their classes and moduli: test_classification.cpp): the cold-formed column curve
// (cl. 6.3.3, αb = −0.5), shear (cl. 5.11), torsion, Mo (cl. 5.6.1.1), full lateral restraint
// (cl. 5.3.2.4) and αb (Table 6.3.3) by residual stress category.
#include <gtest/gtest.h>

#include <vector>

#include "shapes/IcalcSupport.h"
#include "shapes/SectionCalcCHS.h"
#include "shapes/SectionCalcRHS.h"

namespace {

using namespace icalc;
using Arbor::Steel::SteelAS4100::CSectionCalcCHS;
using Arbor::Steel::SteelAS4100::CSectionCalcRHS;

constexpr double kHalfPercent = 0.005;

template <class Calc>
Calc Catalogued(const char* name) {
    return icalc::Catalogued<Calc>(name, "C350L0");
}

// A tube from its dimensions in millimetres (CHS: D, t; RHS: D, B, tf, tw), fy = 350 MPa.
template <class Calc>
Calc FromDimensions(const std::vector<double>& mm, unsigned category) {
    const int shape = mm.size() == 2 ? Arbor::Data::SecShape::CHS : Arbor::Data::SecShape::RHS;
    return Calculator<Calc>(Dimensioned(shape, mm, category), OneBand(350, 420));
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
TEST(HollowShear, WebsOfABoxAndTheWholeTubeAndBredtTorsionByHand) {
    CMemberResult major;
    const auto rhs = Catalogued<CSectionCalcRHS>("150x50x5RHS");
    EXPECT_NEAR(rhs.ShearCapacityY(&major), 273.488e3, 1.0);
    EXPECT_NEAR(rhs.ShearCapacityX(nullptr), 84.0e3, 1e-6);
    const auto& f = major.DesFormat();
    EXPECT_TRUE(HasPiece(major, L"Vv = 2*Vu/(0.9+(fvm/fva))\n   = 2*" + f.Force(294e3) +
                                    L"/(0.9 + (" + f.NoDim(1.25) + L"))\n   = " +
                                    f.Force(273.488372e3) + L" ref. AS 4100:1998 cl. 5.11.3\n"));
    auto shs = Catalogued<CSectionCalcRHS>("100x100x6SHS");
    shs.SetMemberForces(Vec3(0.0, 10e3, 10e3));
    EXPECT_NEAR(shs.MaxShearStressY(nullptr), 10.9145e6, 1e3);
    EXPECT_DOUBLE_EQ(shs.MaxShearStressX(nullptr), shs.MaxShearStressY(nullptr));
    const auto chs = Catalogued<CSectionCalcCHS>("168.3x7.1CHS");
    EXPECT_NEAR(chs.ShearCapacityX(nullptr), 453.6e3, 1e-6);
    // Torsion on the wall's mid-line (Bredt), T = 2·Am·t·fy/√3: 100x100x6SHS, Am = 94·94 mm²
    // → 21.426 kN·m; 168.3x7.1CHS, Am = π·161.2²/4 → 58.562 kN·m.
    EXPECT_NEAR(shs.TorsionCapacity(nullptr), 21.426e3, 1.0);
    EXPECT_NEAR(chs.TorsionCapacity(nullptr), 58.562e3, 1.0);
}

// 150x50x5RHS over a 6 m F–F segment: J (Bredt, mid-line corner radius 10 mm) = 2.2855e6 mm⁴,
// Mo = √(π²·200e3·0.765e6/6000² · 80e3·2.2855e6) = 87.575 kN·m (cl. 5.6.1.1, no warping).
// cl. 5.3.2.4(c) with βm = 0: l/ry ≤ 1800·(50/150)·(250/350) = 428.57, ry = 20.559 mm, so a
// segment up to 8.81 m is fully restrained. P–P ends: kt = 1 + 2·0.5·(140/6000)·(5/10)³.
TEST(HollowBuckling, ClosedSectionMoaRestraintAndTwistFactor) {
    const auto rhs = Catalogued<CSectionCalcRHS>("150x50x5RHS");
    EXPECT_NEAR(rhs.Moa(Segment(6.0, kF, kF).Span(), nullptr, false, 0.0), 87.575e3, 5.0);
    EXPECT_TRUE(rhs.IsFullyRestrained(8.80, 0.0, nullptr));
    EXPECT_FALSE(rhs.IsFullyRestrained(8.82, 0.0, nullptr));
    EXPECT_NEAR(rhs.TwistFactor(Segment(6.0, kP, kP).Span()), 1.0029167, 1e-7);
}

// Turning a box 90° clockwise exchanges its axes and turns the actions with it; a square tube
// answers alike about both axes.
TEST(HollowTurn, ActionsTurnWithTheSectionSquareTubesAreAlikeAndCornerRadii) {
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
    // Cold-formed corner radii, inside and mid-line: t and 1.5t below 3 mm, 2t and 2.5t from
    // 3 mm; a welded box has square corners.
    struct Row {
        double t;
        unsigned category;
        double inner, mid;  // mm
    } rows[] = {{2.5, RS::CF, 2.5, 3.75}, {3.0, RS::CF, 6.0, 7.5}, {6.0, RS::HW, 0.0, 0.0}};
    for (const Row& r : rows) {
        const auto box = FromDimensions<CSectionCalcRHS>({100, 100, r.t, r.t}, r.category);
        EXPECT_NEAR(box.CornerRadiusInner() * 1e3, r.inner, 1e-9) << r.t;
        EXPECT_NEAR(box.CornerRadiusMid() * 1e3, r.mid, 1e-9) << r.t;
    }
}

}  // namespace
