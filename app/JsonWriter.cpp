#include "app/JsonWriter.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

namespace as4100 {

namespace {

// Printable ASCII other than the quote and the backslash is written as it is.
bool Plain(std::string_view text) {
    bool plain = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        plain &= (byte - 0x20u < 0x60u) & (c != '"') & (c != '\\');
    }
    return plain;
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

void JsonWriter::QuotedKey(std::string_view key) {
    if (needComma_) out_ += ',';
    if (indent_ >= 0) NewLine();
    Quoted(key);
    out_ += indent_ >= 0 ? ": " : ":";
    needComma_ = false;
    afterKey_ = indent_ >= 0;
}

void JsonWriter::Key(std::string_view key) {
    if (Plain(key)) return PlainKey(key);
    QuotedKey(key);
}

void JsonWriter::PlainKeyGeneral(std::string_view key) {
    assert(Plain(key));
    // ,\n    "key":  in one piece
    const auto margin = static_cast<std::size_t>(indent_ >= 0 ? depth_ * indent_ : 0);
    char head[112];
    if (key.size() + margin + 6 + 16 > sizeof head) return QuotedKey(key);
    char* place = head;
    if (needComma_) *place++ = ',';
    if (indent_ >= 0) {
        *place++ = '\n';
        // 16 spaces at a time, fixed-size copies the compiler writes inline
        for (std::size_t n = 0; n < margin; n += 16) std::memcpy(place + n, "                ", 16);
        place += margin;
    }
    *place++ = '"';
    place = std::copy(key.begin(), key.end(), place);
    *place++ = '"';
    *place++ = ':';
    if (indent_ >= 0) *place++ = ' ';
    out_.append(head, place);
    needComma_ = false;
    afterKey_ = indent_ >= 0;
}

void JsonWriter::String(std::string_view text) {
    char piece[96];
    char* place = Lead(piece);
    if (text.size() + 3 > sizeof piece || !Plain(text)) {
        out_.append(piece, place);
        return Quoted(text);
    }
    *place++ = '"';
    place = std::copy(text.begin(), text.end(), place);
    *place++ = '"';
    out_.append(piece, place);
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
    // nlohmann's own shortest round-trip digits (Grisu2) and layout, so the text is the same
    // (std::to_chars gives other digits for about one double in a thousand, e.g. 17.4636279794
    // where Grisu2 writes 17.463627979399998, and is no quicker for the values written here).
    char digits[64];
    char* place = Lead(digits);
    out_.append(digits, nlohmann::detail::to_chars(place, digits + sizeof digits, value));
}

void JsonWriter::Raw(std::string_view json) {
    Separate();
    out_ += json;
}

}  // namespace as4100
