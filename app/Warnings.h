// Warnings about a member as the file describes it: things the loader accepts but an engineer
// would want to hear about (units, implausible actions, shears that disagree with moments,
// missing load heights, restraints that do not do what they seem to, grade and section kinds).
// Plain sentences, the same in --json, the terminal summary, the reports and batch lines.
#pragma once

#include <string>
#include <vector>

#include "app/MemberFile.h"

namespace as4100 {

// The relative tolerance of the moment-shear consistency check: a sub-span's moment change
// may differ from length × mean shear by this fraction of the member's moment level.
constexpr double kConsistencyTolerance = 0.02;

// Warnings about the file as written (its own points and sub-spans, before any station).
std::vector<std::string> InputWarnings(const MemberInput& member);

// Restraint warnings of one checked case: a lateral-torsional segment end that holds one
// flange laterally, without twist restraint, where that flange is in tension. `segmentEnds`
// are the member point indices (of `points`) that end the checker's segments.
void AddTensionFlangeWarnings(const Arbor::Steel::MemberPointVec& points,
                              const Arbor::Steel::SubSpanVec& subSpans,
                              const std::vector<int>& segmentEnds, const std::string& caseName,
                              const std::vector<int>& filePoint, std::vector<std::string>& out);

// The moment change of a sub-span that its end shears imply, L·(V left + V right)/2 (dM/dx = V).
double MomentChangeFromShears(double vLeft, double vRight, double length);

}  // namespace as4100
