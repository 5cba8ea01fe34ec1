// The member file loader: every refusal names the field and the value; units, named bits and
// user sections reach the host's types in SI.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <limits>

#include "app/AppTestSupport.h"
#include "app/MemberFile.h"
#include "app/RestraintNames.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::BaseMember;

std::string RefusalOf(const json& doc) {
    try {
        ParseMember(doc, "beam.json");
    } catch (const InputError& e) {
        return e.what();
    }
    return "";
}

struct Refusal {
    const char* what;
    std::function<void(json&)> edit;
    const char* field;  // the path the message must name
    const char* value;  // and the value it must show
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.what;
}

class LoaderRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(LoaderRefusal, NamesFileFieldAndValueOnOneLine) {
    json doc = BaseMember();
    GetParam().edit(doc);
    const std::string message = RefusalOf(doc);
    ASSERT_FALSE(message.empty()) << GetParam().what << " was accepted";
    EXPECT_EQ(message.rfind("beam.json: ", 0), 0u) << message;
    EXPECT_NE(message.find(std::string(GetParam().field) + ":"), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().value), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

const json kTooShort = json::array({1.0, 2.0});
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    EachRefusalClass, LoaderRefusal,
    ::testing::Values(
        Refusal{"unknown section", [](json& d) { d["section"] = "310UB99"; }, "section",
                "\"310UB99\""},
        Refusal{"unknown grade", [](json& d) { d["grade"] = "S355"; }, "grade", "\"S355\""},
        Refusal{"negative dimension",
                [](json& d) {
                    d["section"] = {
                        {"shape", "I"}, {"D", 0.3}, {"B", 0.15}, {"T", -0.01}, {"tw", 0.006}};
                },
                "section.T", "-0.01"},
        Refusal{"infinite dimension",
                [](json& d) {
                    d["section"] = {{"shape", "CHS"}, {"D", kInf}, {"t", 0.005}};
                },
                "section.D", "null"},
        Refusal{"one point", [](json& d) { d["points"] = json::array({d["points"][0]}); }, "points",
                "[{"},
        Refusal{"points not increasing", [](json& d) { d["points"][2]["x"] = 3.0; }, "points[2].x",
                "3.0"},
        Refusal{"sub-span count", [](json& d) { d["cases"][0]["subspans"].erase(1); },
                "cases[0].subspans", "[{"},
        Refusal{"vector of two",
                [](json& d) { d["cases"][0]["subspans"][1]["forces_left"] = kTooShort; },
                "cases[0].subspans[1].forces_left", "[1.0,2.0]"},
        Refusal{"infinite force",
                [](json& d) { d["cases"][0]["subspans"][0]["moments_right"][1] = kInf; },
                "cases[0].subspans[0].moments_right[1]", "null"},
        Refusal{"force as text",
                [](json& d) { d["cases"][0]["subspans"][0]["forces_left"][0] = "NaN"; },
                "cases[0].subspans[0].forces_left[0]", "\"NaN\""},
        Refusal{"unknown restraint name",
                [](json& d) { d["points"][1]["restraint"]["names"][0] = "braced"; },
                "points[1].restraint.names[0]", "\"braced\""},
        Refusal{"bits not a word", [](json& d) { d["points"][0]["restraint"]["bits"] = -1; },
                "points[0].restraint.bits", "-1"},
        Refusal{"segment count", [](json& d) { d["segments"].erase(0); }, "segments", "[{"},
        Refusal{"unknown unit",
                [](json& d) {
                    d["units"] = {{"length", "ft"}};
                },
                "units.length", "\"ft\""},
        Refusal{"misspelt field", [](json& d) { d["point"] = d["points"]; }, "point", "[{"},
        Refusal{"no cases", [](json& d) { d.erase("cases"); }, "(top level)", "{"},
        Refusal{"partial override lengths",
                [](json& d) {
                    d["overrides"] = {{"lengths", {{"Lyy", 4.0}}}};
                },
                "overrides.lengths", "{\"Lyy\":4.0}"}),
    [](const ::testing::TestParamInfo<Refusal>& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// An infinite number (1e999 in a file) is shown as null, as JSON writes it.

TEST(LoaderRefusalText, SyntaxErrorNamesFileAndPosition) {
    try {
        ParseMemberText("{\"section\": }", "broken.json");
        FAIL() << "accepted";
    } catch (const InputError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("broken.json: not valid JSON", 0), 0u) << message;
        EXPECT_NE(message.find("column"), std::string::npos) << message;
    }
}

TEST(LoaderRefusalText, NumberBeyondDoubleRangeIsRefusedNotThrownThrough) {
    try {
        ParseMemberText("{\"section\": \"310UB40.4\", \"x\": 1e900}", "huge.json");
        FAIL() << "accepted";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("huge.json: not valid JSON", 0), 0u) << e.what();
    }
}

TEST(LoaderRefusalText, UnreadableFileIsRefused) {
    EXPECT_THROW(LoadMemberFile("/nonexistent/member.json"), InputError);
}

// The same member in kN and mm: every value reaches the host in SI.
TEST(LoaderUnits, KilonewtonsAndMillimetresBecomeSI) {
    json si = BaseMember();
    si["overrides"] = {{"lengths", {{"Lyy", 4.0}, {"Lzz", -0.5}, {"Llt", 6.0}}}};
    json kNmm = si;
    kNmm["units"] = {{"length", "mm"}, {"force", "kN"}};
    for (auto& p : kNmm["points"]) p["x"] = p["x"].get<double>() * 1000.0;
    for (auto& s : kNmm["segments"]) s["restraint"]["load_height"] = 152.0;
    for (auto& s : kNmm["cases"][0]["subspans"]) {
        for (const char* key : {"forces_left", "forces_right"}) {
            for (auto& v : s[key]) v = v.get<double>() / 1000.0;
        }
        // Moments stay: 1 N·m is 1 kN·mm.
    }
    kNmm["overrides"]["lengths"] = {{"Lyy", 4000.0}, {"Lzz", -0.5}, {"Llt", 6000.0}};

    const MemberInput a = ParseMember(si, "si.json");
    const MemberInput b = ParseMember(kNmm, "kNmm.json");
    ASSERT_EQ(a.points.size(), b.points.size());
    for (size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_NEAR(a.points[i].Position(), b.points[i].Position(), 1e-12);
    }
    const auto& sa = a.cases[0].subSpans;
    const auto& sb = b.cases[0].subSpans;
    for (size_t i = 0; i < sa.size(); ++i) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(sa[i].GetForcesLeft()[c], sb[i].GetForcesLeft()[c], 1e-6);
            EXPECT_NEAR(sa[i].GetMomentsRight()[c], sb[i].GetMomentsRight()[c], 1e-6);
        }
        EXPECT_NEAR(sb[i].GetRestraint().LoadHeight(), 0.152, 1e-12);
    }
    // A negative override is a multiple of the member length, not a length: not scaled.
    EXPECT_EQ((*b.overrides.lengths)[1], -0.5);
    EXPECT_NEAR((*b.overrides.lengths)[0], 4.0, 1e-12);
}

TEST(LoaderUnits, UserGradeStressesScaleAsForceOverAreaUnits) {
    json doc = BaseMember();
    doc["units"] = {{"length", "mm"}, {"force", "kN"}};
    doc["points"] = {{{"x", 0}}, {{"x", 3000}}, {{"x", 6000}}};
    doc.erase("segments");
    doc["grade"] = {{"name", "G250"}, {"fy", 0.25}, {"fu", 0.41}, {"E", 200.0}};  // kN/mm²
    const MemberInput m = ParseMember(doc, "g.json");
    EXPECT_NEAR(m.grade.DesignStrength(0.01), 250e6, 1e-3);
    EXPECT_NEAR(m.grade.TensileStrength(0.01), 410e6, 1e-3);
    EXPECT_NEAR(m.grade.YoungsModulus(), 200e9, 1.0);
    EXPECT_EQ(m.gradeName, "G250");
}

TEST(LoaderUnits, GradeBandsApplyByThickness) {
    json doc = BaseMember();
    doc["grade"] = {{"name", "banded"},
                    {"bands",
                     {{{"op", "<"}, {"bound", 0.011}, {"fy", 320e6}, {"fu", 440e6}},
                      {{"op", "<="}, {"bound", 0.017}, {"fy", 300e6}, {"fu", 440e6}},
                      {{"fy", 280e6}, {"fu", 440e6}}}}};
    const MemberInput m = ParseMember(doc, "b.json");
    EXPECT_EQ(m.grade.DesignStrength(0.0102), 320e6);
    EXPECT_EQ(m.grade.DesignStrength(0.017), 300e6);
    EXPECT_EQ(m.grade.DesignStrength(0.020), 280e6);
}

TEST(LoaderRestraints, NamedBitsEqualTheRawWord) {
    json named = BaseMember();
    json raw = BaseMember();
    raw["points"][0]["restraint"] = {{"bits", 3147456}};
    raw["points"][1]["restraint"] = {{"bits", 0x100000 | 512 | 1024 | 128 | 64}};
    const MemberInput a = ParseMember(named, "n.json");
    const MemberInput b = ParseMember(raw, "r.json");
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(a.points[i].GetRestraint().Bits(), b.points[i].GetRestraint().Bits()) << i;
    }
    EXPECT_EQ(a.points[0].GetRestraint().Bits(), 3147456u);
}

TEST(LoaderRestraints, BitsAndNamesCombine) {
    json doc = BaseMember();
    doc["points"][1]["restraint"] = {{"bits", 0x10000}, {"names", {"rotation_y", "leg_a"}}};
    const MemberInput m = ParseMember(doc, "c.json");
    EXPECT_EQ(m.points[1].GetRestraint().Bits(), 0x10000u | 0x40000u | 0x1000000u);
}

TEST(LoaderRestraints, VocabularyNamesRoundTrip) {
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

TEST(LoaderRestraints, SegmentsGoToTheirSubSpans) {
    json doc = BaseMember();
    doc["segments"][1]["restraint"] = {{"names", {"flange2"}}, {"load_height", -0.1}};
    const MemberInput m = ParseMember(doc, "s.json");
    EXPECT_EQ(m.cases[0].subSpans[0].GetRestraint().Bits(), 0u);
    EXPECT_EQ(m.cases[0].subSpans[1].GetRestraint().Bits(), 1024u);
    EXPECT_DOUBLE_EQ(m.cases[0].subSpans[1].GetRestraint().LoadHeight(), -0.1);
}

TEST(LoaderSections, UserISectionRecordsDimensionsInOrder) {
    json doc = BaseMember();
    doc["units"] = {{"length", "mm"}};
    doc["points"] = {{{"x", 0}}, {{"x", 3000}}, {{"x", 6000}}};
    doc.erase("segments");
    doc["section"] = {{"shape", "I"}, {"D", 500}, {"B1", 250}, {"T1", 20},
                      {"B2", 200},    {"T2", 16}, {"tw", 10},  {"category", "HW"}};
    const MemberInput m = ParseMember(doc, "w.json");
    const std::vector<double> expected = {0.5, 0.25, 0.02, 0.2, 0.016, 0.01, 0.0};
    ASSERT_EQ(m.section.Dimensions().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(m.section.Dimensions()[i], expected[i], 1e-12) << i;
    }
    EXPECT_EQ(m.section.Shape(), 11);  // welded
    EXPECT_EQ(m.section.Category(), 0u);
}

TEST(LoaderSections, EqualFlangesShorthandAndHotRolledCode) {
    json a = BaseMember();
    a["section"] = {{"shape", "I"}, {"D", 0.3},    {"B", 0.15},
                    {"T", 0.01},    {"tw", 0.006}, {"r", 0.01}};
    json b = a;
    b["section"] = {{"shape", "I"}, {"D", 0.3},   {"B1", 0.15},  {"T1", 0.01},
                    {"B2", 0.15},   {"T2", 0.01}, {"tw", 0.006}, {"r", 0.01}};
    const MemberInput ma = ParseMember(a, "a.json");
    EXPECT_EQ(ma.section.Dimensions(), ParseMember(b, "b.json").section.Dimensions());
    EXPECT_EQ(ma.section.Shape(), 1);
    a["section"]["B1"] = 0.2;  // both forms at once
    EXPECT_NE(RefusalOf(a).find("section"), std::string::npos);
}

TEST(LoaderSections, OtherShapesKeepTheirCodesAndDimensions) {
    json doc = BaseMember();
    doc["section"] = {{"shape", "RHS"}, {"D", 0.15}, {"B", 0.05}, {"t", 0.005}};
    const MemberInput m = ParseMember(doc, "r.json");
    EXPECT_EQ(m.section.Shape(), 9);
    EXPECT_EQ(m.section.Dimensions(), (std::vector<double>{0.15, 0.05, 0.005, 0.005}));
    EXPECT_EQ(m.section.Category(), 2u);  // cold formed unless told
}

TEST(LoaderSections, SectionOptionsReachTheRecord) {
    json doc = BaseMember();
    doc["section_options"] = {{"net_area_ratio", 0.85}, {"plastic_elastic_ratio", 1.2}};
    const MemberInput m = ParseMember(doc, "o.json");
    EXPECT_DOUBLE_EQ(m.section.NetAreaRatio(), 0.85);
    EXPECT_DOUBLE_EQ(*m.section.PlasticElasticRatio(), 1.2);
    doc["section_options"]["net_area_ratio"] = 1.5;
    EXPECT_NE(RefusalOf(doc).find("section_options.net_area_ratio: must not exceed 1"),
              std::string::npos);
}

TEST(LoaderCases, TopLevelSubSpansMakeOneCase) {
    json doc = BaseMember();
    doc["subspans"] = doc["cases"][0]["subspans"];
    doc.erase("cases");
    const MemberInput m = ParseMember(doc, "t.json");
    ASSERT_EQ(m.cases.size(), 1u);
    EXPECT_EQ(m.cases[0].subSpans.size(), 2u);
    EXPECT_EQ(m.cases[0].subSpans[1].Index(), 1);
    doc["cases"] = json::array();
    EXPECT_NE(RefusalOf(doc).find("subspans: give either cases or subspans"), std::string::npos);
}

}  // namespace
}  // namespace as4100
