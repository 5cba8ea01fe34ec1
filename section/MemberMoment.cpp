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

void ReportSlendernessReduction(CMemberResult* result, double msx, double mo, double alphaS) {
    const CDesFormat& f = result->DesFormat();
    const CString ms = f.Moment(msx);
    const CString moa = f.Moment(mo);
    result->AddOutputString(L"AlphaS = 0.6*(sqrt( (Msx/dMoa)" + CString(kSquared) +
                            L" + 3.) - Msx/Moa)\n       = 0.6*(sqrt( (" + ms + L"/" + moa + L")" +
                            kSquared + L" + 3.) - " + ms + L"/" + moa + L")\n       = " +
                            f.NoDim(alphaS) + L"\n");
}

void ReportMemberCapacity(CMemberResult* result, double alphaM, double alphaS, double msx,
                          double mb) {
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(L"Mbx = AlphaM*AlphaS*Msx\n    = " + f.NoDim(alphaM) + L"*" +
                            f.NoDim(alphaS) + L"*" + f.Moment(msx) + L"\n    = " + f.Moment(mb) +
                            L"\n");
    if (mb > msx) {
        result->AddOutputString(L"Mbx = min(Mbx,Msx)\n    = min(" + f.Moment(mb) + L"," +
                                f.Moment(msx) + L")\n    = " + f.Moment(msx) + L"\n");
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
    const double mo = Moa(span, result, useOverride, overrideLength);
    const double alphaS = SlendernessReductionFactor(msx, mo);
    const double mb = alphaM * alphaS * msx;  // cl. 5.6.1.1(a)
    if (IsTextOn(result)) {
        result->AddOutputString(L"Msx = " + result->DesFormat().Moment(msx) + L"\n");
        ReportSlendernessReduction(result, msx, mo, alphaS);
        ReportMemberCapacity(result, alphaM, alphaS, msx, mb);
    }
    return std::min(mb, msx);  // Mb ≤ Ms
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
