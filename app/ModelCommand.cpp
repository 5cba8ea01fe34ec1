#include "app/ModelCommand.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <thread>

#include "app/AtomicFile.h"
#include "app/InputError.h"
#include "app/ModelInput.h"
#include "app/ReportFile.h"
#include "app/RunCheck.h"
#include "app/Schedule.h"
#include "app/SummaryTables.h"
#include "app/TextTable.h"

namespace as4100 {

namespace {

struct MemberOutcome {
    ScheduleRow row;
    std::vector<std::string> messages;  // the refusal or the notes, for standard error
};

MemberOutcome CheckMember(MemberChecker& checker, const MemberRow& row, const ForcesTable& forces,
                          const std::vector<Combination>& combinations,
                          std::optional<RuleSet> rules) {
    const ModelMember member = BuildModelMember(row, forces, combinations);
    MemberOutcome out;
    if (!member.input) {
        out.row = ScheduleRowOf(member, nullptr);
        out.messages.push_back(member.refusal);
        return out;
    }
    const MemberResult result = checker.Run(*member.input, {false, false, rules});
    out.row = ScheduleRowOf(member, &result);
    out.messages = member.notes;
    return out;
}

// Checks the members on `jobs` workers, each with its own checker; a progress bar on a
// terminal.
std::vector<MemberOutcome> CheckAll(const std::vector<MemberRow>& rows, const ForcesTable& forces,
                                    const std::vector<Combination>& combinations, int jobs,
                                    std::optional<RuleSet> rules) {
    std::vector<MemberOutcome> outcomes(rows.size());
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    std::atomic<std::size_t> next{0}, done{0};
    std::mutex drawing;
    const std::size_t step = std::max<std::size_t>(1, rows.size() / 100);
    auto worker = [&] {
        MemberChecker checker;
        for (std::size_t i = next++; i < rows.size(); i = next++) {
            outcomes[i] = CheckMember(checker, rows[i], forces, combinations, rules);
            const std::size_t finished = ++done;
            if (showProgress && (finished % step == 0 || finished == rows.size())) {
                std::lock_guard<std::mutex> lock(drawing);
                const int filled = static_cast<int>(30 * finished / rows.size());
                std::fprintf(stderr, "\r[%-30s] %zu/%zu members",
                             std::string(static_cast<std::size_t>(filled), '#').c_str(), finished,
                             rows.size());
            }
        }
    };
    const int workers = std::max(1, std::min<int>(jobs, static_cast<int>(rows.size())));
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    if (showProgress && !rows.empty()) std::fputs("\n", stderr);
    return outcomes;
}

// A member name made safe as a file name: anything but letters, digits, '-', '_' and '.' is '_'.
std::string FileNameOf(const std::string& member) {
    std::string out = member;
    for (char& c : out) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            c = '_';
    }
    return out.empty() || out[0] == '.' ? "_" + out : out;
}

// Checks the chosen members again with the report on and writes one page each.
void WriteReports(const ModelCommandOptions& options, const std::vector<MemberRow>& members,
                  const std::vector<ScheduleRow>& rows, const ForcesTable& forces,
                  const std::vector<Combination>& combinations) {
    if (options.reports.empty()) return;
    const std::set<std::string> chosen(options.reports.begin(), options.reports.end());
    for (const std::string& name : chosen) {
        const bool known = name == "failing" ||
                           std::any_of(rows.begin(), rows.end(),
                                       [&](const ScheduleRow& r) { return r.member == name; });
        if (!known) std::cerr << "as4100: --reports: no member " << name << " in the model\n";
    }
    const std::filesystem::path dir = std::filesystem::path(options.outDir) / "reports";
    MemberChecker checker;
    RunOptions withReport;
    withReport.report = true;
    withReport.rules = options.rules;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const bool wanted = chosen.count(members[i].name) ||
                            (chosen.count("failing") && rows[i].verdict == Verdict::Fail);
        if (!wanted) continue;
        const ModelMember member = BuildModelMember(members[i], forces, combinations);
        if (!member.input) continue;  // refused: its reason is in the schedule
        std::filesystem::create_directories(dir);
        const std::string path = (dir / (FileNameOf(members[i].name) + ".html")).string();
        WriteReport(*member.input, checker.Run(*member.input, withReport), path, ReportKind::Html,
                    ReportOptions{});
        std::cout << "wrote " << path << "\n";
    }
}

// The members with their group's section, and what sizing chose, by member.
struct ModelSizing {
    std::vector<MemberRow> rows;
    std::vector<std::optional<GroupChoice>> choices;
    std::string text;  // one line per group, for standard output
};

// "  columns, 4 members: 360UB44.7 (44.7 kg/m), governing 0.755 at C1L (...)"; a member on its
// own is named alone.
std::string GroupLine(const GroupSizing& g, const std::string& governing) {
    const SectionTrial* t = g.Shown();
    std::string line =
        "  " +
        (g.name.empty() ? governing
                        : g.name + ", " + std::to_string(g.members.size()) + " members") +
        ": ";
    if (!t) return line + "no section could be tried\n";
    char mass[32];
    std::snprintf(mass, sizeof mass, "%.1f", t->entry->massPerMetre);
    return line + (g.result.chosen ? "" : "none passes; best candidate ") + t->entry->designation +
           " (" + mass + " kg/m), governing " + UtilText(t->governing) + " at " + governing + " (" +
           t->governs + ")\n";
}

// Sizes each group (members without a group on their own) over the families, the members
// refused by their tables left out; the rows come back with the chosen section (or the best
// candidate) and the grade it was tried in.
ModelSizing SizeModel(const ModelCommandOptions& options, const SizingPlan& plan,
                      const std::vector<MemberRow>& rows, const ForcesTable& forces,
                      const std::vector<Combination>& combinations) {
    ModelSizing out{rows, std::vector<std::optional<GroupChoice>>(rows.size()), ""};
    std::vector<MemberInput> inputs;
    std::vector<std::size_t> rowOf;  // input → row
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ModelMember member = BuildModelMember(rows[i], forces, combinations);
        if (!member.input) continue;
        if (options.rules) member.input->rules = options.rules;
        ApplyGrade(*member.input, plan);
        inputs.push_back(std::move(*member.input));
        rowOf.push_back(i);
        keys.push_back(rows[i].group);
    }
    if (inputs.empty()) return out;
    std::vector<GroupSizing> groups = GroupsOf(keys);
    MemberChecker probe;
    const CandidateList candidates = Candidates(plan.families, plan.limits, probe, inputs.front());
    OnWorkers(groups.size(), options.jobs, [&](std::size_t g, MemberChecker& checker) {
        std::vector<MemberInput> members;
        for (std::size_t i : groups[g].members) members.push_back(inputs[i]);
        groups[g].result = SizeGroup(std::move(members), candidates, plan, checker);
    });

    out.text = "Sized " + std::to_string(inputs.size()) + " members in " +
               std::to_string(groups.size()) + " groups: " + JoinWords(plan.families) +
               ", utilisation at most " + UtilText(plan.maxUtil) + "\n";
    for (const GroupSizing& g : groups) {
        const SectionTrial* t = g.Shown();
        const std::string& governing = rows[rowOf[g.members[t ? t->member : 0]]].name;
        out.text += GroupLine(g, governing);
        if (!t) continue;
        for (std::size_t i : g.members) {
            MemberRow& row = out.rows[rowOf[i]];
            row.section = t->entry->designation;
            row.grade = WithSection(inputs[i], *t->entry, plan.grade.has_value()).gradeName;
            out.choices[rowOf[i]] =
                GroupChoice{rows[rowOf[i]].section, governing, t->governing, bool(g.result.chosen)};
        }
    }
    if (!candidates.skippedFamilies.empty()) {
        out.text += "  Skipped families: " + JoinWords(candidates.skippedFamilies) +
                    " (section shape not handled by the checker)\n";
    }
    return out;
}

}  // namespace

int RunModelCommand(const ModelCommandOptions& options) {
    std::optional<SizingPlan> plan;  // refused before any reading
    if (options.size) plan = PlanSizing(options.sizing);
    std::vector<MemberRow> members = ReadMembersTable(ReadCsvFile(options.members));
    const ForcesTable forces =
        ReadForcesTable(ReadCsvFile(options.forces), members,
                        std::set<std::string>(options.flip.begin(), options.flip.end()));
    const std::vector<Combination> combinations =
        options.combinations.empty() ? std::vector<Combination>{}
                                     : ReadCombinationsFile(options.combinations, forces.caseNames);

    std::optional<ModelSizing> sizing;
    if (options.size) {
        sizing = SizeModel(options, *plan, members, forces, combinations);
        members = sizing->rows;
    }
    const std::vector<MemberOutcome> outcomes =
        CheckAll(members, forces, combinations, options.jobs, options.rules);
    std::vector<ScheduleRow> rows;
    for (const std::string& problem : forces.problems) std::cerr << "as4100: " << problem << "\n";
    for (const MemberOutcome& o : outcomes) {
        for (const std::string& m : o.messages) std::cerr << "as4100: " << m << "\n";
        rows.push_back(o.row);
        if (!sizing) continue;
        rows.back().sizing = sizing->choices[rows.size() - 1];
        if (rows.back().sizing && !rows.back().sizing->found) {
            std::string& note = rows.back().note;
            note = "no section passes for the group; best candidate shown" +
                   (note.empty() ? "" : "; " + note);
        }
    }

    try {
        std::filesystem::create_directories(options.outDir);
    } catch (const std::filesystem::filesystem_error& e) {
        throw std::runtime_error(options.outDir +
                                 ": cannot create the directory: " + e.code().message());
    }
    const std::filesystem::path dir(options.outDir);
    const std::string title = "Design schedule: " + options.members;
    WriteFileAtomically((dir / "schedule.csv").string(), ScheduleCsv(rows));
    WriteFileAtomically((dir / "schedule.html").string(), ScheduleHtml(rows, title));

    if (sizing) std::cout << sizing->text;
    WriteReports(options, members, rows, forces, combinations);
    std::cout << ScheduleSummary(rows) << "\n"
              << "wrote " << (dir / "schedule.csv").string() << " and "
              << (dir / "schedule.html").string() << "\n";
    const bool allPass = std::all_of(
        rows.begin(), rows.end(), [](const ScheduleRow& r) { return r.verdict == Verdict::Pass; });
    return allPass && forces.problems.empty() ? 0 : 1;
}

}  // namespace as4100
