// The report text is part of the interface: `check F --json --report F.html --detail full` of
// every bundled example and of the generated members of tests/golden/members.jsonl must give,
// byte for byte, the outputs kept in tests/golden/out (written by tests/golden/update.sh from
// a trusted build). Runs the command in this process, standard output caught at its file
// descriptor. The report's source line is normalised: the member file's folder is dropped and
// the program version reads "VERSION".
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "app/AppTestSupport.h"
#include "app/CheckCommand.h"
#include "app/Version.h"

namespace as4100 {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::ScratchDir;

const fs::path kGolden = fs::path(AS4100_SOURCE_DIR) / "tests" / "golden";

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The member files of the test, copied into `scratch`: the examples under their own names,
// the generated members as gen1.json, gen2.json, ...
std::vector<std::string> WriteMembers(const ScratchDir& scratch) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(AS4100_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".json") continue;
        names.push_back(entry.path().stem().string());
        scratch.Write(names.back() + ".json", ReadFile(entry.path().string()));
    }
    std::istringstream lines(ReadFile((kGolden / "members.jsonl").string()));
    std::string line;
    for (int n = 1; std::getline(lines, line); ++n) {
        names.push_back("gen" + std::to_string(n));
        scratch.Write(names.back() + ".json", line + "\n");
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the check command with standard output sent to the file `out`.
void RunCaptured(const CheckCommandOptions& options, const std::string& out) {
    std::cout.flush();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int file = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(file, STDOUT_FILENO);
    close(file);
    try {
        RunCheckCommand(options);
    } catch (...) {
        std::cout.flush();
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        throw;
    }
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
}

// Empty when equal; else the first line that differs, both ways.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    const auto at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto offset = static_cast<size_t>(at.first - expected.begin());
    const size_t line = static_cast<size_t>(std::count(expected.begin(), at.first, '\n')) + 1;
    const size_t start = expected.rfind('\n', offset == 0 ? 0 : offset - 1);
    const size_t from = start == std::string::npos ? 0 : start + 1;
    return "line " + std::to_string(line) + "\n  golden: " + expected.substr(from, 160) +
           "\n  now:    " + actual.substr(from, 160);
}

TEST(GoldenReports, ExamplesAndGeneratedMembersGiveTheKeptReportAndJson) {
    const ScratchDir scratch;
    const std::vector<std::string> names = WriteMembers(scratch);
    ASSERT_GE(names.size(), 40u);
    const std::string folder = scratch.File("");
    const std::string version = std::string(" as4100 ") + ProgramVersion() + " ";
    for (const std::string& name : names) {
        SCOPED_TRACE(name + ".json (tests/golden/update.sh rewrites the golden files)");
        const fs::path golden = kGolden / "out" / name;
        ASSERT_TRUE(fs::exists(golden.string() + ".json")) << "no golden output";
        CheckCommandOptions options;
        options.file = scratch.File(name + ".json");
        options.json = true;
        options.report = scratch.File(name + ".html");
        options.reportOptions.detail = ReportDetail::Full;
        ASSERT_NO_THROW(RunCaptured(options, scratch.File(name + ".out")));

        std::string html = ReadFile(options.report);
        ReplaceAll(html, folder, "");
        ReplaceAll(html, version, " as4100 VERSION ");
        EXPECT_EQ(FirstDifference(ReadFile(golden.string() + ".html"), html), "") << "report";
        EXPECT_EQ(FirstDifference(ReadFile(golden.string() + ".json"),
                                  ReadFile(scratch.File(name + ".out"))),
                  "")
            << "--json";
    }
}

}  // namespace
}  // namespace as4100
