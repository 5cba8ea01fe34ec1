#include "app/MemberFile.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "app/InputFile.h"
#include "app/JsonField.h"
#include "app/LoadHeight.h"
#include "app/RestraintNames.h"
#include "app/SectionInput.h"
#include "app/Units.h"
#include "app/Warnings.h"

namespace as4100 {

namespace {

using Arbor::Data::CRestraint;
using Arbor::Steel::CMemberPoint;
using Arbor::Steel::CSubSpan;
using Arbor::Steel::Vec3;

UnitSystem ReadUnits(const std::optional<JsonField>& field, FileFacts& facts) {
    facts.unitsGiven = field.has_value();
    if (!field) return {};
    field->RequireObject({"length", "force"});
    double metres = 1.0;
    double newtons = 1.0;
    if (const auto length = field->Optional("length")) {
        if (!UnitSystem::LengthFactor(length->String(), metres)) {
            length->Refuse("unknown length unit", "expected \"m\" or \"mm\"");
        }
    }
    if (const auto force = field->Optional("force")) {
        if (!UnitSystem::ForceFactor(force->String(), newtons)) {
            force->Refuse("unknown force unit", "expected \"N\" or \"kN\"");
        }
    }
    facts.metres = metres == 1.0;
    facts.newtons = newtons == 1.0;
    return UnitSystem(metres, newtons);
}

// A restraint record: the raw word and the named bits together, and the load height (whether
// the record gave one in `heightGiven`).
CRestraint ReadRestraint(const JsonField& field, const UnitSystem& units, bool& heightGiven) {
    field.RequireObject({"bits", "names", "load_height"});
    unsigned bits = 0;
    if (const auto raw = field.Optional("bits")) bits = raw->Bits();
    if (const auto names = field.Optional("names")) {
        const std::size_t count = names->ArraySize();
        for (std::size_t i = 0; i < count; ++i) {
            const JsonField name = names->Element(i);
            const auto named = RestraintBitsOf(name.Text());
            if (!named) name.Refuse("unknown restraint name", "see docs/member-file.md");
            bits |= *named;
        }
    }
    double height = 0.0;
    const auto h = field.Optional("load_height");
    if (h) height = units.Length(h->Number());
    heightGiven = h.has_value();
    return CRestraint(static_cast<int>(bits), CRestraint::ShearCentre, height);
}

CRestraint OptionalRestraint(const JsonField& owner, const UnitSystem& units, bool& heightGiven) {
    heightGiven = false;
    const auto field = owner.Optional("restraint");
    return field ? ReadRestraint(*field, units, heightGiven) : CRestraint();
}

Arbor::Steel::MemberPointVec ReadPoints(const JsonField& field, const UnitSystem& units,
                                        std::vector<bool>& heightGiven) {
    const std::size_t count = field.ArraySize();
    if (count < 2) field.Refuse("a member needs at least two points");
    Arbor::Steel::MemberPointVec points;
    points.reserve(count);
    heightGiven.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const JsonField point = field.Element(i);
        point.RequireObject({"x", "restraint"});
        const JsonField xField = point.Member("x");
        const double x = units.Length(xField.Number());
        if (i > 0 && x <= points.back().Position()) {
            xField.Refuse("points must be in increasing order of x");
        }
        bool height = false;
        points.emplace_back(x, OptionalRestraint(point, units, height));
        heightGiven.push_back(height);
    }
    return points;
}

std::vector<CRestraint> ReadSegments(const std::optional<JsonField>& field, std::size_t count,
                                     const UnitSystem& units, std::vector<bool>& heightGiven) {
    std::vector<CRestraint> segments(count);
    heightGiven.assign(count, false);
    if (!field) return segments;
    if (field->ArraySize() != count) {
        field->Refuse("needs one entry per sub-span (" + std::to_string(count) + ")");
    }
    for (std::size_t i = 0; i < count; ++i) {
        const JsonField segment = field->Element(i);
        segment.RequireObject({"restraint"});
        bool height = false;
        segments[i] = OptionalRestraint(segment, units, height);
        heightGiven[i] = height;
    }
    return segments;
}

// [a, b, c] in the given unit; a missing vector is zero.
Vec3 ReadVector(const JsonField& subSpan, JsonKey key, double (UnitSystem::*convert)(double) const,
                const UnitSystem& units) {
    const auto field = subSpan.Optional(key);
    if (!field) return {};
    if (!field->IsArray() || field->Size() != 3) {
        field->Refuse("must be three numbers");
    }
    Vec3 out;
    for (int c = 0; c < 3; ++c) {
        out[c] = (units.*convert)(field->Element(static_cast<std::size_t>(c)).Number());
    }
    return out;
}

Arbor::Steel::SubSpanVec ReadSubSpans(const JsonField& field,
                                      const std::vector<CRestraint>& segments,
                                      const UnitSystem& units) {
    const std::size_t count = field.ArraySize();
    if (count != segments.size()) {
        field.Refuse("needs one sub-span per pair of neighbouring points (" +
                     std::to_string(segments.size()) + "), found " + std::to_string(count));
    }
    Arbor::Steel::SubSpanVec subSpans;
    subSpans.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const JsonField s = field.Element(i);
        s.RequireObject({"forces_left", "forces_right", "moments_left", "moments_right"});
        subSpans.emplace_back(
            static_cast<int>(i), ReadVector(s, "forces_left", &UnitSystem::Force, units),
            ReadVector(s, "forces_right", &UnitSystem::Force, units),
            ReadVector(s, "moments_left", &UnitSystem::Moment, units),
            ReadVector(s, "moments_right", &UnitSystem::Moment, units), segments[i]);
    }
    return subSpans;
}

std::vector<LoadCase> ReadCases(const JsonField& root, const std::vector<CRestraint>& segments,
                                const UnitSystem& units) {
    const auto cases = root.Optional("cases");
    const auto topLevel = root.Optional("subspans");
    if (cases && topLevel) root.Member("subspans").Refuse("give either cases or subspans");
    if (topLevel) return {LoadCase{"1", ReadSubSpans(*topLevel, segments, units)}};
    if (!cases) root.Refuse("missing load cases: give \"cases\" or \"subspans\"");

    const std::size_t count = cases->ArraySize();
    if (count == 0) cases->Refuse("needs at least one load case");
    std::vector<LoadCase> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const JsonField c = cases->Element(i);
        c.RequireObject({"name", "subspans"});
        LoadCase loadCase;
        loadCase.name = c.Has("name") ? c.Member("name").String() : std::to_string(i + 1);
        loadCase.subSpans = ReadSubSpans(c.Member("subspans"), segments, units);
        out.push_back(std::move(loadCase));
    }
    return out;
}

// An override length: a length when >= 0, a multiple of the member length when negative.
double OverrideLength(const JsonField& field, const UnitSystem& units) {
    const double v = field.Number();
    return v >= 0.0 ? units.Length(v) : v;
}

// cl. 4.4.2.2: a moment amplification factor δ is at least 1.
double AmplificationFactor(const JsonField& field) {
    const double v = field.Number();
    if (v < 1.0) field.Refuse("must be at least 1 (cl. 4.4.2.2)");
    return v;
}

MemberOverrides ReadOverrides(const std::optional<JsonField>& field, const UnitSystem& units) {
    MemberOverrides out;
    if (!field) return out;
    field->RequireObject({"lengths", "alpha_m", "delta_major", "delta_minor"});
    if (const auto lengths = field->Optional("lengths")) {
        // Lyy, Lzz, Llt all three together; or by axis name, each usable alone.
        static constexpr JsonKey kAxisNames[3] = {"major", "minor", "lateral_torsional"};
        static constexpr JsonKey kHostNames[3] = {"Lyy", "Lzz", "Llt"};
        lengths->RequireObject({"Lyy", "Lzz", "Llt", "major", "minor", "lateral_torsional"});
        const bool hostNames = lengths->Has("Lyy") || lengths->Has("Lzz") || lengths->Has("Llt");
        std::array<double, 3> values{};
        for (int i = 0; i < 3; ++i) {
            if (hostNames && lengths->Has(kAxisNames[i])) {
                lengths->Member(kAxisNames[i])
                    .Refuse("give either Lyy, Lzz and Llt or major, minor, lateral_torsional");
            }
            const auto v = lengths->Optional(hostNames ? kHostNames[i] : kAxisNames[i]);
            if (hostNames && !v) lengths->Member(kHostNames[i]);  // refuses the missing one
            if (v) values[static_cast<size_t>(i)] = OverrideLength(*v, units);
            out.given[static_cast<size_t>(i)] = v.has_value();
        }
        if (!hostNames && !(out.given[0] || out.given[1] || out.given[2])) {
            lengths->Refuse("give at least one of major, minor, lateral_torsional");
        }
        out.lengths = values;
    }
    if (const auto v = field->Optional("alpha_m")) out.alphaM = v->Positive();
    if (const auto v = field->Optional("delta_major")) out.deltaMajor = AmplificationFactor(*v);
    if (const auto v = field->Optional("delta_minor")) out.deltaMinor = AmplificationFactor(*v);
    return out;
}

// true, false, or {"at_extrema": bool, "spacing": length}.
StationOptions ReadStations(const std::optional<JsonField>& field, const UnitSystem& units) {
    StationOptions out;
    if (!field) return out;
    if (field->IsBoolean()) {
        out.atExtrema = field->BooleanValue();
        return out;
    }
    field->RequireObject({"at_extrema", "spacing"});
    if (const auto extrema = field->Optional("at_extrema")) {
        if (!extrema->IsBoolean()) extrema->Refuse("must be true or false");
        out.atExtrema = extrema->BooleanValue();
    }
    if (const auto spacing = field->Optional("spacing")) {
        out.spacing = units.Length(spacing->NonNegative());
    }
    return out;
}

}  // namespace

MemberInput ParseMember(const JsonDocument& document, const std::string& source) {
    const JsonField root(document, source);
    root.RequireObject({"id", "title", "units", "section", "grade", "points", "segments", "cases",
                        "subspans", "overrides", "section_options", "project", "stations", "rules",
                        "group"});
    MemberInput member;
    const UnitSystem units = ReadUnits(root.Optional("units"), member.facts);

    member.source = source;
    if (const auto title = root.Optional("title")) member.title = title->String();
    if (const auto project = root.Optional("project")) member.project = ReadProject(*project);
    if (root.Has("comment") && root.Member("comment").IsString()) {
        member.comment = root.Member("comment").String();
    }
    member.section = ReadSection(root.Member("section"), units, member.sectionName);
    if (const auto options = root.Optional("section_options")) {
        ReadSectionOptions(*options, member.section);
    }
    member.grade = ReadGrade(root.Member("grade"), units, member.gradeName);
    member.points = ReadPoints(root.Member("points"), units, member.facts.pointLoadHeight);
    const auto segments = ReadSegments(root.Optional("segments"), member.points.size() - 1, units,
                                       member.facts.segmentLoadHeight);
    member.cases = ReadCases(root, segments, units);
    member.overrides = ReadOverrides(root.Optional("overrides"), units);
    if (const auto rules = root.Optional("rules")) {
        member.rules = RuleSetOf(rules->String());
        if (!member.rules)
            rules->Refuse("unknown rule set", "expected \"checker\" or \"standard\"");
    }
    // The heights as read (SI) against the bound first: the field paths only for a refusal.
    const double mostHeight = MostLoadHeight(member.section);
    const auto beyond = [&](const CRestraint& r) { return std::fabs(r.LoadHeight()) > mostHeight; };
    if (std::any_of(member.points.begin(), member.points.end(),
                    [&](const CMemberPoint& p) { return beyond(p.GetRestraint()); }) ||
        std::any_of(segments.begin(), segments.end(), beyond)) {
        RefuseImplausibleLoadHeights(root, member.section, units);
    }
    member.stationOptions = ReadStations(root.Optional("stations"), units);

    member.warnings = InputWarnings(member);  // of the file's own points and sub-spans
    std::vector<Arbor::Steel::SubSpanVec*> caseSubSpans;
    for (LoadCase& c : member.cases) caseSubSpans.push_back(&c.subSpans);
    member.stations = AddStations(member.points, caseSubSpans, member.stationOptions);
    return member;
}

MemberInput ParseMember(const nlohmann::json& document, const std::string& source) {
    return ParseMember(JsonDocument::FromJson(document), source);
}

MemberInput ParseMemberText(const std::string& text, const std::string& source) {
    return ParseMember(ParseJsonDocument(text, source), source);
}

MemberInput LoadMemberFile(const std::string& path) {
    return ParseMemberText(ReadInputFile(path, kMaxMemberFileBytes), path);
}

}  // namespace as4100
