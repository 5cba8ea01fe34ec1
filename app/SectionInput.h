// The `section`, `grade` and `section_options` fields of a member file.
#pragma once

#include <string>

#include "app/JsonField.h"
#include "app/Units.h"
#include "host/Section.h"
#include "host/SteelGrade.h"

namespace as4100 {

// A catalogue designation or a dimension object; `name` receives the designation or the
// user section's name.
Arbor::Data::CSection ReadSection(const JsonField& field, const UnitSystem& units,
                                  std::string& name);
// Net area ratio and plastic/elastic capacity ratio, stored on the section record.
void ReadSectionOptions(const JsonField& field, Arbor::Data::CSection& section);
// A catalogue grade name or a user grade object; `name` receives the grade's name.
Arbor::Data::CSteelGrade ReadGrade(const JsonField& field, const UnitSystem& units,
                                   std::string& name);

}  // namespace as4100
