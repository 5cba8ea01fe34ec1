// The title block of a calculation: job, member mark, engineer, checker, date and revision,
// from the member file's "project" object and the command line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace as4100 {

class JsonField;

struct ProjectInfo {
    std::string job, member, engineer, checker, date, revision;

    // The fields in title-block order with their labels ("Job", ...); empty ones included.
    std::vector<std::pair<const char*, const std::string*>> Fields() const;
    bool Empty() const;
};

// Reads `"project": {"job": ..., ...}`; every key optional, every value a string.
ProjectInfo ReadProject(const JsonField& field);

// Applies "key=value" (a command-line setting, e.g. "engineer=A. Smith") over the file's
// values. Throws InputError for an unknown key or a setting without "=".
void SetProjectField(ProjectInfo& project, const std::string& setting);

}  // namespace as4100
