// The member file: what the user writes, read and checked, converted to SI and to the host's
// types (section record, grade, member points, sub-spans) ready to hand to a checker.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/InputError.h"
#include "app/JsonDocument.h"
#include "app/Rules.h"
#include "app/Stations.h"
#include "app/TitleBlock.h"
#include "host/Restraint.h"
#include "host/Section.h"
#include "host/Span.h"
#include "host/SteelGrade.h"

namespace as4100 {

struct LoadCase {
    std::string name;
    Arbor::Steel::SubSpanVec subSpans;  // SI, with each sub-span's segment restraint
};

// Optional effective lengths and factors (SI lengths; a negative length is a multiple of the
// member length).
struct MemberOverrides {
    std::optional<std::array<double, 3>> lengths;  // Lyy (major), Lzz (minor), Llt
    // Which of the three the file gave (by axis names one may be given alone; the program
    // fills the others before the check, see RunCheck).
    std::array<bool, 3> given{};
    std::optional<double> alphaM;
    std::optional<double> deltaMajor;
    std::optional<double> deltaMinor;
    bool Any() const { return lengths || alphaM || deltaMajor || deltaMinor; }
};

// What the file said (or left unsaid) that the warnings need and the SI values no longer show.
struct FileFacts {
    bool unitsGiven = false;
    bool metres = true;                   // length unit m (else mm)
    bool newtons = true;                  // force unit N (else kN)
    std::vector<bool> segmentLoadHeight;  // per file sub-span: load_height given
    std::vector<bool> pointLoadHeight;    // per file point: load_height given
};

struct MemberInput {
    std::string source;  // the file (or "line 7") the member came from, for messages
    std::string title;
    std::string sectionName;  // designation, or the name given to a user section
    Arbor::Data::CSection section;
    std::string gradeName;
    Arbor::Data::CSteelGrade grade;
    Arbor::Steel::MemberPointVec points;
    std::vector<LoadCase> cases;
    MemberOverrides overrides;
    ProjectInfo project;  // the title block
    std::string comment;  // the file's "comment", shown under the title in the report
    FileFacts facts;
    StationOptions stationOptions;
    StationMap stations;                // the member points added before the check
    std::vector<std::string> warnings;  // about the file as written (plain sentences)
    std::optional<RuleSet> rules;       // the "rules" key; the command line may choose instead
};

// Reads a member from parsed JSON. `source` names the input in messages. Throws InputError
// for anything refused.
MemberInput ParseMember(const JsonDocument& document, const std::string& source);
MemberInput ParseMember(const nlohmann::json& document, const std::string& source);
// Parses JSON text first (a syntax error is refused like any other).
MemberInput ParseMemberText(const std::string& text, const std::string& source);
// Reads the file; an unreadable file is refused too.
MemberInput LoadMemberFile(const std::string& path);

}  // namespace as4100
