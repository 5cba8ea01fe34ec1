#include "app/TextSummary.h"

#include "app/StandardWatch.h"
#include "app/SummaryTables.h"
#include "app/TextTable.h"

namespace as4100 {

namespace {

std::string TableBlock(const char* title, const Table& table) {
    if (table.rows.empty()) return "  " + std::string(title) + ": none\n";
    return "  " + std::string(title) + ":\n" + RenderTextTable(table, "    ");
}

}  // namespace

std::string NotesText(const MemberResult& result) {
    std::string text;
    const auto stations = StationLines(result);
    if (!stations.empty()) text += "  Member points added before the check:\n";
    for (const std::string& line : stations) text += "    " + line + "\n";
    for (const std::string& w : result.warnings) text += "  Warning: " + w + "\n";
    return text;
}

std::string CaseSummaryText(const CaseResult& c) {
    std::string text = "Case " + c.name + ": " + Verdict(c) + ", governing " +
                       UtilText(c.governing) + " (" + c.governs + ")\n";
    text += WatchWarningLine(c);
    if (!c.ran) text += "  the check did not run to its end\n";
    text += TableBlock("Section checks", LocalTable(c));
    text += TableBlock("Member buckling", BucklingTable(c));
    text += "  Flags: " + FlagsText(c) + "\n";
    text += TableBlock("Effective lengths", LengthsTable(c));
    text += TableBlock("Lateral-torsional segments", LtSegmentsTable(c));
    return text;
}

std::string MemberSummaryText(const MemberResult& result) {
    std::string text = MemberHeading(result) + "\n";
    if (!result.source.empty()) text += "  from " + result.source + "\n";
    text += "  " + RulesLine(result) + "\n";
    text += NotesText(result);
    text += "\n" + RenderTextTable(CasesTable(result), "  ") + "\n";
    for (const CaseResult& c : result.cases) text += CaseSummaryText(c) + "\n";
    return text;
}

}  // namespace as4100
