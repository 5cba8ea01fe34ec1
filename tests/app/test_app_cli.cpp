// The as4100 program end to end: exit statuses, refusals, the JSON document, the reports and
// the batch, driving the built program.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/AppTestSupport.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::BaseMember;
using test::ProgramRun;
using test::RunProgram;
using test::ScratchDir;

// The floor beam on a section far too small for it: it fails.
json OverloadedMember() {
    json doc = BaseMember();
    doc["section"] = "150UB14.0";
    return doc;
}

json CheckJson(const std::string& path) {
    const ProgramRun run = RunProgram("check --json " + path);
    EXPECT_LE(run.status, 1) << run.err;
    return json::parse(run.out);
}

// Utilisation values of two documents agree (numbers to 1e-9 relative; "inf" to "inf").
void ExpectSameUtilisations(const json& a, const json& b) {
    ASSERT_EQ(a["cases"].size(), b["cases"].size());
    for (size_t c = 0; c < a["cases"].size(); ++c) {
        const json& ea = a["cases"][c]["entries"];
        const json& eb = b["cases"][c]["entries"];
        ASSERT_EQ(ea.size(), eb.size());
        for (size_t e = 0; e < ea.size(); ++e) {
            for (const auto& [key, value] : ea[e]["util"].items()) {
                const json& other = eb[e]["util"][key];
                if (value.is_number()) {
                    EXPECT_NEAR(value.get<double>(), other.get<double>(),
                                1e-9 * std::max(1.0, std::fabs(value.get<double>())))
                        << "case " << c << " entry " << e << " " << key;
                } else {
                    EXPECT_EQ(value, other);
                }
            }
        }
    }
}

TEST(CheckCommand, BundledExamplePassesWithExitZero) {
    const ProgramRun run = RunProgram("check");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("PASS"), std::string::npos);
    EXPECT_NE(run.out.find("Effective lengths"), std::string::npos);
}

TEST(CheckCommand, FailingMemberExitsOne) {
    const ScratchDir dir;
    const ProgramRun run = RunProgram("check " + dir.Write("m.json", OverloadedMember().dump()));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("FAIL"), std::string::npos);
}

TEST(CheckCommand, RefusedFileExitsTwoNamingFieldAndWritesNoReport) {
    const ScratchDir dir;
    json doc = BaseMember();
    doc["cases"][0]["subspans"][1]["forces_left"] = {1, 2};
    const std::string path = dir.Write("bad.json", doc.dump());
    const std::string report = dir.File("r.html");
    const ProgramRun run = RunProgram("check " + path + " --report " + report);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(path + ": cases[0].subspans[1].forces_left: "), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("[1,2]"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST(CheckCommand, UnknownReportTypeIsRefusedBeforeChecking) {
    const ScratchDir dir;
    const ProgramRun run = RunProgram("check --report " + dir.File("r.pdf"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--report"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

TEST(CheckCommand, SameMemberInSIAndKilonewtonMillimetreGivesSameUtilisations) {
    const ScratchDir dir;
    json si = BaseMember();
    json kNmm = si;
    kNmm["units"] = {{"length", "mm"}, {"force", "kN"}};
    for (auto& p : kNmm["points"]) p["x"] = p["x"].get<double>() * 1000.0;
    for (auto& s : kNmm["segments"]) s["restraint"]["load_height"] = 152.0;
    for (auto& s : kNmm["cases"][0]["subspans"]) {
        for (auto& v : s["forces_left"]) v = v.get<double>() / 1000.0;
        for (auto& v : s["forces_right"]) v = v.get<double>() / 1000.0;
        // Moments keep their numbers: 1 N·m is 1 kN·mm.
    }
    const json a = CheckJson(dir.Write("si.json", si.dump()));
    const json b = CheckJson(dir.Write("kNmm.json", kNmm.dump()));
    ExpectSameUtilisations(a, b);
    EXPECT_GT(a["cases"][0]["governing"].get<double>(), 0.1);  // the check really ran
    EXPECT_NEAR(a["cases"][0]["governing"].get<double>(), b["cases"][0]["governing"].get<double>(),
                1e-9);
}

TEST(CheckCommand, NamedAndRawRestraintBitsGiveTheSameResult) {
    const ScratchDir dir;
    json raw = BaseMember();
    raw["points"][0]["restraint"] = {{"bits", 3147456}};
    raw["points"][1]["restraint"] = {{"bits", 0x100000 | 512 | 1024 | 128 | 64}};
    raw["points"][2]["restraint"] = {{"bits", 3147456}};
    const json a = CheckJson(dir.Write("named.json", BaseMember().dump()));
    const json b = CheckJson(dir.Write("raw.json", raw.dump()));
    ExpectSameUtilisations(a, b);
    EXPECT_EQ(a["cases"][0]["effective_lengths"], b["cases"][0]["effective_lengths"]);
}

TEST(CheckJsonDocument, CarriesEveryField) {
    const ScratchDir dir;
    const json doc = CheckJson(dir.Write("m.json", BaseMember().dump()));
    EXPECT_EQ(doc["title"], "test beam");
    EXPECT_EQ(doc["section"], "310UB40.4");
    EXPECT_EQ(doc["grade"], "300PLUS");
    const json& c = doc["cases"].at(0);
    EXPECT_EQ(c["name"], "ULS");
    EXPECT_TRUE(c["ran"].get<bool>());
    EXPECT_TRUE(c["pass"].get<bool>());
    EXPECT_TRUE(c["flags"].is_number_unsigned());
    EXPECT_TRUE(c["flag_words"].is_array());
    // Two sub-spans: entries 1 and 2 local, entry 3 the member buckling entry.
    ASSERT_EQ(c["entries"].size(), 3u);
    for (int k = 0; k < 2; ++k) {
        const json& e = c["entries"][k];
        EXPECT_EQ(e["index"], k + 1);
        EXPECT_EQ(e["kind"], "local");
        EXPECT_EQ(e["subspan"], k + 1);
        for (const char* key : {"axial", "moment_major", "moment_minor", "shear_major",
                                "shear_minor", "torsion", "combined"}) {
            EXPECT_TRUE(e["util"].contains(key)) << key;
        }
    }
    const json& b = c["entries"][2];
    EXPECT_EQ(b["index"], 3);
    EXPECT_EQ(b["kind"], "buckling");
    for (const char* key : {"axial_major", "axial_minor", "torsional", "flexural_torsional",
                            "lateral_torsional", "combined"}) {
        EXPECT_TRUE(b["util"].contains(key)) << key;
    }
    // The governing utilisation is the largest of the entries'.
    double largest = 0.0;
    for (const json& e : c["entries"]) {
        for (const auto& [key, u] : e["util"].items()) largest = std::max(largest, u.get<double>());
    }
    EXPECT_DOUBLE_EQ(c["governing"].get<double>(), largest);
    // Minor-axis spans end at the midspan brace: two spans of 3 m, in SI.
    const json& minor = c["effective_lengths"]["minor"];
    ASSERT_EQ(minor.size(), 2u);
    EXPECT_EQ(minor[0]["from"], 0);
    EXPECT_EQ(minor[0]["to"], 1);
    EXPECT_DOUBLE_EQ(minor[1]["x_from"].get<double>(), 3.0);
    EXPECT_DOUBLE_EQ(minor[1]["x_to"].get<double>(), 6.0);
    for (const char* key : {"le", "r"}) EXPECT_TRUE(minor[0].contains(key));
    EXPECT_TRUE(c["effective_lengths"]["major"].is_array());
    EXPECT_TRUE(c["effective_lengths"]["lateral_torsional"].is_array());
}

TEST(CheckJsonDocument, InfiniteUtilisationIsTheStringInf) {
    const ScratchDir dir;
    const json doc = CheckJson(dir.Write("m.json", OverloadedMember().dump()));
    const json& c = doc["cases"][0];
    EXPECT_FALSE(c["pass"].get<bool>());
    EXPECT_EQ(c["governing"], "inf");  // moment beyond capacity: shear capacity zero
    EXPECT_NE(std::find(c["flag_words"].begin(), c["flag_words"].end(), "failed"),
              c["flag_words"].end());
}

// Every element opened is closed, in order (void elements excepted).
bool TagsBalanced(const std::string& html, std::string& problem) {
    std::vector<std::string> open;
    for (size_t pos = html.find('<'); pos != std::string::npos; pos = html.find('<', pos + 1)) {
        if (html.compare(pos, 2, "<!") == 0) continue;
        const size_t end = html.find('>', pos);
        if (end == std::string::npos) return problem = "unterminated tag", false;
        const bool closing = html[pos + 1] == '/';
        std::string name = html.substr(pos + 1 + closing, end - pos - 1 - closing);
        name = name.substr(0, name.find(' '));
        if (name == "meta") continue;
        if (!closing) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return problem = "</" + name + "> closes " + (open.empty() ? "nothing" : open.back()),
                   false;
        } else {
            open.pop_back();
        }
    }
    if (!open.empty()) return problem = "<" + open.back() + "> left open", false;
    return true;
}

TEST(CheckReport, HtmlPageIsBalancedAndShowsTheFailLineInRed) {
    const ScratchDir dir;
    const std::string report = dir.File("report.html");
    const ProgramRun run = RunProgram("check " + dir.Write("m.json", OverloadedMember().dump()) +
                                      " --report " + report);
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string html = test::ReadFile(report);
    std::string problem;
    EXPECT_TRUE(TagsBalanced(html, problem)) << problem;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<b><span class=\"red\">Fail:</span></b>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"fail\">FAIL</td>"), std::string::npos);
    EXPECT_NE(html.find("mm²"), std::string::npos);   // UTF-8 intact
    EXPECT_EQ(html.find("http"), std::string::npos);  // standalone
}

TEST(CheckReport, PlainTextOnStandardOutputHasNoTags) {
    const ProgramRun run = RunProgram("check --report -");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Section Properties:"), std::string::npos);
    for (const char* tag : {"<b>", "</b>", "<i>", "<h4>", "<h5>", "<red>"}) {
        EXPECT_EQ(run.out.find(tag), std::string::npos) << tag;
    }
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
    // 300PLUS, flanges 10.2 mm < 11 mm: fy = 320 MPa. Compact in bending: Zex = min(S, 1.5 Z)
    // = 633e3 mm³, φMsx = 0.9 × 320 × 633e3 = 182.3 kN·m (cl. 5.2.1).
    EXPECT_DOUBLE_EQ(s["fy"].get<double>(), 320e6);
    EXPECT_EQ(s["class"]["x"], "Compact");
    EXPECT_NEAR(s["phiMsx"].get<double>(), 0.9 * 320e6 * 633e-6, 1.0);
    // cl. 7.2: Nt = min(Ag fy, 0.85 kt An fu) = min(5210 × 320, 0.85 × 5210 × 440) N.
    EXPECT_NEAR(s["phiNt"].get<double>(), 0.9 * std::min(5210e-6 * 320e6, 0.85 * 5210e-6 * 440e6),
                1.0);
    // cl. 6.2: φNs = 0.9 kf Ag fy.
    EXPECT_NEAR(s["phiNs"].get<double>(),
                0.9 * s["kf"].get<double>() * s["Ag"].get<double>() * 320e6, 1.0);
}

TEST(SectionCommand, UnknownSectionOrGradeIsRefused) {
    EXPECT_EQ(RunProgram("section 310UB99").status, 2);
    const ProgramRun run = RunProgram("section 310UB40.4 --grade S355");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("S355"), std::string::npos);
    EXPECT_EQ(RunProgram("sections --family XX").status, 2);
}

}  // namespace
}  // namespace as4100
