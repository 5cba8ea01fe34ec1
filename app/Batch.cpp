#include "app/Batch.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/AtomicFile.h"
#include "app/BatchSizing.h"
#include "app/InputError.h"
#include "app/InputFile.h"
#include "app/JsonField.h"
#include "app/JsonOutput.h"
#include "app/JsonWriter.h"
#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {

namespace {

using Clock = std::chrono::steady_clock;

// Our choices: a line may hold up to 16 MB; up to 64 lines per worker and 64 MB of text are
// in flight between reading and writing (the reorder window).
constexpr std::size_t kMaxLineBytes = std::size_t{16} << 20;
constexpr std::size_t kSlotsPerJob = 64;
constexpr std::size_t kMaxBytesInFlight = std::size_t{64} << 20;
constexpr auto kProgressEvery = std::chrono::milliseconds(250);

std::atomic<int> gSignal{0};

extern "C" void OnStopSignal(int signal) {
    gSignal.store(signal);
}

// SIGINT and SIGTERM set gSignal (reads are interrupted, not restarted; a second signal
// ends the program at once); SIGPIPE is ignored so a closed output is a write error.
class SignalScope {
  public:
    SignalScope() {
        gSignal.store(0);
        struct sigaction stop {};
        stop.sa_handler = OnStopSignal;
        sigemptyset(&stop.sa_mask);
        stop.sa_flags = SA_RESETHAND;
        sigaction(SIGINT, &stop, &oldInt_);
        sigaction(SIGTERM, &stop, &oldTerm_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGPIPE, &ignore, &oldPipe_);
    }
    ~SignalScope() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
        sigaction(SIGPIPE, &oldPipe_, nullptr);
    }

  private:
    struct sigaction oldInt_ {
    }, oldTerm_{}, oldPipe_{};
};

// Threads started inside it do not take SIGINT or SIGTERM: the reading thread does, so its
// blocked read is the one interrupted.
class SignalsBlocked {
  public:
    SignalsBlocked() {
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGINT);
        sigaddset(&stops, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stops, &old_);
    }
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

  private:
    sigset_t old_;
};

struct LineOutcome {
    std::size_t cases = 0;
    bool refused = false;
    bool failed = false;
};

// One input line's output line (without its "\n"): {"line": 7, "id": ..., then the result
// document's members, or "title" (when the line gave one) and "error".
std::string CheckLine(MemberChecker& checker, JsonDocument& document, const std::string& line,
                      bool tooLong, std::size_t lineNumber, bool quick,
                      std::optional<RuleSet> rules, LineOutcome& outcome) {
    // The line number alone, not the input's name: a pipe and a file give the same lines.
    const std::string where = "line " + std::to_string(lineNumber);
    std::string head;  // the object's first members, up to "id"
    JsonWriter w(head);
    w.BeginObject();
    w.Key("line");
    w.Unsigned(lineNumber);
    std::size_t headEnd = head.size();
    std::string title;
    try {
        if (tooLong)
            throw InputError(where + ": longer than " + std::to_string(kMaxLineBytes >> 20) +
                             " MB");
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            throw InputError(where + ": empty line");
        }
        ParseJsonDocument(line, where, document);
        const JsonField root(document, where);
        if (const auto id = root.Optional("id")) {
            if (!id->IsString() && !id->IsNumber()) id->Refuse("must be a string or a number");
            w.Key("id");
            w.Raw(id->ToJson().dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
            headEnd = head.size();
        }
        if (const auto t = root.Optional("title"); t && t->IsString()) title = t->String();
        const MemberResult result =
            checker.Run(ParseMember(document, where), {quick, false, rules});
        outcome.cases = result.cases.size();
        outcome.failed = !result.AllPass();
        WriteResultMembers(w, result);
        w.EndObject();
        return head;
    } catch (const std::exception& e) {
        outcome.refused = true;
        head.resize(headEnd);  // nothing of a result left half-written
        JsonWriter tail(head, /*afterMember=*/true);
        if (!title.empty()) {
            tail.Key("title");
            tail.String(title);
        }
        tail.Key("error");
        tail.String(e.what());
        tail.EndObject();
        return head;
    }
}

// The lines between reading and writing: a ring of slots. Line k (from 0) lives in slot
// k % size from when it is read until it is written.
class Pipeline {
  public:
    Pipeline(const BatchOptions& options, FdWriter& out, bool flushBursts, bool progress)
        : options_(options),
          out_(out),
          flushBursts_(flushBursts),
          progress_(progress),
          slots_(kSlotsPerJob * static_cast<std::size_t>(options.jobs)) {}

    // Reads on the calling thread until the input ends, a signal arrives or the output fails.
    void Run(LineReader& reader) {
        std::vector<std::thread> threads;
        {
            const SignalsBlocked blocked;
            for (int w = 0; w < options_.jobs; ++w) threads.emplace_back([this] { Work(); });
            threads.emplace_back([this] { WriteInOrder(); });
        }
        try {
            Read(reader);
        } catch (const InputError&) {
            Stop(std::current_exception());
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            inputDone_ = true;
        }
        changed_.notify_all();
        for (std::thread& t : threads) t.join();
        tally_.lines = read_;
    }

    const BatchTally& Tally() const { return tally_; }
    std::exception_ptr Failure() const { return failure_; }

  private:
    struct Slot {
        std::string text;  // the input line, then its output line
        bool tooLong = false;
        bool done = false;
        std::size_t bytes = 0;
        LineOutcome outcome;
    };

    Slot& SlotOf(std::size_t line) { return slots_[line % slots_.size()]; }

    void Stop(std::exception_ptr failure) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!failure_) failure_ = failure;
            stop_ = true;
        }
        changed_.notify_all();
    }

    void Read(LineReader& reader) {
        std::string line;
        for (;;) {
            if (gSignal.load() != 0) return;
            const LineReader::Status status = reader.Next(line);
            if (status == LineReader::Status::End || status == LineReader::Status::Stopped) return;
            std::unique_lock<std::mutex> lock(mutex_);
            // Room in the window; woken now and then to notice a signal.
            while (!stop_ && !HasRoom()) changed_.wait_for(lock, std::chrono::milliseconds(100));
            if (stop_ || gSignal.load() != 0) return;
            Slot& slot = SlotOf(read_);
            slot.text.swap(line);
            slot.tooLong = status == LineReader::Status::TooLong;
            slot.done = false;
            slot.bytes = slot.text.size();
            inFlight_ += slot.bytes;
            ++read_;
            lock.unlock();
            changed_.notify_all();
        }
    }

    bool HasRoom() const {
        return read_ - written_ < slots_.size() &&
               (inFlight_ < kMaxBytesInFlight || read_ == written_);
    }

    void Work() {
        MemberChecker checker;  // each worker its own: checkers share nothing
        JsonDocument document;  // read into line after line, its storage kept
        for (;;) {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || next_ < read_ || inputDone_; });
            if (stop_ || next_ >= read_) return;
            const std::size_t line = next_++;
            lock.unlock();
            Slot& slot = SlotOf(line);
            slot.outcome = {};
            slot.text = CheckLine(checker, document, slot.text, slot.tooLong, line + 1,
                                  options_.quick, options_.rules, slot.outcome) +
                        "\n";
            lock.lock();
            slot.done = true;
            const bool writerWaits = line == written_;
            lock.unlock();
            if (writerWaits) changed_.notify_all();
        }
    }

    // Writes every line that is ready, in order, then flushes (standard output) and waits.
    void WriteInOrder() {
        try {
            for (;;) {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [this] {
                    return stop_ || (written_ < read_ && SlotOf(written_).done) ||
                           (inputDone_ && written_ == read_);
                });
                if (stop_ || written_ == read_) return;
                std::size_t end = written_;
                while (end < read_ && SlotOf(end).done) ++end;
                const std::size_t begin = written_;
                lock.unlock();
                // Slots [begin, end) are the writer's until written_ passes them.
                std::size_t bytes = 0;
                for (std::size_t line = begin; line < end; ++line) {
                    Slot& slot = SlotOf(line);
                    out_.Write(slot.text);
                    Count(slot.outcome);
                    bytes += slot.bytes;
                }
                if (flushBursts_) out_.Flush();
                lock.lock();
                written_ = end;
                tally_.written = end;
                inFlight_ -= bytes;
                lock.unlock();
                changed_.notify_all();
                if (progress_) DrawProgress(false);
            }
        } catch (const OutputError&) {
            Stop(std::current_exception());
        }
    }

    void Count(const LineOutcome& o) {
        tally_.refused += o.refused;
        tally_.members += !o.refused;
        tally_.failed += o.failed;
        tally_.cases += o.cases;
    }

  public:
    void DrawProgress(bool last) {
        const auto now = Clock::now();
        if (!last && now - lastDrawn_ < kProgressEvery) return;
        lastDrawn_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        std::fprintf(stderr, "\r  %zu lines written (%.0f lines/s)%s", tally_.written,
                     seconds > 0 ? static_cast<double>(tally_.written) / seconds : 0.0,
                     last ? "\n" : "");
        std::fflush(stderr);
    }

  private:
    const BatchOptions& options_;
    FdWriter& out_;
    const bool flushBursts_;
    const bool progress_;
    const Clock::time_point start_ = Clock::now();
    Clock::time_point lastDrawn_ = start_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Slot> slots_;
    std::size_t read_ = 0, next_ = 0, written_ = 0;  // lines read, taken, written
    std::size_t inFlight_ = 0;                       // bytes of the lines read, not written
    bool inputDone_ = false;
    bool stop_ = false;
    std::exception_ptr failure_;
    BatchTally tally_;
};

class FdCloser {
  public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ > STDERR_FILENO) close(fd_);
    }

  private:
    int fd_;
};

std::string WrittenWhere(std::size_t lines, const std::string& where) {
    return std::to_string(lines) + (lines == 1 ? " line" : " lines") + " written to " + where;
}

void PrintSummary(const BatchTally& t, double seconds) {
    const double rate = seconds > 0 ? 1.0 / seconds : 0.0;
    std::fprintf(stderr,
                 "as4100 batch: %zu members, %zu cases in %.2f s (%.0f members/s, %.0f cases/s); "
                 "%zu failing, %zu lines refused\n",
                 t.members, t.cases, seconds, static_cast<double>(t.members) * rate,
                 static_cast<double>(t.cases) * rate, t.failed, t.refused);
}

}  // namespace

int RunBatchCommand(const BatchOptions& options) {
    // Before the temporary output file exists, so no signal can leave it behind.
    const SignalScope signals;
    const bool fromStdin = options.input == "-";
    const int inFd = fromStdin ? STDIN_FILENO : OpenInputFile(options.input);
    const FdCloser closeInput(inFd);
    const std::string source = fromStdin ? "standard input" : options.input;
    // The output is checked (and its temporary file made) before any work.
    std::optional<OutputFile> file;
    if (!options.output.empty() && options.output != "-")
        file.emplace(options.output, options.input);
    FdWriter standardOutput(STDOUT_FILENO, "standard output");
    FdWriter& out = file ? file->Writer() : standardOutput;
    const std::string outName = file ? options.output : "standard output";

    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto start = Clock::now();
    LineReader reader(inFd, source, kMaxLineBytes, &gSignal);
    Pipeline pipeline(options, out, !file, terminal);
    // --size reads the whole input before writing (groups): handed over to the sizing.
    SizedBatch sized;
    if (options.size) {
        sized = SizeBatch(reader, out, options, gSignal);
    } else {
        pipeline.Run(reader);
    }
    const BatchTally& tally = options.size ? sized.tally : pipeline.Tally();
    if (terminal && !options.size) pipeline.DrawProgress(true);

    if (const int signal = gSignal.load(); signal != 0) {
        const std::string partial = file ? file->KeepPartial() : std::string();
        if (!file) out.Flush();
        std::fprintf(stderr, "as4100 batch: interrupted; %s%s\n",
                     WrittenWhere(tally.written, partial.empty() ? outName : partial).c_str(),
                     partial.empty() ? "" : (" (" + options.output + " left as it was)").c_str());
        return 128 + signal;
    }
    if (const std::exception_ptr failure = options.size ? sized.failure : pipeline.Failure()) {
        try {
            std::rethrow_exception(failure);
        } catch (const InputError& e) {
            // A read that failed part-way: what was written is kept, apart, as after a signal.
            const std::string partial = file ? file->KeepPartial() : std::string();
            throw InputError(std::string(e.what()) + "; " +
                             WrittenWhere(tally.written, partial.empty() ? outName : partial));
        } catch (const OutputError& e) {
            if (!e.ClosedByReader()) throw;
            // The consumer stopped reading: stop quietly, with the verdict of what it got.
            return tally.failed == 0 && tally.refused == 0 ? 0 : 1;
        }
    }
    if (tally.lines == 0 && tally.written == 0) {
        throw InputError(source + ": holds no lines to check");
    }
    if (file) {
        file->Commit();
    } else {
        out.Flush();
    }
    if (terminal || options.stats) {
        PrintSummary(tally, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return tally.failed == 0 && tally.refused == 0 ? 0 : 1;
}

}  // namespace as4100
