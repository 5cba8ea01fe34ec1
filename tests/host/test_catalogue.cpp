// The section and grade catalogue: every table row becomes an entry in SI, look-ups are
// tolerant of case and blanks, suggestions, families, grades at their thickness bounds
// (AS/NZS 3679.1, AS/NZS 1163) and the band rules at and past their bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "host/Catalogue.h"
#include "host/DesFormat.h"
#include "host/EmbeddedData.h"
#include "host/HostTestSupport.h"
#include "host/SteelGrade.h"

namespace {

using namespace host_test;
using Arbor::Data::Catalogue;
using Arbor::Data::CatalogueEntry;
using Arbor::Data::CSteelGrade;
using Arbor::Data::GradeBand;

const Catalogue& Cat() {
    return Catalogue::Instance();
}

// Data rows of an embedded table, counted from the text itself (less the header).
size_t DataRows(std::string_view path) {
    size_t lines = 0;
    for (const auto& [name, content] : Arbor::Data::Embedded::Files()) {
        if (name != path) continue;
        for (size_t start = 0; start < content.size();) {
            const size_t end = std::min(content.find('\n', start), content.size());
            if (end > start && content[start] != '#') ++lines;
            start = end + 1;
        }
    }
    return lines - 1;
}

// Every row of the six tables is an entry, of the shape, category and dimension count of its
// family, with its published properties, in metres.
TEST(CatalogueTables, EveryRowIsAnEntryOfItsFamily) {
    size_t rows = 0;
    for (const char* file : {"i_sections", "pfc", "ea", "chs", "rhs", "shs"})
        rows += DataRows("sections/" + std::string(file) + ".csv");
    EXPECT_EQ(Cat().Sections().size(), rows);
    EXPECT_EQ(Cat().Sections("UB").size() + Cat().Sections("UC").size(),
              DataRows("sections/i_sections.csv"));
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
        // No rolled or hollow section here is over 1 m or under 1 mm thick.
        for (double d : entry->section.Dimensions()) EXPECT_TRUE(d > 0.0 && d < 1.0) << d;
        EXPECT_EQ(Arbor::ToUtf8(entry->section.Name()), entry->designation);
        ASSERT_TRUE(entry->section.Published().has_value());
        const auto& p = *entry->section.Published();
        for (double v : {p.Ag, p.Ix, p.Iy, p.Zx, p.Zy, p.Sx, p.Sy}) EXPECT_GT(v, 0.0);
        EXPECT_LT(p.Ag, 0.1);  // m², not mm²
    }
}

// Rows read into SI: the leading dimensions and published properties in the tables' mm units.
// 310UB40.4: d 304, bf 165, tf 10.2, tw 6.1; Ag 5210, Ix 86.4e6, Zx 569e3, Sx 633e3, Iy 7.65e6,
// J 157e3, Iw 165e9, and a root radius from the published area, (5210 − 5095.96)/(4 − π) →
// 11.5 mm (the manufacturer's 11.4). The channel takes the smaller of ZyR 25.7 and ZyL 51.6
// (×10³ mm³); the angle's nominal 10 mm is 9.5 mm actual; angles publish no Iw, tubes no J.
TEST(CatalogueUnits, EveryFamilysColumnsInSI) {
    using P = Arbor::Data::PublishedProperties;
    const double nan = std::nan("");
    const struct {
        const char* name;
        std::vector<double> dimsMm;
        std::vector<std::pair<double P::*, double>> published;  // NaN: not published
        // clang-format off
    } rows[] = {
        {"310UB40.4", {304, 165, 10.2, 165, 10.2, 6.1, 11.5},
         {{&P::Ag, 5210 * mm2}, {&P::Ix, 86.4e6 * mm4}, {&P::Zx, 569e3 * mm3},
          {&P::Sx, 633e3 * mm3}, {&P::Iy, 7.65e6 * mm4}, {&P::J, 157e3 * mm4},
          {&P::Iw, 165e9 * mm6}}},
        {"150PFC", {150, 75, 9.5, 6, 10}, {{&P::Zy, 25.7e3 * mm3}, {&P::Iw, 4.59e9 * mm6}}},
        {"100x100x10EA", {100, 100, 9.5, 8, 5},
         {{&P::Zx, 23.6e3 * mm3}, {&P::Ix, 1.70e6 * mm4}, {&P::Iw, nan}}},
        {"168.3x7.1CHS", {168.3, 7.1},
         {{&P::Ix, 11.7e6 * mm4}, {&P::Iy, 11.7e6 * mm4}, {&P::J, nan}}},
        {"150x50x5RHS", {150, 50, 5, 5}, {{&P::Zy, 30.6e3 * mm3}}},
        {"100x100x6SHS", {100, 100, 6, 6}, {{&P::Sy, 73.5e3 * mm3}}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CatalogueEntry* e = Cat().FindSection(row.name);
        ASSERT_NE(e, nullptr);
        const auto& dims = e->section.Dimensions();
        ASSERT_GE(dims.size(), row.dimsMm.size());
        for (size_t i = 0; i < row.dimsMm.size(); ++i)
            EXPECT_NEAR(dims[i] / mm, row.dimsMm[i], i == 6 ? 0.05 : 1e-9) << "dimension " << i;
        const P published = e->section.Published().value_or(P());
        for (const auto& [field, value] : row.published) {
            if (std::isnan(value))
                EXPECT_TRUE(std::isnan(published.*field));
            else
                EXPECT_DOUBLE_EQ(published.*field, value);
        }
    }
}

// ---- look-up ------------------------------------------------------------------------------

TEST(CatalogueLookup, ToleratesCaseBlanksAndTheTimesSignSuggestsAndListsFamilies) {
    const CatalogueEntry* exact = Cat().FindSection("310UB40.4");
    ASSERT_NE(exact, nullptr);
    for (std::string_view spelling : {"310 ub 40.4", " 310Ub40.4 ", "310\tUB 40.4"})
        EXPECT_EQ(Cat().FindSection(spelling), exact) << spelling;
    const CatalogueEntry* angle = Cat().FindSection("100 \xC3\x97 100 \xC3\x97 10 ea");
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(angle->designation, "100x100x10EA");
    for (std::string_view name : {"", "   ", "310UB41", "310UB40", "UB", "310UB40.4x"})
        EXPECT_EQ(Cat().FindSection(name), nullptr) << name;
    // Suggestions: the closest designations; families in table order.
    EXPECT_EQ(Cat().Suggest("310UB40").at(0), "310UB40.4");  // one character short
    EXPECT_EQ(Cat().Suggest("310UB40").size(), 3u);
    const auto angles = Cat().Suggest("100 x 100 x 10", 5);
    EXPECT_NE(std::find(angles.begin(), angles.end(), "100x100x10EA"), angles.end());
    EXPECT_EQ(Cat().Suggest("530ub82", 1), std::vector<std::string>{"530UB82.0"});
    EXPECT_TRUE(Cat().Suggest("310UB40", 0).empty());
    EXPECT_TRUE(Cat().Suggest("310UB40", -2).empty());
    const auto ub = Cat().Sections("ub");
    ASSERT_FALSE(ub.empty());
    EXPECT_EQ(ub.front()->designation, "610UB125");
    for (const CatalogueEntry* entry : ub) EXPECT_EQ(entry->family, "UB");
    EXPECT_TRUE(Cat().Sections("WB").empty());
}

// ---- grades --------------------------------------------------------------------------------

TEST(CatalogueGrades, NamesTolerantLookupAndEachFamilysDefault) {
    const auto names = Cat().GradeNames();
    EXPECT_EQ(names.size(), 6u);
    for (const char* name : {"300PLUS", "Grade 300", "Grade 350", "C250L0", "C350L0", "C450L0"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    EXPECT_EQ(Cat().FindGrade("grade350").value_or(CSteelGrade()).Name(), L"Grade 350");
    EXPECT_EQ(Cat().FindGrade(" 300 plus ").value_or(CSteelGrade()).Name(), L"300PLUS");
    EXPECT_EQ(Cat().FindGrade("c350l0").value_or(CSteelGrade()).Name(), L"C350L0");
    EXPECT_FALSE(Cat().FindGrade("Grade 250").has_value());
    EXPECT_FALSE(Cat().FindGrade("").has_value());
    for (const char* family : {"UB", "uc", "PFC", "EA", "WB", "WC"})
        EXPECT_EQ(Catalogue::DefaultGrade(family), "300PLUS") << family;
    for (const char* family : {"CHS", "rhs", "SHS"})
        EXPECT_EQ(Catalogue::DefaultGrade(family), "C350L0") << family;
}

// AS/NZS 3679.1 300PLUS: fy 320 MPa below 11 mm, 300 MPa to 17 mm inclusive, 280 MPa above;
// fu 440 MPa. Grade 350: 360 below 11 mm, 340 below 40 mm, 330 above; fu 480 MPa.
// AS/NZS 1163 C450L0: one band, fy 450, fu 500 MPa.
TEST(CatalogueGrades, StrengthsAtTheThicknessBounds) {
    struct Case {
        const char* grade;
        double fuMPa;
        std::vector<std::pair<double, double>> fyMPaAtMm;
    };
    for (const Case& c : {Case{"300PLUS", 440, {{10.9, 320}, {11, 300}, {17, 300}, {17.1, 280}}},
                          Case{"Grade 350", 480, {{10.9, 360}, {11, 340}, {39.9, 340}, {40, 330}}},
                          Case{"C450L0", 500, {{6, 450}}}}) {
        const auto grade = Cat().FindGrade(c.grade);
        ASSERT_TRUE(grade.has_value()) << c.grade;
        for (const auto& [t, fy] : c.fyMPaAtMm) {
            EXPECT_EQ(grade->DesignStrength(t * mm), fy * MPa) << c.grade << " " << t;
            EXPECT_EQ(grade->TensileStrength(t * mm), c.fuMPa * MPa) << c.grade << " " << t;
        }
        EXPECT_EQ(grade->YoungsModulus(), 200e9);
        EXPECT_EQ(grade->ShearModulus(), 80e9);
    }
    EXPECT_EQ(Cat().FindGrade("C450L0")->Bands().size(), 1u);
}

// ---- grade bands beyond the catalogue's ------------------------------------------------------

TEST(SteelGradeBands, BoundsHoldDespiteUnitRoundingLastBandAndNoBands) {
    const CSteelGrade plus(L"300PLUS", {{GradeBand::Less, 11 * mm, 320 * MPa, 440 * MPa},
                                        {GradeBand::LessEqual, 17 * mm, 300 * MPa, 440 * MPa},
                                        {GradeBand::Any, 0.0, 280 * MPa, 440 * MPa}});
    // 11 mm and 17 mm one rounding step on the wrong side of the bound's double
    EXPECT_DOUBLE_EQ(plus.DesignStrength(std::nextafter(11 * mm, 0.0)), 300 * MPa);
    EXPECT_DOUBLE_EQ(plus.DesignStrength(std::nextafter(17 * mm, 1.0)), 300 * MPa);
    const Arbor::Util::CDesFormat format;
    EXPECT_EQ(plus.GetString(format, 10.2 * mm),
              L"Steel grade: 300PLUS (fy = 320.0 MPa, fu = 440.0 MPa at t = 10.2 mm)\n");
    EXPECT_EQ(plus.GetString(format, 19.6 * mm),
              L"Steel grade: 300PLUS (fy = 280.0 MPa, fu = 440.0 MPa at t = 19.6 mm)\n");
    // no band holds: the last one; no bands at all: zero
    const CSteelGrade twoBands(L"X", {{GradeBand::Less, 10 * mm, 360 * MPa, 480 * MPa},
                                      {GradeBand::Less, 40 * mm, 340 * MPa, 480 * MPa}});
    EXPECT_DOUBLE_EQ(twoBands.DesignStrength(50 * mm), 340 * MPa);
    EXPECT_DOUBLE_EQ(CSteelGrade().DesignStrength(10 * mm), 0.0);
    EXPECT_DOUBLE_EQ(CSteelGrade().TensileStrength(10 * mm), 0.0);
}

}  // namespace
