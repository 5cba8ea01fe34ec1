#include "app/JsonField.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "app/InputError.h"

namespace as4100 {

namespace {

constexpr std::size_t kMaxShownValue = 60;
constexpr std::size_t kMaxShownKey = 40;
// Our choice: no quantity of a member file comes near 1e100 in any of its units, and values
// below it stay finite through every unit conversion (the largest factor is 1e9, kN/mm²).
constexpr double kLargestNumber = 1e100;

bool IsNoteKey(std::string_view key) {
    return key == "comment" || key.starts_with('_');
}

}  // namespace

std::string ShortDump(const nlohmann::json& value) {
    std::string text = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (text.size() > kMaxShownValue) text = text.substr(0, kMaxShownValue - 3) + "...";
    return text;
}

void JsonField::Refuse(const std::string& problem, const std::string& hint) const {
    const std::string where = path_.Empty() ? "(top level)" : std::string(path_.View());
    std::string message = *source_ + ": " + where + ": " + problem + ", got " + ShortDump(*value_);
    if (!hint.empty()) message += "; " + hint;
    throw InputError(message);
}

std::string PathKey(std::string_view key) {
    return OneLine(key, kMaxShownKey);
}

bool JsonField::Has(const char* key) const {
    if (!value_->is_object()) return false;
    const auto& object = value_->get_ref<const nlohmann::json::object_t&>();
    return object.find(key) != object.end();
}

FieldPath JsonField::ChildPath(const char* key) const {
    FieldPath path = path_;
    if (!path.Empty()) path.Append(".");
    path.Append(key);
    return path;
}

JsonField JsonField::Member(const char* key) const {
    if (!value_->is_object()) Refuse("must be an object");
    const auto& object = value_->get_ref<const nlohmann::json::object_t&>();
    const auto found = object.find(key);
    if (found == object.end()) Refuse(std::string("missing field \"") + key + "\"");
    return JsonField(found->second, ChildPath(key), *source_);
}

std::optional<JsonField> JsonField::Optional(const char* key) const {
    if (!value_->is_object()) return std::nullopt;
    const auto& object = value_->get_ref<const nlohmann::json::object_t&>();
    const auto found = object.find(key);
    if (found == object.end()) return std::nullopt;
    return JsonField(found->second, ChildPath(key), *source_);
}

void JsonField::RequireObject(const std::vector<std::string_view>& allowed) const {
    RequireKeys(allowed.data(), allowed.size());
}

void JsonField::RequireObject(std::initializer_list<std::string_view> allowed) const {
    RequireKeys(allowed.begin(), allowed.size());
}

void JsonField::RequireKeys(const std::string_view* allowed, std::size_t count) const {
    if (!value_->is_object()) Refuse("must be an object");
    for (const auto& [key, value] : value_->get_ref<const nlohmann::json::object_t&>()) {
        if (IsNoteKey(key)) continue;
        bool known = false;
        for (std::size_t i = 0; i < count && !known; ++i) known = key == allowed[i];
        if (!known) {
            std::string list;
            for (std::size_t i = 0; i < count; ++i) {
                list += (list.empty() ? "" : ", ") + std::string(allowed[i]);
            }
            const std::string shown = PathKey(key);
            const std::string childPath =
                path_.Empty() ? shown : std::string(path_.View()) + "." + shown;
            JsonField(value, childPath, *source_)
                .Refuse("unknown field", "expected one of: " + list);
        }
    }
}

std::size_t JsonField::ArraySize() const {
    if (!value_->is_array()) Refuse("must be an array");
    return value_->size();
}

JsonField JsonField::Element(std::size_t index) const {
    char digits[24];
    digits[0] = '[';
    char* end = std::to_chars(digits + 1, digits + sizeof digits - 1, index).ptr;
    *end++ = ']';
    FieldPath path = path_;
    path.Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    return JsonField(value_->at(index), std::move(path), *source_);
}

double JsonField::Number() const {
    if (!value_->is_number()) Refuse("must be a number");
    const double v = value_->get<double>();
    if (!std::isfinite(v)) Refuse("must be a finite number");
    if (std::fabs(v) > kLargestNumber) Refuse("must be a number of at most 1e100 in magnitude");
    return v;
}

double JsonField::NonNegative() const {
    const double v = Number();
    if (v < 0.0) Refuse("must not be negative");
    return v;
}

double JsonField::Positive() const {
    const double v = Number();
    if (v <= 0.0) Refuse("must be greater than zero");
    return v;
}

unsigned JsonField::Bits() const {
    if (value_->is_number_integer()) {
        const auto v = value_->get<std::int64_t>();
        if (v >= 0 && v <= 0xFFFFFFFFll) return static_cast<unsigned>(v);
    }
    Refuse("must be a whole number from 0 to 4294967295");
}

std::string JsonField::String() const {
    if (!value_->is_string()) Refuse("must be a string");
    return value_->get<std::string>();
}

}  // namespace as4100
