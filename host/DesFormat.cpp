// Report number formatter: SI values in, engineering units out.
//
// Precision chosen for the report: about four significant figures for the usual sizes of a
// steel member. Forces and moments keep two decimals of kN (10 N), stresses one decimal of MPa,
// lengths millimetre precision in metres. Section moduli and second moments are shown in the
// scaled units of the section tables (10³ mm³, 10⁶ mm⁴, 10⁹ mm⁶) with four significant figures.
//
// Digits come from std::to_chars, which rounds exactly as printf's "%.*f" does (the exact
// binary value, ties to even), without printf's locale and stream machinery.
#include "host/DesFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwchar>

namespace Arbor::Util {

namespace {

constexpr int kSignificantFigures = 4;
constexpr int kMaxDecimals = 6;
// Numbers longer than this are cut, as the former 64-byte printf buffer did (only magnitudes
// beyond about 1e60 reach it).
constexpr std::ptrdiff_t kMaxNumberLength = 63;
// Room reserved beyond the number and its unit: the text a report line adds around it, so
// that the concatenation at the caller does not reallocate.
constexpr size_t kLineRoom = 96;

// "inf", "-inf" or "nan" for a value that has no number to show.
bool NonFinite(double value, CString& text) {
    if (std::isnan(value)) {
        text = L"nan";
    } else if (std::isinf(value)) {
        text = value > 0 ? L"inf" : L"-inf";
    } else {
        return false;
    }
    return true;
}

// value with `decimals` decimals, then the unit. A value that rounds to zero prints without a
// minus sign ("0.00", not "-0.00").
CString Fixed(double value, int decimals, const wchar_t* unit) {
    // 309 integer digits of the largest double, sign, point and the decimals
    char digits[320];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    const char* last = error == std::errc() ? end : digits;
    if (last - digits > kMaxNumberLength) last = digits + kMaxNumberLength;
    const char* first = digits;
    const auto nonZero = [](char c) { return c >= '1' && c <= '9'; };
    if (first != last && *first == '-' && std::none_of(first + 1, last, nonZero)) ++first;
    const size_t unitLength = std::wcslen(unit);
    CString text;
    text.reserve(static_cast<size_t>(last - first) + unitLength + kLineRoom);
    text.append(first, last);  // plain ASCII, widened
    text.append(unit, unitLength);
    return text;
}

// Decimals that give four significant figures, none for values of 1000 and above.
int DecimalsForSignificant(double value) {
    if (value == 0.0) return kSignificantFigures - 1;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = kSignificantFigures - 1 - magnitude;
    return decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
}

// value × scale shown with a fixed number of decimals and the unit.
CString FixedScaled(double value, double scale, int decimals, const wchar_t* unit) {
    CString text;
    if (NonFinite(value, text)) return text;
    return Fixed(value * scale, decimals, unit);
}

// value × scale shown with four significant figures and the unit.
CString SignificantScaled(double value, double scale, const wchar_t* unit) {
    CString text;
    if (NonFinite(value, text)) return text;
    const double scaled = value * scale;
    return Fixed(scaled, DecimalsForSignificant(scaled), unit);
}

}  // namespace
CString CDesFormat::Length(double metres) const {
    return FixedScaled(metres, 1.0, 3, L" m");
}

CString CDesFormat::LengthSmall(double metres) const {
    return FixedScaled(metres, 1e3, 1, L" mm");
}

CString CDesFormat::AreaCS(double m2) const {
    return FixedScaled(m2, 1e6, 0, L" mm²");
}

CString CDesFormat::LCubed(double m3) const {
    return SignificantScaled(m3, 1e9 / 1e3, L"×10³ mm³");
}

CString CDesFormat::LFourth(double m4) const {
    return SignificantScaled(m4, 1e12 / 1e6, L"×10⁶ mm⁴");
}

CString CDesFormat::LSixth(double m6) const {
    return SignificantScaled(m6, 1e18 / 1e9, L"×10⁹ mm⁶");
}

CString CDesFormat::Force(double newtons) const {
    return FixedScaled(newtons, 1e-3, 2, L" kN");
}

CString CDesFormat::Moment(double newtonMetres) const {
    return FixedScaled(newtonMetres, 1e-3, 2, L" kN·m");
}

CString CDesFormat::Stress(double pascals) const {
    return FixedScaled(pascals, 1e-6, 1, L" MPa");
}

// Three decimals; below 0.1 in magnitude four significant figures so that small factors and
// ratios do not print as 0.000.
CString CDesFormat::NoDim(double value) const {
    CString text;
    if (NonFinite(value, text)) return text;
    const bool small = value != 0.0 && std::fabs(value) < 0.1;
    const int decimals = small ? DecimalsForSignificant(value) : 3;
    return Fixed(value, decimals, L"");
}

CString CDesFormat::Util(double value) const {
    return FixedScaled(value, 1.0, 3, L"");
}

CString CDesFormat::Int(int value) const {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return CString(static_cast<const char*>(digits), end);
}

}  // namespace Arbor::Util
