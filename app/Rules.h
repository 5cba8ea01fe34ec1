// The rule set a member is checked by: the checker's rules as written ("checker", the default)
// or the standard's own reading ("standard"); see docs/departures.md.
#pragma once

#include <optional>
#include <string>

#include "span/RuleSet.h"

namespace as4100 {

using Arbor::Steel::SteelAS4100::RuleSet;

// "checker" or "standard"; nothing for any other word.
std::optional<RuleSet> RuleSetOf(const std::string& name);
// The name used on the command line, in the member file and in --json.
const char* RuleSetName(RuleSet rules);
// The rule set in words for the summary and the report heading.
std::string RuleSetWords(RuleSet rules);

}  // namespace as4100
