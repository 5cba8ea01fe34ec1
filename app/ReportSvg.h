// Pictures of the report, drawn as inline SVG: the member sketch (points to scale, restraints
// by kind, lateral-torsional segments, load height) and the diagrams of the actions of a load
// case along the member.
#pragma once

#include <string>
#include <vector>

#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {

// The actions drawn, as the sub-span vectors hold them: forces [N, V major, V minor], moments
// [T, M major, M minor].
enum class Action { Axial, ShearMajor, ShearMinor, MomentMajor, MomentMinor };

struct ActionSample {
    double x = 0;      // m from the member's start
    double value = 0;  // SI (N or N·m)
};

// The action along the member: linear between the sub-span ends for N and V; for M the end
// moments joined by the parabola of the uniform load that the change of the end shears gives
// (as the checker interpolates). A point load shows as two samples at one x. The stationary
// point of each parabola is among the samples, so the extremes are exact.
std::vector<ActionSample> SampleAction(const MemberInput& member, const LoadCase& loadCase,
                                       Action action);

struct ActionExtremes {
    ActionSample max, min;
};
ActionExtremes ExtremesOf(const std::vector<ActionSample>& samples);

// Where the governing check of a case acts: the point of the largest major-axis moment within
// the governing sub-span (a section check) or the member (a member check).
double GoverningPosition(const MemberInput& member, const LoadCase& loadCase,
                         const CaseResult& result);

// The member to scale with one symbol group per restrained point, the lateral-torsional
// segments of `lengths` with their le, and the load heights.
std::string MemberSketchSvg(const MemberInput& member, const EffectiveLengths& lengths);

// One action's diagram with its extreme values labelled and the governing position marked;
// empty when the action is zero all along.
std::string ActionDiagramSvg(const MemberInput& member, const LoadCase& loadCase, Action action,
                             double governingX);

const char* ActionName(Action action);  // "M major"

}  // namespace as4100
