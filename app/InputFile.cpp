#include "app/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/InputError.h"

namespace as4100 {

namespace {

constexpr std::size_t kReadChunk = std::size_t{64} << 10;

[[noreturn]] void RefuseFile(const std::string& path, const std::string& reason) {
    throw InputError(path + ": " + reason);
}

std::string ReadFailure(int error) {
    return std::string("cannot read the file: ") + std::strerror(error);
}

}  // namespace

int OpenInputFile(const std::string& path) {
    if (path.empty()) RefuseFile("\"\"", "the file name is empty");
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) RefuseFile(path, ReadFailure(errno));
    struct stat info {};
    const int statted = fstat(fd, &info);
    const int error = errno;
    if (statted != 0 || S_ISDIR(info.st_mode) ||
        !(S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode))) {
        close(fd);
        if (statted != 0) RefuseFile(path, ReadFailure(error));
        RefuseFile(path, S_ISDIR(info.st_mode) ? "is a directory" : "is not a regular file");
    }
    // Opened without blocking so a FIFO without a writer cannot hang the open; reads block.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string ReadInputFile(const std::string& path, std::size_t limit) {
    const int fd = OpenInputFile(path);
    std::string text;
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            RefuseFile(path, ReadFailure(error));
        }
        if (n == 0) break;
        if (text.size() + static_cast<std::size_t>(n) > limit) {
            close(fd);
            RefuseFile(path, "is larger than " + std::to_string(limit >> 20) + " MB");
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

LineReader::LineReader(int fd, std::string name, std::size_t maxLine, const std::atomic<int>* stop)
    : fd_(fd), name_(std::move(name)), maxLine_(maxLine), stop_(stop), buffer_(kReadChunk, '\0') {}

bool LineReader::Fill() {
    for (;;) {
        const ssize_t n = read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) return false;
        if (errno == EINTR) {
            if (stop_ && stop_->load() != 0) {
                stopped_ = true;
                return false;
            }
            continue;
        }
        throw InputError(name_ + ": " + ReadFailure(errno) + " (after line " +
                         std::to_string(lines_) + ")");
    }
}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    bool tooLong = false;
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            if (stopped_) return Status::Stopped;
            if (!any) return Status::End;
            break;  // a last line without "\n"
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const void* newline = std::memchr(start, '\n', end_ - begin_);
        const std::size_t take =
            newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start)
                    : end_ - begin_;
        if (!tooLong && line.size() + take > maxLine_) {
            tooLong = true;
            line.clear();
            line.shrink_to_fit();
        }
        if (!tooLong) line.append(start, take);
        begin_ += take;
        if (newline) {
            ++begin_;
            break;
        }
    }
    ++lines_;
    if (tooLong) return Status::TooLong;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Status::Line;
}

}  // namespace as4100
