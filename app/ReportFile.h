// The full report of a checked member: a standalone HTML page or plain text.
#pragma once

#include <optional>
#include <string>

#include "app/ReportHtml.h"
#include "app/RunCheck.h"

namespace as4100 {

enum class ReportKind { Html, Text, Pdf };

// The kind a report path asks for: ".html"/".htm" HTML, ".txt" or "-" (standard output)
// plain text, ".pdf" the HTML printed by a headless Chromium. Empty for anything else.
std::optional<ReportKind> ReportKindOf(const std::string& path);

// What a `--report OUT` option asks for: none when OUT is empty; a PDF also names the
// Chromium that prints it. Throws InputError for an unknown kind, for "-" beside --json (both
// would write to standard output) and for a PDF without a Chromium.
struct ReportRequest {
    ReportKind kind;
    std::string chromium;
};
std::optional<ReportRequest> ReportOption(const std::string& path, bool json);

// The report as plain text: title block, cases, then per case its summary and (in full) the
// checker's report with repeated derivations folded.
std::string TextReport(const MemberInput& member, const MemberResult& result,
                       const ReportOptions& options);

// Writes the report to `path` (atomically) or to standard output for "-"; a PDF through
// `chromium` (see ReportPdf.h).
void WriteReport(const MemberInput& member, const MemberResult& result, const std::string& path,
                 ReportKind kind, const ReportOptions& options, const std::string& chromium = {});

}  // namespace as4100
