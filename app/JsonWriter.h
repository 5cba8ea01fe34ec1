// Writes compact JSON text straight into a string, without building a document first: the same
// bytes nlohmann's dump(-1, ' ', false, replace) gives for the same values, at a fraction of
// the cost (the batch writes one result line per member).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace as4100 {

class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    // `afterMember`: `out` ends inside an object after a member; the next one follows a comma.
    JsonWriter(std::string& out, bool afterMember) : out_(out), needComma_(afterMember) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // An object's key; the next value written is its value.
    void Key(std::string_view key);

    void String(std::string_view text);
    void Integer(std::int64_t value);
    void Unsigned(std::uint64_t value);
    void Bool(bool value);
    // A finite number as nlohmann writes a double ("0.0", "1e-05"); not finite, the string
    // "inf", "-inf" or "nan" (the result document's convention).
    void Number(double value);
    // Text that is already one JSON value.
    void Raw(std::string_view json);

  private:
    void Separate() {
        if (needComma_) out_ += ',';
        needComma_ = true;
    }
    void Open(char bracket) {
        Separate();
        out_ += bracket;
        needComma_ = false;
    }
    void Close(char bracket) {
        out_ += bracket;
        needComma_ = true;
    }
    void Quoted(std::string_view text);

    std::string& out_;
    bool needComma_ = false;
};

}  // namespace as4100
