// Combined actions, member capacity (cl. 8.4): axial force with bending about both axes, the
// in-plane capacities (cl. 8.4.2.2), the out-of-plane capacity (cl. 8.4.4) and the biaxial
// rule (cl. 8.4.5.1), for one combination of major-axis, minor-axis and lateral-torsional span.
//
// Every capacity is computed for both ends of the segment (end 1 with Msx1, Msy1, Mb1 and the
// moments MxMax, MyMax; end 2 with Msx2, Msy2, Mb2 and MxMin, MyMin). The utilisation is set
// from the two ends; the report shows one column of formulas when the ends are alike and one
// per end otherwise. The formulas of each case are listed once in the tables below.
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"
#include "section/ResultSink.h"
#include "section/RuleNote.h"
#include "shapes/ElasticBuckling.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

using SpanActions::AmplifiedMoment;

constexpr double kPhi = CAS4100_98Section::kPhi;
constexpr double kBiaxialExponent = 1.4;  // cl. 8.4.5.1
constexpr double kAlikeTolerance = 1e-6;

enum class Kind {
    CompactI,            // compact doubly symmetric I or H section
    CompactRectangular,  // compact rectangular hollow section (tension: doubly symmetric RHS)
    Circular,
    Other
};

// Moments and capacities at one end of the segment.
struct End {
    double mx = 0.0, my = 0.0;              // design moments, amplified
    double msx = 0.0, msy = 0.0, mb = 0.0;  // section capacities and member capacity
    double mrxRaw = 0.0, mrx = 0.0;         // section capacities reduced by the axial force
    double mryRaw = 0.0, mry = 0.0;
    double mixRaw = 0.0, mix = 0.0;  // in-plane member capacities
    double miyRaw = 0.0, miy = 0.0;
    double mbxo = 0.0;               // αs·Moa of the uniform-moment alternative
    double moxRaw = 0.0, mox = 0.0;  // out-of-plane member capacity
    double mc = 0.0;                 // Mcx in compression, Mtx in tension
};

struct Combined {
    Kind kind = Kind::Other;
    bool tension = false;
    bool perEnd = false;
    double n = 0.0;   // N (compression) or Nt (tension), positive
    double ns = 0.0;  // Ns or Nst
    double ncx = 0.0, ncy = 0.0, ncxInPlane = 0.0, ncyInPlane = 0.0;
    double betaMx = 0.0, betaMy = 0.0, ax = 0.0, ay = 0.0, bx = 0.0, by = 0.0;
    bool moxAlternative = false;  // cl. 8.4.4.1 with αbc and Mbo
    double moa = 0.0, noz = 0.0, alphaBc = 0.0;
    double mResultant = 0.0;  // √(MxMax² + MyMax²), circular sections
    End end[2];
    double exponent = kBiaxialExponent;  // 1 for bending about one axis by the clause
    double util1 = 0.0, util2 = 0.0, util = 0.0;
};

// --- values ---------------------------------------------------------------------------------

// N/(φ·Nc). Without axial force the ratio is 0 even where a span check left Nc at 0 (no
// finite effective length): a beam is not weakened by a column capacity it does not use.
double AxialRatio(double n, double capacity) {
    return n == 0.0 ? 0.0 : n / (kPhi * capacity);
}

bool IsAlike(double a, double b) {
    return a == b || std::fabs(a - b) < kAlikeTolerance;
}

bool EndsAlike(const Combined& c) {
    const End& e1 = c.end[0];
    const End& e2 = c.end[1];
    return IsAlike(e1.mb, e2.mb) && IsAlike(e1.mx, e2.mx) && IsAlike(e1.my, e2.my) &&
           IsAlike(e1.msx, e2.msx) && IsAlike(e1.msy, e2.msy);
}

// The largest magnitude of two end moments, each with and without the eccentricity moment.
double Envelope(double m1, double m2, double delta) {
    return std::max({std::fabs(m2), std::fabs(m2 + delta), std::fabs(m1), std::fabs(m1 + delta)});
}

// Section capacities at the two ends and the moment envelopes, not yet amplified.
void SetEnds(Combined& c, CAS4100_98Section& section, const CInteractionData& r) {
    section.ClearForcesAndMoments();
    section.SetForceAxial(-std::max(r.NStarX, r.NStarY));
    section.SetMomentXX(r.Mx1);
    c.end[0].msx = section.MsXX(nullptr);
    section.SetMomentXX(r.Mx2);
    c.end[1].msx = section.MsXX(nullptr);
    section.SetMomentYY(r.MyMax);
    c.end[0].msy = section.MsYY(nullptr);
    section.SetMomentYY(r.MyMin);
    c.end[1].msy = section.MsYY(nullptr);
    c.end[0].mb = r.Mbx1;
    c.end[1].mb = r.Mbx2;
    c.end[0].mx = Envelope(r.Mx1, r.Mx2, r.DeltaMxxMin);
    c.end[1].mx = Envelope(r.Mx1, r.Mx2, r.DeltaMxxMax);
    c.end[0].my = Envelope(r.MyMax, r.MyMin, r.DeltaMyyMin);
    c.end[1].my = Envelope(r.MyMax, r.MyMin, r.DeltaMyyMax);
}

Kind Classify(CAS4100_98Section& section, bool tension) {
    const bool compact = section.BucklingClassOverAll(nullptr) == CAS4100_98Section::Compact;
    const bool doubly = section.IsDoublySymmetric();
    if (compact && doubly && section.IsIorHSection()) return Kind::CompactI;
    if (compact && section.IsRectangular() && (tension ? doubly : section.IsHollow())) {
        return Kind::CompactRectangular;
    }
    return section.IsCircular() ? Kind::Circular : Kind::Other;
}

// Combination of the per-end utilisations by cl. 8.4.5.1: the worse end about each axis. With
// bending about one axis only, the standard's reading takes the ratio itself (cl. 8.4.2.2,
// 8.4.4): the exponent changes the figure, never the verdict.
void BiaxialUtilisation(Combined& c, const CAS4100_98Section& section, double End::*capacityX,
                        double End::*capacityY) {
    auto ratio = [](double m, double capacity) { return std::fabs(m) / (kPhi * capacity); };
    auto present = [&](double End::*m, double End::*capacity) {
        return std::max(ratio(c.end[0].*m, c.end[0].*capacity),
                        ratio(c.end[1].*m, c.end[1].*capacity)) >=
               CAS4100_98Section::kNoMomentRatio;
    };
    c.exponent = section.CombinedExponent(
        kBiaxialExponent, present(&End::mx, capacityX) && present(&End::my, capacityY));
    auto term = [&](double m, double capacity) { return std::pow(ratio(m, capacity), c.exponent); };
    c.util1 =
        std::max(term(c.end[0].mx, c.end[0].*capacityX), term(c.end[1].mx, c.end[1].*capacityX));
    c.util2 =
        std::max(term(c.end[0].my, c.end[0].*capacityY), term(c.end[1].my, c.end[1].*capacityY));
    c.util = c.util1 + c.util2;
}

void CircularUtilisation(Combined& c) {
    c.mResultant = std::hypot(c.end[0].mx, c.end[0].my);
    c.util = CMemberResult::InfinitiseNANs(c.mResultant / (kPhi * c.end[0].mc));
}

// cl. 8.3.2, 8.3.3 reduced section capacities of compact sections, at most Ms.
void ReducedSectionCapacities(End& e, double ratio, bool iSection) {
    e.mrxRaw = std::max(0.0, 1.18 * e.msx * (1.0 - ratio));
    e.mrx = std::min(e.msx, e.mrxRaw);
    e.mryRaw = iSection ? std::max(0.0, 1.19 * e.msy * (1.0 - ratio * ratio))
                        : std::max(0.0, 1.18 * e.msy * (1.0 - ratio));
    e.mry = std::min(e.msy, e.mryRaw);
}

// cl. 8.4.4.1 out-of-plane capacity of a compact I section under uniform-moment type loading.
double AlternativeMox(const Combined& c, double mbxo) {
    // Each factor at least 0: beyond either buckling load the capacity is nil, not the root
    // of a product of two negative numbers.
    const double lateral = std::max(0.0, 1.0 - AxialRatio(c.n, c.ncy));
    const double torsional = std::max(0.0, 1.0 - AxialRatio(c.n, c.noz));
    return c.alphaBc * mbxo * std::sqrt(lateral * torsional);
}

void EvaluateCompactCompression(Combined& c) {
    const double ratio = AxialRatio(c.n, c.ns);
    c.ax = std::max(0.0, 1.0 - AxialRatio(c.n, c.ncxInPlane));
    c.ay = std::max(0.0, 1.0 - AxialRatio(c.n, c.ncyInPlane));
    c.bx = std::pow((1.0 + c.betaMx) / 2.0, 3.0);
    c.by = std::pow((1.0 + c.betaMy) / 2.0, 3.0);
    for (End& e : c.end) {
        ReducedSectionCapacities(e, ratio, c.kind == Kind::CompactI);
        // cl. 8.4.2.2
        e.mixRaw = e.msx * ((1.0 - c.bx) * c.ax + 1.18 * c.bx * std::sqrt(c.ax));
        e.mix = std::min(e.mrx, e.mixRaw);
        e.miyRaw = e.msy * ((1.0 - c.by) * c.ay + 1.18 * c.by * std::sqrt(c.ay));
        e.miy = std::min(e.mry, e.miyRaw);
        e.moxRaw = c.moxAlternative ? AlternativeMox(c, e.mbxo)
                                    : std::max(0.0, e.mb * (1.0 - AxialRatio(c.n, c.ncy)));
        e.mox = std::min(e.mrx, e.moxRaw);
        e.mc = std::min(e.mix, e.mox);
    }
}

void EvaluateGeneralCompression(Combined& c) {
    for (End& e : c.end) {
        e.mix = e.mixRaw = std::max(0.0, e.msx * (1.0 - AxialRatio(c.n, c.ncxInPlane)));
        e.miy = e.miyRaw = std::max(0.0, e.msy * (1.0 - AxialRatio(c.n, c.ncyInPlane)));
        e.mox = e.moxRaw = std::max(0.0, e.mb * (1.0 - AxialRatio(c.n, c.ncy)));
        e.mc = std::min(e.mix, e.mox);
    }
}

void EvaluateTension(Combined& c) {
    const double ratio = AxialRatio(c.n, c.ns);
    for (End& e : c.end) {
        if (c.kind == Kind::CompactI || c.kind == Kind::CompactRectangular) {
            ReducedSectionCapacities(e, ratio, c.kind == Kind::CompactI);
        } else {
            e.mrx = e.mrxRaw = e.msx * (1.0 - ratio);
            e.mry = e.mryRaw = e.msy * (1.0 - ratio);
        }
        e.mox = e.moxRaw = e.mb * (1.0 + ratio);  // cl. 8.4.4.2
        e.mc = std::min(e.mox, e.mrx);
    }
}

void Evaluate(Combined& c, const CAS4100_98Section& section) {
    const bool compact = c.kind == Kind::CompactI || c.kind == Kind::CompactRectangular;
    if (c.tension) {
        EvaluateTension(c);
    } else if (compact) {
        EvaluateCompactCompression(c);
    } else {
        EvaluateGeneralCompression(c);
    }
    if (c.kind == Kind::Circular) {
        CircularUtilisation(c);
    } else {
        BiaxialUtilisation(c, section, &End::mc, c.tension ? &End::mry : &End::miy);
    }
}

// --- report ---------------------------------------------------------------------------------

struct Report {
    CMemberResult* result;
    const CDesFormat& f;
    const Combined& c;
    CFormatted phi() const { return f.NoDim(kPhi); }
    CFormatted n() const { return f.Force(c.n); }
    CFormatted ns() const { return f.Force(c.ns); }
    CFormatted m(double value) const { return f.Moment(value); }
    void Line(CString&& text) const { result->AddOutputString(std::move(text)); }
};

// A formula name in the single form and for each end.
struct Names {
    const wchar_t* single;
    const wchar_t* end1;
    const wchar_t* end2;
    const wchar_t* For(bool perEnd, int e) const { return !perEnd ? single : e == 0 ? end1 : end2; }
};

// A formula evaluated at each end: name, substituted values, result, and the line shown when
// the result was limited (by Ms, Mr).
struct Formula {
    Names names;
    CString (*values)(const Report&, const End&);
    double End::*raw;
    double End::*value;
    Names limit;
};

void ReportFormula(const Report& r, const Formula& formula) {
    const int ends = r.c.perEnd ? 2 : 1;
    for (int i = 0; i < ends; ++i) {
        const End& e = r.c.end[i];
        r.Line(JoinLine({formula.names.For(r.c.perEnd, i), L"\n     = "}) + formula.values(r, e) +
               L"\n     = " + r.m(e.*formula.raw) + L"\n");
        if (formula.limit.single && e.*formula.value < e.*formula.raw) {
            r.Line(JoinLine({formula.limit.For(r.c.perEnd, i)}) + r.m(e.*formula.value) + L"\n");
        }
    }
}

constexpr Names kNoLimit{nullptr, nullptr, nullptr};
constexpr Names kLimitMsx{L"\t> Msx = ", L"\t> Msx1 = ", L"\t> Msx2 = "};
constexpr Names kLimitMsy{L"\t> Msy = ", L"\t> Msy1 = ", L"\t> Msy2 = "};
constexpr Names kLimitMrx{L"\t> Mrx = ", L"\t> Mrx1 = ", L"\t> Mrx2 = "};
constexpr Names kLimitMry{L"\t> Mry = ", L"\t> Mry1 = ", L"\t> Mry2 = "};

const Formula kMrxCompression{
    {L"Mrx = 1.18*Msx*(1 - N / (Phi*Ns) )", L"Mrx1 = 1.18*Msx1*(1 - N / (Phi*Ns) )",
     L"Mrx2 = 1.18*Msx2*(1 - N / (Phi*Ns) )"},
    [](const Report& r, const End& e) -> CString {
        return L"1.18*" + r.m(e.msx) + L"*(1 - " + r.n() + L" / (" + r.phi() + L"*" + r.ns() +
               L") )";
    },
    &End::mrxRaw,
    &End::mrx,
    kLimitMsx};

const Formula kMryCompressionI{{L"Mry = 1.19*Msy*(1 - pow( N / (Phi*Ns),2.0) )",
                                L"Mry1 = 1.19*Msy1*(1 - pow( N / (Phi*Ns),2.0) )",
                                L"Mry2 = 1.19*Msy2*(1 - pow( N / (Phi*Ns),2.0) )"},
                               [](const Report& r, const End& e) -> CString {
                                   return L"1.19*" + r.m(e.msy) + L"*(1 - pow( " + r.n() + L" / (" +
                                          r.phi() + L"*" + r.ns() + L"),2.0) )";
                               },
                               &End::mryRaw,
                               &End::mry,
                               kLimitMsy};

const Formula kMryCompressionRectangular{
    {L"Mry = 1.18*Msy*(1 - N / (Phi*Ns) )", L"Mry1 = 1.18*Msy1*(1 -  N / (Phi*Ns) )",
     L"Mry2 = 1.18*Msy2*(1 -N / (Phi*Ns) )"},
    [](const Report& r, const End& e) -> CString {
        return L"1.18*" + r.m(e.msy) + L"*(1 - " + r.n() + L" / (" + r.phi() + L"*" + r.ns() +
               L") )";
    },
    &End::mryRaw,
    &End::mry,
    kLimitMsy};

const Formula kMixCompact{
    {L"Mix = Msx*((1 - bx)*ax + 1.18*bx*sqrt(ax))", L"Mix1 = Msx1*((1 - bx)*ax + 1.18*bx*sqrt(ax))",
     L"Mix2 = Msx2*((1 - bx)*ax + 1.18*bx*sqrt(ax))"},
    [](const Report& r, const End& e) -> CString {
        const CFormatted bx = r.f.NoDim(r.c.bx), ax = r.f.NoDim(r.c.ax);
        return r.m(e.msx) + L"*((1 - " + bx + L")*" + ax + L" + 1.18*" + bx + L"*sqrt(" + ax +
               L"))";
    },
    &End::mixRaw,
    &End::mix,
    kLimitMrx};

const Formula kMiyCompact{
    {L"Miy = Msy*((1 - by)*ay + 1.18*by*sqrt(ay))", L"Miy1 = Msy1*((1 - by)*ay + 1.18*by*sqrt(ay))",
     L"Miy2 = Msy2*((1 - by)*ay + 1.18*by*sqrt(ay))"},
    [](const Report& r, const End& e) -> CString {
        const CFormatted by = r.f.NoDim(r.c.by), ay = r.f.NoDim(r.c.ay);
        return r.m(e.msy) + L"*((1 - " + by + L")*" + ay + L" + 1.18*" + by + L"*sqrt(" + ay +
               L"))";
    },
    &End::miyRaw,
    &End::miy,
    kLimitMry};

const Formula kMoxAlternative{{L"Mox = alpha*Mbxo*sqrt( (1-N/(Phi*Ncy))*(1-N/(Phi*Noz)))",
                               L"Mox1 = alpha*Mbxo1*sqrt( (1-N/(Phi*Ncy))*(1-N/(Phi*Noz)))",
                               L"Mox2 = alpha*Mbxo2*sqrt( (1-N/(Phi*Ncy))*(1-N/(Phi*Noz)))"},
                              [](const Report& r, const End& e) -> CString {
                                  return r.f.NoDim(r.c.alphaBc) + L"*" + r.m(e.mbxo) +
                                         L"*sqrt( (1-" + r.n() + L"/(" + r.phi() + L"*" +
                                         r.f.Force(r.c.ncy) + L"))*(1-" + r.n() + L"/(" + r.phi() +
                                         L"*" + r.f.Force(r.c.noz) + L")))";
                              },
                              &End::moxRaw,
                              &End::mox,
                              kLimitMrx};

const Formula kMoxCompression{{L"Mox = Mb*(1 - N/(Phi*Ncy))", L"Mox1 = Mb1*(1 - N/(Phi*Ncy))",
                               L"Mox2 = Mb2*(1 - N/(Phi*Ncy))"},
                              [](const Report& r, const End& e) -> CString {
                                  return r.m(e.mb) + L"*(1 - " + r.n() + L"/(" + r.phi() + L"*" +
                                         r.f.Force(r.c.ncy) + L"))";
                              },
                              &End::moxRaw,
                              &End::mox,
                              kLimitMrx};

const Formula kMixGeneral{{L"Mix = Msx*(1 - N/(Phi*Ncx))", L"Mix1 = Msx1*(1 - N/(Phi*Ncx))",
                           L"Mix2 = Msx2*(1 - N/(Phi*Ncx))"},
                          [](const Report& r, const End& e) -> CString {
                              return r.m(e.msx) + L"*(1 - " + r.n() + L"/(" + r.phi() + L"*" +
                                     r.f.Force(r.c.ncxInPlane) + L"))";
                          },
                          &End::mixRaw,
                          &End::mix,
                          kNoLimit};

const Formula kMiyGeneral{{L"Miy = Msy1(1 - N/(Phi*Ncy))", L"Miy1 = Msy1*(1 - N/(Phi*Ncy))",
                           L"Miy2 = Msy2*(1 - N/(Phi*Ncy))"},
                          [](const Report& r, const End& e) -> CString {
                              return r.m(e.msy) + L"*(1 - " + r.n() + L"/(" + r.phi() + L"*" +
                                     r.f.Force(r.c.ncyInPlane) + L"))";
                          },
                          &End::miyRaw,
                          &End::miy,
                          kNoLimit};

const Formula kMcx{{L"Mcx = min(Mox, Mix)", L"Mcx1 = min(Mox1, Mix1)", L"Mcx2 = min(Mox2, Mix2)"},
                   [](const Report& r, const End& e) -> CString {
                       return L"min(" + r.m(e.mox) + L", " + r.m(e.mix) + L")";
                   },
                   &End::mc,
                   &End::mc,
                   kNoLimit};

const Formula kMrxTensionCompact{
    {L"Mrx = 1.18*Msx*(1 - Nt / (Phi*Nst) )", L"Mrx1 = 1.18*Msx1*(1 - Nt / (Phi*Nst) )",
     L"Mrx2 = 1.18*Msx2*(1 - Nt / (Phi*Nst) )"},
    kMrxCompression.values,
    &End::mrxRaw,
    &End::mrx,
    kLimitMsx};

const Formula kMryTensionI{{L"Mry = 1.19*Msy*(1 - pow( Nt / (Phi*Nst),2.0) )",
                            L"Mry1 = 1.19*Msy1*(1 - pow( Nt / (Phi*Nst),2.0) )",
                            L"Mry2 = 1.19*Msy2*(1 - pow( Nt / (Phi*Nst),2.0) )"},
                           kMryCompressionI.values,
                           &End::mryRaw,
                           &End::mry,
                           kLimitMsy};

const Formula kMryTensionRectangular{
    {L"Mry = 1.18*Msy*(1 - Nt / (Phi*Nst) )", L"Mry1 = 1.18*Msy1*(1 - Nt / (Phi*Nst) )",
     L"Mry2 = 1.18*Msy2*(1 - Nt / (Phi*Nst) )"},
    kMryCompressionRectangular.values,
    &End::mryRaw,
    &End::mry,
    kLimitMsy};

const Formula kMoxTension{{L"Mox = Mb*(1 + Nt/(Phi*Nst))", L"Mox1 = Mb1*(1 + Nt/(Phi*Nst))",
                           L"Mox2 = Mb2*(1 + Nt/(Phi*Nst))"},
                          [](const Report& r, const End& e) -> CString {
                              return r.m(e.mb) + L"*(1 + " + r.n() + L"/(" + r.phi() + L"*" +
                                     r.ns() + L"))";
                          },
                          &End::moxRaw,
                          &End::mox,
                          kNoLimit};

const Formula kMrxTension{{L"Mrx = Msx*(1 - Nt/(Phi*Nst))", L"Mrx1 = Msx1*(1 - Nt/(Phi*Nst))",
                           L"Mrx2 = Msx2*(1 - Nt/(Phi*Nst))"},
                          [](const Report& r, const End& e) -> CString {
                              return r.m(e.msx) + L"*(1 - " + r.n() + L"/(" + r.phi() + L"*" +
                                     r.ns() + L"))";
                          },
                          &End::mrxRaw,
                          &End::mrx,
                          kNoLimit};

const Formula kMryTension{{L"Mry = Msy*(1 - Nt/(Phi*Nst))", L"Mry1 = Msy1*(1 - Nt/(Phi*Nst))",
                           L"Mry2 = Msy2*(1 - Nt/(Phi*Nst))"},
                          [](const Report& r, const End& e) -> CString {
                              return r.m(e.msy) + L"*(1 - " + r.n() + L"/(" + r.phi() + L"*" +
                                     r.ns() + L"))";
                          },
                          &End::mryRaw,
                          &End::mry,
                          kNoLimit};

const Formula kMtx{{L"Mtx = min(Mox, Mrx)", L"Mtx1 = min(Mox1, Mrx1)", L"Mtx2 = min(Mox2, Mrx2)"},
                   [](const Report& r, const End& e) -> CString {
                       return L"min(" + r.m(e.mox) + L", " + r.m(e.mrx) + L")";
                   },
                   &End::mc,
                   &End::mc,
                   kNoLimit};

// Lines shared by both ends.

void ReportBendingFactors(const Report& r) {
    const CDesFormat& f = r.f;
    const Combined& c = r.c;
    r.Line(L"BetaMx = " + f.NoDim(c.betaMx) + L", BetaMy = " + f.NoDim(c.betaMy) + L"\n");
    r.Line(L"ax = (1 - N/(Phi*Ncx)\n     = (1 - " + r.n() + L"/(" + r.phi() + L"*" +
           f.Force(c.ncxInPlane) + L")\n     = " + f.NoDim(c.ax) + L"\n");
    r.Line(L"ay = (1 - N/(Phi*Ncy)\n     = (1 - " + r.n() + L"/(" + r.phi() + L"*" +
           f.Force(c.ncyInPlane) + L")\n     = " + f.NoDim(c.ay) + L"\n");
    r.Line(L"bx = pow((1.0 + BetaMx) / 2.0, 3.0)\n     = pow((1.0 + " + f.NoDim(c.betaMx) +
           L") / 2.0, 3.0)\n     = " + f.NoDim(c.bx) + L"\n");
    r.Line(L"by = pow((1.0 + BetaMy) / 2.0, 3.0)\n     = pow((1.0 + " + f.NoDim(c.betaMy) +
           L") / 2.0, 3.0)\n     = " + f.NoDim(c.by) + L"\n");
}

void ReportOutOfPlane(const Report& r) {
    ReportFormula(r, r.c.moxAlternative ? kMoxAlternative : kMoxCompression);
}

void ReportResultant(const Report& r) {
    r.Line(L"M = sqrt(Mx^2+My^2) = " + r.m(r.c.mResultant) + L"\n");
}

// The biaxial rule with capacity X (Mcx or Mtx) and capacity Y (Miy or Mry).
struct UtilNames {
    const wchar_t* single;
    const wchar_t* util1;
    const wchar_t* util2;
    double End::*capacityY;
};

void ReportBiaxial(const Report& r, const UtilNames& names) {
    const Combined& c = r.c;
    const CDesFormat& f = r.f;
    const bool linear = c.exponent == 1.0;
    auto term = [&](double m, double capacity) {
        const CString ratio = r.m(m) + L"/(" + r.phi() + L"*" + r.m(capacity) + L")";
        return linear ? ratio : L"pow(" + ratio + L",1.4)";
    };
    const End& e1 = c.end[0];
    const End& e2 = c.end[1];
    if (!c.perEnd) {
        r.Line(JoinLine({names.single, L"\n     = "}) + term(e1.mx, e1.mc) + L" + " +
               term(e1.my, e1.*names.capacityY) + L"\n     = " + f.Util(c.util) + L"\n");
        return;
    }
    r.Line(JoinLine({names.util1, L"\n     = max("}) + term(e1.mx, e1.mc) + L", " +
           term(e2.mx, e2.mc) + L" )\n     = " + f.Util(c.util1) + L"\n");
    r.Line(JoinLine({names.util2, L"\n     = max("}) + term(e1.my, e1.*names.capacityY) + L", " +
           term(e2.my, e2.*names.capacityY) + L" )\n     = " + f.Util(c.util2) + L"\n");
    r.Line(L"Util = Util1 + Util2\n     = " + f.Util(c.util1) + L" + " + f.Util(c.util2) +
           L"\n     = " + f.Util(c.util) + L"\n");
}

// Bending about one axis by the standard's reading: the ratios without the exponent.
void ReportUniaxial(const Report& r, const UtilNames& names) {
    WriteRuleNote(r.result, RuleSet::Standard,
                  L"bending about one axis, no exponent (cl. 8.4.2.2, 8.4.4)");
    ReportBiaxial(r, names);
}

void ReportBiaxialCompression(const Report& r) {
    if (r.c.exponent == 1.0) {
        return ReportUniaxial(r, {L"Util = Mx/(Phi*Mcx) + My/(Phi*Miy)",
                                  L"Util1 = max(MxMax/(Phi*Mcx1), MxMin/(Phi*Mcx2) )",
                                  L"Util2 = max(MyMax/(Phi*Miy1), MyMin/(Phi*Miy2) )", &End::miy});
    }
    ReportBiaxial(
        r, {L"Util = pow(Mx/(Phi*Mcx),1.4) + pow(My/(Phi*Miy),1.4)",
            L"Util1 = max(pow(MxMax/(Phi*Mcx1),1.4), pow(MxMin/(Phi*Mcx2),1.4) )",
            L"Util2 = max(pow(MyMax/(Phi*Miy1),1.4), pow(MyMin/(Phi*Miy2),1.4) )", &End::miy});
}

void ReportBiaxialTension(const Report& r) {
    if (r.c.exponent == 1.0) {
        return ReportUniaxial(r, {L"Util = Mx/(Phi*Mtx) + My/(Phi*Mry)",
                                  L"Util1 = max(MxMax/(Phi*Mtx1), MxMin/(Phi*Mtx2) )",
                                  L"Util2 = max(MyMax/(Phi*Mry1), MyMin/(Phi*Mry2) )", &End::mry});
    }
    ReportBiaxial(
        r, {L"Util = pow(Mx/(Phi*Mtx),1.4) + pow(My/(Phi*Mry),1.4)",
            L"Util1 = max(pow(MxMax/(Phi*Mtx1),1.4), pow(MxMin/(Phi*Mtx2),1.4) )",
            L"Util2 = max(pow(MyMax/(Phi*Mry1),1.4), pow(MyMin/(Phi*Mry2),1.4) )", &End::mry});
}

void ReportCircular(const Report& r, const wchar_t* name) {
    const End& e = r.c.end[0];
    r.Line(JoinLine({name, L"\n     = "}) + r.m(r.c.mResultant) + L"/(" + r.phi() + L"*" +
           r.m(e.mc) + L")\n     = " + r.f.Util(r.c.util) + L"\n");
}

void ReportCircularCompression(const Report& r) {
    ReportCircular(r, L"Util = Mx/(Phi*Mcx)");
}
void ReportCircularTension(const Report& r) {
    ReportCircular(r, L"Util = Mx/(Phi*Mtx)");
}

// One report step: a formula at each end, or lines shared by the ends.
struct Step {
    const Formula* formula;
    void (*lines)(const Report&);
};

constexpr Step F(const Formula& formula) {
    return {&formula, nullptr};
}
constexpr Step L(void (*lines)(const Report&)) {
    return {nullptr, lines};
}

// The report of each case, in order.
const Step kCompactICompression[] = {F(kMrxCompression),
                                     F(kMryCompressionI),
                                     L(ReportBendingFactors),
                                     F(kMixCompact),
                                     F(kMiyCompact),
                                     L(ReportOutOfPlane),
                                     F(kMcx),
                                     L(ReportBiaxialCompression)};
const Step kCompactRectangularCompression[] = {F(kMrxCompression),
                                               F(kMryCompressionRectangular),
                                               L(ReportBendingFactors),
                                               F(kMixCompact),
                                               F(kMiyCompact),
                                               F(kMoxCompression),
                                               F(kMcx),
                                               L(ReportBiaxialCompression)};
const Step kCircularCompression[] = {L(ReportResultant), F(kMoxCompression), F(kMixGeneral),
                                     L(ReportCircularCompression)};
const Step kOtherCompression[] = {F(kMoxCompression), F(kMixGeneral), F(kMiyGeneral), F(kMcx),
                                  L(ReportBiaxialCompression)};
const Step kCompactITension[] = {F(kMrxTensionCompact), F(kMryTensionI), F(kMoxTension), F(kMtx),
                                 L(ReportBiaxialTension)};
const Step kCompactRectangularTension[] = {F(kMrxTensionCompact), F(kMryTensionRectangular),
                                           F(kMoxTension), F(kMtx), L(ReportBiaxialTension)};
const Step kCircularTension[] = {L(ReportResultant), F(kMoxTension), F(kMrxTension), F(kMtx),
                                 L(ReportCircularTension)};
const Step kOtherTension[] = {F(kMoxTension), F(kMrxTension), F(kMryTension), F(kMtx),
                              L(ReportBiaxialTension)};

template <size_t N>
void RunSteps(const Report& r, const Step (&steps)[N]) {
    for (const Step& step : steps) {
        if (step.formula) {
            ReportFormula(r, *step.formula);
        } else {
            step.lines(r);
        }
    }
}

void ReportCase(const Report& r) {
    switch (r.c.kind) {
        case Kind::CompactI:
            return r.c.tension ? RunSteps(r, kCompactITension) : RunSteps(r, kCompactICompression);
        case Kind::CompactRectangular:
            return r.c.tension ? RunSteps(r, kCompactRectangularTension)
                               : RunSteps(r, kCompactRectangularCompression);
        case Kind::Circular:
            return r.c.tension ? RunSteps(r, kCircularTension) : RunSteps(r, kCircularCompression);
        case Kind::Other:
            return r.c.tension ? RunSteps(r, kOtherTension) : RunSteps(r, kOtherCompression);
    }
}

// The values that enter the check, as read from the record.
void ReportValues(const Report& r, const CInteractionData& record, bool doublySymmetric) {
    const CDesFormat& f = r.f;
    const End& e1 = r.c.end[0];
    const End& e2 = r.c.end[1];
    r.Line(L"Nx = " + f.Force(record.NStarX) + L", Ny = " + f.Force(record.NStarY) + L"\n");
    auto moment = [&](const wchar_t* name, double value) { r.Line(name + r.m(value) + L"\n"); };
    if (r.c.perEnd) {
        moment(L"Mb1 = ", e1.mb);
        moment(L"Mb2 = ", e2.mb);
        moment(L"Mx1 = ", e1.mx);
        moment(L"Mx2 = ", e2.mx);
        moment(L"My1 = ", e1.my);
        moment(L"My2 = ", e2.my);
        moment(L"DeltaMx1 = ", record.DeltaMxxMin);
        moment(L"DeltaMx2 = ", record.DeltaMxxMax);
        moment(L"DeltaMy1 = ", record.DeltaMyyMin);
        moment(L"DeltaMy2 = ", record.DeltaMyyMax);
        moment(L"Msx1 = ", e1.msx);
        moment(L"Msx2 = ", e2.msx);
        moment(L"Msy1 = ", e1.msy);
        moment(L"Msy2 = ", e2.msy);
    } else {
        moment(L"Mx = ", e1.mx);
        moment(L"My = ", e1.my);
        moment(L"Mb = ", e1.mb);
        moment(L"Msx = ", e1.msx);
        moment(L"Msy = ", e1.msy);
    }
    r.Line(L"Ncx = " + f.Force(record.Ncx) + L"\n");
    r.Line(L"Ncy = " + f.Force(record.Ncy) + L"\n");
    if (!doublySymmetric) {
        r.Line(L"NcT = " + f.Force(record.NcTorsion) + L"\n");
        r.Line(L"NcTF = " + f.Force(record.NcFlexTorsion) + L"\n");
    }
}

// The amplification of one axis (cl. 4.4.2.2) applied to the two end moments, and its lines.
struct AxisAmplification {
    double delta;
    double nStar;
    double nc;
    const wchar_t* capacityName;  // "Axial load capacity (strong axis) = "
    const wchar_t* factorName;    // "Moment amplification factor to major axis moments = "
    const wchar_t* maxName;       // "MxMax = "
    const wchar_t* minName;
};

void Amplify(Combined& c, double End::*moment, const AxisAmplification& a, CMemberResult* result,
             const CString& codeName) {
    for (End& e : c.end) e.*moment = AmplifiedMoment(a.delta, e.*moment);
    if (std::fabs(a.delta - 1.0) < 0.0001 || !IsTextOn(result)) return;
    const CDesFormat& f = result->DesFormat();
    const CString prefix = L"Amplified moment ";  // on the moment lines, as in the LT check
    result->AddOutputString(L"Axis force = " + f.Force(a.nStar) + L"\n");
    result->AddOutputString(a.capacityName + f.Force(a.nc) + L"\n");
    result->AddOutputString(a.factorName + f.NoDim(a.delta) + L" (reference: " + codeName +
                            L" clause 4.4.2.2)\n");
    result->AddOutputString(prefix + a.maxName + f.Moment(c.end[0].*moment) + L"\n");
    result->AddOutputString(prefix + a.minName + f.Moment(c.end[1].*moment) + L"\n");
}

// Any tension met by an axial span check selects the tension branch (cl. 8.4.4.2): Nt with the
// tension capacity Nt of cl. 7.2; otherwise the smaller compression with Ns = kf·Ag·fy.
void SetAxialForce(Combined& c, CAS4100_98Section& section, const CInteractionData& r) {
    c.tension = std::fabs(r.NtStar) >= 1e-10;
    c.kind = Classify(section, c.tension);
    if (c.tension) {
        c.n = r.NtStar;
        c.ns = section.Pt(nullptr);
    } else {
        c.n = std::min(r.NStarX, r.NStarY);
        c.ns = section.AreaCompEffective() / section.Area() * section.Area() *
               section.DesignStressMin();
    }
}

// Noz of cl. 8.4.4.1: the elastic torsional buckling load over the segment length.
double TorsionalBucklingLoad(const CAS4100_98Section& section, double length) {
    const double warping =
        ElasticBuckling::kPiSquared * section.YoungsModulus() * section.Gamma() / (length * length);
    const double polar = (section.Ixx() + section.Iyy()) / section.Area();
    return (section.ShearModulus() * section.J() + warping) / polar;
}

// The out-of-plane capacity of cl. 8.4.4.1 for segments of a compact I section restrained at
// both ends (F or P) without transverse load and not a cantilever: from αbc and Mbo.
bool IsUniformMomentSegment(const CAS4100Span& span, bool cantilever, bool flange1Critical) {
    const unsigned left = CAS4100Span::RestType(flange1Critical, span.RestraintEndL());
    const unsigned right = CAS4100Span::RestType(flange1Critical, span.RestraintEndR());
    return !cantilever && !span.IsMinorAxisLoaded() && left <= RestraintType::P &&
           right <= RestraintType::P;
}

// Mbxo of cl. 8.4.4.1, the member capacity under uniform moment. The rules as written take
// αs·Moa; the clause's is αs·Msx, never above Msx.
double UniformMomentCapacity(double msx, double moa, RuleSet rules) {
    const double alphaS = CAS4100_98Section::SlendernessReductionFactor(msx, moa);
    return rules == RuleSet::AsWritten ? alphaS * moa : std::min(msx, alphaS * msx);
}

void SetUniformMomentAlternative(Combined& c, const CAS4100_98Section& section,
                                 const CAS4100Span& span, double betaM) {
    c.moxAlternative = true;
    c.moa = section.Moa(span, nullptr, false, 0.0);
    c.noz = TorsionalBucklingLoad(section, span.Length());
    const double uniform = std::pow((1.0 + betaM) / 2.0, 3.0);
    c.alphaBc = 1.0 / ((1.0 - betaM) / 2.0 + uniform * (0.4 - 0.23 * AxialRatio(c.n, c.ncy)));
    for (End& e : c.end) {
        e.mbxo = UniformMomentCapacity(e.msx, c.moa, section.Rules());
    }
}

}  // namespace

bool CAS4100_98Member::CheckBucklingInteraction(const CInteractionData& record) const {
    CMemberResult* result = Result();
    if (!section_) return false;
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        AddStringInput(L"Major Axis Span: " + record.SpanXX.GetString(f) + L"\nMinor Axis Span: " +
                       record.SpanYY.GetString(f) + L"\nLateral Torsional Span: " +
                       record.SpanLT.GetString(f) + L"\n");
    }
    CResultIndent indent(result);

    const CSectionStep section(*section_);
    Combined c;
    SetEnds(c, *section, record);
    c.ncx = record.Ncx;
    c.ncy = record.Ncy;
    c.ncxInPlane = record.NcxInPlane;
    c.ncyInPlane = record.NcyInPlane;

    const CString& codeName = section->CodeName();
    const CAS4100Span& spanX = record.SpanXX;
    const CAS4100Span& spanY = record.SpanYY;
    Amplify(c, &End::mx,
            {MomentAmplificationFactorStrongAxis(spanX.GetCMPIndexLeft(), spanX.GetCMPIndexRight(),
                                                 IsSpanLoaded(spanX), record.NStarX, record.Nomx),
             record.NStarX, record.Ncx, L"Axial load capacity (strong axis) = ",
             L"Moment amplification factor to major axis moments = ", L"MxMax = ", L"MxMin = "},
            result, codeName);
    Amplify(c, &End::my,
            {MomentAmplificationFactorWeakAxis(spanY.GetCMPIndexLeft(), spanY.GetCMPIndexRight(),
                                               IsSpanLoaded(spanY), record.NStarY, record.Nomy),
             record.NStarY, record.Ncy, L"Axial load capacity (weak axis) = ",
             L"Moment amplification factor to minor axis moments = ", L"MyMax = ", L"MyMin = "},
            result, codeName);
    c.perEnd = !EndsAlike(c);
    if (IsTextOn(result)) {
        ReportValues({result, result->DesFormat(), c}, record, section->IsDoublySymmetric());
    }

    SetAxialForce(c, *section, record);
    if (!c.tension) {
        if (c.kind == Kind::CompactI || c.kind == Kind::CompactRectangular) {
            c.betaMx = BetaM_x(spanX);
            c.betaMy = BetaM_y(spanY);
        }
        const CAS4100Span& spanLT = record.SpanLT;
        if (c.kind == Kind::CompactI &&
            IsUniformMomentSegment(spanLT, IsCantilever(spanLT), IsFlange1Critical(spanLT))) {
            SetUniformMomentAlternative(c, *section, spanLT, BetaM_x(spanLT));
            WriteRuleNote(result, rules_, L"Mbxo = alphas*Msx (cl. 8.4.4.1)");
        }
    }
    Evaluate(c, *section);
    if (result) result->SetUtilBucklingCombined(c.util);
    if (IsTextOn(result)) ReportCase({result, result->DesFormat(), c});
    return true;
}

}  // namespace Arbor::Steel::SteelAS4100
