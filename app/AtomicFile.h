// Writing output: a file whole or not at all, standard output as it goes, and write errors
// reported with their cause.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace as4100 {

// A write that failed (disk full, a closed stream): exit status 3. `closedByReader` when the
// other end of a pipe went away (a consumer that stopped reading).
class OutputError : public std::runtime_error {
  public:
    OutputError(const std::string& message, bool closedByReader)
        : std::runtime_error(message), closedByReader_(closedByReader) {}
    bool ClosedByReader() const { return closedByReader_; }

  private:
    bool closedByReader_;
};

// Buffered writes to a file descriptor it does not own; every byte handed over is written or
// an OutputError names `name` and the system's reason.
class FdWriter {
  public:
    FdWriter(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
    void Write(std::string_view data);  // buffered
    void Flush();

  private:
    void WriteAll(std::string_view data);
    int fd_;
    std::string name_;
    std::string buffer_;
};

// An output file named by the user, checked and opened before any work is done:
// - a regular file (new or existing) is written under a temporary name beside it and renamed
//   over it by Commit(), so readers see the old file or the complete new one;
// - a symbolic link is followed: the file it points to is written, the link stays;
// - a device or pipe (/dev/null, a FIFO) is written directly.
// Refused (InputError): a directory, the same file as `input`. Not committed, the temporary
// file is removed on destruction.
class OutputFile {
  public:
    explicit OutputFile(const std::string& path, const std::string& input = {});
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    FdWriter& Writer() { return writer_; }
    const std::string& Path() const { return path_; }
    void Commit();
    // Keeps what was written (whole lines, the caller's part) under a name beside the target
    // ending ".partial" and returns it; "" when the output was written directly.
    std::string KeepPartial();

  private:
    void CloseTemp();

    std::string path_;    // as the user gave it
    std::string target_;  // the file written in the end (links followed)
    std::string temp_;    // empty when written directly
    int fd_ = -1;
    FdWriter writer_;
};

// Writes `content` to `path` through an OutputFile, whole or not at all.
void WriteFileAtomically(const std::string& path, const std::string& content);

// `name` + `suffix`, the name shortened (at a character boundary) so that the whole is at
// most `limit` bytes.
std::string NameWithSuffix(const std::string& name, const std::string& suffix, std::size_t limit);

}  // namespace as4100
