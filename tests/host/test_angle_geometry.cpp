// Properties of the angle geometry: an unequal angle worked by hand, the principal-axis
// properties of catalogue equal angles computed from their legs against the published rows,
// the published rows taken as they are, and the refusal of bad dimensions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "host/Catalogue.h"
#include "host/HostTestSupport.h"
#include "host/SectGeomAngle.h"

namespace {

using namespace host_test;
using Arbor::Steel::CDesSectGeomAngle;
using Arbor::Steel::GrossProperties;
using Arbor::Steel::PrincipalModuli;

struct Geometry : CDesSectGeomAngle {
    Geometry* CloneGeom() const override { return new Geometry(*this); }
};

// 100 × 50 × 10 unequal angle without radii, the long leg d along y (mm):
//   A = 1000 + 400 = 1400; x̄ = (1000·5 + 400·30)/1400 = 12.143; ȳ = (1000·50 + 400·5)/1400
//   = 37.143; Ixx = 998639 + 416599 = 1.415238e6, Iyy = 0.240238e6, Ixy = −0.321429e6;
//   Iu,v = 0.827738e6 ± sqrt(0.5875² + 0.321429²)·1e6 = 1.497419e6, 0.158057e6;
//   tan 2α = 2·0.32143/(1.41524 − 0.24024) → α = 14.34°.
//   Plastic axes: y = 30 (500 + 10·20 below), Sxx = 500·25 + 200·10 + 700·35 = 39000;
//   x = 7 (7·100 to the left), Syy = 700·3.5 + 300·1.5 + 400·23 = 12100.
TEST(AngleGeometryHand, UnequalAngleWithoutRadii) {
    GrossProperties p;
    PrincipalModuli m;
    CDesSectGeomAngle::Compute(100 * mm, 50 * mm, 10 * mm, 0.0, 0.0, p, m);
    const double xbar = 17000.0 / 1400.0, ybar = 52000.0 / 1400.0;
    EXPECT_NEAR(p.area / mm2, 1400.0, 1e-9);
    EXPECT_NEAR(p.xbar / mm, xbar, 1e-9);
    EXPECT_NEAR(p.ybar / mm, ybar, 1e-9);
    EXPECT_NEAR(p.ixx / mm4, 1.415238e6, 1.0);
    EXPECT_NEAR(p.iyy / mm4, 0.240238e6, 1.0);
    EXPECT_NEAR(p.ixy / mm4, -0.321429e6, 1.0);
    EXPECT_NEAR(p.iuu / mm4, 1.497419e6, 1.0);
    EXPECT_NEAR(p.ivv / mm4, 0.158057e6, 1.0);
    EXPECT_NEAR(p.alpha * 180.0 / std::numbers::pi, 14.34, 0.01);
    EXPECT_NEAR(p.sxx / mm3, 39000.0, 1e-3);
    EXPECT_NEAR(p.syy / mm3, 12100.0, 1e-3);
    EXPECT_NEAR(p.zxx / mm3, 1.415238e6 / (100.0 - ybar), 0.1);
    // About v-v the width leg's toe, 29.95 mm from the axis, is farther than the heel (20.96).
    EXPECT_NEAR(m.zvToe / mm3, 0.158057e6 / 29.954, 1.0);
}

// From the legs, root and toe radii alone, the principal-axis properties of catalogue equal
// angles agree with the published rows within 1 %.
TEST(AngleGeometryCatalogue, PrincipalPropertiesFromTheLegsMatchThePublishedRows) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    for (const char* name : {"200x200x26EA", "150x150x10EA", "75x75x6EA", "50x50x3EA"}) {
        const CSection& s = catalogue.FindSection(name)->section;
        const auto& d = s.Dimensions();
        GrossProperties p;
        PrincipalModuli m;
        CDesSectGeomAngle::Compute(d[0], d[1], d[2], d[3], d[4], p, m);
        const auto& pub = *s.PublishedAngle();
        const std::vector<std::pair<double, double>> pairs{
            {p.area, s.Published()->Ag},
            {p.xbar, pub.xbar},
            {p.ixy, pub.Ixy},
            {p.iuu, pub.Iu},
            {p.ivv, pub.Iv},
            {std::min(m.zuDepthToe, m.zuWidthToe), pub.Zu},
            {m.zvHeel, pub.Zv2},
            {m.zvToe, pub.Zv1},
            {m.suu, pub.Su},
            {m.svv, pub.Sv}};
        for (size_t i = 0; i < pairs.size(); ++i)
            EXPECT_NEAR(pairs[i].first / pairs[i].second, 1.0, 0.01) << name << " value " << i;
        EXPECT_NEAR(p.alpha, std::numbers::pi / 4.0, 1e-9) << name;
    }
}

// A catalogue angle takes its published row: the heel gets the smaller v-v modulus.
TEST(AngleGeometryCatalogue, TakesThePublishedRow) {
    Geometry g;
    const auto* entry = Arbor::Data::Catalogue::Instance().FindSection("75x75x6EA");
    ASSERT_TRUE(g.SetArborSec(entry->section, nullptr));
    EXPECT_DOUBLE_EQ(g.Iuu(), 722000 * mm4);
    EXPECT_DOUBLE_EQ(g.Ivv(), 187000 * mm4);
    EXPECT_DOUBLE_EQ(g.Zvv(), 6440 * mm3);
    EXPECT_DOUBLE_EQ(g.Principal().zvToe, 7150 * mm3);
    EXPECT_DOUBLE_EQ(g.Zuu(), 13600 * mm3);
    EXPECT_DOUBLE_EQ(g.Xbar(), 20.5 * mm);
    EXPECT_DOUBLE_EQ(g.J(), 11200 * mm4);
    EXPECT_TRUE(g.IsEqualLegs());
}

TEST(AngleGeometryRefusal, NamesTheDimension) {
    const struct {
        std::vector<double> dims;
        const wchar_t* named;
    } cases[] = {
        {{0.05, 0.006, 0.006, 0.0, 0.0}, L"b = 0.006 m is not longer than t"},
        {{0.05, 0.05, 0.0, 0.0, 0.0}, L"t = 0 m is not a valid size"},
        {{0.03, 0.05, 0.005, 0.022, 0.004}, L"r1 = 0.022 m and r2 = 0.004 m do not fit"},
        {{0.05, 0.05, 0.005}, L"expected 5 dimensions"},
    };
    for (const auto& c : cases) {
        Geometry g;
        Arbor::Steel::CMemberResult result;
        EXPECT_FALSE(g.SetArborSec(MakeSection(c.dims, Shape::Angle), &result));
        EXPECT_TRUE(ReportContains(result, c.named)) << c.dims.size();
        EXPECT_EQ(g.Area(), 0.0);
    }
    Geometry g;
    EXPECT_FALSE(g.SetArborSec(Ub310(), nullptr));  // not an angle
}

}  // namespace
