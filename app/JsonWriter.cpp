#include "app/JsonWriter.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <type_traits>

#include <nlohmann/json.hpp>

namespace as4100 {

namespace {

// Printable ASCII other than the quote and the backslash is written as it is. Eight bytes at
// a time: a byte at or above 0x80 shows in its top bit, one below 0x20 (or equal to the quote
// or backslash after xor) in the top bit of (x - 0x20…) & ~x, which is nonzero exactly when
// some byte is below.
bool Plain(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kTops = 0x8080808080808080u;
    const auto below = [](std::uint64_t x, std::uint64_t byte) {
        return (x - byte * kOnes) & ~x & kTops;
    };
    const auto bad = [&](std::uint64_t x) {
        return (x & kTops) | below(x, 0x20) | below(x ^ ('"' * kOnes), 1) |
               below(x ^ ('\\' * kOnes), 1);
    };
    std::uint64_t found = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t x;
        std::memcpy(&x, text.data() + at, 8);
        found |= bad(x);
    }
    if (at == text.size()) return found == 0;
    std::uint64_t x = 0x20 * kOnes;  // the rest among spaces
    std::memcpy(&x, text.data() + at, text.size() - at);
    return (found | bad(x)) == 0;
}

// 10^0 .. 10^19, all that fit 64 bits.
constexpr std::uint64_t kPow10[20] = {1,
                                      10,
                                      100,
                                      1000,
                                      10000,
                                      100000,
                                      1000000,
                                      10000000,
                                      100000000,
                                      1000000000,
                                      10000000000,
                                      100000000000,
                                      1000000000000,
                                      10000000000000,
                                      100000000000000,
                                      1000000000000000,
                                      10000000000000000,
                                      100000000000000000,
                                      1000000000000000000,
                                      10000000000000000000u};

// Bounds on a grid's offset from d, in units of 2^-e·10^-k where the half-gap is 10^k/2 (see
// QuickNumberText), a table for each k so that the tests stay within 64 bits.
struct GridBounds {
    std::uint64_t inside[20];   // offset below: under 63/64 of the half-gap
    std::uint64_t outside[20];  // offset above: over 65/64 of the half-gap
    std::uint64_t apart[20];    // 2^e - 2·offset above: the next point farther by 10^k/256
};

constexpr GridBounds MakeGridBounds() {
    GridBounds b{};
    for (int k = 0; k < 20; ++k) {
        const auto scaled = static_cast<unsigned __int128>(kPow10[k]);
        b.inside[k] = static_cast<std::uint64_t>((63 * scaled + 127) / 128);  // x < r: x < ⌈r⌉
        b.outside[k] = static_cast<std::uint64_t>(65 * scaled / 128);         // x > r: x > ⌊r⌋
        b.apart[k] = kPow10[k] / 256;
    }
    return b;
}

constexpr GridBounds kGridBounds = MakeGridBounds();

// "00" "01" .. "99"
constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
    "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
    "888990919293949596979899";

}  // namespace

// nlohmann's to_chars writes Grisu2's digits: the coarsest decimal grid 10^-k that has a point
// in [M-, M+], and on it the point nearest w, where w is d scaled by a cached power of ten and
// M-, M+ the ends of d's rounding interval scaled likewise, each moved inwards by one unit
// (a unit is at most 1/512 of the half-gap, as the scaled significands are normalised to
// 64 bits; each scaled value is off by less than a unit). Grisu2 is therefore not always the
// shortest: 17.463627979399998 where 17.4636279794 also reads back.
//
// Here, with d = m·2^-e exact, grid k's point nearest d is n = round(m·10^k / 2^e), off by
// |n·2^e - m·10^k| in units of 2^-e·10^-k, where the half-gap is 10^k/2 (10^k/4 below a power
// of two). A grid with a point in the open interval has one on every finer grid (a coarser
// grid's points are a finer one's), so a few probes find the coarsest. Every grid probed must
// be plainly outside (offset over 65/64 of the wider half-gap: no point of it or of a coarser
// grid in [M-, M+]) or plainly inside (under 63/64 of the narrower half-gap: n in [M-, M+]
// with 1/64 of the half-gap, 8 units or 4 below a power of two, to spare), and n must be
// nearer d than the next point by more than 10^k/256 (4 units), so that Grisu2's rounding
// towards w ends on n too. Anything closer to an edge is left to nlohmann. The digits of n
// and the exponent -k are laid out as nlohmann's format_buffer does with its to_chars's
// limits; the exponent forms by format_buffer itself.
char* QuickNumberText(char* first, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (bits >> 63) *first++ = '-';
    const double magnitude = std::fabs(value);
    if (magnitude == 0) return std::copy_n("0.0", 3, first);
    // From 2^-9, 10^k stays within 64 bits; below 2^50 doubles are at most 1/8 apart, so
    // a grid coarser than 1 has in the interval at most the integer nearest d.
    if (!(magnitude >= 0x1p-9 && magnitude < 1e15)) return nullptr;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t m = fraction | (std::uint64_t{1} << 52);
    const int e = 1075 - static_cast<int>((bits >> 52) & 0x7ff);  // 3 .. 61
    const std::uint64_t low = (std::uint64_t{1} << e) - 1;
    const std::uint64_t half = std::uint64_t{1} << (e - 1);
    const int narrow = fraction == 0 ? 1 : 0;  // a power of two: the half-gap below is halved
    // q = floor(log10 d): from the binary exponent, then one exact comparison with 10^(q+1)
    int q = ((52 - e) * 78913) >> 18;
    using U128 = unsigned __int128;
    if (q + 1 >= 0 ? (U128{kPow10[q + 1]} << e) <= m : U128{m} * kPow10[-(q + 1)] >= (U128{1} << e))
        ++q;
    // Grid k: plainly inside, plainly outside, or near an edge; its offset in `probe`.
    std::uint64_t probe = 0;
    enum class Fit { Inside, Outside, Edge };
    const auto test = [&](int k) {
        // the offset needs only the low e bits of m·10^k
        const std::uint64_t rest = (m * kPow10[k]) & low;
        probe = rest < half ? rest : low + 1 - rest;
        if (probe << narrow < kGridBounds.inside[k]) return Fit::Inside;
        return probe > kGridBounds.outside[k] ? Fit::Outside : Fit::Edge;
    };
    // Results carry 16 or 17 digits: grids 15 - q and 16 - q (17 digits always fit) first.
    int fine = 15 - q;
    std::uint64_t offset = 0;  // fine's
    switch (test(fine)) {
        case Fit::Edge:
            return nullptr;
        case Fit::Outside:
            if (test(++fine) != Fit::Inside) return nullptr;
            offset = probe;
            break;
        case Fit::Inside:
            offset = probe;
            switch (test(fine - 1)) {
                case Fit::Edge:
                    return nullptr;
                case Fit::Outside:
                    break;
                case Fit::Inside: {
                    // Inputs carry few digits: up from the coarsest grid that may hold a point,
                    // 10^(q+1), then by bisection.
                    offset = probe;
                    --fine;
                    int coarse = std::max(0, -q - 1);
                    for (int probes = 0; coarse < fine; ++probes) {
                        const int k = probes < 3 ? coarse : (coarse + fine) / 2;
                        const Fit fit = test(k);
                        if (fit == Fit::Edge) return nullptr;
                        if (fit == Fit::Inside) {
                            fine = k;
                            offset = probe;
                        } else {
                            coarse = k + 1;
                        }
                    }
                }
            }
    }
    if ((low + 1) - 2 * offset <= kGridBounds.apart[fine]) return nullptr;
    const auto scaled = static_cast<U128>(m) * kPow10[fine];
    auto digits = static_cast<std::uint64_t>(scaled >> e) + ((scaled & low) >= half ? 1 : 0);
    int exponent = -fine;
    if (fine == 0) {
        // only grid 1's point can be a point of a coarser grid, which Grisu2 writes shorter
        while (digits % 10 == 0) {
            digits /= 10;
            ++exponent;
        }
    }
    // the digits backwards, two at a time, ending at text + 20: eight at a time while more
    // are left, in 32-bit arithmetic, which is cheaper
    char text[48];
    char* lead = text + 20;
    const auto pairs = [&lead](std::uint32_t y, int count) {
        for (; count > 0; --count) {
            lead -= 2;
            std::memcpy(lead, kDigitPairs + 2 * (y % 100), 2);
            y /= 100;
        }
    };
    while (digits >= 100000000) {
        const std::uint64_t upper = digits / 100000000;
        pairs(static_cast<std::uint32_t>(digits - upper * 100000000), 4);
        digits = upper;
    }
    auto rest = static_cast<std::uint32_t>(digits);
    while (rest >= 100) {
        lead -= 2;
        std::memcpy(lead, kDigitPairs + 2 * (rest % 100), 2);
        rest /= 100;
    }
    if (rest >= 10) {
        lead -= 2;
        std::memcpy(lead, kDigitPairs + 2 * rest, 2);
    } else {
        *--lead = static_cast<char>('0' + rest);
    }
    const int length = static_cast<int>(text + 20 - lead);
    // nlohmann's format_buffer with to_chars's limits (-4, 15): the three plain layouts here
    // in fixed-size copies (the bytes past the end are scratch), the exponent forms by it.
    const int point = length + exponent;  // digits before the decimal point
    if (length <= point && point <= 15) {
        std::memcpy(first, lead, 16);  // digits[000].0
        std::memcpy(first + length, "000000000000000", 16);
        std::memcpy(first + point, ".0", 2);
        return first + point + 2;
    }
    if (0 < point && point <= 15) {
        std::memcpy(first, lead, 16);  // dig.its
        first[point] = '.';
        std::memcpy(first + point + 1, lead + point, 20);
        return first + length + 1;
    }
    if (-4 < point && point <= 0) {
        std::memcpy(first, "0.000", 5);  // 0.[000]digits
        std::memcpy(first + 2 - point, lead, 20);
        return first + 2 - point + length;
    }
    std::memcpy(first, lead, 20);
    return nlohmann::detail::dtoa_impl::format_buffer(first, length, exponent, -4, 15);
}

namespace {

// Up to 16 bytes in two overlapping fixed-size copies, not a call to memcpy.
void CopyShort(char* to, const char* from, std::size_t n) {
    if (n >= 8) {
        std::uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
}

}  // namespace

[[gnu::always_inline]] inline char* JsonWriter::CompactKey(char* place, std::string_view key) {
    assert(Plain(key) && key.size() <= kShortKey);
    if (needComma_) *place++ = ',';
    *place++ = '"';
    if (key.size() <= 16) {
        CopyShort(place, key.data(), key.size());
    } else {
        std::memcpy(place, key.data(), key.size());
    }
    place += key.size();
    *place++ = '"';
    *place++ = ':';
    return place;
}

void JsonWriter::PlainKey(std::string_view key) {
    if (!OnePiece(key)) return PlainKeyGeneral(key);
    Keep(CompactKey(Room(kShortKey + 4), key));
    needComma_ = false;
}

void JsonWriter::NumberMember(std::string_view key, double value) {
    if (!OnePiece(key) || !std::isfinite(value)) {
        PlainKey(key);
        return Number(value);
    }
    char* const place = CompactKey(Room(kShortKey + 4 + 64), key);
    Keep(FiniteText(place, value));
    needComma_ = true;
}

void JsonWriter::StringMember(std::string_view key, std::string_view text) {
    if (!OnePiece(key) || text.size() > kShortText || !Plain(text)) {
        PlainKey(key);
        return String(text);
    }
    char* place = CompactKey(Room(kShortKey + 4 + kShortText + 2), key);
    *place++ = '"';
    if (text.size() <= 16) {
        CopyShort(place, text.data(), text.size());
    } else {
        std::memcpy(place, text.data(), text.size());
    }
    place += text.size();
    *place++ = '"';
    Keep(place);
    needComma_ = true;
}

template <class Whole>
void JsonWriter::WholeMember(std::string_view key, Whole value) {
    if (!OnePiece(key)) {
        PlainKey(key);
        if constexpr (std::is_signed_v<Whole>) {
            return Integer(value);
        } else {
            return Unsigned(value);
        }
    }
    char* const place = CompactKey(Room(kShortKey + 4 + 24), key);
    Keep(std::to_chars(place, place + 24, value).ptr);
    needComma_ = true;
}

void JsonWriter::IntegerMember(std::string_view key, std::int64_t value) {
    WholeMember(key, value);
}

void JsonWriter::UnsignedMember(std::string_view key, std::uint64_t value) {
    WholeMember(key, value);
}

void JsonWriter::BoolMember(std::string_view key, bool value) {
    if (!OnePiece(key)) {
        PlainKey(key);
        return Bool(value);
    }
    char* const place = CompactKey(Room(kShortKey + 4 + 5), key);
    // both words with their terminating NUL are 5 bytes to read
    const std::string_view word = value ? "true" : "false";
    std::memcpy(place, word.data(), 5);
    Keep(place + word.size());
    needComma_ = true;
}

void JsonWriter::Quoted(std::string_view text) {
    if (Plain(text)) {
        if (text.size() + 2 > kStage) {
            std::string& out = Direct();
            out += '"';
            out += text;
            out += '"';
            return;
        }
        char* place = Room(text.size() + 2);
        *place++ = '"';
        std::memcpy(place, text.data(), text.size());
        place += text.size();
        *place++ = '"';
        return Keep(place);
    }
    // Escapes, multi-byte characters and invalid UTF-8 (replaced by U+FFFD) exactly as
    // nlohmann writes them: rare, so its own serializer does it.
    Direct() += nlohmann::json(std::string(text))
                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void JsonWriter::NewLine() {
    Keep(Put(Room(1), '\n'));
    constexpr std::size_t kSpaces = 64;
    for (auto spaces = static_cast<std::size_t>(depth_ * indent_); spaces > 0;) {
        const std::size_t n = std::min(spaces, kSpaces);
        char* const place = Room(kSpaces);
        std::memset(place, ' ', n);
        Keep(place + n);
        spaces -= n;
    }
}

void JsonWriter::SeparateIndented() {
    if (afterKey_) {
        afterKey_ = false;
    } else if (depth_ > 0) {
        if (needComma_) Keep(Put(Room(1), ','));
        NewLine();
    }
    needComma_ = true;
}

void JsonWriter::QuotedKey(std::string_view key) {
    if (needComma_) Keep(Put(Room(1), ','));
    if (indent_ >= 0) NewLine();
    Quoted(key);
    const std::string_view colon = indent_ >= 0 ? ": " : ":";
    char* const place = Room(2);
    std::memcpy(place, colon.data(), colon.size());
    Keep(place + colon.size());
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
    constexpr std::size_t kHead = 112;
    if (key.size() + margin + 6 + 16 > kHead) return QuotedKey(key);
    char* const head = Room(kHead);
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
    Keep(place);
    needComma_ = false;
    afterKey_ = indent_ >= 0;
}

void JsonWriter::String(std::string_view text) {
    if (indent_ < 0 && text.size() <= kShortText && Plain(text)) {
        char* place = Room(kShortText + 3);
        if (needComma_) *place++ = ',';
        needComma_ = true;
        *place++ = '"';
        std::memcpy(place, text.data(), text.size());
        place += text.size();
        *place++ = '"';
        return Keep(place);
    }
    Separate();
    Quoted(text);
}

void JsonWriter::Integer(std::int64_t value) {
    Separate();
    char* const place = Room(24);
    Keep(std::to_chars(place, place + 24, value).ptr);
}

void JsonWriter::Unsigned(std::uint64_t value) {
    Separate();
    char* const place = Room(24);
    Keep(std::to_chars(place, place + 24, value).ptr);
}

void JsonWriter::Bool(bool value) {
    Separate();
    const std::string_view word = value ? "true" : "false";
    char* const place = Room(5);
    std::memcpy(place, word.data(), word.size());
    Keep(place + word.size());
}

void JsonWriter::Number(double value) {
    if (std::isnan(value)) return String("nan");
    if (std::isinf(value)) return String(value > 0 ? "inf" : "-inf");
    // nlohmann's own shortest round-trip digits (Grisu2) and layout, so the text is the same
    // (std::to_chars gives other digits for about one double in a thousand, e.g. 17.4636279794
    // where Grisu2 writes 17.463627979399998); most of them without Grisu2's own work.
    Separate();
    Keep(FiniteText(Room(64), value));
}

char* JsonWriter::FiniteText(char* place, double value) {
    // zero, the most common value of all, at once
    if (value == 0 && !std::signbit(value)) return std::copy_n("0.0", 3, place);
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Remembered& slot = remembered_[(bits * 0x9e3779b97f4a7c15u) >> 58];
    if (slot.bits == bits) {
        std::memcpy(place, slot.text, sizeof slot.text);
        return place + slot.length;
    }
    char* end = QuickNumberText(place, value);
    if (end == nullptr) end = nlohmann::detail::to_chars(place, place + 64, value);
    if (end - place <= static_cast<std::ptrdiff_t>(sizeof slot.text)) {
        slot.bits = bits;
        slot.length = static_cast<std::uint8_t>(end - place);
        std::memcpy(slot.text, place, sizeof slot.text);
    }
    return end;
}

void JsonWriter::Raw(std::string_view json) {
    Separate();
    if (json.size() > kStage) {
        Direct() += json;
        return;
    }
    char* const place = Room(json.size());
    std::memcpy(place, json.data(), json.size());
    Keep(place + json.size());
}

}  // namespace as4100
