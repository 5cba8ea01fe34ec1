// `as4100 batch`: one member per input line, one result document per output line, in order.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Rules.h"

namespace as4100 {

struct BatchTally {
    std::size_t members = 0;  // lines checked (refused lines not counted)
    std::size_t cases = 0;
    std::size_t failed = 0;   // members with a failing case
    std::size_t refused = 0;  // lines refused
};

// Checks every line on `jobs` workers, each with its own checker. outLines[i] is the compact
// `check --json` document of line i + 1, or {"line": i + 1, "error": "..."} when the line
// was refused. `progress` (may be empty) is called from the workers with the number of lines
// done so far.
BatchTally CheckLines(const std::vector<std::string>& lines, const std::string& source, int jobs,
                      bool quick, std::vector<std::string>& outLines,
                      const std::function<void(std::size_t)>& progress,
                      std::optional<RuleSet> rules = {});

// The command: reads IN, writes OUT (atomically) or standard output, progress and throughput
// on standard error. Exit status 0 when every member passes, 1 when one fails or a line was
// refused, 2 when the input file cannot be read.
int RunBatchCommand(const std::string& input, const std::string& output, int jobs, bool quick,
                    std::optional<RuleSet> rules = {});

}  // namespace as4100
