// Whole members of every shape checked through the module's factory against hand calculations:
// lateral-torsional buckling and the combined check of a 310UB40.4 (cl. 5.6.1.1, 4.4.2.2,
// 8.4), a channel lintel and column and a tee strut (cl. 5.6.1.1, 6.3.3), and tubes in the
// combined check of cl. 8.4 (the rectangular hollow forms for a compact SHS, the resultant
// moment for a CHS).
#include <gtest/gtest.h>

#include "common/TestSections.h"
#include "shapes/IcalcSupport.h"

namespace {

using namespace as4100test;
using K = UtilKind;

constexpr unsigned kFixedF = kFEnd | RestraintBit::RotationXX | RestraintBit::RotationYY;
// A fly brace: both flanges held laterally with twist restraint, no support.
constexpr unsigned kBrace = RestraintBit::TranslationYY | 512 | 1024 | 128 | 64;

struct Row {
    const char* what;
    std::vector<PointDef> points;
    std::vector<SubSpanActions> actions;
    Arbor::Data::CSection section;
    CSteelGrade grade;
    std::vector<std::pair<UtilKind, double>> utils;  // of the buckling entry, within 0.5 %
    std::vector<const wchar_t*> lines;               // those the golden reports do not show
};

// 310UB40.4 in 300PLUS (Iy 7.65e6 mm⁴, J 157e3 mm⁴, Iw 165e9 mm⁶, compact: Zex = Sx = 633e3
// mm³, fy 320 MPa): Msx = 202.56 kN·m; Mo(6 m) = 95.20 kN·m, αs = 0.3695; Mo(3 m) = 285.99
// kN·m, αs = 0.6978. Tubes are 4.0 m between pinned ends in C350L0 under uniform moments
// (βm = −1, cm = 1: δ = 1/(1 − N*/Nomb)).
std::vector<Row> Rows() {
    const auto ub = CatalogueSection("310UB40.4"), pfc = CatalogueSection("200PFC");
    const auto shs = CatalogueSection("150x150x6SHS"), chs = CatalogueSection("114.3x4.5CHS");
    const auto g300 = CatalogueGrade("300PLUS"), c350 = CatalogueGrade("C350L0");
    const std::vector<PointDef> six{{0.0, kFEnd}, {6.0, kFEnd}}, four{{0.0, kFEnd}, {4.0, kFEnd}};
    // clang-format off
    return {
        // αm = 1.7/√3 = 0.9815; Mb = 0.9815·0.3695·202.56 = 73.46 kN·m: 50/(0.9·73.46); combined
        // (cl. 8.4.5.1, N = 0) Mcx = Mb: 0.7562^1.4.
        {"UB uniform moment", six, {Bending(0, 50e3, 50e3)}, ub, g300,
         {{K::BucklingLT, 0.75623}, {K::BucklingCombined, 0.67626}}, {}},
        // Two 3 m segments: Mb = 0.9815·0.6978·202.56 = 138.73 kN·m; 100/(0.9·138.73).
        {"UB braced at midspan", {{0.0, kFEnd}, {3.0, kBrace}, {6.0, kFEnd}},
         {Bending(0, 100e3, 100e3), Bending(0, 100e3, 100e3)}, ub, g300,
         {{K::BucklingLT, 0.80091}, {K::BucklingCombined, 0.73286}}, {}},
        // 3 m cantilever, free tip at x = 0, 50 kN at the tip: αm = 1.25, Mb = 176.68 kN·m;
        // 150/(0.9·176.68).
        {"UB cantilever", {{0.0, 0u}, {3.0, kFixedF}}, {Bending(0, 0.0, -150e3, -50e3, -50e3)}, ub,
         g300, {{K::BucklingLT, 0.94331}, {K::BucklingCombined, 0.92154}}, {}},
        // 100 kN and 40 kN·m uniform over 6 m: Nomx = 4737.4 kN, δ = 1.0216; LT 1.0216·40/(0.9·
        // 73.46). Combined (not compact overall, cl. 8.4.2.2, 8.4.4.1): kf = 0.952, Ns = 1587 kN,
        // Ncy(λn = 172.9) = 363.5 kN, Mox = 73.46·(1 − 100/(0.9·363.5)) = 51.01 kN·m = Mcx (Mix =
        // 185.96): (1.0216·40/(0.9·51.01))^1.4.
        {"UB beam-column", six, {Bending(-100e3, 40e3, 40e3)}, ub, g300,
         {{K::BucklingLT, 0.61803}, {K::BucklingCombined, 0.84959}}, {}},
        // 200PFC (Iy 1.65e6 mm⁴, J 105e3 mm⁴, Iw 10.6e9 mm⁶, Zex = Sx = 221e3 mm³, fy 300), 3 m
        // F–F, 12 kN/m at the shear centre: M* = 13.5 kN·m, Mo = √(361.885 kN·(8400 + 2324.8)
        // N·m²) = 62.30, Ms = 66.30 kN·m, αs = 0.5812, αm = 1.1662, Mb = 44.94 kN·m.
        {"PFC lintel", {{0.0, kFEnd}, {1.5, 0u}, {3.0, kFEnd}},
         {Bending(0, 0, 13.5e3, 18e3, 0), Bending(0, 13.5e3, 0, 0, -18e3)}, pfc, g300,
         {{K::BucklingLT, 0.33380}}, {}},
        // 3 m pinned column under 200 kN (Ns = 876 kN, αb = 0.5): NcT = 537.63 kN (NcrT =
        // 1114.38), NcTF = 518.14 kN (NcrTF = 1027.09), Ncy = 271.85 kN (λn = 150.9).
        {"PFC column", {{0.0, kFEnd}, {3.0, kFEnd}}, {Bending(-200e3, 0, 0)}, pfc, g300,
         {{K::BucklingAxialTorsion, 0.41333}, {K::BucklingAxialFlexuralTorsion, 0.42888},
          {K::BucklingAxialMinor, 0.81742}}, {}},
        // Tee (D 200, flange 150 × 12, stem 8, fy 250) strut, 2.5 m, 200 kN; slender stem tip:
        // kf = 0.8547, Ns = 706 kN, αb = 1. NcrT = 1356.95 → NcT = 453.66 kN; NcrTF = 768.31
        // (NcrY = 1068.45) → NcTF = 358.93 kN.
        {"tee strut", {{0.0, kFEnd}, {2.5, kFEnd}}, {Bending(-200e3, 0, 0)},
         icalc::Dimensioned(Arbor::Data::SecShape::T, {200, 150, 12, 8, 0}),
         icalc::OneBand(250, 410),
         {{K::BucklingAxialTorsion, 0.48985}, {K::BucklingAxialFlexuralTorsion, 0.61913}}, {}},
        // 150x150x6SHS, compact: Ms = 62.30 kN·m, Ns = 1165.5, Nc = 859.59, Nomb = 1394.1 kN.
        // N* = 300 kN, Mx 10, My 4: δ = 1.2742, Mrx = Mry = 1.18·62.3·(1 − 300/(0.9·1165.5)) =
        // 52.489, ax = ay = 0.61222, Mix = Miy = Mox = 38.141 (no LT buckling: Mb = Ms):
        // (12.742/(0.9·38.141))^1.4 + (5.097/(0.9·38.141))^1.4.
        {"SHS compression", four, {Bending(-300e3, 10e3, 10e3, 0, 0, 0, 4e3)}, shs, c350,
         {{K::BucklingCombined, 0.31895}}, {}},
        // Nt = 300 kN: Nst = min(1165.5, 0.85·3330·430), Mox = 62.3·1.286 = 80.12, Mtx = 52.489:
        // (10/47.24)^1.4 + (4/47.24)^1.4.
        {"SHS tension", four, {Bending(300e3, 10e3, 10e3, 0, 0, 0, 4e3)}, shs, c350,
         {{K::BucklingCombined, 0.14529}}, {L"Mry = 1.18*Msy*(1 - Nt / (Phi*Nst) )\n"}},
        // 114.3x4.5CHS: Ms = 19.005 kN·m, Nc = 245.38, Nomb = 288.69 kN. N* = 100 kN, Mx = 5:
        // δ = 1.5300, Mix = Mox = 19.005·(1 − 100/(0.9·245.38)) = 10.399; 7.650/(0.9·10.399).
        {"CHS compression", four, {Bending(-100e3, 5e3, 5e3)}, chs, c350,
         {{K::BucklingCombined, 0.81735}}, {}},
        // Nt = 100 kN, M = √(3² + 4²) = 5: Nst = 542.5 kN, Mrx = 15.113 < Mox = 22.897;
        // 5/(0.9·15.113).
        {"CHS tension", four, {Bending(100e3, 3e3, 3e3, 0, 0, 0, 4e3)}, chs, c350,
         {{K::BucklingCombined, 0.36761}}, {}},
    };
    // clang-format on
}

TEST(HostMembers, EachShapeAgainstHandValues) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.what);
        HostMember m(MakePoints(row.points), MakeSubSpans(row.actions.size(), row.actions),
                     row.section, row.grade);
        EXPECT_TRUE(m.accepted);
        EXPECT_TRUE(m.checker->Check());
        const int buckling = m.result.NumEntries() - 1;  // after the local entries
        for (const auto& [kind, value] : row.utils)
            EXPECT_NEAR(m.result.Util(buckling, kind), value, 0.005 * value);
        for (const wchar_t* line : row.lines) EXPECT_TRUE(m.Has(line)) << Arbor::ToUtf8(line);
        EXPECT_EQ((m.result.Flags() & ResultFlag::LTBucklingFail) != 0,
                  m.result.Util(buckling, K::BucklingLT) > 1.0);
    }
}

}  // namespace
