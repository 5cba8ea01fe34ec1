#include "app/TitleBlock.h"

#include "app/InputError.h"
#include "app/JsonField.h"

namespace as4100 {

namespace {

struct FieldKey {
    const char* key;
    const char* label;
    std::string ProjectInfo::*member;
};

const FieldKey kKeys[] = {
    {"job", "Job", &ProjectInfo::job},
    {"member", "Member", &ProjectInfo::member},
    {"engineer", "Engineer", &ProjectInfo::engineer},
    {"checker", "Checker", &ProjectInfo::checker},
    {"date", "Date", &ProjectInfo::date},
    {"revision", "Revision", &ProjectInfo::revision},
};

}  // namespace

std::vector<std::pair<const char*, const std::string*>> ProjectInfo::Fields() const {
    std::vector<std::pair<const char*, const std::string*>> fields;
    for (const FieldKey& k : kKeys) fields.emplace_back(k.label, &(this->*k.member));
    return fields;
}

bool ProjectInfo::Empty() const {
    for (const FieldKey& k : kKeys) {
        if (!(this->*k.member).empty()) return false;
    }
    return true;
}

ProjectInfo ReadProject(const JsonField& field) {
    field.RequireObject({"job", "member", "engineer", "checker", "date", "revision"});
    ProjectInfo project;
    for (const FieldKey& k : kKeys) {
        if (const auto value = field.Optional(JsonKey(k.key))) project.*k.member = value->String();
    }
    return project;
}

void SetProjectField(ProjectInfo& project, const std::string& setting) {
    const auto eq = setting.find('=');
    const std::string key = setting.substr(0, eq);
    for (const FieldKey& k : kKeys) {
        if (eq != std::string::npos && key == k.key) {
            project.*k.member = setting.substr(eq + 1);
            return;
        }
    }
    throw InputError(
        "--project: expected KEY=VALUE with KEY one of job, member, engineer, "
        "checker, date, revision, got \"" +
        setting + "\"");
}

}  // namespace as4100
