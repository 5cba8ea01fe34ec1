// Torsional and flexural-torsional buckling loads and capacities (cl. 6.3.3), worked by hand
// for a channel-like section (Ag 2920 mm², Ix 19.1e6 mm⁴, Iy 1.65e6 mm⁴, J 105e3 mm⁴,
// Iw 10.6e9 mm⁶ as a 200PFC, its shear centre taken 26.1 mm from the centroid) in a 250 MPa
// grade: i0² = 7787.4 mm², β = 1.0959, Ns = 730 kN.
#include <gtest/gtest.h>

#include "common/TestSections.h"
#include "shapes/TorsionalLoads.h"

namespace {

using namespace as4100test;
namespace TL = Arbor::Steel::SteelAS4100::TorsionalLoads;

TestSection Channel200() {
    TestSectionProps p;
    p.area = p.areaCompEffective = 2920e-6;
    p.ixx = 19.1e-6;
    p.iyy = 1.65e-6;
    p.j = 105e-9;
    p.alphaB = 0.5;
    return TestSection(p);
}

TL::TorsionalShape ChannelShape(const TestSection& s) {
    return {0.0261, 0.0, 10.6e-9, s.J(), TL::CoupledAxis::XX, TL::AlphaALine::Channel, nullptr};
}

TEST(TorsionalLoads, ElasticLoadsAgainstClosedForms) {
    const TestSection s = Channel200();
    const TL::PolarRadii r = TL::Radii(s, 0.0261, 0.0);
    EXPECT_NEAR(r.i0Squared, 7787.37e-6, 1e-8);
    EXPECT_NEAR(TL::Beta(r), 1.09586, 1e-5);
    // NcrT = (G·J + π²E·Iw/Le²)/i0² at 3 m: (8400 + 2324.8)/7.7874e-3.
    EXPECT_NEAR(TL::ElasticTorsional(80e9, 105e-9, 200e9, 10.6e-9, 3.0, r.i0Squared), 1377.21e3,
                10.0);
    EXPECT_EQ(TL::ElasticTorsional(80e9, 105e-9, 200e9, 0.0, 0.0, r.i0Squared), kInf);
    // With NcrX = 4189.10 kN (3 m): the smaller root of the coupled modes.
    EXPECT_NEAR(TL::ElasticFlexuralTorsional(4189.10e3, 1377.21e3, TL::Beta(r)), 1323.72e3, 10.0);
    // β = 1 (shear centre at the centroid): the smaller of the two loads, exactly.
    EXPECT_DOUBLE_EQ(TL::ElasticFlexuralTorsional(2.0e6, 3.0e6, 1.0), 2.0e6);
    EXPECT_DOUBLE_EQ(TL::ElasticFlexuralTorsional(3.0e6, 3.0e6, 1.0), 3.0e6);
    EXPECT_EQ(TL::ElasticFlexuralTorsional(kInf, 3.0e6, 1.2), kInf);
}

TEST(TorsionalLoads, CapacitiesOnTheColumnCurve) {
    const TestSection s = Channel200();
    TL::TorsionalShape shape = ChannelShape(s);
    double ncrT = 0.0, ncrTF = 0.0;
    // λn = 90·sqrt(730/1377.21) = 65.52, αb = 0.5.
    EXPECT_NEAR(TL::TorsionalCapacity(s, shape, 3.0, ncrT, nullptr), 518.334e3, 1.0);
    EXPECT_NEAR(ncrT, 1377.21e3, 10.0);
    EXPECT_NEAR(TL::FlexuralTorsionalCapacity(s, shape, 4189.10e3, 361.885e3, ncrT, ncrTF, nullptr),
                511.961e3, 1.0);
    EXPECT_NEAR(ncrTF, 1323.72e3, 10.0);
    // A tee couples the flexural load about y instead.
    shape.coupled = TL::CoupledAxis::YY;
    TL::FlexuralTorsionalCapacity(s, shape, 4189.10e3, 361.885e3, ncrT, ncrTF, nullptr);
    EXPECT_NEAR(ncrTF, 351.358e3, 10.0);
    // No torsional buckling length: both capacities are the section capacity.
    EXPECT_NEAR(TL::TorsionalCapacity(s, shape, 0.0, ncrT, nullptr), 730e3, 1e-6 * 730e3);
    EXPECT_EQ(ncrT, kInf);
    EXPECT_NEAR(TL::FlexuralTorsionalCapacity(s, shape, 4189.10e3, 361.885e3, kInf, ncrTF, nullptr),
                730e3, 1e-6 * 730e3);
    EXPECT_EQ(ncrTF, kInf);
    // A shape without an axis of symmetry supplies its own NcrTF.
    shape.flexuralTorsionalLoad = [](const TL::PolarRadii&, double, double, double) {
        return 730e3;
    };
    TL::FlexuralTorsionalCapacity(s, shape, 4189.10e3, 361.885e3, ncrT, ncrTF, nullptr);
    EXPECT_EQ(ncrTF, 730e3);
}

}  // namespace
