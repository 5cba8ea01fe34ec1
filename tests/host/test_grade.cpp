// Steel grade thickness bands, checked at their bounds against the grade table (AS/NZS 3679.1).
#include <gtest/gtest.h>

#include <cmath>

#include "host/DesFormat.h"
#include "host/SteelGrade.h"

using Arbor::Data::CSteelGrade;
using Arbor::Data::GradeBand;

namespace {

constexpr double kMPa = 1e6;
constexpr double kMm = 1e-3;

// 300PLUS: fy 320 MPa below 11 mm, 300 MPa from 11 to 17 mm, 280 MPa above; fu 440 MPa.
CSteelGrade Grade300Plus() {
    return CSteelGrade(L"300PLUS", {{GradeBand::Less, 11 * kMm, 320 * kMPa, 440 * kMPa},
                                    {GradeBand::LessEqual, 17 * kMm, 300 * kMPa, 440 * kMPa},
                                    {GradeBand::Any, 0.0, 280 * kMPa, 440 * kMPa}});
}

}  // namespace

TEST(SteelGradeBands, Grade300PlusAtItsBounds) {
    const CSteelGrade grade = Grade300Plus();
    EXPECT_DOUBLE_EQ(grade.DesignStrength(10.9 * kMm), 320 * kMPa);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(11.0 * kMm), 300 * kMPa);  // t < 11 no longer holds
    EXPECT_DOUBLE_EQ(grade.DesignStrength(17.0 * kMm), 300 * kMPa);  // t <= 17 still holds
    EXPECT_DOUBLE_EQ(grade.DesignStrength(17.1 * kMm), 280 * kMPa);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(40 * kMm), 280 * kMPa);
    EXPECT_DOUBLE_EQ(grade.TensileStrength(5 * kMm), 440 * kMPa);
}

TEST(SteelGradeBands, BoundsHoldDespiteUnitRounding) {
    const CSteelGrade grade = Grade300Plus();
    // 11 mm and 17 mm one rounding step on the wrong side of the bound's double
    const double t11 = std::nextafter(11 * kMm, 0.0);
    const double t17 = std::nextafter(17 * kMm, 1.0);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(t11), 300 * kMPa);
    EXPECT_DOUBLE_EQ(grade.DesignStrength(t17), 300 * kMPa);
}

TEST(SteelGradeBands, LastBandWhenNoneHoldsAndZeroWithoutBands) {
    const CSteelGrade twoBands(L"X", {{GradeBand::Less, 10 * kMm, 360 * kMPa, 480 * kMPa},
                                      {GradeBand::Less, 40 * kMm, 340 * kMPa, 480 * kMPa}});
    EXPECT_DOUBLE_EQ(twoBands.DesignStrength(50 * kMm), 340 * kMPa);
    const CSteelGrade empty;
    EXPECT_DOUBLE_EQ(empty.DesignStrength(10 * kMm), 0.0);
    EXPECT_DOUBLE_EQ(empty.TensileStrength(10 * kMm), 0.0);
}

TEST(SteelGradeReport, DescribesTheBandInForce) {
    const Arbor::Util::CDesFormat format;
    const CSteelGrade grade = Grade300Plus();
    EXPECT_EQ(grade.GetString(format, 10.2 * kMm),
              L"Steel grade: 300PLUS (fy = 320.0 MPa, fu = 440.0 MPa at t = 10.2 mm)\n");
    EXPECT_EQ(grade.GetString(format, 19.6 * kMm),
              L"Steel grade: 300PLUS (fy = 280.0 MPa, fu = 440.0 MPa at t = 19.6 mm)\n");
}
