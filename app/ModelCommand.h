// `as4100 model MEMBERS.csv FORCES.csv [--combinations C.json] [--flip COLS] [--jobs N]
// [--reports failing|M1,M2] [-o DIR] [--size --family UB,UC ...]`: checks a whole model and
// writes DIR/schedule.csv and DIR/schedule.html (and DIR/reports/MEMBER.html for the members
// asked for). With --size each group (or member on its own) first gets the lightest section
// of the families that passes for every member of it, and is checked in that section.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Rules.h"
#include "app/Sizing.h"

namespace as4100 {

struct ModelCommandOptions {
    std::string members, forces;
    std::string combinations;       // empty: check the primary cases
    std::vector<std::string> flip;  // forces columns whose signs are changed
    int jobs = 1;
    std::string outDir = ".";
    // Members whose full report is written to DIR/reports/MEMBER.html: names, or "failing".
    std::vector<std::string> reports;
    std::optional<RuleSet> rules;  // unset: the checker's rules as written
    bool size = false;
    SizingOptions sizing;
};

// Exit status 0 when every member passes, 1 when one fails or was refused (or a forces row
// names no member of the model). Throws InputError when a table, the combinations or an
// option cannot be used at all, before anything is written.
int RunModelCommand(const ModelCommandOptions& options);

}  // namespace as4100
