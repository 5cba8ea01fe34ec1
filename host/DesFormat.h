// Number formatter of the host's report (ArUtil): SI values in, engineering units out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "host/CString.h"

namespace Arbor::Util {

// One formatted value with its unit, held in place (no heap). It converts to CString and
// joins report text with + as a CString does, so that a report line such as
// `L"Vv = " + f.Force(v) + L"\n"` is built in one string with room for the rest of the line.
class CFormatted {
  public:
    static constexpr std::size_t kCapacity = 80;  // a cut number (63) and the longest unit

    CFormatted() = default;
    CFormatted(const char* digits, std::size_t count, std::wstring_view unit);
    // The decimal text of scaled / 10^decimals (decimals 0 to 6; a minus sign first when
    // `negative`), then the unit.
    CFormatted(std::uint64_t scaled, int decimals, bool negative, std::wstring_view unit);
    explicit CFormatted(std::wstring_view text);

    std::wstring_view View() const { return {text_, size_}; }
    operator CString() const { return CString(View()); }

  private:
    wchar_t text_[kCapacity];
    std::size_t size_ = 0;
};

// Report line buffers recycled between checks: a line joined from a formatted value is built
// in a buffer taken here (room for `capacity` characters), and the result holding it gives it
// back when it is reset, so that a repeated check allocates no text. Thread-local pool.
CString TakeLineBuffer(std::size_t capacity);
void ReturnLineBuffer(CString&& buffer);
// The pieces joined in one such buffer, for a line that starts without a formatted value.
CString JoinLine(std::initializer_list<std::wstring_view> pieces);

CString operator+(const wchar_t* left, const CFormatted& right);
CString operator+(const CString& left, const CFormatted& right);
CString operator+(CString&& left, const CFormatted& right);
CString operator+(const CFormatted& left, const wchar_t* right);
CString operator+(const CFormatted& left, const CString& right);
CString operator+(const CFormatted& left, const CFormatted& right);
CString operator+(const CFormatted& left, wchar_t right);
inline bool operator==(const CFormatted& left, std::wstring_view right) {
    return left.View() == right;
}
inline bool operator==(const CFormatted& left, const CString& right) {
    return left.View() == std::wstring_view(right);
}
inline bool operator==(const CFormatted& left, const wchar_t* right) {
    return left.View() == std::wstring_view(right);
}

class CDesFormat {
  public:
    // Each takes an SI value and returns it in engineering units with the unit word:
    // m, mm, mm², 10³ mm³, 10⁶ mm⁴, 10⁹ mm⁶, kN, kN·m, MPa; NoDim and Util carry no unit.
    // Infinity prints as "inf", NaN as "nan".
    CFormatted Length(double metres) const;        // "6.000 m"
    CFormatted LengthSmall(double metres) const;   // "304.0 mm"
    CFormatted AreaCS(double m2) const;            // "5210 mm²"
    CFormatted LCubed(double m3) const;            // "633.0×10³ mm³"
    CFormatted LFourth(double m4) const;           // "86.40×10⁶ mm⁴"
    CFormatted LSixth(double m6) const;            // "118.0×10⁹ mm⁶"
    CFormatted Force(double newtons) const;        // "123.45 kN"
    CFormatted Moment(double newtonMetres) const;  // "45.00 kN·m"
    CFormatted Stress(double pascals) const;       // "320.0 MPa"
    CFormatted NoDim(double value) const;          // "0.852"
    CFormatted Util(double value) const;           // "0.852"
    CFormatted Int(int value) const;               // "3"
};

}  // namespace Arbor::Util

namespace Arbor::Steel {
using Arbor::Util::CDesFormat;
using Arbor::Util::CFormatted;
using Arbor::Util::JoinLine;
}
