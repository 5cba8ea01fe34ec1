// Member capacity in axial compression of one buckling span about x or y (cl. 6.3), and the
// values each span hands to the combined check (cl. 8.4) through the sub-span records.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

// What differs between the major-axis and minor-axis checks.
struct AxisCheck {
    const wchar_t* heading;
    unsigned continuousBit;
    int momentComponent;
    double (CAS4100_98Section::*nc)(double, double&, CMemberResult*) const;
    double (CAS4100_98Section::*delta)(CMemberResult*) const;
    void (CMemberResult::*setUtil)(double);
    unsigned failFlag;
    const wchar_t* failLine;
};

constexpr AxisCheck kMajorAxis = {L"Major Axis Span: ",
                                  RestraintBit::TranslationXX,
                                  1,
                                  &CAS4100_98Section::Ncxx,
                                  &CAS4100_98Section::DeltaMxx,
                                  &CMemberResult::SetUtilBucklingAxialMajor,
                                  ResultFlag::MajorBucklingFail,
                                  L"<b><red>Fail:</red></b> XX Axial Buckling\n"};

constexpr AxisCheck kMinorAxis = {L"Minor Axis Span: ",
                                  RestraintBit::TranslationYY,
                                  2,
                                  &CAS4100_98Section::Ncyy,
                                  &CAS4100_98Section::DeltaMyy,
                                  &CMemberResult::SetUtilBucklingAxialMinor,
                                  ResultFlag::MinorBucklingFail,
                                  L"<b><red>Fail:</red></b> YY Axial Buckling\n"};

// Reverse curvature (cl. 4.4.2.2): the span's largest end moment positive and its smallest
// negative, each beyond max(1 N·m, 1 % of the larger magnitude).
struct Curvature {
    double Mmax, Mmin;
    bool reverse;
};

Curvature SpanCurvature(const CSubSpan& maxForces, const CSubSpan& minForces, int component) {
    Curvature c;
    c.Mmax =
        std::max(maxForces.GetMomentsLeft()[component], maxForces.GetMomentsRight()[component]);
    c.Mmin =
        std::min(minForces.GetMomentsLeft()[component], minForces.GetMomentsRight()[component]);
    const double tol = std::max(1.0, 0.01 * std::max(std::fabs(c.Mmin), std::fabs(c.Mmax)));
    c.reverse = c.Mmax >= tol && -c.Mmin >= tol;
    return c;
}

// What one axis check computed for its span, to be stored in the span's records.
struct AxialSpanValues {
    double nStar = 0.0;    // design compression, 0 for a span without compression
    double tension = 0.0;  // design tension of a span without compression (cl. 8.4.4)
    double nc = 0.0, ncInPlane = 0.0, nom = 0.0, deltaMin = 0.0, deltaMax = 0.0;
    Curvature curvature{0.0, 0.0, false};
};

bool CheckAxialSpan(const CAS4100_98Member& member, const CAS4100Span& span, const AxisCheck& axis,
                    double effectiveLength, AxialSpanValues& out) {
    CMemberResult* result = member.Result();
    const CAS4100_98Section& section = *member.Section();
    if (WantsText(result))
        result->AddOutputString(axis.heading + span.GetString(result->DesFormat()) + L"\n");
    CResultIndent indent(result);
    const CRestraint& endL = span.RestraintEndL();
    const CRestraint& endR = span.RestraintEndR();
    const CSubSpan minForces = span.MinForces();
    const CSubSpan maxForces = span.MaxForces();

    bool utilLines = true;
    out.nStar = -std::min(minForces.GetForcesRight()[0], minForces.GetForcesLeft()[0]);
    if (out.nStar <= 0.0) {
        out.tension = -out.nStar;
        out.nStar = 0.0;
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
    } else if (span.ContinuousRestraint().IsRestrained(axis.continuousBit, true)) {
        if (WantsText(result))
            result->AddOutputString(L"Check not required: Span is continuously restrained\n");
        utilLines = false;
    } else if (!std::isfinite(le)) {
        if (WantsText(result))
            result->AddOutputString(L"<b><red>Fail:</red></b> Insufficient restraint\n");
        failed = true;
        if (result) (result->*axis.setUtil)(kInfinity);
    }

    // cl. 6.3.3: capacity at le; the in-plane check (cl. 8.4.2.2) uses it too unless le
    // exceeds the span length, then the capacity at L. Only the capacity at le is reported.
    if (std::isfinite(le)) {
        std::unique_ptr<CAS4100_98Section> copy(section.Clone());
        copy->ClearForcesAndMoments();
        copy->SetForceAxial(-out.nStar);
        out.nc = (copy.get()->*axis.nc)(le, out.nom, result);
        double ncrAtL = 0.0;
        const double ncAtL = (copy.get()->*axis.nc)(L, ncrAtL, nullptr);
        out.ncInPlane = member.LengthOverride() || L >= le ? out.nc : ncAtL;
    }

    out.curvature = SpanCurvature(maxForces, minForces, axis.momentComponent);

    // Eccentricity moments of the axial force with the restraint common to both ends.
    std::unique_ptr<CAS4100_98Section> eccentric(section.Clone());
    eccentric->SetMemberRestraint(CRestraint(static_cast<int>(endL.Bits() & endR.Bits()), 0, 0.0));
    eccentric->SetForceAxial(std::min(minForces.GetForcesLeft()[0], minForces.GetForcesRight()[0]));
    out.deltaMin = (eccentric.get()->*axis.delta)(nullptr);
    eccentric->SetForceAxial(std::max(maxForces.GetForcesLeft()[0], maxForces.GetForcesRight()[0]));
    out.deltaMax = (eccentric.get()->*axis.delta)(nullptr);

    const double phi = CAS4100_98Section::kPhi;
    const double util = out.nStar / (phi * out.nc);
    if (result) (result->*axis.setUtil)(util);
    if (utilLines && WantsText(result)) {
        const CDesFormat& fmt = result->DesFormat();
        result->AddOutputString(L"Util = N/(phi*Nc)\n     = " + fmt.Force(out.nStar) + L"/(" +
                                fmt.NoDim(phi) + L"*" + fmt.Force(out.nc) + L")\n     = " +
                                fmt.Util(util) + L"\n");
    }
    const bool fails = util > 1.0 || failed;
    if (fails) {
        if (result) result->AddFlags(axis.failFlag);
        if (WantsText(result)) result->AddOutputString(axis.failLine);
    }
    return !fails;
}

// The records of the span's sub-spans; a record the vector does not hold is skipped.
template <typename Store>
void ForEachRecord(std::vector<CInteractionData>& records, const CSpan& span, Store store) {
    const int count = static_cast<int>(records.size());
    for (int i = std::max(0, span.GetCSSIndexLeft()); i <= span.GetCSSIndexRight() && i < count;
         ++i) {
        store(records[static_cast<size_t>(i)]);
    }
}

}  // namespace

bool CAS4100_98Member::CheckSpanXX(const CAS4100Span& span) const {
    AxialSpanValues v;
    const bool passes = CheckAxialSpan(*this, span, kMajorAxis, EffectiveLengthXX(span), v);
    ForEachRecord(interaction_, span, [&v, &span](CInteractionData& record) {
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
    const bool passes = CheckAxialSpan(*this, span, kMinorAxis, EffectiveLengthYY(span), v);
    ForEachRecord(interaction_, span, [&v, &span](CInteractionData& record) {
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

}  // namespace Arbor::Steel::SteelAS4100
