#include "app/ReportFile.h"

#include <cstdio>
#include <iostream>

#include "app/AtomicFile.h"
#include "app/InputError.h"
#include "app/ReportRender.h"
#include "app/SummaryTables.h"
#include "app/TextSummary.h"
#include "app/TextTable.h"
#include "app/Version.h"

namespace as4100 {

namespace {

const char* const kStyle = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 2em auto; max-width: 64em;
       color: #1a1a1a; line-height: 1.35; }
h1 { font-size: 1.5em; margin-bottom: 0.2em; }
h2 { font-size: 1.25em; border-bottom: 2px solid #999; margin-top: 2em; }
h3 { font-size: 1.05em; margin: 1em 0 0.3em; }
table { border-collapse: collapse; margin: 0.3em 0 0.8em; }
th, td { border: 1px solid #bbb; padding: 0.15em 0.6em; text-align: right; }
th { background: #eee; }
td:first-child, th:first-child { text-align: left; }
.pass { color: #176d1f; font-weight: bold; }
.fail { color: #c00000; font-weight: bold; }
.source { color: #555; }
.markup { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 0.9em; }
.markup .line, .markup h4, .markup h5 { white-space: pre-wrap; tab-size: 4; -moz-tab-size: 4; }
.markup h4 { font-size: 1.15em; margin: 0.9em 0 0.2em; }
.markup h5 { font-size: 1.0em; margin: 0.7em 0 0.2em; }
.ind { margin-left: 2em; }
.red { color: #c00000; }
.orange { color: #d47500; }
.blue { color: #1f4fbf; }
)";

std::string Cell(const std::string& tag, const std::string& text, const std::string& cls = {}) {
    const std::string attr = cls.empty() ? "" : " class=\"" + cls + "\"";
    return "<" + tag + attr + ">" + HtmlEscape(text) + "</" + tag + ">";
}

std::string HtmlTable(const Table& table, int verdictColumn = -1) {
    std::string html = "<table>\n<tr>";
    for (const std::string& h : table.header) html += Cell("th", h);
    html += "</tr>\n";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (size_t c = 0; c < row.size(); ++c) {
            const bool verdict = static_cast<int>(c) == verdictColumn;
            html += Cell("td", row[c], verdict ? (row[c] == "PASS" ? "pass" : "fail") : "");
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string HtmlTableBlock(const char* title, const Table& table) {
    const std::string heading = Cell("h3", title);
    return table.rows.empty() ? heading + "<p>none</p>\n" : heading + HtmlTable(table);
}

std::string HtmlCase(const CaseResult& c) {
    std::string html = "<section>\n" + Cell("h2", "Case " + c.name) + "<p>" +
                       Cell("span", Verdict(c), c.pass ? "pass" : "fail") + " governing " +
                       HtmlEscape(UtilText(c.governing) + " (" + c.governs + ")") + "</p>\n";
    html += HtmlTableBlock("Section checks", LocalTable(c));
    html += HtmlTableBlock("Member buckling", BucklingTable(c));
    html += "<p>Flags: " + HtmlEscape(FlagsText(c)) + "</p>\n";
    html += HtmlTableBlock("Effective lengths", LengthsTable(c));
    if (!c.report.empty()) {
        html += Cell("h3", "Report") + "<div class=\"markup\">\n" +
                MarkupToHtml(SplitMarkup(c.report)) + "</div>\n";
    }
    return html + "</section>\n";
}

}  // namespace

std::optional<ReportKind> ReportKindOf(const std::string& path) {
    auto endsWith = [&path](const std::string& tail) {
        return path.size() > tail.size() &&
               path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".html") || endsWith(".htm")) return ReportKind::Html;
    if (path == "-" || endsWith(".txt")) return ReportKind::Text;
    return std::nullopt;
}

std::optional<ReportKind> ReportOption(const std::string& path, bool json) {
    if (path.empty()) return std::nullopt;
    const auto kind = ReportKindOf(path);
    if (!kind) {
        throw InputError("--report: unknown report type \"" + path +
                         "\"; expected a .html or .txt file, or - for standard output");
    }
    if (path == "-" && json) {
        throw InputError("--report: \"-\" and --json would both write to standard output");
    }
    return kind;
}

std::string HtmlReport(const MemberResult& result) {
    const std::string heading = MemberHeading(result);
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n" +
                       Cell("title", heading) + "\n<style>" + kStyle +
                       "</style>\n</head>\n<body>\n";
    html += Cell("h1", heading) + "\n";
    html += "<p class=\"source\">" + HtmlEscape(result.source) + " &middot; as4100 " +
            ProgramVersion() + " &middot; AS 4100-1998</p>\n";
    html += HtmlTable(CasesTable(result), 1);
    for (const CaseResult& c : result.cases) html += HtmlCase(c);
    return html + "</body>\n</html>\n";
}

std::string TextReport(const MemberResult& result) {
    std::string text = MemberHeading(result) + "\n";
    text += "  from " + result.source + " (as4100 " + ProgramVersion() + ", AS 4100-1998)\n\n";
    text += RenderTextTable(CasesTable(result), "  ") + "\n";
    for (const CaseResult& c : result.cases) {
        const std::string title = "Case " + c.name;
        text += std::string(DisplayWidth(title), '#') + "\n" + title + "\n" +
                std::string(DisplayWidth(title), '#') + "\n" + CaseSummaryText(c);
        if (!c.report.empty()) text += "\n" + MarkupToText(SplitMarkup(c.report));
        text += "\n";
    }
    return text;
}

void WriteReport(const MemberResult& result, const std::string& path, ReportKind kind) {
    const std::string content = kind == ReportKind::Html ? HtmlReport(result) : TextReport(result);
    if (path == "-") {
        std::cout << content << std::flush;
    } else {
        WriteFileAtomically(path, content);
    }
}

}  // namespace as4100
