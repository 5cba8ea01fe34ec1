// The two rule sets on members where the checker's rules depart from AS 4100-1998 (hand values
// worked in docs/departures.md), members where they agree, and the watch.
#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "app/MemberFile.h"
#include "app/ResultWords.h"
#include "app/RunCheck.h"

namespace as4100 {
namespace {

using nlohmann::json;

const json kFEnd = {{"names", {"F"}}};
const json kFNoSupport = {{"names", {"lateral", "flange1", "flange2", "twist", "full_twist"}}};

json SubSpan(json forcesLeft, json forcesRight, json momentsLeft, json momentsRight) {
    return {{"forces_left", forcesLeft},
            {"forces_right", forcesRight},
            {"moments_left", momentsLeft},
            {"moments_right", momentsRight}};
}

// A member in m and kN from its points and one load case.
json Member(const char* section, json points, json subspans) {
    return {{"units", {{"length", "m"}, {"force", "kN"}}},
            {"section", section},
            {"grade", "300PLUS"},
            {"points", points},
            {"subspans", subspans}};
}

// 1 m, both ends F, held along its length: only the section checks count.
json ShortBeam(const char* section, json subspan) {
    json m = Member(section, {{{"x", 0}, {"restraint", kFEnd}}, {{"x", 1}, {"restraint", kFEnd}}},
                    {subspan});
    m["segments"] = {{{"restraint", {{"names", {"full_twist", "flange1", "flange2"}}}}}};
    return m;
}

// The 6 m floor beam of examples/floor-beam.json with its midspan point restrained as given.
json FloorBeam(json midspan) {
    json m = json::parse(test::ReadFile(AS4100_SOURCE_DIR "/examples/floor-beam.json"));
    m["points"][2]["restraint"] = midspan;
    return m;
}

// The floor beam with no midspan restraint and flange 1 (its tension flange) held throughout.
json TensionFlangeHeldAlong() {
    json m = FloorBeam(json::object());
    for (json& s : m["segments"]) s["restraint"]["names"] = {"flange1"};
    return m;
}

// 200UC52.2, 4 m, N* = 300 kN, 10 kN/m about x and a uniform My = 40 kN·m.
json MajorLoadUniformMinorMoment() {
    auto v = [](double x) { return 10.0 * (2.0 - x); };
    auto m = [](double x) { return 10.0 * x * (4.0 - x) / 2.0; };
    json subspans = json::array();
    for (double x : {0.0, 2.0}) {
        subspans.push_back(
            SubSpan({-300, v(x), 0}, {-300, v(x + 2), 0}, {0, m(x), 40}, {0, m(x + 2), 40}));
    }
    return Member("200UC52.2",
                  {{{"x", 0}, {"restraint", kFEnd}}, {{"x", 2}}, {{"x", 4}, {"restraint", kFEnd}}},
                  subspans);
}

CaseResult RunCase(const json& member, RuleSet rules) {
    MemberChecker checker;
    return checker.Run(ParseMember(member, "test"), {false, false, rules}).cases.at(0);
}

// Utilisation `key` of the first sub-span's local entry, or of the buckling entry.
double Util(const CaseResult& c, bool buckling, const char* key) {
    for (const EntryResult& e : c.entries) {
        if (e.buckling != buckling) continue;
        const auto& kinds = buckling ? BucklingUtilKinds() : LocalUtilKinds();
        for (const UtilKindWords& k : kinds) {
            if (std::string(k.key) == key) return e.util[static_cast<size_t>(k.kind)];
        }
    }
    ADD_FAILURE() << key;
    return 0.0;
}

TEST(Departures, EachRuleSetAgainstHandValues) {
    const json f0 = {0, 0, 0};
    struct Row {
        const char* what;
        json member;
        bool buckling;
        const char* key;
        double checker, standard;
    };
    const Row rows[] = {
        // cl. 5.12.3 and 5.11.4 together, the published 360UB50.7: φVvm = 299.7 kN.
        {"D1+D2", ShortBeam("360UB50.7", SubSpan({0, 72, 0}, {0, 72, 0}, {0, 160, 0}, {0, 232, 0})),
         false, "shear_major", 72 / 421.03, 72 / 299.68},
        // cl. 5.12.3 alone (web and flanges of 310UB40.4 both at 320 MPa).
        {"D1", ShortBeam("310UB40.4", SubSpan({0, 72, 0}, {0, 72, 0}, {0, 100, 0}, {0, 172, 0})),
         false, "shear_major", 72 / 320.42, 72 / 221.22},
        // cl. 5.11.4 alone: 0.6·fy·d·tw with 300 against 320 MPa.
        {"D2", ShortBeam("360UB50.7", SubSpan({0, 72, 0}, {0, 72, 0}, {0, -36, 0}, {0, 36, 0})),
         false, "shear_major", 72 / 421.03, 72 / 449.10},
        // cl. 8.4.4.1: Mbxo = αs·Moa = 161.2 against αs·Msx = 117.9 kN·m.
        {"D3",
         Member("200UC52.2", {{{"x", 0}, {"restraint", kFEnd}}, {{"x", 5}, {"restraint", kFEnd}}},
                {SubSpan({-300, 0, 0}, {-300, 0, 0}, {0, 60, 0}, {0, 60, 0})}),
         true, "combined", 0.4580, 0.7095},
        // cl. 4.4.2.2: δy = 1 against 1/(1 − 300/2183.7) = 1.159 on My.
        {"D4", MajorLoadUniformMinorMoment(), true, "combined", 0.7972, 0.9553},
        // cl. 5.5: a brace on the tension flange is no segment end; on the compression flange
        // it is; a continuous restraint of the tension flange does not hold the beam.
        {"D5 tension", FloorBeam({{"names", {"lateral", "flange1"}}}), true, "lateral_torsional",
         1.0042, 1.6706},
        {"D5 compression", FloorBeam({{"names", {"lateral", "flange2"}}}), true,
         "lateral_torsional", 1.6706, 0.6958},
        {"D5 along", TensionFlangeHeldAlong(), true, "lateral_torsional", 0.0, 1.6706},
        // cl. 5.6.1.1: the top segment of a sway column is F at both ends, αm 0.25 → 1.297.
        {"D6",
         Member("310UB40.4",
                {{{"x", 0}, {"restraint", kFEnd}},
                 {{"x", 3}, {"restraint", kFNoSupport}},
                 {{"x", 6}, {"restraint", kFNoSupport}}},
                {SubSpan({0, 20, 0}, {0, 20, 0}, f0, {0, 60, 0}),
                 SubSpan({0, 20, 0}, {0, 20, 0}, {0, 60, 0}, {0, 120, 0})}),
         true, "lateral_torsional", 3.773, 0.7274},
        // cl. 8.3.2, 8.3.3: Mrx ≤ Msx, Mry ≤ Msy in the section's biaxial check.
        {"D7", ShortBeam("200UC52.2", SubSpan(f0, f0, {0, 100, 30}, {0, 100, 30})), false,
         "combined", 0.671, 0.849},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::AsWritten), row.buckling, row.key),
                    row.checker, 0.005 * row.checker);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::Standard), row.buckling, row.key),
                    row.standard, 0.005 * row.standard);
    }
}

TEST(Departures, MembersWhereNoRuleDepartsGiveIdenticalResults) {
    for (const char* name : {"floor-beam", "cantilever"}) {
        SCOPED_TRACE(name);
        const json member = json::parse(
            test::ReadFile(std::string(AS4100_SOURCE_DIR "/examples/") + name + ".json"));
        const CaseResult a = RunCase(member, RuleSet::AsWritten);
        const CaseResult b = RunCase(member, RuleSet::Standard);
        ASSERT_EQ(a.entries.size(), b.entries.size());
        for (size_t i = 0; i < a.entries.size(); ++i)
            EXPECT_EQ(a.entries[i].util, b.entries[i].util);
        EXPECT_FALSE(a.standard);
    }
}

TEST(StandardWatch, FiresWhereTheStandardIsMoreOnerousAndNowhereInTheExamples) {
    MemberChecker checker;
    const json d3 =
        Member("200UC52.2", {{{"x", 0}, {"restraint", kFEnd}}, {{"x", 5}, {"restraint", kFEnd}}},
               {SubSpan({-300, 0, 0}, {-300, 0, 0}, {0, 60, 0}, {0, 60, 0})});
    const CaseResult watched = checker.Run(ParseMember(d3, "d3"), {}).cases.at(0);
    ASSERT_TRUE(watched.standard);
    EXPECT_NEAR(watched.standard->governing, 0.7095, 0.0035);
    EXPECT_EQ(watched.standard->governedBy, "member combined actions");
    EXPECT_NE(WatchWarningLine(watched).find("0.710"), std::string::npos);

    for (const char* name : {"floor-beam", "cantilever", "beam-column", "portal-rafter"}) {
        const MemberResult r = checker.Run(
            LoadMemberFile(std::string(AS4100_SOURCE_DIR "/examples/") + name + ".json"), {});
        for (const CaseResult& c : r.cases) EXPECT_FALSE(c.standard) << name << " " << c.name;
    }
}

TEST(RulesOption, CommandLineAndMemberFileNameTheRuleSet) {
    const test::ScratchDir dir;
    json member = test::BaseMember();
    member["rules"] = "standard";
    const std::string file = dir.Write("m.json", member.dump());
    EXPECT_EQ(json::parse(test::RunProgram("check " + file + " --json").out)["rules"], "standard");
    EXPECT_EQ(
        json::parse(test::RunProgram("check " + file + " --json --rules checker").out)["rules"],
        "checker");
    const test::ProgramRun text = test::RunProgram("check " + file);
    EXPECT_NE(text.out.find("rules: standard"), std::string::npos);
    EXPECT_EQ(test::RunProgram("check " + file + " --rules strict").status, 2);
    member["rules"] = "strict";
    const test::ProgramRun refused =
        test::RunProgram("check " + dir.Write("bad.json", member.dump()));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("rules"), std::string::npos);
}

}  // namespace
}  // namespace as4100
