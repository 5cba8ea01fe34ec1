// The report line that names the rule used where the standard's reading departs from the rules
// as written (docs/departures.md); nothing under the rules as written, nothing without text.
#pragma once

#include "section/ResultSink.h"
#include "span/RuleSet.h"

namespace Arbor::Steel::SteelAS4100 {

inline void WriteRuleNote(CMemberResult* result, RuleSet rules, const wchar_t* note) {
    if (rules == RuleSet::Standard && IsTextOn(result)) {
        result->AddOutputString(CString(L"<i>Standard's reading: ") + note + L"</i>\n");
    }
}

}  // namespace Arbor::Steel::SteelAS4100
