// Tube members checked end to end through the module's factory: the combined member check
// (cl. 8.4) takes the rectangular hollow forms (Mry = 1.18·Msy·(1 − n), Mox = Mb·(1 ∓ ...)) for a
// compact SHS and the resultant moment for a CHS, in compression and in tension, against hand
// calculations. Each member is 4.0 m between pinned ends (ke = 1), C350L0, with uniform moments
// (βm = −1, cm = 1: δ = 1/(1 − N*/Nomb)).
#include <gtest/gtest.h>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

constexpr double kTolerance = 0.005;  // 0.5 %

struct TubeMember : HostMember {
    TubeMember(const char* section, double n, double mx, double my)
        : HostMember(MakePoints({{0.0, kFEnd}, {4.0, kFEnd}}),
                     MakeSubSpans(1, {Bending(n, mx, mx, 0.0, 0.0, 0, my)}),
                     CatalogueSection(section), CatalogueGrade("C350L0")) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(checker->Check());
    }
    double Combined() const {
        return result.Util(result.NumEntries() - 1, UtilKind::BucklingCombined);
    }
};

// 150x150x6SHS (compact, Ms = 350 × 178e3 = 62.30 kN·m both ways, Ns = 1165.5 kN,
// Nc(4 m) = 859.59 kN, Nomb = π²·200e3·11.3e6/4000² = 1394.1 kN).
// Compression, N* = 300 kN, Mx = 10, My = 4 kN·m: δ = 1.2742; Mrx = Mry = 1.18·62.3·(1 −
// 300/(0.9·1165.5)) = 52.489; bx = by = 0, ax = ay = 1 − 300/(0.9·859.59) = 0.61222, Mix = Miy =
// 38.141 = Mox = Mb·ax (a square tube is not checked for LT buckling, Mb = Ms);
// Util = (12.742/(0.9·38.141))^1.4 + (5.097/(0.9·38.141))^1.4 = 0.31895.
// Tension, Nt = 300 kN: Nst = min(1165.5, 0.85·3330·430) = 1165.5, Mrx = Mry = 52.489,
// Mox = 62.3·(1 + 0.286) = 80.12, Mtx = 52.489; Util = (10/47.24)^1.4 + (4/47.24)^1.4 = 0.14529.
TEST(TubeMember, CompactSquareTubeTakesTheRectangularHollowForms) {
    const TubeMember compression("150x150x6SHS", -300e3, 10e3, 4e3);
    EXPECT_NEAR(compression.Combined(), 0.31895, 0.31895 * kTolerance);
    EXPECT_TRUE(compression.Has(L"Mry = 1.18*Msy*(1 - N / (Phi*Ns) )\n"));
    EXPECT_TRUE(compression.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))\n"));
    const TubeMember tension("150x150x6SHS", 300e3, 10e3, 4e3);
    EXPECT_NEAR(tension.Combined(), 0.14529, 0.14529 * kTolerance);
    EXPECT_TRUE(tension.Has(L"Mry = 1.18*Msy*(1 - Nt / (Phi*Nst) )\n"));
}

// 114.3x4.5CHS (compact, Ms = 350 × 54.3e3 = 19.005 kN·m, Nc(4 m) = 245.38 kN, Nomb = 288.69 kN).
// Compression, N* = 100 kN, Mx = 5 kN·m: δ = 1.5300, Mix = Mox = 19.005·(1 − 100/(0.9·245.38)) =
// 10.399, Util = 7.650/(0.9·10.399) = 0.81735.
// Tension, Nt = 100 kN, Mx = 3, My = 4 kN·m (M = 5): Nst = 542.5 kN, Mrx = 19.005·(1 − 0.20481) =
// 15.113 < Mox = 22.897; Util = 5/(0.9·15.113) = 0.36761.
TEST(TubeMember, CircularTubeTakesTheResultantMoment) {
    const TubeMember compression("114.3x4.5CHS", -100e3, 5e3, 0.0);
    EXPECT_NEAR(compression.Combined(), 0.81735, 0.81735 * kTolerance);
    EXPECT_TRUE(compression.Has(L"Mix = Msx*(1 - N/(Phi*Ncx))"));
    const TubeMember tension("114.3x4.5CHS", 100e3, 3e3, 4e3);
    EXPECT_NEAR(tension.Combined(), 0.36761, 0.36761 * kTolerance);
    EXPECT_TRUE(tension.Has(L"M = sqrt(Mx^2+My^2) = "));
    EXPECT_TRUE(tension.Has(L"Mrx = Msx*(1 - Nt/(Phi*Nst))"));
}

}  // namespace
