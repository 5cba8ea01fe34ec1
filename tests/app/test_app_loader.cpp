// The member file loader: every refusal names the field and the value; units, named bits and
// user sections reach the host's types in SI.
#include <gtest/gtest.h>

#include <limits>

#include "app/AppTestSupport.h"
#include "app/MemberFile.h"
#include "app/RestraintNames.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::BaseMember;
namespace Shape = Arbor::Data::SecShape;
namespace Category = Arbor::Data::ResidualStress;

std::string RefusalOf(const json& doc) {
    try {
        ParseMember(doc, "beam.json");
    } catch (const InputError& e) {
        return e.what();
    }
    return "";
}

// One edit of the base member (set the value at the JSON pointer, or remove what is there)
// and what the refusal must name: the field's path and the value as the file shows it (an
// infinite number is shown as null, as JSON writes it).
struct Refusal {
    const char* what;
    const char* pointer;
    json value;  // discarded: remove
    const char* field;
    const char* shown;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.what;
}

const json kRemove = json(json::value_t::discarded);
const double kInf = std::numeric_limits<double>::infinity();

// clang-format off
const std::vector<Refusal> kRefusals{
    {"unknown section", "/section", "310UB99", "section", "\"310UB99\""},
    {"unknown grade", "/grade", "S355", "grade", "\"S355\""},
    {"negative dimension", "/section",
     json::parse(R"({"shape": "I", "D": 0.3, "B": 0.15, "T": -0.01, "tw": 0.006})"),
     "section.T", "-0.01"},
    {"tee stem wider than its flange", "/section",
     json::parse(R"({"shape": "T", "D": 0.2, "B": 0.1, "T": 0.01, "tw": 0.2})"),
     "section.tw", "0.2"},
    {"channel without a web", "/section",
     json::parse(R"({"shape": "PFC", "D": 0.2, "B": 0.075, "T": 0.012, "tw": 0})"),
     "section.tw", "0"},
    {"tee cut from a channel", "/section", json::parse(R"({"shape": "T", "cut_from": "200PFC"})"),
     "section.cut_from", "\"200PFC\""},
    {"infinite dimension", "/section", {{"shape", "CHS"}, {"D", kInf}, {"t", 0.005}},
     "section.D", "null"},
    {"tube without a hole", "/section", {{"shape", "CHS"}, {"D", 0.1}, {"t", 0.05}},
     "section.t", "0.05"},
    {"box wall of half its width", "/section",
     {{"shape", "RHS"}, {"D", 0.2}, {"B", 0.1}, {"t", 0.06}}, "section.t", "0.06"},
    {"one point", "/points", json::parse(R"([{"x": 0}])"), "points", "[{"},
    {"points not increasing", "/points/2/x", 3.0, "points[2].x", "3.0"},
    {"sub-span count", "/cases/0/subspans/1", kRemove, "cases[0].subspans", "[{"},
    {"vector of two", "/cases/0/subspans/1/forces_left", {1.0, 2.0},
     "cases[0].subspans[1].forces_left", "[1.0,2.0]"},
    {"infinite force", "/cases/0/subspans/0/moments_right/1", kInf,
     "cases[0].subspans[0].moments_right[1]", "null"},
    {"force as text", "/cases/0/subspans/0/forces_left/0", "NaN",
     "cases[0].subspans[0].forces_left[0]", "\"NaN\""},
    {"unknown restraint name", "/points/1/restraint/names/0", "braced",
     "points[1].restraint.names[0]", "\"braced\""},
    {"bits not a word", "/points/0/restraint/bits", -1, "points[0].restraint.bits", "-1"},
    {"segment count", "/segments/0", kRemove, "segments", "[{"},
    {"unknown unit", "/units", json::parse(R"({"length": "ft"})"), "units.length", "\"ft\""},
    {"misspelt field", "/point", json::parse(R"([{"x": 0}])"), "point", "[{"},
    {"no cases", "/cases", kRemove, "(top level)", "{"},
    {"partial override lengths", "/overrides", json::parse(R"({"lengths": {"Lyy": 4.0}})"),
     "overrides.lengths", "{\"Lyy\":4.0}"},
    // Values that would silently change the verdict.
    {"delta below 1 (cl. 4.4.2.2)", "/overrides", {{"delta_minor", 0.9}}, "overrides.delta_minor",
     "0.9"},
    {"fy above fu", "/grade", {{"fy", 4.5e8}, {"fu", 4.4e8}}, "grade.fy", "450000000.0"},
    {"band fy above fu", "/grade", json::parse(R"({"bands": [{"fy": 5e8, "fu": 4e8}]})"),
     "grade.bands[0].fy", "500000000.0"},
    {"G above E", "/grade", {{"fy", 3e8}, {"fu", 4.4e8}, {"G", 2.1e11}}, "grade.G",
     "210000000000.0"},
    {"load height in mm in a metre file: 152 m over a 304 mm beam",
     "/segments/1/restraint/load_height", 152.0, "segments[1].restraint.load_height", "152.0"},
    {"force that overflows in kN", "/cases/0/subspans/0/forces_left/1", 1e306,
     "cases[0].subspans[0].forces_left[1]", "1e+306"}};
// clang-format on

class LoaderRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(LoaderRefusal, NamesFileFieldAndValueOnOneLine) {
    json doc = BaseMember();
    const Refusal& r = GetParam();
    if (r.value.is_discarded())
        doc = doc.patch({{{"op", "remove"}, {"path", r.pointer}}});
    else
        doc[json::json_pointer(r.pointer)] = r.value;
    const std::string message = RefusalOf(doc);
    ASSERT_FALSE(message.empty()) << r.what << " was accepted";
    EXPECT_EQ(message.rfind("beam.json: ", 0), 0u) << message;
    EXPECT_NE(message.find(std::string(r.field) + ":"), std::string::npos) << message;
    EXPECT_NE(message.find(r.shown), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(EachRefusalClass, LoaderRefusal, ::testing::ValuesIn(kRefusals));

// Refusals found while parsing the text: each names the file and the place, on one line,
// however hostile the text (nesting beyond any member file, a key given twice).
TEST(LoaderRefusalText, ParserRefusalsNameFileAndPlace) {
    const std::string deep =
        "{\"title\": 1, \"_note\": " + std::string(100000, '[') + std::string(100000, ']') + "}";
    const std::pair<std::string, std::string> cases[] = {
        {"{\"section\": }", "broken.json: not valid JSON: parse error at line 1, column 13"},
        {"{\"x\": 1e900, \"section\": 1}",
         "broken.json: x: number beyond the range of a double, got 1e900"},
        {"{\"a\": [0, {\"b\": [1, -1e999]}]}", "broken.json: a[1].b[1]: number beyond"},
        {deep, "broken.json: _note" + std::string("[0]") + "[0]"},
        {deep, "nested deeper than 64 levels"},
        {"{\"grade\": \"300PLUS\", \"points\": [{\"x\": 0, \"x\": 1}]}",
         "broken.json: points[0].x: the key \"x\" is given twice"},
        {"{\"k\\nk\": 1}", "broken.json: k\\x0ak: unknown field"},
        // of two unknown keys the first in key order, wherever the text puts it
        {"{\"zeta\": 1, \"beta\": 2}", "broken.json: beta: unknown field, got 2"},
        {"{\"section\": \"200UB25.4\", \"grade\": \"300PLUS\", \"points\": [{\"x\": 0}, "
         "{\"x\": 1, \"q\": [3]}]}",
         "broken.json: points[1].q: unknown field, got [3]"}};
    for (const auto& [text, says] : cases) {
        try {
            ParseMemberText(text, "broken.json");
            ADD_FAILURE() << text.substr(0, 80) << " accepted";
        } catch (const InputError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(says), std::string::npos) << message.substr(0, 300);
            EXPECT_EQ(message.find('\n'), std::string::npos);
            EXPECT_LT(message.size(), 500u);
        }
    }
    EXPECT_THROW(LoadMemberFile("/nonexistent/member.json"), InputError);
}

// The base member, a welded section and a grade in kN and mm: every value reaches the host in
// SI, with the shape and category codes of the section.
TEST(LoaderUnits, KilonewtonsAndMillimetresBecomeSI) {
    // lengths ×1000, forces ÷1000; moments keep their numbers, as 1 N·m is 1 kN·mm
    json doc = BaseMember();
    doc["units"] = {{"length", "mm"}, {"force", "kN"}};
    for (auto& p : doc["points"]) p["x"] = p["x"].get<double>() * 1000.0;
    for (auto& s : doc["segments"]) s["restraint"]["load_height"] = 152.0;
    for (auto& s : doc["cases"][0]["subspans"])
        for (const char* key : {"forces_left", "forces_right"})
            for (auto& v : s[key]) v = v.get<double>() / 1000.0;
    doc["overrides"] = {{"lengths", {{"Lyy", 4000.0}, {"Lzz", -0.5}, {"Llt", 6000.0}}}};
    doc["grade"] = {{"name", "G250"}, {"fy", 0.25}, {"fu", 0.41}, {"E", 200.0}};  // kN/mm²
    doc["section"] = json::parse(R"({"shape": "I", "D": 500, "B1": 250, "T1": 20, "B2": 200,
                                     "T2": 16, "tw": 10, "category": "HW"})");
    const MemberInput m = ParseMember(doc, "kNmm.json");
    ASSERT_EQ(m.points.size(), 3u);
    EXPECT_NEAR(m.points[1].Position(), 3.0, 1e-12);
    EXPECT_NEAR(m.points[2].Position(), 6.0, 1e-12);
    const auto& sub = m.cases[0].subSpans;
    ASSERT_EQ(sub.size(), 2u);
    EXPECT_NEAR(sub[0].GetForcesLeft()[1], 60e3, 1e-6);
    EXPECT_NEAR(sub[1].GetForcesRight()[1], -60e3, 1e-6);
    EXPECT_NEAR(sub[0].GetMomentsRight()[1], 90e3, 1e-6);
    for (const auto& s : sub) EXPECT_NEAR(s.GetRestraint().LoadHeight(), 0.152, 1e-12);
    // A negative override is a multiple of the member length, not a length: not scaled.
    EXPECT_NEAR((*m.overrides.lengths)[0], 4.0, 1e-12);
    EXPECT_EQ((*m.overrides.lengths)[1], -0.5);
    EXPECT_NEAR((*m.overrides.lengths)[2], 6.0, 1e-12);
    EXPECT_NEAR(m.grade.DesignStrength(0.01), 250e6, 1e-3);
    EXPECT_NEAR(m.grade.TensileStrength(0.01), 410e6, 1e-3);
    EXPECT_NEAR(m.grade.YoungsModulus(), 200e9, 1.0);
    EXPECT_EQ(m.gradeName, "G250");
    const std::vector<double> dims = {0.5, 0.25, 0.02, 0.2, 0.016, 0.01, 0.0};
    ASSERT_EQ(m.section.Dimensions().size(), dims.size());
    for (size_t i = 0; i < dims.size(); ++i)
        EXPECT_NEAR(m.section.Dimensions()[i], dims[i], 1e-12) << i;
    EXPECT_EQ(m.section.Shape(), Shape::WeldedI);
    EXPECT_EQ(m.section.Category(), Category::HW);
}

TEST(LoaderUnits, GradeBandsApplyByThickness) {
    json doc = BaseMember();
    doc["grade"] = json::parse(R"({"name": "banded", "bands": [
        {"op": "<", "bound": 0.011, "fy": 320e6, "fu": 440e6},
        {"op": "<=", "bound": 0.017, "fy": 300e6, "fu": 440e6}, {"fy": 280e6, "fu": 440e6}]})");
    const MemberInput m = ParseMember(doc, "b.json");
    EXPECT_EQ(m.grade.DesignStrength(0.0102), 320e6);
    EXPECT_EQ(m.grade.DesignStrength(0.017), 300e6);
    EXPECT_EQ(m.grade.DesignStrength(0.020), 280e6);
}

TEST(LoaderRestraints, NamedBitsEqualTheRawWordCombineWithBitsAndRoundTrip) {
    // F: support 0x200000 | lateral 0x100000 | full_twist 64 | twist 128 | flange1 512 |
    // flange2 1024; the midspan brace is the same less support
    const MemberInput named = ParseMember(BaseMember(), "n.json");
    EXPECT_EQ(named.points[0].GetRestraint().Bits(), 3147456u);
    EXPECT_EQ(named.points[1].GetRestraint().Bits(), 3147456u - 0x200000u);
    EXPECT_EQ(named.points[2].GetRestraint().Bits(), 3147456u);
    json doc = BaseMember();
    doc["points"][1]["restraint"] = {{"bits", 0x10000}, {"names", {"rotation_y", "leg_a"}}};
    doc["segments"][1]["restraint"] = {{"names", {"flange2"}}, {"load_height", -0.1}};
    const MemberInput m = ParseMember(doc, "c.json");
    EXPECT_EQ(m.points[1].GetRestraint().Bits(), 0x10000u | 0x40000u | 0x1000000u);
    // segments go to their sub-spans
    EXPECT_EQ(m.cases[0].subSpans[0].GetRestraint().Bits(), 0u);
    EXPECT_EQ(m.cases[0].subSpans[1].GetRestraint().Bits(), 1024u);
    EXPECT_DOUBLE_EQ(m.cases[0].subSpans[1].GetRestraint().LoadHeight(), -0.1);
    // Every name of the vocabulary round-trips through its bits.
    for (const RestraintName& entry : RestraintVocabulary()) {
        EXPECT_EQ(RestraintBitsOf(entry.name), entry.bits) << entry.name;
        const auto [names, leftover] = RestraintNamesOf(entry.bits);
        EXPECT_EQ(leftover, 0u) << entry.name;
        unsigned rebuilt = 0;
        for (const std::string& n : names) rebuilt |= *RestraintBitsOf(n);
        EXPECT_EQ(rebuilt, entry.bits) << entry.name;
    }
    EXPECT_EQ(RestraintNamesOf(0x4000).second, 0x4000u);  // a bit with no name is left over
}

TEST(LoaderSections, ShorthandsWithTheirCodesOptionsAndStandAloneSubSpans) {
    json doc = BaseMember();
    doc["section"] = {{"shape", "RHS"}, {"D", 0.15}, {"B", 0.05}, {"t", 0.005}};
    const MemberInput r = ParseMember(doc, "r.json");
    EXPECT_EQ(r.section.Shape(), Shape::RHS);
    EXPECT_EQ(r.section.Dimensions(), (std::vector<double>{0.15, 0.05, 0.005, 0.005}));
    EXPECT_EQ(r.section.Category(), Category::CF);  // cold formed unless told
    doc["section"] = json::parse(R"({"shape": "I", "D": 0.3, "B": 0.15, "T": 0.01, "tw": 0.006,
                                     "r": 0.01})");
    const MemberInput i = ParseMember(doc, "i.json");
    EXPECT_EQ(i.section.Dimensions(),
              (std::vector<double>{0.3, 0.15, 0.01, 0.15, 0.01, 0.006, 0.01}));
    EXPECT_EQ(i.section.Shape(), Shape::I);  // equal flanges: the hot-rolled code
    doc["section"]["B1"] = 0.2;              // both forms at once
    EXPECT_NE(RefusalOf(doc).find("section: give either B and T or B1, T1, B2 and T2"),
              std::string::npos);
    // Section options reach the record; sub-spans may stand alone for one case.
    doc = BaseMember();
    doc["section_options"] = {{"net_area_ratio", 0.85}, {"plastic_elastic_ratio", 1.2}};
    doc["subspans"] = doc["cases"][0]["subspans"];
    doc.erase("cases");
    const MemberInput m = ParseMember(doc, "o.json");
    EXPECT_DOUBLE_EQ(m.section.NetAreaRatio(), 0.85);
    EXPECT_DOUBLE_EQ(*m.section.PlasticElasticRatio(), 1.2);
    ASSERT_EQ(m.cases.size(), 1u);
    ASSERT_EQ(m.cases[0].subSpans.size(), 2u);
    EXPECT_EQ(m.cases[0].subSpans[1].Index(), 1);
    doc["section_options"]["net_area_ratio"] = 1.5;
    EXPECT_NE(RefusalOf(doc).find("section_options.net_area_ratio: must not exceed 1"),
              std::string::npos);
    doc["section_options"]["net_area_ratio"] = 0.85;
    doc["cases"] = json::array();
    EXPECT_NE(RefusalOf(doc).find("subspans: give either cases or subspans"), std::string::npos);
}

}  // namespace
}  // namespace as4100
