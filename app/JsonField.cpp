#include "app/JsonField.h"

#include <algorithm>
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
    std::string where = Path();
    if (where.empty()) where = "(top level)";
    std::string message = *source_ + ": " + where + ": " + problem + ", got " + ShortDump(ToJson());
    if (!hint.empty()) message += "; " + hint;
    throw InputError(message);
}

std::string PathKey(std::string_view key) {
    return OneLine(key, kMaxShownKey);
}

std::vector<std::string> JsonField::Keys() const {
    std::vector<std::string> keys;
    if (IsObject()) {
        document_->ForEach(*value_,
                           [&](const JsonNode& m) { keys.emplace_back(document_->Key(m)); });
    }
    return keys;
}

nlohmann::json JsonField::ToJson() const {
    return document_->ToJson(*value_);
}

std::string JsonField::Path() const {
    std::vector<const JsonField*> chain;  // this field, its parent, ..., below the top level
    for (const JsonField* f = this; f->parent_; f = f->parent_) chain.push_back(f);
    std::string path;
    for (auto f = chain.rbegin(); f != chain.rend(); ++f) {
        if ((*f)->index_ != kNoIndex) {
            path += "[" + std::to_string((*f)->index_) + "]";
        } else {
            path += (path.empty() ? "" : ".") + PathKey(document_->Key(*(*f)->value_));
        }
    }
    return path;
}

JsonField JsonField::Member(JsonKey key) const {
    if (!IsObject()) Refuse("must be an object");
    const JsonNode* found = document_->Find(*value_, key);
    if (!found) Refuse("missing field \"" + std::string(key.text) + "\"");
    return JsonField(*this, *found, kNoIndex);
}

void JsonField::RequireObject(const std::vector<JsonKey>& allowed) const {
    RequireKeys(allowed.data(), allowed.size());
}

void JsonField::RequireObject(std::initializer_list<JsonKey> allowed) const {
    RequireKeys(allowed.begin(), allowed.size());
}

void JsonField::RequireKeys(const JsonKey* allowed, std::size_t count) const {
    if (!IsObject()) Refuse("must be an object");
    // The first unknown key in key order (as a sorted object lists them), not in the text's.
    const JsonNode* unknown = nullptr;
    std::size_t next = 0;  // files mostly give the keys in the order listed: try that first
    document_->ForEach(*value_, [&](const JsonNode& member) {
        if (next < count && document_->SameKey(member, allowed[next])) {
            ++next;
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (document_->SameKey(member, allowed[i])) {
                next = i + 1;
                return;
            }
        }
        const std::string_view key = document_->Key(member);
        if (IsNoteKey(key)) return;
        if (!unknown || key < document_->Key(*unknown)) unknown = &member;
    });
    if (!unknown) return;
    std::string list;
    for (std::size_t i = 0; i < count; ++i)
        list += (list.empty() ? "" : ", ") + std::string(allowed[i].text);
    JsonField(*this, *unknown, kNoIndex).Refuse("unknown field", "expected one of: " + list);
}

std::size_t JsonField::ArraySize() const {
    if (!IsArray()) Refuse("must be an array");
    return value_->count;
}

double JsonField::Number() const {
    if (!IsNumber()) Refuse("must be a number");
    const double v = value_->Real();
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
    if (Kind() == JsonKind::Integer || Kind() == JsonKind::Unsigned) {
        // A whole number past 2^63 converts as nlohmann's get<std::int64_t> does: negative.
        const auto v = Kind() == JsonKind::Integer ? value_->integer
                                                   : static_cast<std::int64_t>(value_->whole);
        if (v >= 0 && v <= 0xFFFFFFFFll) return static_cast<unsigned>(v);
    }
    Refuse("must be a whole number from 0 to 4294967295");
}

std::string JsonField::String() const {
    return std::string(Text());
}

std::string_view JsonField::Text() const {
    if (!IsString()) Refuse("must be a string");
    return document_->Text(*value_);
}

}  // namespace as4100
