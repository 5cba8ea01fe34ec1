// The two rule sets on members where the checker's rules depart from AS 4100-1998 (hand values
// worked in docs/departures.md), members where they agree, and the watch.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AppTestSupport.h"
#include "app/JsonOutput.h"
#include "app/MemberFile.h"
#include "app/ReportHtml.h"
#include "app/RunCheck.h"

namespace as4100 {
namespace {

using Arbor::Steel::UtilKind;
using nlohmann::json;

// Sub-span end actions [N, Vmajor, Vminor], [T, Mmajor, Mminor] in kN and kN·m.
json Sub(json fl, json fr, json ml, json mr) {
    return {{"forces_left", fl}, {"forces_right", fr}, {"moments_left", ml}, {"moments_right", mr}};
}

// A 300PLUS member in m and kN; points are (x, restraint names) pairs.
json Member(const char* section, std::vector<std::pair<double, json>> points, json subspans) {
    json m = {{"units", {{"length", "m"}, {"force", "kN"}}},
              {"section", section},
              {"grade", "300PLUS"},
              {"subspans", subspans}};
    for (const auto& [x, names] : points)
        m["points"].push_back({{"x", x}, {"restraint", {{"names", names}}}});
    return m;
}

const json kF = {"F"};
const json kHeld = {"lateral", "flange1", "flange2", "twist", "full_twist"};  // not supported

// 1 m, both ends F, held along its length: only the section checks count.
json ShortBeam(const char* section, json subspan) {
    json m = Member(section, {{0, kF}, {1, kF}}, {subspan});
    m["segments"] = {{{"restraint", {{"names", {"full_twist", "flange1", "flange2"}}}}}};
    return m;
}

// 200UC52.2, 5 m, N* = 300 kN, equal end moments of 60 kN·m.
json UniformMomentColumn() {
    return Member("200UC52.2", {{0, kF}, {5, kF}},
                  {Sub({-300, 0, 0}, {-300, 0, 0}, {0, 60, 0}, {0, 60, 0})});
}

// 200UC52.2, 4 m, N* = 300 kN, 10 kN/m about x and a uniform My = 40 kN·m.
json MajorLoadUniformMinorMoment() {
    auto v = [](double x) { return 10.0 * (2.0 - x); };
    auto m = [](double x) { return 5.0 * x * (4.0 - x); };
    json subspans;
    for (double x : {0.0, 2.0}) {
        subspans.push_back(
            Sub({-300, v(x), 0}, {-300, v(x + 2), 0}, {0, m(x), 40}, {0, m(x + 2), 40}));
    }
    return Member("200UC52.2", {{0, kF}, {2, json::array()}, {4, kF}}, subspans);
}

json Example(const std::string& name) {
    return json::parse(test::ReadFile(AS4100_SOURCE_DIR "/examples/" + name + ".json"));
}

// The floor beam of examples/floor-beam.json with its midspan restraint names and, when
// given, the restraint names along every sub-span.
json FloorBeam(json midspan, json along = nullptr) {
    json m = Example("floor-beam");
    m["points"][2]["restraint"] = {{"names", midspan}};
    if (!along.is_null()) {
        for (json& s : m["segments"]) s["restraint"]["names"] = along;
    }
    return m;
}

CaseResult RunCase(const json& member, std::optional<RuleSet> rules) {
    MemberChecker checker;
    return checker.Run(ParseMember(member, "test"), {false, false, rules}).cases.at(0);
}

// Utilisation of the first entry (sub-span 1's section check) or of the last (buckling).
double Util(const CaseResult& c, UtilKind kind) {
    const bool buckling = kind >= UtilKind::BucklingAxialMajor;
    return (buckling ? c.entries.back() : c.entries.front()).util[static_cast<size_t>(kind)];
}

TEST(Departures, EachRuleSetAgainstHandValues) {
    const json o = {0, 0, 0};
    const json v72 = {0, 72, 0};
    using K = UtilKind;
    struct Row {
        const char* what;
        json member;
        UtilKind kind;
        double checker, standard;
    };
    const Row rows[] = {
        // cl. 5.12.3 and 5.11.4 together, the published 360UB50.7: φVvm = 299.7 kN.
        {"D1+D2", ShortBeam("360UB50.7", Sub(v72, v72, {0, 160, 0}, {0, 232, 0})),
         K::LocalShearMajor, 72 / 421.03, 72 / 299.68},
        // cl. 5.12.3 alone (web and flanges of 310UB40.4 both at 320 MPa).
        {"D1", ShortBeam("310UB40.4", Sub(v72, v72, {0, 100, 0}, {0, 172, 0})), K::LocalShearMajor,
         72 / 320.42, 72 / 221.22},
        // cl. 5.11.4 alone: 0.6·fy·d·tw with 300 against 320 MPa.
        {"D2", ShortBeam("360UB50.7", Sub(v72, v72, {0, -36, 0}, {0, 36, 0})), K::LocalShearMajor,
         72 / 421.03, 72 / 449.10},
        // cl. 8.4.4.1: Mbxo = αs·Moa = 161.2 against αs·Msx = 117.9 kN·m.
        {"D3", UniformMomentColumn(), K::BucklingCombined, 0.4580, 0.7095},
        // cl. 4.4.2.2: δy = 1 against 1/(1 − 300/2183.7) = 1.159 on My.
        {"D4", MajorLoadUniformMinorMoment(), K::BucklingCombined, 0.7972, 0.9553},
        // cl. 5.5: a brace on the tension flange is no segment end; on the compression flange
        // it is; a continuous restraint of the tension flange does not hold the beam.
        {"D5 tension", FloorBeam({"lateral", "flange1"}), K::BucklingLT, 1.0042, 1.6706},
        {"D5 compression", FloorBeam({"lateral", "flange2"}), K::BucklingLT, 1.6706, 0.6958},
        {"D5 along", FloorBeam(json::array(), {"flange1"}), K::BucklingLT, 0.0, 1.6706},
        // cl. 5.6.1.1: the top segment of a sway column is F at both ends, αm 0.25 → 1.297.
        {"D6",
         Member("310UB40.4", {{0, kF}, {3, kHeld}, {6, kHeld}},
                {Sub({0, 20, 0}, {0, 20, 0}, o, {0, 60, 0}),
                 Sub({0, 20, 0}, {0, 20, 0}, {0, 60, 0}, {0, 120, 0})}),
         K::BucklingLT, 3.773, 0.7274},
        // cl. 8.3.2, 8.3.3: Mrx ≤ Msx, Mry ≤ Msy in the section's biaxial check.
        {"D7", ShortBeam("200UC52.2", Sub(o, o, {0, 100, 30}, {0, 100, 30})), K::LocalCombined,
         0.671, 0.849},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::AsWritten), row.kind), row.checker,
                    0.005 * row.checker);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::Standard), row.kind), row.standard,
                    0.005 * row.standard);
    }
}

TEST(Departures, MembersWhereNoRuleDepartsGiveIdenticalResults) {
    for (const char* name : {"floor-beam", "cantilever"}) {
        const CaseResult a = RunCase(Example(name), RuleSet::AsWritten);
        const CaseResult b = RunCase(Example(name), RuleSet::Standard);
        ASSERT_EQ(a.entries.size(), b.entries.size());
        for (size_t i = 0; i < a.entries.size(); ++i)
            EXPECT_EQ(a.entries[i].util, b.entries[i].util);
    }
}

TEST(StandardWatch, FiresWhereTheStandardIsMoreOnerousAndNowhereInTheExamples) {
    MemberChecker checker;
    const MemberInput member = ParseMember(UniformMomentColumn(), "d3");
    const MemberResult result = checker.Run(member, {});
    const json standard = ResultJson(result)["cases"][0]["standard"];
    EXPECT_NEAR(standard["governing"].get<double>(), 0.7095, 0.0035);
    EXPECT_EQ(standard["governed_by"], "member combined actions");
    const std::string warning = "Warning: the standard's reading gives 0.710 (member combined";
    EXPECT_NE(WatchWarningLine(result.cases[0]).find(warning), std::string::npos);
    EXPECT_NE(HtmlReport(member, result, {}).find("<p class=\"watch\">" + warning),
              std::string::npos);
    for (const char* name : {"floor-beam", "cantilever", "beam-column", "portal-rafter"}) {
        for (const CaseResult& c : checker.Run(ParseMember(Example(name), name), {}).cases) {
            EXPECT_FALSE(c.standard) << name << " " << c.name;
        }
    }
}

TEST(RulesOption, CommandLineWinsOverTheMemberFileAndBothNameTheRuleSet) {
    const test::ScratchDir dir;
    json member = test::BaseMember();
    member["rules"] = "standard";
    const std::string file = dir.Write("m.json", member.dump());
    auto rulesOf = [&](const std::string& args) {
        return json::parse(test::RunProgram("check " + file + " --json" + args).out)["rules"];
    };
    EXPECT_EQ(rulesOf(""), "standard");
    EXPECT_EQ(rulesOf(" --rules checker"), "checker");
    EXPECT_NE(test::RunProgram("check " + file).out.find("rules: standard"), std::string::npos);
    EXPECT_EQ(test::RunProgram("check " + file + " --rules strict").status, 2);
    member["rules"] = "strict";
    EXPECT_THROW(ParseMember(member, "m.json"), InputError);
}

TEST(RulesOption, SizingTakesTheRuleSet) {
    // Braced at midspan on the tension flange only: one 6 m segment by cl. 5.5, so the
    // standard's reading needs a heavier beam than the rules as written.
    const test::ScratchDir dir;
    const std::string file = dir.Write("b.json", FloorBeam({"lateral", "flange1"}).dump());
    auto chosenMass = [&](const std::string& rules) {
        const json doc = json::parse(
            test::RunProgram("size " + file + " --family UB --json --rules " + rules).out);
        return doc["mass_per_metre"].get<double>();
    };
    EXPECT_GT(chosenMass("standard"), chosenMass("checker"));
}

}  // namespace
}  // namespace as4100
