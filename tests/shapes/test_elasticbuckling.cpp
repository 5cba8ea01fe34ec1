// Elastic buckling moment of an I section (cl. 5.6.1.1), the twist and lateral rotation
// restraint factors of Tables 5.6.3(1) and 5.6.3(3), and the full lateral restraint test of
// cl. 5.3.2.4.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shapes/ElasticBuckling.h"
#include "shapes/IcalcSupport.h"
#include "span/AS4100Span.h"

namespace {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using icalc::Catalogued;
using icalc::FromPlates;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi2 = 9.869604401089358;
constexpr unsigned kSupport = 0x200000 | 0x100000;
// Restraint words for a segment whose critical flange is flange 1 (Mx ≤ 0, not a cantilever).
constexpr unsigned kF = kSupport | 512 | 1024 | 128 | 64;
constexpr unsigned kP = kSupport | 1024 | 128;  // the other flange held, with twist restraint
constexpr unsigned kL = kSupport | 512;         // the critical flange held alone
constexpr unsigned kU = kSupport;
constexpr unsigned kRotation = RestraintBit::LateralRotation;

struct Segment {
    MemberPointVec points;
    SubSpanVec subSpans;
    Segment(double length, unsigned left, unsigned right) {
        points.emplace_back(0.0, CRestraint(static_cast<int>(left)));
        points.emplace_back(length, CRestraint(static_cast<int>(right)));
        subSpans.emplace_back(0, Vec3(), Vec3(), Vec3(), Vec3());
    }
    CAS4100Span Span() const { return CAS4100Span(&points, &subSpans, 0, 1); }
};

// 310UB40.4 over 6 m: d1 = 304 − 2 × 10.2 = 283.6 mm, tf/(2tw) = 10.2/12.2, so the increment of
// Table 5.6.3(1) is (283.6/6000)·(10.2/12.2)³ = 0.027623.
constexpr double kIncrement = 0.0276233;

double Kt(const CSectionCalcI& section, unsigned left, unsigned right) {
    return section.TwistFactor(Segment(6.0, left, right).Span());
}

TEST(TwistRestraintFactor, EndCombinationsOfTheTable) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    EXPECT_DOUBLE_EQ(Kt(section, kF, kF), 1.0);
    EXPECT_DOUBLE_EQ(Kt(section, kF, kL), 1.0);
    EXPECT_DOUBLE_EQ(Kt(section, kL, kL), 1.0);
    EXPECT_DOUBLE_EQ(Kt(section, kF, kU), 1.0);
    EXPECT_DOUBLE_EQ(Kt(section, kU, kF), 1.0);
    EXPECT_NEAR(Kt(section, kF, kP), 1.0 + kIncrement, 1e-6);
    EXPECT_NEAR(Kt(section, kP, kU), 1.0 + kIncrement, 1e-6);
    EXPECT_NEAR(Kt(section, kL, kP), 1.0 + kIncrement, 1e-6);
    EXPECT_NEAR(Kt(section, kP, kP), 1.0 + 2.0 * kIncrement, 1e-6);
    EXPECT_EQ(Kt(section, kL, kU), kInf);
    EXPECT_EQ(Kt(section, kU, kL), kInf);
    EXPECT_EQ(Kt(section, kU, kU), kInf);
}

TEST(TwistRestraintFactor, CriticalFlangeFollowsTheMoment) {
    // Flange 1 (bottom) 20 mm thick, flange 2 (top) 10 mm; web 400 × 8 mm overall.
    CSectionCalcI section = FromPlates({400, 200, 20, 200, 10, 8}, 300);
    const double d1 = 0.400 - 0.020 - 0.010;
    // Mx ≤ 0: flange 1 critical, P ends hold flange 2 with twist restraint.
    section.SetMomentXX(-1e5);
    const double bottom = (d1 / 6.0) * std::pow(0.020 / 0.016, 3);
    EXPECT_NEAR(Kt(section, kP, kP), 1.0 + 2.0 * bottom, 1e-9);
    // Mx > 0 compresses flange 2: it becomes critical, and P ends hold flange 1.
    section.SetMomentXX(1e5);
    const unsigned pTop = kSupport | 512 | 128;
    const double top = (d1 / 6.0) * std::pow(0.010 / 0.016, 3);
    EXPECT_NEAR(Kt(section, pTop, pTop), 1.0 + 2.0 * top, 1e-9);
}

TEST(RotationalRestraintFactor, RestrainedEndsOfTheTable) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    auto kr = [&](unsigned left, unsigned right) {
        return section.RotationalFactor(Segment(6.0, left, right).Span());
    };
    EXPECT_DOUBLE_EQ(kr(kF, kF), 1.0);
    EXPECT_DOUBLE_EQ(kr(kF | kRotation, kF), 0.85);
    EXPECT_DOUBLE_EQ(kr(kF, kP | kRotation), 0.85);
    EXPECT_DOUBLE_EQ(kr(kF | kRotation, kL | kRotation), 0.7);
    // Any U end: 1.0 whatever the rotation restraints.
    EXPECT_DOUBLE_EQ(kr(kU | kRotation, kF | kRotation), 1.0);
}

TEST(ElasticBucklingMoment, UniversalBeamAgainstTheClosedForm) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    CMemberResult result;
    // Mo = √(π²EIy/L²·(GJ + π²EIw/L²)) with the published Iy = 7.65e6 mm⁴, J = 157e3 mm⁴,
    // Iw = 165e9 mm⁶, L = 6 m: √(419.46 kN × 21.607 kN·m²) = 95.20 kN·m.
    EXPECT_NEAR(section.Moa(Segment(6.0, kF, kF).Span(), &result, false, 0.0), 95201.3, 1.0);
    const CString text = icalc::ReportText(result);
    EXPECT_NE(text.find(L"E = "), CString::npos);
    EXPECT_NE(text.find(L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*(G*J + Pi\u00B2*E*Iw/Le\u00B2) )\n"
                        L"    = sqrt( Pi\u00B2*"),
              CString::npos);

    // A P–P segment of 3 m buckles over (1 + 2 × 0.055247) × 3 m: the increment doubles when
    // the length halves.
    const double le = (1.0 + 4.0 * kIncrement) * 3.0;
    const double pe = kPi2 * 2e11 * 7.65e-6 / (le * le);
    const double expected = std::sqrt(pe * (8e10 * 0.157e-6 + kPi2 * 2e11 * 165e-9 / (le * le)));
    EXPECT_NEAR(section.Moa(Segment(3.0, kP, kP).Span(), nullptr, false, 0.0), expected,
                1e-5 * expected);
    // The user's length replaces kt·kl·kr·L.
    EXPECT_NEAR(section.Moa(Segment(3.0, kP, kP).Span(), nullptr, true, 6.0), 95201.3, 1.0);
}

TEST(ElasticBucklingMoment, UnboundedAndZeroLengths) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    // L–U ends make no segment: kt = ∞, Le = ∞, Mo = 0, and then αs = 0.
    const double mo = section.Moa(Segment(6.0, kL, kU).Span(), nullptr, false, 0.0);
    EXPECT_DOUBLE_EQ(mo, 0.0);
    EXPECT_DOUBLE_EQ(CAS4100_98Section::SlendernessReductionFactor(2e5, mo), 0.0);
}

TEST(FullLateralRestraint, DoublySymmetricSlendernessLimit) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    // cl. 5.3.2.4(a): l/ry ≤ (80 + 50βm)·√(250/fy); ry = √(7.65e6/5210) = 38.319 mm,
    // fy = 320 MPa. βm = −1: l ≤ 30 × 0.88388 × 38.319 mm = 1016.08 mm; βm = 1: 4403.0 mm.
    EXPECT_TRUE(section.IsFullyRestrained(1.0160, -1.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(1.0162, -1.0, nullptr));
    EXPECT_TRUE(section.IsFullyRestrained(4.402, 1.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(4.404, 1.0, nullptr));
}

TEST(FullLateralRestraint, LimitIsInclusive) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    const double ry = std::sqrt(section.Iyy() / section.Area());
    const double atLimit = 30.0 * std::sqrt(250.0 / 320.0) * ry;
    EXPECT_TRUE(section.IsFullyRestrained(atLimit * (1.0 - 1e-12), -1.0, nullptr));
    EXPECT_FALSE(section.IsFullyRestrained(atLimit * (1.0 + 1e-9), -1.0, nullptr));
}

TEST(FullLateralRestraint, MonosymmetricSectionUsesTheCompressionFlange) {
    // Flange 1: 300 × 16 mm (bottom), flange 2: 150 × 12 mm (top), D = 500 mm, tw = 8 mm.
    CSectionCalcI section = FromPlates({500, 300, 16, 150, 12, 8}, 300);
    const double df = 0.500 - (0.016 + 0.012) / 2.0;
    auto limitFor = [&](double b, double t) {
        // cl. 5.3.2.4(b) with βm = 0: 80·√((2Icy/Iy)·(Ag·df/(2.5·Ze)))·√(250/fy)·ry
        const double icy = b * b * b * t / 12.0;
        const double x =
            (2.0 * icy / section.Iyy()) * (section.Area() * df / 2.5) / section.ZxxEffective();
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
