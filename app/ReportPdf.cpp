#include "app/ReportPdf.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace as4100 {

namespace {

namespace fs = std::filesystem;

bool Executable(const fs::path& p) {
    return ::access(p.c_str(), X_OK) == 0 && fs::is_regular_file(p);
}

// A scratch folder removed when it goes out of scope.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "as4100-pdf-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

int Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0) return -1;
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::optional<std::string> FindChromium() {
    if (const char* given = std::getenv("AS4100_CHROMIUM"); given && *given) {
        return Executable(given) ? std::optional<std::string>(given) : std::nullopt;
    }
    const char* path = std::getenv("PATH");
    const std::string dirs = path ? path : "/usr/bin:/bin";
    for (const char* name :
         {"chromium", "chromium-browser", "google-chrome", "google-chrome-stable"}) {
        size_t start = 0;
        while (start <= dirs.size()) {
            const size_t end = std::min(dirs.find(':', start), dirs.size());
            const fs::path candidate = fs::path(dirs.substr(start, end - start)) / name;
            if (end > start && Executable(candidate)) return candidate.string();
            start = end + 1;
        }
    }
    return std::nullopt;
}

std::string NoChromiumMessage() {
    return "printing a PDF needs a headless Chromium, and none was found: install one "
           "(Debian: apt-get install chromium) or set AS4100_CHROMIUM to its path; or write "
           "--report OUT.html and print it from any browser (A4 is set in the page)";
}

void PrintPdf(const std::string& chromium, const std::string& html, const std::string& path) {
    const ScratchFolder scratch;
    const fs::path page = scratch.Path() / "report.html";
    std::ofstream(page, std::ios::binary) << html;
    // The PDF goes beside its destination first, so the rename into place is atomic.
    const fs::path target = fs::absolute(path);
    const fs::path partial = target.string() + ".partial";
    const int status =
        Run({chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
             "--user-data-dir=" + (scratch.Path() / "profile").string(),
             "--print-to-pdf=" + partial.string(), "file://" + page.string()});
    std::error_code ec;
    if (status != 0 || !fs::exists(partial, ec) || fs::file_size(partial, ec) == 0) {
        fs::remove(partial, ec);
        throw std::runtime_error(path + ": the browser (" + chromium + ") could not print the PDF");
    }
    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        throw std::runtime_error(path + ": cannot write the PDF");
    }
}

}  // namespace as4100
