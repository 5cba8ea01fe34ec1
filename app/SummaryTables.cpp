#include "app/SummaryTables.h"

#include "app/ResultWords.h"
#include "host/DesFormat.h"

namespace as4100 {

namespace {

std::vector<std::string> UtilHeader(const char* first, const std::vector<UtilKindWords>& kinds) {
    std::vector<std::string> header = {first};
    for (const UtilKindWords& kind : kinds) header.emplace_back(kind.label);
    return header;
}

std::vector<std::string> UtilRow(std::string first, const EntryResult& entry,
                                 const std::vector<UtilKindWords>& kinds) {
    std::vector<std::string> row = {std::move(first)};
    for (const UtilKindWords& kind : kinds) {
        row.push_back(UtilText(entry.util[static_cast<size_t>(kind.kind)]));
    }
    return row;
}

void AddSpans(Table& table, const char* kind, const std::vector<SpanLength>& spans) {
    const auto& f = HumanFormat();
    for (const SpanLength& s : spans) {
        table.rows.push_back({kind, std::to_string(s.from) + "-" + std::to_string(s.to),
                              Arbor::ToUtf8(f.Length(s.xFrom)), Arbor::ToUtf8(f.Length(s.xTo)),
                              Arbor::ToUtf8(f.Length(s.le)), Arbor::ToUtf8(f.LengthSmall(s.r))});
    }
}

}  // namespace

const Arbor::Util::CDesFormat& HumanFormat() {
    static const Arbor::Util::CDesFormat format;
    return format;
}

std::string UtilText(double u) {
    return Arbor::ToUtf8(HumanFormat().Util(u));
}

std::string Verdict(const CaseResult& c) {
    return c.pass ? "PASS" : "FAIL";
}

std::string FlagsText(const CaseResult& c) {
    if (c.flags == 0) return "none";
    std::string text;
    for (const std::string& word : FlagWords(c.flags)) text += (text.empty() ? "" : ", ") + word;
    return text;
}

std::string MemberHeading(const MemberResult& result) {
    const std::string what = result.section + ", " + result.grade;
    return result.title.empty() ? what : result.title + ": " + what;
}

Table CasesTable(const MemberResult& result) {
    Table table{{"case", "result", "governing", "governed by"}, {}};
    for (const CaseResult& c : result.cases) {
        table.rows.push_back({c.name, Verdict(c), UtilText(c.governing), c.governs});
    }
    return table;
}

Table LocalTable(const CaseResult& c) {
    Table table{UtilHeader("sub-span", LocalUtilKinds()), {}};
    for (const EntryResult& entry : c.entries) {
        if (!entry.buckling) {
            table.rows.push_back(UtilRow(std::to_string(entry.subSpan), entry, LocalUtilKinds()));
        }
    }
    return table;
}

Table BucklingTable(const CaseResult& c) {
    Table table{UtilHeader("", BucklingUtilKinds()), {}};
    for (const EntryResult& entry : c.entries) {
        if (entry.buckling) table.rows.push_back(UtilRow("member", entry, BucklingUtilKinds()));
    }
    return table;
}

Table LengthsTable(const CaseResult& c) {
    Table table{{"buckling", "points", "from", "to", "le", "r"}, {}};
    AddSpans(table, "major", c.lengths.major);
    AddSpans(table, "minor", c.lengths.minor);
    AddSpans(table, "lateral-torsional", c.lengths.lateralTorsional);
    return table;
}

}  // namespace as4100
