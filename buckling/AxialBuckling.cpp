// Member capacity in axial compression of one buckling span about x or y, or about the
// principal axes of an angle strut (cl. 6.3), and the values each span hands to the combined
// check (cl. 8.4) through the sub-span records.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

// What differs between the checks about x, y and, for angle struts, the principal axes.
struct AxisCheck {
    const wchar_t* heading;
    unsigned continuousBits[2];  // the span is held along its length when either is held
    double noCompressionBelow;   // a smaller design compression counts as none
    int momentComponent;
    double (CAS4100_98Section::*nc)(double, double&, CMemberResult*) const;
    double (CAS4100_98Section::*delta)(CMemberResult*) const;  // null: no eccentricity moments
    void (CMemberResult::*setUtil)(double);
    // Principal axes of a strut: also recorded on their own, so that the axis that governs can
    // be named (both report against the minor-axis utilisation).
    void (CMemberResult::*setPrincipalUtil)(double);
    unsigned failFlag;
    const wchar_t* failLine;
};

// Geometric axes: only a span without any compression is reported as such.
constexpr double kAnyCompression = std::numeric_limits<double>::denorm_min();
constexpr double kStrutNoCompression = 1e-10;

constexpr AxisCheck kMajorAxis = {L"Major Axis Span: ",
                                  {RestraintBit::TranslationXX, RestraintBit::TranslationXX},
                                  kAnyCompression,
                                  1,
                                  &CAS4100_98Section::Ncxx,
                                  &CAS4100_98Section::DeltaMxx,
                                  &CMemberResult::SetUtilBucklingAxialMajor,
                                  nullptr,
                                  ResultFlag::MajorBucklingFail,
                                  L"<b><red>Fail:</red></b> XX Axial Buckling\n"};

constexpr AxisCheck kMinorAxis = {L"Minor Axis Span: ",
                                  {RestraintBit::TranslationYY, RestraintBit::TranslationYY},
                                  kAnyCompression,
                                  2,
                                  &CAS4100_98Section::Ncyy,
                                  &CAS4100_98Section::DeltaMyy,
                                  &CMemberResult::SetUtilBucklingAxialMinor,
                                  nullptr,
                                  ResultFlag::MinorBucklingFail,
                                  L"<b><red>Fail:</red></b> YY Axial Buckling\n"};

// Angle struts: both principal axes walk the v-v strut spans, held along their length by a
// translation restraint either way, and report against the minor-axis utilisation.
constexpr AxisCheck kStrutUU = {L"U-U Axis Span: ",
                                {RestraintBit::TranslationYY, RestraintBit::TranslationXX},
                                kStrutNoCompression,
                                1,
                                &CAS4100_98Section::Ncuu,
                                nullptr,
                                &CMemberResult::SetUtilBucklingAxialMinor,
                                &CMemberResult::SetUtilBucklingAxialUU,
                                ResultFlag::MajorBucklingFail,
                                L"<b><red>Fail:</red></b> U-U Axial Buckling\n"};

constexpr AxisCheck kStrutVV = {L"V-V Axis Span: ",
                                {RestraintBit::TranslationYY, RestraintBit::TranslationXX},
                                kStrutNoCompression,
                                2,
                                &CAS4100_98Section::Ncvv,
                                nullptr,
                                &CMemberResult::SetUtilBucklingAxialMinor,
                                &CMemberResult::SetUtilBucklingAxialVV,
                                ResultFlag::MinorBucklingFail,
                                L"<b><red>Fail:</red></b> V-V Axial Buckling\n"};

void StoreSpanUtil(CMemberResult* result, const AxisCheck& axis, double util) {
    if (!result) return;
    (result->*axis.setUtil)(util);
    if (axis.setPrincipalUtil) (result->*axis.setPrincipalUtil)(util);
}

bool IsHeldAlongSpan(const CAS4100Span& span, const AxisCheck& axis) {
    const CRestraint continuous = span.ContinuousRestraint();
    return continuous.IsRestrained(axis.continuousBits[0], true) ||
           continuous.IsRestrained(axis.continuousBits[1], true);
}

// Reverse curvature (cl. 4.4.2.2) about one axis: the span's largest end moment positive and
// its smallest negative, each significant.
struct Curvature {
    double Mmax, Mmin;
    bool reverse;
};

Curvature SpanCurvature(const CSpan& span, int component) {
    const CSpan::EndRange range = span.MomentRange(component);
    const SpanActions::EndMoments moments{std::max(range.maxLeft, range.maxRight),
                                          std::min(range.minLeft, range.minRight)};
    return {moments.max, moments.min, SpanActions::IsReverseCurvature(moments)};
}

// What one axis check computed for its span, to be stored in the span's records.
struct AxialSpanValues {
    double nStar = 0.0;    // design compression, 0 for a span without compression
    double tension = 0.0;  // design tension of a span without compression (cl. 8.4.4)
    double nc = 0.0, ncInPlane = 0.0, nom = 0.0, deltaMin = 0.0, deltaMax = 0.0;
    Curvature curvature{0.0, 0.0, false};
};

// `section` is the member's own calculator, borrowed with its actions put back afterwards.
bool CheckAxialSpan(const CAS4100_98Member& member, CAS4100_98Section& section,
                    const CAS4100Span& span, const AxisCheck& axis, double effectiveLength,
                    AxialSpanValues& out) {
    CMemberResult* result = member.Result();
    if (WantsText(result))
        result->AddOutputString(axis.heading + span.GetString(result->DesFormat()) + L"\n");
    CResultIndent indent(result);
    const CRestraint& endL = span.RestraintEndL();
    const CRestraint& endR = span.RestraintEndR();
    // Axial force envelope of the span (tension positive).
    const CSpan::EndRange axial = span.ForceRange(0);

    bool utilLines = true;
    out.nStar = -std::min(axial.minRight, axial.minLeft);
    if (out.nStar <= 0.0) {
        out.tension = -out.nStar;
        out.nStar = 0.0;
    }
    if (out.nStar < axis.noCompressionBelow) {
        if (WantsText(result)) result->AddOutputString(L"No axial compression in this span\n");
        utilLines = false;
    }

    // cl. 4.6.3: le = ke L, or the user's length, or 0 under continuous lateral restraint.
    const double L = span.Length();
    const double le = effectiveLength;
    bool failed = false;
    if (member.LengthOverride()) {
        if (WantsText(result))
            result->AddOutputString(L"<i><blue>Effective length overridden</blue></i>\n");
    } else if (IsHeldAlongSpan(span, axis)) {
        if (WantsText(result))
            result->AddOutputString(L"Check not required: Span is continuously restrained\n");
        utilLines = false;
    } else if (!std::isfinite(le)) {
        if (WantsText(result))
            result->AddOutputString(L"<b><red>Fail:</red></b> Insufficient restraint\n");
        failed = true;
        StoreSpanUtil(result, axis, kInfinity);
    }

    // cl. 6.3.3: capacity at le; the in-plane check (cl. 8.4.2.2) uses it too unless le
    // exceeds the span length, then the capacity at L. Only the capacity at le is reported.
    if (std::isfinite(le)) {
        const CSectionStep step(section);
        step->ClearForcesAndMoments();
        step->SetForceAxial(-out.nStar);
        out.nc = ((*step).*axis.nc)(le, out.nom, result);
        double ncrAtL = 0.0;
        const double ncAtL = ((*step).*axis.nc)(L, ncrAtL, nullptr);
        out.ncInPlane = member.LengthOverride() || L >= le ? out.nc : ncAtL;
    }

    out.curvature = SpanCurvature(span, axis.momentComponent);

    // Eccentricity moments of the axial force with the restraint common to both ends.
    if (axis.delta) {
        const CSectionStep eccentric(section);
        eccentric->SetMemberRestraint(
            CRestraint(static_cast<int>(endL.Bits() & endR.Bits()), 0, 0.0));
        eccentric->SetForceAxial(std::min(axial.minLeft, axial.minRight));
        out.deltaMin = ((*eccentric).*axis.delta)(nullptr);
        eccentric->SetForceAxial(std::max(axial.maxLeft, axial.maxRight));
        out.deltaMax = ((*eccentric).*axis.delta)(nullptr);
    }

    const double phi = CAS4100_98Section::kPhi;
    const double util = out.nStar / (phi * out.nc);
    StoreSpanUtil(result, axis, util);
    if (utilLines && WantsText(result)) {
        result->AddOutputString(
            SpanActions::AxialUtilisationLine(result->DesFormat(), out.nStar, phi, out.nc, util));
    }
    const bool fails = util > 1.0 || failed;
    if (fails) {
        if (result) result->AddFlags(axis.failFlag);
        if (WantsText(result)) result->AddOutputString(axis.failLine);
    }
    return !fails;
}

}  // namespace

bool CAS4100_98Member::CheckSpanXX(const CAS4100Span& span) const {
    AxialSpanValues v;
    const bool passes =
        CheckAxialSpan(*this, *section_, span, kMajorAxis, EffectiveLengthXX(span), v);
    SpanActions::ForEachRecordOf(span, interaction_, [&v, &span](CInteractionData& record) {
        record.NtStar = std::max(v.tension, record.NtStar);
        record.NStarX = std::max(v.nStar, record.NStarX);
        record.Ncx = v.nc;
        record.NcxInPlane = v.ncInPlane;
        record.Nomx = v.nom;
        record.ReverseCurvatureX = v.curvature.reverse;
        record.SpanXX = span;
        record.DeltaMxxMin = v.deltaMin;
        record.DeltaMxxMax = v.deltaMax;
    });
    return passes;
}

bool CAS4100_98Member::CheckSpanYY(const CAS4100Span& span) const {
    AxialSpanValues v;
    const bool passes =
        CheckAxialSpan(*this, *section_, span, kMinorAxis, EffectiveLengthYY(span), v);
    SpanActions::ForEachRecordOf(span, interaction_, [&v, &span](CInteractionData& record) {
        record.NtStar = std::max(v.tension, record.NtStar);
        record.NStarY = std::max(v.nStar, record.NStarY);
        record.Ncy = v.nc;
        record.NcyInPlane = v.ncInPlane;
        record.Nomy = v.nom;
        record.ReverseCurvatureY = v.curvature.reverse;
        record.SpanYY = span;
        record.DeltaMyyMin = v.deltaMin;
        record.DeltaMyyMax = v.deltaMax;
        record.MyMax = v.curvature.Mmax;
        record.MyMin = v.curvature.Mmin;
    });
    return passes;
}

// Principal axes of an angle strut: capacities and compression only, and the span's tension
// as it is (cl. 8.4.4).
bool CAS4100_98Member::CheckStrutSpanUU(const CAS4100Span& span) const {
    AxialSpanValues v;
    const bool passes =
        CheckAxialSpan(*this, *section_, span, kStrutUU, EffectiveStrutLengthVV(span, true), v);
    SpanActions::ForEachRecordOf(span, interaction_, [&v](CInteractionData& record) {
        record.NtStar = v.tension;
        record.NStarX = std::max(v.nStar, record.NStarX);
        record.Ncu = v.nc;
        record.NcuInPlane = v.ncInPlane;
    });
    return passes;
}

bool CAS4100_98Member::CheckStrutSpanVV(const CAS4100Span& span) const {
    AxialSpanValues v;
    const bool passes =
        CheckAxialSpan(*this, *section_, span, kStrutVV, EffectiveStrutLengthVV(span, true), v);
    SpanActions::ForEachRecordOf(span, interaction_, [&v](CInteractionData& record) {
        record.NtStar = v.tension;
        record.NStarY = std::max(v.nStar, record.NStarY);
        record.Ncv = v.nc;
        record.NcvInPlane = v.ncInPlane;
    });
    return passes;
}

bool CAS4100_98Member::CheckStrutSpanXX(const CAS4100Span& span) const {
    return CheckSpanXX(span);
}

bool CAS4100_98Member::CheckStrutSpanYY(const CAS4100Span& span) const {
    return CheckSpanYY(span);
}

}  // namespace Arbor::Steel::SteelAS4100
