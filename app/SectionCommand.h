// `as4100 section DESIGNATION [--grade G] [--rules R] [--json]` and `as4100 sections [--family F]`.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/Rules.h"
#include "host/Section.h"
#include "host/SteelGrade.h"

namespace as4100 {

// What the section calculator gives for a catalogue section with no actions applied.
struct SectionCapacities {
    std::string designation, shape, grade;
    RuleSet rules = RuleSet::AsWritten;  // the shear yield stress follows it (cl. 5.11.4)
    double fy = 0, fu = 0, Ag = 0, kf = 0;
    std::string classX, classY, classCompression;
    double Zex = 0, Zey = 0;
    double phiNs = 0, phiNt = 0, phiMsx = 0, phiMsy = 0, phiVvy = 0, phiVvx = 0;
    // Angles, about their principal axes: effective moduli with a positive moment about each
    // (toes in compression about v-v), design capacities, second moments and radii.
    struct Principal {
        double Zeu = 0, Zev = 0, phiMsu = 0, phiMsv = 0, Iu = 0, Iv = 0, ru = 0, rv = 0;
    };
    std::optional<Principal> principal;
};

// Throws InputError for an unknown section or grade; empty when the checker does not handle
// the section's shape.
std::optional<SectionCapacities> ComputeSectionCapacities(const std::string& designation,
                                                          const std::string& grade,
                                                          RuleSet rules = RuleSet::AsWritten);

// The same for a member's own section and grade (a user section too); empty when the checker
// does not handle the shape.
std::optional<SectionCapacities> MemberSectionCapacities(const Arbor::Data::CSection& section,
                                                         const Arbor::Data::CSteelGrade& grade,
                                                         RuleSet rules = RuleSet::AsWritten);

nlohmann::ordered_json SectionJson(const SectionCapacities& s);
std::string SectionText(const SectionCapacities& s);

// The commands: print to standard output and return the exit status.
int RunSectionCommand(const std::string& designation, const std::string& grade, RuleSet rules,
                      bool json);
int RunSectionsCommand(const std::string& family);

}  // namespace as4100
