// Parsing an input document with bounded nesting: a SAX handler that builds the document
// itself, so the depth, duplicate keys and the place of a bad number are known as they come.
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

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

// The plain documents a program writes (ASCII strings with simple escapes, numbers within
// range, unique keys, shallow nesting) read in one pass with no lexer tokens or SAX events.
// Anything else - an error, a \u escape, a multi-byte character, a number out of range, a key
// given twice, deep nesting - gives up, and the bounded SAX parse above reads the text again:
// it is the one that decides what is refused and with which message. Iterative, like it.
class PlainReader {
  public:
    explicit PlainReader(std::string_view text)
        : at_(text.data()), end_(text.data() + text.size()) {}

    // The document, or false (nothing is refused here).
    bool Read(json& root) {
        std::vector<json*> open;  // the containers open, innermost last
        json* slot = &root;       // where the next value goes
        for (;;) {
            SkipSpace();
            if (at_ == end_) return false;
            const char c = *at_;
            if (c == '{' || c == '[') {
                if (open.size() >= kMaxJsonDepth) return false;
                ++at_;
                *slot = c == '{' ? json::object() : json::array();
                open.push_back(slot);
                SkipSpace();
                if (at_ != end_ && *at_ == (c == '{' ? '}' : ']')) {
                    ++at_;
                    open.pop_back();
                } else {
                    slot = NextSlot(*open.back());
                    if (!slot) return false;
                    continue;
                }
            } else if (!Scalar(*slot)) {
                return false;
            }
            // After a value: the end, or a comma or the close of the innermost container.
            for (;;) {
                SkipSpace();
                if (open.empty()) return at_ == end_;
                if (at_ == end_) return false;
                json& container = *open.back();
                const char close = container.is_object() ? '}' : ']';
                if (*at_ == ',') {
                    ++at_;
                    slot = NextSlot(container);
                    if (!slot) return false;
                    break;
                }
                if (*at_ != close) return false;
                ++at_;
                open.pop_back();
            }
        }
    }

  private:
    void SkipSpace() {
        while (at_ != end_ && (*at_ == ' ' || *at_ == '\t' || *at_ == '\n' || *at_ == '\r')) ++at_;
    }

    // The place of the container's next value: a new array element, or a new key's value
    // (after its name and colon). Null on anything unexpected or a key given twice.
    json* NextSlot(json& container) {
        if (container.is_array()) {
            container.get_ref<json::array_t&>().emplace_back();
            return &container.get_ref<json::array_t&>().back();
        }
        SkipSpace();
        std::string name;
        if (at_ == end_ || *at_ != '"' || !String(name)) return nullptr;
        SkipSpace();
        if (at_ == end_ || *at_ != ':') return nullptr;
        ++at_;
        auto [place, inserted] =
            container.get_ref<json::object_t&>().emplace(std::move(name), nullptr);
        return inserted ? &place->second : nullptr;
    }

    bool Scalar(json& slot) {
        const char c = *at_;
        if (c == '"') {
            std::string text;
            if (!String(text)) return false;
            slot = std::move(text);
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) return Number(slot);
        if (Word("true"))
            slot = true;
        else if (Word("false"))
            slot = false;
        else if (Word("null"))
            slot = nullptr;
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

    // At the opening quote. Printable ASCII and the one-letter escapes only.
    bool String(std::string& text) {
        ++at_;
        const char* run = at_;
        for (;;) {
            if (at_ == end_) return false;
            const auto byte = static_cast<unsigned char>(*at_);
            if (byte == '"') break;
            if (byte < 0x20 || byte >= 0x80) return false;
            if (byte != '\\') {
                ++at_;
                continue;
            }
            text.append(run, at_);
            if (++at_ == end_) return false;
            const char escaped = Unescaped(*at_);
            if (escaped == 0) return false;
            text += escaped;
            run = ++at_;
        }
        text.append(run, at_);
        ++at_;
        return true;
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

    bool Digits() {
        const char* start = at_;
        while (at_ != end_ && *at_ >= '0' && *at_ <= '9') ++at_;
        return at_ != start;
    }

    // JSON's grammar; stored as nlohmann stores it: a whole number as a signed (negative) or
    // unsigned integer when it fits, anything else as a double (correctly rounded, as strtod).
    bool Number(json& slot) {
        const char* start = at_;
        const bool negative = *at_ == '-';
        if (negative) ++at_;
        if (at_ == end_) return false;
        if (*at_ == '0') {
            ++at_;
        } else if (!Digits()) {
            return false;
        }
        bool whole = true;
        if (at_ != end_ && *at_ == '.') {
            ++at_;
            if (!Digits()) return false;
            whole = false;
        }
        if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
            ++at_;
            if (at_ != end_ && (*at_ == '+' || *at_ == '-')) ++at_;
            if (!Digits()) return false;
            whole = false;
        }
        if (whole && negative) {
            json::number_integer_t v = 0;
            if (std::from_chars(start, at_, v).ec == std::errc()) {
                slot = v;
                return true;
            }
        } else if (whole) {
            json::number_unsigned_t v = 0;
            if (std::from_chars(start, at_, v).ec == std::errc()) {
                slot = v;
                return true;
            }
        }
        double v = 0.0;
        const auto [end, ec] = std::from_chars(start, at_, v);
        if (ec != std::errc() || end != at_ || !std::isfinite(v)) return false;
        slot = v;
        return true;
    }

    const char* at_;
    const char* end_;
};

}  // namespace

json ParseJsonDocument(std::string_view text, const std::string& source) {
    json document;
    if (PlainReader(text).Read(document)) return document;
    BoundedDocumentBuilder builder(source);
    json::sax_parse(text, &builder);
    return builder.Take();
}

}  // namespace as4100
