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
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // An object's key; the next value written is its value.
    void Key(std::string_view key);
    // A key of printable ASCII without quote or backslash, as the program's own names are:
    // written without the scan for characters to escape.
    void PlainKey(std::string_view key);
    // A member "key": value, the key as PlainKey's; compact, in one piece.
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
    void Reserve(std::size_t more) { out_.reserve(out_.size() + staged_ + more); }
    // Text that is already one JSON value.
    void Raw(std::string_view json);

  private:
    // IntegerMember and UnsignedMember: a whole number after its key.
    template <class Whole>
    void WholeMember(std::string_view key, Whole value);

    // Keys up to this long, strings up to kShortText, go through a fixed-size piece.
    static constexpr std::size_t kShortKey = 32;
    static constexpr std::size_t kShortText = 64;
    // The text gathers here and goes into `out` in few appends. `out` has all of it whenever
    // the writer is at the top level or in the outermost container (the batch reads `out`
    // between its line object's members); deeper, it follows when the stage fills.
    static constexpr std::size_t kStage = 1024;

    // `n` (at most kStage) bytes of room at the returned place in the stage.
    char* Room(std::size_t n) {
        if (kStage - staged_ < n) Flush();
        return stage_ + staged_;
    }
    // What was written at the stage's end, up to `end`, kept.
    void Keep(char* end) {
        staged_ = static_cast<std::size_t>(end - stage_);
        if (depth_ <= 1) Flush();
    }
    void Flush() {
        out_.append(stage_, staged_);
        staged_ = 0;
    }
    // `out` itself, for text that does not go through the stage.
    std::string& Direct() {
        Flush();
        return out_;
    }
    // What precedes a value: a comma (compact), a line break and indentation (indented).
    void Separate() {
        if (indent_ >= 0) return SeparateIndented();
        if (needComma_) Keep(Put(Room(1), ','));
        needComma_ = true;
    }
    static char* Put(char* place, char c) {
        *place = c;
        return place + 1;
    }
    void Open(char bracket) {
        Separate();
        ++depth_;
        Keep(Put(Room(1), bracket));
        needComma_ = false;
    }
    void Close(char bracket) {
        --depth_;
        if (indent_ >= 0 && needComma_) NewLine();
        Keep(Put(Room(1), bracket));
        needComma_ = true;
    }
    void SeparateIndented();
    void QuotedKey(std::string_view key);
    void PlainKeyGeneral(std::string_view key);  // indented or long
    // A line break and the indentation of the current level.
    void NewLine();
    void Quoted(std::string_view text);
    // A compact writer's [,]"key": at `place` (a plain key up to kShortKey); returns the end.
    char* CompactKey(char* place, std::string_view key);
    // A finite number's text at `place` (64 bytes of room); returns its end.
    char* FiniteText(char* place, double value);
    // Whether a member goes in one piece: compact, with a short key.
    bool OnePiece(std::string_view key) const { return indent_ < 0 && key.size() <= kShortKey; }

    std::string& out_;
    bool needComma_ = false;  // a member or element precedes in the open container
    int indent_ = -1;         // below 0: compact
    int depth_ = 0;           // containers open
    bool afterKey_ = false;   // indented: the next value is a member's, on its key's line
    std::size_t staged_ = 0;  // bytes in stage_ not yet in out_
    char stage_[kStage];
    // The texts of numbers written lately, by a hash of their bits: a result repeats many
    // (the governing ratio is one of the entries', a combined ratio one of its parts, spans
    // share lengths). Empty slots hold a NaN's bits, which no finite number has.
    struct Remembered {
        std::uint64_t bits = ~std::uint64_t{0};
        std::uint8_t length = 0;
        char text[23];
    };
    Remembered remembered_[64];
};

}  // namespace as4100
