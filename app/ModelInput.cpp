#include "app/ModelInput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <nlohmann/json.hpp>

#include "app/InputError.h"
#include "app/JsonField.h"
#include "app/RestraintNames.h"

namespace as4100 {

namespace {

// Positions closer than this fraction of the member length are the same position.
constexpr double kSamePosition = 1e-6;

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// A column of a table: where it is, its heading as written and the factor to SI of its unit.
struct Column {
    std::size_t index = 0;
    std::string heading;
    double factor = 1.0;
};

enum class UnitKind { None, Length, Force, Moment };

std::optional<double> LengthFactor(const std::string& word) {
    if (word == "m") return 1.0;
    if (word == "mm") return 1e-3;
    return std::nullopt;
}

std::optional<double> ForceFactor(const std::string& word) {
    if (word == "n") return 1.0;
    if (word == "kn") return 1e3;
    return std::nullopt;
}

// "kNm", "kN.m", "kN·m", "N.mm", "Nmm", ... (any case).
std::optional<double> MomentFactor(std::string word) {
    for (const std::string sep : {".", "\xC2\xB7", "*", " ", "-"}) {
        for (auto at = word.find(sep); at != std::string::npos; at = word.find(sep)) {
            word.erase(at, sep.size());
        }
    }
    const std::size_t forceEnd = word.rfind('n', word.size() > 1 ? word.size() - 2 : 0);
    if (forceEnd == std::string::npos) return std::nullopt;
    const auto force = ForceFactor(word.substr(0, forceEnd + 1));
    const auto length = LengthFactor(word.substr(forceEnd + 1));
    if (!force || !length) return std::nullopt;
    return *force * *length;
}

const char* UnitHint(UnitKind kind) {
    switch (kind) {
        case UnitKind::Length:
            return "m or mm";
        case UnitKind::Force:
            return "N or kN";
        case UnitKind::Moment:
            return "kNm, kN.m, Nm, N.mm or kN.mm";
        case UnitKind::None:
            break;
    }
    return "";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Finds a column by name (any case) and reads its unit. Empty when an optional column is
// missing; a required one missing, or a unit missing or unknown, refuses the table.
std::optional<Column> FindColumn(const CsvTable& table, const std::string& name, UnitKind kind,
                                 bool required) {
    std::optional<Column> found;
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        const ColumnHeading heading = SplitHeading(table.header[i]);
        if (LowerCase(heading.name) != LowerCase(name)) continue;
        const std::string where = table.source + " row 1: column " + Quoted(table.header[i]);
        if (found) throw InputError(where + ": column " + name + " given twice");
        found = Column{i, table.header[i], 1.0};
        if (kind == UnitKind::None) continue;
        if (!heading.unit) {
            throw InputError(where + ": no unit, got " + Quoted(table.header[i]) +
                             "; write it in brackets, e.g. \"" + name + " [" +
                             (kind == UnitKind::Moment  ? "kNm"
                              : kind == UnitKind::Force ? "kN"
                                                        : "m") +
                             "]\"");
        }
        const std::string unit = LowerCase(*heading.unit);
        const auto factor = kind == UnitKind::Length  ? LengthFactor(unit)
                            : kind == UnitKind::Force ? ForceFactor(unit)
                                                      : MomentFactor(unit);
        if (!factor) {
            throw InputError(where + ": unknown unit, got " + Quoted(*heading.unit) +
                             "; expected " + UnitHint(kind));
        }
        found->factor = *factor;
    }
    if (!found && required) {
        throw InputError(table.source + " row 1: missing column " + Quoted(name) +
                         (kind == UnitKind::None
                              ? ""
                              : std::string(" (with its unit, ") + UnitHint(kind) + ")"));
    }
    return found;
}

// A refusal naming the file, the row, the column and the value.
[[noreturn]] void RefuseCell(const CsvTable& table, const CsvRow& row, const Column& column,
                             const std::string& problem) {
    const std::string value =
        column.index < row.cells.size() ? row.cells[column.index] : std::string();
    throw InputError(table.source + " row " + std::to_string(row.line) + ": column " +
                     Quoted(column.heading) + ": " + problem + ", got " + Quoted(value));
}

std::string Cell(const CsvRow& row, const Column& column) {
    return column.index < row.cells.size() ? row.cells[column.index] : std::string();
}

double ParseNumber(const std::string& text, bool& ok) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    ok = !text.empty() && end == text.c_str() + text.size() && std::isfinite(v);
    return v;
}

// The cell as a finite number in SI.
double NumberCell(const CsvTable& table, const CsvRow& row, const Column& column) {
    bool ok = false;
    const double v = ParseNumber(Cell(row, column), ok);
    if (!ok) RefuseCell(table, row, column, "not a number");
    return v * column.factor;
}

std::string TextCell(const CsvTable& table, const CsvRow& row, const Column& column) {
    std::string text = Cell(row, column);
    if (text.empty()) RefuseCell(table, row, column, "empty");
    return text;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// "0:F; 3:lateral flange1 flange2 twist; 6:F": positions in the length column's unit.
std::vector<RestraintAt> ParseRestraints(const CsvTable& table, const CsvRow& row,
                                         const Column& column, double lengthFactor, double length) {
    const std::string cell = Cell(row, column);
    if (cell.empty()) {
        const unsigned full = *RestraintBitsOf("F");
        return {{0.0, full}, {length, full}};
    }
    std::vector<RestraintAt> out;
    std::istringstream entries(cell);
    for (std::string entry; std::getline(entries, entry, ';');) {
        if (Trimmed(entry).empty()) continue;
        const auto colon = entry.find(':');
        if (colon == std::string::npos) {
            RefuseCell(table, row, column,
                       "each entry is position:names, as in 0:F; 3:lateral twist; 6:F");
        }
        bool ok = false;
        const double x = ParseNumber(Trimmed(entry.substr(0, colon)), ok) * lengthFactor;
        if (!ok)
            RefuseCell(table, row, column,
                       "position " + Quoted(Trimmed(entry.substr(0, colon))) + " is not a number");
        if (x < -kSamePosition * length || x > length * (1 + kSamePosition)) {
            RefuseCell(table, row, column, "position " + Number(x) + " m is outside the member");
        }
        unsigned bits = 0;
        for (const std::string& name : Words(entry.substr(colon + 1))) {
            const auto named = RestraintBitsOf(name);
            if (!named) {
                RefuseCell(table, row, column,
                           "unknown restraint name " + Quoted(name) + " (see docs/member-file.md)");
            }
            bits |= *named;
        }
        out.push_back({std::clamp(x, 0.0, length), bits});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const RestraintAt& a, const RestraintAt& b) { return a.x < b.x; });
    return out;
}

bool HasOne(const std::map<std::string, std::string>& refused, const std::string& member) {
    return refused.find(member) != refused.end();
}

}  // namespace

std::vector<MemberRow> ReadMembersTable(const CsvTable& table) {
    const Column member = *FindColumn(table, "member", UnitKind::None, true);
    const Column section = *FindColumn(table, "section", UnitKind::None, true);
    const Column grade = *FindColumn(table, "grade", UnitKind::None, true);
    const Column length = *FindColumn(table, "length", UnitKind::Length, true);
    const auto group = FindColumn(table, "group", UnitKind::None, false);
    const auto restraints = FindColumn(table, "restraints", UnitKind::None, false);
    const auto loadHeight = FindColumn(table, "load_height", UnitKind::Length, false);

    std::vector<MemberRow> rows;
    std::set<std::string> seen;
    for (const CsvRow& csv : table.rows) {
        MemberRow row;
        row.source = table.source + " row " + std::to_string(csv.line);
        row.name = Cell(csv, member);
        if (row.name.empty()) row.name = "(row " + std::to_string(csv.line) + ")";
        try {
            TextCell(table, csv, member);
            if (!seen.insert(row.name).second) RefuseCell(table, csv, member, "member given twice");
            row.section = TextCell(table, csv, section);
            row.grade = TextCell(table, csv, grade);
            row.length = NumberCell(table, csv, length);
            if (!(row.length > 0.0)) RefuseCell(table, csv, length, "must be greater than 0");
            if (group) row.group = Cell(csv, *group);
            if (loadHeight && !Cell(csv, *loadHeight).empty()) {
                row.loadHeight = NumberCell(table, csv, *loadHeight);
            }
            const Column none{table.header.size(), "restraints", 1.0};
            row.restraints = ParseRestraints(table, csv, restraints ? *restraints : none,
                                             length.factor, row.length);
        } catch (const InputError& e) {
            row.refusal = e.what();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

ForcesTable ReadForcesTable(const CsvTable& table, const std::vector<MemberRow>& members,
                            const std::set<std::string>& flip) {
    const Column member = *FindColumn(table, "member", UnitKind::None, true);
    const Column loadCase = *FindColumn(table, "case", UnitKind::None, true);
    const Column x = *FindColumn(table, "x", UnitKind::Length, true);
    const std::array<std::pair<const char*, UnitKind>, kActionCount> actionColumns{{
        {"N", UnitKind::Force},
        {"Vx", UnitKind::Force},
        {"Vy", UnitKind::Force},
        {"T", UnitKind::Moment},
        {"Mx", UnitKind::Moment},
        {"My", UnitKind::Moment},
    }};
    std::array<Column, kActionCount> actions;
    std::set<std::string> flipLeft;
    for (const std::string& name : flip) flipLeft.insert(LowerCase(name));
    for (std::size_t a = 0; a < kActionCount; ++a) {
        actions[a] = *FindColumn(table, actionColumns[a].first, actionColumns[a].second, true);
        if (flipLeft.erase(LowerCase(actionColumns[a].first))) actions[a].factor *= -1.0;
    }
    if (!flipLeft.empty()) {
        throw InputError("--flip: not a column of the forces table, got " +
                         Quoted(*flipLeft.begin()) + "; expected N, Vx, Vy, T, Mx or My");
    }

    std::set<std::string> known;
    for (const MemberRow& row : members) known.insert(row.name);
    ForcesTable out;
    out.source = table.source;
    out.xHeading = x.heading;
    for (const CsvRow& csv : table.rows) {
        const std::string name = Cell(csv, member);
        try {
            TextCell(table, csv, member);
            if (!known.count(name)) RefuseCell(table, csv, member, "not in the members table");
        } catch (const InputError& e) {
            out.problems.push_back(e.what());
            continue;
        }
        if (HasOne(out.refusals, name)) continue;
        try {
            const std::string caseName = TextCell(table, csv, loadCase);
            Station station;
            station.row = csv.line;
            station.x = NumberCell(table, csv, x);
            for (std::size_t a = 0; a < kActionCount; ++a) {
                station.actions[a] = NumberCell(table, csv, actions[a]);
            }
            if (std::find(out.caseNames.begin(), out.caseNames.end(), caseName) ==
                out.caseNames.end()) {
                out.caseNames.push_back(caseName);
            }
            out.stations[name][caseName].push_back(station);
        } catch (const InputError& e) {
            out.refusals[name] = e.what();
            out.stations.erase(name);
        }
    }
    return out;
}

std::vector<Combination> ParseCombinations(const std::string& text, const std::string& source,
                                           const std::vector<std::string>& caseNames) {
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        throw InputError(source + ": not valid JSON: " + e.what());
    }
    const JsonDocument read = JsonDocument::FromJson(document);
    const JsonField root(read, source);
    root.RequireObject({"combinations"});
    const JsonField list = root.Member("combinations");
    const std::size_t count = list.ArraySize();
    if (count == 0) list.Refuse("needs at least one combination");
    std::vector<Combination> out;
    std::set<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        const JsonField entry = list.Element(i);
        entry.RequireObject({"name", "factors"});
        Combination combination;
        const JsonField name = entry.Member("name");
        combination.name = name.String();
        if (!names.insert(combination.name).second) name.Refuse("combination named twice");
        const JsonField factors = entry.Member("factors");
        if (!factors.IsObject()) factors.Refuse("must be an object of case: factor");
        for (const std::string& caseName : factors.Keys()) {
            const JsonField factor = factors.Member(JsonKey(caseName.c_str()));
            if (std::find(caseNames.begin(), caseNames.end(), caseName) == caseNames.end()) {
                factor.Refuse("not a load case of the forces table (" + caseName + ")");
            }
            combination.factors.emplace_back(caseName, factor.Number());
        }
        if (combination.factors.empty()) factors.Refuse("needs at least one load case");
        out.push_back(std::move(combination));
    }
    return out;
}

std::vector<Combination> ReadCombinationsFile(const std::string& path,
                                              const std::vector<std::string>& caseNames) {
    return ParseCombinations(ReadTextFile(path), path, caseNames);
}

namespace {

using CaseStations = std::map<std::string, std::vector<Station>>;

// Sorts each case's stations and checks them against the member: inside it, covering it, at
// most two at a position. Snaps positions at the ends onto them.
void PrepareStations(CaseStations& cases, const MemberRow& row, const ForcesTable& forces) {
    const std::string& source = forces.source;
    const double tolerance = kSamePosition * row.length;
    for (auto& [caseName, stations] : cases) {
        SortStations(stations);
        const std::string where = source + ", member " + row.name + ", case " + caseName;
        for (Station& s : stations) {
            if (s.x < -tolerance || s.x > row.length + tolerance) {
                throw InputError(source + " row " + std::to_string(s.row) + ": column " +
                                 Quoted(forces.xHeading) + ": outside the member (0 to " +
                                 Number(row.length) + " m), got " + Number(s.x) + " m");
            }
            s.x = std::abs(s.x) <= tolerance                ? 0.0
                  : std::abs(s.x - row.length) <= tolerance ? row.length
                                                            : s.x;
        }
        if (stations.front().x != 0.0 || stations.back().x != row.length) {
            throw InputError(where + ": the stations run from " + Number(stations.front().x) +
                             " to " + Number(stations.back().x) +
                             " m; they must cover the member from 0 to " + Number(row.length) +
                             " m");
        }
        for (std::size_t i = 2; i < stations.size(); ++i) {
            if (stations[i].x - stations[i - 2].x <= tolerance) {
                throw InputError(source + " row " + std::to_string(stations[i].row) + ": column " +
                                 Quoted(forces.xHeading) +
                                 ": more than two stations at one position, got " +
                                 Number(stations[i].x) + " m");
            }
        }
    }
}

// Member points: every station of every case and every restraint position, merged.
std::vector<double> PointPositions(const CaseStations& cases, const MemberRow& row) {
    std::vector<double> xs{0.0, row.length};
    for (const auto& [caseName, stations] : cases) {
        for (const Station& s : stations) xs.push_back(s.x);
    }
    for (const RestraintAt& r : row.restraints) xs.push_back(r.x);
    std::sort(xs.begin(), xs.end());
    std::vector<double> points;
    for (double x : xs) {
        if (points.empty() || x - points.back() > kSamePosition * row.length) points.push_back(x);
    }
    points.back() = row.length;
    return points;
}

using CaseActions = std::vector<SubSpanActions>;

nlohmann::json Vector(double a, double b, double c) {
    return nlohmann::json::array({a, b, c});
}

// One load case of the member file: [N, V major, V minor] and [T, M major, M minor].
nlohmann::json CaseJson(const std::string& name, const CaseActions& subSpans) {
    nlohmann::json list = nlohmann::json::array();
    for (const SubSpanActions& s : subSpans) {
        list.push_back({{"forces_left", Vector(s.left[kN], s.left[kVy], s.left[kVx])},
                        {"forces_right", Vector(s.right[kN], s.right[kVy], s.right[kVx])},
                        {"moments_left", Vector(s.left[kT], s.left[kMx], s.left[kMy])},
                        {"moments_right", Vector(s.right[kT], s.right[kMx], s.right[kMy])}});
    }
    return {{"name", name}, {"subspans", std::move(list)}};
}

CaseActions Superpose(const Combination& combination,
                      const std::map<std::string, CaseActions>& primary) {
    CaseActions out(primary.begin()->second.size());
    for (const auto& [caseName, factor] : combination.factors) {
        const CaseActions& actions = primary.at(caseName);
        for (std::size_t k = 0; k < out.size(); ++k) {
            for (std::size_t a = 0; a < kActionCount; ++a) {
                out[k].left[a] += factor * actions[k].left[a];
                out[k].right[a] += factor * actions[k].right[a];
            }
        }
    }
    return out;
}

// The member-file document of the member in SI, with the checked cases.
nlohmann::json MemberDocument(const MemberRow& row, const std::vector<double>& points,
                              nlohmann::json cases) {
    nlohmann::json document = {{"title", row.name}, {"section", row.section}, {"grade", row.grade}};
    nlohmann::json pointList = nlohmann::json::array();
    for (double x : points) {
        unsigned bits = 0;
        for (const RestraintAt& r : row.restraints) {
            if (std::abs(r.x - x) <= kSamePosition * row.length) bits |= r.bits;
        }
        nlohmann::json point = {{"x", x}};
        if (bits != 0) point["restraint"] = {{"bits", bits}};
        pointList.push_back(std::move(point));
    }
    document["points"] = std::move(pointList);
    if (row.loadHeight != 0.0) {
        document["segments"] = nlohmann::json::array();
        for (std::size_t k = 0; k + 1 < points.size(); ++k) {
            document["segments"].push_back({{"restraint", {{"load_height", row.loadHeight}}}});
        }
    }
    document["cases"] = std::move(cases);
    return document;
}

}  // namespace

ModelMember BuildModelMember(const MemberRow& row, const ForcesTable& forces,
                             const std::vector<Combination>& combinations) {
    ModelMember out;
    out.row = row;
    try {
        if (!row.refusal.empty()) throw InputError(row.refusal);
        if (const auto bad = forces.refusals.find(row.name); bad != forces.refusals.end()) {
            throw InputError(bad->second);
        }
        const auto found = forces.stations.find(row.name);
        if (found == forces.stations.end()) {
            throw InputError(forces.source + ": no forces for member " + row.name);
        }
        CaseStations cases = found->second;
        PrepareStations(cases, row, forces);
        const std::vector<double> points = PointPositions(cases, row);

        std::map<std::string, CaseActions> primary;
        for (const auto& [caseName, stations] : cases) {
            primary[caseName] = ActionsAtPoints(stations, points, kSamePosition * row.length);
        }
        nlohmann::json checked = nlohmann::json::array();
        if (combinations.empty()) {
            for (const std::string& caseName : forces.caseNames) {
                if (primary.count(caseName)) {
                    checked.push_back(CaseJson(caseName, primary[caseName]));
                } else {
                    out.notes.push_back(forces.source + ": member " + row.name +
                                        ": no forces for case " + caseName);
                }
            }
        }
        for (const Combination& combination : combinations) {
            const auto missing =
                std::find_if(combination.factors.begin(), combination.factors.end(),
                             [&](const auto& factor) { return primary.count(factor.first) == 0; });
            if (missing != combination.factors.end()) {
                out.notes.push_back(forces.source + ": member " + row.name + ": combination " +
                                    combination.name + " left out: no forces for case " +
                                    missing->first);
                continue;
            }
            checked.push_back(CaseJson(combination.name, Superpose(combination, primary)));
        }
        if (checked.empty()) {
            throw InputError(forces.source + ": member " + row.name + ": no case to check");
        }
        out.input = ParseMember(MemberDocument(row, points, std::move(checked)), row.source);
    } catch (const InputError& e) {
        out.refusal = e.what();
        out.input.reset();
    }
    return out;
}

}  // namespace as4100
