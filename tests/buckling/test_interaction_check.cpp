// Combined actions, member capacity (cl. 8.4): the compression cases (compact I, compact RHS,
// circular, other), the out-of-plane alternative of cl. 8.4.4.1, the tension cases, the single
// and per-end report forms and the limit lines.
#include <gtest/gtest.h>

#include <cmath>

#include "buckling/test_lt_fixture.h"

namespace {

using namespace lttest;

// 310UB40.4 in 300PLUS: Msx = 202.56 kN·m, Msy = 45.44 kN·m, Ns = 1667.2 kN, Mo = 95.20 kN·m
// over 6 m. The record: N* = 100 kN about both axes, Ncx = 1400 kN, Ncy = 600 kN,
// Mb = 150 kN·m, Mx = 60 kN·m at end 1 and 0 at end 2 (βmx = 0), My = 4 kN·m uniform
// (βmy = −1). Then N/(φNs) = 0.06665, ax = 0.92063, ay = 0.81481, bx = 0.125, by = 0.
constexpr double kMsx = 202560.0;
constexpr double kMsy = 45440.0;

TestSectionValues Beam() {
    TestSectionValues v;
    v.moa = 95201.3;
    return v;
}

SubSpanActions Actions(double n, double mxLeft, double mxRight, double my) {
    SubSpanActions a;
    a.forcesLeft = Vec3(n, 0, 0);
    a.forcesRight = Vec3(n, 0, 0);
    a.momentsLeft = Vec3(0, mxLeft, my);
    a.momentsRight = Vec3(0, mxRight, my);
    return a;
}

// The record of a span over the whole member, as the span checks would leave it.
void FillRecord(CInteractionData& r, const CAS4100Span& span, double mxRight) {
    r.SpanXX = r.SpanYY = r.SpanLT = span;
    r.NStarX = r.NStarY = 100e3;
    r.Ncx = r.NcxInPlane = 1400e3;
    r.Ncy = r.NcyInPlane = 600e3;
    r.Nomx = r.Nomy = 1e8;
    r.Mbx1 = r.Mbx2 = 150e3;
    r.Mx1 = 60e3;
    r.Mx2 = mxRight;
    r.MyMax = r.MyMin = 4e3;
}

// The amplification has its own tests; here δ = 1.
void WithoutAmplification(CAS4100_98Member& member) {
    member.SetMomentAmplificationFactorStrongAxis(1.0);
    member.SetMomentAmplificationFactorWeakAxis(1.0);
}

struct Interaction : CheckFixture {
    // The right end is L unless told otherwise, so that the out-of-plane alternative of
    // cl. 8.4.4.1 (F or P ends only) is not taken.
    explicit Interaction(const TestSectionValues& v = Beam(), unsigned right = kL,
                         double mxRight = 0.0)
        : CheckFixture({{0.0, kFEnd}, {6.0, right}}, {Actions(-100e3, 60e3, mxRight, 4e3)}, v) {
        WithoutAmplification(member);
        FillRecord(Record(0), Span(0, 1), mxRight);
    }
    bool Check() { return A::CheckBucklingInteraction(member, Record(0)); }
    double Util() const { return CheckFixture::Util(UtilKind::BucklingCombined); }
};

TestSectionValues NonCompact() {
    TestSectionValues v = Beam();
    v.overallClass = CAS4100_98Section::NonCompact;
    return v;
}

TEST(InteractionCompression, CompactISectionSingleForm) {
    Interaction f;
    EXPECT_TRUE(f.Check());
    // Mrx = min(Ms, 1.18 × 202.56 × 0.93335) = Ms; Mry = min(Msy, 53.83) = Msy;
    // Mix = 202.56 × (0.875 × 0.92063 + 1.18 × 0.125 × √0.92063) = 191.84 kN·m;
    // Miy = 45.44 × 0.81481 = 37.03 kN·m; Mox = 150 × 0.81481 = 122.22 kN·m = Mcx;
    // (60/(0.9 × 122.22))^1.4 + (4/(0.9 × 37.03))^1.4 = 0.4280 + 0.0514.
    EXPECT_NEAR(f.Util(), 0.479428, 1e-6);
    const CString text = f.Report();
    const CString span = f.Span(0, 1).GetString(f.result.DesFormat());
    EXPECT_EQ(f.result.Report().front().text, L"Major Axis Span: " + span + L"\nMinor Axis Span: " +
                                                  span + L"\nLateral Torsional Span: " + span +
                                                  L"\n");
    EXPECT_TRUE(f.Has(L"Nx = " + f.result.DesFormat().Force(100e3) + L", Ny = "));
    EXPECT_TRUE(f.Has(L"Mb = " + f.Moment(150e3) + L"\n"));
    EXPECT_FALSE(f.Has(L"Mb1 = "));
    EXPECT_FALSE(f.Has(L"NcT = "));  // doubly symmetric
    EXPECT_TRUE(f.Has(L"Mrx = 1.18*Msx*(1 - N / (Phi*Ns) )\n     = "));
    EXPECT_TRUE(f.Has(L"\t> Msx = " + f.Moment(kMsx) + L"\n"));
    EXPECT_TRUE(f.Has(L"Mry = 1.19*Msy*(1 - pow( N / (Phi*Ns),2.0) )\n     = "));
    EXPECT_TRUE(f.Has(L"\t> Msy = " + f.Moment(kMsy) + L"\n"));
    EXPECT_TRUE(f.Has(L"BetaMx = " + f.result.DesFormat().NoDim(0.0) + L", BetaMy = "));
    EXPECT_TRUE(f.Has(L"ax = (1 - N/(Phi*Ncx)\n"));
    EXPECT_TRUE(f.Has(L"bx = pow((1.0 + BetaMx) / 2.0, 3.0)\n"));
    EXPECT_TRUE(f.Has(L"Mix = Msx*((1 - bx)*ax + 1.18*bx*sqrt(ax))\n"));
    EXPECT_TRUE(f.Has(L"Miy = Msy*((1 - by)*ay + 1.18*by*sqrt(ay))\n"));
    EXPECT_TRUE(f.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))\n"));
    EXPECT_TRUE(f.Has(L"Util = pow(Mx/(Phi*Mcx),1.4) + pow(My/(Phi*Miy),1.4)\n"));
    EXPECT_FALSE(f.Has(L"\t> Mrx = "));
}

TEST(InteractionCompression, CompactISectionUniformMomentAlternative) {
    // F ends, no transverse load: cl. 8.4.4.1 with βm = 0 over the segment:
    // αbc = 1/(0.5 + 0.125 × (0.4 − 0.23 × 0.18519)) = 1.8360;
    // Noz = (GJ + π²EIw/L²)/((Ix + Iy)/A) = 21.607 kN·m²/0.018052 m² = 1196.95 kN;
    // Mbxo = αs·Moa = 0.3695 × 95.20 = 35.18 kN·m;
    // Mox = 1.8360 × 35.18 × √(0.81481 × (1 − 100/(0.9 × 1196.95))) = 55.53 kN·m = Mcx.
    Interaction f(Beam(), kFEnd);
    f.Check();
    EXPECT_NEAR(f.Util(), 1.343100, 1e-5);
    EXPECT_TRUE(f.Has(L"Mox = alpha*Mbxo*sqrt( (1-N/(Phi*Ncy))*(1-N/(Phi*Noz)))\n     = "));
    EXPECT_FALSE(f.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))"));
}

TEST(InteractionCompression, TransverseLoadRulesOutTheAlternative) {
    // A point load at mid-span between F ends: two sub-spans with a drop in shear between them.
    CheckFixture loaded(
        {{0.0, kFEnd}, {3.0, 0}, {6.0, kFEnd}},
        {Bending(-100e3, 0.0, 60e3, 20e3, 20e3), Bending(-100e3, 60e3, 0.0, -20e3, -20e3)}, Beam());
    WithoutAmplification(loaded.member);
    FillRecord(loaded.Record(0), loaded.Span(0, 2), 0.0);
    A::CheckBucklingInteraction(loaded.member, loaded.Record(0));
    EXPECT_TRUE(loaded.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))"));
    EXPECT_FALSE(loaded.Has(L"Mox = alpha*Mbxo"));
}

TEST(InteractionCompression, PerEndForm) {
    Interaction f;
    f.Record(0).Mbx2 = 120e3;
    f.Check();
    // End 2: Mox2 = 120 × 0.81481 = 97.78 kN·m governs the major axis term:
    // Util1 = (60/(0.9 × 97.78))^1.4 = 0.5850, Util2 = 0.0514.
    EXPECT_NEAR(f.Util(), 0.636383, 1e-6);
    EXPECT_TRUE(f.Has(L"Mb1 = " + f.Moment(150e3) + L"\n"));
    EXPECT_TRUE(f.Has(L"Mb2 = " + f.Moment(120e3) + L"\n"));
    EXPECT_TRUE(f.Has(L"Msx2 = " + f.Moment(kMsx) + L"\n"));
    EXPECT_TRUE(f.Has(L"Mrx1 = 1.18*Msx1*(1 - N / (Phi*Ns) )\n"));
    EXPECT_TRUE(f.Has(L"\t> Msx2 = "));
    EXPECT_TRUE(f.Has(L"Mry2 = 1.19*Msy2*(1 - pow( N / (Phi*Ns),2.0) )\n"));
    EXPECT_TRUE(f.Has(L"Mix2 = Msx2*((1 - bx)*ax + 1.18*bx*sqrt(ax))\n"));
    EXPECT_TRUE(f.Has(L"Mox1 = Mb1*(1 - N/(Phi*Ncy))\n"));
    EXPECT_TRUE(f.Has(L"Mox2 = Mb2*(1 - N/(Phi*Ncy))\n     = "));
    EXPECT_TRUE(f.Has(L"Mcx2 = min(Mox2, Mix2)\n"));
    EXPECT_TRUE(f.Has(L"Util1 = max(pow(MxMax/(Phi*Mcx1),1.4), pow(MxMin/(Phi*Mcx2),1.4) )\n"));
    EXPECT_TRUE(f.Has(L"Util2 = max(pow(MyMax/(Phi*Miy1),1.4), pow(MyMin/(Phi*Miy2),1.4) )\n"));
    EXPECT_TRUE(f.Has(L"Util = Util1 + Util2\n"));
}

TEST(InteractionCompression, EndsAlikeWithinTheTolerance) {
    Interaction alike;
    alike.Record(0).Mbx2 = 150e3 + 5e-7;
    alike.Check();
    EXPECT_TRUE(alike.Has(L"Mb = "));
    EXPECT_FALSE(alike.Has(L"Mb1 = "));
    Interaction apart;
    apart.Record(0).Mbx2 = 150e3 + 2e-6;
    apart.Check();
    EXPECT_TRUE(apart.Has(L"Mb1 = "));
}

TEST(InteractionCompression, InPlaneCapacityLimitedToMrx) {
    // Equal and opposite end moments: βmx = 1, bx = 1, Mix = 1.18·Msx·√ax = 229.3 kN·m > Mrx.
    Interaction f(Beam(), kL, -60e3);
    f.Check();
    EXPECT_TRUE(f.Has(L"BetaMx = " + f.result.DesFormat().NoDim(1.0) + L", BetaMy = "));
    EXPECT_TRUE(f.Has(L"\t> Mrx = " + f.Moment(kMsx) + L"\n"));
    EXPECT_NEAR(f.Util(), 0.479428, 1e-6);  // Mox still governs
}

TEST(InteractionCompression, CompactRectangularHollowSection) {
    TestSectionValues v = Beam();
    v.iOrH = false;
    v.rectangular = true;
    v.hollow = true;
    Interaction f(v, kFEnd);  // F ends, yet no alternative for a hollow section
    f.Check();
    EXPECT_TRUE(f.Has(L"Mry = 1.18*Msy*(1 - N / (Phi*Ns) )\n"));
    EXPECT_TRUE(f.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))\n"));
    EXPECT_NEAR(f.Util(), 0.479428, 1e-6);
}

TEST(InteractionCompression, CircularSection) {
    TestSectionValues v = Beam();
    v.iOrH = false;
    v.circular = true;
    Interaction f(v);
    f.Check();
    // M = √(60² + 4²) = 60.133 kN·m; Mcx = min(Mix, Mox) = min(186.48, 122.22);
    // Util = 60.133/(0.9 × 122.22) = 0.5467.
    EXPECT_NEAR(f.Util(), 0.546665, 1e-6);
    EXPECT_TRUE(f.Has(L"M = sqrt(Mx^2+My^2) = " + f.Moment(std::hypot(60e3, 4e3)) + L"\n"));
    EXPECT_TRUE(f.Has(L"Mix = Msx*(1 - N/(Phi*Ncx))\n"));
    EXPECT_TRUE(f.Has(L"Util = Mx/(Phi*Mcx)\n"));
}

TEST(InteractionCompression, CircularSectionWithoutCapacityIsInfinite) {
    TestSectionValues v = Beam();
    v.iOrH = false;
    v.circular = true;
    v.zex = 0.0;
    Interaction f(v);
    f.Record(0).Mx1 = 0.0;
    f.Record(0).MyMax = f.Record(0).MyMin = 0.0;
    f.Record(0).Mbx1 = f.Record(0).Mbx2 = 0.0;
    f.Check();
    EXPECT_EQ(f.Util(), kInf);  // 0/0 reported as +inf
}

TEST(InteractionCompression, OtherSections) {
    Interaction f(NonCompact());
    f.Check();
    // Mox = 122.22, Mix = 202.56 × 0.92063 = 186.48, Miy = 37.03 kN·m.
    EXPECT_NEAR(f.Util(), 0.479428, 1e-6);
    EXPECT_TRUE(f.Has(L"Mox = Mb*(1 - N/(Phi*Ncy))\n"));
    EXPECT_TRUE(f.Has(L"Mix = Msx*(1 - N/(Phi*Ncx))\n     = "));
    EXPECT_TRUE(f.Has(L"Miy = Msy1(1 - N/(Phi*Ncy))\n"));
    EXPECT_FALSE(f.Has(L"Mrx = "));

    Interaction perEnd(NonCompact());
    perEnd.Record(0).Mbx2 = 120e3;
    perEnd.Check();
    EXPECT_NEAR(perEnd.Util(), 0.636383, 1e-6);
    EXPECT_TRUE(perEnd.Has(L"Miy2 = Msy2*(1 - N/(Phi*Ncy))\n     = "));
    EXPECT_TRUE(perEnd.Has(L"Mix1 = Msx1*(1 - N/(Phi*Ncx))\n     = "));
}

TEST(InteractionCompression, NoMomentsNoUtilisation) {
    for (const TestSectionValues& v : {Beam(), NonCompact()}) {
        Interaction f(v);
        f.Record(0).Mx1 = 0.0;
        f.Record(0).MyMax = f.Record(0).MyMin = 0.0;
        f.Check();
        EXPECT_DOUBLE_EQ(f.Util(), 0.0);
    }
}

TEST(InteractionCompression, BeamWithoutAxialForceIgnoresZeroColumnCapacities) {
    // A span check without a finite effective length leaves Nc = 0; with N = 0 the axial
    // ratios are 0: ax = ay = 1, Mox = Mb = 150, Mix = min(Msx, 207.1) = Msx, Miy = Msy;
    // (60/(0.9 × 150))^1.4 + (4/(0.9 × 45.44))^1.4 = 0.3217 + 0.0386.
    Interaction f;
    CInteractionData& r = f.Record(0);
    r.NStarX = r.NStarY = 0.0;
    r.Ncy = r.NcyInPlane = 0.0;
    f.Check();
    EXPECT_NEAR(f.Util(), 0.359920, 1e-6);
}

TEST(InteractionCompression, AmplifiedMoments) {
    Interaction f;
    f.member.SetMomentAmplificationFactorStrongAxis(1.2);
    f.Check();
    const CDesFormat& fmt = f.result.DesFormat();
    EXPECT_TRUE(f.Has(L"Axial load capacity (strong axis) = " + fmt.Force(1400e3) + L"\n"));
    EXPECT_TRUE(f.Has(L"Moment amplification factor to major axis moments = " + fmt.NoDim(1.2) +
                      L" (reference: AS 4100-1998 clause 4.4.2.2)\n"));
    EXPECT_TRUE(f.Has(L"Amplified moment MxMax = " + f.Moment(72e3) + L"\n"));
    EXPECT_FALSE(f.Has(L"Moment amplification factor to minor axis moments = "));
    // (72/(0.9 × 122.22))^1.4 + 0.0514 = 0.5525 + 0.0514
    EXPECT_NEAR(f.Util(), 0.603889, 1e-5);
}

TEST(InteractionCompression, MonosymmetricSectionReportsTorsionalCapacities) {
    TestSectionValues v = NonCompact();
    v.doubly = false;
    Interaction f(v);
    f.Record(0).NcTorsion = 800e3;
    f.Check();
    EXPECT_TRUE(f.Has(L"NcT = " + f.result.DesFormat().Force(800e3) + L"\n"));
    EXPECT_TRUE(f.Has(L"NcTF = "));
}

// --- tension ----------------------------------------------------------------------------

TEST(InteractionTension, CompactISection) {
    // Any recorded tension selects the tension branch, although the span is compressed.
    Interaction f;
    f.Record(0).NtStar = 200e3;
    f.Check();
    // Nst = min(Ag·fy, 0.85·An·fu) = 1667.2 kN; Nt/(φNst) = 0.13329;
    // Mrx = min(Ms, 207.16) = Ms; Mry = min(Msy, 53.11) = Msy; Mox = 150 × 1.13329 = 170.0;
    // Mtx = 170.0; (60/(0.9 × 170.0))^1.4 + (4/(0.9 × 45.44))^1.4 = 0.2697 + 0.0386.
    EXPECT_NEAR(f.Util(), 0.308286, 1e-6);
    EXPECT_TRUE(f.Has(L"Mrx = 1.18*Msx*(1 - Nt / (Phi*Nst) )\n"));
    EXPECT_TRUE(f.Has(L"\t> Msx = "));
    EXPECT_TRUE(f.Has(L"Mry = 1.19*Msy*(1 - pow( Nt / (Phi*Nst),2.0) )\n"));
    EXPECT_TRUE(f.Has(L"Mox = Mb*(1 + Nt/(Phi*Nst))\n"));
    EXPECT_TRUE(f.Has(L"Mtx = min(Mox, Mrx)\n"));
    EXPECT_TRUE(f.Has(L"Util = pow(Mx/(Phi*Mtx),1.4) + pow(My/(Phi*Mry),1.4)\n"));
    EXPECT_FALSE(f.Has(L"Mix"));
}

TEST(InteractionTension, OtherSectionsPerEnd) {
    Interaction f(NonCompact());
    f.Record(0).NtStar = 200e3;
    f.Check();
    // Mrx = 202.56 × 0.86671 = 175.56, Mry = 45.44 × 0.86671 = 39.38 kN·m.
    EXPECT_NEAR(f.Util(), 0.316844, 1e-6);
    EXPECT_TRUE(f.Has(L"Mrx = Msx*(1 - Nt/(Phi*Nst))\n"));
    EXPECT_TRUE(f.Has(L"Mry = Msy*(1 - Nt/(Phi*Nst))\n"));

    Interaction perEnd(NonCompact());
    perEnd.Record(0).NtStar = 200e3;
    perEnd.Record(0).Mbx2 = 120e3;
    perEnd.Check();
    EXPECT_TRUE(perEnd.Has(L"Mrx2 = Msx2*(1 - Nt/(Phi*Nst))\n"));
    EXPECT_TRUE(perEnd.Has(L"Mox2 = Mb2*(1 + Nt/(Phi*Nst))\n"));
    EXPECT_TRUE(perEnd.Has(L"Mtx1 = min(Mox1, Mrx1)\n"));
    EXPECT_TRUE(
        perEnd.Has(L"Util1 = max(pow(MxMax/(Phi*Mtx1),1.4), pow(MxMin/(Phi*Mtx2),1.4) )\n"));
    EXPECT_TRUE(
        perEnd.Has(L"Util2 = max(pow(MyMax/(Phi*Mry1),1.4), pow(MyMin/(Phi*Mry2),1.4) )\n"));
}

TEST(InteractionTension, CircularSection) {
    TestSectionValues v = Beam();
    v.iOrH = false;
    v.circular = true;
    Interaction f(v);
    f.Record(0).NtStar = 200e3;
    f.Check();
    // Mtx = min(170.0, 175.56); Util = 60.133/(0.9 × 170.0) = 0.3930.
    EXPECT_NEAR(f.Util(), std::hypot(60e3, 4e3) / (0.9 * 169993.602), 1e-6);
    EXPECT_TRUE(f.Has(L"Util = Mx/(Phi*Mtx)\n"));
}

}  // namespace
