// Report formatter (SI in, engineering units out) and the UTF-8 conversion at the edges.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "host/CString.h"
#include "host/DesFormat.h"

using Arbor::FromUtf8;
using Arbor::ToUtf8;
using Arbor::Util::CDesFormat;

namespace Arbor::Util {
// Failures show the text of a formatted value.
void PrintTo(const CFormatted& text, std::ostream* out) {
    *out << ToUtf8(CString(text));
}
}  // namespace Arbor::Util

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

// Fixed decimals of every unit are checked against printf below; here the powers of ten,
// significant figures and values that are not finite.
TEST(DesFormatUnits, PowersOfTenSignificantFiguresAndNonFiniteValues) {
    CDesFormat f;
    // 310UB40.4: Sx = 633e3 mm³, Ix = 86.4e6 mm⁴; four significant figures whatever the size
    EXPECT_EQ(f.LCubed(633e3 * 1e-9), L"633.0×10³ mm³");
    EXPECT_EQ(f.LFourth(86.4e6 * 1e-12), L"86.40×10⁶ mm⁴");
    EXPECT_EQ(f.LFourth(48700 * 1e-12), L"0.04870×10⁶ mm⁴");
    EXPECT_EQ(f.LSixth(3450e9 * 1e-18), L"3450×10⁹ mm⁶");
    EXPECT_EQ(f.NoDim(0.001234), L"0.001234");  // small factors keep their digits
    EXPECT_EQ(f.Util(kInf), L"inf");
    EXPECT_EQ(f.Force(-kInf), L"-inf");
    EXPECT_EQ(f.LFourth(std::nan("")), L"nan");
}

// The formatter's digits against printf's "%.*f" (the formatter of earlier builds, whose output
// the report keeps byte for byte): same rounding of ties, same cut of very long numbers, no
// minus sign on a value that rounds to zero.
CString PrintfFixed(double value, int decimals, const wchar_t* unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string number(buffer);
    if (number[0] == '-' && number.find_first_of("123456789") == std::string::npos)
        number.erase(0, 1);
    return CString(number.begin(), number.end()) + unit;
}

void ExpectSameAsPrintf(double v) {
    CDesFormat f;
    SCOPED_TRACE(testing::Message() << "value " << std::hexfloat << v);
    EXPECT_EQ(f.Util(v), PrintfFixed(v, 3, L""));
    EXPECT_EQ(f.Length(v), PrintfFixed(v, 3, L" m"));
    EXPECT_EQ(f.LengthSmall(v), PrintfFixed(v * 1e3, 1, L" mm"));
    EXPECT_EQ(f.AreaCS(v), PrintfFixed(v * 1e6, 0, L" mm²"));
    EXPECT_EQ(f.Force(v), PrintfFixed(v * 1e-3, 2, L" kN"));
    EXPECT_EQ(f.Moment(v), PrintfFixed(v * 1e-3, 2, L" kN·m"));
    EXPECT_EQ(f.Stress(v), PrintfFixed(v * 1e-6, 1, L" MPa"));
    if (std::fabs(v) >= 0.1) {
        EXPECT_EQ(f.NoDim(v), PrintfFixed(v, 3, L""));
    }
}

TEST(DesFormatDigits, TiesZerosAndExtremesAsPrintf) {
    // clang-format off
    const double table[] = {0.0, -0.0, 0.125, -0.125, 0.375, 2.5, 3.5, 0.0625, 1.0005, 0.0005,
        -0.0005, 0.015625, 2675.0, 2665.0, 1234.5, 1235.5, -1234.5, 0.4995, 0.9995, 9.9995, 99.995,
        999.95, 1e-3, 5e-4, 5e-5, -4.9e-4, 1e-320, -1e-320, DBL_MIN, DBL_TRUE_MIN, 1e15, 1e22,
        123456789.125, 9007199254740993.0, 1e59, 1e60, 1e61, 1e100, -1e100, 1e300, DBL_MAX,
        -DBL_MAX, 356044.8, 45000.0, 3.2e8, 0.852349, 1.0 / 3.0, -2.0 / 3.0, 123450.0, -1e5, 0.304,
        5.21e-3, 0.8523, 123.456, -1e-9, -1e-12};
    // clang-format on
    for (double v : table) ExpectSameAsPrintf(v);
    // Ties at every decimal place the formatter uses: n/2^k is exact in binary.
    for (int n = -64; n <= 64; ++n) ExpectSameAsPrintf(n / 64.0 + 1000.0 * n);
    // Random values over every magnitude the report shows and beyond.
    std::mt19937_64 random(4100);
    std::uniform_real_distribution<double> exponent(-12.0, 16.0), mantissa(-1.0, 1.0);
    for (int i = 0; i < 3000; ++i)
        ExpectSameAsPrintf(mantissa(random) * std::pow(10.0, exponent(random)));
}

TEST(DesFormatDigits, SignificantFiguresAndIntegers) {
    CDesFormat f;
    struct Case {
        double value;
        const wchar_t* text;
    };
    // values in 10⁹ mm⁶: four significant figures, at most six decimals
    const Case sixth[] = {{0.0, L"0.000×10⁹ mm⁶"},     {2e-6, L"0.000002×10⁹ mm⁶"},
                          {1.23456, L"1.235×10⁹ mm⁶"}, {999.96, L"1000.0×10⁹ mm⁶"},
                          {-0.15, L"-0.1500×10⁹ mm⁶"}, {1234560.0, L"1234560×10⁹ mm⁶"}};
    for (const Case& c : sixth) EXPECT_EQ(f.LSixth(c.value * 1e-9), c.text) << c.value;
    EXPECT_EQ(f.NoDim(-0.0999949), L"-0.09999");
    EXPECT_EQ(f.NoDim(1e-9), L"0.000000");  // at most six decimals
    EXPECT_EQ(f.Int(0), L"0");
    EXPECT_EQ(f.Int(-2147483647 - 1), L"-2147483648");
    EXPECT_EQ(f.Int(123), L"123");
    EXPECT_EQ(f.NoDim(kInf), L"inf");
    EXPECT_EQ(f.LFourth(-kInf), L"-inf");
}

TEST(Utf8, ReportSymbolsFourByteSequencesAndMalformedInput) {
    const CString wide = L"633.0×10³ mm³, 86.40×10⁶ mm⁴, 118.0×10⁹ mm⁶, 45.00 kN·m, 5210 mm²";
    EXPECT_EQ(FromUtf8(ToUtf8(wide)), wide);
    EXPECT_EQ(ToUtf8(L"×⁶·"), "\xC3\x97\xE2\x81\xB6\xC2\xB7");
    EXPECT_EQ(ToUtf8(FromUtf8("\xF0\x9F\x94\xA9")), "\xF0\x9F\x94\xA9");  // U+1F529
    EXPECT_EQ(FromUtf8("a\xFFz"), L"a\uFFFDz");                           // invalid lead byte
    EXPECT_EQ(FromUtf8("a\xC3"), L"a\uFFFD");                             // truncated
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");                           // overlong '/'
    EXPECT_EQ(FromUtf8(""), L"");
}
