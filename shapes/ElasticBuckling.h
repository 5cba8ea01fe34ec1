// Shared pieces of the elastic buckling moment and the effective length factors of a segment
// (cl. 5.6.1, 5.6.3, 5.3.2.4) for the open shapes: I, channel and T. Each calculator supplies
// its own critical-flange thickness, web depth and warping constant.
#pragma once

#include "host/MemberResult.h"
#include "section/AS4100Section.h"
#include "span/AS4100Span.h"

namespace Arbor::Steel::SteelAS4100::ElasticBuckling {

// π² as used in the elastic buckling formulas.
inline constexpr double kPiSquared = 9.869604401089358;

// Restraint types (cl. 5.4) of a segment's two ends. The critical flange follows the sign of
// the major-axis moment: flange 1 for Mx ≤ 0 (Mx > 0 on a cantilever, whose critical flange
// is the tension flange).
struct SegmentEnds {
    unsigned left = RestraintType::U;
    unsigned right = RestraintType::U;
    bool flange1Critical = true;
};
SegmentEnds EndRestraintTypes(const CAS4100Span& span, double mx,
                              RuleSet rules = RuleSet::AsWritten);

// Table 5.6.3(1) twist restraint factor kt for web depth d1 between the flanges, critical
// flange thickness tf, web thickness tw and segment length; +inf for end types the table
// does not allow.
double TwistRestraintFactor(const SegmentEnds& ends, double d1, double tf, double tw,
                            double length);

// Table 5.6.3(3) lateral rotation restraint factor kr.
double LateralRotationRestraintFactor(const CAS4100Span& span, const SegmentEnds& ends);

// cl. 5.6.1.1 elastic buckling moment of a section symmetric about the bending axis, with the
// segment's effective length from SegmentEffectiveLength and the given warping constant.
double MoaSymmetric(const CAS4100_98Section& section, const CAS4100Span& span, double iw,
                    CMemberResult* result, bool useOverride, double overrideLength);

// cl. 5.3.2.4 monosymmetry term (2·Icy/Iy)·(Ag·df/(2.5·Ze)) of a section with unequal flanges.
double MonosymmetryTerm(double icy, double iyy, double area, double df, double ze);

// cl. 5.3.2.4 slenderness test l/ry ≤ limit·√(250 MPa/fy), inclusive.
bool IsWithinFullRestraintSlenderness(double length, double iyy, double area, double limit,
                                      double fy);

}  // namespace Arbor::Steel::SteelAS4100::ElasticBuckling
