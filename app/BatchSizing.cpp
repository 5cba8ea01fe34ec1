#include "app/BatchSizing.h"

#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/InputError.h"
#include "app/JsonField.h"
#include "app/JsonOutput.h"
#include "app/MemberFile.h"
#include "app/Rules.h"
#include "app/Sizing.h"
#include "app/TextTable.h"

namespace as4100 {

namespace {

using nlohmann::ordered_json;

// One input line: its text until it is sized, then its output line.
struct HeldLine {
    std::string text;
    std::string group;
    ordered_json head;  // {"line": 7, "id": ...}
    bool refused = false;
    bool failed = false;  // fails in the section shown (none passes for its group)
    std::size_t cases = 0;
};

std::string Dump(const ordered_json& document) {
    return document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The line read, its member checked for errors (and dropped: only the text is held).
HeldLine Hold(std::string text, bool tooLong, std::size_t number) {
    const std::string where = "line " + std::to_string(number);
    HeldLine held;
    held.head["line"] = number;
    try {
        if (tooLong) throw InputError(where + ": too long");
        if (text.find_first_not_of(" \t\r") == std::string::npos) {
            throw InputError(where + ": empty line");
        }
        const JsonDocument document = ParseJsonDocument(text, where);
        const JsonField root(document, where);
        if (const auto id = root.Optional("id")) {
            if (!id->IsString() && !id->IsNumber()) id->Refuse("must be a string or a number");
            held.head["id"] = id->ToJson();
        }
        ParseMember(document, where);
        if (root.Has("group")) held.group = root.Member("group").String();
        held.text = std::move(text);
    } catch (const std::exception& e) {
        held.refused = true;
        ordered_json error = held.head;
        error["error"] = e.what();
        held.text = Dump(error);
    }
    return held;
}

MemberInput MemberOf(const HeldLine& held, const BatchOptions& options) {
    const std::string where = "line " + held.head["line"].dump();
    MemberInput member = ParseMember(ParseJsonDocument(held.text, where), where);
    if (options.rules) member.rules = options.rules;
    return member;
}

// The member's output line: the group's section (or its best candidate), the member's own
// governing case in it, and the member that governs the group.
void PutSized(HeldLine& held, const MemberResult& result, const MemberInput& sized,
              const GroupSizing& g, const SectionTrial& shown, std::size_t governingLine,
              double maxUtil) {
    ordered_json out = held.head;
    out["title"] = sized.title;
    out["group"] = g.name.empty() ? ordered_json(nullptr) : ordered_json(g.name);
    out["section"] = g.result.chosen ? ordered_json(sized.sectionName) : nullptr;
    out["best_candidate"] = g.result.chosen ? nullptr : ordered_json(sized.sectionName);
    out["grade"] = sized.gradeName;
    out["mass_per_metre"] = shown.entry->massPerMetre;
    const CaseResult* governing = nullptr;
    for (const CaseResult& c : result.cases) {
        if (!governing || c.governing > governing->governing) governing = &c;
    }
    held.failed = !(result.AllPass() && governing && governing->governing <= maxUtil);
    held.cases = result.cases.size();
    out["pass"] = !held.failed;
    out["governing"] = governing ? NumberJson(governing->governing) : nullptr;
    out["case"] = governing ? ordered_json(governing->name) : nullptr;
    out["governs"] = governing ? ordered_json(governing->governs) : nullptr;
    out["group_governing"] = NumberJson(shown.governing);
    out["governing_line"] = governingLine;
    out["rules"] = RuleSetName(result.rules);
    out["warnings"] = result.warnings;  // the member's in the section shown
    held.text = Dump(out);
}

}  // namespace

SizedBatch SizeBatch(LineReader& reader, FdWriter& out, const BatchOptions& options,
                     const std::atomic<int>& stop) {
    const SizingPlan plan = PlanSizing(options.sizing);
    SizedBatch run;
    std::vector<HeldLine> lines;
    std::vector<std::size_t> sizable;  // lines whose member was read
    std::vector<std::string> keys;
    try {
        std::string text;
        for (LineReader::Status status; (status = reader.Next(text)) == LineReader::Status::Line ||
                                        status == LineReader::Status::TooLong;) {
            lines.push_back(
                Hold(std::move(text), status == LineReader::Status::TooLong, lines.size() + 1));
            if (lines.back().refused) continue;
            sizable.push_back(lines.size() - 1);
            keys.push_back(lines.back().group);
        }
    } catch (const InputError&) {
        run.failure = std::current_exception();
    }
    run.tally.lines = lines.size();
    if (run.failure || stop.load() != 0) return run;

    std::vector<GroupSizing> groups = GroupsOf(keys);
    if (!sizable.empty()) {
        MemberChecker probe;
        MemberInput first = MemberOf(lines[sizable.front()], options);
        ApplyGrade(first, plan);
        const CandidateList candidates = Candidates(plan.families, plan.limits, probe, first);
        OnWorkers(
            groups.size(), options.jobs,
            [&](std::size_t i, MemberChecker& checker) {
                GroupSizing& g = groups[i];
                std::vector<MemberInput> members;
                for (std::size_t k : g.members)
                    members.push_back(MemberOf(lines[sizable[k]], options));
                g.result = SizeGroup(members, candidates, plan, checker);
                const SectionTrial* shown = g.Shown();
                if (!shown) return;
                const std::size_t governingLine = sizable[g.members[shown->member]] + 1;
                for (std::size_t m = 0; m < members.size(); ++m) {
                    ApplyGrade(members[m], plan);
                    const MemberInput sized =
                        WithSection(members[m], *shown->entry, plan.grade.has_value());
                    HeldLine& held = lines[sizable[g.members[m]]];
                    PutSized(held, checker.Run(sized, {false, false, {}}), sized, g, *shown,
                             governingLine, plan.maxUtil);
                }
            },
            [&] { return stop.load() != 0; });
    }
    if (stop.load() != 0) return run;

    for (const GroupSizing& g : groups) {
        if (g.Shown()) continue;
        for (std::size_t k : g.members) {
            HeldLine& held = lines[sizable[k]];
            ordered_json error = held.head;
            error["error"] = "no section of " + JoinWords(plan.families) + " could be tried";
            held.text = Dump(error);
            held.refused = true;
        }
    }
    try {
        for (const HeldLine& held : lines) {
            out.Write(held.text + "\n");
            ++run.tally.written;
            run.tally.refused += held.refused;
            run.tally.members += !held.refused;
            run.tally.failed += held.failed;
            run.tally.cases += held.cases;
        }
    } catch (const OutputError&) {
        run.failure = std::current_exception();
    }
    return run;
}

}  // namespace as4100
