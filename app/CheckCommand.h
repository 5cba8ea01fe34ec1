// `as4100 check [FILE] [--quick] [--json] [--report OUT]`.
#pragma once

#include <string>
#include <vector>

#include "app/ReportHtml.h"

namespace as4100 {

struct CheckCommandOptions {
    std::string file;  // empty: the bundled example member
    bool quick = false;
    bool json = false;
    std::string report;  // empty: none; "-": plain text on standard output
    ReportOptions reportOptions;
    std::vector<std::string> project;  // "key=value" over the file's title block
    std::string rules;   // "checker" or "standard"; empty: the member file's, else checker
};

// The bundled example member: the examples folder of the source tree, else one beside the
// program (../examples, ../../examples from its directory).
std::string DefaultExamplePath();

// Prints the summary (or the JSON document), writes the report; returns 0 when every case
// passes, 1 when one fails. Throws InputError when the input or the options are refused,
// before anything is written.
int RunCheckCommand(const CheckCommandOptions& options);

}  // namespace as4100
