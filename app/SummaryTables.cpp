#include "app/SummaryTables.h"

#include <cmath>
#include <cstdio>

#include "app/LtSegments.h"
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

std::string NoDim(double v) {
    return std::isnan(v) ? "-" : Arbor::ToUtf8(HumanFormat().NoDim(v));
}

std::string Points(std::uint64_t from, std::uint64_t to) {
    return std::to_string(from) + "-" + std::to_string(to);
}

std::string SegmentNote(const LtSegment& s) {
    switch (s.status) {
        case LtSegment::Status::NotRequired:
            return "not required: " + s.why;
        case LtSegment::Status::NotReached:
            return "not reached by the check";
        case LtSegment::Status::Checked:
            break;
    }
    std::string note = s.cantilever ? "cantilever" : "";
    if (s.overridden) note += std::string(note.empty() ? "" : ", ") + "le = kl x override";
    return note;
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
            std::string name = std::to_string(entry.subSpan);
            if (entry.piece > 0) name += static_cast<char>('a' + (entry.piece - 1) % 26);
            table.rows.push_back(UtilRow(std::move(name), entry, LocalUtilKinds()));
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
    const auto& f = HumanFormat();
    for (size_t i = 0; i < c.ltSegments.size(); ++i) {
        // A reverse-curved segment has an entry per end moment: one row, the longer le.
        const LtSegment& s = c.ltSegments[i];
        const LtSegment* next = i + 1 < c.ltSegments.size() ? &c.ltSegments[i + 1] : nullptr;
        if (next && next->from == s.from && next->to == s.to && !(next->le < s.le)) continue;
        if (i > 0 && c.ltSegments[i - 1].from == s.from && c.ltSegments[i - 1].le > s.le) continue;
        table.rows.push_back({"lateral-torsional", Points(s.from, s.to),
                              Arbor::ToUtf8(f.Length(s.xFrom)), Arbor::ToUtf8(f.Length(s.xTo)),
                              Arbor::ToUtf8(f.Length(s.le)), "-"});
    }
    return table;
}

Table LtSegmentsTable(const CaseResult& c) {
    Table table{{"points", "from", "to", "ends", "critical flange", "M", "kt", "kl", "kr", "L",
                 "le", "alpha_m", "note"},
                {}};
    const auto& f = HumanFormat();
    for (const LtSegment& s : c.ltSegments) {
        table.rows.push_back(
            {Points(s.from, s.to), Arbor::ToUtf8(f.Length(s.xFrom)), Arbor::ToUtf8(f.Length(s.xTo)),
             std::string(RestraintTypeWord(s.endLeft)) + "-" + RestraintTypeWord(s.endRight),
             s.criticalFlange == 1 ? "1 (bottom)" : "2 (top)", Arbor::ToUtf8(f.Moment(s.moment)),
             NoDim(s.kt), NoDim(s.kl), NoDim(s.kr), Arbor::ToUtf8(f.Length(s.length)),
             Arbor::ToUtf8(f.Length(s.le)), NoDim(s.alphaM), SegmentNote(s)});
    }
    return table;
}

std::vector<std::string> StationLines(const MemberResult& result) {
    std::vector<std::string> lines;
    for (const AddedStation& s : result.stations) {
        lines.push_back(
            "x = " + Arbor::ToUtf8(HumanFormat().Length(s.x)) + " in sub-span " +
            std::to_string(s.subSpan + 1) +
            (s.extremum ? " (a moment extremum: the shear changes sign)" : " (a regular station)"));
    }
    return lines;
}

}  // namespace as4100
