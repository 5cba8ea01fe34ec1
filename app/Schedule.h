// The design schedule of a whole model: one row per member with its governing case,
// utilisation and check, as CSV for spreadsheets and as one standalone HTML page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ModelInput.h"
#include "app/RunCheck.h"

namespace as4100 {

enum class Verdict { Pass, Fail, Refused };

// What sizing chose for a member's group (`model --size`).
struct GroupChoice {
    std::string inputSection;     // the section of the members table
    std::string governingMember;  // the member that governs the group's section
    double groupUtil = 0.0;       // its governing utilisation in that section
    bool found = true;            // false: no section passes; the best candidate is shown
};

struct ScheduleRow {
    std::string member, group, section, grade;
    double length = 0.0;  // m
    std::string governingCase;
    double util = 0.0;  // governing utilisation over the cases (infinite when one did not run)
    std::string check;  // the check that governs, in words
    Verdict verdict = Verdict::Refused;
    std::string note;  // why it was refused, or cases left out
    std::optional<GroupChoice> sizing;
};

// The row of a checked member (`result` its check) or of a refused one (`result` null).
ScheduleRow ScheduleRowOf(const ModelMember& member, const MemberResult* result);

// "312 members, 7 fail, heaviest utilisation 1.12 at B14" (", 2 refused" added when any).
std::string ScheduleSummary(const std::vector<ScheduleRow>& rows);

std::string ScheduleCsv(const std::vector<ScheduleRow>& rows);
// Inline styles and script only: sorts by a column when its heading is clicked; failing and
// refused rows red.
std::string ScheduleHtml(const std::vector<ScheduleRow>& rows, const std::string& title);

}  // namespace as4100
