// Per sub-span record through which the span checks hand their values to the combined member
// check (cl. 8.4).
#pragma once

#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100 {

struct CInteractionData {
    CAS4100Span SpanXX;  // major-axis buckling span covering the sub-span
    CAS4100Span SpanYY;  // minor-axis buckling span
    CAS4100Span SpanLT;  // lateral-torsional segment
    double Mbx1 = 0.0;   // major-axis capacity at end 1 of the LT span (Mb, or Ms)
    double Mbx2 = 0.0;
    double Ncx = 0.0;  // Nc about x at the effective length
    double NcxInPlane = 0.0;
    double Ncy = 0.0;
    double NcyInPlane = 0.0;
    double Ncu = 0.0;
    double NcuInPlane = 0.0;
    double Ncv = 0.0;
    double NcvInPlane = 0.0;
    double NcTorsion = 0.0;
    double NcFlexTorsion = 0.0;
    double MyMax = 0.0;
    double MyMin = 0.0;
    double Mx1 = 0.0;  // major-axis end moments of the LT span, not amplified
    double Mx2 = 0.0;
    double DeltaMxxMin = 0.0;
    double DeltaMxxMax = 0.0;
    double DeltaMyyMin = 0.0;
    double DeltaMyyMax = 0.0;
    double NStarX = 0.0;  // largest design compression met (running maximum)
    double NStarY = 0.0;
    double NtStar = 0.0;  // largest design tension met
    double Nomx = 0.0;    // elastic buckling loads
    double Nomy = 0.0;
    double Nomz = 0.0;
    double NcTFAux = 0.0;
    bool LTApplies = true;
    bool ReverseCurvatureX = true;
    bool ReverseCurvatureY = true;
};

}  // namespace Arbor::Steel::SteelAS4100
