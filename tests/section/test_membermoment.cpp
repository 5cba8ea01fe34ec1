// Member moment capacity of a segment (cl. 5.6.1.1) and its effective length Le = kt·kl·kr·L
// with the load height factor of Table 5.6.3(2) (cl. 5.6.3).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "section/MemberMomentTestSection.h"
#include "span/AS4100Span.h"

namespace {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using as4100test::MomentTestSection;
using as4100test::TestSectionValues;

constexpr double kInf = std::numeric_limits<double>::infinity();
// 310UB40.4 in 300PLUS: Msx = fy·Ze = 320 MPa × 633e3 mm³.
constexpr double kMsx = 320e6 * 633e-6;  // 202.56 kN·m

// An F end of cl. 5.4: both flanges held laterally, twist restrained, supported.
constexpr unsigned kFEnd = 0x200000 | 0x100000 | 64 | 128 | 512 | 1024;
// Supported only: no lateral or twist restraint, a U end.
constexpr unsigned kUEnd = 0x200000 | 0x100000;

CString ReportText(const CMemberResult& result) {
    CString text;
    for (const ReportPiece& piece : result.Report()) text += piece.text;
    return text;
}

// One-segment span; a uniform load w (N/m) when asked, with its height above the shear centre
// recorded on the sub-span and optionally at the left end.
struct Segment {
    MemberPointVec points;
    SubSpanVec subSpans;

    Segment(double length, unsigned left, unsigned right, double w = 0.0, double heightAlong = 0.0,
            double heightAtEnd = 0.0) {
        points.emplace_back(0.0, CRestraint(static_cast<int>(left), 0, heightAtEnd));
        points.emplace_back(length, CRestraint(static_cast<int>(right), 0, 0.0));
        const double v = w * length / 2.0;  // simple-span reactions
        subSpans.emplace_back(0, Vec3(0, v, 0), Vec3(0, -v, 0), Vec3(), Vec3(),
                              CRestraint(0, 0, heightAlong));
    }
    CAS4100Span Span() const { return CAS4100Span(&points, &subSpans, 0, 1); }
};

MomentTestSection WithMoa(double moa) {
    TestSectionValues v;
    v.moa = moa;
    return MomentTestSection(v);
}

TEST(MemberMomentCapacity, SlendernessReductionAtTheLimits) {
    // cl. 5.6.1.1: αs → 0.6·√3 as Mo → ∞, αs = 0.6·(2 − 1) when Mo = Ms, αs → 0 as Mo → 0.
    EXPECT_NEAR(CAS4100_98Section::SlendernessReductionFactor(kMsx, kInf), 1.0392305, 1e-7);
    EXPECT_NEAR(CAS4100_98Section::SlendernessReductionFactor(kMsx, kMsx), 0.6, 1e-12);
    EXPECT_DOUBLE_EQ(CAS4100_98Section::SlendernessReductionFactor(kMsx, 0.0), 0.0);
}

TEST(MemberMomentCapacity, NoLateralBucklingGivesTheSectionCapacity) {
    const Segment segment(6.0, kFEnd, kFEnd);
    const MomentTestSection section = WithMoa(kInf);
    CMemberResult result;
    // αm·αs·Ms = 1.0392·202.56 = 210.5 kN·m exceeds Ms: Mb = Ms, with the "min" line.
    EXPECT_DOUBLE_EQ(section.Mbxx(segment.Span(), 1.0, &result, false, 0.0), kMsx);
    const CString text = ReportText(result);
    EXPECT_NE(text.find(L"Mbx = min(Mbx,Msx)\n    = min("), CString::npos);
}

TEST(MemberMomentCapacity, ElasticBucklingMomentEqualToMsx) {
    const Segment segment(6.0, kFEnd, kFEnd);
    const MomentTestSection section = WithMoa(kMsx);
    CMemberResult result;
    // αs = 0.6; Mb = 1.13 × 0.6 × 202.56 = 137.34 kN·m, below Ms: no "min" line.
    EXPECT_NEAR(section.Mbxx(segment.Span(), 1.13, &result, false, 0.0), 137335.68, 0.01);
    EXPECT_EQ(ReportText(result).find(L"Mbx = min(Mbx,Msx)"), CString::npos);
}

TEST(MemberMomentCapacity, UniversalBeamOverSixMetres) {
    // 310UB40.4, Le = 6 m: Mo = 95.20 kN·m (cl. 5.6.1.1 with Iy = 7.65e6 mm⁴, J = 157e3 mm⁴,
    // Iw = 165e9 mm⁶); Ms/Mo = 2.1277, αs = 0.6·(√(2.1277² + 3) − 2.1277) = 0.3695,
    // Mb = 0.3695 × 202.56 = 74.85 kN·m for αm = 1.
    const Segment segment(6.0, kFEnd, kFEnd);
    const MomentTestSection section = WithMoa(95201.3);
    EXPECT_NEAR(section.Mbxx(segment.Span(), 1.0, nullptr, false, 0.0), 74848.8, 1.0);
    // With αm = 1.7/√3 (uniform moment) Mb = 73.46 kN·m.
    EXPECT_NEAR(section.Mbxx(segment.Span(), 1.7 / std::sqrt(3.0), nullptr, false, 0.0), 73463.8,
                1.0);
}

TEST(MemberMomentCapacity, ReportLines) {
    const Segment segment(6.0, kFEnd, kFEnd);
    const MomentTestSection section = WithMoa(95201.3);
    CMemberResult result;
    section.Mbxx(segment.Span(), 1.0, &result, false, 0.0);
    const auto& pieces = result.Report();
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text.rfind(L"Msx = ", 0), 0u);
    // The symbolic part reads "dMoa" before the plus and "Moa" after the minus.
    EXPECT_EQ(pieces[1].text.rfind(L"AlphaS = 0.6*(sqrt( (Msx/dMoa)\u00B2 + 3.) - Msx/Moa)\n"
                                   L"       = 0.6*(sqrt( (",
                                   0),
              0u);
    EXPECT_EQ(pieces[2].text.rfind(L"Mbx = AlphaM*AlphaS*Msx\n    = ", 0), 0u);

    CMemberResult silent;
    silent.EnableText(false);
    section.Mbxx(segment.Span(), 1.0, &silent, false, 0.0);
    EXPECT_TRUE(silent.Report().empty());
}

TEST(SegmentEffectiveLength, ProductOfTheThreeFactors) {
    const Segment segment(6.0, kFEnd, kFEnd);
    TestSectionValues v;
    v.kt = 1.1;
    v.kr = 0.85;
    const MomentTestSection section(v);
    CMemberResult result;
    // Le = kt·kl·kr·L = 1.1 × 1.0 × 0.85 × 6 m.
    EXPECT_NEAR(section.SegmentEffectiveLength(segment.Span(), &result, false, 0.0), 5.61, 1e-12);
    const CString text = ReportText(result);
    EXPECT_EQ(text.rfind(L"Le = Kt*Kl*Kr*L\n   = ", 0), 0u);
    EXPECT_NE(text.find(L" ref. AS 4100:1998 cl. 5.6.3\n"), CString::npos);
}

TEST(SegmentEffectiveLength, OverrideKeepsTheLoadHeightFactorOnly) {
    TestSectionValues v;
    v.kt = 1.2;
    v.kr = 0.7;
    const MomentTestSection section(v);
    CMemberResult result;
    const Segment plain(6.0, kFEnd, kFEnd);
    EXPECT_DOUBLE_EQ(section.SegmentEffectiveLength(plain.Span(), &result, true, 2.5), 2.5);
    EXPECT_EQ(ReportText(result),
              L"Le = " + result.DesFormat().Length(2.5) + L"(Overridden effective length)\n");
    // Top-flange load: 1.4 × the user's length, and never 2.0 (no end test), even with a U end.
    const Segment destabilised(6.0, kFEnd, kUEnd, 10e3, 0.15);
    EXPECT_NEAR(section.SegmentEffectiveLength(destabilised.Span(), nullptr, true, 2.5), 3.5,
                1e-12);
}

TEST(LoadHeightFactor, OnlyDestabilisingLoadsCount) {
    const MomentTestSection section;
    // Load height recorded but no transverse load: not destabilised, whatever the ends.
    const Segment unloaded(6.0, kFEnd, kUEnd, 0.0, 0.15);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(unloaded.Span(), false), 1.0);
    // Loaded, at the top flange within the segment: 1.4 between F ends.
    const Segment withinSegment(6.0, kFEnd, kFEnd, 10e3, 0.15);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(withinSegment.Span(), false), 1.4);
}

TEST(LoadHeightFactor, UnrestrainedEndGivesTwo) {
    const MomentTestSection section;
    // Load height at a segment end only: destabilised, but no height within the segment.
    const Segment atEnd(6.0, kFEnd, kFEnd, 10e3, 0.0, 0.15);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(atEnd.Span(), false), 1.0);
    const Segment atEndWithU(6.0, kFEnd, kUEnd, 10e3, 0.0, 0.15);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(atEndWithU.Span(), false), 2.0);
    const Segment withinWithU(6.0, kUEnd, kFEnd, 10e3, 0.15);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(withinWithU.Span(), false), 2.0);
    EXPECT_DOUBLE_EQ(section.LoadHeightFactor(withinWithU.Span(), true), 1.4);
}

}  // namespace
