#include "app/GradeNames.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "host/Catalogue.h"

namespace as4100 {

namespace {

// Lower case without blanks, as the catalogue compares names.
std::string Key(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

// Bare AS/NZS 3679.1 grade numbers as engineers write them on drawings.
const std::vector<std::pair<std::string, std::string>>& Aliases() {
    static const std::vector<std::pair<std::string, std::string>> aliases = {{"300", "Grade 300"},
                                                                             {"350", "Grade 350"}};
    return aliases;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<Arbor::Data::CSteelGrade> FindGradeByName(std::string_view name) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const std::string key = Key(name);
    for (const auto& [alias, grade] : Aliases()) {
        if (key == alias) return catalogue.FindGrade(grade);
    }
    return catalogue.FindGrade(name);
}

std::vector<std::string> SuggestGrades(std::string_view name) {
    const std::string key = Key(name);
    std::vector<std::pair<size_t, std::string>> ranked;
    for (const std::string& grade : Arbor::Data::Catalogue::Instance().GradeNames()) {
        const std::string candidate = Key(grade);
        const bool contains = !key.empty() && (candidate.find(key) != std::string::npos ||
                                               key.find(candidate) != std::string::npos);
        const size_t distance = contains ? 0 : EditDistance(key, candidate);
        if (distance <= 3) ranked.emplace_back(distance, grade);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (size_t i = 0; i < ranked.size() && i < 3; ++i) out.push_back(ranked[i].second);
    return out;
}

GradeKind GradeKindOf(std::string_view catalogueName) {
    const std::string key = Key(catalogueName);
    for (const char* hot : {"300plus", "grade300", "grade350"}) {
        if (key == hot) return GradeKind::HotRolled;
    }
    for (const char* cold : {"c250l0", "c350l0", "c450l0"}) {
        if (key == cold) return GradeKind::ColdFormed;
    }
    return GradeKind::Unknown;
}

std::string GradeHint(std::string_view name) {
    std::string known;
    for (const std::string& grade : Arbor::Data::Catalogue::Instance().GradeNames()) {
        known += (known.empty() ? "" : ", ") + grade;
    }
    std::string near;
    for (const std::string& grade : SuggestGrades(name)) near += (near.empty() ? "" : ", ") + grade;
    return (near.empty() ? "" : "did you mean " + near + "? ") + "known grades: " + known +
           " (also 300, 350)";
}

}  // namespace as4100
