// Angle struts in their principal axes: member moment capacity about u-u (cl. 5.6) and the
// combined check with axial force (cl. 8.4), biaxial with exponent 1.4 (cl. 8.4.5.1).
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"
#include "section/RuleNote.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kPhi = CAS4100_98Section::kPhi;
constexpr double kEqual = 1e-6;  // end values closer than this are one value
constexpr double kNoTension = 1e-10;
constexpr double kExponent = 1.4;  // cl. 8.4.5.1
constexpr int kMajor = 1;
constexpr int kMinor = 2;

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

void Line(CMemberResult* result, const CString& text) {
    if (WantsText(result)) result->AddOutputString(text);
}

bool Equal(double a, double b) {
    return a == b || std::fabs(a - b) < kEqual;
}

// Geometric moments (x major, y minor) applied together.
struct MomentPair {
    double x = 0.0, y = 0.0;
};

void Apply(CAS4100_98Section& section, const MomentPair& pair) {
    section.SetMomentXX(pair.x);
    section.SetMomentYY(pair.y);
}

// The four pairings of the envelope ends, in the order the checks try them.
std::array<MomentPair, 4> Pairings(double xHi, double xLo, double yHi, double yLo) {
    return {{{xHi, yHi}, {xHi, yLo}, {xLo, yHi}, {xLo, yLo}}};
}

// Positions of the smallest and largest of four values; a later value replaces only when
// strictly smaller (larger).
struct Extremes {
    size_t min = 0, max = 0;
};

Extremes FindExtremes(const std::array<double, 4>& values) {
    Extremes e;
    for (size_t i = 1; i < values.size(); ++i) {
        if (values[i] > values[e.max]) e.max = i;
        if (values[i] < values[e.min]) e.min = i;
    }
    return e;
}

// A record holding the restraints common to both ends of a span.
CRestraint CommonRestraint(const CSpan& span) {
    return CRestraint(static_cast<int>(span.RestraintEndL().Bits() & span.RestraintEndR().Bits()),
                      0, 0.0);
}

// |M| / (φ Mc) of one end.
double Ratio(double moment, double capacity) {
    return std::fabs(moment) / (kPhi * capacity);
}

// What the strut lateral-torsional check found for its span.
struct StrutLTValues {
    double mb1 = 0.0, mb2 = 0.0, mx1 = 0.0, mx2 = 0.0, util = 0.0;
    bool applies = true;
};

}  // namespace

bool CAS4100_98Member::CheckStrutSpanT(const CAS4100Span& span) const {
    return CheckSpanT(span);
}

bool CAS4100_98Member::CheckStrutSpanTF(CInteractionData& record) const {
    return CheckSpanTF(record);
}

// Member moment capacity about u-u (cl. 5.6.1.1 with the angle's Mb). The end moments are
// paired into the u-u moments of the two ends; no moment amplification here.
bool CAS4100_98Member::CheckStrutSpanLT(const CAS4100Span& span) const {
    CMemberResult* result = Result();
    const CDesFormat& fmt = result ? result->DesFormat() : CDesFormat();
    Line(result, L"Lateral torsional span: " + span.GetString(fmt) + L"\n");
    CResultIndent indent(result);

    const CSubSpan most = span.MaxForces();
    const CSubSpan least = span.MinForces();
    const double xHi = std::max(most.GetMomentsLeft()[kMajor], most.GetMomentsRight()[kMajor]);
    const double xLo = std::min(least.GetMomentsLeft()[kMajor], least.GetMomentsRight()[kMajor]);
    const double yHi = std::max(most.GetMomentsLeft()[kMinor], most.GetMomentsRight()[kMinor]);
    const double yLo = std::min(least.GetMomentsLeft()[kMinor], least.GetMomentsRight()[kMinor]);
    const std::array<MomentPair, 4> pairs = Pairings(xHi, xLo, yHi, yLo);
    std::array<double, 4> mu{};
    for (size_t i = 0; i < pairs.size(); ++i)
        mu[i] = section_->Muu(pairs[i].x, pairs[i].x, pairs[i].y, pairs[i].y);
    const Extremes e = FindExtremes(mu);
    const MomentPair minPair = pairs[e.min];
    const MomentPair maxPair = pairs[e.max];
    const double mu1 = mu[e.min];
    const double mu2 = mu[e.max];
    const double nStar = SpanActions::DesignCompression(span);
    const double le = LengthOverride() ? OverrideLength(Llt()) : kInfinity;

    StrutLTValues v;
    v.mx1 = minPair.x;
    v.mx2 = maxPair.x;
    if (!LengthOverride()) {
        if (span.ContinuousRestraint().IsRestrained(RestraintBit::FullTwist, true)) {
            Line(result, L"LT check not required:\n");
            Line(result, L"\tspan is restrained against buckling along its length\n");
            v.applies = false;
        } else if (IsEndsFullOrPartRestrained(span) &&
                   section_->IsFullyRestrained(span.Length(), -1.0, result)) {
            Line(result, L"LT check not required: ");
            Line(result, L"span is satisfied the conditions framed in AS4100:1988 cl. 8.4.6 \n");
            v.applies = false;
        }
    }

    const CSectionStep step(*section_);
    if (!v.applies) {
        // Section capacities about u-u at the two ends for the combined check.
        Apply(*step, minPair);
        v.mb1 = step->DesignStressMin() * step->ZuuEffective();
        Apply(*step, maxPair);
        v.mb2 = step->DesignStressMin() * step->ZuuEffective();
        Line(result, L"Values stored for use in buckling interaction...\n");
        Line(result, L"\t Msu1 = " + fmt.Moment(v.mb1) + L"\n");
        Line(result, L", Msu2 = " + fmt.Moment(v.mb2) + L"\n");
    } else {
        step->SetMemberRestraint(CommonRestraint(span));
        step->ClearForcesAndMoments();
        step->SetForceAxial(-nStar);
        const double alphaM = Alpha_M(span);
        const SpanActions::EndMoments ends{std::max(mu1, mu2), std::min(mu1, mu2)};
        auto capacity = [&](const MomentPair& pair) {
            Apply(*step, pair);
            return step->Mbxx(span, alphaM, result, LengthOverride(), le);
        };
        if (!SpanActions::IsReverseCurvature(ends)) {
            Line(result, L"Single curvature bending in this span\n");
            const MomentPair governing = std::fabs(mu1) < std::fabs(mu2) ? maxPair : minPair;
            v.mb1 = v.mb2 = capacity(governing);
            v.mx1 = v.mx2 = governing.x;
            const double moment = std::max(std::fabs(mu1), std::fabs(mu2));
            v.util = moment / (kPhi * v.mb1);
            Line(result, L"Mu = " + fmt.Moment(moment) + L"\n");
            Line(result, L"Util = Mu/(Phi*Mb) = " + fmt.Util(v.util) + L"\n");
        } else {
            Line(result, L"Reverse curvature\n");
            v.mb1 = capacity(minPair);
            const double util1 = std::fabs(mu1 / (kPhi * v.mb1));
            Line(result, L"Mu1 = " + fmt.Moment(mu1) + L"\n");
            Line(result, L"Mb1 = " + fmt.Moment(v.mb1) + L"\n");
            Line(result, L"Util1 = Mu1/(Phi*Mb1) = " + fmt.Util(util1) + L"\n");
            v.mb2 = capacity(maxPair);
            const double util2 = std::fabs(mu2 / (kPhi * v.mb2));
            Line(result, L"Mu2 = " + fmt.Moment(mu2) + L"\n");
            Line(result, L"Mb2 = " + fmt.Moment(v.mb2) + L"\n");
            Line(result, L"Util2 = " + fmt.Util(util2) + L"\n");
            v.util = std::max(util1, util2);
            Line(result, L"Util = " + fmt.Util(v.util) + L"\n");
        }
    }

    SpanActions::ForEachRecordOf(span, interaction_, [&](CInteractionData& record) {
        record.Mbx1 = v.mb1;
        record.Mbx2 = v.mb2;
        record.Mx1 = v.mx1;
        record.Mx2 = v.mx2;
        record.SpanLT = span;
        record.LTApplies = v.applies;
    });
    if (result) result->SetUtilBucklingLT(v.util);
    if (v.util > 1.0) {
        if (result) result->AddFlags(ResultFlag::LTBucklingFail);
        Line(result, L"<b><red>Fail:</red></b> LT Buckling\n");
        return false;
    }
    return true;
}

namespace {

// Principal-axis moments and section capacities of one pairing of the end moments.
struct PrincipalEnd {
    double mu = 0.0, mv = 0.0, msu = 0.0, msv = 0.0;
};

// The capacities that reduce the principal-axis section and member capacities for the
// axial force (cl. 8.4.2.2, 8.4.4.1 in compression; cl. 8.3.2, 8.4.4.2 in tension).
struct AxialInput {
    bool tension = false;
    double N = 0.0;    // design compression, or design tension
    double ncv = 0.0;  // Ncv at the effective length (member capacity about u-u)
    double ncuInPlane = 0.0, ncvInPlane = 0.0;
    double nst = 0.0;  // tension capacity
};

// Capacities of one end: about u-u the member capacity Mo reduced for the axial force, the
// section capacity Mi (in compression the in-plane capacity), and the lesser Mc; about v-v Mv.
struct EndCapacities {
    double mo = 0.0, mi = 0.0, mc = 0.0, mv = 0.0;
};

EndCapacities Reduce(const AxialInput& a, double mb, double msu, double msv) {
    EndCapacities c;
    if (a.tension) {
        const double r = a.N / (kPhi * a.nst);
        c.mo = mb * (1.0 + r);
        c.mi = msu * (1.0 - r);
        c.mv = msv * (1.0 - r);
    } else {
        c.mo = mb * (1.0 - a.N / (kPhi * a.ncv));
        c.mi = msu * (1.0 - a.N / (kPhi * a.ncuInPlane));
        c.mv = msv * (1.0 - a.N / (kPhi * a.ncvInPlane));
    }
    c.mc = std::min(c.mo, c.mi);
    return c;
}

// Everything the combined check of one record computed, for its report.
struct StrutInteraction {
    PrincipalEnd end1, end2;
    EndCapacities c1, c2;
    double xHi = 0.0, xLo = 0.0, yHi = 0.0, yLo = 0.0;
    double exponent = kExponent;  // 1 for bending about one principal axis by the clause
    double util1 = 0.0, util2 = 0.0, util = 0.0;
};

enum class Quantity { Mo1, Mi1, Mc1, Mv1, Mo2, Mi2, Mc2, Mv2, Util1, Util2, Util };

struct FormulaLine {
    const wchar_t* text;
    Quantity quantity;
};

constexpr FormulaLine kCompressionSingle[] = {{L"Mou = Mb*(1 - N/(Phi*Ncv))", Quantity::Mo1},
                                              {L"Miu = Msu *(1 - N/(Phi*Ncu (k=1))", Quantity::Mi1},
                                              {L"Miv = Msv *(1 - N/(Phi*Ncv (k=1))", Quantity::Mv1},
                                              {L"Mcu = min(Mou, Miu)", Quantity::Mc1},
                                              {L"Util1 = pow(Mu/(Phi*Mcu),1.4)", Quantity::Util1},
                                              {L"Util2 = pow(Mv/(Phi*Miv),1.4)", Quantity::Util2},
                                              {L"Util = Util1 + Util2", Quantity::Util}};

constexpr FormulaLine kCompressionPerEnd[] = {
    {L"Mou1 = Mb1*(1 - N/(Phi*Ncv))", Quantity::Mo1},
    {L"Miu1 = MsuMax *(1 - N/(Phi*Ncu (k=1))", Quantity::Mi1},
    {L"Mcu1 = min(Mou1, Miu1)", Quantity::Mc1},
    {L"Miv1 = Msv1 *(1 - N/(Phi*Ncv (k=1))", Quantity::Mv1},
    {L"Mou2 = Mb2*(1 - N/(Phi*Ncv))", Quantity::Mo2},
    {L"Miu2 = MsuMin *(1 - N/(Phi*Ncu (k=1))", Quantity::Mi2},
    {L"Mcu2 = min(Mou2, Miu2)", Quantity::Mc2},
    {L"Miv2 = Msv2 *(1 - N/(Phi*Ncv (k=1))", Quantity::Mv2},
    {L"Util1 = max(pow(MuMax/(Phi*Mcu1),1.4), pow(MuMin/(Phi*Mcu2),1.4))", Quantity::Util1},
    {L"Util2 = max(pow(MvMax/(Phi*Miv),1.4), pow(MvMin/(Phi*Miv2),1.4) )", Quantity::Util2},
    {L"Util = Util1 + Util2", Quantity::Util}};

constexpr FormulaLine kTensionSingle[] = {{L"Mou = Mb*(1 + Nt/(Phi*Nst))", Quantity::Mo1},
                                          {L"Mru = Msu*(1 - Nt/(Phi*Nst))", Quantity::Mi1},
                                          {L"Mrv = Msv*(1 - Nt/(Phi*Nst))", Quantity::Mv1},
                                          {L"Mtu = min(Mou, Mru)", Quantity::Mc1},
                                          {L"Util1 = pow(Mu/(Phi*Mtu),1.4)", Quantity::Util1},
                                          {L"Util2 = pow(Mv/(Phi*Mrv),1.4)", Quantity::Util2},
                                          {L"Util = Util1 + Util2", Quantity::Util}};

constexpr FormulaLine kTensionPerEnd[] = {
    {L"Mou1 = Mb1*(1 + Nt/(Phi*Nst))", Quantity::Mo1},
    {L"Mru1 = MsuMax*(1 - Nt/(Phi*Nst))", Quantity::Mi1},
    {L"Mtu1 = min(Mou1, Mru1)", Quantity::Mc1},
    {L"Mou2 = Mb2*(1 + Nt/(Phi*Nst))", Quantity::Mo2},
    {L"Mru2 = MsuMin*(1 - Nt/(Phi*Nst))", Quantity::Mi2},
    {L"Mtu2 = min(Mou2, Mru2)", Quantity::Mc2},
    {L"Mrv1 = MsvMax*(1 - Nt/(Phi*Nst))", Quantity::Mv1},
    {L"Mrv2 = MsvMin*(1 - Nt/(Phi*Nst))", Quantity::Mv2},
    {L"Util1 = max( pow(Mu/(Phi*Mtu),1.4), pow(Mu/(Phi*Mtu),1.4) )", Quantity::Util1},
    {L"Util2 = max( pow(MvMax/(Phi*Mrv1),1.4), pow(MvMin/(Phi*Mrv2),1.4) )", Quantity::Util2},
    {L"Util = Util1 + Util2", Quantity::Util}};

CString Value(const CDesFormat& fmt, const StrutInteraction& s, Quantity q) {
    switch (q) {
        case Quantity::Mo1:
            return fmt.Moment(s.c1.mo);
        case Quantity::Mi1:
            return fmt.Moment(s.c1.mi);
        case Quantity::Mc1:
            return fmt.Moment(s.c1.mc);
        case Quantity::Mv1:
            return fmt.Moment(s.c1.mv);
        case Quantity::Mo2:
            return fmt.Moment(s.c2.mo);
        case Quantity::Mi2:
            return fmt.Moment(s.c2.mi);
        case Quantity::Mc2:
            return fmt.Moment(s.c2.mc);
        case Quantity::Mv2:
            return fmt.Moment(s.c2.mv);
        case Quantity::Util1:
            return fmt.Util(s.util1);
        case Quantity::Util2:
            return fmt.Util(s.util2);
        case Quantity::Util:
            return fmt.Util(s.util);
    }
    return {};
}

void ReportValues(CMemberResult* result, const CInteractionData& r, bool single,
                  const StrutInteraction& s) {
    const CDesFormat& f = result->DesFormat();
    auto line = [result](const CString& text) { result->AddOutputString(text + L"\n"); };
    line(L"Nx = " + f.Force(r.NStarX) + L", Ny = " + f.Force(r.NStarY));
    if (single) {
        line(L"Mb = " + f.Moment(r.Mbx1));
        line(L"Mx = " + f.Moment(s.xHi) + L", My = " + f.Moment(s.yHi));
        line(L"DeltaMx = " + f.Moment(r.DeltaMxxMin) + L", DeltaMy = " + f.Moment(r.DeltaMyyMin));
    } else {
        line(L"Mb1 = " + f.Moment(r.Mbx1) + L", Mb2 = " + f.Moment(r.Mbx2));
        line(L"Mx1 = " + f.Moment(r.Mx1) + L", Mx2 = " + f.Moment(r.Mx2));
        line(L"My1 = " + f.Moment(r.MyMax) + L", My2 = " + f.Moment(r.MyMin));
        line(L"DeltaMx1 = " + f.Moment(r.DeltaMxxMin) + L", DeltaMx2 = " + f.Moment(r.DeltaMxxMax));
        line(L"DeltaMy1 = " + f.Moment(r.DeltaMyyMin) + L", DeltaMy2 = " + f.Moment(r.DeltaMyyMax));
        line(L"MxMax = " + f.Moment(s.xHi) + L", MxMin = " + f.Moment(s.xLo));
        line(L"MyMax = " + f.Moment(s.yHi) + L", MyMin = " + f.Moment(s.yLo));
    }
    line(L"Ncx = " + f.Force(r.Ncx) + L", Ncy = " + f.Force(r.Ncy));
    line(L"Ncu = " + f.Force(r.Ncu) + L", Ncv = " + f.Force(r.Ncv));
    line(L"NcT = " + f.Force(r.NcTorsion));
    if (single) {
        line(L"Mu = " + f.Moment(s.end1.mu) + L", Mv = " + f.Moment(s.end1.mv));
        line(L"Msu = " + f.Moment(s.end1.msu) + L", Msv = " + f.Moment(s.end1.msv));
    } else {
        line(L"MuMax = " + f.Moment(s.end1.mu) + L", MuMin = " + f.Moment(s.end2.mu));
        line(L"MvMax = " + f.Moment(s.end1.mv) + L", MvMin = " + f.Moment(s.end2.mv));
        line(L"MsuMax = " + f.Moment(s.end1.msu) + L", MsuMin = " + f.Moment(s.end2.msu));
        line(L"MsvMax = " + f.Moment(s.end1.msv) + L", MsvMin = " + f.Moment(s.end2.msv));
    }
}

// A formula line without its exponent: "pow(R,1.4)" becomes "R".
CString WithoutExponent(const wchar_t* text) {
    CString line(text);
    for (size_t at; (at = line.find(L"pow(")) != CString::npos;) {
        line.erase(at, 4);
        const size_t close = line.find(L",1.4)", at);
        if (close == CString::npos) break;
        line.erase(close, 5);
    }
    return line;
}

template <size_t N>
void ReportFormulas(CMemberResult* result, const FormulaLine (&lines)[N],
                    const StrutInteraction& s) {
    const bool linear = s.exponent == 1.0;
    for (const FormulaLine& l : lines) {
        result->AddOutputString((linear ? WithoutExponent(l.text) : CString(l.text)) +
                                L"\n     = " + Value(result->DesFormat(), s, l.quantity) + L"\n");
    }
}

void ReportStrutInteraction(CMemberResult* result, const CInteractionData& record, bool single,
                            bool tension, const StrutInteraction& s) {
    ReportValues(result, record, single, s);
    if (s.exponent == 1.0) {
        WriteRuleNote(result, RuleSet::Standard,
                      L"bending about one axis, no exponent (cl. 8.4.2.2, 8.4.4)");
    }
    if (tension) {
        single ? ReportFormulas(result, kTensionSingle, s)
               : ReportFormulas(result, kTensionPerEnd, s);
    } else {
        single ? ReportFormulas(result, kCompressionSingle, s)
               : ReportFormulas(result, kCompressionPerEnd, s);
    }
}

}  // namespace

// cl. 8.4.5.1 in principal axes: (Mu/φMcu)^1.4 + (Mv/φMcv)^1.4 with the u-u capacity the lesser
// of the member capacity Mb reduced for the axial force and the in-plane section capacity.
bool CAS4100_98Member::CheckStrutBucklingInteraction(const CInteractionData& record) const {
    CMemberResult* result = Result();
    const CDesFormat& fmt = result ? result->DesFormat() : CDesFormat();
    Line(result, L"Major Axis Span: " + record.SpanXX.GetString(fmt) + L"\nMinor Axis Span: " +
                     record.SpanYY.GetString(fmt) + L"\nLateral Torsional Span: " +
                     record.SpanLT.GetString(fmt) + L"\n");
    CResultIndent indent(result);

    const CSectionStep step(*section_);
    step->SetMemberRestraint(CommonRestraint(record.SpanLT));
    step->ClearForcesAndMoments();
    step->SetForceAxial(-std::max(record.NStarX, record.NStarY));

    // Envelopes of the end moments with the eccentricity moments, signed.
    const std::array<double, 6> xs = {record.Mx1,
                                      record.Mx2,
                                      record.Mx1 + record.DeltaMxxMin,
                                      record.Mx2 + record.DeltaMxxMin,
                                      record.Mx1 + record.DeltaMxxMax,
                                      record.Mx2 + record.DeltaMxxMax};
    const std::array<double, 6> ys = {record.MyMax,
                                      record.MyMin,
                                      record.MyMax + record.DeltaMyyMin,
                                      record.MyMin + record.DeltaMyyMin,
                                      record.MyMax + record.DeltaMyyMax,
                                      record.MyMin + record.DeltaMyyMax};
    const double xHi = *std::max_element(xs.begin(), xs.end());
    const double xLo = *std::min_element(xs.begin(), xs.end());
    const double yHi = *std::max_element(ys.begin(), ys.end());
    const double yLo = *std::min_element(ys.begin(), ys.end());
    const bool single = Equal(record.Mbx1, record.Mbx2) && Equal(xHi, xLo) && Equal(yHi, yLo);

    AxialInput axial;
    axial.tension = std::fabs(record.NtStar) >= kNoTension;
    axial.N = axial.tension ? record.NtStar : std::min(record.NStarX, record.NStarY);
    axial.ncv = record.Ncv;
    axial.ncuInPlane = record.NcuInPlane;
    axial.ncvInPlane = record.NcvInPlane;
    axial.nst = axial.tension ? step->Pt(nullptr) : 0.0;

    // Per end: end 1 the largest u-u and v-v moments with Mb1, end 2 the smallest with Mb2.
    PrincipalEnd end1, end2;
    if (single) {
        Apply(*step, {xHi, yHi});
        end1 = {step->Muu(xHi, xLo, yHi, yLo), step->Mvv(xHi, xLo, yHi, yLo), step->MsUU(nullptr),
                step->MsVV(nullptr)};
        end2 = end1;
    } else {
        const std::array<MomentPair, 4> pairs = Pairings(xHi, xLo, yHi, yLo);
        std::array<PrincipalEnd, 4> ends;
        std::array<double, 4> mu{}, mv{};
        for (size_t i = 0; i < pairs.size(); ++i) {
            Apply(*step, pairs[i]);
            const MomentPair& p = pairs[i];
            ends[i] = {step->Muu(p.x, p.x, p.y, p.y), step->Mvv(p.x, p.x, p.y, p.y),
                       step->MsUU(nullptr), step->MsVV(nullptr)};
            mu[i] = ends[i].mu;
            mv[i] = ends[i].mv;
        }
        const Extremes u = FindExtremes(mu);
        const Extremes w = FindExtremes(mv);
        end1 = {ends[u.max].mu, ends[w.max].mv, ends[u.max].msu, ends[w.max].msv};
        end2 = {ends[u.min].mu, ends[w.min].mv, ends[u.min].msu, ends[w.min].msv};
    }
    StrutInteraction s;
    s.end1 = end1;
    s.end2 = end2;
    s.c1 = Reduce(axial, record.Mbx1, end1.msu, end1.msv);
    s.c2 = Reduce(axial, record.Mbx2, end2.msu, end2.msv);
    s.xHi = xHi;
    s.xLo = xLo;
    s.yHi = yHi;
    s.yLo = yLo;
    const double ru = std::max(Ratio(end1.mu, s.c1.mc), Ratio(end2.mu, s.c2.mc));
    const double rv = std::max(Ratio(end1.mv, s.c1.mv), Ratio(end2.mv, s.c2.mv));
    // With bending about one principal axis the standard's reading takes the ratio itself.
    s.exponent = section_->CombinedExponent(kExponent, ru >= CAS4100_98Section::kNoMomentRatio &&
                                                           rv >= CAS4100_98Section::kNoMomentRatio);
    s.util1 = std::pow(ru, s.exponent);
    s.util2 = std::pow(rv, s.exponent);
    s.util = s.util1 + s.util2;
    if (result) result->SetUtilBucklingCombined(s.util);
    if (WantsText(result)) ReportStrutInteraction(result, record, single, axial.tension, s);
    return true;
}

}  // namespace Arbor::Steel::SteelAS4100
