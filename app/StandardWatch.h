// The watch on the checker's rules: under the default rules every case is also checked by the
// standard's reading, and where that is more onerous by more than 1 % the summary, the HTML
// report and --json say so (docs/departures.md).
#pragma once

#include <optional>
#include <string>

namespace as4100 {

struct CaseResult;
struct MemberResult;

// The standard's reading of a case, kept when it is the more onerous.
struct StandardReading {
    double governing = 0.0;
    std::string governedBy;
};

// A governing utilisation more than this factor above the checker's sets off the watch.
inline constexpr double kWatchMargin = 1.01;

// The standard's reading when its governing utilisation exceeds the checker's by more than 1 %.
std::optional<StandardReading> WatchVerdict(const CaseResult& checker, const CaseResult& standard);

// "Warning: the standard's reading gives ...", empty when the watch is silent; the summary's
// line is the same sentence indented.
std::string WatchWarning(const CaseResult& c);
std::string WatchWarningLine(const CaseResult& c);
// The rule set line under the summary and report headings.
std::string RulesLine(const MemberResult& result);

}  // namespace as4100
