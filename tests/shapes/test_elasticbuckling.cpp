// Elastic buckling moment of an I section (cl. 5.6.1.1), the twist and lateral rotation
// restraint factors of Tables 5.6.3(1) and 5.6.3(3), and the full lateral restraint test of
// cl. 5.3.2.4.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shapes/IcalcSupport.h"

namespace {

using namespace icalc;

constexpr double kInf = std::numeric_limits<double>::infinity();

// 310UB40.4 over 6 m: d1 = 304 − 2 × 10.2 = 283.6 mm, tf/(2tw) = 10.2/12.2, so the increment of
// Table 5.6.3(1) is (283.6/6000)·(10.2/12.2)³ = 0.027623.
constexpr double kIncrement = 0.0276233;

TEST(TwistRestraintFactor, EndCombinationsOfTheTableAndTheCriticalFlange) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    auto kt = [&](unsigned left, unsigned right) {
        return section.TwistFactor(Segment(6.0, left, right).Span());
    };
    EXPECT_DOUBLE_EQ(kt(kF, kF), 1.0);
    EXPECT_DOUBLE_EQ(kt(kF, kL), 1.0);
    EXPECT_DOUBLE_EQ(kt(kL, kL), 1.0);
    EXPECT_DOUBLE_EQ(kt(kF, kU), 1.0);
    EXPECT_DOUBLE_EQ(kt(kU, kF), 1.0);
    EXPECT_NEAR(kt(kF, kP), 1.0 + kIncrement, 1e-6);
    EXPECT_NEAR(kt(kP, kU), 1.0 + kIncrement, 1e-6);
    EXPECT_NEAR(kt(kP, kP), 1.0 + 2.0 * kIncrement, 1e-6);
    EXPECT_EQ(kt(kL, kU), kInf);
    EXPECT_EQ(kt(kU, kL), kInf);
    EXPECT_EQ(kt(kU, kU), kInf);
    // The critical flange follows the moment. Flange 1 (bottom) 20 mm thick, flange 2 (top) 10 mm;
    // web 400 × 8 mm overall, d1 = 370 mm.
    CSectionCalcI mono = FromPlates({400, 200, 20, 200, 10, 8}, 300);
    // Mx ≤ 0: flange 1 critical, P ends hold flange 2: 1 + 2·(370/6000)·(20/16)³ = 1.24089.
    mono.SetMomentXX(-1e5);
    EXPECT_NEAR(mono.TwistFactor(Segment(6.0, kP, kP).Span()), 1.240885, 1e-6);
    // Mx > 0 compresses flange 2, and P ends hold flange 1: 1 + 2·(370/6000)·(10/16)³ = 1.03011.
    mono.SetMomentXX(1e5);
    const unsigned pTop = kSupport | 512 | 128;
    EXPECT_NEAR(mono.TwistFactor(Segment(6.0, pTop, pTop).Span()), 1.030111, 1e-6);
}

TEST(RotationalRestraintFactor, RestrainedEndsOfTheTable) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    auto kr = [&](unsigned left, unsigned right) {
        return section.RotationalFactor(Segment(6.0, left, right).Span());
    };
    EXPECT_DOUBLE_EQ(kr(kF, kF), 1.0);
    EXPECT_DOUBLE_EQ(kr(kF, kP | kRotation), 0.85);
    EXPECT_DOUBLE_EQ(kr(kF | kRotation, kL | kRotation), 0.7);
    // Any U end: 1.0 whatever the rotation restraints.
    EXPECT_DOUBLE_EQ(kr(kU | kRotation, kF | kRotation), 1.0);
}

TEST(ElasticBucklingMoment, UniversalBeamAgainstTheClosedForm) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    // Mo = √(π²EIy/L²·(GJ + π²EIw/L²)) with the published Iy = 7.65e6 mm⁴, J = 157e3 mm⁴,
    // Iw = 165e9 mm⁶, L = 6 m: √(419.46 kN × 21.607 kN·m²) = 95.20 kN·m.
    EXPECT_NEAR(section.Moa(Segment(6.0, kF, kF).Span(), nullptr, false, 0.0), 95201.3, 1.0);
    // A P–P segment of 3 m buckles over (1 + 4 × 0.027623) × 3 m = 3.3315 m (the increment
    // doubles when the length halves): Pe = 1360.56 kN, Mo = 238.78 kN·m.
    EXPECT_NEAR(section.Moa(Segment(3.0, kP, kP).Span(), nullptr, false, 0.0), 238777.3, 1.0);
    // The user's length replaces kt·kl·kr·L.
    EXPECT_NEAR(section.Moa(Segment(3.0, kP, kP).Span(), nullptr, true, 6.0), 95201.3, 1.0);
    // L–U ends make no segment: kt = ∞, Le = ∞, Mo = 0.
    EXPECT_DOUBLE_EQ(section.Moa(Segment(6.0, kL, kU).Span(), nullptr, false, 0.0), 0.0);
}

TEST(FullLateralRestraint, DoublySymmetricSlendernessLimitIsInclusive) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    // cl. 5.3.2.4(a): l/ry ≤ (80 + 50βm)·√(250/fy); ry = √(7.65e6/5210) = 38.319 mm,
    // fy = 320 MPa. βm = 1: l ≤ 130 × 0.88388 × 38.319 mm = 4403.0 mm.
    EXPECT_TRUE(section.IsFullyRestrained(4.402, 1.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(4.404, 1.0, nullptr));
    // βm = −1: 30 × 0.88388 × ry = 1016.08 mm, inclusive.
    const double atLimit = 30.0 * std::sqrt(250.0 / 320.0) * std::sqrt(7.65e-6 / 5210e-6);
    EXPECT_NEAR(atLimit, 1.01608, 1e-5);
    EXPECT_TRUE(section.IsFullyRestrained(atLimit * (1.0 - 1e-12), -1.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(atLimit * (1.0 + 1e-9), -1.0, nullptr));
}

TEST(FullLateralRestraint, MonosymmetricSectionUsesTheCompressionFlange) {
    // Flange 1: 300 × 16 mm (bottom), flange 2: 150 × 12 mm (top), D = 500 mm, tw = 8 mm.
    CSectionCalcI section = FromPlates({500, 300, 16, 150, 12, 8}, 300);
    const double df = 0.500 - (0.016 + 0.012) / 2.0;
    // cl. 5.3.2.4(b) with βm = 0: 80·√((2Icy/Iy)·(Ag·df/(2.5·Ze)))·√(250/fy)·ry.
    auto limitFor = [&](double b, double t) {
        const double x = (2.0 * b * b * b * t / 12.0 / section.Iyy()) *
                         (section.Area() * df / 2.5) / section.ZxxEffective();
        return 80.0 * std::sqrt(x) * std::sqrt(250.0 / 300.0) *
               std::sqrt(section.Iyy() / section.Area());
    };
    section.SetMomentXX(-1e5);  // hogging: the wide bottom flange is in compression
    const double bottom = limitFor(0.300, 0.016);
    EXPECT_TRUE(section.IsFullyRestrained(0.999 * bottom, 0.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(1.001 * bottom, 0.0, nullptr));
    section.SetMomentXX(1e5);  // sagging: the narrow top flange
    const double top = limitFor(0.150, 0.012);
    EXPECT_LT(top, bottom);
    EXPECT_TRUE(section.IsFullyRestrained(0.999 * top, 0.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(1.001 * top, 0.0, nullptr));
}

}  // namespace
