// Steel grade thickness bands (AS/NZS 3679.1) beyond the catalogue's: bounds under unit
// rounding, thicknesses past every band, and the report line.
#include <gtest/gtest.h>

#include <cmath>

#include "host/DesFormat.h"
#include "host/HostTestSupport.h"
#include "host/SteelGrade.h"

using Arbor::Data::CSteelGrade;
using Arbor::Data::GradeBand;
using host_test::mm;
using host_test::MPa;

namespace {

// 300PLUS: fy 320 MPa below 11 mm, 300 MPa from 11 to 17 mm, 280 MPa above; fu 440 MPa.
CSteelGrade Grade300Plus() {
    return CSteelGrade(L"300PLUS", {{GradeBand::Less, 11 * mm, 320 * MPa, 440 * MPa},
                                    {GradeBand::LessEqual, 17 * mm, 300 * MPa, 440 * MPa},
                                    {GradeBand::Any, 0.0, 280 * MPa, 440 * MPa}});
}

}  // namespace

TEST(SteelGradeBands, BoundsHoldDespiteUnitRounding) {
    const CSteelGrade grade = Grade300Plus();
    // 11 mm and 17 mm one rounding step on the wrong side of the bound's double
    EXPECT_DOUBLE_EQ(grade.DesignStrength(std::nextafter(11 * mm, 0.0)), 300 * MPa);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(std::nextafter(17 * mm, 1.0)), 300 * MPa);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(40 * mm), 280 * MPa);
}

TEST(SteelGradeBands, LastBandWhenNoneHoldsAndZeroWithoutBands) {
    const CSteelGrade twoBands(L"X", {{GradeBand::Less, 10 * mm, 360 * MPa, 480 * MPa},
                                      {GradeBand::Less, 40 * mm, 340 * MPa, 480 * MPa}});
    EXPECT_DOUBLE_EQ(twoBands.DesignStrength(50 * mm), 340 * MPa);
    const CSteelGrade empty;
    EXPECT_DOUBLE_EQ(empty.DesignStrength(10 * mm), 0.0);
    EXPECT_DOUBLE_EQ(empty.TensileStrength(10 * mm), 0.0);
}

TEST(SteelGradeReport, DescribesTheBandInForce) {
    const Arbor::Util::CDesFormat format;
    const CSteelGrade grade = Grade300Plus();
    EXPECT_EQ(grade.GetString(format, 10.2 * mm),
              L"Steel grade: 300PLUS (fy = 320.0 MPa, fu = 440.0 MPa at t = 10.2 mm)\n");
    EXPECT_EQ(grade.GetString(format, 19.6 * mm),
              L"Steel grade: 300PLUS (fy = 280.0 MPa, fu = 440.0 MPa at t = 19.6 mm)\n");
}
