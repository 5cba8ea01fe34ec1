// Sizing: the lightest catalogue section that passes every load case of a member, or of every
// member of a group, screened with the quick check and confirmed with the full check.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "app/MemberFile.h"
#include "app/RunCheck.h"
#include "host/Catalogue.h"

namespace as4100 {

struct SizingLimits {
    double maxDepth = std::numeric_limits<double>::infinity();  // m
    double maxWidth = std::numeric_limits<double>::infinity();  // m
};

// The sections to try, lightest first, and what was left out.
struct CandidateList {
    std::vector<const Arbor::Data::CatalogueEntry*> sections;
    std::vector<std::string> skippedFamilies;  // shape not handled by the checker
    std::size_t outsideLimits = 0;             // sections deeper or wider than the limits
};

// One section tried on a member or group.
struct SectionTrial {
    const Arbor::Data::CatalogueEntry* entry = nullptr;
    std::string grade;  // the grade it was tried in (of the group's first member)
    bool pass = false;
    double governing = 0.0;  // largest over the members and cases
    // The largest finite utilisation recorded: ranks sections whose governing utilisation is
    // infinite (a zero capacity, such as the shear capacity taken as zero once the moment
    // exceeds its own).
    double largestFinite = 0.0;
    std::string governs;     // "ULS1: member lateral-torsional buckling"
    std::size_t member = 0;  // index of the member that governs
};

// Ranks by governing utilisation, then by the largest finite one.
bool LowerUtilisation(const SectionTrial& a, const SectionTrial& b);

struct SizingResult {
    std::vector<SectionTrial> tried;  // in the order tried: lightest first
    std::optional<std::size_t> chosen;
    // The lowest utilisation tried, then the lowest largest finite one, then the lighter: the
    // best candidate when none passes.
    std::optional<std::size_t> Best() const;
};

// Overall depth and width of a section, m (the dimensions of host/Section.h by shape).
double SectionDepth(const Arbor::Data::CSection& section);
double SectionWidth(const Arbor::Data::CSection& section);

// The sections of the families, lightest first (table order on equal mass), within the limits;
// a family whose first section the checker answers with "shape not handled" for `probe` is
// skipped whole. Throws InputError for an unknown family.
CandidateList Candidates(const std::vector<std::string>& families, const SizingLimits& limits,
                         MemberChecker& checker, const MemberInput& probe);

// `member` with a catalogue section in place of its own (its section options kept), in the
// member's own grade when `ownGrade`; otherwise in the member's grade for families of the
// same kind as its own section (hot-rolled or hollow: the same usual grade), in their usual
// grade for the others.
MemberInput WithSection(const MemberInput& member, const Arbor::Data::CatalogueEntry& entry,
                        bool ownGrade);

// Tries the candidates in order until the lightest that passes every member with utilisation
// at most `maxUtil`, then `heavierShown` more that pass. Failures are explained by the full
// check; the winner is confirmed by it.
// `ownGrade` as for WithSection.
SizingResult SizeGroup(const std::vector<MemberInput>& members, const CandidateList& candidates,
                       double maxUtil, bool ownGrade, MemberChecker& checker,
                       std::size_t heavierShown = 3);

}  // namespace as4100
