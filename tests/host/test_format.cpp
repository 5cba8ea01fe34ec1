// Report formatter (SI in, engineering units out) and the UTF-8 conversion at the edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/CString.h"
#include "host/DesFormat.h"

using Arbor::FromUtf8;
using Arbor::ToUtf8;
using Arbor::Util::CDesFormat;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

TEST(DesFormatUnits, EngineeringUnitsAndTheirDigits) {
    CDesFormat f;
    EXPECT_EQ(f.Force(123450.0), L"123.45 kN");
    EXPECT_EQ(f.Force(-1.0e5), L"-100.00 kN");
    EXPECT_EQ(f.Moment(45000.0), L"45.00 kN·m");
    EXPECT_EQ(f.Stress(3.2e8), L"320.0 MPa");
    EXPECT_EQ(f.LengthSmall(0.304), L"304.0 mm");
    EXPECT_EQ(f.AreaCS(5.21e-3), L"5210 mm²");
    // 310UB40.4: Sx = 633e3 mm³, Ix = 86.4e6 mm⁴
    EXPECT_EQ(f.LCubed(633e3 * 1e-9), L"633.0×10³ mm³");
    EXPECT_EQ(f.LFourth(86.4e6 * 1e-12), L"86.40×10⁶ mm⁴");
    // four significant figures whatever the size
    EXPECT_EQ(f.LFourth(48700 * 1e-12), L"0.04870×10⁶ mm⁴");
    EXPECT_EQ(f.LSixth(3450e9 * 1e-18), L"3450×10⁹ mm⁶");
    EXPECT_EQ(f.Util(0.8523), L"0.852");
    EXPECT_EQ(f.NoDim(123.456), L"123.456");
    EXPECT_EQ(f.NoDim(0.001234), L"0.001234");  // small factors keep their digits
}

TEST(DesFormatUnits, NonFiniteAndTinyNegativeValues) {
    CDesFormat f;
    EXPECT_EQ(f.Util(kInf), L"inf");
    EXPECT_EQ(f.Force(-kInf), L"-inf");
    EXPECT_EQ(f.LFourth(std::nan("")), L"nan");
    EXPECT_EQ(f.Moment(-1e-9), L"0.00 kN·m");  // not "-0.00"
    EXPECT_EQ(f.Util(-1e-12), L"0.000");
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
