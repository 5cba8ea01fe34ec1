// `as4100 section DESIGNATION [--grade G] [--json]` and `as4100 sections [--family F]`.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/Section.h"
#include "host/SteelGrade.h"

namespace as4100 {

// What the section calculator gives for a catalogue section with no actions applied.
struct SectionCapacities {
    std::string designation, shape, grade;
    double fy = 0, fu = 0, Ag = 0, kf = 0;
    std::string classX, classY, classCompression;
    double Zex = 0, Zey = 0;
    double phiNs = 0, phiNt = 0, phiMsx = 0, phiMsy = 0, phiVvy = 0, phiVvx = 0;
};

// Throws InputError for an unknown section or grade; empty when the checker does not handle
// the section's shape.
std::optional<SectionCapacities> ComputeSectionCapacities(const std::string& designation,
                                                          const std::string& grade);

// The same for a member's own section and grade (a user section too); empty when the checker
// does not handle the shape.
std::optional<SectionCapacities> MemberSectionCapacities(const Arbor::Data::CSection& section,
                                                         const Arbor::Data::CSteelGrade& grade);

nlohmann::ordered_json SectionJson(const SectionCapacities& s);
std::string SectionText(const SectionCapacities& s);

// The commands: print to standard output and return the exit status.
int RunSectionCommand(const std::string& designation, const std::string& grade, bool json);
int RunSectionsCommand(const std::string& family);

}  // namespace as4100
