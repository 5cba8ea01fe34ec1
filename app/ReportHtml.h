// The report as a standalone HTML page for screen and print: title block, member sketch,
// action diagrams, governing checks and (in full) the checker's derivations.
#pragma once

#include <string>

#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {

enum class ReportDetail { Summary, Full };
enum class Paper { A4, Letter };

struct ReportOptions {
    ReportDetail detail = ReportDetail::Full;
    Paper paper = Paper::A4;
};

std::string HtmlReport(const MemberInput& member, const MemberResult& result,
                       const ReportOptions& options);

// The sentences of the report's warning lines ("Warning: ..."), each once.
std::vector<std::string> ReportWarnings(const CaseResult& c);

}  // namespace as4100
