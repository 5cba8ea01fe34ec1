// Report number formatter: SI values in, engineering units out.
//
// Precision chosen for the report: about four significant figures for the usual sizes of a
// steel member. Forces and moments keep two decimals of kN (10 N), stresses one decimal of MPa,
// lengths millimetre precision in metres. Section moduli and second moments are shown in the
// scaled units of the section tables (10³ mm³, 10⁶ mm⁴, 10⁹ mm⁶) with four significant figures.
#include "host/DesFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace Arbor::Util {

namespace {

constexpr int kSignificantFigures = 4;
constexpr int kMaxDecimals = 6;

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

// A value that rounds to zero prints without a minus sign ("0.00", not "-0.00").
void DropNegativeZero(std::string& number) {
    if (number.empty() || number[0] != '-') return;
    if (number.find_first_of("123456789") == std::string::npos) number.erase(0, 1);
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string number(buffer);
    DropNegativeZero(number);
    return number;
}

// Decimals that give four significant figures, none for values of 1000 and above.
int DecimalsForSignificant(double value) {
    if (value == 0.0) return kSignificantFigures - 1;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = kSignificantFigures - 1 - magnitude;
    return decimals < 0 ? 0 : (decimals > kMaxDecimals ? kMaxDecimals : decimals);
}

CString WithUnit(const std::string& number, const wchar_t* unit) {
    CString text(number.begin(), number.end());  // the number is plain ASCII
    return text + unit;
}

// value × scale shown with a fixed number of decimals and the unit.
CString FixedScaled(double value, double scale, int decimals, const wchar_t* unit) {
    CString text;
    if (NonFinite(value, text)) return text;
    return WithUnit(Fixed(value * scale, decimals), unit);
}

// value × scale shown with four significant figures and the unit.
CString SignificantScaled(double value, double scale, const wchar_t* unit) {
    CString text;
    if (NonFinite(value, text)) return text;
    const double scaled = value * scale;
    return WithUnit(Fixed(scaled, DecimalsForSignificant(scaled)), unit);
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
    return WithUnit(Fixed(value, decimals), L"");
}

CString CDesFormat::Util(double value) const {
    return FixedScaled(value, 1.0, 3, L"");
}

CString CDesFormat::Int(int value) const {
    return std::to_wstring(value);
}

}  // namespace Arbor::Util
