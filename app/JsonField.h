// A value of a parsed input document together with its path ("cases[0].subspans[1]"), so
// that every refusal names the field and the value it found there.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace as4100 {

class JsonField {
  public:
    JsonField(const nlohmann::json& value, std::string path, const std::string& source)
        : value_(&value), path_(std::move(path)), source_(&source) {}

    const nlohmann::json& Value() const { return *value_; }
    const std::string& Path() const { return path_; }

    // Object members. Member() refuses a missing key; Optional() gives nothing for it.
    bool Has(const char* key) const;
    JsonField Member(const char* key) const;
    std::optional<JsonField> Optional(const char* key) const;
    // Refuses anything but an object, and any key outside `allowed` (keys beginning with "_"
    // and the key "comment" are notes and always allowed).
    void RequireObject(const std::vector<std::string_view>& allowed) const;
    void RequireObject(std::initializer_list<std::string_view> allowed) const;

    // Arrays.
    std::size_t ArraySize() const;  // refuses a non-array
    JsonField Element(std::size_t index) const;

    // Scalars.
    double Number() const;       // a finite number
    double NonNegative() const;  // finite and >= 0
    double Positive() const;     // finite and > 0
    unsigned Bits() const;       // an integer 0 … 2^32 − 1
    std::string String() const;

    // Throws InputError: "<source>: <path>: <problem>, got <value>[; <hint>]".
    [[noreturn]] void Refuse(const std::string& problem, const std::string& hint = {}) const;

  private:
    void RequireKeys(const std::string_view* allowed, std::size_t count) const;
    std::string ChildPath(const char* key) const;

    const nlohmann::json* value_;
    std::string path_;
    const std::string* source_;
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
nlohmann::json ParseJsonDocument(std::string_view text, const std::string& source);

}  // namespace as4100
