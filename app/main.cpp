// The as4100 command: checks steel members to AS 4100-1998 with the checker module, playing
// the analysis program's part (see README.md and docs/member-file.md).
#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <map>
#include <string_view>
#include <thread>

#include <CLI/CLI.hpp>

#include "app/AtomicFile.h"
#include "app/Batch.h"
#include "app/CheckCommand.h"
#include "app/InputError.h"
#include "app/ModelCommand.h"
#include "app/Rules.h"
#include "app/SectionCommand.h"
#include "app/SizeCommand.h"
#include "app/Version.h"

namespace {

// Exit statuses: 0 all pass, 1 a check fails, 2 input or options refused, 3 anything else
// (an output that cannot be written, say).
constexpr int kRefused = 2;
constexpr int kOtherError = 3;

int Report(std::string_view message, int status) {
    std::cerr << "as4100: " << as4100::OneLine(message, 2000) << "\n";
    return status;
}

// The first word that is not an option, when it names no command: CLI11 would only say that
// a command is required.
std::string UnknownCommand(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return {};
    std::string known;
    for (const CLI::App* sub : app.get_subcommands({})) {
        if (sub->get_name() == argv[1]) return {};
        known += (known.empty() ? "" : ", ") + sub->get_name();
    }
    return "unknown command \"" + std::string(argv[1]) + "\"; expected one of: " + known;
}

int DefaultJobs() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"as4100: steel member design checks to AS 4100-1998"};
    app.set_version_flag("--version", as4100::ProgramVersion());
    app.require_subcommand(1);

    as4100::CheckCommandOptions check;
    auto* checkCmd =
        app.add_subcommand("check", "Check a member file (default: the bundled example)");
    auto* checkFile = checkCmd->add_option("FILE", check.file, "Member file (JSON)");
    checkCmd->add_flag("--quick", check.quick, "Utilisations only (QuickCheck), no report text");
    checkCmd->add_flag("--json", check.json, "Print the result as one JSON document (SI)");
    checkCmd->add_option("--report", check.report,
                         "Write the report: OUT.html, OUT.pdf (headless Chromium), OUT.txt or -");
    checkCmd
        ->add_option("--detail", check.reportOptions.detail,
                     "Report detail: summary (one page per member) or full (default)")
        ->transform(CLI::CheckedTransformer(std::map<std::string, as4100::ReportDetail>{
            {"summary", as4100::ReportDetail::Summary}, {"full", as4100::ReportDetail::Full}}));
    checkCmd
        ->add_option("--paper", check.reportOptions.paper,
                     "Printed paper size: a4 (default), letter")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, as4100::Paper>{{"a4", as4100::Paper::A4},
                                                 {"letter", as4100::Paper::Letter}},
            CLI::ignore_case));
    checkCmd->add_option("--project", check.project,
                         "Title block field over the file's: job=, member=, engineer=, checker=, "
                         "date=, revision= (repeatable)");
    const CLI::IsMember ruleSets({"checker", "standard"});
    const char* const rulesHelp = "Rule set: checker (default) or standard (docs/departures.md)";
    checkCmd->add_option("--rules", check.rules, rulesHelp)->check(ruleSets);

    std::string designation, grade;
    bool sectionJson = false;
    auto* sectionCmd = app.add_subcommand("section", "Design capacities of a catalogue section");
    sectionCmd->add_option("DESIGNATION", designation, "Catalogue designation, e.g. 310UB40.4")
        ->required();
    sectionCmd->add_option("--grade", grade, "Steel grade (default: the family's usual grade)");
    sectionCmd->add_flag("--json", sectionJson, "Print JSON (SI)");
    std::string sectionRules = "checker";
    sectionCmd->add_option("--rules", sectionRules, rulesHelp)->check(ruleSets);

    std::string family;
    auto* sectionsCmd = app.add_subcommand("sections", "List the section catalogue");
    sectionsCmd->add_option("--family", family, "Only this family, e.g. UB");

    as4100::BatchOptions batch;
    batch.jobs = DefaultJobs();
    auto* batchCmd = app.add_subcommand("batch", "Check one member per line of a JSON-lines file");
    batchCmd->add_option("IN", batch.input, "Input file, one member per line; - for standard input")
        ->required();
    batchCmd->add_option("-o,--output", batch.output, "Output file (default: standard output)");
    batchCmd->add_option("--jobs", batch.jobs, "Worker threads (default: hardware threads)")
        ->check(CLI::Range(1, 1024));
    batchCmd->add_flag("--quick", batch.quick, "Utilisations only (QuickCheck)");
    batchCmd->add_flag("--stats", batch.stats,
                       "The closing summary even when standard error is not a terminal");
    std::string batchRules;
    batchCmd->add_option("--rules", batchRules, rulesHelp)->check(ruleSets);
    batchCmd->add_flag("--size", batch.size,
                       "Size each line's member (lines sharing \"group\" get one section)");
    as4100::AddSizingOptions(*batchCmd, batch.sizing);

    as4100::ModelCommandOptions model;
    model.jobs = DefaultJobs();
    auto* modelCmd = app.add_subcommand("model", "Check a whole model: members and station forces");
    modelCmd->add_option("MEMBERS", model.members, "Members table (CSV)")->required();
    modelCmd->add_option("FORCES", model.forces, "Station forces table (CSV)")->required();
    modelCmd->add_option("--combinations", model.combinations, "Load combinations (JSON)");
    modelCmd->add_option("--flip", model.flip, "Forces columns whose signs to change, e.g. Mx,Vy")
        ->delimiter(',');
    modelCmd->add_option("--jobs", model.jobs, "Worker threads (default: hardware threads)")
        ->check(CLI::Range(1, 1024));
    modelCmd->add_option("-o,--output", model.outDir, "Directory for the schedule (default: .)");
    std::string modelRules;
    modelCmd->add_option("--rules", modelRules, rulesHelp)->check(ruleSets);
    modelCmd
        ->add_option("--reports", model.reports, "Full reports of these members, or \"failing\"")
        ->delimiter(',');
    modelCmd->add_flag("--size", model.size,
                       "Give each group the lightest section of --family that passes");
    as4100::AddSizingOptions(*modelCmd, model.sizing);
    as4100::SizeCommandOptions size;
    auto* sizeCmd = as4100::AddSizeCommand(app, size);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        const std::string unknown = UnknownCommand(app, argc, argv);
        return Report((unknown.empty() ? std::string(e.what()) : unknown) + " (see as4100 --help)",
                      kRefused);
    }
    // An unset shell variable gives "": refused rather than taken for "no file".
    if (*checkCmd && checkFile->count() > 0 && check.file.empty()) {
        return Report("check: the file name is empty", kRefused);
    }

    auto runCommand = [&] {
        if (*checkCmd) return as4100::RunCheckCommand(check);
        if (*sectionCmd) {
            return as4100::RunSectionCommand(
                designation, grade,
                as4100::RuleSetOf(sectionRules).value_or(as4100::RuleSet::AsWritten), sectionJson);
        }
        if (*sectionsCmd) return as4100::RunSectionsCommand(family);
        if (*sizeCmd) return as4100::RunSizeCommand(size);
        if (*batchCmd) {
            batch.rules = as4100::RuleSetOf(batchRules);
            as4100::CheckSizingRequest(batch.size, batch.sizing);
            if (batch.size && batch.quick) {
                throw as4100::InputError(
                    "--quick: not with --size (sizing screens quickly "
                    "and confirms with the full check)");
            }
            return as4100::RunBatchCommand(batch);
        }
        if (*modelCmd) {
            model.rules = as4100::RuleSetOf(modelRules);
            as4100::CheckSizingRequest(model.size, model.sizing);
            return as4100::RunModelCommand(model);
        }
        return kRefused;
    };
    try {
        const int status = runCommand();
        // Whatever went to standard output must have arrived (a full disk, a closed stream).
        if (!(std::cout << std::flush)) {
            return Report(std::string("standard output: cannot write: ") + std::strerror(errno),
                          kOtherError);
        }
        return status;
    } catch (const as4100::InputError& e) {
        return Report(e.what(), kRefused);
    } catch (const as4100::OutputError& e) {
        return Report(e.what(), kOtherError);
    } catch (const std::exception& e) {
        return Report(std::string("error: ") + e.what(), kOtherError);
    }
}
