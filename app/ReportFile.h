// The full report of a checked member: a standalone HTML page or plain text.
#pragma once

#include <optional>
#include <string>

#include "app/RunCheck.h"

namespace as4100 {

enum class ReportKind { Html, Text };

// The kind a report path asks for: ".html"/".htm" HTML, ".txt" or "-" (standard output)
// plain text. Empty for anything else.
std::optional<ReportKind> ReportKindOf(const std::string& path);

// The kind a `--report OUT` option asks for, none when OUT is empty. Throws InputError for an
// unknown kind, and for "-" beside --json (both would write to standard output).
std::optional<ReportKind> ReportOption(const std::string& path, bool json);

// A page with inline styles and no outside resources: the member, a table of the cases, then
// one section per case with its summary tables and the checker's report.
std::string HtmlReport(const MemberResult& result);
// The same as plain text.
std::string TextReport(const MemberResult& result);

// Writes the report to `path` (atomically) or to standard output for "-".
void WriteReport(const MemberResult& result, const std::string& path, ReportKind kind);

}  // namespace as4100
