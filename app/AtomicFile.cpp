#include "app/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/InputError.h"

namespace as4100 {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWriteBuffer = std::size_t{64} << 10;
constexpr int kMaxLinkHops = 40;  // as the system's own limit on symbolic links

std::string Reason(int error) {
    return std::strerror(error);
}

[[noreturn]] void WriteFailure(const std::string& name, const std::string& what, int error) {
    throw OutputError(name + ": " + what + ": " + Reason(error), error == EPIPE);
}

// The file a path finally names: symbolic links followed, even one whose target does not
// exist yet (writing creates it).
fs::path FollowLinks(const fs::path& path) {
    fs::path current = fs::absolute(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw InputError(path.string() + ": too many levels of symbolic links");
}

std::size_t NameLimit(const fs::path& dir) {
    const long limit = pathconf(dir.empty() ? "." : dir.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

std::string NameWithSuffix(const std::string& name, const std::string& suffix, std::size_t limit) {
    std::size_t keep = limit > suffix.size() ? std::min(name.size(), limit - suffix.size()) : 0;
    // Cut before a UTF-8 continuation byte, never inside a character.
    while (keep > 0 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return name.substr(0, keep) + suffix;
}

void FdWriter::WriteAll(std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd_, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) WriteFailure(name_, "cannot write", errno);
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

void FdWriter::Write(std::string_view data) {
    if (buffer_.size() + data.size() > kWriteBuffer) Flush();
    if (data.size() >= kWriteBuffer) {
        WriteAll(data);
    } else {
        buffer_.append(data);
    }
}

void FdWriter::Flush() {
    WriteAll(buffer_);
    buffer_.clear();
}

OutputFile::OutputFile(const std::string& path, const std::string& input)
    : path_(path), writer_(-1, path) {
    if (path.empty()) throw InputError("\"\": the output file name is empty");
    const fs::path target = FollowLinks(path);
    target_ = target.string();
    struct stat info {};
    const bool exists = stat(target_.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) throw InputError(path + ": is a directory");
    if (!input.empty() && input != "-" && (input == path || SameFile(input, target_))) {
        throw InputError(path + ": is the input file; give another output name");
    }
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe: no temporary file, no rename.
        fd_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0) WriteFailure(path, "cannot open", errno);
        writer_ = FdWriter(fd_, path);
        return;
    }
    const fs::path dir = target.parent_path();
    const std::string name = target.filename().string();
    if (name.size() > NameLimit(dir)) {
        throw InputError(path + ": the file name is longer than the system allows (" +
                         std::to_string(NameLimit(dir)) + " bytes)");
    }
    const std::string suffix = "." + std::to_string(getpid()) + ".tmp";
    temp_ = (dir / NameWithSuffix("." + name, suffix, NameLimit(dir))).string();
    fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        temp_.clear();
        WriteFailure(path, "cannot write the file", errno);
    }
    if (exists) fchmod(fd_, info.st_mode & 07777);  // a replaced file keeps its permissions
    writer_ = FdWriter(fd_, path);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) close(fd_);
    if (!temp_.empty()) unlink(temp_.c_str());
}

void OutputFile::CloseTemp() {
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) WriteFailure(path_, "cannot write the file", errno);
}

void OutputFile::Commit() {
    writer_.Flush();
    CloseTemp();
    if (temp_.empty()) return;
    if (rename(temp_.c_str(), target_.c_str()) != 0) {
        WriteFailure(path_, "cannot replace the file", errno);
    }
    temp_.clear();
}

std::string OutputFile::KeepPartial() {
    writer_.Flush();
    CloseTemp();
    if (temp_.empty()) return {};
    const fs::path target(target_);
    const fs::path partial =
        target.parent_path() /
        NameWithSuffix(target.filename().string(), ".partial", NameLimit(target.parent_path()));
    if (rename(temp_.c_str(), partial.c_str()) != 0) {
        WriteFailure(path_, "cannot keep the partial output", errno);
    }
    temp_.clear();
    return partial.string();
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
    OutputFile out(path);
    out.Writer().Write(content);
    out.Commit();
}

}  // namespace as4100
