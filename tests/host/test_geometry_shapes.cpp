// Gross properties of the channel, T, hollow and angle geometries: catalogue rows computed from
// their dimensions against the published values, sections worked by hand, and one table of
// refused dimensions for every shape (I sections included).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "host/Catalogue.h"
#include "host/HostTestSupport.h"
#include "host/SectGeom.h"
#include "host/SectGeomAngle.h"
#include "host/SectGeomCHS.h"
#include "host/SectGeomPFC.h"
#include "host/SectGeomRHS.h"
#include "host/SectGeomT.h"

namespace {

using namespace host_test;
using namespace Arbor::Steel;

// The geometries are abstract (cloning belongs to the calculators).
template <class Base>
struct Concrete : Base {
    Concrete* CloneGeom() const override { return new Concrete(*this); }
};
struct Tube : CDesSectGeomCHS {
    Tube* CloneGeom() const override { return new Tube(*this); }
    Tube* CloneCHS() const override { return new Tube(*this); }
};
using IGeom = Concrete<CDesSectGeomI>;
using Channel = Concrete<CDesSectGeomPFC>;
using Tee = Concrete<CDesSectGeomT>;
using Box = Concrete<CDesSectGeomRHS>;
using AngleGeom = Concrete<CDesSectGeomAngle>;

const Arbor::Data::CatalogueEntry& Entry(const char* name) {
    return *Arbor::Data::Catalogue::Instance().FindSection(name);
}

// Computed against published, each pair within its own tolerance on the ratio.
struct Pair {
    const char* what;
    double computed, published, tolerance;
};
void ExpectNearPublished(const std::vector<Pair>& pairs, const std::string& name) {
    for (const Pair& p : pairs)
        EXPECT_NEAR(p.computed / p.published, 1.0, p.tolerance) << name << " " << p.what;
}

// Each of the ten channels from D, B, T, tw and r1: Ag, xL, Ix, Zx, Iy and Sx within 0.4 %; the
// shear centre x0 within 0.7 %; Iw (the web-line warping less e²·Ix) within 0.9 %; J (El Darwish
// & Johnston) 0.6 % to 1.2 % high. The record is accepted with its published values.
TEST(ChannelGeometry, EveryCatalogueChannelAgainstItsPublishedRow) {
    const auto channels = Arbor::Data::Catalogue::Instance().Sections("PFC");
    ASSERT_EQ(channels.size(), 10u);
    for (const auto* entry : channels) {
        const auto& d = entry->section.Dimensions();
        const auto& pub = *entry->section.Published();
        double x0 = 0.0;
        const GrossProperties p = CDesSectGeomPFC::Compute(d[0], d[1], d[2], d[3], d[4], x0);
        // clang-format off
        ExpectNearPublished({{"Ag", p.area, pub.Ag, 0.004}, {"xL", p.xbar, pub.xL, 0.004},
                             {"Ix", p.ixx, pub.Ix, 0.004}, {"Zx", p.zxx, pub.Zx, 0.004},
                             {"Iy", p.iyy, pub.Iy, 0.004}, {"Sx", p.sxx, pub.Sx, 0.004},
                             {"x0", x0, pub.xO, 0.007}, {"Iw", p.iw, pub.Iw, 0.009},
                             {"J", p.j, 1.009 * pub.J, 0.004}}, entry->designation);
        // clang-format on
        Channel g;
        ASSERT_TRUE(g.SetArborSec(entry->section, nullptr));
        EXPECT_EQ(g.Iw(), pub.Iw);
        EXPECT_EQ(g.ShearCentreX(), pub.xO);
        EXPECT_EQ(g.Xbar(), pub.xL);
    }
}

// The tables round to three figures; with outside corners of 2t (t ≤ 3 mm) and 2.5t (t > 3 mm)
// every property lies within 0.5 % of the published one, walls of 3 mm and 3.2 mm included.
// Principal-axis properties of equal angles from the legs, root and toe radii alone: within 1 %.
TEST(HollowAndAngleGeometry, CatalogueRowsFromTheirDimensions) {
    for (const char* name :
         {"75x25x2.5RHS", "100x50x3RHS", "150x50x5RHS", "300x200x16RHS", "50x50x3SHS",
          "89x89x3.5SHS", "300x300x10SHS", "26.9x2.3CHS", "168.3x7.1CHS", "508x6.4CHS"}) {
        const CSection& s = Entry(name).section;
        const auto& d = s.Dimensions();
        const auto& pub = *s.Published();
        const GrossProperties p =
            s.Shape() == Shape::CHS
                ? CDesSectGeomCHS::Compute(d[0], d[1])
                : CDesSectGeomRHS::Compute(d[0], d[1], d[2], d[3],
                                           CDesSectGeomRHS::OuterCornerRadius(d[2], false, d[1]));
        // clang-format off
        ExpectNearPublished({{"Ag", p.area, pub.Ag, 0.005}, {"Ix", p.ixx, pub.Ix, 0.005},
                             {"Iy", p.iyy, pub.Iy, 0.005}, {"Zx", p.zxx, pub.Zx, 0.005},
                             {"Zy", p.zyy, pub.Zy, 0.005}, {"Sx", p.sxx, pub.Sx, 0.005},
                             {"Sy", p.syy, pub.Sy, 0.005}}, name);
        // clang-format on
    }
    for (const char* name : {"200x200x26EA", "150x150x10EA", "75x75x6EA", "50x50x3EA"}) {
        const CSection& s = Entry(name).section;
        const auto& d = s.Dimensions();
        GrossProperties p;
        PrincipalModuli m;
        CDesSectGeomAngle::Compute(d[0], d[1], d[2], d[3], d[4], p, m);
        const auto& pub = *s.PublishedAngle();
        // clang-format off
        ExpectNearPublished({{"Ag", p.area, s.Published()->Ag, 0.01}, {"Iv", p.ivv, pub.Iv, 0.01},
                             {"xbar", p.xbar, pub.xbar, 0.01}, {"Ixy", p.ixy, pub.Ixy, 0.01},
                             {"Iu", p.iuu, pub.Iu, 0.01},
                             {"Zu", std::min(m.zuDepthToe, m.zuWidthToe), pub.Zu, 0.01},
                             {"Zv2", m.zvHeel, pub.Zv2, 0.01}, {"Zv1", m.zvToe, pub.Zv1, 0.01},
                             {"Su", m.suu, pub.Su, 0.01}, {"Sv", m.svv, pub.Sv, 0.01}}, name);
        // clang-format on
        EXPECT_NEAR(p.alpha, std::numbers::pi / 4.0, 1e-9) << name;
    }
}

// A catalogue angle takes its published row: the heel gets the smaller v-v modulus.
TEST(AngleGeometry, TakesThePublishedRow) {
    AngleGeom g;
    ASSERT_TRUE(g.SetArborSec(Entry("75x75x6EA").section, nullptr));
    EXPECT_DOUBLE_EQ(g.Iuu(), 722000 * mm4);
    EXPECT_DOUBLE_EQ(g.Ivv(), 187000 * mm4);
    EXPECT_DOUBLE_EQ(g.Zvv(), 6440 * mm3);
    EXPECT_DOUBLE_EQ(g.Principal().zvToe, 7150 * mm3);
    EXPECT_DOUBLE_EQ(g.Zuu(), 13600 * mm3);
    EXPECT_DOUBLE_EQ(g.Xbar(), 20.5 * mm);
    EXPECT_DOUBLE_EQ(g.J(), 11200 * mm4);
    EXPECT_TRUE(g.IsEqualLegs());
}

// D 200, flange 150 × 12, stem 8, no fillets:
//   A = 1800 + 188·8 = 3304 mm², ybar = (1504·94 + 1800·194)/3304 = 148.479 mm from the tip
//   Ixx = 8·188³/12 + 1504·54.479² + 150·12³/12 + 1800·45.521² = 12.6451×10⁶ mm⁴
//   half area 1652 = 1504 + 150·0.98667: plastic axis 188.987 mm from the tip, Sx = 152030 mm³
//   Iy = (12·150³ + 188·8³)/12 = 3.38302×10⁶ mm⁴, Sy = (12·150² + 188·8²)/4 = 70508 mm³
//   Iw = (150·12)³/144 + (8·194)³/36 = 144.342×10⁶ mm⁶
TEST(TeeGeometry, HandWorkedWithoutFillets) {
    const GrossProperties p = CDesSectGeomT::Compute(0.2, 0.15, 0.012, 0.008, 0.0);
    EXPECT_NEAR(p.area / mm2, 3304.0, 1e-6);
    EXPECT_NEAR(p.ybar / mm, 148.4794, 1e-4);
    EXPECT_NEAR(p.ixx / mm4 / 1e6, 12.64509, 1e-5);
    EXPECT_NEAR(p.zxx / mm3, 85163.9, 0.1);  // to the stem tip
    EXPECT_NEAR(p.ybarPlastic / mm, 188.9867, 1e-4);
    EXPECT_NEAR(p.sxx / mm3, 152030.0, 0.1);
    EXPECT_NEAR(p.iyy / mm4 / 1e6, 3.383021, 1e-6);
    EXPECT_NEAR(p.syy / mm3, 70508.0, 1e-3);
    EXPECT_NEAR(p.iw / mm6 / 1e6, 144.3419, 1e-3);
}

// 100 × 50 × 10 unequal angle without radii, the long leg d along y (mm):
//   A = 1000 + 400 = 1400; x̄ = (1000·5 + 400·30)/1400 = 12.143; ȳ = (1000·50 + 400·5)/1400
//   = 37.143; Ixx = 998639 + 416599 = 1.415238e6, Iyy = 0.240238e6, Ixy = −0.321429e6;
//   Iu,v = 0.827738e6 ± sqrt(0.5875² + 0.321429²)·1e6 = 1.497419e6, 0.158057e6;
//   tan 2α = 2·0.32143/(1.41524 − 0.24024) → α = 14.34°.
//   Plastic axes: y = 30 (500 + 10·20 below), Sxx = 500·25 + 200·10 + 700·35 = 39000;
//   x = 7 (7·100 to the left), Syy = 700·3.5 + 300·1.5 + 400·23 = 12100.
TEST(AngleGeometry, UnequalAngleWorkedByHand) {
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

// Bredt, J = 4·Am²·t/p on the mid-line.
// Welded 100 × 100 × 5 box, square corners: Am = 95², p = 4·95 → J = 4·9025²·5/380 = 4286875 mm⁴.
// Cold-formed 100 × 100 × 6: mid-line radius 15 − 3 = 12 mm, Am = 94² − (4 − π)·12² =
// 8712.389 mm², p = 4·94 − (8 − 2π)·12 = 355.398 mm → J = 5.1259×10⁶ mm⁴.
// A 168.3 × 7.1 tube: I = π/64·(168.3⁴ − 154.1⁴) = 11.702×10⁶ mm⁴, J = 2I.
TEST(HollowGeometry, TorsionConstantByBredt) {
    EXPECT_NEAR(CDesSectGeomRHS::Compute(0.1, 0.1, 0.005, 0.005, 0.0).j / mm4, 4286875.0, 1e-3);
    const double r = CDesSectGeomRHS::OuterCornerRadius(0.006, false, 0.1);
    EXPECT_DOUBLE_EQ(r, 0.015);
    EXPECT_NEAR(CDesSectGeomRHS::Compute(0.1, 0.1, 0.006, 0.006, r).j / mm4, 5.1259e6, 50.0);
    const GrossProperties chs = CDesSectGeomCHS::Compute(0.1683, 0.0071);
    EXPECT_DOUBLE_EQ(chs.j, 2.0 * chs.ixx);
    EXPECT_NEAR(chs.ixx / mm4 / 1e6, 11.702, 0.001);
}

// Offers the record to a fresh geometry of the given shape, as loaded beforehand with `good`:
// a refusal names the field and leaves the earlier section in place.
template <class G>
bool Offer(const CSection& good, const CSection& offered, CMemberResult* result) {
    G g;
    EXPECT_TRUE(g.SetArborSec(good, nullptr));
    const double area = g.Area();
    const bool taken = g.SetArborSec(offered, result);
    if (!taken) {
        EXPECT_EQ(g.Area(), area);
    }
    return taken;
}

bool Offer(int shape, const CSection& section, CMemberResult* result) {
    switch (shape) {
        case Shape::WeldedI:
            return Offer<IGeom>(MakeSection({0.3, 0.15, 0.01, 0.15, 0.01, 0.008, 0.012}), section,
                                result);
        case Shape::PFC:
            return Offer<Channel>(Entry("200PFC").section, section, result);
        case Shape::T:
            return Offer<Tee>(MakeSection({0.2, 0.15, 0.012, 0.008, 0.0}, Shape::T), section,
                              result);
        case Shape::RHS:
            return Offer<Box>(Entry("150x50x5RHS").section, section, result);
        case Shape::CHS:
            return Offer<Tube>(Entry("168.3x7.1CHS").section, section, result);
        default:
            return Offer<AngleGeom>(Entry("75x75x6EA").section, section, result);
    }
}

TEST(SectionGeometry, RefusesBadDimensionsNamingTheField) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        int shape;
        std::vector<double> dims;
        const wchar_t* named;  // what the report line says
    } cases[] = {
        {Shape::WeldedI, {0.3, 0.15, 0.01, 0.15, 0.01, 0.008}, L"7 dimensions"},
        {Shape::WeldedI, {NAN, 0.15, 0.01, 0.15, 0.01, 0.008, 0.0}, L"D ="},
        {Shape::WeldedI, {0.3, inf, 0.01, 0.15, 0.01, 0.008, 0.0}, L"B1 ="},
        {Shape::WeldedI, {0.3, 0.15, 0.0, 0.15, 0.01, 0.008, 0.0}, L"T1 ="},
        {Shape::WeldedI, {0.3, 0.15, 0.01, 0.15, 0.01, -0.008, 0.0}, L"tw ="},
        {Shape::WeldedI, {0.3, 0.15, 0.01, 0.15, 0.01, 0.008, -0.001}, L"r ="},
        {Shape::WeldedI, {0.02, 0.15, 0.01, 0.15, 0.01, 0.008, 0.0}, L"T1 + T2"},  // no web
        {Shape::WeldedI, {0.3, 0.15, 0.01, 0.006, 0.01, 0.008, 0.0}, L"tw ="},     // web > flange 2
        {Shape::WeldedI, {0.3, 0.15, 0.01, 0.15, 0.01, 0.008, 0.08}, L"r ="},  // beyond outstand
        {Shape::WeldedI, {0.1, 0.3, 0.01, 0.3, 0.01, 0.008, 0.041}, L"r ="},   // fillets meet
        {Shape::T, {0.2, 0.008, 0.012, 0.010, 0.0}, L"tw = 0.01 m is not less than the flange"},
        {Shape::T, {0.012, 0.15, 0.012, 0.008, 0.0}, L"T = 0.012 m is not less than D"},
        {Shape::PFC, {0.2, 0.075, 0.012, 0.0, 0.012}, L"tw = 0 m is not a valid size"},
        {Shape::PFC, {0.2, 0.075, 0.012, 0.006}, L"expected 5 dimensions"},
        {Shape::RHS, {0.1, 0.05, 0.005, 0.025}, L"tw = 25.0 mm"},  // no hole
        {Shape::RHS, {0.1, 0.05, 0.05, 0.005}, L"tf = 50.0 mm"},
        {Shape::RHS, {0.1, 0.05, 0.0, 0.0}, L"tf = 0.0 mm"},
        {Shape::CHS, {0.1, 0.05}, L"t = 50.0 mm"},
        {Shape::CHS, {0.1, 0.0}, L"t = 0.0 mm"},
        {Shape::Angle, {0.05, 0.006, 0.006, 0.0, 0.0}, L"b = 0.006 m is not longer than t"},
        {Shape::Angle, {0.05, 0.05, 0.0, 0.0, 0.0}, L"t = 0 m is not a valid size"},
        {Shape::Angle, {0.03, 0.05, 0.005, 0.022, 0.004}, L"r1 = 0.022 m and r2 = 0.004 m do not"},
        {Shape::Angle, {0.05, 0.05, 0.005}, L"expected 5 dimensions"},
    };
    for (const auto& c : cases) {
        CMemberResult result;
        result.EnableText(true);
        EXPECT_FALSE(Offer(c.shape, MakeSection(c.dims, c.shape, Category::CF), &result));
        ASSERT_EQ(result.Report().size(), 1u) << c.shape;
        EXPECT_TRUE(ReportContains(result, c.named)) << c.shape << " " << c.named;
    }
    // Each geometry takes only its own shape, and refuses another without a word (the checker
    // reports it).
    const CSection channel = MakeSection({0.2, 0.075, 0.012, 0.006, 0.0}, Shape::PFC);
    for (int shape : {Shape::WeldedI, Shape::T, Shape::Angle, Shape::RHS, Shape::CHS}) {
        CMemberResult result;
        EXPECT_FALSE(Offer(shape, channel, &result)) << shape;
        EXPECT_TRUE(result.Report().empty()) << shape;
    }
    CMemberResult result;
    for (int shape : {Shape::T, Shape::Angle, Shape::CHS, Shape::RHS, 0, 2})
        EXPECT_FALSE(Offer(Shape::WeldedI,
                           MakeSection({0.3, 0.15, 0.01, 0.15, 0.01, 0.008, 0.0}, shape), &result))
            << shape;
    EXPECT_TRUE(result.Report().empty());
}

}  // namespace
