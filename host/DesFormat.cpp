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
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace Arbor::Util {

using namespace std::string_view_literals;

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

// The buffers of this thread, reached through a plain pointer in initial-exec TLS: the
// library is loaded with the program, and the general model (and the guard of an object with
// a destructor) would cost a __tls_get_addr call at every use, two per report line.
struct LinePool;
[[gnu::tls_model("initial-exec")]] thread_local LinePool* threadPool = nullptr;

struct LinePool {
    std::vector<CString> buffers;
    ~LinePool() { threadPool = nullptr; }
};

std::vector<CString>& ThreadLineBuffers() {
    if (!threadPool) {
        thread_local LinePool pool;  // destroyed with the thread
        threadPool = &pool;
    }
    return threadPool->buffers;
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

constexpr std::uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// |value| × 10^decimals rounded to an integer as printf rounds (the exact binary value, ties
// to even); false when the value is out of the range worked in integers (|value| below 1e12,
// at most six decimals).
bool ExactScaled(double value, int decimals, std::uint64_t& rounded) {
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

// ExactScaled's result, taken from the product in doubles when that cannot round otherwise:
// below 2^40 the product is within 2^-14 of the exact one, so a fraction farther than 2^-11
// from one half rounds the same way (the rest, near ties, goes the exact way).
bool RoundedScaled(double value, int decimals, std::uint64_t& rounded) {
    constexpr double kPow10Double[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    constexpr double kProductLimit = 0x1p40;
    constexpr double kTieMargin = 0x1p-11;
    if (decimals >= 0 && decimals <= kMaxDecimals) {
        const double scaled = std::fabs(value) * kPow10Double[decimals];
        if (scaled < kProductLimit) {
            const auto whole = static_cast<std::uint64_t>(scaled);
            const double fraction = scaled - static_cast<double>(whole);
            if (std::fabs(fraction - 0.5) > kTieMargin) {
                rounded = whole + (fraction > 0.5 ? 1 : 0);
                return true;
            }
        }
    }
    return ExactScaled(value, decimals, rounded);
}

// value with `decimals` decimals, then the unit. A value that rounds to zero prints without a
// minus sign ("0.00", not "-0.00").
CFormatted Fixed(double value, int decimals, std::wstring_view unit) {
    std::uint64_t rounded = 0;
    if (RoundedScaled(value, decimals, rounded)) {
        return CFormatted(rounded, decimals, std::signbit(value) && rounded != 0, unit);
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

// "00" to "99": the two digits of each number below 100, tens first.
constexpr auto kDigitPairs = [] {
    std::array<wchar_t, 200> pairs{};
    for (int n = 0; n < 100; ++n) {
        pairs[static_cast<size_t>(2 * n)] = static_cast<wchar_t>(L'0' + n / 10);
        pairs[static_cast<size_t>(2 * n + 1)] = static_cast<wchar_t>(L'0' + n % 10);
    }
    return pairs;
}();

// The `count` lowest decimal digits of `number`, written backwards ending at `end`, two at a
// time; returns the first written.
wchar_t* WriteDigitsBackward(std::uint64_t number, int count, wchar_t* end) {
    for (; count >= 2; count -= 2) {
        const auto pair = static_cast<size_t>(number % 100) * 2;
        number /= 100;
        end -= 2;
        std::memcpy(end, &kDigitPairs[pair], 2 * sizeof(wchar_t));  // one 8-byte move
    }
    if (count == 1) *--end = static_cast<wchar_t>(L'0' + number % 10);
    return end;
}

// Number of decimal digits of `number`, at least one.
int DigitCount(std::uint64_t number) {
    int count = 1;
    for (; number >= 100; number /= 100) count += 2;
    return number >= 10 ? count + 1 : count;
}

// Decimals that give four significant figures, none for values of 1000 and above.
int DecimalsForSignificant(double value) {
    if (value == 0.0) return kSignificantFigures - 1;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = kSignificantFigures - 1 - magnitude;
    return decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
}

// value × scale shown with a fixed number of decimals and the unit.
CFormatted FixedScaled(double value, double scale, int decimals, std::wstring_view unit) {
    CFormatted text;
    if (NonFinite(value, text)) return text;
    return Fixed(value * scale, decimals, unit);
}

// value × scale shown with four significant figures and the unit.
CFormatted SignificantScaled(double value, double scale, std::wstring_view unit) {
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

CFormatted::CFormatted(std::uint64_t scaled, int decimals, bool negative, std::wstring_view unit) {
    const int whole = DigitCount(scaled / kPow10[static_cast<size_t>(decimals)]);
    const int length = (negative ? 1 : 0) + whole + (decimals > 0 ? decimals + 1 : 0);
    wchar_t* const end = text_ + length;  // at most 21 characters: scaled is below 1e18
    wchar_t* first = WriteDigitsBackward(scaled, decimals, end);
    if (decimals > 0) *--first = L'.';
    first = WriteDigitsBackward(scaled / kPow10[static_cast<size_t>(decimals)], whole, first);
    if (negative) *--first = L'-';
    // A unit is a few characters: copied one by one (the stop at the capacity keeps the loop
    // from becoming a memmove call, dearer for so few).
    wchar_t* out = end;
    for (const wchar_t c : unit) {
        if (out == text_ + kCapacity) break;
        *out++ = c;
    }
    size_ = static_cast<size_t>(out - text_);
}

CFormatted::CFormatted(std::wstring_view text) : size_(std::min(text.size(), kCapacity)) {
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size_), text_);
}

CString TakeLineBuffer(size_t capacity) {
    std::vector<CString>& pool = ThreadLineBuffers();
    CString buffer;
    if (!pool.empty()) {
        buffer = std::move(pool.back());
        pool.pop_back();
    }
    buffer.reserve(std::max(capacity, kLeastLineBuffer));
    return buffer;
}

void ReturnLineBuffer(CString&& buffer) {
    std::vector<CString>& pool = ThreadLineBuffers();
    // Only buffers of the least size are worth keeping: a smaller one would be reallocated
    // when it is taken.
    if (buffer.capacity() < kLeastLineBuffer || pool.size() >= kMaxPooledBuffers) return;
    buffer.clear();
    pool.push_back(std::move(buffer));
}

CString JoinLine(std::initializer_list<std::wstring_view> pieces) {
    size_t length = 0;
    for (const std::wstring_view piece : pieces) length += piece.size();
    CString text = TakeLineBuffer(length + kLineRoom);
    for (const std::wstring_view piece : pieces) text.append(piece);
    return text;
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
    return FixedScaled(metres, 1.0, 3, L" m"sv);
}

CFormatted CDesFormat::LengthSmall(double metres) const {
    return FixedScaled(metres, 1e3, 1, L" mm"sv);
}

CFormatted CDesFormat::AreaCS(double m2) const {
    return FixedScaled(m2, 1e6, 0, L" mm²"sv);
}

CFormatted CDesFormat::LCubed(double m3) const {
    return SignificantScaled(m3, 1e9 / 1e3, L"×10³ mm³"sv);
}

CFormatted CDesFormat::LFourth(double m4) const {
    return SignificantScaled(m4, 1e12 / 1e6, L"×10⁶ mm⁴"sv);
}

CFormatted CDesFormat::LSixth(double m6) const {
    return SignificantScaled(m6, 1e18 / 1e9, L"×10⁹ mm⁶"sv);
}

CFormatted CDesFormat::Force(double newtons) const {
    return FixedScaled(newtons, 1e-3, 2, L" kN"sv);
}

CFormatted CDesFormat::Moment(double newtonMetres) const {
    return FixedScaled(newtonMetres, 1e-3, 2, L" kN·m"sv);
}

CFormatted CDesFormat::Stress(double pascals) const {
    return FixedScaled(pascals, 1e-6, 1, L" MPa"sv);
}

// Three decimals; below 0.1 in magnitude four significant figures so that small factors and
// ratios do not print as 0.000.
CFormatted CDesFormat::NoDim(double value) const {
    CFormatted text;
    if (NonFinite(value, text)) return text;
    const bool small = value != 0.0 && std::fabs(value) < 0.1;
    const int decimals = small ? DecimalsForSignificant(value) : 3;
    return Fixed(value, decimals, {});
}

CFormatted CDesFormat::Util(double value) const {
    return FixedScaled(value, 1.0, 3, L""sv);
}

CFormatted CDesFormat::Int(int value) const {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return CFormatted(digits, static_cast<size_t>(end - digits), L"");
}

}  // namespace Arbor::Util
