#include "app/JsonOutput.h"

#include <cmath>

#include "app/LtSegments.h"
#include "app/ResultWords.h"

namespace as4100 {

namespace {

using nlohmann::ordered_json;

ordered_json UtilJson(const EntryResult& entry) {
    ordered_json util = ordered_json::object();
    for (const UtilKindWords& kind : entry.buckling ? BucklingUtilKinds() : LocalUtilKinds()) {
        util[kind.key] = NumberJson(entry.util[static_cast<size_t>(kind.kind)]);
    }
    return util;
}

ordered_json EntryJson(const EntryResult& entry) {
    ordered_json out;
    out["index"] = entry.index;
    out["kind"] = entry.buckling ? "buckling" : "local";
    if (!entry.buckling) out["subspan"] = entry.subSpan;
    if (entry.piece > 0) out["piece"] = entry.piece;
    out["util"] = UtilJson(entry);
    return out;
}

ordered_json SpansJson(const std::vector<SpanLength>& spans) {
    ordered_json list = ordered_json::array();
    for (const SpanLength& s : spans) {
        list.push_back({{"from", s.from},
                        {"to", s.to},
                        {"x_from", NumberJson(s.xFrom)},
                        {"x_to", NumberJson(s.xTo)},
                        {"le", NumberJson(s.le)},
                        {"r", NumberJson(s.r)}});
    }
    return list;
}

// A lateral-torsional segment: its ends and restraint types, critical flange, the factors
// and le = kt·kl·kr·L it was checked with (no radius of gyration: none enters cl. 5.6).
ordered_json SegmentJson(const LtSegment& s) {
    ordered_json out = {
        {"from", s.from},
        {"to", s.to},
        {"x_from", NumberJson(s.xFrom)},
        {"x_to", NumberJson(s.xTo)},
        {"length", NumberJson(s.length)},
        {"end_types", {RestraintTypeWord(s.endLeft), RestraintTypeWord(s.endRight)}},
        {"critical_flange", s.criticalFlange},
        {"cantilever", s.cantilever},
        {"moment", NumberJson(s.moment)},
        {"kt", NumberJson(s.kt)},
        {"kl", NumberJson(s.kl)},
        {"kr", NumberJson(s.kr)},
        {"le", NumberJson(s.le)},
        {"alpha_m", NumberJson(s.alphaM)},
        {"checked", s.status == LtSegment::Status::Checked}};
    if (s.overridden) out["le_overridden"] = true;
    if (!s.why.empty()) out["not_required"] = s.why;
    return out;
}

ordered_json CaseJson(const CaseResult& c) {
    ordered_json out;
    out["name"] = c.name;
    out["ran"] = c.ran;
    out["pass"] = c.pass;
    out["governing"] = NumberJson(c.governing);
    out["governs"] = c.governs;
    out["flags"] = c.flags;
    out["flag_words"] = FlagWords(c.flags);
    ordered_json entries = ordered_json::array();
    for (const EntryResult& entry : c.entries) entries.push_back(EntryJson(entry));
    out["entries"] = entries;
    out["effective_lengths"] = {{"major", SpansJson(c.lengths.major)},
                                {"minor", SpansJson(c.lengths.minor)},
                                {"lateral_torsional", ordered_json::array()}};
    for (const LtSegment& s : c.ltSegments) {
        out["effective_lengths"]["lateral_torsional"].push_back(SegmentJson(s));
    }
    if (c.standard) {
        out["standard"] = {{"governing", NumberJson(c.standard->governing)},
                           {"governed_by", c.standard->governedBy}};
    }
    return out;
}

}  // namespace

ordered_json NumberJson(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    return value;
}

ordered_json ResultJson(const MemberResult& result) {
    ordered_json out;
    out["title"] = result.title;
    out["section"] = result.section;
    out["grade"] = result.grade;
    out["rules"] = RuleSetName(result.rules);
    out["warnings"] = result.warnings;
    ordered_json stations = ordered_json::array();
    for (const AddedStation& s : result.stations) {
        stations.push_back({{"x", NumberJson(s.x)},
                            {"subspan", s.subSpan + 1},
                            {"why", s.extremum ? "moment extremum" : "regular station"}});
    }
    out["added_points"] = stations;
    ordered_json cases = ordered_json::array();
    for (const CaseResult& c : result.cases) cases.push_back(CaseJson(c));
    out["cases"] = cases;
    return out;
}

}  // namespace as4100
