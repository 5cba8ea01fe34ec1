// Reading input files: what is not a file (a directory, a device) is refused in words, and
// nothing is read without a bound.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

namespace as4100 {

// A member file larger than this is refused unread.
constexpr std::size_t kMaxMemberFileBytes = std::size_t{64} << 20;

// Opens `path` to read: a regular file or a pipe (process substitution, a FIFO). Throws
// InputError giving the reason in words ("is a directory", "is not a regular file", the
// system's reason); "" is refused as an empty file name.
int OpenInputFile(const std::string& path);

// The whole file, refused when larger than `limit` bytes or when a read fails.
std::string ReadInputFile(const std::string& path, std::size_t limit);

// Splits what a file descriptor gives into lines ("\n", a "\r" before it dropped), holding at
// most one line. Does not own the descriptor.
class LineReader {
  public:
    enum class Status { Line, TooLong, End, Stopped };

    // `stop` (may be null) is checked when a read is interrupted by a signal.
    LineReader(int fd, std::string name, std::size_t maxLine, const std::atomic<int>* stop);

    // The next line into `line`. TooLong: the line exceeded maxLine and was skipped to its
    // end (`line` empty). Stopped: a signal arrived and `stop` was set. Throws InputError
    // when a read fails.
    Status Next(std::string& line);

  private:
    bool Fill();  // false at the end of input or when stopped

    int fd_;
    std::string name_;
    std::size_t maxLine_;
    const std::atomic<int>* stop_;
    std::string buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool stopped_ = false;
    std::size_t lines_ = 0;
};

}  // namespace as4100
