// Steel grade names as engineers write them: catalogue names, the bare numbers of AS/NZS
// 3679.1 ("300", "350"), any case and spacing, with suggestions for a near miss; and the kind
// of product each grade is made for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/SteelGrade.h"

namespace as4100 {

// The catalogue grade a name means ("300", "grade 300", "Grade300" all give Grade 300).
std::optional<Arbor::Data::CSteelGrade> FindGradeByName(std::string_view name);

// Up to three catalogue grade names close to a name that was not found.
std::vector<std::string> SuggestGrades(std::string_view name);

// Hot-rolled and welded products (AS/NZS 3679.1, 3678) or cold-formed hollow sections
// (AS/NZS 1163); Unknown for a user grade.
enum class GradeKind { HotRolled, ColdFormed, Unknown };
GradeKind GradeKindOf(std::string_view catalogueName);

// "did you mean Grade 300, 300PLUS?; known grades: ..." for a refusal message.
std::string GradeHint(std::string_view name);

}  // namespace as4100
