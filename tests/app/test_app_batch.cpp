// `as4100 batch`, also as a stream: standard input to standard output in input order as results are
// ready, flat memory, split runs that merge to one, signals and output files handled.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <poll.h>
#include <chrono>
#include <thread>
#include <vector>

#include "app/AppTestSupport.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::ProgramRun;
using test::RunProgram;
using test::ScratchDir;

// A short member (one sub-span) identified by `id`; every seventh fails.
std::string MemberLine(int i) {
    json doc = test::BaseMember();
    doc["id"] = "M" + std::to_string(i);
    doc["title"] = "beam " + std::to_string(i);
    doc["points"].erase(1);
    doc.erase("segments");
    doc["cases"][0]["subspans"] = {
        {{"forces_left", {0, 1000 + i, 0}}, {"moments_right", {0, i % 7 == 0 ? 9e5 : 2e4, 0}}}};
    return doc.dump() + "\n";
}

std::string MemberLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += MemberLine(i);
    return text;
}

// The program started with pipes to its standard input and from its standard output.
struct Child {
    pid_t pid = -1;
    int in = -1, out = -1;

    explicit Child(const std::string& args) {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) close(fd);
            execl("/bin/sh", "sh", "-c", ("exec '" + std::string(AS4100_BIN) + "' " + args).c_str(),
                  nullptr);
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in = toChild[1];
        out = fromChild[0];
    }
    void Send(const std::string& text) const {
        ASSERT_EQ(write(in, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    // One line of output, or "" when none comes within the time.
    std::string LineWithin(std::chrono::milliseconds time) const {
        std::string line;
        char c = 0;
        pollfd p{out, POLLIN, 0};
        while (poll(&p, 1, static_cast<int>(time.count())) == 1 && read(out, &c, 1) == 1) {
            if (c == '\n') return line;
            line += c;
        }
        return "";
    }
    int Wait() {
        if (in >= 0) close(in);
        if (out >= 0) close(out);
        int raw = 0;
        waitpid(pid, &raw, 0);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
};

// The program run with `args` that redirect its output themselves; standard error kept.
ProgramRun RunWithOwnRedirection(const std::string& args, const std::string& err) {
    const int raw =
        std::system(("'" + std::string(AS4100_BIN) + "' " + args + " 2>" + err).c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", test::ReadFile(err)};
}

TEST(BatchStream, PipeGivesTheFileFormByteForByteWithLineAndIdOnEveryLine) {
    const ScratchDir dir;
    std::string lines = MemberLines(30);
    lines += "{\"id\": 31, \"_\": " + std::string(50000, '[') + std::string(50000, ']') + "}\n";
    json refused = json::parse(MemberLine(32));
    refused["points"][1]["x"] = 0.0;
    lines += refused.dump() + "\n";
    const std::string in = dir.Write("in.jsonl", lines);
    const ProgramRun fromFile =
        RunProgram("batch " + in + " -o " + dir.File("out.jsonl") + " --stats");
    const ProgramRun piped = RunProgram("batch - --jobs 3 < " + in);
    EXPECT_EQ(fromFile.status, 1) << fromFile.err;
    EXPECT_NE(fromFile.err.find("members/s"), std::string::npos) << fromFile.err;
    EXPECT_EQ(piped.status, 1) << piped.err;
    EXPECT_TRUE(test::ReadFile(dir.File("out.jsonl")) == piped.out);
    const std::vector<json> docs = test::JsonLines(piped.out);
    ASSERT_EQ(docs.size(), 32u);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(docs[i]["line"], i + 1);
        EXPECT_EQ(docs[i]["id"], "M" + std::to_string(i + 1));
        EXPECT_EQ(docs[i]["cases"][0]["pass"], (i + 1) % 7 != 0) << i;
    }
    // Refused lines: the deep one (no document to take an id from), then one naming its field.
    const std::string deep = docs[30].value("error", "");
    EXPECT_EQ(deep.rfind("line 31: _[0][0][0]", 0), 0u) << deep;
    EXPECT_NE(deep.find("[0]: nested deeper than 64 levels"), std::string::npos) << deep;
    EXPECT_EQ(docs[31]["line"], 32);
    EXPECT_EQ(docs[31]["id"], "M32");
    EXPECT_EQ(docs[31]["title"], "beam 32");
    EXPECT_NE(docs[31].value("error", "").find("line 32: points[1].x"), std::string::npos);
}

TEST(BatchStream, SlowProducerGetsEachResultBeforeTheNextLine) {
    Child child("batch - --jobs 2");
    for (int i = 1; i <= 4; ++i) {
        child.Send(MemberLine(i));
        const std::string result = child.LineWithin(std::chrono::seconds(10));
        ASSERT_FALSE(result.empty()) << "no result for line " << i;
        EXPECT_EQ(json::parse(result)["line"], i);
    }
    EXPECT_EQ(child.Wait(), 0);
}

TEST(BatchStream, ConsumerThatClosesEarlyEndsTheRunCleanly) {
    const ScratchDir dir;
    std::string passing;
    for (int i = 1; i <= 3000; ++i) passing += i % 7 ? MemberLine(i) : "";
    const std::string in = dir.Write("in.jsonl", passing);
    const std::string err = dir.File("err");
    const std::string command = "'" + std::string(AS4100_BIN) + "' batch " + in + " 2>" + err +
                                " | head -n 1 >/dev/null; exit \\${PIPESTATUS[0]}";
    const int raw = std::system(("bash -c \"" + command + "\"").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << raw;
    EXPECT_EQ(test::ReadFile(err), "");
}

// Peak resident size of a quick batch of `lines` lines, kB, under a 2 GB address-space limit
// (none under AddressSanitizer, which reserves far more address space than it uses).
long PeakResidentKb(const std::string& in) {
#if defined(__SANITIZE_ADDRESS__)
    const std::string limit = "ASAN_OPTIONS=\"$ASAN_OPTIONS:quarantine_size_mb=8\" ";
#else
    const std::string limit = "ulimit -v 2000000; ";
#endif
    const pid_t pid = fork();
    if (pid == 0) {
        const std::string command = limit + "exec '" + std::string(AS4100_BIN) + "' batch " + in +
                                    " -o /dev/null --quick --jobs 2";
        execl("/bin/bash", "bash", "-c", command.c_str(), nullptr);
        _exit(127);
    }
    int raw = 0;
    rusage usage{};
    wait4(pid, &raw, 0, &usage);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
    return usage.ru_maxrss;
}

TEST(BatchStream, MemoryStaysFlatAsTheBatchGrows) {
    const ScratchDir dir;
    const std::string block = MemberLines(750);
    std::string big;
    for (int i = 0; i < 8; ++i) big += block;
    const long small = PeakResidentKb(dir.Write("small.jsonl", block));
    const long large = PeakResidentKb(dir.Write("large.jsonl", big));
    EXPECT_LT(large, small + 8 * 1024) << "750 lines: " << small << " kB, 6000: " << large;
}

TEST(BatchStream, SplitInFourRunInParallelAndMergedGivesTheSameResults) {
    const ScratchDir dir;
    const std::string all = MemberLines(40);
    std::string parts;
    for (int p = 0; p < 4; ++p) {
        std::string part;
        for (int i = p * 10 + 1; i <= p * 10 + 10; ++i) part += MemberLine(i);
        const std::string name = "part" + std::to_string(p);
        dir.Write(name, part);
        parts += "'" + std::string(AS4100_BIN) + "' batch " + dir.File(name) + " -o " +
                 dir.File(name + ".out") + " --jobs 1 & ";
    }
    ASSERT_EQ(std::system(("bash -c \"" + parts + "wait\"").c_str()), 0);
    std::string merged;
    for (int p = 0; p < 4; ++p)
        merged += test::ReadFile(dir.File("part" + std::to_string(p) + ".out"));
    const ProgramRun whole = RunProgram("batch " + dir.Write("all.jsonl", all));
    std::vector<json> one = test::JsonLines(whole.out), four = test::JsonLines(merged);
    ASSERT_EQ(four.size(), 40u);
    for (auto* docs : {&one, &four})
        for (json& d : *docs) d.erase("line");  // numbered within each part
    EXPECT_EQ(one, four);
}

TEST(BatchInterrupt, SignalKeepsTheOldOutputAndWholeLinesApartWithNoTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const ScratchDir dir;
        const std::string out = dir.Write("out.jsonl", "previous\n");
        Child child("batch - -o " + out + " 2>" + dir.File("err"));
        child.Send(MemberLines(5));
        // Started once its temporary output file is there; then time to check the lines.
        const auto started = [&] {
            return std::distance(std::filesystem::directory_iterator(dir.File("")), {}) > 2;
        };
        for (int wait = 0; wait < 200 && !started(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        kill(child.pid, signal);
        EXPECT_EQ(child.Wait(), 128 + signal);
        EXPECT_EQ(test::ReadFile(out), "previous\n");
        const std::vector<json> kept = test::JsonLines(test::ReadFile(out + ".partial"));
        EXPECT_EQ(kept.size(), 5u);
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.File("")))
            files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, (std::vector<std::string>{"err", "out.jsonl", "out.jsonl.partial"}));
        EXPECT_NE(test::ReadFile(dir.File("err"))
                      .find("interrupted; 5 lines written to " + out + ".partial"),
                  std::string::npos);
    }
}

// Outputs written where the user points: through a link (which stays one), to a device, under
// a name at the system's length limit; a full disk is exit status 3, nothing left behind.
TEST(BatchOutputFiles, LinksDevicesLongNamesAndWriteErrors) {
    const ScratchDir dir;
    const std::string in = dir.Write("in.jsonl", MemberLines(3));
    std::filesystem::create_symlink("real.jsonl", dir.File("link.jsonl"));
    const std::string longName = dir.File(std::string(249, 'n') + ".jsonl");
    for (const std::string& out : {dir.File("link.jsonl"), longName, std::string("/dev/null")}) {
        const ProgramRun run = RunProgram("batch " + in + " -o '" + out + "'");
        EXPECT_EQ(run.status, 0) << out << ": " << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.jsonl")));
    EXPECT_EQ(test::JsonLines(test::ReadFile(dir.File("real.jsonl"))).size(), 3u);
    EXPECT_EQ(test::JsonLines(test::ReadFile(longName)).size(), 3u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}),
              4);  // no temporary

    std::filesystem::create_symlink("/dev/full", dir.File("full.txt"));
    for (const std::string& args : std::vector<std::string>{
             "batch " + in + " -o /dev/full", "batch " + in + " >/dev/full", "check >/dev/full",
             "check --report - >/dev/full", "check --report " + dir.File("full.txt")}) {
        const ProgramRun run = RunWithOwnRedirection(args, dir.File("err"));
        EXPECT_EQ(run.status, 3) << args;
        EXPECT_NE(run.err.find("cannot write"), std::string::npos) << args << ": " << run.err;
    }
}

}  // namespace
}  // namespace as4100
