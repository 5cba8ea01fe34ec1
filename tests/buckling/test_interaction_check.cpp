// Combined actions, member capacity (cl. 8.4): the compression cases (compact I, compact RHS,
// circular, other), the out-of-plane alternative of cl. 8.4.4.1, the tension cases, the single
// and per-end report forms and the limit lines.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TestSections.h"

namespace {

using namespace as4100test;

// 310UB40.4 in 300PLUS: Msx = 202.56 kN·m, Msy = 45.44 kN·m, Ns = 1667.2 kN, Mo = 95.20 kN·m
// over 6 m. The record: N* = 100 kN about both axes, Ncx = 1400 kN, Ncy = 600 kN,
// Mb = 150 kN·m, Mx = 60 kN·m at end 1 and 0 at end 2 (βmx = 0), My = 4 kN·m uniform
// (βmy = −1). Then N/(φNs) = 0.06665, ax = 0.92063, ay = 0.81481, bx = 0.125, by = 0.
// In tension Nt = 200 kN: Nst = min(Ag·fy, 0.85·An·fu) = 1667.2 kN, Nt/(φNst) = 0.13329.
enum Kind { CompactI, NonCompact, CompactRhs, Circular, Monosymmetric };

TestSectionProps Beam(Kind kind = CompactI) {
    TestSectionProps v = UB310Beam();
    v.iOrH = kind != CompactRhs && kind != Circular;
    v.rectangular = v.hollow = kind == CompactRhs;
    v.circular = kind == Circular;
    v.doubly = kind != Monosymmetric;
    if (kind == NonCompact || kind == Monosymmetric) v.overallClass = CAS4100_98Section::NonCompact;
    return v;
}

// The record of a span over the whole member, as the span checks would leave it.
void FillRecord(CInteractionData& r, const CAS4100Span& span, double mxRight, double mbx2) {
    r.SpanXX = r.SpanYY = r.SpanLT = span;
    r.NStarX = r.NStarY = 100e3;
    r.Ncx = r.NcxInPlane = 1400e3;
    r.Ncy = r.NcyInPlane = 600e3;
    r.Nomx = r.Nomy = 1e8;
    r.Mbx1 = 150e3;
    r.Mbx2 = mbx2;
    r.Mx1 = 60e3;
    r.Mx2 = mxRight;
    r.MyMax = r.MyMin = 4e3;
}

// The right end is L unless told otherwise, so that the out-of-plane alternative of
// cl. 8.4.4.1 (F or P ends only) is not taken. The amplification has its own tests: δ = 1.
// Any recorded tension ntStar selects the tension branch, although the span is compressed.
struct Interaction : TestMember {
    explicit Interaction(const TestSectionProps& v = Beam(), double mbx2 = 150e3,
                         double ntStar = 0.0, unsigned right = kLEnd, double mxRight = 0.0)
        : TestMember({{0.0, kFEnd}, {6.0, right}}, {Bending(-100e3, 60e3, mxRight, 0, 0, 0, 4e3)},
                     v) {
        member.SetMomentAmplificationFactorStrongAxis(1.0);
        member.SetMomentAmplificationFactorWeakAxis(1.0);
        FillRecord(Record(0), Span(0, 1), mxRight, mbx2);
        Record(0).NtStar = ntStar;
    }
    // Checks, and expects the utilisation and the lines that tell the branch taken.
    void Expect(double util, std::initializer_list<CString> has,
                std::initializer_list<CString> hasNot = {}, double tolerance = 1e-6) {
        A::CheckBucklingInteraction(member, Record(0));
        EXPECT_NEAR(Util(UtilKind::BucklingCombined), util, tolerance);
        EXPECT_EQ(Missing(has), L"");
        for (const CString& s : hasNot) EXPECT_FALSE(Has(s)) << "present: " << s;
    }
};

TEST(InteractionCompression, CompactISection) {
    // Mrx = min(Ms, 1.18 × 202.56 × 0.93335) = Ms; Mry = min(Msy, 53.83) = Msy;
    // Mix = 202.56 × (0.875 × 0.92063 + 1.18 × 0.125 × √0.92063) = 191.84 kN·m;
    // Miy = 45.44 × 0.81481 = 37.03 kN·m; Mox = 150 × 0.81481 = 122.22 kN·m = Mcx;
    // (60/(0.9 × 122.22))^1.4 + (4/(0.9 × 37.03))^1.4 = 0.4280 + 0.0514.
    Interaction f;
    f.Expect(0.479428, {L"Mrx = 1.18*Msx*(1 - N / (Phi*Ns) )\n     = ", L"Mb = "},
             {L"Mb1 = ", L"NcT = ", L"\t> Mrx = "});
    // Per end: Mox2 = 120 × 0.81481 = 97.78 kN·m governs the major axis term:
    // Util1 = (60/(0.9 × 97.78))^1.4 = 0.5850, Util2 = 0.0514.
    Interaction(Beam(), 120e3).Expect(0.636383, {L"Mb2 = ", L"Util = Util1 + Util2\n"});
    // Ends alike within the tolerance of 1e-6 N·m: the single form.
    Interaction(Beam(), 150e3 + 5e-7).Expect(0.479428, {L"Mb = "}, {L"Mb1 = "});
    Interaction(Beam(), 150e3 + 2e-6).Expect(0.479428, {L"Mb1 = "});
    // Equal and opposite end moments: βmx = 1, Mix = 1.18·Msx·√ax = 229.3 kN·m > Mrx; Mox governs.
    Interaction(Beam(), 150e3, 0.0, kLEnd, -60e3)
        .Expect(0.479428, {L"BetaMx = 1.000, BetaMy = ", L"\t> Mrx = " + f.Moment(202560) + L"\n"});
}

TEST(InteractionCompression, OtherShapesAndClasses) {
    // Hollow: F ends, yet no alternative.
    Interaction(Beam(CompactRhs), 150e3, 0.0, kFEnd)
        .Expect(0.479428, {L"Mry = 1.18*Msy*(1 - N / (Phi*Ns) )\n"}, {L"Mox = alpha"});
    // M = √(60² + 4²) = 60.133 kN·m; Mcx = min(Mix, Mox) = min(186.48, 122.22):
    // 60.133/(0.9 × 122.22) = 0.5467.
    Interaction round(Beam(Circular));
    round.Expect(0.546665, {L"M = sqrt(Mx^2+My^2) = " + round.Moment(std::hypot(60e3, 4e3))});
    // Other sections: Mox = 122.22, Mix = 202.56 × 0.92063 = 186.48, Miy = 37.03 kN·m.
    Interaction(Beam(NonCompact)).Expect(0.479428, {L"Mix = Msx*(1 - N/(Phi*Ncx))\n"}, {L"Mrx = "});
    Interaction(Beam(NonCompact), 120e3).Expect(0.636383, {L"Miy2 = Msy2*(1 - N/(Phi*Ncy))\n"});
    Interaction mono(Beam(Monosymmetric));
    mono.Record(0).NcTorsion = 800e3;
    A::CheckBucklingInteraction(mono.member, mono.Record(0));
    EXPECT_EQ(mono.Missing({L"NcT = " + mono.result.DesFormat().Force(800e3) + L"\n", L"NcTF = "}),
              L"");
}

TEST(InteractionCompression, UniformMomentAlternativeUnlessTransverseLoad) {
    // F ends, no transverse load: cl. 8.4.4.1 with βm = 0 over the segment:
    // αbc = 1/(0.5 + 0.125 × (0.4 − 0.23 × 0.18519)) = 1.8360;
    // Noz = (GJ + π²EIw/L²)/((Ix + Iy)/A) = 21.607 kN·m²/0.018052 m² = 1196.95 kN;
    // Mbxo = αs·Moa = 0.3695 × 95.20 = 35.18 kN·m;
    // Mox = 1.8360 × 35.18 × √(0.81481 × (1 − 100/(0.9 × 1196.95))) = 55.53 kN·m = Mcx.
    Interaction(Beam(), 150e3, 0.0, kFEnd)
        .Expect(1.343100, {L"Mox = alpha*Mbxo*sqrt( (1-N/(Phi*Ncy))*(1-N/(Phi*Noz)))\n     = "},
                {L"Mox = Mb*(1 - N/(Phi*Ncy))"}, 1e-5);
    // A point load at mid-span: two sub-spans with a drop in shear between them.
    TestMember loaded(
        {{0.0, kFEnd}, {3.0, 0}, {6.0, kFEnd}},
        {Bending(-100e3, 0.0, 60e3, 20e3, 20e3), Bending(-100e3, 60e3, 0.0, -20e3, -20e3)}, Beam());
    FillRecord(loaded.Record(0), loaded.Span(0, 2), 0.0, 150e3);
    A::CheckBucklingInteraction(loaded.member, loaded.Record(0));
    EXPECT_TRUE(loaded.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))"));
    EXPECT_FALSE(loaded.Has(L"Mox = alpha*Mbxo"));
}

TEST(InteractionCompression, DegenerateMomentsAndCapacities) {
    for (Kind kind : {CompactI, NonCompact}) {
        Interaction f(Beam(kind));  // no moments: no utilisation
        f.Record(0).Mx1 = f.Record(0).MyMax = f.Record(0).MyMin = 0.0;
        f.Expect(0.0, {}, {}, 0.0);
    }
    // A circular section without any capacity: 0/0 reported as +inf.
    TestSectionProps none = Beam(Circular);
    none.zex = 0.0;
    Interaction round(none, 0.0);
    round.Record(0).Mx1 = round.Record(0).MyMax = round.Record(0).MyMin = round.Record(0).Mbx1 = 0;
    A::CheckBucklingInteraction(round.member, round.Record(0));
    EXPECT_EQ(round.Util(UtilKind::BucklingCombined), kInf);
    // No axial force and no column capacity (no finite effective length): the axial ratios are
    // 0, ax = ay = 1, Mox = Mb = 150, Mix = min(Msx, 207.1) = Msx, Miy = Msy;
    // (60/(0.9 × 150))^1.4 + (4/(0.9 × 45.44))^1.4 = 0.3217 + 0.0386.
    Interaction beam;
    beam.Record(0).NStarX = beam.Record(0).NStarY = 0.0;
    beam.Record(0).Ncy = beam.Record(0).NcyInPlane = 0.0;
    beam.Expect(0.359920, {});
}

TEST(InteractionTension, CompactOtherAndCircularSections) {
    // Compact I: Mrx = min(Ms, 207.16) = Ms; Mry = min(Msy, 53.11) = Msy;
    // Mox = 150 × 1.13329 = 170.0 = Mtx; (60/(0.9 × 170.0))^1.4 + (4/(0.9 × 45.44))^1.4 =
    // 0.2697 + 0.0386.
    Interaction(Beam(), 150e3, 200e3)
        .Expect(0.308286, {L"Mrx = 1.18*Msx*(1 - Nt / (Phi*Nst) )\n"}, {L"Mix"});
    // Other: Mrx = 202.56 × 0.86671 = 175.56, Mry = 45.44 × 0.86671 = 39.38 kN·m;
    // (60/(0.9 × 170.0))^1.4 + (4/(0.9 × 39.38))^1.4 = 0.2697 + 0.0472.
    Interaction(Beam(NonCompact), 150e3, 200e3)
        .Expect(0.316844, {L"Mrx = Msx*(1 - Nt/(Phi*Nst))\n"});
    // Per end: Mox2 = 120 × 1.13329 = 136.0 governs: (60/(0.9 × 136.0))^1.4 + 0.0472 = 0.4157.
    Interaction(Beam(NonCompact), 120e3, 200e3)
        .Expect(0.415740, {L"Mox2 = Mb2*(1 + Nt/(Phi*Nst))\n"});
    // Circular: Mtx = min(170.0, 175.56); 60.133/(0.9 × 170.0) = 0.3930.
    Interaction(Beam(Circular), 150e3, 200e3)
        .Expect(std::hypot(60e3, 4e3) / (0.9 * 169993.602), {L"Util = Mx/(Phi*Mtx)\n"});
}

}  // namespace
