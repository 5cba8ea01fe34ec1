// Column strength (cl. 6.3.3) of real I sections: the I calculator answers Ncxx/Ncyy with the
// column curve, about the right axis and with the section constant αb of Tables 6.3.3(1) and
// 6.3.3(2). Each case puts λ at a value of Table 6.3.3(3): αc(50) = 0.861, αc(100) = 0.541.
#include <gtest/gtest.h>

#include <cmath>

#include "IcalcSupport.h"

namespace {

using namespace icalc;

constexpr double kAlphaC50 = 0.861;
constexpr double kAlphaC100 = 0.541;
constexpr double kTableTolerance = 0.0005;

struct Column {
    const CSectionCalcI& section;
    double Kf() const { return section.AreaCompEffective() / section.Area(); }
    double Ns() const { return section.AreaCompEffective() * section.DesignStressMin(); }
    // Effective length giving λn = (le/r) sqrt(kf) sqrt(fy/250).
    double LengthFor(double lambdaN, double I) const {
        const double r = std::sqrt(I / section.Area());
        return lambdaN * r / (std::sqrt(Kf()) * std::sqrt(section.DesignStressMin() / 250e6));
    }
};

TEST(ColumnCatalogue, UniversalBeamAboutBothAxes) {
    // 310UB40.4 in 300PLUS: Ag = 5210 mm², tf = 10.2 mm so fy = 320 MPa; hot-rolled with
    // flanges under 40 mm: αb = 0 whatever kf, so λ = λn.
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    const Column c{section};
    EXPECT_NEAR(section.Area(), 5210e-6, 1e-9);
    EXPECT_DOUBLE_EQ(section.DesignStressMin(), 320e6);
    double ncr = 0;
    EXPECT_NEAR(section.Ncyy(c.LengthFor(100.0, section.Iyy()), ncr, nullptr) / c.Ns(), kAlphaC100,
                kTableTolerance);
    EXPECT_NEAR(section.Ncxx(c.LengthFor(50.0, section.Ixx()), ncr, nullptr) / c.Ns(), kAlphaC50,
                kTableTolerance);
    // Principal axes of a doubly symmetric I are x and y.
    const double le = 4.0;
    double ncrV = 0, ncrY = 0;
    EXPECT_DOUBLE_EQ(section.Ncvv(le, ncrV, nullptr), section.Ncyy(le, ncrY, nullptr));
    EXPECT_DOUBLE_EQ(ncrV, ncrY);
    // π² × 200 GPa × 7.65e6 mm⁴ / (4 m)² = 943.8 kN.
    EXPECT_NEAR(ncrY, 943.8e3, 0.002 * 943.8e3);
}

TEST(ColumnCatalogue, ZeroLengthIsTheSectionCapacity) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    double ncr = 0;
    EXPECT_DOUBLE_EQ(section.Ncxx(0.0, ncr, nullptr), Column{section}.Ns());
    EXPECT_TRUE(std::isinf(ncr));
}

TEST(ColumnCatalogue, WeldedSectionTakesAlphaBHalf) {
    // Stocky heavily welded plates (flange outstand 5.7, web 21.9 before the fy factor) are
    // not slender: kf = 1 and αb = 0.5. λ = 100 at λn = 90.891.
    const CSectionCalcI section = FromPlates({400, 300, 25, 300, 25, 16, RS::HW, 0}, 300.0);
    const Column c{section};
    ASSERT_DOUBLE_EQ(c.Kf(), 1.0);
    double ncr = 0;
    EXPECT_NEAR(section.Ncyy(c.LengthFor(90.8906, section.Iyy()), ncr, nullptr) / c.Ns(),
                kAlphaC100, kTableTolerance);
}

TEST(ColumnCatalogue, HotRolledFlangeThicknessLimitOfFortyMillimetres) {
    // Flanges of exactly 40 mm take αb = 0 (λ = λn = 100); 45 mm take αb = 1.0
    // (λ = 100 at λn = 80.746).
    const CSectionCalcI at40 = FromPlates({500, 400, 40, 400, 40, 25, RS::HR, 0}, 250.0);
    const CSectionCalcI at45 = FromPlates({500, 400, 45, 400, 45, 25, RS::HR, 0}, 250.0);
    ASSERT_DOUBLE_EQ(Column{at40}.Kf(), 1.0);
    ASSERT_DOUBLE_EQ(Column{at45}.Kf(), 1.0);
    double ncr = 0;
    EXPECT_NEAR(
        at40.Ncyy(Column{at40}.LengthFor(100.0, at40.Iyy()), ncr, nullptr) / Column{at40}.Ns(),
        kAlphaC100, kTableTolerance);
    EXPECT_NEAR(
        at45.Ncyy(Column{at45}.LengthFor(80.7463, at45.Iyy()), ncr, nullptr) / Column{at45}.Ns(),
        kAlphaC100, kTableTolerance);
}

TEST(ColumnCatalogue, ReportNamesTheAxis) {
    const CSectionCalcI section = Catalogued("310UB40.4", "300PLUS");
    CMemberResult result;
    double ncr = 0;
    section.Ncxx(3.0, ncr, &result);
    ASSERT_FALSE(result.Report().empty());
    EXPECT_EQ(result.Report()[0].text,
              L"Determination of Ncxx\n<i>ref AS4100:1998 cl. 6.3.3</i>\n");
}

}  // namespace
