#include "app/CheckCommand.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "app/InputError.h"
#include "app/JsonOutput.h"
#include "app/MemberFile.h"
#include "app/ReportFile.h"
#include "app/RunCheck.h"
#include "app/TextSummary.h"

namespace as4100 {

namespace {

constexpr const char* kDefaultExample = "floor-beam.json";

std::filesystem::path ProgramDirectory() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path();
}

}  // namespace

std::string DefaultExamplePath() {
    namespace fs = std::filesystem;
    std::vector<fs::path> candidates = {fs::path(AS4100_EXAMPLES_DIR) / kDefaultExample};
    const fs::path programDir = ProgramDirectory();
    if (!programDir.empty()) {
        candidates.push_back(programDir / ".." / "examples" / kDefaultExample);
        candidates.push_back(programDir / ".." / ".." / "examples" / kDefaultExample);
    }
    for (const fs::path& p : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p.lexically_normal().string();
    }
    return candidates.front().string();  // missing: the loader names it in its refusal
}

int RunCheckCommand(const CheckCommandOptions& options) {
    const std::optional<ReportRequest> report = ReportOption(options.report, options.json);
    const std::string path = options.file.empty() ? DefaultExamplePath() : options.file;
    MemberInput member = LoadMemberFile(path);
    for (const std::string& setting : options.project) SetProjectField(member.project, setting);

    MemberChecker checker;
    const MemberResult result =
        checker.Run(member, {options.quick, report.has_value(), RuleSetOf(options.rules)});

    if (options.json) {
        std::string text = ResultJsonText(result, 2);
        text += '\n';
        std::cout << text;
    } else if (options.report != "-") {
        std::cout << MemberSummaryText(result);
    }
    if (report) {
        WriteReport(member, result, options.report, report->kind, options.reportOptions,
                    report->chromium);
    }
    return result.AllPass() ? 0 : 1;
}

}  // namespace as4100
