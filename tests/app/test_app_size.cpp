// Sizing: the lightest catalogue section that passes, against checking every section one by
// one; groups, limits, a member nothing carries, and the chosen section's report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/AppTestSupport.h"
#include "app/Sizing.h"

namespace as4100 {
namespace {

using Arbor::Data::CatalogueEntry;
using nlohmann::json;
using test::BaseMember;
using test::ProgramRun;
using test::RunProgram;
using test::ScratchDir;

// The 6 m floor beam of the program tests with its loads times `scale` (1: 20 kN/m).
json Beam(double scale, const std::string& title = "beam") {
    json doc = BaseMember();
    doc["title"] = title;
    for (json& s : doc["cases"][0]["subspans"]) {
        for (const char* key : {"forces_left", "forces_right", "moments_left", "moments_right"}) {
            for (json& v : s[key]) v = v.get<double>() * scale;
        }
    }
    return doc;
}

// Every UB and UC checked in full, lightest first: the lightest within the depth limit whose
// every case passes at utilisation `maxUtil` or less.
std::string BruteForce(const MemberInput& member, double maxUtil, double maxDepth) {
    auto sections = Arbor::Data::Catalogue::Instance().Sections("UB");
    const auto uc = Arbor::Data::Catalogue::Instance().Sections("UC");
    sections.insert(sections.end(), uc.begin(), uc.end());
    std::stable_sort(sections.begin(), sections.end(),
                     [](auto* a, auto* b) { return a->massPerMetre < b->massPerMetre; });
    MemberChecker checker;
    for (const CatalogueEntry* e : sections) {
        if (e->section.Dimensions()[0] > maxDepth) continue;
        const MemberResult r = checker.Run(WithSection(member, *e, false), {false, false, {}});
        const bool within = std::all_of(r.cases.begin(), r.cases.end(), [&](const CaseResult& c) {
            return c.governing <= maxUtil;
        });
        if (r.AllPass() && within) return e->designation;
    }
    return "none";
}

TEST(Sizing, PicksWhatCheckingEverySectionPicksUnderLimitsAndUtilisationCaps) {
    const MemberInput member = ParseMember(Beam(1.0), "beam");
    MemberChecker checker;
    auto size = [&](double maxUtil, double maxDepth) {
        const auto candidates = Candidates({"UB", "UC"}, {maxDepth}, checker, member);
        const SizingResult r = SizeGroup({member}, candidates, maxUtil, false, checker);
        EXPECT_TRUE(r.chosen);
        return r.chosen ? r.tried[*r.chosen].entry : nullptr;
    };
    const CatalogueEntry* free = size(1.0, 10.0);
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->designation, BruteForce(member, 1.0, 10.0));

    const CatalogueEntry* capped = size(0.9, 10.0);
    ASSERT_NE(capped, nullptr);
    EXPECT_EQ(capped->designation, BruteForce(member, 0.9, 10.0));
    EXPECT_GT(capped->massPerMetre, free->massPerMetre);

    const double shallow = SectionDepth(free->section) - 0.001;
    const CatalogueEntry* limited = size(1.0, shallow);
    ASSERT_NE(limited, nullptr);
    EXPECT_EQ(limited->designation, BruteForce(member, 1.0, shallow));
    EXPECT_LE(SectionDepth(limited->section), shallow);
    EXPECT_GT(limited->massPerMetre, free->massPerMetre);
}

// Each beam alone and the two as one group: the group takes the heavier of the two sections.
TEST(SizeCommand, GroupGetsTheHeavierOfItsMembersOwnSections) {
    const ScratchDir dir;
    json a = Beam(0.5, "B1"), b = Beam(2.0, "B2");
    std::string lines = a.dump() + "\n" + b.dump() + "\n";
    a["group"] = b["group"] = "G";
    lines += a.dump() + "\n" + b.dump() + "\n";
    const ProgramRun run =
        RunProgram("size " + dir.Write("floor.jsonl", lines) + " --family UB,UC --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const json groups = json::parse(run.out)["groups"];
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_NE(groups[0]["chosen"], groups[1]["chosen"]);
    EXPECT_LT(groups[0]["mass_per_metre"], groups[1]["mass_per_metre"]);
    EXPECT_EQ(groups[2]["group"], "G");
    EXPECT_EQ(groups[2]["chosen"], groups[1]["chosen"]);
    EXPECT_EQ(groups[2]["governs"].get<std::string>().rfind("B2, ", 0), 0u);
}

// Every section of every family whose shape the checker handles is tried and fails; the
// families it does not handle are named and none of their sections is tried.
TEST(SizeCommand, NoSectionCarriesTheMemberExitOneNamingTheLowestUtilisation) {
    const ScratchDir dir;
    const std::string file = dir.Write("m.json", Beam(40.0).dump());
    const std::string families = " --family UB,UC,PFC,EA,CHS,RHS,SHS";
    const ProgramRun run = RunProgram("size " + file + families + " --json");
    ASSERT_EQ(run.status, 1) << run.err;
    const json doc = json::parse(run.out);
    EXPECT_TRUE(doc["chosen"].is_null());
    const json& tried = doc["tried"];
    for (const std::string family : doc["families"]) {
        const bool skipped =
            std::count(doc["skipped_families"].begin(), doc["skipped_families"].end(), family) == 1;
        const auto count = std::count_if(tried.begin(), tried.end(),
                                         [&](const json& t) { return t["family"] == family; });
        const auto sections = Arbor::Data::Catalogue::Instance().Sections(family).size();
        EXPECT_EQ(static_cast<std::size_t>(count), skipped ? 0 : sections) << family;
    }
    // Lowest utilisation ("inf" when infinite), ties broken by the largest finite one.
    auto rank = [](const json& t) {
        const json& u = t["governing"];
        return std::pair(u.is_number() ? u.get<double>() : HUGE_VAL, t["largest_finite"]);
    };
    const auto best = std::min_element(tried.begin(), tried.end(),
                                       [&](auto& x, auto& y) { return rank(x) < rank(y); });
    ASSERT_NE(best, tried.end());
    EXPECT_EQ(doc["best_candidate"], (*best)["section"]);
    const ProgramRun text = RunProgram("size " + file + families);
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(
        text.out.find("No section passes: best candidate " + (*best)["section"].get<std::string>()),
        std::string::npos);
}

// The report of the chosen section is the one `check` writes for a file holding that section.
TEST(SizeCommand, ReportOfTheChosenSectionIsTheCheckReport) {
    const ScratchDir dir;
    json doc = Beam(1.0);
    const std::string file = dir.Write("m.json", doc.dump());
    doc["section"] = json::parse(RunProgram("size " + file + " --family UB --json").out)["chosen"];
    dir.Write("m.json", doc.dump());
    const ProgramRun size =
        RunProgram("size " + file + " --family UB --report " + dir.File("size.txt"));
    const ProgramRun check = RunProgram("check " + file + " --report " + dir.File("check.txt"));
    EXPECT_EQ(size.status, 0) << size.err;
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(test::ReadFile(dir.File("size.txt")), test::ReadFile(dir.File("check.txt")));
}

// The floor beam's own section is hot-rolled: tubes take their usual grade unless one is named.
TEST(SizeCommand, HollowSectionsTakeTheirUsualGradeUnlessOneIsNamed) {
    const ScratchDir dir;
    const std::string file = dir.Write("m.json", Beam(1.0).dump());
    for (const auto& [option, grade] : std::vector<std::pair<std::string, std::string>>{
             {"", "C350L0"}, {" --grade 300PLUS", "300PLUS"}}) {
        const json doc =
            json::parse(RunProgram("size " + file + " --family SHS --json" + option).out);
        ASSERT_FALSE(doc["tried"].empty()) << option;
        for (const json& t : doc["tried"]) EXPECT_EQ(t["grade"], grade) << option;
    }
}

TEST(SizeCommand, RefusedOptionsExitTwoNamingTheOption) {
    const ScratchDir dir;
    const std::string file = dir.Write("m.json", Beam(1.0).dump());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--family XB", "--family: unknown family \"XB\""},
        {"--family UB --max-util 1.2", "--max-util"},
        {"--family UB --max-depth 40cm", "--max-depth"},
        {"--family UB --grade 999", "--grade: unknown grade"},
    };
    for (const auto& [options, message] : cases) {
        const ProgramRun run = RunProgram("size " + file + " " + options);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << options;
    }
}

}  // namespace
}  // namespace as4100
