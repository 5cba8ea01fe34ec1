// What the checker did with every lateral-torsional segment of a case: its ends and their
// restraint types (cl. 5.4.2), the critical flange, the factors kt, kl, kr of cl. 5.6.3, the
// effective length le = kt·kl·kr·L and the moment modification factor αm (cl. 5.6.1.1). The
// segments are the checker's own (its effective length data); the factors are asked of its
// section calculator and member for the moment the check applied, so they are the ones its
// member moment capacity used.
#pragma once

#include <vector>

#include "app/RunCheck.h"

namespace Arbor::Steel::SteelAS4100 {
class CAS4100_98Member;
struct CInteractionData;
}  // namespace Arbor::Steel::SteelAS4100

namespace as4100 {

// The member as the checker held it for one case: points, sub-spans and the checker after its
// check; `records` are its interaction records taken right after the check.
struct CheckedCase {
    const Arbor::Steel::SteelAS4100::CAS4100_98Member& checker;
    const Arbor::Steel::MemberPointVec& points;
    const Arbor::Steel::SubSpanVec& subSpans;
    const std::vector<Arbor::Steel::SteelAS4100::CInteractionData>& records;
    bool lengthOverride = false;
    double overrideLt = 0.0;  // the lateral-torsional override length, m (already resolved)
};

// One entry per segment, two for a reverse-curved segment (one per end moment: each bends a
// different flange into compression). `segments` is the checker's lateral-torsional map.
std::vector<LtSegment> DescribeLtSegments(const CheckedCase& checked,
                                          const std::vector<SpanLength>& segments);

// "F", "P", "L" or "U" of a restraint type code (cl. 5.4.2).
const char* RestraintTypeWord(unsigned code);

}  // namespace as4100
