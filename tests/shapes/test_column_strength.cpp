// Nominal member capacity in axial compression, cl. 6.3.3: the column curve against the
// values of Table 6.3.3(3), the section constant αb, the form factor kf, zero length and the
// report.
#include <gtest/gtest.h>

#include <cmath>

#include "shapes/ColumnStrength.h"
#include "span/test_span_fixture.h"

namespace {

using namespace spantest;

// A 5000 mm² section with r = sqrt(Iyy / A) = 44.72 mm about y and 126.5 mm about x.
SectionProps Props(double alphaB, double kf = 1.0, double fy = 250e6) {
    SectionProps p;
    p.alphaB = alphaB;
    p.areaCompEffective = kf * p.area;
    p.fy = fy;
    return p;
}

double RadiusY(const SectionProps& p) {
    return std::sqrt(p.iyy / p.area);
}

// Effective length that gives the modified slenderness λn = (le/r) sqrt(kf) sqrt(fy/250).
double LengthFor(double lambdaN, const SectionProps& p) {
    const double kf = p.areaCompEffective / p.area;
    return lambdaN * RadiusY(p) / (std::sqrt(kf) * std::sqrt(p.fy / 250e6));
}

double NcY(const SectionProps& p, double le, double& ncr, CMemberResult* result = nullptr) {
    return FixedSection(p).Ncyy(le, ncr, result);
}

// Table 6.3.3(3): αc = 0.861 at λ = 50 and 0.541 at λ = 100 (three decimals).
constexpr double kAlphaC50 = 0.861;
constexpr double kAlphaC100 = 0.541;
constexpr double kTableTolerance = 0.0005;

TEST(ColumnStrength, AlphaBZeroFollowsTheTable) {
    const SectionProps p = Props(0.0);
    const double Ns = p.area * p.fy;  // 1250 kN
    double ncr = 0;
    EXPECT_NEAR(NcY(p, LengthFor(50.0, p), ncr) / Ns, kAlphaC50, kTableTolerance);
    EXPECT_NEAR(NcY(p, LengthFor(100.0, p), ncr) / Ns, kAlphaC100, kTableTolerance);
}

TEST(ColumnStrength, AlphaBHalfAndOneShiftTheSlenderness) {
    // λ = λn + αa αb reaches 100 at λn = 90.891 for αb = 0.5 (αa = 18.219) and at λn = 80.746
    // for αb = 1.0 (αa = 19.254); both then take αc of λ = 100.
    const SectionProps half = Props(0.5);
    const SectionProps one = Props(1.0);
    double ncr = 0;
    EXPECT_NEAR(NcY(half, LengthFor(90.8906, half), ncr) / (half.area * half.fy), kAlphaC100,
                kTableTolerance);
    EXPECT_NEAR(NcY(one, LengthFor(80.7463, one), ncr) / (one.area * one.fy), kAlphaC100,
                kTableTolerance);
    // At one length a larger αb means a lower capacity.
    const double le = 3.0;
    const double nc0 = NcY(Props(0.0), le, ncr);
    const double ncHalf = NcY(half, le, ncr);
    const double ncOne = NcY(one, le, ncr);
    EXPECT_GT(nc0, ncHalf);
    EXPECT_GT(ncHalf, ncOne);
}

TEST(ColumnStrength, SlenderSectionUsesKfInSlendernessAndSquashLoad) {
    // kf = 0.8, fy = 320 MPa: λn = (le/r) sqrt(0.8) sqrt(1.28) = 50 gives αc 0.861 of
    // Ns = kf A fy = 1280 kN.
    const SectionProps p = Props(0.0, 0.8, 320e6);
    const double Ns = 0.8 * p.area * 320e6;
    double ncr = 0;
    const double le = LengthFor(50.0, p);
    EXPECT_NEAR(le, 50.0 * RadiusY(p) / std::sqrt(0.8 * 1.28), 1e-12);
    EXPECT_NEAR(NcY(p, le, ncr) / Ns, kAlphaC50, kTableTolerance);
}

TEST(ColumnStrength, ElasticBucklingLoadAboutEachAxis) {
    const SectionProps p = Props(0.5);
    const FixedSection section(p);
    double ncrX = 0, ncrY = 0;
    section.Ncxx(4.0, ncrX, nullptr);
    section.Ncyy(4.0, ncrY, nullptr);
    // π² E I / le² = 9.8696 × 200 GPa × 80e6 mm⁴ / 4² m² = 9869.6 kN; × 10e6 mm⁴: 1233.7 kN.
    EXPECT_NEAR(ncrX, 9869.604e3, 1.0);
    EXPECT_NEAR(ncrY, 1233.701e3, 1.0);
}

TEST(ColumnStrength, ZeroLengthGivesTheSectionCapacity) {
    const SectionProps p = Props(1.0, 0.9);
    CMemberResult result;
    double ncr = 0;
    const double nc = NcY(p, 0.0, ncr, &result);
    EXPECT_DOUBLE_EQ(nc, p.areaCompEffective * p.fy);
    EXPECT_EQ(ncr, kInf);
    ASSERT_EQ(result.Report().size(), 2u);
    EXPECT_EQ(result.Report()[1].text, L"Nc = Ns,  Le = 0.0\n   = 1125.00 kN\n");
}

TEST(ColumnStrength, StockyMemberIsLimitedToSquashLoad) {
    // λ ≤ 13.5: η = 0 and αc = 1 up to rounding; never above Ns.
    for (double alphaB : {0.0, 0.5, 1.0}) {
        const SectionProps p = Props(alphaB);
        double ncr = 0;
        const double nc = NcY(p, LengthFor(10.0, p), ncr);
        EXPECT_LE(nc, p.area * p.fy);
        EXPECT_NEAR(nc / (p.area * p.fy), 1.0, 1e-9);
    }
}

TEST(ColumnStrength, ReportBlockAboutY) {
    // le = 3 m, r = 44.72 mm, kf = 1, fy = 250 MPa, αb = 0.5: λn = 67.082, αa = 20.371,
    // λ = 77.268, η = 0.208, ξ = 1.319, αc = 0.700, Nc = 874.59 kN.
    CMemberResult result;
    double ncr = 0;
    const double nc = NcY(Props(0.5), 3.0, ncr, &result);
    EXPECT_NEAR(nc, 874.586e3, 1.0);
    CString text;
    for (const ReportPiece& piece : result.Report()) text += piece.text;
    const CString expected =
        L"Determination of Ncyy\n<i>ref AS4100:1998 cl. 6.3.3</i>\n"
        L"LambdaN = Le/r*sqrt(Kf)*sqrt(Fy/250)\n"
        L"        = 3.000 m/44.7 mm*sqrt(1.000)*sqrt(250.0 MPa/250.0 MPa)\n"
        L"        = 67.082\n"
        L"AlphaA = 2100*(LambdaN-13.5)/(LambdaN\u00b2- 15.3*LambdaN + 2050)\n"
        L"       = 2100*(67.082-13.5)/(67.082\u00b2- 15.3*67.082 + 2050)\n"
        L"       = 20.371\n"
        L"Lambda = LambdaN + AlphaA*AlphaB\n"
        L"       = 67.082+20.371*0.500\n"
        L"       = 77.268\n"
        L"Eta = 0.00326*(Lambda - 13.5)\n"
        L"    = 0.00326*(77.268 - 13.5)\n"
        L"    = 0.208\n"
        L"dXi = ( (Lambda/90)\u00b2+ 1 + Eta)/(2.*(Lambda/90)\u00b2)\n"
        L"    = ( (77.268/90)\u00b2+ 1 + 0.208)/(2.*(77.268/90)\u00b2)\n"
        L"    = 1.319\n"
        L"AlphaC = Xi*(1- sqrt(1-(90/(Xi*Lambda))\u00b2))\n"
        L"       = 1.319*(1- sqrt(1-(90/(1.319*77.268))\u00b2))\n"
        L"       = 0.700\n"
        L"Nc = AlphaC*Ns\n"
        L"   = 0.700*1250.00 kN\n"
        L"   = 874.59 kN\n";
    EXPECT_EQ(text, expected);
}

TEST(ColumnStrength, TorsionalEntryKeepsItsOwnAlphaALineAndLimit) {
    // λn = 0 (no torsional buckling length) with αb = 1 gives αc = 1 up to rounding; the
    // capacity never exceeds Ns.
    CMemberResult result;
    const double nc = ColumnCapacityFromSlenderness(0.0, 1.0, 1.0e6, &result, L"L       = ");
    EXPECT_LE(nc, 1.0e6);
    EXPECT_NEAR(nc, 1.0e6, 1e-3);
    ASSERT_FALSE(result.Report().empty());
    EXPECT_EQ(
        result.Report()[0].text.rfind(
            L"AlphaA = 2100*(LambdaN-13.5)/(LambdaN\u00b2- 15.3*LambdaN + 2050)\nL       = 2100*(",
            0),
        0u);
}

}  // namespace
