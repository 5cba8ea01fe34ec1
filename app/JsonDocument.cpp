// Parsing an input document: a one-pass reader for plain documents straight into the flat
// document, and for anything else a SAX handler with bounded nesting that builds nlohmann's
// document, so the depth, duplicate keys and the place of a bad number are known as they come.
#include "app/JsonDocument.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/InputError.h"
#include "app/JsonField.h"

namespace as4100 {

namespace {

using nlohmann::json;

class BoundedDocumentBuilder {
  public:
    explicit BoundedDocumentBuilder(const std::string& source) : source_(source) {}

    json Take() { return std::move(root_); }

    bool null() { return Put(json(nullptr)); }
    bool boolean(bool v) { return Put(json(v)); }
    bool number_integer(json::number_integer_t v) { return Put(json(v)); }
    bool number_unsigned(json::number_unsigned_t v) { return Put(json(v)); }
    bool number_float(json::number_float_t v, const json::string_t&) { return Put(json(v)); }
    bool string(json::string_t& v) { return Put(json(std::move(v))); }
    bool binary(json::binary_t& v) { return Put(json::binary(std::move(v))); }

    bool start_object(std::size_t) { return Open(json::object()); }
    bool start_array(std::size_t) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(json::string_t& name) {
        Frame& frame = frames_.back();
        auto [slot, inserted] = frame.container->get_ref<json::object_t&>().emplace(name, nullptr);
        frame.slot = &slot->second;
        frame.key = &slot->first;
        if (!inserted) Refuse(Path(), "the key \"" + PathKey(name) + "\" is given twice");
        return true;
    }

    bool parse_error(std::size_t, const std::string& token, const json::exception& e) {
        // 406: a number beyond the range of a double (1e999), refused at its field.
        if (e.id == 406) {
            Refuse(Path(/*next=*/true), "number beyond the range of a double, got " + token);
        }
        // nlohmann's text after its "[json.exception...] " tag names the place.
        std::string what = e.what();
        const auto tag = what.find("] ");
        if (tag != std::string::npos) what = what.substr(tag + 2);
        throw InputError(source_ + ": not valid JSON: " + what);
    }

  private:
    struct Frame {
        json* container;
        json* slot = nullptr;              // an object's value under the last key
        const std::string* key = nullptr;  // that key
        std::size_t elements = 0;          // an array's elements so far
    };

    // Stores a value where the innermost open container expects it.
    json* Store(json&& value) {
        if (frames_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Frame& frame = frames_.back();
        if (frame.container->is_array()) {
            ++frame.elements;
            frame.container->push_back(std::move(value));
            return &frame.container->back();
        }
        *frame.slot = std::move(value);
        return frame.slot;
    }

    bool Put(json&& value) {
        Store(std::move(value));
        return true;
    }

    bool Open(json&& container) {
        json* placed = Store(std::move(container));
        if (frames_.size() >= kMaxJsonDepth) {
            Refuse(Path(), "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        }
        frames_.push_back(Frame{placed});
        return true;
    }

    bool Close() {
        frames_.pop_back();
        return true;
    }

    // The path of the innermost value placed ("cases[0].name"); with `next`, of the value
    // about to be placed in an array.
    std::string Path(bool next = false) const {
        std::string path;
        for (std::size_t i = 0; i < frames_.size(); ++i) {
            const Frame& f = frames_[i];
            if (f.container->is_array()) {
                const bool last = i + 1 == frames_.size();
                const std::size_t index = f.elements - (next && last ? 0 : 1);
                path += "[" + std::to_string(index) + "]";
            } else if (f.key) {
                path += (path.empty() ? "" : ".") + PathKey(*f.key);
            }
        }
        return path.empty() ? "(top level)" : path;
    }

    [[noreturn]] void Refuse(const std::string& path, const std::string& problem) const {
        throw InputError(source_ + ": " + path + ": " + problem);
    }

    const std::string& source_;
    json root_;
    std::vector<Frame> frames_;
};

}  // namespace

// Offsets are kept in 32 bits (JsonNode): files and lines are bounded far below, but a document
// built in memory is not, so its text is refused rather than wrapped round.
static void RefuseBeyondOffsets(std::size_t characters) {
    constexpr std::size_t kMostCharacters = std::numeric_limits<std::uint32_t>::max() / 2;
    if (characters > kMostCharacters) {
        throw InputError("a JSON document of " + std::to_string(characters) +
                         " characters: more than the reader's limit of " +
                         std::to_string(kMostCharacters));
    }
}

// Appends values to a document in document order: containers opened and closed around their
// children, an object member's key given before its value.
class JsonDocumentBuilder {
  public:
    // Starts `document` afresh over `text` (strings without escapes are read in place), in the
    // storage it already has.
    JsonDocumentBuilder(JsonDocument& document, std::string_view text)
        : document_(document), nodes_(document.nodes_) {
        RefuseBeyondOffsets(text.size());
        document_.chars_.assign(text);
        document_.chars_.append(JsonDocument::kPadding, '\0');  // see WordAt
        document_.elements_.clear();
        // A value takes ten characters or so in a member file; growing past this is rare.
        // Nodes are written over, not appended: the room of an earlier document is kept. Room
        // made up front is zeroed, so a long text's nodes come by doubling instead.
        const std::size_t room = std::min<std::size_t>(text.size() / 8 + 4, kMostRoomUpFront);
        if (nodes_.size() < room) nodes_.resize(room);
        document_.elements_.reserve(text.size() / 16 + 4);
    }

    std::size_t Depth() const { return depth_; }
    bool InObject() const { return inObject_; }

    // Characters appended after the text; their offset.
    std::size_t AddChars(std::string_view text) {
        const std::size_t at = document_.chars_.size();
        RefuseBeyondOffsets(at + text.size());
        document_.chars_.append(text);
        document_.chars_.append(JsonDocument::kPadding, '\0');
        return at;
    }

    // The key of the open object's next member; false when the object has it already.
    bool Key(std::size_t at, std::size_t size) {
        const JsonNode& object = nodes_[top_];
        // Our choice: a plain object has few members; a long one goes to the full parse.
        if (object.count >= kMostPlainMembers) return false;
        const std::uint64_t head = document_.WordAt(at, size);
        std::size_t child = top_ + 1;
        for (std::size_t k = 0; k < object.count; ++k, child = nodes_[child].end) {
            const JsonNode& member = nodes_[child];
            // The whole keys only when the heads and the lengths match (rarely but a twin).
            if (member.keyHead == head && member.keySize == size &&
                document_.Key(member) == document_.View(at, size)) {
                return false;
            }
        }
        NewKey(at, size, head);
        return true;
    }
    // A key known to be new (an object built elsewhere).
    void NewKey(std::size_t at, std::size_t size, std::uint64_t head) {
        keyAt_ = static_cast<std::uint32_t>(at);
        keySize_ = static_cast<std::uint32_t>(size);
        keyHead_ = head;
    }

    // Once per value: inlined into the reader's loop.
    [[gnu::always_inline]] JsonNode& Add(JsonKind kind) {
        if (top_ != kNone) ++nodes_[top_].count;
        if (added_ == nodes_.size()) Grow();
        JsonNode& node = nodes_[added_];
        node.kind = kind;
        node.boolean = false;
        node.count = 0;
        node.end = ++added_;
        node.at = 0;
        node.size = 0;
        node.keyAt = keyAt_;
        node.keySize = keySize_;
        node.keyHead = keyHead_;
        node.whole = 0;
        keySize_ = 0;
        keyHead_ = 0;
        return node;
    }
    // An open container's `end` holds the container it is in (kNone at the top) until it is
    // closed: the stack of open containers without one of its own.
    void Open(JsonKind kind) {
        Add(kind).end = static_cast<std::uint32_t>(top_);
        top_ = added_ - 1;
        inObject_ = kind == JsonKind::Object;
        ++depth_;
    }
    void Close() {
        const std::size_t index = top_;
        top_ = nodes_[index].end;
        --depth_;
        inObject_ = top_ != kNone && nodes_[top_].kind == JsonKind::Object;
        nodes_[index].end = added_;
        if (nodes_[index].kind != JsonKind::Array) return;
        auto& elements = document_.elements_;
        nodes_[index].at = static_cast<std::uint32_t>(elements.size());
        std::size_t child = index + 1;
        for (std::size_t k = 0; k < nodes_[index].count; ++k, child = nodes_[child].end) {
            elements.push_back(static_cast<std::uint32_t>(child));
        }
    }

    // nlohmann's document, recursively (its depth is bounded by the parse that made it).
    void Append(const json& value) {
        switch (value.type()) {
            case json::value_t::object:
                Open(JsonKind::Object);
                for (const auto& [key, member] : value.get_ref<const json::object_t&>()) {
                    const std::size_t at = AddChars(key);
                    NewKey(at, key.size(), document_.WordAt(at, key.size()));
                    Append(member);
                }
                Close();
                break;
            case json::value_t::array:
                Open(JsonKind::Array);
                for (const json& element : value) Append(element);
                Close();
                break;
            case json::value_t::string: {
                const auto& text = value.get_ref<const std::string&>();
                const std::size_t at = AddChars(text);
                JsonNode& node = Add(JsonKind::String);
                node.at = static_cast<std::uint32_t>(at);
                node.size = static_cast<std::uint32_t>(text.size());
                break;
            }
            case json::value_t::boolean:
                Add(JsonKind::Boolean).boolean = value.get<bool>();
                break;
            case json::value_t::number_integer:
                Add(JsonKind::Integer).integer = value.get<json::number_integer_t>();
                break;
            case json::value_t::number_unsigned:
                Add(JsonKind::Unsigned).whole = value.get<json::number_unsigned_t>();
                break;
            case json::value_t::number_float:
                Add(JsonKind::Float).real = value.get<double>();
                break;
            default:  // null (a binary value never comes from JSON text)
                Add(JsonKind::Null);
                break;
        }
    }

  private:
    static constexpr std::size_t kMostPlainMembers = 64;
    static constexpr std::size_t kMostRoomUpFront = std::size_t{1} << 14;

    // Rare (the constructor makes room for most documents): kept out of Add.
    [[gnu::noinline]] void Grow() { nodes_.resize(2 * nodes_.size() + 16); }

    static constexpr std::uint32_t kNone = static_cast<std::uint32_t>(-1);

    JsonDocument& document_;
    std::vector<JsonNode>& nodes_;
    std::uint32_t added_ = 0;    // nodes so far
    std::uint32_t top_ = kNone;  // the innermost container open
    std::size_t depth_ = 0;      // containers open
    bool inObject_ = false;      // that one is an object
    std::uint32_t keyAt_ = 0;
    std::uint32_t keySize_ = 0;
    std::uint64_t keyHead_ = 0;
};

namespace {

// The plain documents a program writes (ASCII strings with simple escapes, numbers within
// range, unique keys, shallow nesting) read in one pass with no lexer tokens or SAX events.
// Anything else - an error, a \u escape, a multi-byte character, a number out of range, a key
// given twice, deep nesting - gives up, and the bounded SAX parse above reads the text again:
// it is the one that decides what is refused and with which message. Iterative, like it.
class PlainReader {
  public:
    PlainReader(std::string_view text, JsonDocument& document)
        : base_(text.data()),
          at_(text.data()),
          end_(text.data() + text.size()),
          builder_(document, text) {}

    // True when the whole text was read (nothing is refused here).
    bool Read() {
        for (;;) {
            SkipSpace();
            if (at_ == end_) return false;
            const char c = *at_;
            if (c == '{' || c == '[') {
                if (builder_.Depth() >= kMaxJsonDepth) return false;
                ++at_;
                builder_.Open(c == '{' ? JsonKind::Object : JsonKind::Array);
                SkipSpace();
                if (at_ != end_ && *at_ == (c == '{' ? '}' : ']')) {
                    ++at_;
                    builder_.Close();
                } else {
                    if (!NextMember()) return false;
                    continue;
                }
            } else if (!Scalar()) {
                return false;
            }
            // After a value: the end, or a comma or the close of the innermost container.
            for (;;) {
                SkipSpace();
                if (builder_.Depth() == 0) return at_ == end_;
                if (at_ == end_) return false;
                const char close = builder_.InObject() ? '}' : ']';
                if (*at_ == ',') {
                    ++at_;
                    if (!NextMember()) return false;
                    break;
                }
                if (*at_ != close) return false;
                ++at_;
                builder_.Close();
            }
        }
    }

  private:
    void SkipSpace() {
        // Most of the time there is none: any character past the space is not white.
        if (at_ != end_ && static_cast<unsigned char>(*at_) > ' ') return;
        while (at_ != end_ && (*at_ == ' ' || *at_ == '\t' || *at_ == '\n' || *at_ == '\r')) ++at_;
    }

    // Before an object's next value: its key and colon (false on anything unexpected or a
    // key given twice). Nothing before an array's next element.
    bool NextMember() {
        if (!builder_.InObject()) return true;
        SkipSpace();
        std::size_t keyAt = 0;
        std::size_t keySize = 0;
        if (at_ == end_ || *at_ != '"' || !String(keyAt, keySize)) return false;
        SkipSpace();
        if (at_ == end_ || *at_ != ':') return false;
        ++at_;
        return builder_.Key(keyAt, keySize);
    }

    bool Scalar() {
        const char c = *at_;
        if (c == '"') {
            std::size_t textAt = 0;
            std::size_t textSize = 0;
            if (!String(textAt, textSize)) return false;
            JsonNode& node = builder_.Add(JsonKind::String);
            node.at = static_cast<std::uint32_t>(textAt);
            node.size = static_cast<std::uint32_t>(textSize);
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) return Number();
        if (Word("true"))
            builder_.Add(JsonKind::Boolean).boolean = true;
        else if (Word("false"))
            builder_.Add(JsonKind::Boolean).boolean = false;
        else if (Word("null"))
            builder_.Add(JsonKind::Null);
        else
            return false;
        return true;
    }

    bool Word(std::string_view word) {
        if (static_cast<std::size_t>(end_ - at_) < word.size() ||
            std::string_view(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    // At the opening quote. Printable ASCII and the one-letter escapes only. A string without
    // escapes stays where it is in the text; one with them is added unescaped.
    bool String(std::size_t& textAt, std::size_t& textSize) {
        const char* start = ++at_;
        SkipPlain();
        if (at_ == end_) return false;
        if (*at_ != '"') return Escaped(start, textAt, textSize);
        textAt = static_cast<std::size_t>(start - base_);
        textSize = static_cast<std::size_t>(at_ - start);
        ++at_;
        return true;
    }

    // The rest of a string from its first character that is not plain.
    bool Escaped(const char* start, std::size_t& textAt, std::size_t& textSize) {
        std::string unescaped(start, at_);
        for (;;) {
            const auto byte = static_cast<unsigned char>(*at_);
            if (byte == '"') break;
            if (byte != '\\') return false;  // a control or non-ASCII character
            if (++at_ == end_) return false;
            const char c = Unescaped(*at_);
            if (c == 0) return false;
            unescaped += c;
            const char* run = ++at_;
            SkipPlain();
            if (at_ == end_) return false;
            unescaped.append(run, at_);
        }
        textAt = builder_.AddChars(unescaped);
        textSize = unescaped.size();
        ++at_;
        return true;
    }

    // To the first character that is not plain, or the end: eight at a time while eight are
    // left (a word's bytes in text order where the byte order allows).
    void SkipPlain() {
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t kOnes = 0x0101010101010101;
            constexpr std::uint64_t kHighs = 0x8080808080808080;
            // The high bit of each byte that is zero, exact up to the first such byte (a
            // borrow can only mark bytes after it).
            const auto zeros = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighs; };
            while (end_ - at_ >= 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, at_, 8);
                const std::uint64_t stop = zeros(word ^ (kOnes * '"')) |
                                           zeros(word ^ (kOnes * '\\')) |
                                           ((word - kOnes * 0x20) & ~word & kHighs) |  // control
                                           (word & kHighs);                            // non-ASCII
                if (stop != 0) {
                    at_ += std::countr_zero(stop) / 8;
                    return;
                }
                at_ += 8;
            }
        }
        while (at_ != end_ && kPlainCharacter[static_cast<unsigned char>(*at_)]) ++at_;
    }

    static char Unescaped(char c) {
        switch (c) {
            case '"':
                return '"';
            case '\\':
                return '\\';
            case '/':
                return '/';
            case 'b':
                return '\b';
            case 'f':
                return '\f';
            case 'n':
                return '\n';
            case 'r':
                return '\r';
            case 't':
                return '\t';
            default:
                return 0;  // \u and anything else: left to the full parse
        }
    }

    // Digits, gathered into `digits` while at most kMostDigits of them (`count` counts them
    // all). False when there are none.
    bool Digits(std::uint64_t& digits, int& count) {
        const char* start = at_;
        for (; at_ != end_ && *at_ >= '0' && *at_ <= '9'; ++at_) {
            if (++count <= kMostDigits) digits = digits * 10 + static_cast<unsigned>(*at_ - '0');
        }
        return at_ != start;
    }

    // JSON's grammar; kept as nlohmann keeps it: a whole number as a signed (negative) or
    // unsigned integer when it fits, anything else as a double (correctly rounded, as strtod).
    // Half the values of a member file: inlined into the reader's loop.
    [[gnu::always_inline]] bool Number() {
        const char* start = at_;
        const bool negative = *at_ == '-';
        if (negative) ++at_;
        if (at_ == end_) return false;
        std::uint64_t digits = 0;
        int count = 0;
        if (*at_ == '0') {
            ++at_;
            count = 1;
        } else if (!Digits(digits, count)) {
            return false;
        }
        int power = 0;  // of ten, applied to the digits
        bool whole = true;
        if (at_ != end_ && *at_ == '.') {
            ++at_;
            const int before = count;
            if (!Digits(digits, count)) return false;
            power = before - count;
            whole = false;
        }
        if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
            ++at_;
            const char* exponentStart = at_;
            if (at_ != end_ && (*at_ == '+' || *at_ == '-')) ++at_;
            std::uint64_t exponent = 0;
            int exponentCount = 0;
            if (!Digits(exponent, exponentCount)) return false;
            power += exponentCount > 4
                         ? 100000
                         : (*exponentStart == '-' ? -1 : 1) * static_cast<int>(exponent);
            whole = false;
        }
        if (count > kMostDigits) return Converted(start, whole, negative);
        if (whole && negative) {
            builder_.Add(JsonKind::Integer).integer = -static_cast<std::int64_t>(digits);
        } else if (whole) {
            builder_.Add(JsonKind::Unsigned).whole = digits;
        } else if (digits <= kExactDigits && power >= -22 && power <= 22) {
            // Clinger's fast path: the digits and the power of ten are both exact in a
            // double, so one product or quotient rounds correctly, as strtod would.
            const double magnitude = power < 0 ? static_cast<double>(digits) / kPowers[-power]
                                               : static_cast<double>(digits) * kPowers[power];
            builder_.Add(JsonKind::Float).real = negative ? -magnitude : magnitude;
        } else {
            return Converted(start, false, negative);
        }
        return true;
    }

    // A number past the fast paths, from its text [start, at_).
    bool Converted(const char* start, bool whole, bool negative) {
        if (whole && negative) {
            std::int64_t v = 0;
            if (std::from_chars(start, at_, v).ec == std::errc()) {
                builder_.Add(JsonKind::Integer).integer = v;
                return true;
            }
        } else if (whole) {
            std::uint64_t v = 0;
            if (std::from_chars(start, at_, v).ec == std::errc()) {
                builder_.Add(JsonKind::Unsigned).whole = v;
                return true;
            }
        }
        double v = 0.0;
        const auto [end, ec] = std::from_chars(start, at_, v);
        if (ec != std::errc() || end != at_ || !std::isfinite(v)) return false;
        builder_.Add(JsonKind::Float).real = v;
        return true;
    }

    // Printable ASCII but the quote and the backslash: what a plain string holds as it is.
    static constexpr auto kPlainCharacter = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 0x80; ++c)
            plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
        return plain;
    }();
    static constexpr int kMostDigits = 18;  // gathered without overflow in 64 bits
    static constexpr std::uint64_t kExactDigits = std::uint64_t{1} << 53;
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

    const char* base_;
    const char* at_;
    const char* end_;
    JsonDocumentBuilder builder_;
};

}  // namespace

JsonDocument::JsonDocument() : nodes_(1) {
    nodes_.front().end = 1;
}

JsonDocument JsonDocument::FromJson(const json& value) {
    JsonDocument document;
    JsonDocumentBuilder(document, {}).Append(value);
    return document;
}

json JsonDocument::ToJson(const JsonNode& value) const {
    switch (value.kind) {
        case JsonKind::Null:
            return nullptr;
        case JsonKind::Boolean:
            return value.boolean;
        case JsonKind::Integer:
            return json::number_integer_t{value.integer};
        case JsonKind::Unsigned:
            return json::number_unsigned_t{value.whole};
        case JsonKind::Float:
            return value.real;
        case JsonKind::String:
            return std::string(Text(value));
        case JsonKind::Array: {
            json array = json::array();
            ForEach(value, [&](const JsonNode& element) { array.push_back(ToJson(element)); });
            return array;
        }
        case JsonKind::Object: {
            json object = json::object();
            ForEach(value, [&](const JsonNode& member) {
                object.get_ref<json::object_t&>().emplace(std::string(Key(member)), ToJson(member));
            });
            return object;
        }
    }
    return nullptr;
}

void ParseJsonDocument(std::string_view text, const std::string& source, JsonDocument& document) {
    if (PlainReader(text, document).Read()) return;
    BoundedDocumentBuilder builder(source);
    json::sax_parse(text, &builder);
    document = JsonDocument::FromJson(builder.Take());
}

JsonDocument ParseJsonDocument(std::string_view text, const std::string& source) {
    JsonDocument document;
    ParseJsonDocument(text, source, document);
    return document;
}

}  // namespace as4100
