// Actions of a buckling span read from its sub-spans, and the axial utilisation line, shared by
// the member's span checks.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "buckling/InteractionData.h"
#include "host/DesFormat.h"
#include "host/Span.h"

namespace Arbor::Steel::SteelAS4100::SpanActions {

// Design compression N* of a span, positive: the larger compression at the two ends of its
// minimum-force sub-span; 0 when the span is not compressed.
double DesignCompression(const CSpan& span);

// Major-axis end moments of a span: the larger end moment of its maximum-force sub-span and
// the smaller end moment of its minimum-force sub-span.
struct EndMoments {
    double max = 0.0;
    double min = 0.0;
};
EndMoments MajorAxisEndMoments(const CSpan& span);
// The end moments of a span grown by one more sub-span.
void Include(EndMoments& moments, const CSubSpan& subSpan);

// Moments below max(1 N·m, 1 % of the larger end moment) do not count for the curvature.
double CurvatureTolerance(const EndMoments& moments);
// Bent in reverse (double) curvature: a positive and a negative end moment, each significant.
bool IsReverseCurvature(const EndMoments& moments);

// A moment multiplied by the amplification factor δ; a moment below 1e-10 N·m stays 0, so that
// an infinite δ of an overloaded column does not turn "no moment" into NaN.
inline double AmplifiedMoment(double delta, double moment) {
    return std::fabs(moment) < 1e-10 ? 0.0 : delta * moment;
}

// Calls fn(record) for the record of every sub-span that the span covers.
template <class Fn>
void ForEachRecordOf(const CSpan& span, std::vector<CInteractionData>& records, Fn fn) {
    const int last = std::min(span.GetCSSIndexRight(), static_cast<int>(records.size()) - 1);
    for (int i = std::max(0, span.GetCSSIndexLeft()); i <= last; ++i) {
        fn(records[static_cast<size_t>(i)]);
    }
}

// "Util = N/(phi*Nc)" with the values substituted, as every axial buckling check reports it.
CString AxialUtilisationLine(const CDesFormat& format, double nStar, double phi, double nc,
                             double util);

}  // namespace Arbor::Steel::SteelAS4100::SpanActions
