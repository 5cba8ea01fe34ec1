// The member file: what the user writes, read and checked, converted to SI and to the host's
// types (section record, grade, member points, sub-spans) ready to hand to a checker.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "app/InputError.h"
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
    std::optional<double> alphaM;
    std::optional<double> deltaMajor;
    std::optional<double> deltaMinor;
    bool Any() const { return lengths || alphaM || deltaMajor || deltaMinor; }
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
};

// Reads a member from parsed JSON. `source` names the input in messages. Throws InputError
// for anything refused.
MemberInput ParseMember(const nlohmann::json& document, const std::string& source);
// Parses JSON text first (a syntax error is refused like any other).
MemberInput ParseMemberText(const std::string& text, const std::string& source);
// Reads the file; an unreadable file is refused too.
MemberInput LoadMemberFile(const std::string& path);

}  // namespace as4100
