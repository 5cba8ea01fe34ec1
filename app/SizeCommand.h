// `as4100 size FILE --family UB[,UC...] [--grade G] [--max-depth D] [--max-width W]
// [--max-util U] [--json] [--report OUT]`: the lightest catalogue section that passes.
// FILE is a member file, or a JSON Lines file (name ending in .jsonl) of members where those
// sharing a "group" key get one section, the lightest that passes for each of them.
#pragma once

#include <string>
#include <vector>

#include "app/Sizing.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace as4100 {

struct SizeCommandOptions {
    std::string file;
    SizingOptions sizing;
    bool json = false;
    std::string report;  // the chosen section's full report, as `check --report` writes it
    std::string rules;   // "checker" or "standard"; empty: each member's own "rules" key
};

// Registers --family, --grade, --max-depth, --max-width and --max-util on a command; returns
// --family.
CLI::Option* AddSizingOptions(CLI::App& cmd, SizingOptions& options);

// `model` and `batch` size members with --size: refuses --size without --family and the
// sizing options without --size (InputError).
void CheckSizingRequest(bool size, const SizingOptions& options);

// Registers the subcommand on the program's command line, its options filling `options`.
CLI::App* AddSizeCommand(CLI::App& app, SizeCommandOptions& options);

// Prints the sizing (or its JSON document) and writes the report; returns 0 when a section
// was found for every member and group, 1 when none passes for one of them. Throws InputError
// when the input or the options are refused, before anything is written.
int RunSizeCommand(const SizeCommandOptions& options);

}  // namespace as4100
