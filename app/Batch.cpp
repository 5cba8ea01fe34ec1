#include "app/Batch.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <thread>

#include "app/AtomicFile.h"
#include "app/InputError.h"
#include "app/JsonOutput.h"
#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {

namespace {

struct LineOutcome {
    std::string text;
    std::size_t cases = 0;
    bool refused = false;
    bool failed = false;
};

std::string ErrorLine(std::size_t lineNumber, const std::string& message) {
    nlohmann::ordered_json out;
    out["line"] = lineNumber;
    out["error"] = message;
    return out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

LineOutcome CheckLine(MemberChecker& checker, const std::string& line, std::size_t lineNumber,
                      const std::string& source, bool quick, std::optional<RuleSet> rules) {
    LineOutcome outcome;
    try {
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            throw InputError(source + " line " + std::to_string(lineNumber) + ": empty line");
        }
        const MemberInput member =
            ParseMemberText(line, source + " line " + std::to_string(lineNumber));
        const MemberResult result = checker.Run(member, {quick, false, rules});
        outcome.text =
            ResultJson(result).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        outcome.cases = result.cases.size();
        outcome.failed = !result.AllPass();
    } catch (const std::exception& e) {
        outcome.text = ErrorLine(lineNumber, e.what());
        outcome.refused = true;
    }
    return outcome;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path + ": cannot read the file");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void DrawProgress(std::size_t done, std::size_t total) {
    constexpr int kWidth = 30;
    const int filled = total ? static_cast<int>(kWidth * done / total) : kWidth;
    std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(kWidth - filled), ' ').c_str(), done, total);
    std::fflush(stderr);
}

}  // namespace

BatchTally CheckLines(const std::vector<std::string>& lines, const std::string& source, int jobs,
                      bool quick, std::vector<std::string>& outLines,
                      const std::function<void(std::size_t)>& progress,
                      std::optional<RuleSet> rules) {
    std::vector<LineOutcome> outcomes(lines.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    auto worker = [&] {
        MemberChecker checker;  // each worker its own: checkers share nothing
        for (std::size_t i = next++; i < lines.size(); i = next++) {
            outcomes[i] = CheckLine(checker, lines[i], i + 1, source, quick, rules);
            const std::size_t finished = ++done;
            if (progress) progress(finished);
        }
    };
    const int workers = std::max(1, std::min<int>(jobs, static_cast<int>(lines.size())));
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();

    BatchTally tally;
    outLines.clear();
    for (LineOutcome& o : outcomes) {
        tally.refused += o.refused;
        tally.members += !o.refused;
        tally.failed += o.failed;
        tally.cases += o.cases;
        outLines.push_back(std::move(o.text));
    }
    return tally;
}

int RunBatchCommand(const std::string& input, const std::string& output, int jobs, bool quick,
                    std::optional<RuleSet> rules) {
    const std::vector<std::string> lines = ReadLines(input);
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    std::mutex drawing;
    auto progress = [&](std::size_t finished) {
        // Redraw about a hundred times over the run, and at the end.
        const std::size_t step = std::max<std::size_t>(1, lines.size() / 100);
        if (finished % step != 0 && finished != lines.size()) return;
        std::lock_guard<std::mutex> lock(drawing);
        DrawProgress(finished, lines.size());
    };

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> outLines;
    const BatchTally tally =
        CheckLines(lines, input, jobs, quick, outLines,
                   showProgress ? std::function<void(std::size_t)>(progress) : nullptr, rules);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (showProgress) std::fputs("\n", stderr);

    std::string text;
    for (const std::string& line : outLines) text += line + "\n";
    if (output.empty() || output == "-") {
        std::cout << text << std::flush;
    } else {
        WriteFileAtomically(output, text);
    }

    const double rate = seconds > 0 ? 1.0 / seconds : 0.0;
    std::fprintf(stderr,
                 "as4100 batch: %zu members, %zu cases in %.2f s (%.0f members/s, %.0f cases/s); "
                 "%zu failing, %zu lines refused\n",
                 tally.members, tally.cases, seconds, static_cast<double>(tally.members) * rate,
                 static_cast<double>(tally.cases) * rate, tally.failed, tally.refused);
    return tally.failed == 0 && tally.refused == 0 ? 0 : 1;
}

}  // namespace as4100
