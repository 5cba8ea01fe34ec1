// Writes JSON text straight into a string, without building a document first: the same bytes
// nlohmann's dump(indent, ' ', false, replace) gives for the same values, at a fraction of the
// cost (the batch writes one result line per member, `check --json` one indented document).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace as4100 {

// The text nlohmann::detail::to_chars writes for a finite `value`, at `first`, when it can be
// had exactly without Grisu2 (most doubles from 2^-9 to 1e15, and zero); returns its end, or
// nullptr when to_chars must write it. Uses up to 48 bytes from `first` as scratch.
char* QuickNumberText(char* first, double value);

class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    // `afterMember`: `out` ends inside an object after a member; the next one follows a comma.
    JsonWriter(std::string& out, bool afterMember) : out_(out), needComma_(afterMember) {}
    // Laid out as dump(indent): one member or element a line, `indent` spaces a level,
    // "key": value, empty containers as {} and [] (below 0: compact, as dump(-1)).
    struct Indent {
        int spaces;
    };
    JsonWriter(std::string& out, Indent indent) : out_(out), indent_(indent.spaces) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // An object's key; the next value written is its value.
    void Key(std::string_view key);
    // A key of printable ASCII without quote or backslash, as the program's own names are:
    // written without the scan for characters to escape, compact ,"key": in one append.
    void PlainKey(std::string_view key) {
        if (indent_ >= 0 || key.size() > kShortKey) return PlainKeyGeneral(key);
        char piece[kShortKey + 4];
        out_.append(piece, static_cast<std::size_t>(CompactKey(piece, key) - piece));
        needComma_ = false;
    }
    // A member "key": value, the key as PlainKey's; compact, in one append.
    void NumberMember(std::string_view key, double value);
    void StringMember(std::string_view key, std::string_view text);
    void IntegerMember(std::string_view key, std::int64_t value);
    void UnsignedMember(std::string_view key, std::uint64_t value);
    void BoolMember(std::string_view key, bool value);

    void String(std::string_view text);
    void Integer(std::int64_t value);
    void Unsigned(std::uint64_t value);
    void Bool(bool value);
    // A finite number as nlohmann writes a double ("0.0", "1e-05"); not finite, the string
    // "inf", "-inf" or "nan" (the result document's convention).
    void Number(double value);
    // Room for `more` characters after what is written.
    void Reserve(std::size_t more) { out_.reserve(out_.size() + more); }
    // Text that is already one JSON value.
    void Raw(std::string_view json);

  private:
    void Separate() {
        if (indent_ >= 0) return SeparateIndented();
        if (needComma_) out_ += ',';
        needComma_ = true;
    }
    // What precedes a value: a compact writer's comma put at `place` (the caller appends it
    // with the value), an indented writer's line break appended; returns the end.
    char* Lead(char* place) {
        if (indent_ >= 0) {
            SeparateIndented();
            return place;
        }
        if (needComma_) *place++ = ',';
        needComma_ = true;
        return place;
    }
    void Open(char bracket) {
        Separate();
        out_ += bracket;
        needComma_ = false;
        ++depth_;
    }
    void Close(char bracket) {
        --depth_;
        if (indent_ >= 0 && needComma_) NewLine();
        out_ += bracket;
        needComma_ = true;
    }
    void SeparateIndented();
    void QuotedKey(std::string_view key);
    void PlainKeyGeneral(std::string_view key);  // indented or long
    // A line break and the indentation of the current level.
    void NewLine() {
        out_ += '\n';
        out_.append(static_cast<std::size_t>(depth_ * indent_), ' ');
    }
    void Quoted(std::string_view text);
    // Keys up to this long go through a piece on the stack.
    static constexpr std::size_t kShortKey = 32;
    // A compact writer's [,]"key": at `place` (a plain key up to kShortKey); returns the end.
    char* CompactKey(char* place, std::string_view key);

    std::string& out_;
    bool needComma_ = false;  // a member or element precedes in the open container
    int indent_ = -1;         // below 0: compact
    int depth_ = 0;           // containers open
    bool afterKey_ = false;   // indented: the next value is a member's, on its key's line
};

}  // namespace as4100
