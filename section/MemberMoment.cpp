// Member moment capacity of a segment without full lateral restraint (cl. 5.6.1.1) and the
// shape-independent pieces of its effective length (cl. 5.6.3).
#include <algorithm>
#include <cmath>

#include "section/AS4100Section.h"
#include "section/ResultSink.h"
#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

// Table 5.6.3(2): load within the segment applied above the shear centre.
constexpr double kLoadHeightFactorWithin = 1.4;
// Table 5.6.3(2): a segment with an unrestrained (U) end, e.g. a cantilever tip.
constexpr double kLoadHeightFactorUnrestrainedEnd = 2.0;
constexpr wchar_t kSquared[] = L"\u00B2";

using MomentSymbols = CAS4100_98Section::MomentSymbols;

void ReportSlendernessReduction(CMemberResult* result, const MomentSymbols& sym, double ms,
                                double mo, double alphaS) {
    const CDesFormat& f = result->DesFormat();
    const CFormatted msText = f.Moment(ms);
    const CFormatted moa = f.Moment(mo);
    result->AddOutputString(JoinLine({L"AlphaS = 0.6*(sqrt( (", sym.ms}) + L"/dMoa)" + kSquared +
                            L" + 3.) - " + sym.ms + L"/Moa)\n       = 0.6*(sqrt( (" + msText +
                            L"/" + moa + L")" + kSquared + L" + 3.) - " + msText + L"/" + moa +
                            L")\n       = " + f.NoDim(alphaS) + L"\n");
}

void ReportMemberCapacity(CMemberResult* result, const MomentSymbols& sym, double alphaM,
                          double alphaS, double ms, double mb) {
    const CDesFormat& f = result->DesFormat();
    const CString mbName(sym.mb);
    result->AddOutputString(mbName + L" = AlphaM*AlphaS*" + sym.ms + L"\n    = " + f.NoDim(alphaM) +
                            L"*" + f.NoDim(alphaS) + L"*" + f.Moment(ms) + L"\n    = " +
                            f.Moment(mb) + L"\n");
    if (mb > ms) {
        result->AddOutputString(mbName + L" = min(" + sym.mb + L"," + sym.ms + L")\n    = min(" +
                                f.Moment(mb) + L"," + f.Moment(ms) + L")\n    = " + f.Moment(ms) +
                                L"\n");
    }
}

}  // namespace

double CAS4100_98Section::SlendernessReductionFactor(double ms, double mo) {
    // cl. 5.6.1.1: αs = 0.6(√((Ms/Mo)² + 3) − Ms/Mo), evaluated as 1.8/(√((Ms/Mo)² + 3) + Ms/Mo),
    // the same value without the cancellation, so that Mo → 0 gives αs → 0 rather than NaN.
    const double ratio = ms / mo;
    return 1.8 / (std::sqrt(ratio * ratio + 3.0) + ratio);
}

double CAS4100_98Section::Mbxx(const CAS4100Span& span, double alphaM, CMemberResult* result,
                               bool useOverride, double overrideLength) const {
    // Direct fy·Ze: the report of MsXX belongs to the section checks, not to this segment.
    const double msx = DesignStressMin() * ZxxEffective();
    return MemberMomentCapacity(msx, Moa(span, result, useOverride, overrideLength), alphaM,
                                {L"Msx", L"Mbx"}, result);
}

double CAS4100_98Section::MemberMomentCapacity(double ms, double mo, double alphaM,
                                               const MomentSymbols& symbols,
                                               CMemberResult* result) {
    const double alphaS = SlendernessReductionFactor(ms, mo);
    const double mb = alphaM * alphaS * ms;  // cl. 5.6.1.1(a)
    if (IsTextOn(result)) {
        result->AddOutputString(JoinLine({symbols.ms, L" = "}) + result->DesFormat().Moment(ms) +
                                L"\n");
        ReportSlendernessReduction(result, symbols, ms, mo, alphaS);
        ReportMemberCapacity(result, symbols, alphaM, alphaS, ms, mb);
    }
    return std::min(mb, ms);  // Mb ≤ Ms
}

double CAS4100_98Section::SegmentEffectiveLength(const CAS4100Span& span, CMemberResult* result,
                                                 bool useOverride, double overrideLength) const {
    if (useOverride) {
        if (IsTextOn(result)) {
            result->AddOutputString(L"Le = " + result->DesFormat().Length(overrideLength) +
                                    L"(Overridden effective length)\n");
        }
        // The user's length replaces kt·kr·L; a load above the shear centre still counts.
        return LoadHeightFactor(span, true) * overrideLength;
    }
    const double length = span.Length();
    const double kt = TwistFactor(span);
    const double kl = LoadHeightFactor(span, false);
    const double kr = RotationalFactor(span);
    const double le = kl * kt * kr * length;  // cl. 5.6.3
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Le = Kt*Kl*Kr*L\n   = " + f.NoDim(kt) + L"*" + f.NoDim(kl) +
                                L"*" + f.NoDim(kr) + L"*" + f.Length(length) + L"\n   = " +
                                f.Length(le) + L" ref. AS 4100:1998 cl. 5.6.3\n");
    }
    return le;
}

double CAS4100_98Section::LoadHeightFactor(const CAS4100Span& span, bool skipEndTest) const {
    // Table 5.6.3(2).
    if (!span.IsDestabilized()) return 1.0;
    const double kl = span.GetLoadHeightAtSpan() > 0.0 ? kLoadHeightFactorWithin : 1.0;
    if (skipEndTest) return kl;
    const double mx = MomentXX();
    if (span.LEndRestType(mx, Rules()) == RestraintType::U ||
        span.REndRestType(mx, Rules()) == RestraintType::U) {
        return kLoadHeightFactorUnrestrainedEnd;
    }
    return kl;
}

}  // namespace Arbor::Steel::SteelAS4100
