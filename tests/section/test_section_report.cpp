// Section property block of the full report: property lines, the user factors and the local
// buckling classes in pure compression and pure bending.
#include <gtest/gtest.h>

#include <string>

#include "shapes/IcalcSupport.h"

using namespace icalc;

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

}  // namespace

TEST(SectionReport, DoublySymmetricBeamIn300Plus) {
    CSectionCalcI s = Catalogued("310UB40.4", "300PLUS");
    const Arbor::Util::CDesFormat f;
    const std::wstring text = s.SectPropString(f);

    // The geometry's own lines come first, then the section description.
    EXPECT_GT(text.find(L"Section description:\n"), 0u);
    EXPECT_TRUE(Contains(text, L"Section Properties:\n\tA    = " + f.AreaCS(5210e-6) + L"\n"));
    EXPECT_TRUE(Contains(text, L"\tIxx  = " + f.LFourth(86.4e-6) + L"\n"));
    EXPECT_TRUE(Contains(text, L"\tJ    = " + f.LFourth(157e-9) + L"\n"));
    EXPECT_TRUE(Contains(text, L"\tSxx  = " + f.LCubed(633e-6) + L"\n"));
    EXPECT_TRUE(Contains(text, L"\tZyy  = " + f.LCubed(92.7e-6) + L"\n"));
    EXPECT_FALSE(Contains(text, L"\tIuu  = "));
    EXPECT_FALSE(Contains(text, L"\tAlpha  = "));
    EXPECT_TRUE(Contains(text, L"Net to gross area ratio = <b>" + f.NoDim(1.0) + L"</b>\n"));
    EXPECT_TRUE(Contains(text, L"Maximum plastic/elastic bending capacity ratio: <b>" +
                                   f.NoDim(1.5) + L"</b> (default value)\n"));
    EXPECT_TRUE(Contains(text,
                         L"Local buckling classification\n\t<i>(in pure compression, or "
                         L"pure bending):</i>\n\tOverall/Compression: <b>Slender</b>\n\tLocal "
                         L"buckling class XX(major) axis: <b>Compact</b>\n\tLocal buckling "
                         L"class YY(minor) axis: <b>Compact</b>\n"));
}

// A user ratio drops the "(default value)" note; a stored tension does not change the
// compression class shown, and the section's own actions stay as they were.
TEST(SectionReport, UserRatioAndStoredActionsUntouched) {
    CSectionCalcI s = Catalogued("310UB40.4", "Grade 350");
    s.SetPlasticElasticRatio(1.2);
    s.SetForceAxial(5e6);
    s.SetMomentXX(-2e5);
    const Arbor::Util::CDesFormat f;
    const std::wstring text = s.SectPropString(f);
    EXPECT_TRUE(Contains(
        text, L"Maximum plastic/elastic bending capacity ratio: <b>" + f.NoDim(1.2) + L"</b>\n"));
    EXPECT_FALSE(Contains(text, L"(default value)"));
    EXPECT_TRUE(Contains(text, L"\tOverall/Compression: <b>Slender</b>\n"));
    EXPECT_TRUE(Contains(text, L"XX(major) axis: <b>NonCompact</b>\n"));
    EXPECT_EQ(s.ForceAxial(), 5e6);
    EXPECT_EQ(s.MomentXX(), -2e5);
}

TEST(SectionReport, MonoSymmetricSectionShowsPrincipalValues) {
    CSectionCalcI s = FromPlates({400, 300, 25, 150, 6, 8}, 300);
    const Arbor::Util::CDesFormat f;
    const std::wstring text = s.SectPropString(f);
    EXPECT_TRUE(Contains(text, L"\tIuu  = "));
    EXPECT_TRUE(Contains(text, L"\tIxy  = "));
    EXPECT_TRUE(Contains(text, L"\tAlpha  = " + f.NoDim(0.0) + L" deg\n"));
}
