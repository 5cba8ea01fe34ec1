// Report number formatter: SI values in, engineering units out.
//
// Precision chosen for the report: about four significant figures for the usual sizes of a
// steel member. Forces and moments keep two decimals of kN (10 N), stresses one decimal of MPa,
// lengths millimetre precision in metres. Section moduli and second moments are shown in the
// scaled units of the section tables (10³ mm³, 10⁶ mm⁴, 10⁹ mm⁶) with four significant figures.
//
// Digits are rounded exactly as printf's "%.*f" rounds them (the exact binary value, ties to
// even): in integers for the usual sizes, through std::to_chars beyond.
#include "host/DesFormat.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace Arbor::Util {

namespace {

constexpr int kSignificantFigures = 4;
constexpr int kMaxDecimals = 6;
// Numbers longer than this are cut, as the former 64-byte printf buffer did (only magnitudes
// beyond about 1e60 reach it).
constexpr std::ptrdiff_t kMaxNumberLength = 63;
// Room reserved beyond the text joined to a formatted value: the rest of a report line, so
// that its further pieces are appended without reallocating.
constexpr size_t kLineRoom = 96;

// Buffers kept for reuse at most (a beam's full report is about 350 pieces), and the least
// room a buffer is given, so that a recycled one takes most lines without reallocating.
constexpr size_t kMaxPooledBuffers = 1024;
constexpr size_t kLeastLineBuffer = 160;

std::vector<CString>& LinePool() {
    thread_local std::vector<CString> pool;
    return pool;
}

CString Joined(std::wstring_view left, std::wstring_view right) {
    CString text = TakeLineBuffer(left.size() + right.size() + kLineRoom);
    text.append(left);
    text.append(right);
    return text;
}

// "inf", "-inf" or "nan" for a value that has no number to show.
bool NonFinite(double value, CFormatted& text) {
    if (std::isnan(value)) {
        text = CFormatted(L"nan");
    } else if (std::isinf(value)) {
        text = CFormatted(value > 0 ? L"inf" : L"-inf");
    } else {
        return false;
    }
    return true;
}

// |value| × 10^decimals rounded to an integer as printf rounds (the exact binary value, ties
// to even); false when the value is out of the range worked in integers (|value| below 1e12,
// at most six decimals).
bool ExactScaled(double value, int decimals, std::uint64_t& rounded) {
    constexpr std::uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals > kMaxDecimals || !(std::fabs(value) < 1e12)) return false;
    // value = mantissa × 2^-shift exactly; below 2^52 the shift is always positive
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int shift = 1075 - (biased == 0 ? 1 : biased);
    rounded = 0;
    if (shift >= 100) return true;  // the scaled value is far below one half
    const unsigned __int128 scaled =
        static_cast<unsigned __int128>(mantissa) * kPow10[static_cast<size_t>(decimals)];
    rounded = static_cast<std::uint64_t>(scaled >> shift);
    const unsigned __int128 rest = scaled & ((static_cast<unsigned __int128>(1) << shift) - 1);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (rounded & 1))) ++rounded;
    return true;
}

// value with `decimals` decimals, then the unit. A value that rounds to zero prints without a
// minus sign ("0.00", not "-0.00").
CFormatted Fixed(double value, int decimals, std::wstring_view unit) {
    std::uint64_t rounded = 0;
    if (ExactScaled(value, decimals, rounded)) {
        const bool zero = rounded == 0;
        // digits written backwards from the end, the point after `decimals` of them
        char digits[32];
        char* first = digits + sizeof digits;
        int count = 0;
        do {
            *--first = static_cast<char>('0' + rounded % 10);
            rounded /= 10;
            if (++count == decimals) *--first = '.';
        } while (rounded != 0 || count <= decimals);
        if (std::signbit(value) && !zero) *--first = '-';
        return CFormatted(first, static_cast<size_t>(digits + sizeof digits - first), unit);
    }
    // 309 integer digits of the largest double, sign, point and the decimals
    char digits[320];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    const char* last = error == std::errc() ? end : digits;
    if (last - digits > kMaxNumberLength) last = digits + kMaxNumberLength;
    const char* first = digits;
    const auto nonZero = [](char c) { return c >= '1' && c <= '9'; };
    if (first != last && *first == '-' && std::none_of(first + 1, last, nonZero)) ++first;
    return CFormatted(first, static_cast<size_t>(last - first), unit);
}

// Decimals that give four significant figures, none for values of 1000 and above.
int DecimalsForSignificant(double value) {
    if (value == 0.0) return kSignificantFigures - 1;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = kSignificantFigures - 1 - magnitude;
    return decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
}

// value × scale shown with a fixed number of decimals and the unit.
CFormatted FixedScaled(double value, double scale, int decimals, const wchar_t* unit) {
    CFormatted text;
    if (NonFinite(value, text)) return text;
    return Fixed(value * scale, decimals, unit);
}

// value × scale shown with four significant figures and the unit.
CFormatted SignificantScaled(double value, double scale, const wchar_t* unit) {
    CFormatted text;
    if (NonFinite(value, text)) return text;
    const double scaled = value * scale;
    return Fixed(scaled, DecimalsForSignificant(scaled), unit);
}

}  // namespace

CFormatted::CFormatted(const char* digits, size_t count, std::wstring_view unit)
    : size_(std::min(count + unit.size(), kCapacity)) {
    const size_t numberLength = std::min(count, kCapacity);
    std::copy(digits, digits + numberLength, text_);  // plain ASCII, widened
    std::copy(unit.begin(), unit.begin() + static_cast<std::ptrdiff_t>(size_ - numberLength),
              text_ + numberLength);
}

CFormatted::CFormatted(std::wstring_view text) : size_(std::min(text.size(), kCapacity)) {
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size_), text_);
}

CString TakeLineBuffer(size_t capacity) {
    std::vector<CString>& pool = LinePool();
    CString buffer;
    if (!pool.empty()) {
        buffer = std::move(pool.back());
        pool.pop_back();
    }
    buffer.reserve(std::max(capacity, kLeastLineBuffer));
    return buffer;
}

void ReturnLineBuffer(CString&& buffer) {
    std::vector<CString>& pool = LinePool();
    // only heap buffers are worth keeping
    if (buffer.capacity() <= CString().capacity() || pool.size() >= kMaxPooledBuffers) return;
    buffer.clear();
    pool.push_back(std::move(buffer));
}

CString operator+(const wchar_t* left, const CFormatted& right) {
    return Joined(left, right.View());
}

CString operator+(const CString& left, const CFormatted& right) {
    return Joined(left, right.View());
}

CString operator+(CString&& left, const CFormatted& right) {
    left.append(right.View());
    return std::move(left);
}

CString operator+(const CFormatted& left, const wchar_t* right) {
    return Joined(left.View(), right);
}

CString operator+(const CFormatted& left, const CString& right) {
    return Joined(left.View(), right);
}

CString operator+(const CFormatted& left, const CFormatted& right) {
    return Joined(left.View(), right.View());
}

CString operator+(const CFormatted& left, wchar_t right) {
    return Joined(left.View(), std::wstring_view(&right, 1));
}

CFormatted CDesFormat::Length(double metres) const {
    return FixedScaled(metres, 1.0, 3, L" m");
}

CFormatted CDesFormat::LengthSmall(double metres) const {
    return FixedScaled(metres, 1e3, 1, L" mm");
}

CFormatted CDesFormat::AreaCS(double m2) const {
    return FixedScaled(m2, 1e6, 0, L" mm²");
}

CFormatted CDesFormat::LCubed(double m3) const {
    return SignificantScaled(m3, 1e9 / 1e3, L"×10³ mm³");
}

CFormatted CDesFormat::LFourth(double m4) const {
    return SignificantScaled(m4, 1e12 / 1e6, L"×10⁶ mm⁴");
}

CFormatted CDesFormat::LSixth(double m6) const {
    return SignificantScaled(m6, 1e18 / 1e9, L"×10⁹ mm⁶");
}

CFormatted CDesFormat::Force(double newtons) const {
    return FixedScaled(newtons, 1e-3, 2, L" kN");
}

CFormatted CDesFormat::Moment(double newtonMetres) const {
    return FixedScaled(newtonMetres, 1e-3, 2, L" kN·m");
}

CFormatted CDesFormat::Stress(double pascals) const {
    return FixedScaled(pascals, 1e-6, 1, L" MPa");
}

// Three decimals; below 0.1 in magnitude four significant figures so that small factors and
// ratios do not print as 0.000.
CFormatted CDesFormat::NoDim(double value) const {
    CFormatted text;
    if (NonFinite(value, text)) return text;
    const bool small = value != 0.0 && std::fabs(value) < 0.1;
    const int decimals = small ? DecimalsForSignificant(value) : 3;
    return Fixed(value, decimals, L"");
}

CFormatted CDesFormat::Util(double value) const {
    return FixedScaled(value, 1.0, 3, L"");
}

CFormatted CDesFormat::Int(int value) const {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return CFormatted(digits, static_cast<size_t>(end - digits), L"");
}

}  // namespace Arbor::Util
