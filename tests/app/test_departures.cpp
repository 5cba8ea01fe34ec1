// The two rule sets on members where the checker's rules depart from AS 4100-1998 (hand values
// worked in docs/departures.md), members where they agree, and the watch.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "AppTestSupport.h"
#include "app/JsonOutput.h"
#include "app/MemberFile.h"
#include "app/ReportHtml.h"
#include "app/RunCheck.h"
#include "app/WatchScope.h"
#include "member/AS4100Member.h"

namespace as4100 {
namespace {

using Arbor::Steel::UtilKind;
using nlohmann::json;

using test::Sub;  // in kN and kN·m here

// A 300PLUS member in m and kN; points are (x, restraint names) pairs.
json Member(json section, std::vector<std::pair<double, json>> points, json subspans) {
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
json ShortBeam(json section, json subspan) {
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

// The floor beam on a 250PFC with its loads scaled to 8 kN/m (M* = 36 kN·m), load on the top
// flange (0.125 m above the centre), braced at midspan on the tension flange only.
json ChannelFloorBeam() {
    json m = test::ScaledLoads(FloorBeam({"lateral", "flange1"}), 0.4);
    m["section"] = "250PFC";
    for (json& s : m["segments"]) s["restraint"]["load_height"] = 0.125;
    return m;
}

// The sway column of departure 6 on a 75x75x6EA bent about u-u only (Mx = My, principal angle
// 45°): Mu = 0 at the base, 1.5 kN·m at the girt, 3 kN·m at the top.
json AngleSwayColumn() {
    const double m = 1.5 / std::sqrt(2.0), v = m / 3.0;
    const json vv = {0, v, v};
    return Member("75x75x6EA", {{0, kF}, {3, kHeld}, {6, kHeld}},
                  {Sub(vv, vv, {0, 0, 0}, {0, m, m}), Sub(vv, vv, {0, m, m}, {0, 2 * m, 2 * m})});
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
        // cl. 8.4.4.1: Mbxo = αs·Moa = 161.2 against αs·Msx = 117.9 kN·m; bending about x only,
        // so the standard's ratio has no exponent: 0.7095^(1/1.4) = 0.7826 (8c).
        {"D3", UniformMomentColumn(), K::BucklingCombined, 0.4580, 0.7826},
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
        // cl. 8.3.2 with Mx only, N* = 500 kN tension: φNt = 0.9·6660·300 = 1798.2 kN, n = 0.2781,
        // γ = 1.678, Mrx = 1.18·171.0·(1 − n) = 145.67 kN·m, Mx/(φMrx) = 0.7628; as written
        // 0.7628^γ = 0.6348, by the clause 0.7628 (8c).
        {"8c section",
         ShortBeam("200UC52.2", Sub({500, 0, 0}, {500, 0, 0}, {0, 100, 0}, {0, 100, 0})),
         K::LocalCombined, 0.6348, 0.7628},
        // The floor beam's member check, Mx only: Mcx = Mb, so the LT ratio 0.6958, raised to
        // 1.4 as written (0.6019).
        {"8c member", Example("floor-beam"), K::BucklingCombined, 0.6019, 0.6958},
        // Channel, cl. 5.5 (D5): 250PFC, Msx = 300·421e3 = 126.3 kN·m (compact; Iy 3.64e6 mm⁴,
        // J 248e3 mm⁴, Iw 35.9e9 mm⁶). As written two 3 m segments, le = 1·2.0·1·3 = 6.0 m:
        // Moa = √(π²EIy/le²·(GJ + π²EIw/le²)) = 65.97 kN·m, αs = 0.4004, αm = 1.330,
        // Mb = 67.27 kN·m, 36/(0.9·67.27) = 0.5946. Standard: one 6 m segment F–F, le = 1.4·6 =
        // 8.4 m: Moa = 46.07, αs = 0.3008, αm = 1.166, Mb = 44.30, 36/(0.9·44.30) = 0.9029.
        {"PFC D5", ChannelFloorBeam(), K::BucklingLT, 0.5946, 0.9029},
        // Tee, cl. 5.11.4 (D2): D 200, B 150, T 10 (320 MPa), tw 12 (300 MPa, the section's fy);
        // flange shear Vx = 100 kN, Aw = B·T = 1500 mm². Iyy = 10·150³/12 + 190·12³/12 =
        // 2.840e6 mm⁴, AyBar = 69·10·(12 + 69)/2 = 27 945 mm³, fvm/fva = AyBar·B/Iyy = 1.476
        // (cl. 5.11.3): Vv = 2·0.6·fy·Aw/(0.9 + 1.476) = 227.27 kN (300) or 242.42 kN (320).
        {"T D2",
         ShortBeam(R"({"shape": "T", "D": 0.2, "B": 0.15, "T": 0.010, "tw": 0.012})"_json,
                   Sub({0, 0, 100}, {0, 0, 100}, o, o)),
         K::LocalShearMinor, 100 / (0.9 * 227.27), 100 / (0.9 * 242.42)},
        // Angle, cl. 5.6.1.1 (D6): top segment 3 m F–F, Msu = 320·18 695 = 5.983 kN·m,
        // Moa = √(π²E·Iv/le²·GJ) = √(π²·200e3·187e3/3000²·80e3·11 200) = 6.062 kN·m, αs = 0.6040.
        // As written αm = 0.25: Mb = 0.9033, 3/(0.9·0.9033) = 3.690; standard αm = 1.297:
        // Mb = 4.685, 3/(0.9·4.685) = 0.7115.
        {"angle D6", AngleSwayColumn(), K::BucklingLT, 3.690, 0.7115},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::AsWritten), row.kind), row.checker,
                    0.005 * row.checker);
        EXPECT_NEAR(Util(RunCase(row.member, RuleSet::Standard), row.kind), row.standard,
                    0.005 * row.standard);
    }
}

// Without axial force and with bending about x only, the two rule sets differ in nothing but
// the exponent 1.4 of the member's combined ratio (8); these UBs (kf < 1) take the linear
// section check under both, and the angle its principal-axis check.
TEST(Departures, MembersWhereNoRuleDepartsDifferOnlyInTheUniaxialExponent) {
    const size_t combined = static_cast<size_t>(UtilKind::BucklingCombined);
    // A pin-ended 75x75x6EA strut, 3 m, 20 kN, bent about u-u only (Mx = My = 1 kN·m throughout).
    const json strut = Member("75x75x6EA", {{0, kF}, {3, kF}},
                              {Sub({-20, 0, 0}, {-20, 0, 0}, {0, 1, 1}, {0, 1, 1})});
    for (const auto& [name, member] :
         {std::pair<const char*, json>{"floor-beam", Example("floor-beam")},
          {"cantilever", Example("cantilever")},
          {"angle strut", strut}}) {
        const CaseResult a = RunCase(member, RuleSet::AsWritten);
        const CaseResult b = RunCase(member, RuleSet::Standard);
        ASSERT_EQ(a.entries.size(), b.entries.size());
        for (size_t i = 0; i < a.entries.size(); ++i) {
            auto asWritten = a.entries[i].util;
            auto standard = b.entries[i].util;
            EXPECT_NEAR(asWritten[combined], std::pow(standard[combined], 1.4), 1e-12)
                << name << " " << i;
            asWritten[combined] = standard[combined] = 0.0;
            EXPECT_EQ(asWritten, standard) << name << " " << i;
        }
    }
}

TEST(StandardWatch, FiresWhereTheStandardIsMoreOnerous) {
    MemberChecker checker;
    const MemberInput member = ParseMember(UniformMomentColumn(), "d3");
    const MemberResult result = checker.Run(member, {});
    const json standard = ResultJson(result)["cases"][0]["standard"];
    // Set off with the exponent kept (0.7095 against 0.621); it shows the standard's own 0.7826.
    EXPECT_NEAR(standard["governing"].get<double>(), 0.7826, 0.0035);
    EXPECT_EQ(standard["governed_by"], "member combined actions");
    const std::string warning = "Warning: the standard's reading gives 0.783 (member combined";
    EXPECT_NE(WatchWarningLine(result.cases[0]).find(warning), std::string::npos);
    // Silent on the examples: their golden --json outputs hold no "standard" object.
    EXPECT_NE(HtmlReport(member, result, {}).find("<p class=\"watch\">" + warning),
              std::string::npos);
}

// The watch's view of a member's only case: whether it must run the case again, and the
// governing utilisations of the checker and of the standard's reading with the exponent kept.
struct WatchView {
    bool mayGovern;
    double checker, standard;
};
WatchView Watch(const json& file) {
    using Arbor::Steel::CMemberResult;
    using Arbor::Steel::SteelAS4100::CAS4100_98Member;
    const MemberInput member = ParseMember(file, "test");
    const LoadCase& loadCase = member.cases.at(0);
    MemberChecker run;
    const CaseResult c = run.Run(member, {true, false, {}}).cases.at(0);
    const std::unique_ptr<Arbor::Steel::CSteelMemberGen> code(NewCode());
    auto& checker = dynamic_cast<CAS4100_98Member&>(*code);
    checker.SetMemberPointVec(member.points);
    checker.SetSubSpanVec(loadCase.subSpans);
    checker.SetQuickCheckMode(true);
    checker.SetSection(member.section);
    checker.SetSteelDesignProp(member.grade);
    CMemberResult asWritten, standard;
    checker.SetResult(&asWritten);
    checker.QuickCheck();
    const bool may =
        StandardMayGovern(member, loadCase, c, checker, checker.GetInteractionData(), true);
    checker.SetRuleSet(RuleSet::Standard, true);
    checker.SetResult(&standard);
    checker.QuickCheck();
    checker.SetResult(nullptr);
    return {may, c.governing, standard.UtilOverAll()};
}

// The floor beam with every end action scaled and, where given, set in one component.
json FloorBeamActions(double scale, const char* key = nullptr, int component = 0,
                      double value = 0.0) {
    json m = test::ScaledLoads(FloorBeam(kHeld), scale);
    if (key) {
        for (json& s : m["cases"][0]["subspans"]) s[key][component] = value;
    }
    return m;
}

// The case runs again unless every departure is shown not to raise the governing ratio; where
// it is skipped, the standard's reading indeed stays within the watch's margin.
TEST(StandardWatch, RunsTheStandardAgainOnlyWhereADepartureMayGovern) {
    // LT held off, so the section checks govern. The 310UB40.4 is not compact overall (its web
    // in compression): the linear section check and the general member check, no Mrx or Mbxo,
    // under both rule sets; the 250UC89.5 is compact.
    const auto held = [](double scale, const char* section = "310UB40.4") {
        json m = FloorBeamActions(scale);
        m["section"] = section;
        for (json& s : m["segments"])
            s["restraint"]["names"] = {"full_twist", "flange1", "flange2"};
        return m;
    };
    const auto uniform = [](const char* section) {
        return Member(section, {{0, kF}, {3, kHeld}, {6, kF}},
                      {Sub({0, 0, 0}, {0, 0, 0}, {0, 50, 0}, {0, 50, 0}),
                       Sub({0, 0, 0}, {0, 0, 0}, {0, 50, 0}, {0, 50, 0})});
    };
    json compressed = FloorBeamActions(1.0, "forces_left", 0, -50);
    json compactCompressed = compressed;
    compactCompressed["section"] = "250UC89.5";
    json heldUnsupported = Example("cantilever");  // beside the free tip
    heldUnsupported["points"][1]["restraint"] = {{"names", kHeld}};
    json freeEnds = FloorBeam(kHeld);
    for (json* end : {&freeEnds["points"].front(), &freeEnds["points"].back()}) {
        end->erase("restraint");
    }
    const struct {
        const char* what;
        json member;
        bool mayGovern;
    } rows[] = {
        {"floor beam", Example("floor-beam"), false},
        {"not compact, M*/(φMs) = 0.79", held(1.6), false},
        {"not compact, M*/(φMs) above 0.99", held(2.015), true},
        {"compact, kf = 1, M*/(φMs) = 0.93", held(3.2, "250UC89.5"), false},
        {"axial compression, not compact", compressed, false},
        {"axial compression, compact", compactCompressed, true},
        {"minor-axis moment", FloorBeamActions(1.0, "moments_left", 2, 5), true},
        {"brace on the tension flange", FloorBeam({"lateral", "flange1"}), true},
        {"cantilever", Example("cantilever"), false},
        {"cantilever, held unsupported", heldUnsupported, true},
        {"both ends free", freeEnds, true},
        {"uniform moment segments, not compact", uniform("310UB40.4"), false},
        {"uniform moment segments, compact", uniform("250UC89.5"), true},
    };
    for (const auto& row : rows) {
        const WatchView v = Watch(row.member);
        EXPECT_EQ(v.mayGovern, row.mayGovern) << row.what;
        if (!v.mayGovern) {
            EXPECT_LE(v.standard, kWatchMargin * v.checker) << row.what;
        }
    }
    // A case the test lets through is one where the watch fires (departure 5).
    const WatchView fires = Watch(FloorBeam({"lateral", "flange1"}));
    EXPECT_GT(fires.standard, kWatchMargin * fires.checker);
}

// The rule set from the member file or the command line (which wins), named in the output, for
// check, section and size. cl. 5.11.4: 360UB50.7, web 7.3 mm at 320 MPa, flanges at 300 MPa:
// φVv = 0.54·fy·d·tw. Braced at midspan on the tension flange only the floor beam is one 6 m
// segment by cl. 5.5, so the standard's reading needs a heavier beam.
TEST(RulesOption, FileOrCommandLineRuleSetReachesCheckSectionAndSize) {
    const test::ScratchDir dir;
    json member = test::BaseMember();
    member["rules"] = "standard";
    const std::string file = dir.Write("m.json", member.dump());
    const std::string beam = dir.Write("b.json", FloorBeam({"lateral", "flange1"}).dump());
    auto doc = [](const std::string& args) { return json::parse(test::RunProgram(args).out); };
    EXPECT_EQ(doc("check " + file + " --json")["rules"], "standard");
    EXPECT_EQ(doc("check " + file + " --json --rules checker")["rules"], "checker");
    EXPECT_NE(test::RunProgram("check " + file).out.find("rules: standard"), std::string::npos);
    for (const auto& [args, rules, fy] :
         {std::tuple{"", "checker", 300.0}, std::tuple{" --rules standard", "standard", 320.0}}) {
        const json s = doc(std::string("section 360UB50.7 --json") + args);
        EXPECT_EQ(s["rules"], rules);
        EXPECT_NEAR(s["phiVvy"].get<double>(), 0.9 * 0.6 * fy * 355.6 * 7.3, 10.0);
    }
    auto mass = [&](const char* rules) {
        return doc("size " + beam + " --family UB --json --rules " + rules)["mass_per_metre"]
            .get<double>();
    };
    EXPECT_GT(mass("standard"), mass("checker"));
    for (const std::string& args :
         {"check " + file + " --rules strict", std::string("section 360UB50.7 --rules strict")})
        EXPECT_EQ(test::RunProgram(args).status, 2) << args;
    member["rules"] = "strict";
    EXPECT_THROW(ParseMember(member, "m.json"), InputError);
}

}  // namespace
}  // namespace as4100
