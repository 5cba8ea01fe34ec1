#include "app/ReportFile.h"

#include <cstdio>
#include <iostream>

#include "app/AtomicFile.h"
#include "app/InputError.h"
#include "app/ReportFold.h"
#include "app/ReportPdf.h"
#include "app/ReportRender.h"
#include "app/StandardWatch.h"
#include "app/SummaryTables.h"
#include "app/TextSummary.h"
#include "app/TextTable.h"
#include "app/Version.h"

namespace as4100 {

std::optional<ReportKind> ReportKindOf(const std::string& path) {
    auto endsWith = [&path](const std::string& tail) {
        return path.size() > tail.size() &&
               path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".html") || endsWith(".htm")) return ReportKind::Html;
    if (path == "-" || endsWith(".txt")) return ReportKind::Text;
    if (endsWith(".pdf")) return ReportKind::Pdf;
    return std::nullopt;
}

std::optional<ReportRequest> ReportOption(const std::string& path, bool json) {
    if (path.empty()) return std::nullopt;
    const auto kind = ReportKindOf(path);
    if (!kind) {
        throw InputError("--report: unknown report type \"" + path +
                         "\"; expected a .html, .pdf or .txt file, or - for standard output");
    }
    if (path == "-" && json) {
        throw InputError("--report: \"-\" and --json would both write to standard output");
    }
    ReportRequest request{*kind, {}};
    if (kind == ReportKind::Pdf) {
        const auto found = FindChromium();
        if (!found) throw InputError("--report " + path + ": " + NoChromiumMessage());
        request.chromium = *found;
    }
    return request;
}

std::string TextReport(const MemberInput& member, const MemberResult& result,
                       const ReportOptions& options) {
    std::string text;
    for (const auto& [label, value] : member.project.Fields()) {
        if (!value->empty()) text += std::string(label) + ": " + *value + "\n";
    }
    text += MemberHeading(result) + "\n";
    if (!member.comment.empty()) text += "  " + member.comment + "\n";
    text += "  from " + result.source + " (as4100 " + ProgramVersion() + ", AS 4100-1998)\n";
    text += "  " + RulesLine(result) + "\n";
    text += NotesText(result) + "\n";
    text += RenderTextTable(CasesTable(result), "  ") + "\n";
    for (const CaseResult& c : result.cases) {
        const std::string title = "Case " + c.name;
        text += std::string(DisplayWidth(title), '#') + "\n" + title + "\n" +
                std::string(DisplayWidth(title), '#') + "\n" + CaseSummaryText(c);
        const bool full = options.detail == ReportDetail::Full;
        if (full && !c.report.empty()) {
            text += "\n" + MarkupToText(FoldRepeatedBlocks(SplitMarkup(c.report)));
        }
        text += "\n";
    }
    return text;
}

void WriteReport(const MemberInput& member, const MemberResult& result, const std::string& path,
                 ReportKind kind, const ReportOptions& options, const std::string& chromium) {
    if (kind == ReportKind::Pdf)
        return PrintPdf(chromium, HtmlReport(member, result, options), path);
    const std::string content = kind == ReportKind::Text ? TextReport(member, result, options)
                                                         : HtmlReport(member, result, options);
    if (path == "-") {
        std::cout << content << std::flush;
    } else {
        WriteFileAtomically(path, content);
    }
}

}  // namespace as4100
