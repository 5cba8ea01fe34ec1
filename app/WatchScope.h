// Which cases the watch must check again under the standard's reading: a cheap test made on the
// checker's own run, conservative for each departure of docs/departures.md.
#pragma once

#include <vector>

#include "app/MemberFile.h"
#include "buckling/InteractionData.h"
#include "member/AS4100Member.h"

namespace as4100 {

struct CaseResult;

// False when the standard's reading cannot give a governing utilisation above the checker's
// (so the watch cannot fire): an I section bent about its major axis only, with no axial force
// and no segment under uniform moment unless the section is not compact overall, no override,
// both flanges held alike everywhere, member ends held (or one a free tip) and the section
// checks within bounds (or, for a quick check, stopped by a failed member check). True
// whenever any of that is not shown.
// `records` are the interaction records of the checker's run of `checked`; `quick` says that
// run was a quick check.
bool StandardMayGovern(const MemberInput& member, const LoadCase& loadCase,
                       const CaseResult& checked,
                       const Arbor::Steel::SteelAS4100::CAS4100_98Member& checker,
                       const std::vector<Arbor::Steel::SteelAS4100::CInteractionData>& records,
                       bool quick);

}  // namespace as4100
