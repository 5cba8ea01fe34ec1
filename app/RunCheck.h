// Runs the checker over a member: one check per load case, the utilisations of every result
// entry, the flags, the effective lengths and (when asked) the report mark-up collected.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/MemberFile.h"
#include "app/Rules.h"
#include "app/StandardWatch.h"
#include "buckling/InteractionData.h"
#include "host/MemberResult.h"
#include "host/SteelMember.h"

namespace as4100 {

struct EntryResult {
    int index = 0;           // entry number in the result
    bool buckling = false;   // the member buckling entry; otherwise a sub-span's local entry
    int subSpan = 0;         // one-based number of the file's sub-span of a local entry
    int piece = 0;           // 1, 2, … when added points split that sub-span; else 0
    bool principal = false;  // an angle strut: moments about u-u and v-v, buckling about both
    std::array<double, Arbor::Steel::kUtilKindCount> util{};
};

struct SpanLength {
    std::uint64_t from = 0, to = 0;  // member point indices
    double xFrom = 0, xTo = 0;       // their positions, m
    double le = 0;                   // effective length, m (may be infinite)
    double r = 0;                    // radius of gyration, m
};

// A lateral-torsional segment as the checker treated it (see LtSegments.h).
struct LtSegment {
    enum class Status { Checked, NotRequired, NotReached };
    std::uint64_t from = 0, to = 0;      // member point indices
    double xFrom = 0, xTo = 0;           // m
    double length = 0;                   // segment length L, m
    unsigned endLeft = 3, endRight = 3;  // restraint type codes: 0 F, 1 P, 2 L, 3 U
    int criticalFlange = 1;              // 1 bottom, 2 top
    bool cantilever = false;
    double moment = 0;  // the end moment (N·m) whose member capacity these factors gave
    double kt = 0, kl = 0, kr = 0, le = 0, alphaM = 0;  // NaN where not used
    bool overridden = false;                            // le = kl × the user's length
    Status status = Status::Checked;
    std::string why;  // why the check was not required
};

struct EffectiveLengths {
    std::vector<SpanLength> major, minor, lateralTorsional;
};

struct CaseResult {
    std::string name;
    bool ran = false;   // the checker ran the check to its end
    bool pass = false;  // ran, not flagged failed, governing utilisation at most 1
    double governing = 0.0;
    std::string governs;  // which check gives the governing utilisation, in words
    unsigned flags = 0;
    std::vector<EntryResult> entries;
    EffectiveLengths lengths;
    std::vector<LtSegment> ltSegments;
    std::vector<Arbor::Steel::ReportPiece> report;  // empty unless the report was asked for
    std::optional<StandardReading> standard;  // the watch: set when the standard is more onerous
};

struct MemberResult {
    std::string source, title, section, grade;
    RuleSet rules = RuleSet::AsWritten;
    std::vector<CaseResult> cases;
    std::vector<std::string> warnings;   // the file's, then each case's
    std::vector<AddedStation> stations;  // member points added before the check
    bool AllPass() const;
};

struct RunOptions {
    bool quick = false;            // QuickCheck: utilisations only
    bool report = false;           // keep the report mark-up (full check only)
    std::optional<RuleSet> rules;  // chosen on the command line; else the member file's
};

// Owns one checker and reuses it member after member (a worker of a batch keeps its own).
class MemberChecker {
  public:
    MemberChecker();
    ~MemberChecker();
    MemberChecker(const MemberChecker&) = delete;
    MemberChecker& operator=(const MemberChecker&) = delete;

    MemberResult Run(const MemberInput& member, const RunOptions& options);

  private:
    // Gives the checker the member's section, grade, points and overrides; true when the
    // section was accepted.
    bool Prepare(const MemberInput& member, bool quick);
    CaseResult RunCase(const MemberInput& member, const LoadCase& loadCase, bool sectionAccepted,
                       const RunOptions& options, std::vector<std::string>& warnings);
    // The watch: the case again under the standard's reading, kept when more onerous.
    std::optional<StandardReading> WatchStandard(const MemberInput& member,
                                                 const LoadCase& loadCase, const CaseResult& c,
                                                 const RunOptions& options);
    // The governing utilisation of the case under the rules set now, nothing else collected.
    double GoverningUtilisation(const LoadCase& loadCase, bool quick);
    void SetRules(RuleSet rules, bool keepUniaxialExponent = false);

    std::unique_ptr<Arbor::Steel::CSteelMemberGen> checker_;
    bool factorsSet_ = false;  // the optional factors cannot be unset: renew the checker
    // The result every check of a case fills, reset before each: its storage is reused.
    Arbor::Steel::CMemberResult result_;
    // The interaction records of the last case checked, as the check left them.
    std::vector<Arbor::Steel::SteelAS4100::CInteractionData> records_;
};

}  // namespace as4100
