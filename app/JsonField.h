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

namespace as4100 {

// A field's path, held inline (no allocation) while it is short, as nearly all are.
class FieldPath {
  public:
    FieldPath() = default;
    explicit FieldPath(std::string_view text) { Append(text); }

    std::string_view View() const {
        return spilled_ ? std::string_view(long_) : std::string_view(short_, size_);
    }
    bool Empty() const { return View().empty(); }
    void Append(std::string_view part) {
        if (!spilled_ && size_ + part.size() <= kShort) {
            part.copy(short_ + size_, part.size());
            size_ += static_cast<std::uint8_t>(part.size());
            return;
        }
        if (!spilled_) long_.assign(short_, size_);
        spilled_ = true;
        long_ += part;
    }

  private:
    static constexpr std::size_t kShort = 94;
    std::uint8_t size_ = 0;
    bool spilled_ = false;
    char short_[kShort];
    std::string long_;
};

class JsonField {
  public:
    JsonField(const nlohmann::json& value, std::string path, const std::string& source)
        : value_(&value), path_(path), source_(&source) {}

    const nlohmann::json& Value() const { return *value_; }
    std::string Path() const { return std::string(path_.View()); }

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
    JsonField(const nlohmann::json& value, FieldPath path, const std::string& source)
        : value_(&value), path_(std::move(path)), source_(&source) {}
    FieldPath ChildPath(const char* key) const;

    const nlohmann::json* value_;
    FieldPath path_;
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
