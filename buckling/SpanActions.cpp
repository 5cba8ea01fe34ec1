#include "buckling/SpanActions.h"

#include <algorithm>
#include <cmath>

namespace Arbor::Steel::SteelAS4100::SpanActions {

namespace {
constexpr int kAxial = 0;
constexpr int kMajor = 1;
}  // namespace

double DesignCompression(const CSpan& span) {
    // Tension is positive in the host's convention.
    const CSpan::EndRange axial = span.ForceRange(kAxial);
    return std::max(0.0, -std::min(axial.minRight, axial.minLeft));
}

EndMoments MajorAxisEndMoments(const CSpan& span) {
    const CSpan::EndRange major = span.MomentRange(kMajor);
    return {std::max(major.maxLeft, major.maxRight), std::min(major.minLeft, major.minRight)};
}

void Include(EndMoments& moments, const CSubSpan& subSpan) {
    moments.max = std::max(
        moments.max, std::max(subSpan.GetMomentsLeft()[kMajor], subSpan.GetMomentsRight()[kMajor]));
    moments.min = std::min(
        moments.min, std::min(subSpan.GetMomentsLeft()[kMajor], subSpan.GetMomentsRight()[kMajor]));
}

double CurvatureTolerance(const EndMoments& moments) {
    return std::max(1.0, 0.01 * std::max(std::fabs(moments.min), std::fabs(moments.max)));
}

bool IsReverseCurvature(const EndMoments& moments) {
    const double tol = CurvatureTolerance(moments);
    return moments.max >= tol && moments.min <= -tol;
}

CString AxialUtilisationLine(const CDesFormat& format, double nStar, double phi, double nc,
                             double util) {
    return L"Util = N/(phi*Nc)\n     = " + format.Force(nStar) + L"/(" + format.NoDim(phi) + L"*" +
           format.Force(nc) + L")\n" + L"     = " + format.Util(util) + L"\n";
}

}  // namespace Arbor::Steel::SteelAS4100::SpanActions
