#include "app/Rules.h"

namespace as4100 {

std::optional<RuleSet> RuleSetOf(const std::string& name) {
    if (name == "checker") return RuleSet::AsWritten;
    if (name == "standard") return RuleSet::Standard;
    return std::nullopt;
}

const char* RuleSetName(RuleSet rules) {
    return rules == RuleSet::Standard ? "standard" : "checker";
}

std::string RuleSetWords(RuleSet rules) {
    return rules == RuleSet::Standard
               ? "rules: standard (the clauses' own reading where the checker's rules depart)"
               : "rules: checker (the checker's rules as written)";
}

}  // namespace as4100
