// Channel and tee members checked through the module's factory against hand calculations:
// a channel lintel in lateral-torsional buckling (cl. 5.6.1.1), a channel column and a tee
// strut in torsional and flexural-torsional buckling (cl. 6.3.3).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

constexpr double kTolerance = 0.005;  // 0.5 %

struct Member : HostMember {
    Member(const std::vector<PointDef>& points, const std::vector<SubSpanActions>& actions,
           const Arbor::Data::CSection& section, const CSteelGrade& grade)
        : HostMember(MakePoints(points), MakeSubSpans(actions.size(), actions), section, grade) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(checker->Check());
    }
    double Buckling(UtilKind kind) const { return result.Util(result.NumEntries() - 1, kind); }
};

// 200PFC, 300PLUS (fy 300 MPa; published Iy 1.65e6 mm⁴, J 105e3 mm⁴, Iw 10.6e9 mm⁶,
// Zex = Sx = 221e3 mm³), 3 m between F ends, 12 kN/m at the shear centre: M* = 13.5 kN·m.
// Mo = sqrt(361.885 kN·(8400 + 2324.8) N·m²) = 62.30 kN·m, Ms = 66.30 kN·m, αs = 0.5812,
// αm = 1.7/sqrt(0.75² + 1 + 0.75²) = 1.1662, Mb = 44.94 kN·m: 13.5/(0.9·44.94) = 0.3338.
TEST(ChannelMember, LintelInLateralTorsionalBuckling) {
    Member m({{0.0, kFEnd}, {1.5, 0u}, {3.0, kFEnd}},
             {Bending(0, 0, 13.5e3, 18e3, 0), Bending(0, 13.5e3, 0, 0, -18e3)},
             CatalogueSection("200PFC"), CatalogueGrade("300PLUS"));
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingLT), 0.33380, 0.33380 * kTolerance);
    EXPECT_TRUE(m.Has(L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*(G*J + Pi\u00B2*E*Iw/Le\u00B2) )"));
}

// The same channel as a 3 m pinned column under 200 kN (Ns = 876 kN, αb = 0.5): NcT = 537.63 kN
// (NcrT = 1114.38 kN), NcTF = 518.14 kN (NcrTF = 1027.09 kN), Ncy = 271.85 kN (λn = 150.9).
TEST(ChannelMember, ColumnInFlexuralTorsionalBuckling) {
    Member m({{0.0, kFEnd}, {3.0, kFEnd}}, {Bending(-200e3, 0, 0)}, CatalogueSection("200PFC"),
             CatalogueGrade("300PLUS"));
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingAxialTorsion), 0.41333, 0.41333 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingAxialFlexuralTorsion), 0.42888, 0.42888 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingAxialMinor), 0.81742, 0.81742 * kTolerance);
    EXPECT_TRUE(m.Has(L"NcrTF = Beta/2.*( NcrX+NcrT - sqrt("));
}

// A welded-free tee by dimensions (D 200, flange 150 × 12, stem 8, fy 250 MPa) as a 2.5 m
// strut under 200 kN. Its stem tip is slender in compression: kf = 0.8547, Ns = 706 kN, αb = 1.
// NcrT = 1356.95 kN → NcT = 453.66 kN; NcrTF = 768.31 kN (coupled with NcrY = 1068.45 kN)
// → NcTF = 358.93 kN.
TEST(TeeMember, StrutWithSlenderStemInFlexuralTorsionalBuckling) {
    Arbor::Data::CSection tee(L"T 200x150");
    tee.SetShape(Arbor::Data::SecShape::T);
    tee.SetDimensions({0.2, 0.15, 0.012, 0.008, 0.0});
    Arbor::Data::GradeBand band;
    band.fy = 250e6;
    band.fu = 410e6;
    Member m({{0.0, kFEnd}, {2.5, kFEnd}}, {Bending(-200e3, 0, 0)}, tee, CSteelGrade(L"G", {band}));
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingAxialTorsion), 0.48985, 0.48985 * kTolerance);
    EXPECT_NEAR(m.Buckling(UtilKind::BucklingAxialFlexuralTorsion), 0.61913, 0.61913 * kTolerance);
    EXPECT_TRUE(m.Has(L"NcrTF = Beta/2.*( NcrY+NcrT - sqrt("));
}

}  // namespace
