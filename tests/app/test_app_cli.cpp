// The as4100 program end to end: exit statuses, refusals, the JSON document, the reports and
// the batch, driving the built program.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
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

// The floor beam on a section far too small for it: it fails.
json OverloadedMember() {
    json doc = BaseMember();
    doc["section"] = "150UB14.0";
    return doc;
}

TEST(CheckCommand, BundledExamplePassesWithExitZero) {
    const ProgramRun run = RunProgram("check");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("PASS"), std::string::npos);
    EXPECT_NE(run.out.find("Effective lengths"), std::string::npos);
}

// The JSON document on standard output and the HTML page beside it, of a failing member.
TEST(CheckCommand, FailingMemberExitsOneWithInfiniteUtilisationAndTheFailInRed) {
    const ScratchDir dir;
    const std::string report = dir.File("report.html");
    const ProgramRun run = RunProgram(
        "check --json " + dir.Write("m.json", OverloadedMember().dump()) + " --report " + report);
    EXPECT_EQ(run.status, 1) << run.err;
    const json doc = json::parse(run.out);
    const json& c = doc["cases"][0];
    EXPECT_FALSE(c["pass"].get<bool>());
    EXPECT_EQ(c["governing"], "inf");  // moment beyond capacity: shear capacity zero
    EXPECT_NE(std::find(c["flag_words"].begin(), c["flag_words"].end(), "failed"),
              c["flag_words"].end());
    const std::string html = test::ReadFile(report);
    EXPECT_EQ(TagProblem(html), "");
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<b><span class=\"red\">Fail:</span></b>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"fail\">FAIL</td>"), std::string::npos);
    EXPECT_NE(html.find("mm²"), std::string::npos);   // UTF-8 intact
    EXPECT_EQ(html.find("http"), std::string::npos);  // standalone
}

TEST(CheckCommand, PlainTextReportOnStandardOutputHasNoTags) {
    const ProgramRun run = RunProgram("check --report -");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Section Properties:"), std::string::npos);
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
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"check " + bad + " --report " + report,
         {bad + ": cases[0].subspans[1].forces_left: ", "[1,2]"}},
        {"check --report " + dir.File("r.doc"), {"--report: unknown report type", "r.doc"}},
        {"check --project jobb=1", {"--project: expected KEY=VALUE", "jobb=1"}},
        {"section 310UB99", {"unknown section \"310UB99\""}},
        {"section 310UB40.4 --grade S355", {"--grade: unknown grade \"S355\""}},
        {"sections --family XX", {"--family: unknown family \"XX\""}}};
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

TEST(CheckJsonDocument, CarriesEveryField) {
    const ScratchDir dir;
    const ProgramRun run = RunProgram("check --json " + dir.Write("m.json", BaseMember().dump()));
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["title"], "test beam");
    EXPECT_EQ(doc["section"], "310UB40.4");
    EXPECT_EQ(doc["grade"], "300PLUS");
    const json& c = doc["cases"].at(0);
    EXPECT_EQ(c["name"], "ULS");
    EXPECT_TRUE(c["ran"].get<bool>() && c["pass"].get<bool>());
    EXPECT_TRUE(c["flags"].is_number_unsigned() && c["flag_words"].is_array());
    // Two sub-spans: entries 1 and 2 local, entry 3 the member buckling entry. The governing
    // utilisation is the largest of the entries'.
    const std::map<std::string, std::vector<std::string>> keysOf{
        {"local",
         {"axial", "moment_major", "moment_minor", "shear_major", "shear_minor", "torsion",
          "combined"}},
        {"buckling",
         {"axial_major", "axial_minor", "torsional", "flexural_torsional", "lateral_torsional",
          "combined"}}};
    ASSERT_EQ(c["entries"].size(), 3u);
    double largest = 0.0;
    for (int k = 0; k < 3; ++k) {
        const json& e = c["entries"][k];
        EXPECT_EQ(e["index"], k + 1);
        EXPECT_EQ(e["kind"], k < 2 ? "local" : "buckling");
        EXPECT_EQ(e.value("subspan", 0), k < 2 ? k + 1 : 0);
        for (const std::string& key : keysOf.at(e["kind"]))
            EXPECT_TRUE(e["util"].contains(key)) << key;
        for (const auto& [key, u] : e["util"].items()) largest = std::max(largest, u.get<double>());
    }
    EXPECT_DOUBLE_EQ(c["governing"].get<double>(), largest);
    // Minor-axis spans end at the midspan brace: two spans of 3 m, in SI.
    const json& minor = c["effective_lengths"]["minor"];
    ASSERT_EQ(minor.size(), 2u);
    EXPECT_EQ(minor[0]["to"], 1);
    EXPECT_DOUBLE_EQ(minor[1]["x_from"].get<double>(), 3.0);
    EXPECT_DOUBLE_EQ(minor[1]["x_to"].get<double>(), 6.0);
    EXPECT_TRUE(minor[0].contains("le") && minor[0].contains("r"));
    EXPECT_TRUE(c["effective_lengths"]["major"].is_array());
    EXPECT_TRUE(c["effective_lengths"]["lateral_torsional"].is_array());
}

TEST(BatchCommand, OneOutputLinePerInputLineInOrderWithRefusedLineInPlace) {
    const ScratchDir dir;
    std::string lines;
    for (int i = 1; i <= 5; ++i) {
        json doc = i == 4 ? OverloadedMember() : BaseMember();
        doc["title"] = "member " + std::to_string(i);
        if (i == 2) doc["points"][2]["x"] = 1.0;  // refused: not increasing
        lines += doc.dump() + "\n";
    }
    const std::string out = dir.File("out.jsonl");
    const ProgramRun run =
        RunProgram("batch " + dir.Write("in.jsonl", lines) + " -o " + out + " --jobs 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("members/s"), std::string::npos) << run.err;

    std::istringstream results(test::ReadFile(out));
    std::vector<json> docs;
    for (std::string line; std::getline(results, line);) docs.push_back(json::parse(line));
    ASSERT_EQ(docs.size(), 5u);
    EXPECT_EQ(docs[1]["line"], 2);
    EXPECT_NE(docs[1]["error"].get<std::string>().find("points[2].x"), std::string::npos);
    for (int i : {0, 2, 3, 4}) EXPECT_EQ(docs[i]["title"], "member " + std::to_string(i + 1));
    EXPECT_FALSE(docs[3]["cases"][0]["pass"].get<bool>());
    EXPECT_TRUE(docs[4]["cases"][0]["pass"].get<bool>());
}

TEST(SectionCommand, CapacitiesOfA310UB40p4) {
    const ProgramRun run = RunProgram("section 310UB40.4 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const json s = json::parse(run.out);
    EXPECT_EQ(s["grade"], "300PLUS");
    // 300PLUS, flanges 10.2 mm < 11 mm: fy = 320 MPa. Compact in bending: Zex = S = 633e3 mm³
    // (< 1.5 Z), φMsx = 0.9 × 320 × 633e3 = 182.30 kN·m (cl. 5.2.1). cl. 7.2: φNt = 0.9 ×
    // min(Ag fy, 0.85 kt An fu) = 0.9 × min(5210 × 320, 0.85 × 5210 × 440) = 1500.48 kN.
    EXPECT_DOUBLE_EQ(s["fy"].get<double>(), 320e6);
    EXPECT_EQ(s["class"]["x"], "Compact");
    EXPECT_NEAR(s["phiMsx"].get<double>(), 182.304e3, 1.0);
    EXPECT_NEAR(s["phiNt"].get<double>(), 1500.48e3, 1.0);
    // cl. 6.2: the web, d1 = 304 − 2 × 10.2 = 283.6 mm, λe = 283.6 / 6.1 × √(320/250) = 52.6
    // > λey 45 (hot-rolled, both edges supported): be = 283.6 × 45 / 52.6 = 242.6 mm, so
    // 41.0 × 6.1 = 250 mm² is lost; the flanges (λe = 79.45 / 10.2 × 1.131 = 8.8 < 16) are fully
    // effective. kf = 4960 / 5210 = 0.9520, φNs = 0.9 × 4960 × 320 = 1428.5 kN.
    EXPECT_NEAR(s["kf"].get<double>(), 0.9520, 1e-4);
    EXPECT_NEAR(s["phiNs"].get<double>(), 1428.5e3, 0.5e3);
    // cl. 5.11.4: a stocky web (52.6 < 82): φVv = 0.9 × 0.6 × 320 × 304 × 6.1 = 320.44 kN.
    EXPECT_NEAR(s["phiVvy"].get<double>(), 320.44e3, 10.0);
}

// A square tube is an RHS to the checker, in C350L0 unless told: 250x250x6SHS, ε = √1.4,
// λ = 238/6·ε = 46.93 > 40, slender about both axes (Ze = 450e3·40/46.93 = 383.5e3 mm³) and in
// compression (kf = 0.8527, cl. 6.2.4); in C450L0 λ = 53.22, kf = 4311.3/5730 = 0.7524.
TEST(SectionCommand, HollowSectionsInTheirGradesAndFamilies) {
    for (const auto& [args, grade, kf] :
         {std::tuple{"", "C350L0", 0.85272}, std::tuple{" --grade c450l0", "C450L0", 0.75240}}) {
        const ProgramRun run = RunProgram(std::string("section 250x250x6SHS --json") + args);
        ASSERT_EQ(run.status, 0) << run.err;
        const json s = json::parse(run.out);
        EXPECT_EQ(s["shape"], "RHS");
        EXPECT_EQ(s["grade"], grade);
        EXPECT_EQ(s["class"]["x"], "Slender");
        EXPECT_NEAR(s["kf"].get<double>(), kf, 1e-4);
    }
    const ProgramRun list = RunProgram("sections --family SHS");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_NE(list.out.find("100x100x6SHS"), std::string::npos);
    EXPECT_EQ(list.out.find("CHS"), std::string::npos);
}

}  // namespace
}  // namespace as4100
