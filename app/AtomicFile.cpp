#include "app/AtomicFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace as4100 {

void WriteFileAtomically(const std::string& path, const std::string& content) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path temp = target.parent_path() /
                          ("." + target.filename().string() + ".tmp" + std::to_string(getpid()));
    FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) throw std::runtime_error(path + ": cannot write: " + std::strerror(errno));
    const bool written = std::fwrite(content.data(), 1, content.size(), out) == content.size();
    const bool closed = std::fclose(out) == 0;
    std::error_code ec;
    if (!written || !closed) {
        fs::remove(temp, ec);
        throw std::runtime_error(path + ": cannot write the file");
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw std::runtime_error(path + ": cannot replace the file: " + ec.message());
    }
}

}  // namespace as4100
