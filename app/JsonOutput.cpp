#include "app/JsonOutput.h"

#include <cmath>

#include "app/JsonWriter.h"
#include "app/LtSegments.h"
#include "app/ResultWords.h"

namespace as4100 {

using nlohmann::ordered_json;

namespace {

void WriteNumber(JsonWriter& w, std::string_view key, double value) {
    w.NumberMember(key, value);
}

void WriteText(JsonWriter& w, std::string_view key, std::string_view text) {
    w.StringMember(key, text);
}

void WriteFlag(JsonWriter& w, std::string_view key, bool value) {
    w.BoolMember(key, value);
}

void WriteUtil(JsonWriter& w, const EntryResult& entry) {
    w.BeginObject();
    for (const UtilKindWords& kind :
         entry.buckling ? BucklingUtilKinds(entry.principal) : LocalUtilKinds(entry.principal)) {
        w.NumberMember(kind.key, entry.util[static_cast<size_t>(kind.kind)]);
    }
    w.EndObject();
}

void WriteEntry(JsonWriter& w, const EntryResult& entry) {
    w.BeginObject();
    w.IntegerMember("index", entry.index);
    WriteText(w, "kind", entry.buckling ? "buckling" : "local");
    if (!entry.buckling) {
        w.IntegerMember("subspan", entry.subSpan);
    }
    if (entry.piece > 0) {
        w.IntegerMember("piece", entry.piece);
    }
    w.PlainKey("util");
    WriteUtil(w, entry);
    w.EndObject();
}

// The point indices and positions a span or segment runs between.
template <typename Span>
void WriteEnds(JsonWriter& w, const Span& s) {
    w.UnsignedMember("from", s.from);
    w.UnsignedMember("to", s.to);
    WriteNumber(w, "x_from", s.xFrom);
    WriteNumber(w, "x_to", s.xTo);
}

void WriteSpans(JsonWriter& w, std::string_view key, const std::vector<SpanLength>& spans) {
    w.PlainKey(key);
    w.BeginArray();
    for (const SpanLength& s : spans) {
        w.BeginObject();
        WriteEnds(w, s);
        WriteNumber(w, "le", s.le);
        WriteNumber(w, "r", s.r);
        w.EndObject();
    }
    w.EndArray();
}

// A lateral-torsional segment: its ends and restraint types, critical flange, the factors
// and le = kt·kl·kr·L it was checked with (no radius of gyration: none enters cl. 5.6).
void WriteSegment(JsonWriter& w, const LtSegment& s) {
    w.BeginObject();
    WriteEnds(w, s);
    WriteNumber(w, "length", s.length);
    w.PlainKey("end_types");
    w.BeginArray();
    w.String(RestraintTypeWord(s.endLeft));
    w.String(RestraintTypeWord(s.endRight));
    w.EndArray();
    w.IntegerMember("critical_flange", s.criticalFlange);
    WriteFlag(w, "cantilever", s.cantilever);
    WriteNumber(w, "moment", s.moment);
    WriteNumber(w, "kt", s.kt);
    WriteNumber(w, "kl", s.kl);
    WriteNumber(w, "kr", s.kr);
    WriteNumber(w, "le", s.le);
    WriteNumber(w, "alpha_m", s.alphaM);
    WriteFlag(w, "checked", s.status == LtSegment::Status::Checked);
    if (s.overridden) {
        WriteFlag(w, "le_overridden", true);
    }
    if (!s.why.empty()) {
        WriteText(w, "not_required", s.why);
    }
    w.EndObject();
}

void WriteStrings(JsonWriter& w, std::string_view key, const std::vector<std::string>& texts) {
    w.PlainKey(key);
    w.BeginArray();
    for (const std::string& text : texts) w.String(text);
    w.EndArray();
}

void WriteCase(JsonWriter& w, const CaseResult& c) {
    w.BeginObject();
    WriteText(w, "name", c.name);
    WriteFlag(w, "ran", c.ran);
    WriteFlag(w, "pass", c.pass);
    WriteNumber(w, "governing", c.governing);
    WriteText(w, "governs", c.governs);
    w.UnsignedMember("flags", c.flags);
    WriteStrings(w, "flag_words", FlagWords(c.flags));
    w.PlainKey("entries");
    w.BeginArray();
    for (const EntryResult& entry : c.entries) WriteEntry(w, entry);
    w.EndArray();
    w.PlainKey("effective_lengths");
    w.BeginObject();
    WriteSpans(w, "major", c.lengths.major);
    WriteSpans(w, "minor", c.lengths.minor);
    w.PlainKey("lateral_torsional");
    w.BeginArray();
    for (const LtSegment& s : c.ltSegments) WriteSegment(w, s);
    w.EndArray();
    w.EndObject();
    if (c.standard) {
        w.PlainKey("standard");
        w.BeginObject();
        WriteNumber(w, "governing", c.standard->governing);
        WriteText(w, "governed_by", c.standard->governedBy);
        w.EndObject();
    }
    w.EndObject();
}

}  // namespace

ordered_json NumberJson(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    return value;
}

void WriteResultMembers(JsonWriter& w, const MemberResult& result) {
    // Room for a usual member at once (1.3 to 3 kB a line in the bundled batch), not by doubling.
    w.Reserve(1024 * (1 + result.cases.size()));
    WriteText(w, "title", result.title);
    WriteText(w, "section", result.section);
    WriteText(w, "grade", result.grade);
    WriteText(w, "rules", RuleSetName(result.rules));
    WriteStrings(w, "warnings", result.warnings);
    w.PlainKey("added_points");
    w.BeginArray();
    for (const AddedStation& s : result.stations) {
        w.BeginObject();
        WriteNumber(w, "x", s.x);
        w.IntegerMember("subspan", s.subSpan + 1);
        WriteText(w, "why", s.extremum ? "moment extremum" : "regular station");
        w.EndObject();
    }
    w.EndArray();
    w.PlainKey("cases");
    w.BeginArray();
    for (const CaseResult& c : result.cases) WriteCase(w, c);
    w.EndArray();
}

std::string ResultJsonText(const MemberResult& result, int indent) {
    std::string text;
    JsonWriter w(text, JsonWriter::Indent{indent});
    w.BeginObject();
    WriteResultMembers(w, result);
    w.EndObject();
    return text;
}

ordered_json ResultJson(const MemberResult& result) {
    std::string text;
    JsonWriter w(text);
    w.BeginObject();
    WriteResultMembers(w, result);
    w.EndObject();
    // The written text read back: one definition of the document, and the same values (the
    // shortest digits of a double read back give that double).
    return ordered_json::parse(text);
}

}  // namespace as4100
