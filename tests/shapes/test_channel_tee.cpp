// Channel and T calculators worked by hand (catalogue channels' classes: test_classification.cpp):
// Table 5.2 classes and effective moduli of plate sections, the effective area and centroid
// (cl. 6.2.4) with the eccentricity moments they cause, the connection tests, and the elastic
// torsional loads against their closed forms.
#include <gtest/gtest.h>

#include <cmath>

#include "shapes/IcalcSupport.h"
#include "shapes/SectionCalcPFC.h"
#include "shapes/SectionCalcT.h"

namespace {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using namespace icalc;
namespace Shape = Arbor::Data::SecShape;

constexpr unsigned kHeld = 0x200000 | 0x100000;  // supported and laterally held

const auto kG250 = OneBand(250, 410);

// A 300 × 75 channel, flanges 5, web 3, no fillets, fy 250: web λ = 290/3 = 96.67 > 45,
// slender in compression: be = 45·290/96.67 = 135 mm, 155 mm lost: Ae = 1620 − 465 = 1155 mm²,
// x̄ = 18.167 mm, x̄e = (18.167·1620 − 465·1.5)/1155 = 24.877 mm. At N = −100 kN:
// ΔMy = 100·(24.877 − 18.167) = 671.0 N·m; through the web only 100·24.877 = 2487.7 N·m.
TEST(ChannelCalculator, SlenderWebShiftsTheCentroidAndTheConnectionAddsItsEccentricity) {
    CSectionCalcPFC s =
        Calculator<CSectionCalcPFC>(Dimensioned(Shape::PFC, {300, 75, 5, 3, 0}), kG250);
    EXPECT_NEAR(s.AreaCompEffective() * 1e6, 1155.0, 1e-6);
    EXPECT_NEAR(s.XbarCompEffective() * 1e3, 24.877, 1e-3);
    s.SetForceAxial(-100e3);
    EXPECT_NEAR(s.DeltaMyy(nullptr), 671.0, 0.2);
    const struct {
        unsigned bits;
        bool webOnly;
    } connections[] = {
        {kHeld, true},                  // supported, nothing else said: web only
        {kHeld | 0x10000, false},       // held in rotation
        {kHeld | 0x20000, true},        // a stiff connection without a flange connection
        {kHeld | 0x20000 | 16, false},  // with a flange welded
        {0x20000, false},               // not supported there
    };
    for (const auto& c : connections) {
        s.SetMemberRestraint(CRestraint(static_cast<int>(c.bits)));
        EXPECT_EQ(s.IsWebOnlyConnected(), c.webOnly) << c.bits;
    }
    s.SetMemberRestraint(CRestraint(static_cast<int>(kHeld)));
    EXPECT_NEAR(s.DeltaMyy(nullptr), 2487.7, 0.2);
    // Bending about y: the web is classed only when My < 0 compresses it; the flange alone
    // (λ = 72/5 = 14.4, free edge: λep 9, λey 25) is non-compact.
    s.SetMomentYY(0.0);
    EXPECT_EQ(s.BucklingClassYY(nullptr), CAS4100_98Section::NonCompact);
    s.SetMomentYY(-1.0);
    EXPECT_EQ(s.BucklingClassYY(nullptr), CAS4100_98Section::Slender);
    EXPECT_EQ(s.Table5_2(true, CAS4100_98Section::DeformationLimit, false), 90.0);
}

// T of D 200, flange 150 × 12, stem 8, no fillets, fy 250 (ȳ = 148.479 mm from the tip,
// Zx = 85164 mm³, Sx = 152030 mm³): stem λ = 188/8 = 23.5, non-compact as an outstand
// (λep 9, λey 25), flange λ = 71/12 = 5.92 compact. Ze = Z + (1.5Z − Z)·(25 − 23.5)/16 =
// 89156 mm³. In compression the stem is slender (λey 16): be = 128 mm, 60 mm lost at the tip:
// Ae = 2824 mm², ȳe = (148.479·3304 − 8·60²/2)/2824 = 168.617 mm; at N = −100 kN
// ΔMx = 100·(168.617 − 148.479) = 2013.8 N·m, through the flange only 100·(168.617 − 200) =
// −3138.3 N·m.
TEST(TeeCalculator, StemTipCompressionEffectiveSectionAndFlangeConnection) {
    CSectionCalcT s = Calculator<CSectionCalcT>(Dimensioned(Shape::T, {200, 150, 12, 8, 0}), kG250);
    CMemberResult result;
    s.SetMomentXX(0.0);  // zero counts as compressing the stem tip: the stem alone is classed
    EXPECT_EQ(s.BucklingClassXX(&result), CAS4100_98Section::NonCompact);
    EXPECT_NEAR(s.ZxxEffective() * 1e9, 89156.0, 0.5);
    s.SetMomentXX(-1.0);
    EXPECT_EQ(s.BucklingClassXX(&result), CAS4100_98Section::NonCompact);
    EXPECT_EQ(result.Flags(), 0u);
    EXPECT_NEAR(s.AreaCompEffective() * 1e6, 2824.0, 1e-6);
    EXPECT_NEAR(s.YbarCompEffective() * 1e3, 168.617, 1e-3);
    s.SetForceAxial(-100e3);
    EXPECT_NEAR(s.DeltaMxx(nullptr), 2013.8, 0.2);
    s.SetMemberRestraint(CRestraint(static_cast<int>(kHeld | 0x80000)));
    EXPECT_TRUE(s.IsFlangeOnlyConnected());
    EXPECT_NEAR(s.DeltaMxx(nullptr), -3138.3, 0.2);
    EXPECT_EQ(s.GetB2(), 0.15);
    EXPECT_EQ(s.GetT1(), 0.012);
    EXPECT_EQ(s.Table5_2(false, CAS4100_98Section::YieldLimit, true), 25.0);  // never uniform
}

// Elastic loads at 3 m (channel) and 2.5 m (tee). 200PFC: x0 = 24.4 − 3 + 12·(72·188)²/
// (4·19.1e6) = 50.18 mm, i0² = 9624.0 mm², NcrT = (8400 + 2324.8)/9.624e-3 = 1114.38 kN,
// β = 1.3543, NcrTF (with NcrX) = 1027.09 kN. Tee: y0 = 200 − 148.479 − 6 = 45.521 mm,
// i0² = 6923.2 mm², NcrT = 1356.95 kN, β = 1.4271, NcrTF (with NcrY = 1068.45 kN) = 768.31 kN.
TEST(ChannelTeeCalculators, ElasticTorsionalLoadsAgainstClosedForms) {
    const auto channel = Catalogued<CSectionCalcPFC>("200PFC", "300PLUS");
    double ncrX = 0, ncrY = 0, ncrT = 0, ncrTF = 0;
    channel.Ncxx(3.0, ncrX, nullptr);
    channel.Ncyy(3.0, ncrY, nullptr);
    channel.NcT(3.0, ncrT, nullptr);
    channel.NcTF(ncrX, ncrY, ncrT, ncrTF, nullptr);
    EXPECT_NEAR(ncrT, 1114.38e3, 10.0);
    EXPECT_NEAR(ncrTF, 1027.09e3, 10.0);

    const auto tee = Calculator<CSectionCalcT>(Dimensioned(Shape::T, {200, 150, 12, 8, 0}), kG250);
    tee.Ncxx(2.5, ncrX, nullptr);
    tee.Ncyy(2.5, ncrY, nullptr);
    tee.NcT(2.5, ncrT, nullptr);
    tee.NcTF(ncrX, ncrY, ncrT, ncrTF, nullptr);
    EXPECT_NEAR(ncrY, 1068.45e3, 10.0);
    EXPECT_NEAR(ncrT, 1356.95e3, 10.0);
    EXPECT_NEAR(ncrTF, 768.31e3, 10.0);
}

}  // namespace
