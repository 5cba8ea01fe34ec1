// Sizing: the lightest catalogue section that passes every load case of a member, or of every
// member of a group, screened with the quick check and confirmed with the full check.
#pragma once

#include <cstddef>
#include <functional>
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

// ---- sizing runs: `size`, `model --size` and `batch --size` -------------------------------

// The sizing options as typed on the command line.
struct SizingOptions {
    std::vector<std::string> families;
    std::string grade;     // empty: each member's own grade
    std::string maxDepth;  // "400" (mm), "400mm" or "0.4m"; empty: no limit
    std::string maxWidth;
    double maxUtil = 1.0;
};

// The options checked.
struct SizingPlan {
    std::vector<std::string> families;
    SizingLimits limits;
    double maxUtil = 1.0;
    std::optional<Arbor::Data::CSteelGrade> grade;  // unset: each member's own
    std::string gradeName;
};

// Throws InputError naming the option: U outside (0, 1], a limit that is not a positive
// length, an unknown grade.
SizingPlan PlanSizing(const SizingOptions& options);

// The plan's grade, when it names one, in place of the member's.
void ApplyGrade(MemberInput& member, const SizingPlan& plan);

// SizeGroup with the plan's grade, utilisation cap and grade rule.
SizingResult SizeGroup(std::vector<MemberInput> members, const CandidateList& candidates,
                       const SizingPlan& plan, MemberChecker& checker);

// One group: the indices of its members and its sizing.
struct GroupSizing {
    std::string name;  // the group key; empty for a member on its own
    std::vector<std::size_t> members;
    SizingResult result;
    // The chosen section, or the best candidate when none passes (null when none was tried).
    const SectionTrial* Shown() const;
};

// Members that share a non-empty key, in order of first appearance; the others each on
// their own.
std::vector<GroupSizing> GroupsOf(const std::vector<std::string>& keys);

// Runs `work(i, checker)` for i from 0 to count - 1 on `jobs` workers, each with its own
// checker; returns early once `stop` (when given) is set.
void OnWorkers(std::size_t count, int jobs,
               const std::function<void(std::size_t, MemberChecker&)>& work,
               const std::function<bool()>& stop = {});

}  // namespace as4100
