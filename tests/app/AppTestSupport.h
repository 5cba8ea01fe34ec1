// Helpers of the as4100 program's tests: a base member document, running the built program,
// scratch files.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace as4100::test {

// A 6 m simply supported 310UB40.4 under 20 kN/m, braced at midspan (SI units).
inline nlohmann::json BaseMember() {
    return nlohmann::json::parse(R"({
      "title": "test beam", "section": "310UB40.4", "grade": "300PLUS",
      "points": [
        {"x": 0.0, "restraint": {"names": ["F"]}},
        {"x": 3.0, "restraint": {"names": ["lateral", "flange1", "flange2", "twist", "full_twist"]}},
        {"x": 6.0, "restraint": {"names": ["F"]}}],
      "segments": [{"restraint": {"load_height": 0.152}}, {"restraint": {"load_height": 0.152}}],
      "cases": [{"name": "ULS", "subspans": [
        {"forces_left": [0, 60000, 0], "forces_right": [0, 0, 0],
         "moments_left": [0, 0, 0], "moments_right": [0, 90000, 0]},
        {"forces_left": [0, 0, 0], "forces_right": [0, -60000, 0],
         "moments_left": [0, 90000, 0], "moments_right": [0, 0, 0]}]}]
    })");
}

// A sub-span's end actions: forces [N, Vmajor, Vminor] and moments [T, Mmajor, Mminor].
inline nlohmann::json Sub(nlohmann::json fl, nlohmann::json fr, nlohmann::json ml,
                          nlohmann::json mr) {
    return {{"forces_left", fl}, {"forces_right", fr}, {"moments_left", ml}, {"moments_right", mr}};
}

// Every force and moment of the first case times `factor`.
inline nlohmann::json ScaledLoads(nlohmann::json doc, double factor) {
    for (nlohmann::json& s : doc["cases"][0]["subspans"])
        for (const char* key : {"forces_left", "forces_right", "moments_left", "moments_right"})
            for (nlohmann::json& v : s[key]) v = v.get<double>() * factor;
    return doc;
}

// The documents of a JSON Lines text.
inline std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> docs;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) docs.push_back(nlohmann::json::parse(line));
    return docs;
}

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ScratchDir {
  public:
    ScratchDir() {
        char pattern[] = "/tmp/as4100-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the built program with the arguments (a shell word list); stdout and stderr apart.
inline ProgramRun RunProgram(const std::string& args) {
    const ScratchDir scratch;
    const std::string out = scratch.File("stdout"), err = scratch.File("stderr");
    const int raw = std::system(
        ("'" + std::string(AS4100_BIN) + "' " + args + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

// Every element opened is closed, in order (void and self-closed elements excepted), and no
// bare "&" in text: "" or what is wrong.
inline std::string TagProblem(const std::string& markup) {
    static const std::regex tag("<(/?)([a-zA-Z0-9]+)[^>]*>");
    static const std::regex bareAmpersand("&(?![a-z]+;|#[0-9]+;)");
    if (std::regex_search(markup, bareAmpersand)) return "bare &";
    std::vector<std::string> open;
    for (auto it = std::sregex_iterator(markup.begin(), markup.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2], whole = (*it)[0];
        if (name == "meta" || whole.ends_with("/>")) continue;
        if ((*it)[1].length() == 0)
            open.push_back(name);
        else if (open.empty() || open.back() != name)
            return "</" + name + "> closes " + (open.empty() ? "nothing" : open.back());
        else
            open.pop_back();
    }
    return open.empty() ? "" : "<" + open.back() + "> left open";
}

}  // namespace as4100::test
