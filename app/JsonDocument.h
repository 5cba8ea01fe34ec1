// A parsed input document, read only: every value one node of a flat array in document order
// (a value's descendants follow it), every string a stretch of one character buffer, so that
// reading a member allocates a few blocks rather than one or more per value.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace as4100 {

// The kinds nlohmann's parser gives a value: a whole number is Integer when negative,
// Unsigned otherwise, and Float when it has a fraction or exponent or does not fit.
enum class JsonKind : std::uint8_t {
    Null,
    Boolean,
    Integer,
    Unsigned,
    Float,
    String,
    Array,
    Object
};

// Eight characters of a key from `from` on packed in a word (zero past the key's end), so
// that looking a key up compares words where it would compare strings: the head (the first
// eight) and the tail (the next eight); any rest only when both match.
constexpr std::uint64_t KeyWord(std::string_view key, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < key.size() && i < from + 8; ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(key[i])} << (8 * (i - from));
    }
    return word;
}

// A key to look up, its words worked out once: a literal's at compile time.
struct JsonKey {
    template <std::size_t N>
    consteval JsonKey(const char (&key)[N]) : JsonKey(std::string_view(key, N - 1)) {}
    constexpr explicit JsonKey(std::string_view key)
        : text(key), head(KeyWord(key, 0)), tail(KeyWord(key, 8)) {}
    constexpr JsonKey(std::string_view key, std::uint64_t keyHead, std::uint64_t keyTail)
        : text(key), head(keyHead), tail(keyTail) {}
    std::string_view text;
    std::uint64_t head;
    std::uint64_t tail;
};

// Offsets and counts fit in 32 bits: every document is read from a file or a line bounded far
// below 4 GB (kMaxMemberFileBytes), and a value takes at least a character of it.
struct JsonNode {
    JsonKind kind = JsonKind::Null;
    bool boolean = false;
    std::uint32_t count = 0;    // an array's elements, an object's members
    std::uint32_t end = 0;      // index one past the value's last descendant
    std::uint32_t at = 0;       // a string's first character; an array's first element index
    std::uint32_t size = 0;     // a string's length
    std::uint32_t keyAt = 0;    // an object member's key
    std::uint32_t keySize = 0;  //
    std::uint64_t keyHead = 0;  // KeyWord(key, 0)
    union {
        std::int64_t integer;
        std::uint64_t whole;
        double real = 0.0;
    };

    bool IsNumber() const {
        return kind == JsonKind::Integer || kind == JsonKind::Unsigned || kind == JsonKind::Float;
    }
    // The number as a double, as nlohmann's get<double> converts it.
    double Real() const {
        return kind == JsonKind::Integer    ? static_cast<double>(integer)
               : kind == JsonKind::Unsigned ? static_cast<double>(whole)
                                            : real;
    }
};

class JsonDocument {
  public:
    JsonDocument();  // a lone null

    // The same document built from one of nlohmann's (object members in its key order).
    static JsonDocument FromJson(const nlohmann::json& value);
    // The value as nlohmann's document, for its dump in messages and output.
    nlohmann::json ToJson(const JsonNode& value) const;

    const JsonNode& Root() const { return nodes_.front(); }
    std::string_view Text(const JsonNode& value) const { return View(value.at, value.size); }
    std::string_view Key(const JsonNode& member) const {
        return View(member.keyAt, member.keySize);
    }
    // An object's member by key; null for a missing key or a value that is not an object.
    const JsonNode* Find(const JsonNode& object, JsonKey key) const {
        if (object.kind != JsonKind::Object) return nullptr;
        std::size_t child = IndexOf(object) + 1;
        for (std::size_t k = 0; k < object.count; ++k, child = nodes_[child].end) {
            if (SameKey(nodes_[child], key)) return &nodes_[child];
        }
        return nullptr;
    }
    bool SameKey(const JsonNode& member, const JsonKey& key) const {
        if (member.keyHead != key.head || member.keySize != key.text.size()) return false;
        if (member.keySize <= 8) return true;
        if (WordAt(member.keyAt + 8, member.keySize - 8) != key.tail) return false;
        return member.keySize <= 16 || std::memcmp(chars_.data() + member.keyAt + 16,
                                                   key.text.data() + 16, member.keySize - 16) == 0;
    }
    // An array's element `index` (< count).
    const JsonNode& Element(const JsonNode& array, std::size_t index) const {
        return nodes_[elements_[array.at + index]];
    }
    // Calls f(child) for an object's members or an array's elements, in order.
    template <class F>
    void ForEach(const JsonNode& container, F&& f) const {
        std::size_t child = IndexOf(container) + 1;
        for (std::size_t k = 0; k < container.count; ++k) {
            f(nodes_[child]);
            child = nodes_[child].end;
        }
    }

  private:
    friend class JsonDocumentBuilder;
    std::size_t IndexOf(const JsonNode& value) const {
        return static_cast<std::size_t>(&value - nodes_.data());
    }
    std::string_view View(std::size_t at, std::size_t size) const {
        return std::string_view(chars_.data() + at, size);
    }
    // KeyWord(View(at, size), 0), as one unaligned load where the byte order allows: the text
    // and every string added after it are followed by kPadding zeros, so eight characters
    // from any of their characters are there to read.
    std::uint64_t WordAt(std::size_t at, std::size_t size) const {
        if constexpr (std::endian::native == std::endian::little) {
            if (at + kPadding <= chars_.size()) {
                std::uint64_t word = 0;
                std::memcpy(&word, chars_.data() + at, kPadding);
                return size >= kPadding ? word : word & ((std::uint64_t{1} << (8 * size)) - 1);
            }
        }
        return KeyWord(View(at, size), 0);
    }
    static constexpr std::size_t kPadding = 8;

    std::string chars_;            // the text read, then any string that had escapes
    std::vector<JsonNode> nodes_;  // never empty; past the root's end, room for the next document
    std::vector<std::uint32_t> elements_;  // each array's element nodes, array after array
};

}  // namespace as4100
