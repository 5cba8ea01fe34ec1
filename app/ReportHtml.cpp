#include "app/ReportHtml.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/ReportFold.h"
#include "app/ReportRender.h"
#include "app/ReportSvg.h"
#include "app/ResultWords.h"
#include "app/SectionCommand.h"
#include "app/StandardWatch.h"
#include "app/SummaryTables.h"
#include "app/TextSummary.h"
#include "app/TextTable.h"
#include "app/Version.h"

namespace as4100 {

namespace {

using Arbor::Steel::UtilKind;

const char* const kStyle = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1.5em auto; max-width: 64em;
       color: #1a1a1a; line-height: 1.3; }
h1 { font-size: 1.4em; margin: 0.4em 0 0.1em; }
h2 { font-size: 1.2em; border-bottom: 2px solid #999; margin-top: 1.4em; }
h3 { font-size: 1.05em; margin: 0.8em 0 0.3em; }
h1, h2, h3, h4, h5 { break-after: avoid; page-break-after: avoid; }
table { border-collapse: collapse; margin: 0.3em 0 0.6em; }
tr, .line, figure { break-inside: avoid; page-break-inside: avoid; }
th, td { border: 1px solid #bbb; padding: 0.1em 0.5em; text-align: right;
         font-variant-numeric: tabular-nums; white-space: nowrap; }
td.text { white-space: normal; }
th { background: #eee; }
td:first-child, th:first-child, td.text { text-align: left; }
.titleblock { width: 100%; table-layout: fixed; margin: 0; }
.titleblock th { text-align: left; font-weight: normal; color: #555; font-size: 0.8em; }
.titleblock td { text-align: left; height: 1.3em; }
.pass { color: #176d1f; font-weight: bold; }
.fail { color: #c00000; font-weight: bold; background: #fde4e4; }
.source, .comment, .note { color: #555; }
.comment { font-style: italic; margin: 0.2em 0; }
.watch { color: #d47500; font-weight: bold; }
.member-page p { margin: 0.3em 0; }
.member-page table { font-size: 0.92em; }
figure { margin: 0.3em 0; }
figcaption { font-size: 0.8em; color: #555; }
svg { width: 100%; height: auto; display: block; }
.grid { display: grid; grid-template-columns: 1fr 1fr; column-gap: 1.5em; row-gap: 0.2em; }
.grid figure { margin: 0; }
svg text { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 11px; fill: #1a1a1a; }
svg .note { font-size: 10px; fill: #444; }
svg .name { font-weight: bold; }
svg .extreme { font-size: 11px; font-weight: bold; }
svg .member { fill: #d8dde3; stroke: #333; stroke-width: 1; }
svg .tick, svg .axis { stroke: #333; stroke-width: 1; }
svg .dim { stroke: #555; stroke-width: 0.8; }
svg .support { fill: #fff; stroke: #000; stroke-width: 1.2; }
svg .fixed { fill: #777; stroke: #000; }
svg .lateral { fill: #fff; stroke: #1f4fbf; stroke-width: 1.2; }
svg .flange { stroke: #1f4fbf; stroke-width: 3; }
svg .twist { fill: #fff; stroke: #7a2fbf; stroke-width: 1.2; }
svg .twist.full { fill: #7a2fbf; }
svg .load { stroke: #c06000; fill: #c06000; stroke-width: 1; }
svg .area { fill: #cfe0f5; stroke: #1f4fbf; stroke-width: 1.2; }
svg .dot { fill: #1f4fbf; }
svg .governing { stroke: #c00000; stroke-width: 1.2; stroke-dasharray: 4 3; }
.markup { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 0.85em; }
.markup .line, .markup h4, .markup h5 { white-space: pre-wrap; tab-size: 4; -moz-tab-size: 4; }
.markup h4 { font-size: 1.15em; margin: 0.9em 0 0.2em; }
.markup h5 { font-size: 1.0em; margin: 0.7em 0 0.2em; }
.ind { margin-left: 2em; }
.red { color: #c00000; }
.orange { color: #d47500; }
.blue { color: #1f4fbf; }
@media print {
  body { margin: 0; max-width: none; font-size: 9pt; }
  .member-page { break-after: page; page-break-after: always; }
  .member-page:last-child { break-after: auto; page-break-after: auto; }
  .case-detail { break-before: page; page-break-before: always; }
  .screen-only { display: none; }
}
)";

std::string Esc(const std::string& text) {
    return HtmlEscape(text);
}

std::string Cell(const std::string& tag, const std::string& text, const std::string& cls = {}) {
    const std::string attr = cls.empty() ? "" : " class=\"" + cls + "\"";
    return "<" + tag + attr + ">" + Esc(text) + "</" + tag + ">";
}

// A utilisation cell's class: "fail" above 1 (or infinite), none otherwise.
std::string UtilClass(const std::string& text) {
    if (text == "inf") return "fail";
    try {
        return std::stod(text) > 1.0 ? "fail" : "";
    } catch (...) {
        return "";
    }
}

// `utilFrom`: the first column holding utilisations (-1: none); `verdict`: the PASS/FAIL
// column (-1: none). Columns of words are left-aligned.
std::string HtmlTable(const Table& table, int utilFrom, int verdict = -1,
                      const std::vector<int>& textColumns = {}) {
    std::string html = "<table>\n<tr>";
    for (const std::string& h : table.header) html += Cell("th", h);
    html += "</tr>\n";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (size_t c = 0; c < row.size(); ++c) {
            const int col = static_cast<int>(c);
            std::string cls;
            if (col == verdict) cls = row[c] == "PASS" ? "pass" : "fail";
            if (utilFrom >= 0 && col >= utilFrom) cls = UtilClass(row[c]);
            if (std::find(textColumns.begin(), textColumns.end(), col) != textColumns.end()) {
                cls += cls.empty() ? "text" : " text";
            }
            html += Cell("td", row[c], cls);
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string HtmlTableBlock(const char* title, const Table& table, int utilFrom) {
    const std::string heading = Cell("h3", title);
    return table.rows.empty() ? heading + "<p>none</p>\n" : heading + HtmlTable(table, utilFrom);
}

// Quoted CSS string: quotes and backslashes escaped, "<" as an escape so that no text ends
// the style element.
std::string CssString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '<') {
            out += "\\3c ";
        } else if (c == '\n' || c == '\r') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The page box: paper, margins for binding (wider at the left), the title block along the
// head of every printed page and "page n of m" at its foot (where the browser supports page
// margin boxes; the body's title block shows on the first page in any case).
std::string PageStyle(const MemberInput& member, const MemberResult& result, Paper paper) {
    std::vector<std::string> head;
    for (const auto& [label, value] : member.project.Fields()) {
        if (!value->empty()) head.push_back(std::string(label) + ": " + *value);
    }
    std::string left = head.empty() ? MemberHeading(result) : JoinWords(head);
    const std::string size = paper == Paper::A4 ? "A4" : "letter";
    return "@page { size: " + size +
           " portrait; margin: 16mm 14mm 16mm 25mm;\n"
           "  @top-left { content: " +
           CssString(left) +
           "; font-size: 7.5pt; color: #444; font-family: \"DejaVu Sans\", Arial, sans-serif; "
           "width: 100%; }\n"
           "  @bottom-left { content: " +
           CssString(MemberHeading(result)) +
           "; font-size: 7.5pt; color: #444; font-family: \"DejaVu Sans\", Arial, sans-serif; }\n"
           "  @bottom-right { content: \"page \" counter(page) \" of \" counter(pages); "
           "font-size: 7.5pt; color: #444; font-family: \"DejaVu Sans\", Arial, sans-serif; }\n"
           "}\n";
}

std::string TitleBlockHtml(const MemberInput& member, const MemberResult& result) {
    std::string head = "<tr>", values = "<tr>";
    for (const auto& [label, value] : member.project.Fields()) {
        head += Cell("th", label);
        values += Cell("td", *value);
    }
    std::string html = "<header>\n<table class=\"titleblock\">\n" + head + "</tr>\n" + values +
                       "</tr>\n</table>\n" + Cell("h1", MemberHeading(result)) + "\n";
    if (!member.comment.empty()) html += Cell("p", member.comment, "comment") + "\n";
    html += "<p class=\"source\">" + Esc(result.source) + " &middot; as4100 " + ProgramVersion() +
            " &middot; AS 4100-1998 &middot; " + Esc(RulesLine(result)) + "</p>\n</header>\n";
    if (const std::string notes = NotesText(result); !notes.empty()) {
        html += "<pre>" + Esc(notes) + "</pre>\n";
    }
    return html;
}

const LoadCase* InputCase(const MemberInput& member, size_t index) {
    return index < member.cases.size() ? &member.cases[index] : nullptr;
}

// The diagrams of a case, two to a row, then the actions that are zero all along.
std::string CaseDiagrams(const MemberInput& member, const LoadCase& loadCase, const CaseResult& c) {
    const double gx = GoverningPosition(member, loadCase, c);
    std::string grid, zero;
    for (Action a : {Action::MomentMajor, Action::ShearMajor, Action::Axial, Action::MomentMinor,
                     Action::ShearMinor}) {
        const std::string svg = ActionDiagramSvg(member, loadCase, a, gx);
        if (svg.empty()) {
            zero += (zero.empty() ? "" : ", ") + std::string(ActionName(a));
        } else {
            grid += "<figure>" + svg + "</figure>\n";
        }
    }
    std::string html = "<div class=\"grid\">\n" + grid + "</div>\n";
    if (!zero.empty()) html += "<p class=\"note\">Zero along the member: " + Esc(zero) + ".</p>\n";
    return html;
}

// The largest utilisation of one kind over the case's entries, and where.
struct Governing {
    double util = 0;
    std::string where;
};

Governing MaxOf(const CaseResult& c, UtilKind kind, bool buckling) {
    Governing g;
    for (const EntryResult& e : c.entries) {
        const double u = e.util[static_cast<size_t>(kind)];
        if (e.buckling == buckling && u > g.util) {
            g = {u, buckling ? "member" : "sub-span " + std::to_string(e.subSpan)};
        }
    }
    return g;
}

// The section capacity that bounds a section check of this kind ("" for none).
std::string CapacityText(const std::optional<SectionCapacities>& s, UtilKind kind, bool tension) {
    if (!s) return "";
    const auto& f = HumanFormat();
    switch (kind) {
        case UtilKind::LocalAxial:
            return tension ? "φNt " + Arbor::ToUtf8(f.Force(s->phiNt))
                           : "φNs " + Arbor::ToUtf8(f.Force(s->phiNs));
        case UtilKind::LocalMomMajor:  // an angle: about u-u
            if (s->principal) return "φMsu " + Arbor::ToUtf8(f.Moment(s->principal->phiMsu));
            return "φMsx " + Arbor::ToUtf8(f.Moment(s->phiMsx));
        case UtilKind::LocalMomMinor:
            if (s->principal) return "φMsv " + Arbor::ToUtf8(f.Moment(s->principal->phiMsv));
            return "φMsy " + Arbor::ToUtf8(f.Moment(s->phiMsy));
        case UtilKind::LocalShearMajor:
            return "φVvy " + Arbor::ToUtf8(f.Force(s->phiVvy));
        case UtilKind::LocalShearMinor:
            return "φVvx " + Arbor::ToUtf8(f.Force(s->phiVvx));
        default:
            return "";
    }
}

bool InTension(const MemberInput& member) {
    for (const LoadCase& lc : member.cases) {
        for (const ActionSample& s : SampleAction(member, lc, Action::Axial)) {
            if (s.value < 0) return false;
        }
    }
    return true;
}

// One row per check that any case uses: its capacity, each case's governing utilisation and
// where, and the verdict over the cases.
std::string GoverningTable(const MemberInput& member, const MemberResult& result) {
    const auto capacities = MemberSectionCapacities(member.section, member.grade, result.rules);
    const bool tension = InTension(member);
    Table table{{"check", "section capacity"}, {}};
    for (const CaseResult& c : result.cases) table.header.push_back("case " + c.name);
    table.header.push_back("result");
    // Angles are checked about their principal axes.
    const bool principal = member.section.Shape() == Arbor::Data::SecShape::Angle;
    for (const bool buckling : {false, true}) {
        for (const UtilKindWords& k :
             buckling ? BucklingUtilKinds(principal) : LocalUtilKinds(principal)) {
            std::vector<std::string> row = {
                std::string(buckling ? "member " : "section ") + k.what,
                buckling ? "" : CapacityText(capacities, k.kind, tension)};
            double worst = 0;
            for (const CaseResult& c : result.cases) {
                const Governing g = MaxOf(c, k.kind, buckling);
                worst = std::max(worst, g.util);
                row.push_back(UtilText(g.util) +
                              (g.util > 0 && !buckling ? " (" + g.where + ")" : ""));
            }
            if (worst <= 0) continue;
            row.push_back(worst > 1.0 ? "FAIL" : "PASS");
            table.rows.push_back(std::move(row));
        }
    }
    if (table.rows.empty()) return "<p>No utilisation recorded.</p>\n";
    // Utilisation cells carry "(sub-span 2)": colour them by their leading number.
    std::string html = HtmlTable(table, 2, static_cast<int>(table.header.size()) - 1, {0});
    return html;
}

std::string WarningsAndFlags(const MemberResult& result) {
    std::string flags, warnings;
    for (const CaseResult& c : result.cases) {
        const std::string prefix = result.cases.size() > 1 ? c.name + ": " : "";
        flags += (flags.empty() ? "" : "; ") + prefix + FlagsText(c);
        for (const std::string& w : ReportWarnings(c)) {
            warnings += "<p class=\"orange\">" + Esc(prefix + w) + "</p>\n";
        }
        if (c.standard)
            warnings += "<p class=\"orange\">" + Esc(prefix + WatchWarning(c)) + "</p>\n";
    }
    return "<p>Flags: " + Esc(flags) + "</p>\n" + warnings;
}

// The one-page summary of a member.
std::string SummaryPage(const MemberInput& member, const MemberResult& result) {
    std::string html = "<section class=\"member-page\">\n" + TitleBlockHtml(member, result);
    html += "<figure>" +
            MemberSketchSvg(member,
                            result.cases.empty() ? EffectiveLengths{} : result.cases[0].lengths) +
            "</figure>\n";
    html += HtmlTable(CasesTable(result), 2, 1, {0, 3});
    for (size_t i = 0; i < result.cases.size(); ++i) {
        const CaseResult& c = result.cases[i];
        html += Cell("h3", "Case " + c.name);
        if (const LoadCase* lc = InputCase(member, i)) html += CaseDiagrams(member, *lc, c);
    }
    html +=
        "<p class=\"note\">Moments on the tension side (sagging below the line); dashed red "
        "line: where the governing check acts.</p>\n";
    html += "<h3>Governing checks</h3>\n" + GoverningTable(member, result);
    html += WarningsAndFlags(result);
    return html + "</section>\n";
}

std::string CaseDetail(const CaseResult& c) {
    std::string html = "<section class=\"case-detail\">\n" + Cell("h2", "Case " + c.name) + "<p>" +
                       Cell("span", Verdict(c), c.pass ? "pass" : "fail") + " governing " +
                       Esc(UtilText(c.governing) + " (" + c.governs + ")") + "</p>\n";
    if (c.standard) html += "<p class=\"watch\">" + Esc(WatchWarning(c)) + "</p>\n";
    html += HtmlTableBlock("Section checks", LocalTable(c), 1);
    html += HtmlTableBlock("Member buckling", BucklingTable(c), 1);
    html += "<p>Flags: " + Esc(FlagsText(c)) + "</p>\n";
    html += HtmlTableBlock("Effective lengths", LengthsTable(c), -1);
    html += HtmlTableBlock("Lateral-torsional segments", LtSegmentsTable(c), -1);
    if (!c.report.empty()) {
        html += Cell("h3", "Report") + "<div class=\"markup\">\n" +
                MarkupToHtml(FoldRepeatedBlocks(SplitMarkup(c.report))) + "</div>\n";
    }
    return html + "</section>\n";
}

}  // namespace

std::vector<std::string> ReportWarnings(const CaseResult& c) {
    std::vector<std::string> warnings;
    for (const MarkupLine& line : SplitMarkup(c.report)) {
        bool warning = false;
        std::wstring text;
        for (const MarkupToken& t : line.tokens) {
            if (t.kind == MarkupToken::Open && t.text == L"orange") warning = true;
            if (t.kind == MarkupToken::Text) text += t.text;
        }
        const auto first = text.find_first_not_of(L" \t");
        if (!warning || first == std::wstring::npos) continue;
        const std::string sentence = Arbor::ToUtf8(text.substr(first));
        if (std::find(warnings.begin(), warnings.end(), sentence) == warnings.end()) {
            warnings.push_back(sentence);
        }
    }
    return warnings;
}

std::string HtmlReport(const MemberInput& member, const MemberResult& result,
                       const ReportOptions& options) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n" +
                       Cell("title", MemberHeading(result)) + "\n<style>" + kStyle +
                       PageStyle(member, result, options.paper) + "</style>\n</head>\n<body>\n";
    html += SummaryPage(member, result);
    if (options.detail == ReportDetail::Full) {
        for (const CaseResult& c : result.cases) html += CaseDetail(c);
    }
    return html + "</body>\n</html>\n";
}

}  // namespace as4100
