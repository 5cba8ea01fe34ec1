// The machine-readable result of a check (`check --json`, one line per member in a batch).
// Always SI; a value that is not finite is written as the string "inf", "-inf" or "nan".
#pragma once

#include <nlohmann/json.hpp>

#include "app/JsonWriter.h"
#include "app/RunCheck.h"

namespace as4100 {

nlohmann::ordered_json NumberJson(double value);
nlohmann::ordered_json ResultJson(const MemberResult& result);
// The same document as text, indented by `indent` spaces a level (`check --json` prints it).
std::string ResultJsonText(const MemberResult& result, int indent);
// The members of that document ("title": …, "cases": […]) written into an open object.
void WriteResultMembers(JsonWriter& writer, const MemberResult& result);

}  // namespace as4100
