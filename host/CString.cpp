// UTF-8 <-> wide string conversion at the program's edges (files, terminal, JSON).
#include "host/CString.h"

namespace Arbor {

namespace {

constexpr char32_t kReplacement = 0xFFFD;  // what a malformed sequence becomes

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWide(CString& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) >= 4) {
        out += static_cast<wchar_t>(cp);
    } else if (cp < 0x10000) {
        out += static_cast<wchar_t>(cp);
    } else {  // UTF-16 surrogate pair
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes the sequence starting at text[i]; advances i past it. Malformed, overlong or
// truncated sequences give one replacement character per offending lead byte.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i])))
            return kReplacement;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    const bool invalid = cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF);
    return invalid ? kReplacement : cp;
}

// Reads one code point from a wide string, joining UTF-16 surrogate pairs where wchar_t is
// 16 bits wide.
char32_t DecodeWide(const CString& text, size_t& i) {
    const auto unit = static_cast<char32_t>(text[i++]);
    if constexpr (sizeof(wchar_t) < 4) {
        if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size()) {
            const auto low = static_cast<char32_t>(text[i]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
                return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    return unit;
}

}  // namespace

std::string ToUtf8(const CString& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) AppendUtf8(out, DecodeWide(text, i));
    return out;
}

CString FromUtf8(std::string_view text) {
    CString out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) AppendWide(out, DecodeUtf8(text, i));
    return out;
}

}  // namespace Arbor
