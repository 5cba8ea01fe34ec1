#include "app/SizeCommand.h"

#include "app/Rules.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "app/InputError.h"
#include "app/JsonField.h"
#include "app/JsonOutput.h"
#include "app/ReportFile.h"
#include "app/Sizing.h"
#include "app/SummaryTables.h"
#include "app/TextTable.h"

namespace as4100 {

namespace {

using Arbor::Data::CatalogueEntry;
using nlohmann::ordered_json;

constexpr std::size_t kLighterShown = 6;  // rows of the table of lighter sections that fail

struct SizedMember {
    MemberInput input;
    std::string group;     // empty: sized on its own
    std::size_t line = 0;  // line of a JSON Lines file; 0 for a member file
};

struct Sizing {
    std::vector<SizedMember> members;
    std::vector<GroupSizing> groups;
    CandidateList candidates;
    double seconds = 0.0;
    bool lines = false;  // read from a JSON Lines file
};

bool IsJsonLines(const std::string& path) {
    return path.size() > 6 && path.compare(path.size() - 6, 6, ".jsonl") == 0;
}

// One line of a JSON Lines file: the member and its group key.
SizedMember ReadLine(const std::string& text, std::size_t line, const std::string& source) {
    const std::string where = source + " line " + std::to_string(line);
    // The loader's own parser: nesting bounded, duplicate keys refused, errors worded alike.
    const JsonDocument document = ParseJsonDocument(text, where);
    SizedMember member{ParseMember(document, where), {}, line};
    const JsonField root(document, where);
    if (root.Has("group")) member.group = root.Member("group").String();
    return member;
}

std::vector<SizedMember> ReadMembers(const std::string& path) {
    if (!IsJsonLines(path)) return {SizedMember{LoadMemberFile(path), {}, 0}};
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path + ": cannot read the file");
    std::vector<SizedMember> members;
    std::size_t line = 0;
    for (std::string text; std::getline(in, text);) {
        ++line;
        if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
        members.push_back(ReadLine(text, line, path));
    }
    if (members.empty()) throw InputError(path + ": no members in the file");
    return members;
}

std::string MemberLabel(const SizedMember& m) {
    if (!m.input.title.empty()) return m.input.title;
    return m.line ? "line " + std::to_string(m.line) : m.input.source;
}

// The governing check in words; in a group, led by the member that governs.
std::string GovernsText(const Sizing& s, const GroupSizing& g, const SectionTrial& t) {
    if (g.members.size() < 2) return t.governs;
    return MemberLabel(s.members[g.members[t.member]]) + ", " + t.governs;
}

Sizing Run(const SizeCommandOptions& options) {
    const SizingPlan plan = PlanSizing(options.sizing);
    Sizing s;
    s.lines = IsJsonLines(options.file);
    s.members = ReadMembers(options.file);
    std::vector<std::string> keys;
    for (SizedMember& m : s.members) {
        if (const auto rules = RuleSetOf(options.rules)) m.input.rules = rules;
        ApplyGrade(m.input, plan);
        keys.push_back(m.group);
    }
    s.groups = GroupsOf(keys);

    const auto start = std::chrono::steady_clock::now();
    MemberChecker checker;
    s.candidates = Candidates(plan.families, plan.limits, checker, s.members.front().input);
    for (GroupSizing& g : s.groups) {
        std::vector<MemberInput> inputs;
        for (std::size_t i : g.members) inputs.push_back(s.members[i].input);
        g.result = SizeGroup(inputs, s.candidates, plan, checker);
    }
    s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return s;
}

// ---- text -------------------------------------------------------------------------------

std::string Mass(double kgPerMetre) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", kgPerMetre);
    return text;
}

std::string TrialLine(const Sizing& s, const GroupSizing& g, const SectionTrial& t) {
    return t.entry->designation + " (" + Mass(t.entry->massPerMetre) + " kg/m), governing " +
           UtilText(t.governing) + " (" + GovernsText(s, g, t) + ")";
}

// `finite` adds the largest finite utilisation, which ranks sections that tie at infinity.
Table TrialTable(const Sizing& s, const GroupSizing& g,
                 const std::vector<const SectionTrial*>& rows, bool finite = false) {
    Table table{{"section", "kg/m", "governing", "governed by"}, {}};
    if (finite) table.header.insert(table.header.begin() + 3, "largest finite");
    for (const SectionTrial* t : rows) {
        std::vector<std::string> row = {t->entry->designation, Mass(t->entry->massPerMetre),
                                        UtilText(t->governing), GovernsText(s, g, *t)};
        if (finite) row.insert(row.begin() + 3, UtilText(t->largestFinite));
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string TableBlock(const std::string& title, const Table& table) {
    return table.rows.empty() ? "" : "  " + title + ":\n" + RenderTextTable(table, "    ");
}

// The chosen section, the lighter sections that fail nearest to it and the next heavier
// ones that pass; or the best candidate and the lowest utilisations when none passes.
std::string GroupDetail(const Sizing& s, const GroupSizing& g) {
    const SizingResult& r = g.result;
    std::vector<const SectionTrial*> lighter, heavier;
    if (!r.chosen) {
        const auto best = r.Best();
        if (!best) return "No section of the families could be tried\n";
        std::vector<const SectionTrial*> lowest;
        for (const SectionTrial& t : r.tried) lowest.push_back(&t);
        std::stable_sort(
            lowest.begin(), lowest.end(),
            [](const SectionTrial* a, const SectionTrial* b) { return LowerUtilisation(*a, *b); });
        lowest.resize(std::min(lowest.size(), kLighterShown));
        return "No section passes: best candidate " + TrialLine(s, g, r.tried[*best]) + "\n\n" +
               TableBlock("Lowest utilisations of the " + std::to_string(r.tried.size()) +
                              " sections tried",
                          TrialTable(s, g, lowest, true));
    }
    for (std::size_t i = 0; i < r.tried.size(); ++i) {
        if (i < *r.chosen) lighter.push_back(&r.tried[i]);
        if (i > *r.chosen && r.tried[i].pass) heavier.push_back(&r.tried[i]);
    }
    const std::size_t hidden = lighter.size() > kLighterShown ? lighter.size() - kLighterShown : 0;
    lighter.erase(lighter.begin(), lighter.begin() + static_cast<std::ptrdiff_t>(hidden));
    std::string title = "Lighter sections that fail";
    if (hidden)
        title += " (the " + std::to_string(kLighterShown) + " heaviest of " +
                 std::to_string(lighter.size() + hidden) + ")";
    return "Chosen: " + TrialLine(s, g, r.tried[*r.chosen]) + "\n\n" +
           TableBlock(title, TrialTable(s, g, lighter)) +
           TableBlock("Next heavier sections that pass", TrialTable(s, g, heavier));
}

// The families and grades tried: "UB, UC, SHS in 300PLUS (SHS in C350L0)".
std::string Scope(const SizeCommandOptions& options, const Sizing& s) {
    std::string text = JoinWords(options.sizing.families);
    if (!options.sizing.grade.empty() || !s.lines) {
        const std::string& grade = s.members.front().input.gradeName;
        std::vector<std::string> others;  // "SHS in C350L0"
        for (const SectionTrial& t : s.groups.front().result.tried) {
            const std::string other = t.entry->family + " in " + t.grade;
            if (t.grade != grade && std::find(others.begin(), others.end(), other) == others.end())
                others.push_back(other);
        }
        text += " in " + grade + (others.empty() ? "" : " (" + JoinWords(others) + ")");
    }
    return text + ", utilisation at most " + UtilText(options.sizing.maxUtil);
}

std::string Omissions(const Sizing& s) {
    std::string text;
    if (!s.candidates.skippedFamilies.empty()) {
        text += "  Skipped families: " + JoinWords(s.candidates.skippedFamilies) +
                " (section shape not handled by the checker)\n";
    }
    if (s.candidates.outsideLimits) {
        text += "  Left out: " + std::to_string(s.candidates.outsideLimits) +
                " sections deeper or wider than the limits\n";
    }
    return text;
}

// One row per group (or member on its own): the section, and the member and check that
// govern it; the best candidate, marked, when none passes.
Table ScheduleTable(const Sizing& s) {
    Table table{{"group", "members", "section", "kg/m", "governing", "governing member", "check"},
                {}};
    for (const GroupSizing& g : s.groups) {
        const SizedMember& first = s.members[g.members.front()];
        std::vector<std::string> row = {g.name.empty() ? MemberLabel(first) : g.name,
                                        std::to_string(g.members.size())};
        const SizingResult& r = g.result;
        if (const auto shown = r.chosen ? r.chosen : r.Best()) {
            const SectionTrial& t = r.tried[*shown];
            row.insert(row.end(), {(r.chosen ? "" : "none; best ") + t.entry->designation,
                                   Mass(t.entry->massPerMetre), UtilText(t.governing),
                                   MemberLabel(s.members[g.members[t.member]]), t.governs});
        } else {
            row.insert(row.end(), {"none", "", "", "", ""});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string SizingText(const SizeCommandOptions& options, const Sizing& s) {
    std::string text;
    std::size_t tried = 0;
    for (const GroupSizing& g : s.groups) tried += g.result.tried.size();
    if (s.lines) {
        text = "Sizing " + std::to_string(s.members.size()) + " members in " +
               std::to_string(s.groups.size()) + " groups: " + Scope(options, s) + "\n  from " +
               options.file + "\n\n" + RenderTextTable(ScheduleTable(s), "  ") + "\n";
    } else {
        const MemberInput& m = s.members.front().input;
        text = "Sizing " + (m.title.empty() ? std::string("member") : m.title) + ": " +
               Scope(options, s) + "\n  from " + m.source + "\n\n" + GroupDetail(s, s.groups[0]);
    }
    char timing[96];
    std::snprintf(timing, sizeof timing, "  %zu section checks in %.1f ms\n", tried,
                  s.seconds * 1e3);
    return text + Omissions(s) + timing;
}

// ---- JSON -------------------------------------------------------------------------------

ordered_json TrialJson(const Sizing& s, const GroupSizing& g, const SectionTrial& t) {
    ordered_json out;
    out["section"] = t.entry->designation;
    out["family"] = t.entry->family;
    out["grade"] = t.grade;
    out["mass_per_metre"] = t.entry->massPerMetre;
    out["pass"] = t.pass;
    out["governing"] = NumberJson(t.governing);
    out["largest_finite"] = t.largestFinite;
    out["governs"] = GovernsText(s, g, t);
    return out;
}

ordered_json GroupJson(const Sizing& s, const GroupSizing& g) {
    const SizingResult& r = g.result;
    ordered_json out;
    const SectionTrial* chosen = r.chosen ? &r.tried[*r.chosen] : nullptr;
    out["chosen"] = chosen ? ordered_json(chosen->entry->designation) : ordered_json(nullptr);
    out["mass_per_metre"] = chosen ? ordered_json(chosen->entry->massPerMetre) : nullptr;
    out["governing"] = chosen ? NumberJson(chosen->governing) : nullptr;
    out["governs"] = chosen ? ordered_json(GovernsText(s, g, *chosen)) : nullptr;
    const auto best = r.Best();
    out["best_candidate"] =
        !chosen && best ? ordered_json(r.tried[*best].entry->designation) : nullptr;
    ordered_json tried = ordered_json::array();
    for (const SectionTrial& t : r.tried) tried.push_back(TrialJson(s, g, t));
    out["tried"] = tried;
    return out;
}

ordered_json SizingJson(const SizeCommandOptions& options, const Sizing& s) {
    ordered_json out;
    out["source"] = options.file;
    out["families"] = options.sizing.families;
    out["skipped_families"] = s.candidates.skippedFamilies;
    out["max_util"] = options.sizing.maxUtil;
    out["outside_limits"] = s.candidates.outsideLimits;
    out["seconds"] = s.seconds;
    if (!s.lines) {
        const MemberInput& m = s.members.front().input;
        out["title"] = m.title;
        out["grade"] = m.gradeName;
        out.update(GroupJson(s, s.groups[0]));
        return out;
    }
    ordered_json groups = ordered_json::array();
    for (const GroupSizing& g : s.groups) {
        ordered_json members = ordered_json::array();
        for (std::size_t i : g.members) {
            members.push_back({{"line", s.members[i].line},
                               {"title", s.members[i].input.title},
                               {"grade", s.members[i].input.gradeName}});
        }
        ordered_json group = {
            {"group", g.name.empty() ? ordered_json(nullptr) : ordered_json(g.name)},
            {"members", members}};
        group.update(GroupJson(s, g));
        if (const auto shown = g.result.chosen ? g.result.chosen : g.result.Best()) {
            group["governing_line"] = s.members[g.members[g.result.tried[*shown].member]].line;
        }
        groups.push_back(group);
    }
    out["groups"] = groups;
    return out;
}

}  // namespace

CLI::Option* AddSizingOptions(CLI::App& cmd, SizingOptions& options) {
    auto* family =
        cmd.add_option("--family", options.families, "Families to try, e.g. UB,UC")->delimiter(',');
    cmd.add_option("--grade", options.grade, "Steel grade (default: each member's own)");
    cmd.add_option("--max-depth", options.maxDepth, "Deepest section, mm (or 0.4m)");
    cmd.add_option("--max-width", options.maxWidth, "Widest section, mm (or 0.2m)");
    cmd.add_option("--max-util", options.maxUtil, "Highest utilisation accepted (default 1)");
    return family;
}

void CheckSizingRequest(bool size, const SizingOptions& options) {
    if (size && options.families.empty()) {
        throw InputError("--size: needs --family, the families to try (e.g. --family UB,UC)");
    }
    const std::pair<bool, const char*> given[] = {{!options.families.empty(), "--family"},
                                                  {!options.grade.empty(), "--grade"},
                                                  {!options.maxDepth.empty(), "--max-depth"},
                                                  {!options.maxWidth.empty(), "--max-width"},
                                                  {options.maxUtil != 1.0, "--max-util"}};
    for (const auto& [set, name] : given) {
        if (set && !size) throw InputError(std::string(name) + ": only with --size");
    }
}

CLI::App* AddSizeCommand(CLI::App& app, SizeCommandOptions& options) {
    auto* cmd = app.add_subcommand("size", "The lightest catalogue section that passes");
    cmd->add_option("FILE", options.file, "Member file, or members.jsonl with group keys")
        ->required();
    AddSizingOptions(*cmd, options.sizing)->required();
    cmd->add_flag("--json", options.json, "Print the sizing as one JSON document (SI)");
    cmd->add_option("--rules", options.rules, "Rule set: checker (default) or standard")
        ->check(CLI::IsMember({"checker", "standard"}));
    cmd->add_option("--report", options.report,
                    "The chosen section's full report: OUT.html, OUT.txt or -");
    return cmd;
}

int RunSizeCommand(const SizeCommandOptions& options) {
    const std::optional<ReportRequest> report = ReportOption(options.report, options.json);
    if (report && IsJsonLines(options.file)) {
        throw InputError("--report: a report is written for a single member file, not for " +
                         options.file);
    }
    const Sizing s = Run(options);

    if (options.json) {
        std::cout
            << SizingJson(options, s).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
            << "\n";
    } else if (options.report != "-") {
        std::cout << SizingText(options, s);
    }
    bool allFound = true;
    for (const GroupSizing& g : s.groups) allFound = allFound && g.result.chosen.has_value();

    if (report) {
        const SizingResult& r = s.groups[0].result;
        if (!r.chosen) {
            std::cerr << "as4100 size: no report written: no section passes\n";
        } else {
            MemberChecker checker;
            const MemberInput member = WithSection(s.members[0].input, *r.tried[*r.chosen].entry,
                                                   !options.sizing.grade.empty());
            WriteReport(member, checker.Run(member, {false, true, {}}), options.report,
                        report->kind, ReportOptions{}, report->chromium);
        }
    }
    return allFound ? 0 : 1;
}

}  // namespace as4100
