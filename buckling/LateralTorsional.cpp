// Lateral-torsional buckling check of a segment: member moment capacity about the major axis
// (cl. 5.6) with the moment modification factor αm (cl. 5.6.1.1, 5.6.2).
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"
#include "section/ResultSink.h"
#include "section/RuleNote.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

using SpanActions::AmplifiedMoment;
using SpanActions::EndMoments;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kMajor = 1;

// What a segment hands to the combined check: a capacity and a design moment per end.
struct SegmentEnds {
    double mb1 = 0.0;
    double mb2 = 0.0;
    double m1 = 0.0;  // end moments kept, not amplified
    double m2 = 0.0;
    double util = 0.0;
};

// Sections whose member capacity is not asked still pass fy·Ze at each end's moment (the sign
// of the moment may choose the effective modulus).
double SectionCapacityAt(CAS4100_98Section& section, double mx) {
    section.SetMomentXX(mx);
    return section.DesignStressMin() * section.ZxxEffective();
}

void ReportSegmentAmplification(CMemberResult* result, const CAS4100_98Section& section,
                                double nStar, double nom, double delta) {
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(L"Axis force = " + f.Force(nStar) + L"\n");
    result->AddOutputString(L"Axial load capacity = " + f.Force(nom) + L"\n");
    result->AddOutputString(L"Moment amplification factor = " + f.NoDim(delta) + L" (ref: " +
                            section.CodeName() + L" clause 4.4.2.2)\n\n");
}

// The moment line `prefix``name` value; the text is built only when it is written.
void ReportMoment(CMemberResult* result, const wchar_t* prefix, const wchar_t* name, double m) {
    if (IsTextOn(result)) {
        result->AddOutputString(JoinLine({prefix, name}) + result->DesFormat().Moment(m) + L"\n");
    }
}

void ReportMoment(CMemberResult* result, const wchar_t* name, double m) {
    ReportMoment(result, L"", name, m);
}

void ReportUtil(CMemberResult* result, const wchar_t* name, double util) {
    if (IsTextOn(result)) result->AddOutputString(name + result->DesFormat().Util(util) + L"\n");
}

// Lateral-torsional buckling does not apply: the section capacities at the two end moments.
SegmentEnds StoredSectionCapacities(CAS4100_98Section& section, const EndMoments& m, bool reverse,
                                    double delta, const wchar_t* prefix, CMemberResult* result) {
    SegmentEnds ends;
    ends.mb1 = SectionCapacityAt(section, reverse ? m.min : m.max);
    ends.mb2 = reverse ? SectionCapacityAt(section, m.max) : ends.mb1;
    ends.m1 = m.max;
    ends.m2 = m.min;
    WriteLine(result, L"Values stored for use in buckling interaction...\n");
    ReportMoment(result, prefix, L"Mx1 = ", AmplifiedMoment(delta, m.max));
    ReportMoment(result, prefix, L"Mx2 = ", AmplifiedMoment(delta, m.min));
    ReportMoment(result, L"Msx1 = ", ends.mb1);
    ReportMoment(result, L"Msx2 = ", ends.mb2);
    return ends;
}

// Member capacity Mb at one end moment, and that end's utilisation |δ·M|/(φ·Mb): a hogging
// moment loads the segment as much as a sagging one of the same size.
struct EndCheck {
    double mb = 0.0;
    double mx = 0.0;
    double util = 0.0;
};

EndCheck CheckEnd(CAS4100_98Section& section, const CAS4100Span& span, double moment, double alphaM,
                  bool overridden, double le, double delta, CMemberResult* result) {
    section.SetMomentXX(moment);
    EndCheck end;
    end.mb = section.Mbxx(span, alphaM, result, overridden, le);
    end.mx = AmplifiedMoment(delta, moment);
    end.util = std::fabs(end.mx) / (CAS4100_98Section::kPhi * end.mb);
    return end;
}

SegmentEnds MemberCapacities(CAS4100_98Section& section, const CAS4100Span& span,
                             const EndMoments& m, bool reverse, double alphaM, bool overridden,
                             double le, double delta, const wchar_t* prefix,
                             CMemberResult* result) {
    SegmentEnds ends;
    if (reverse) {
        // Both capacities (with their cl. 5.6.1.1 lines) first, then the two ends' results.
        WriteLine(result, L"Reverse curvature\n");
        const EndCheck end1 = CheckEnd(section, span, m.min, alphaM, overridden, le, delta, result);
        const EndCheck end2 = CheckEnd(section, span, m.max, alphaM, overridden, le, delta, result);
        ReportMoment(result, prefix, L"Mx1 = ", end1.mx);
        ReportMoment(result, L"Mb1 = Mbx =", end1.mb);
        ReportUtil(result, L"Util1 = ", end1.util);
        ReportMoment(result, prefix, L"Mx2 = ", end2.mx);
        ReportMoment(result, L"Mb2 = Mbx =", end2.mb);
        ReportUtil(result, L"Util2 = ", end2.util);
        ends = {end1.mb, end2.mb, m.min, m.max, std::max(end1.util, end2.util)};
        ReportUtil(result, L"Util = ", ends.util);
        return ends;
    }
    WriteLine(result, L"Single curvature bending in this span\n");
    const double moment = std::fabs(m.min) <= std::fabs(m.max) ? m.max : m.min;
    const EndCheck end = CheckEnd(section, span, moment, alphaM, overridden, le, delta, result);
    ReportMoment(result, prefix, L"Mx = ", end.mx);
    ReportUtil(result, L"Util = ", end.util);
    return {end.mb, end.mb, moment, moment, end.util};
}

// Table 5.6.2 style values of a cantilever segment: moments at both ends (a backspan
// continues the segment), a tip point load, or a distributed load only.
double CantileverAlphaM(const CSpan& span, const EndMoments& m) {
    const double tol = SpanActions::CurvatureTolerance(m);
    const double atStart = span.InterpolateMoments(0.0)[kMajor];
    const double atEnd = span.InterpolateMoments(1.0)[kMajor];
    if (std::fabs(atStart) >= tol && std::fabs(atEnd) >= tol) return 0.25;
    return span.IsLoadedWithPointLoad() ? 1.25 : 2.25;
}

// cl. 5.6.1.1(a)(iii), eq. 5.6.1.1(2): αm = 1.7·Mm/√(M2² + M3² + M4²) ≤ 2.5 from the moments
// at the quarter points.
double QuarterPointAlphaM(const CSpan& span, const EndMoments& m) {
    const double mm = std::max(std::fabs(m.min), std::fabs(m.max));
    if (mm < 1e-6) return 1.0;
    double sumOfSquares = 0.0;
    for (const double fraction : {0.25, 0.5, 0.75}) {
        const double mi = span.InterpolateMoments(fraction)[kMajor];
        sumOfSquares += mi * mi;
    }
    if (sumOfSquares == 0.0) return 2.5;
    return std::min(2.5, 1.7 * mm / std::sqrt(sumOfSquares));
}

}  // namespace

bool CAS4100_98Member::IsLTBucklingApplicable(const CAS4100Span& span, double& le) const {
    le = kInfinity;
    const bool circularOrSquare = section_->IsCircular() || section_->IsSquare();
    if (LengthOverride()) {
        le = OverrideLength(Llt());
        AddStringInput(L"<i><blue>Effective length overridden</blue></i>\n");
        if (!circularOrSquare) return true;
        AddStringInput(L"LT check not required: section is circular or square\n");
        return false;
    }
    const CRestraint along = span.ContinuousRestraint();
    if (along.IsRestrained(ContinuousRestraintFlangeBit(span), true) ||
        along.IsRestrained(RestraintBit::FullTwist, true)) {
        AddStringInput(
            L"LT check not required:\n\tspan is restrained against buckling along its length\n");
        le = 0.0;
        return false;
    }
    if (circularOrSquare) {
        AddStringInput(L"LT check not required: section is circular or square\n");
        le = 0.0;
        return false;
    }
    if (IsEndsFullOrPartRestrained(span) &&
        section_->IsFullyRestrained(span.Length(), -1.0, Result())) {
        AddStringInput(
            L"LT check not required: span is satisfied the conditions framed in AS4100:1988 cl. "
            L"5.3.2.4 \n");
        return false;
    }
    return true;
}

bool CAS4100_98Member::CheckSpanLT(const CInteractionData& record) const {
    CMemberResult* result = Result();
    if (!section_) return false;
    const CAS4100Span span = record.SpanLT;  // a copy: the records are rewritten below
    if (IsTextOn(result)) {
        AddStringInput(L"Lateral torsional span: " + span.GetString(result->DesFormat()) + L"\n");
    }
    CResultIndent indent(result);
    if (rules_ == RuleSet::Standard && IsTextOn(result)) {
        WriteRuleNote(result, rules_,
                      IsCantilever(span) ? L"cantilever: unrestrained at one end, the tension "
                                           L"flange critical (cl. 5.5, 5.6.1.1)"
                      : IsFlange1Critical(span)
                          ? L"the compression flange (flange 1) critical (cl. 5.5)"
                          : L"the compression flange (flange 2) critical (cl. 5.5)");
    }

    // cl. 4.4.2.2: the end moments amplified for the compression of the major-axis span.
    const double delta =
        MomentAmplificationFactorStrongAxis(span.GetCMPIndexLeft(), span.GetCMPIndexRight(),
                                            IsSpanLoaded(span), record.NStarX, record.Nomx);
    const bool amplified = std::fabs(delta - 1.0) >= 0.0001;
    const wchar_t* prefix = amplified ? L"Amplified moment " : L"";
    if (amplified && IsTextOn(result)) {
        ReportSegmentAmplification(result, *section_, record.NStarX, record.Nomx, delta);
    }

    const EndMoments moments = SpanActions::MajorAxisEndMoments(span);
    const bool reverse = SpanActions::IsReverseCurvature(moments);
    const double compression = SpanActions::DesignCompression(span);

    double le = kInfinity;
    bool applies = IsLTBucklingApplicable(span, le);
    if (moments.max == 0.0 && moments.min == 0.0) {
        AddStringInput(L"No major axis moment in this span\n");
        applies = false;
    }

    const CSectionStep step(*section_);
    step->ClearForcesAndMoments();
    step->SetForceAxial(-compression);
    const SegmentEnds ends =
        applies ? MemberCapacities(*step, span, moments, reverse, Alpha_M(span), LengthOverride(),
                                   le, delta, prefix, result)
                : StoredSectionCapacities(*step, moments, reverse, delta, prefix, result);

    SpanActions::ForEachRecordOf(span, interaction_, [&](CInteractionData& r) {
        r.Mbx1 = ends.mb1;
        r.Mbx2 = ends.mb2;
        r.Mx1 = ends.m1;
        r.Mx2 = ends.m2;
        r.SpanLT = span;
        r.LTApplies = applies;
    });

    if (result) result->SetUtilBucklingLT(ends.util);
    if (ends.util > 1.0) {
        if (result) result->AddFlags(ResultFlag::LTBucklingFail);
        AddStringInput(L"<b><red>Fail:</red></b> LT Buckling\n");
        return false;
    }
    return true;
}

double CAS4100_98Member::Alpha_M(const CAS4100Span& span) const {
    if (alphaM_) return *alphaM_;  // the user's factor
    const EndMoments moments = SpanActions::MajorAxisEndMoments(span);
    if (!LengthOverride() && IsCantilever(span)) return CantileverAlphaM(span, moments);
    return QuarterPointAlphaM(span, moments);
}

}  // namespace Arbor::Steel::SteelAS4100
