// Section and grade library of our host: the published tables embedded in the program
// (data/sections/*.csv, data/grades.csv, with their provenance in data/README.md).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/Section.h"
#include "host/SteelGrade.h"

namespace Arbor::Data {

struct CatalogueEntry {
    std::string designation;  // "310UB40.4"
    std::string family;       // "UB", "UC", ...
    double massPerMetre = 0;  // kg/m: the published mass, else 7850 kg/m³ × Ag
    CSection section;         // shape, dimensions, category and published properties (SI)
};

class Catalogue {
  public:
    static const Catalogue& Instance();

    // Look-up by designation, tolerant of case and spaces ("310 ub 40.4").
    const CatalogueEntry* FindSection(std::string_view designation) const;
    // Up to `count` designations closest to a name that was not found.
    std::vector<std::string> Suggest(std::string_view designation, int count = 3) const;
    // Every entry, or those of one family, in table order.
    std::vector<const CatalogueEntry*> Sections(std::string_view family = {}) const;

    std::optional<CSteelGrade> FindGrade(std::string_view name) const;  // case/space tolerant
    std::vector<std::string> GradeNames() const;
    // The usual grade of a family: 300PLUS for hot-rolled, C350L0 for hollow sections.
    static std::string DefaultGrade(std::string_view family);

  private:
    Catalogue();
    std::vector<CatalogueEntry> sections_;
    // Each normalised designation's first entry, so that a look-up normalises only its key.
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::vector<CSteelGrade> grades_;
    std::vector<std::string> gradeKeys_;  // each grade's normalised name, as grades_
};

}  // namespace Arbor::Data
