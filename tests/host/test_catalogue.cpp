// The section and grade catalogue: every table row becomes an entry in SI, look-ups are
// tolerant of case and blanks, suggestions, families, grades at their thickness bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "host/Catalogue.h"
#include "host/EmbeddedData.h"

namespace {

using Arbor::Data::Catalogue;
using Arbor::Data::CatalogueEntry;
namespace Shape = Arbor::Data::SecShape;
namespace Category = Arbor::Data::ResidualStress;

constexpr double mm = 1e-3, mm2 = 1e-6, mm3 = 1e-9, mm4 = 1e-12, mm6 = 1e-18, MPa = 1e6;

const Catalogue& Cat() {
    return Catalogue::Instance();
}

const CatalogueEntry& Entry(std::string_view designation) {
    const CatalogueEntry* entry = Cat().FindSection(designation);
    EXPECT_NE(entry, nullptr) << designation;
    static const CatalogueEntry empty;
    return entry ? *entry : empty;
}

// Data rows of an embedded table, counted from the text itself.
int DataRows(std::string_view path) {
    for (const auto& [name, content] : Arbor::Data::Embedded::Files()) {
        if (name != path) continue;
        int lines = 0;
        for (size_t start = 0; start < content.size();) {
            const size_t end = std::min(content.find('\n', start), content.size());
            if (end > start && content[start] != '#') ++lines;
            start = end + 1;
        }
        return lines - 1;  // the header
    }
    return -1;
}

// ---- every row ------------------------------------------------------------------------------

TEST(CatalogueTables, EveryRowIsAnEntryOfItsFamily) {
    const std::map<std::string, int> perFile{
        {"sections/i_sections.csv", DataRows("sections/i_sections.csv")},
        {"sections/pfc.csv", DataRows("sections/pfc.csv")},
        {"sections/ea.csv", DataRows("sections/ea.csv")},
        {"sections/chs.csv", DataRows("sections/chs.csv")},
        {"sections/rhs.csv", DataRows("sections/rhs.csv")},
        {"sections/shs.csv", DataRows("sections/shs.csv")}};
    for (const auto& [file, rows] : perFile) EXPECT_GT(rows, 0) << file;
    EXPECT_EQ(Cat().Sections("UB").size() + Cat().Sections("UC").size(),
              static_cast<size_t>(perFile.at("sections/i_sections.csv")));
    EXPECT_EQ(Cat().Sections("PFC").size(), static_cast<size_t>(perFile.at("sections/pfc.csv")));
    EXPECT_EQ(Cat().Sections("EA").size(), static_cast<size_t>(perFile.at("sections/ea.csv")));
    EXPECT_EQ(Cat().Sections("CHS").size(), static_cast<size_t>(perFile.at("sections/chs.csv")));
    EXPECT_EQ(Cat().Sections("RHS").size(), static_cast<size_t>(perFile.at("sections/rhs.csv")));
    EXPECT_EQ(Cat().Sections("SHS").size(), static_cast<size_t>(perFile.at("sections/shs.csv")));
    int total = 0;
    for (const auto& [file, rows] : perFile) total += rows;
    EXPECT_EQ(Cat().Sections().size(), static_cast<size_t>(total));
}

TEST(CatalogueTables, ShapeCategoryAndDimensionsByFamily) {
    struct Expect {
        int shape;
        unsigned category;
        size_t dims;
    };
    const std::map<std::string, Expect> byFamily{
        {"UB", {Shape::I, Category::HR, 7}},    {"UC", {Shape::I, Category::HR, 7}},
        {"PFC", {Shape::PFC, Category::HR, 5}}, {"EA", {Shape::Angle, Category::HR, 5}},
        {"CHS", {Shape::CHS, Category::CF, 2}}, {"RHS", {Shape::RHS, Category::CF, 4}},
        {"SHS", {Shape::RHS, Category::CF, 4}}};
    for (const CatalogueEntry* entry : Cat().Sections()) {
        SCOPED_TRACE(entry->designation);
        ASSERT_TRUE(byFamily.count(entry->family));
        const Expect& e = byFamily.at(entry->family);
        EXPECT_EQ(entry->section.Shape(), e.shape);
        EXPECT_EQ(entry->section.Category(), e.category);
        ASSERT_EQ(entry->section.Dimensions().size(), e.dims);
        // In metres: no rolled or hollow section here is over 1 m or under 1 mm thick.
        for (double d : entry->section.Dimensions()) {
            EXPECT_GT(d, 0.0);
            EXPECT_LT(d, 1.0);
        }
        EXPECT_EQ(Arbor::ToUtf8(entry->section.Name()), entry->designation);
        ASSERT_TRUE(entry->section.Published().has_value());
        const auto& p = *entry->section.Published();
        for (double v : {p.Ag, p.Ix, p.Iy, p.Zx, p.Zy, p.Sx, p.Sy}) EXPECT_GT(v, 0.0);
        EXPECT_LT(p.Ag, 0.1);  // m², not mm²
    }
}

// ---- units and column mapping, on rows of the manufacturers' tables ---------------------------

// 310UB40.4: d 304, bf 165, tf 10.2, tw 6.1 mm; Ag 5210 mm², Ix 86.4×10⁶ mm⁴,
// Zx 569×10³ mm³, Sx 633×10³ mm³, Iy 7.65×10⁶ mm⁴, J 157×10³ mm⁴, Iw 165×10⁹ mm⁶.
TEST(CatalogueUnits, UniversalBeamInSI) {
    const CatalogueEntry& e = Entry("310UB40.4");
    EXPECT_EQ(e.family, "UB");
    const auto& d = e.section.Dimensions();
    ASSERT_EQ(d.size(), 7u);
    EXPECT_DOUBLE_EQ(d[0], 304 * mm);
    EXPECT_DOUBLE_EQ(d[1], 165 * mm);
    EXPECT_DOUBLE_EQ(d[2], 10.2 * mm);
    EXPECT_DOUBLE_EQ(d[3], 165 * mm);
    EXPECT_DOUBLE_EQ(d[4], 10.2 * mm);
    EXPECT_DOUBLE_EQ(d[5], 6.1 * mm);
    // Root radius from the published area: (5210 − 5095.96) / (4 − π) → r = 11.5 mm (the
    // manufacturer's radius for the 310 UB is 11.4 mm).
    EXPECT_NEAR(d[6] / mm, 11.5, 0.05);
    const auto& p = *e.section.Published();
    EXPECT_DOUBLE_EQ(p.Ag, 5210 * mm2);
    EXPECT_DOUBLE_EQ(p.Ix, 86.4e6 * mm4);
    EXPECT_DOUBLE_EQ(p.Zx, 569e3 * mm3);
    EXPECT_DOUBLE_EQ(p.Sx, 633e3 * mm3);
    EXPECT_DOUBLE_EQ(p.Iy, 7.65e6 * mm4);
    EXPECT_DOUBLE_EQ(p.J, 157e3 * mm4);
    EXPECT_DOUBLE_EQ(p.Iw, 165e9 * mm6);
}

// 150PFC: d 150, bf 75, tf 9.5, tw 6, r1 10 mm; ZyR 25.7×10³ and ZyL 51.6×10³ mm³ → Zy is
// the smaller.
TEST(CatalogueUnits, ChannelTakesTheSmallerMinorModulus) {
    const CatalogueEntry& e = Entry("150PFC");
    const std::vector<double> expected{150 * mm, 75 * mm, 9.5 * mm, 6 * mm, 10 * mm};
    ASSERT_EQ(e.section.Dimensions().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(e.section.Dimensions()[i], expected[i]) << i;
    EXPECT_DOUBLE_EQ(e.section.Published()->Zy, 25.7e3 * mm3);
    EXPECT_DOUBLE_EQ(e.section.Published()->Iw, 4.59e9 * mm6);
}

// 100x100x10EA: nominal 10 mm, actual t = 9.5 mm, r1 8, r2 5; Zn 60.1 and 23.6 (×10³ mm³).
TEST(CatalogueUnits, AngleUsesTheActualThickness) {
    const CatalogueEntry& e = Entry("100 x 100 x 10 EA");
    EXPECT_EQ(e.designation, "100x100x10EA");
    const std::vector<double> expected{100 * mm, 100 * mm, 9.5 * mm, 8 * mm, 5 * mm};
    ASSERT_EQ(e.section.Dimensions().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(e.section.Dimensions()[i], expected[i]) << i;
    EXPECT_DOUBLE_EQ(e.section.Published()->Zx, 23.6e3 * mm3);
    EXPECT_DOUBLE_EQ(e.section.Published()->Ix, 1.70e6 * mm4);
    EXPECT_TRUE(std::isnan(e.section.Published()->Iw));
}

TEST(CatalogueUnits, HollowSectionsPublishNoTorsionConstant) {
    const CatalogueEntry& chs = Entry("168.3x7.1CHS");
    ASSERT_EQ(chs.section.Dimensions().size(), 2u);
    EXPECT_DOUBLE_EQ(chs.section.Dimensions()[0], 168.3 * mm);
    EXPECT_DOUBLE_EQ(chs.section.Dimensions()[1], 7.1 * mm);
    EXPECT_DOUBLE_EQ(chs.section.Published()->Ix, 11.7e6 * mm4);
    EXPECT_DOUBLE_EQ(chs.section.Published()->Iy, 11.7e6 * mm4);
    EXPECT_TRUE(std::isnan(chs.section.Published()->J));

    const CatalogueEntry& rhs = Entry("150x50x5RHS");
    const std::vector<double> expected{150 * mm, 50 * mm, 5 * mm, 5 * mm};
    EXPECT_EQ(rhs.section.Dimensions(), expected);
    EXPECT_DOUBLE_EQ(rhs.section.Published()->Zy, 30.6e3 * mm3);

    const CatalogueEntry& shs = Entry("100x100x6SHS");
    EXPECT_EQ(shs.family, "SHS");
    EXPECT_EQ(shs.section.Shape(), Shape::RHS);
    EXPECT_DOUBLE_EQ(shs.section.Published()->Sy, 73.5e3 * mm3);
}

// ---- look-up ------------------------------------------------------------------------------

TEST(CatalogueLookup, ToleratesCaseBlanksAndTheTimesSign) {
    const CatalogueEntry* exact = Cat().FindSection("310UB40.4");
    ASSERT_NE(exact, nullptr);
    for (std::string_view spelling : {"310 ub 40.4", " 310Ub40.4 ", "310\tUB 40.4"})
        EXPECT_EQ(Cat().FindSection(spelling), exact) << spelling;
    EXPECT_EQ(Cat().FindSection("100 \xC3\x97 100 \xC3\x97 10 ea"), &Entry("100x100x10EA"));
    EXPECT_EQ(Cat().FindSection("150 x 50 x 5 rhs"), &Entry("150x50x5RHS"));
}

TEST(CatalogueLookup, UnknownNamesAreNotFound) {
    for (std::string_view name : {"", "   ", "310UB41", "310UB40", "UB", "310UB40.4x"})
        EXPECT_EQ(Cat().FindSection(name), nullptr) << name;
}

TEST(CatalogueLookup, SuggestsTheClosestDesignations) {
    const auto near = Cat().Suggest("310UB40");
    ASSERT_EQ(near.size(), 3u);
    EXPECT_EQ(near[0], "310UB40.4");  // one character short
    const auto angle = Cat().Suggest("100 x 100 x 10", 5);
    ASSERT_EQ(angle.size(), 5u);
    EXPECT_NE(std::find(angle.begin(), angle.end(), "100x100x10EA"), angle.end());
    EXPECT_EQ(Cat().Suggest("530ub82", 1), std::vector<std::string>{"530UB82.0"});
    EXPECT_TRUE(Cat().Suggest("310UB40", 0).empty());
    EXPECT_TRUE(Cat().Suggest("310UB40", -2).empty());
}

TEST(CatalogueLookup, FamiliesInTableOrder) {
    const auto ub = Cat().Sections("ub");
    ASSERT_FALSE(ub.empty());
    EXPECT_EQ(ub.front()->designation, "610UB125");
    EXPECT_EQ(ub.size(), Cat().Sections("UB").size());
    for (const CatalogueEntry* entry : ub) EXPECT_EQ(entry->family, "UB");
    EXPECT_TRUE(Cat().Sections("WB").empty());
    // The whole list starts with the rolled I sections.
    EXPECT_EQ(Cat().Sections().front(), ub.front());
}

// ---- grades --------------------------------------------------------------------------------

TEST(CatalogueGrades, NamesAndTolerantLookup) {
    const auto names = Cat().GradeNames();
    for (const char* name : {"300PLUS", "Grade 350", "C250L0", "C350L0", "C450L0"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    EXPECT_EQ(names.size(), 5u);
    const auto g350 = Cat().FindGrade("grade350");
    ASSERT_TRUE(g350.has_value());
    EXPECT_EQ(g350->Name(), L"Grade 350");
    ASSERT_TRUE(Cat().FindGrade(" 300 plus ").has_value());
    EXPECT_EQ(Cat().FindGrade("c350l0")->Name(), L"C350L0");
    EXPECT_FALSE(Cat().FindGrade("Grade 250").has_value());
    EXPECT_FALSE(Cat().FindGrade("").has_value());
}

// AS/NZS 3679.1 300PLUS: fy 320 MPa below 11 mm, 300 MPa to 17 mm inclusive, 280 MPa above;
// fu 440 MPa. Grade 350: 360 below 11 mm, 340 below 40 mm, 330 above; fu 480 MPa.
TEST(CatalogueGrades, StrengthsAtTheThicknessBounds) {
    const auto plus = Cat().FindGrade("300PLUS");
    ASSERT_TRUE(plus.has_value());
    EXPECT_EQ(plus->DesignStrength(10.9 * mm), 320 * MPa);
    EXPECT_EQ(plus->DesignStrength(11 * mm), 300 * MPa);
    EXPECT_EQ(plus->DesignStrength(17 * mm), 300 * MPa);
    EXPECT_EQ(plus->DesignStrength(17.1 * mm), 280 * MPa);
    EXPECT_EQ(plus->TensileStrength(25 * mm), 440 * MPa);
    const auto g350 = Cat().FindGrade("Grade 350");
    ASSERT_TRUE(g350.has_value());
    EXPECT_EQ(g350->DesignStrength(10.9 * mm), 360 * MPa);
    EXPECT_EQ(g350->DesignStrength(11 * mm), 340 * MPa);
    EXPECT_EQ(g350->DesignStrength(39.9 * mm), 340 * MPa);
    EXPECT_EQ(g350->DesignStrength(40 * mm), 330 * MPa);
    EXPECT_EQ(g350->TensileStrength(5 * mm), 480 * MPa);
    // AS/NZS 1163 hollow grades have one band.
    const auto c450 = Cat().FindGrade("C450L0");
    ASSERT_TRUE(c450.has_value());
    EXPECT_EQ(c450->Bands().size(), 1u);
    EXPECT_EQ(c450->DesignStrength(6 * mm), 450 * MPa);
    EXPECT_EQ(c450->TensileStrength(6 * mm), 500 * MPa);
    for (const std::string& name : Cat().GradeNames()) {
        const auto grade = Cat().FindGrade(name);
        EXPECT_EQ(grade->YoungsModulus(), 200e9) << name;
        EXPECT_EQ(grade->ShearModulus(), 80e9) << name;
    }
}

TEST(CatalogueGrades, DefaultGradeOfEachFamilyExists) {
    for (const char* family : {"UB", "uc", "PFC", "EA", "WB", "WC"})
        EXPECT_EQ(Catalogue::DefaultGrade(family), "300PLUS") << family;
    for (const char* family : {"CHS", "rhs", "SHS"})
        EXPECT_EQ(Catalogue::DefaultGrade(family), "C350L0") << family;
    for (const CatalogueEntry* entry : Cat().Sections())
        EXPECT_TRUE(Cat().FindGrade(Catalogue::DefaultGrade(entry->family)).has_value())
            << entry->designation;
}

}  // namespace
