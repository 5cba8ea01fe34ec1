#include "app/StandardWatch.h"

#include "app/RunCheck.h"
#include "app/SummaryTables.h"

namespace as4100 {

std::optional<StandardReading> WatchVerdict(const CaseResult& checker, const CaseResult& standard) {
    if (!(standard.governing > kWatchMargin * checker.governing)) return std::nullopt;
    return StandardReading{standard.governing, standard.governs};
}

std::string WatchWarning(const CaseResult& c) {
    if (!c.standard) return {};
    return "Warning: the standard's reading gives " + UtilText(c.standard->governing) + " (" +
           c.standard->governedBy + ") where the checker's rules give " + UtilText(c.governing) +
           " (" + c.governs + "); see docs/departures.md or check with --rules standard";
}

std::string WatchWarningLine(const CaseResult& c) {
    return c.standard ? "  " + WatchWarning(c) + "\n" : std::string();
}

std::string RulesLine(const MemberResult& result) {
    return RuleSetWords(result.rules);
}

}  // namespace as4100
