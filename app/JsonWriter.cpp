#include "app/JsonWriter.h"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

namespace as4100 {

namespace {

// Printable ASCII other than the quote and the backslash is written as it is.
bool Plain(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\') return false;
    }
    return true;
}

}  // namespace

void JsonWriter::Quoted(std::string_view text) {
    if (Plain(text)) {
        const std::size_t at = out_.size();
        out_.resize(at + text.size() + 2);
        char* place = out_.data() + at;
        *place++ = '"';
        text.copy(place, text.size());
        place[text.size()] = '"';
        return;
    }
    // Escapes, multi-byte characters and invalid UTF-8 (replaced by U+FFFD) exactly as
    // nlohmann writes them: rare, so its own serializer does it.
    out_ += nlohmann::json(std::string(text))
                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void JsonWriter::SeparateIndented() {
    if (afterKey_) {
        afterKey_ = false;
    } else if (depth_ > 0) {
        if (needComma_) out_ += ',';
        NewLine();
    }
    needComma_ = true;
}

void JsonWriter::KeyIndented(std::string_view key) {
    if (needComma_) out_ += ',';
    NewLine();
    Quoted(key);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::Key(std::string_view key) {
    if (indent_ > 0) return KeyIndented(key);
    if (!Plain(key)) {
        Separate();
        Quoted(key);
        out_ += ':';
        needComma_ = false;
        return;
    }
    // ,"key": in one piece
    const std::size_t at = out_.size();
    const std::size_t comma = needComma_ ? 1 : 0;
    out_.resize(at + comma + key.size() + 3);
    char* place = out_.data() + at;
    if (comma) *place++ = ',';
    *place++ = '"';
    place += key.copy(place, key.size());
    place[0] = '"';
    place[1] = ':';
    needComma_ = false;
}

void JsonWriter::String(std::string_view text) {
    Separate();
    Quoted(text);
}

void JsonWriter::Integer(std::int64_t value) {
    Separate();
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonWriter::Unsigned(std::uint64_t value) {
    Separate();
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
}

void JsonWriter::Number(double value) {
    if (std::isnan(value)) return String("nan");
    if (std::isinf(value)) return String(value > 0 ? "inf" : "-inf");
    // nlohmann's own shortest round-trip digits (Grisu2) and layout, so the text is the same.
    char digits[64];
    char* place = digits;
    if (indent_ > 0) {
        Separate();
    } else {
        if (needComma_) *place++ = ',';
        needComma_ = true;
    }
    out_.append(digits, nlohmann::detail::to_chars(place, digits + sizeof digits, value));
}

void JsonWriter::Raw(std::string_view json) {
    Separate();
    out_ += json;
}

}  // namespace as4100
