// Sizing: the lightest catalogue section that passes, against checking every section one by
// one; groups, limits, a member nothing carries, and the chosen section's report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/AppTestSupport.h"
#include "app/CsvTable.h"
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
    json doc = test::ScaledLoads(BaseMember(), scale);
    doc["title"] = title;
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
    const double shallow = SectionDepth(free->section) - 0.001;
    const std::pair<double, double> limits[] = {{1.0, 10.0}, {0.9, 10.0}, {1.0, shallow}};
    for (const auto& [maxUtil, maxDepth] : limits) {
        const CatalogueEntry* chosen = size(maxUtil, maxDepth);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->designation, BruteForce(member, maxUtil, maxDepth));
        EXPECT_LE(SectionDepth(chosen->section), maxDepth);
        if (maxUtil < 1.0 || maxDepth < 10.0) {
            EXPECT_GT(chosen->massPerMetre, free->massPerMetre);
        }
    }
}

// The group's answer of one command: the section (or, when none passes, the best candidate)
// and the member that governs it.
struct GroupAnswer {
    int status = -1;
    std::string section, governing;
    bool found = false;
    bool operator==(const GroupAnswer&) const = default;
};

std::ostream& operator<<(std::ostream& out, const GroupAnswer& a) {
    return out << a.status << " " << a.section << " " << a.governing << " " << a.found;
}

// `size` of a JSON Lines file: the group "G" of its last members.
GroupAnswer SizeAnswer(const std::string& jsonl) {
    const ProgramRun run = RunProgram("size " + jsonl + " --family UB,UC --json");
    const json g = json::parse(run.out)["groups"].back();
    std::string governing;
    for (const json& m : g["members"]) {
        if (m["line"] == g["governing_line"]) governing = m["title"];
    }
    const bool found = !g["chosen"].is_null();
    return {run.status, found ? g["chosen"] : g["best_candidate"], governing, found};
}

// `batch --size` of the same file: its last line, of group "G".
GroupAnswer BatchAnswer(const std::string& jsonl, const std::vector<std::string>& titles) {
    const ProgramRun run = RunProgram("batch " + jsonl + " --size --family UB,UC");
    const std::vector<json> lines = test::JsonLines(run.out);
    if (lines.size() != titles.size()) return {};
    const json& last = lines.back();
    const bool found = !last["section"].is_null();
    return {run.status, found ? last["section"] : last["best_candidate"],
            titles.at(last["governing_line"].get<std::size_t>() - 1), found};
}

// `model --size` of the beams as tables: the schedule row of the last member, of group "G".
GroupAnswer ModelAnswer(const std::vector<std::pair<std::string, double>>& beams,
                        const std::string& dir) {
    std::string members = "member,group,section,grade,length [m],restraints,load_height [mm]\n";
    std::string forces = "member,case,x [m],N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kNm],My [kNm]\n";
    for (const auto& [name, scale] : beams) {
        members += name + "," + (name[0] == 'G' ? "G" : "") + ",310UB40.4,300PLUS,6," +
                   "\"0:F; 3:lateral flange1 flange2 twist full_twist; 6:F\",152\n";
        const double v = 60 * scale, m = 90 * scale;  // BaseMember times `scale`
        forces += name + ",ULS,0,0,0," + std::to_string(v) + ",0,0,0\n" + name + ",ULS,3,0,0,0,0," +
                  std::to_string(m) + ",0\n" + name + ",ULS,6,0,0," + std::to_string(-v) +
                  ",0,0,0\n";
    }
    const ScratchDir files;
    const ProgramRun run =
        RunProgram("model " + files.Write("m.csv", members) + " " + files.Write("f.csv", forces) +
                   " --size --family UB,UC -o " + dir);
    const CsvTable schedule = ParseCsv(test::ReadFile(dir + "/schedule.csv"), "schedule.csv");
    auto cell = [&](const std::string& column) {
        const auto at = std::find(schedule.header.begin(), schedule.header.end(), column);
        return at == schedule.header.end()
                   ? ""
                   : schedule.rows.back().cells[at - schedule.header.begin()];
    };
    const bool found = cell("note").find("no section passes") == std::string::npos;
    return {run.status, cell("section"), cell("governing member"), found};
}

// Two beams alone, then the same two as group "G", through `size`, `batch --size` and
// `model --size`: one answer. A group that some section carries takes the heavier of its
// members' own sections; one that none carries exits 1 naming the best candidate.
TEST(GroupSizing, SizeBatchAndModelGiveOneAnswer) {
    struct Case {
        double light, heavy;  // load scales of BaseMember
        bool found;
    };
    for (const Case& c : {Case{0.5, 2.0, true}, Case{0.5, 40.0, false}}) {
        SCOPED_TRACE(c.heavy);
        const ScratchDir dir;
        const std::vector<std::pair<std::string, double>> beams = {
            {"A", c.light}, {"B", c.heavy}, {"GA", c.light}, {"GB", c.heavy}};
        std::string lines;
        std::vector<std::string> titles;
        for (const auto& [name, scale] : beams) {
            json doc = Beam(scale, name);
            if (name[0] == 'G') doc["group"] = "G";
            lines += doc.dump() + "\n";
            titles.push_back(name);
        }
        const std::string jsonl = dir.Write("beams.jsonl", lines);
        const GroupAnswer size = SizeAnswer(jsonl);
        EXPECT_EQ(size.status, c.found ? 0 : 1);
        EXPECT_EQ(size.found, c.found);
        EXPECT_EQ(size.governing, "GB");
        EXPECT_EQ(BatchAnswer(jsonl, titles), size);
        EXPECT_EQ(ModelAnswer(beams, dir.File("out")), size);
        if (!c.found) continue;
        const json alone = json::parse(RunProgram("size " + jsonl + " --family UB,UC --json").out);
        EXPECT_NE(alone["groups"][0]["chosen"], alone["groups"][1]["chosen"]);
        EXPECT_EQ(alone["groups"][1]["chosen"], size.section);
    }
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
    // Each family in its usual grade (tubes C350L0, the floor beam's 300PLUS the others).
    for (const json& t : tried)
        EXPECT_EQ(t["grade"], Arbor::Data::Catalogue::DefaultGrade(t["family"].get<std::string>()));
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

// size, batch --size and model --size refuse alike, before writing anything; a known grade is
// taken.
TEST(SizeCommand, RefusedOptionsExitTwoNamingTheOptionAKnownGradeIsTaken) {
    const ScratchDir dir;
    const std::string file = dir.Write("m.json", Beam(1.0).dump());
    const std::string batch = "batch " + dir.Write("m.jsonl", Beam(1.0).dump() + "\n");
    const std::string model = "model " + dir.Write("m.csv", "member,section,grade,length [m]\n") +
                              " " + dir.Write("f.csv", "member,case,x [m]\n") + " -o " +
                              dir.File("out");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"size " + file + " --family XB", "--family: unknown family \"XB\""},
        {"size " + file + " --family UB --max-util 1.2", "--max-util"},
        {batch + " --size --family UB --max-util 0", "--max-util"},
        {batch + " --size --family UB,XB", "--family: unknown family \"XB\""},
        {model + " --size --family UB --max-depth 40cm", "--max-depth"},
        {"size " + file + " --family UB --grade 999", "--grade: unknown grade"},
        {batch + " --size", "--size: needs --family"},
        {batch + " --size --family UB --quick", "--quick: not with --size"},
        {model + " --family UB", "--family: only with --size"},
    };
    for (const auto& [args, message] : cases) {
        const ProgramRun run = RunProgram(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
    // A grade that is known replaces every family's usual one.
    const json named =
        json::parse(RunProgram("size " + file + " --family SHS --json --grade 300PLUS").out);
    ASSERT_FALSE(named["tried"].empty());
    for (const json& t : named["tried"]) EXPECT_EQ(t["grade"], "300PLUS");
}

}  // namespace
}  // namespace as4100
