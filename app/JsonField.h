// A value of a parsed input document together with its path ("cases[0].subspans[1]"), so
// that every refusal names the field and the value it found there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/JsonDocument.h"

namespace as4100 {

// A field names its place by its parent and its key or index, so that reading it builds no
// path: the path is spelled only for a message. A field is used while the field it came from
// lives (its parent, held by the caller).
class JsonField {
  public:
    // The document's top level.
    JsonField(const JsonDocument& document, const std::string& source)
        : document_(&document), value_(&document.Root()), source_(&source) {}

    std::string Path() const;

    // The value as it is, for the few readers that accept more than one kind.
    JsonKind Kind() const { return value_->kind; }
    bool IsObject() const { return value_->kind == JsonKind::Object; }
    bool IsArray() const { return value_->kind == JsonKind::Array; }
    bool IsString() const { return value_->kind == JsonKind::String; }
    bool IsBoolean() const { return value_->kind == JsonKind::Boolean; }
    bool IsNumber() const { return value_->IsNumber(); }
    bool BooleanValue() const { return value_->boolean; }  // of a boolean
    double NumberAsIs() const { return value_->Real(); }   // of a number, unchecked
    std::size_t Size() const { return value_->count; }     // elements or members; 0 else
    std::vector<std::string> Keys() const;                 // an object's keys, in order
    nlohmann::json ToJson() const;                         // for a dump of the value

    // Object members. Member() refuses a missing key; Optional() gives nothing for it.
    bool Has(JsonKey key) const { return document_->Find(*value_, key) != nullptr; }
    JsonField Member(JsonKey key) const;
    std::optional<JsonField> Optional(JsonKey key) const {
        const JsonNode* found = document_->Find(*value_, key);
        if (!found) return std::nullopt;
        return JsonField(*this, *found, kNoIndex);
    }
    // Refuses anything but an object, and any key outside `allowed` (keys beginning with "_"
    // and the key "comment" are notes and always allowed).
    void RequireObject(const std::vector<JsonKey>& allowed) const;
    void RequireObject(std::initializer_list<JsonKey> allowed) const;

    // Arrays.
    std::size_t ArraySize() const;  // refuses a non-array
    JsonField Element(std::size_t index) const {
        return JsonField(*this, document_->Element(*value_, index), index);
    }

    // Scalars.
    double Number() const;       // a finite number
    double NonNegative() const;  // finite and >= 0
    double Positive() const;     // finite and > 0
    unsigned Bits() const;       // an integer 0 … 2^32 − 1
    std::string String() const;
    std::string_view Text() const;  // a string's text as the document holds it

    // Throws InputError: "<source>: <path>: <problem>, got <value>[; <hint>]".
    [[noreturn]] void Refuse(const std::string& problem, const std::string& hint = {}) const;

  private:
    static constexpr std::size_t kNoIndex = static_cast<std::size_t>(-1);
    JsonField(const JsonField& parent, const JsonNode& value, std::size_t index)
        : document_(parent.document_),
          value_(&value),
          source_(parent.source_),
          parent_(&parent),
          index_(index) {}
    void RequireKeys(const JsonKey* allowed, std::size_t count) const;

    const JsonDocument* document_;
    const JsonNode* value_;
    const std::string* source_;
    const JsonField* parent_ = nullptr;  // none at the top level
    std::size_t index_ = kNoIndex;       // the element's index in its parent array (a member's
                                         // key is its node's)
};

// The value as it appeared, shortened to fit a one-line message.
std::string ShortDump(const nlohmann::json& value);

// A key as it may appear in a field path: control characters escaped, shortened.
std::string PathKey(std::string_view key);

// Deepest nesting of arrays and objects accepted in an input document: far beyond what a
// member file needs, small enough that nothing recursing over the document can overflow.
constexpr std::size_t kMaxJsonDepth = 64;

// Parses a JSON document for the loaders. Refuses (InputError naming `source` and the field)
// a syntax error, a number beyond the range of a double, a key given twice in one object and
// nesting deeper than kMaxJsonDepth. Never recurses over the text's nesting.
JsonDocument ParseJsonDocument(std::string_view text, const std::string& source);
// The same into `document`, reusing its storage (a batch reads line after line into one).
void ParseJsonDocument(std::string_view text, const std::string& source, JsonDocument& document);

}  // namespace as4100
