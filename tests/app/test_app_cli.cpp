// The as4100 program end to end: exit statuses, refusals, the JSON document, the reports and
// the batch, driving the built program.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <tuple>
#include <vector>

#include "app/AppTestSupport.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::BaseMember;
using test::ProgramRun;
using test::RunProgram;
using test::ScratchDir;
using test::TagProblem;

// The bundled example passes: exit 0, its summary and its report on standard output.
TEST(CheckCommand, BundledExamplePassesWithAPlainTextReportWithoutTags) {
    const ProgramRun run = RunProgram("check --report -");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* says : {"PASS", "Effective lengths", "Section Properties:"})
        EXPECT_NE(run.out.find(says), std::string::npos) << says;
    for (const char* tag : {"<b>", "</b>", "<i>", "<h4>", "<h5>", "<red>"})
        EXPECT_EQ(run.out.find(tag), std::string::npos) << tag;
}

// Refusals exit 2 with one line naming the option or field and the value, print nothing on
// standard output and write no report.
TEST(Refusals, ExitTwoWithOneLineNamingWhatAndNothingElse) {
    const ScratchDir dir;
    json doc = BaseMember();
    doc["cases"][0]["subspans"][1]["forces_left"] = {1, 2};
    const std::string bad = dir.Write("bad.json", doc.dump());
    const std::string report = dir.File("r.html");
    const auto angle = [&](const json& legs, const std::string& name) {
        json a = BaseMember();
        a["section"] = legs;
        a["section"]["shape"] = "angle";
        return dir.Write(name, a.dump());
    };
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"check " + bad + " --report " + report,
         {bad + ": cases[0].subspans[1].forces_left: ", "[1,2]"}},
        {"check --report " + dir.File("r.doc"), {"--report: unknown report type", "r.doc"}},
        {"check --project jobb=1", {"--project: expected KEY=VALUE", "jobb=1"}},
        {"section 310UB99", {"unknown section \"310UB99\""}},
        {"section 310UB40.4 --grade S355", {"--grade: unknown grade \"S355\""}},
        {"sections --family XX", {"--family: unknown family \"XX\""}},
        {"frobnicate", {"unknown command \"frobnicate\"", "check, section"}},
        {"check \"\"", {"check: the file name is empty"}},
        {"check " + dir.File(""), {"is a directory"}},
        {"check " + angle({{"d", 0.05}, {"b", 0.005}, {"t", 0.005}}, "a1.json"),
         {"section.b: must be longer than"}},
        {"check " + angle({{"d", 0.05}, {"b", 0.05}, {"t", 0.0}}, "a2.json"), {"section.t: "}},
        {"check /dev/zero", {"/dev/zero: is not a regular file"}},
        {"check '" + dir.Write("a\nb.json", "{") + "'", {"a\\x0ab.json: not valid JSON"}},
        {"batch " + dir.Write("empty.jsonl", ""), {"empty.jsonl: holds no lines to check"}},
        {"batch " + bad + " -o " + bad, {"is the input file"}},
        {"batch " + bad + " -o " + dir.File(""), {"is a directory"}},
        {"batch - < " + dir.File(""), {"standard input: cannot read the file: Is a directory"}}};
    for (const auto& [args, says] : cases) {
        const ProgramRun run = RunProgram(args);
        EXPECT_EQ(run.status, 2) << args;
        for (const std::string& words : says)
            EXPECT_NE(run.err.find(words), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_FALSE(std::filesystem::exists(report));
}

// A user's section and grade names are text in the report, never its mark-up.
TEST(CheckCommand, UserNamesCannotInjectReportMarkup) {
    const ScratchDir dir;
    json doc = BaseMember();
    doc["section"] = json::parse(R"({"shape": "I", "name": "<h4>X</h4><red>PASS</red>",
                                     "D": 0.3, "B": 0.15, "T": 0.01, "tw": 0.006})");
    doc["grade"] = {{"name", "<b>G</b>"}, {"fy", 3e8}, {"fu", 4.4e8}};
    const std::string report = dir.File("r.html");
    const ProgramRun run =
        RunProgram("check --json " + dir.Write("m.json", doc.dump()) + " --report " + report);
    const std::string html = test::ReadFile(report);
    EXPECT_EQ(json::parse(run.out)["section"], "<h4>X</h4><red>PASS</red>");
    EXPECT_EQ(TagProblem(html), "");
    for (const char* injected : {"<h4>X", "<span class=\"red\">PASS", "<b>G</b>"})
        EXPECT_EQ(html.find(injected), std::string::npos) << injected;
}

TEST(CheckJsonDocument, CarriesEveryField) {
    const ScratchDir dir;
    const ProgramRun run = RunProgram("check --json " + dir.Write("m.json", BaseMember().dump()));
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["title"], "test beam");
    const json& c = doc["cases"].at(0);
    EXPECT_EQ(c["name"], "ULS");
    EXPECT_TRUE(c["ran"].get<bool>() && c["pass"].get<bool>());
    // Two sub-spans: entries 1 and 2 local, entry 3 the member buckling entry (their keys are
    // pinned by the golden JSON). The governing utilisation is the largest of the entries'.
    ASSERT_EQ(c["entries"].size(), 3u);
    double largest = 0.0;
    for (int k = 0; k < 3; ++k) {
        const json& e = c["entries"][k];
        EXPECT_EQ(e["index"], k + 1);
        EXPECT_EQ(e["kind"], k < 2 ? "local" : "buckling");
        EXPECT_EQ(e.value("subspan", 0), k < 2 ? k + 1 : 0);
        for (const auto& [key, u] : e["util"].items()) largest = std::max(largest, u.get<double>());
    }
    EXPECT_DOUBLE_EQ(c["governing"].get<double>(), largest);
    // Minor-axis spans end at the midspan brace: two spans of 3 m, in SI.
    const json& minor = c["effective_lengths"]["minor"];
    ASSERT_EQ(minor.size(), 2u);
    EXPECT_EQ(minor[0]["to"], 1);
    EXPECT_DOUBLE_EQ(minor[1]["x_from"].get<double>(), 3.0);
    EXPECT_DOUBLE_EQ(minor[1]["x_to"].get<double>(), 6.0);
}

// `section --json` against hand values: what reaches the program's document, φ included (the
// classes, moduli and kf are the calculators' tests' own: test_classification.cpp and
// test_angle_calculator.cpp). 310UB40.4, 300PLUS, fy = 320 MPa: φMsx = 0.9 × 320 × 633e3 =
// 182.30 kN·m (cl. 5.2.1); φNt = 0.9 × min(5210 × 320, 0.85 × 5210 × 440) = 1500.48 kN (cl.
// 7.2); Ae = 4960 mm², φNs = 0.9 × 4960 × 320 = 1428.5 kN; a stocky web (52.6 < 82): φVv =
// 0.9 × 0.6 × 320 × 304 × 6.1 = 320.44 kN (cl. 5.11.4). 75x75x6EA: φMsu = 0.9·320·18695 =
// 5.384 kN·m, ru = √(722000/867). A square tube is an RHS in C350L0 unless told: 250x250x6SHS
// is slender; in C450L0 λ = 238/6·√1.8 = 53.22, kf = 4311.3/5730 = 0.7524. 125PFC: kt = 0.85
// (cl. 7.3), φNt = 0.9 × min(1520 × 320, 0.85 × 0.85 × 1520 × 440) = 434.89 kN.
TEST(SectionCommand, CapacitiesAgainstHandValues) {
    const struct {
        const char* args;
        std::vector<std::pair<const char*, const char*>> words;       // "class" is class.x
        std::vector<std::tuple<const char*, double, double>> values;  // key, value, tolerance
        // clang-format off
    } cases[] = {
        {"310UB40.4", {{"shape", "I"}, {"grade", "300PLUS"}, {"class", "Compact"}},
         {{"fy", 320e6, 0.0}, {"phiMsx", 182.304e3, 1.0}, {"phiNt", 1500.48e3, 1.0},
          {"phiNs", 1428.5e3, 0.5e3}, {"phiVvy", 320.44e3, 10.0}}},
        {"75x75x6EA", {{"shape", "angle"}},
         {{"Zeu", 18695.4e-9, 0.5e-9}, {"Zev", 8852.8e-9, 0.5e-9}, {"phiMsu", 5384.3, 0.5},
          {"phiMsv", 2549.6, 0.5}, {"Iu", 722000e-12, 0.0}, {"Iv", 187000e-12, 0.0},
          {"ru", 28.858e-3, 1e-6}, {"rv", 14.686e-3, 1e-6}}},
        {"250x250x6SHS", {{"shape", "RHS"}, {"grade", "C350L0"}, {"class", "Slender"}}, {}},
        {"250x250x6SHS --grade c450l0", {{"grade", "C450L0"}}, {{"kf", 0.75240, 1e-4}}},
        {"125PFC", {{"shape", "PFC"}, {"class", "NonCompact"}},
         {{"Zex", 72.869e-6, 0.002e-6}, {"phiNt", 434.89e3, 10.0}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ProgramRun run = RunProgram(std::string("section --json ") + c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const json s = json::parse(run.out);
        for (const auto& [key, word] : c.words)
            EXPECT_EQ(key == std::string("class") ? s.at("class").at("x") : s.at(key), word)
                << c.args;
        for (const auto& [key, value, tolerance] : c.values)
            EXPECT_NEAR(s.at(key).get<double>(), value, tolerance) << c.args << " " << key;
        EXPECT_EQ(s.contains("Zeu"), c.words[0].second == std::string("angle")) << c.args;
    }
    const ProgramRun list = RunProgram("sections --family SHS");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_NE(list.out.find("100x100x6SHS"), std::string::npos);
    EXPECT_EQ(list.out.find("CHS"), std::string::npos);
}

// The bracing strut buckles about v-v: 25 kN against φNc = 0.9·53.52 kN (le 2.4 m).
TEST(CheckCommand, AngleStrutNamesThePrincipalAxisThatGoverns) {
    const ProgramRun run = RunProgram("check --json " + std::string(AS4100_SOURCE_DIR) +
                                      "/examples/roof-brace-strut.json");
    ASSERT_EQ(run.status, 0) << run.err;
    const json c = json::parse(run.out)["cases"][0];
    EXPECT_EQ(c["governs"], "member v-v flexural buckling");
    const json& util = c["entries"][1]["util"];
    EXPECT_NEAR(util["axial_vv"].get<double>(), 0.519, 0.001);
    EXPECT_LT(util["axial_uu"].get<double>(), util["axial_vv"].get<double>());
    EXPECT_EQ(util["axial_minor"], util["axial_vv"]);
    const ProgramRun text =
        RunProgram("check " + std::string(AS4100_SOURCE_DIR) + "/examples/angle-tie.json");
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("M u-u"), std::string::npos);
    EXPECT_NE(text.out.find("N v-v"), std::string::npos);
}

}  // namespace
}  // namespace as4100
