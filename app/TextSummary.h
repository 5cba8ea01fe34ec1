// The terminal summary of a checked member (also the head of the plain-text report).
#pragma once

#include <string>

#include "app/RunCheck.h"

namespace as4100 {

// One case: verdict and governing check, the local and buckling utilisation tables, the flags
// in words and the effective lengths of every span.
std::string CaseSummaryText(const CaseResult& c);
// The member points added before the check and the warnings, one indented line each.
std::string NotesText(const MemberResult& result);
// The member heading, the table of cases, then each case's summary.
std::string MemberSummaryText(const MemberResult& result);

}  // namespace as4100
