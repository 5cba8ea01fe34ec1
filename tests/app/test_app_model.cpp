// Whole models: members and station-forces tables turned into the members the member-file
// loader builds, station interpolation, combinations, refusals, and the model command.
#include <gtest/gtest.h>

#include <cmath>

#include "app/AppTestSupport.h"
#include "app/ModelInput.h"
#include "app/RunCheck.h"
#include "app/Schedule.h"

namespace as4100 {
namespace {

// The test beam of BaseMember() (6 m 310UB40.4, 20 kN/m, braced at midspan, loads on the top
// flange) as a members table; forces rows follow the header.
const std::string kMembers =
    "Member,Section,Grade,Length [m],Restraints,Load_Height [mm]\n"
    "B1,310UB40.4,300PLUS,6,\"0:F; 3:lateral flange1 flange2 twist full_twist; 6:F\",152\n"
    "B2,310UB40.4,300PLUS,6,,\n";
const std::string kForcesHeader =
    "member,case,x [m],N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kNm],My [kNm]\n";

// A 6 m beam under w kN/m with end moments 0 and mEnd kNm, sampled at n stations (rows
// "B,ULS,...").
std::string UniformLoadRows(const std::string& member, int n, double w = 20.0, double mEnd = 0.0) {
    std::string rows;
    const double L = 6.0, v0 = w * L / 2 + mEnd / L;
    for (int i = 0; i < n; ++i) {
        const double x = L * i / (n - 1);
        char row[200];
        std::snprintf(row, sizeof row, "%s,ULS,%.9g,0,0,%.9g,0,%.9g,0\n", member.c_str(), x,
                      v0 - w * x, v0 * x - w * x * x / 2);
        rows += row;
    }
    return rows;
}

std::vector<ModelMember> Build(const std::string& members, const std::string& forces,
                               const std::vector<Combination>& combinations = {}) {
    const auto rows = ReadMembersTable(ParseCsv(members, "members.csv"));
    const ForcesTable table = ReadForcesTable(ParseCsv(forces, "forces.csv"), rows, {});
    std::vector<ModelMember> out;
    for (const MemberRow& row : rows) out.push_back(BuildModelMember(row, table, combinations));
    return out;
}

double Governing(const MemberInput& member) {
    MemberChecker checker;
    return checker.Run(member, {}).cases.at(0).governing;
}

// A member given as a member file and as station tables: the same utilisations, whatever the
// units, the order of the rows and the stations around the restraint point.
TEST(ModelInput, StationTablesGiveTheMemberFileUtilisations) {
    const MemberInput file = ParseMember(test::BaseMember(), "beam.json");
    MemberChecker checker;
    const MemberResult expected = checker.Run(file, {});
    struct Variant {
        const char* what;
        std::string forces;
        bool samePoints;  // the stations are the member file's points
    };
    const std::vector<Variant> variants{
        {"kN and kNm, in order",
         kForcesHeader + "B1,ULS,0,0,0,60,0,0,0\nB1,ULS,3,0,0,0,0,90,0\n"
                         "B1,ULS,6,0,0,-60,0,0,0\n",
         true},
        {"mm, N and N.mm, out of order",
         "MEMBER,Case,X [mm],n [N],vx [N],VY [N],t [N.mm],mx [N.mm],my [N.mm]\n"
         "B1,ULS,6000,0,0,-60000,0,0,0\nB1,ULS,0,0,0,60000,0,0,0\nB1,ULS,3000,0,0,0,0,9e7,0\n",
         true},
        {"restraint point between stations", kForcesHeader + UniformLoadRows("B1", 4), false},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.what);
        const auto built = Build(kMembers, v.forces);
        ASSERT_TRUE(built[0].input) << built[0].refusal;
        const MemberResult got = checker.Run(*built[0].input, {});
        ASSERT_EQ(got.cases.size(), 1u);
        EXPECT_NEAR(got.cases[0].governing, expected.cases[0].governing, 1e-9);
        EXPECT_EQ(got.cases[0].governs, expected.cases[0].governs);
        if (!v.samePoints) continue;
        ASSERT_EQ(got.cases[0].entries.size(), expected.cases[0].entries.size());
        for (std::size_t e = 0; e < got.cases[0].entries.size(); ++e) {
            EXPECT_EQ(got.cases[0].entries[e].util, expected.cases[0].entries[e].util);
        }
    }
}

// Between stations: linear shear and the moment integrated from it. Stations of 20 kN/m on a
// 6 m simple span at 0, 2, 4, 6 m, evaluated at 3 m: M = wL²/8 = 90 kNm, V = 0; a jump in
// shear (two stations at 3 m) holds on each side.
TEST(ModelInput, ActionsBetweenStationsFollowTheShear) {
    auto station = [](double x, double v, double m) {
        Station s;
        s.x = x;
        s.actions[kVy] = v;
        s.actions[kMx] = m;
        return s;
    };
    std::vector<Station> stations{station(6, -60, 0), station(0, 60, 0), station(2, 20, 80),
                                  station(4, -20, 80)};
    SortStations(stations);
    const auto at = ActionsAtPoints(stations, {0, 3, 6}, 1e-9);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_NEAR(at[0].right[kMx], 90.0, 1e-12);
    EXPECT_NEAR(at[0].right[kVy], 0.0, 1e-12);
    EXPECT_NEAR(at[1].left[kMx], 90.0, 1e-12);
    EXPECT_NEAR(at[1].right[kVy], -60.0, 1e-12);

    // A 30 kN point load at midspan: V = +15 left of it, −15 right.
    std::vector<Station> jump{station(0, 15, 0), station(3, 15, 45), station(3, -15, 45),
                              station(6, -15, 0)};
    const auto sides = ActionsAtPoints(jump, {0, 1.5, 3, 6}, 1e-9);
    EXPECT_NEAR(sides[0].right[kMx], 22.5, 1e-12);
    EXPECT_NEAR(sides[1].right[kVy], 15.0, 1e-12);
    EXPECT_NEAR(sides[2].left[kVy], -15.0, 1e-12);
}

// 10 kN/m with 40 kNm at the right end: the largest moment, 67.2 kNm at 3.67 m, lies
// between the stations 0, 3, 6 m (65 kNm at 3 m). Sampled at 3 and at 21 stations the
// governing utilisations agree within 1 %.
TEST(ModelInput, CoarseStationsKeepTheMomentsInsideSubSpans) {
    const std::string members = "member,section,grade,length [m]\nB,310UB40.4,300PLUS,6\n";
    const auto coarse = Build(members, kForcesHeader + UniformLoadRows("B", 3, 10, 40));
    const auto fine = Build(members, kForcesHeader + UniformLoadRows("B", 21, 10, 40));
    ASSERT_TRUE(coarse[0].input && fine[0].input);
    const double coarseUtil = Governing(*coarse[0].input), fineUtil = Governing(*fine[0].input);
    EXPECT_GT(fineUtil, 0.3);
    EXPECT_NEAR(coarseUtil, fineUtil, 0.01 * fineUtil);
}

// Combinations superpose the primary cases: 1.2 G + 1.5 Q at each sub-span end.
TEST(ModelInput, CombinationsSuperposeThePrimaryCases) {
    const std::string forces = kForcesHeader +
                               "B2,G,0,-10,1,20,0.5,0,0\nB2,G,6,-10,1,-20,0.5,0,-6\n"
                               "B2,Q,6,0,0,-12,0,0,0\nB2,Q,0,-4,0,12,0,0,0\nB2,Q,3,-4,0,0,0,18,0\n";
    const auto combinations =
        ParseCombinations(R"({"combinations": [{"name": "ULS", "factors": {"G": 1.2, "Q": 1.5}}]})",
                          "c.json", {"G", "Q"});
    const auto built = Build(kMembers, forces, combinations);
    ASSERT_TRUE(built[1].input) << built[1].refusal;
    const auto& cases = built[1].input->cases;
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_EQ(cases[0].name, "ULS");
    ASSERT_EQ(cases[0].subSpans.size(), 2u);  // G's stations 0, 6 and Q's 0, 3, 6
    const auto& mid = cases[0].subSpans[0];
    // At 3 m: G (linear shear 20 → −20 kN over 6 m) gives M = 20·3 − (40/6)·9/2 = 30 kNm,
    // My = −3 kNm; Q 18 kNm; N = −10·1.2 − 4·1.5 = −18 kN; T = 0.6 kNm.
    EXPECT_NEAR(mid.GetMomentsRight()[1], 1e3 * (1.2 * 30 + 1.5 * 18), 1e-6);
    EXPECT_NEAR(mid.GetMomentsRight()[2], 1e3 * (1.2 * -3), 1e-6);
    EXPECT_NEAR(mid.GetMomentsRight()[0], 1e3 * 0.6, 1e-6);
    EXPECT_NEAR(mid.GetForcesRight()[0], -18e3, 1e-6);
    EXPECT_NEAR(mid.GetForcesLeft()[1], 1e3 * (1.2 * 20 + 1.5 * 12), 1e-6);
    EXPECT_NEAR(mid.GetForcesLeft()[2], 1e3 * 1.2, 1e-6);  // Vx is the minor-axis shear
}

// Units in the headings as analysis programs write them: 1 unit of moment in N·m.
TEST(ModelInput, MomentUnitsOfTheHeadingsConvertToSI) {
    const std::vector<std::pair<const char*, double>> units{
        {"kNm", 1e3}, {"kN.m", 1e3},  {"kN\xC2\xB7m", 1e3}, {"KNM", 1e3},   {"Nm", 1.0},
        {"N.m", 1.0}, {"N.mm", 1e-3}, {"Nmm", 1e-3},        {"kN.mm", 1.0}, {"kNmm", 1.0}};
    for (const auto& [unit, newtonMetres] : units) {
        SCOPED_TRACE(unit);
        const std::string header = std::string("member,case,x [mm],N [kN],Vx [kN],Vy [kN],T [") +
                                   unit + "],Mx [" + unit + "],My [" + unit + "]\n";
        const auto built = Build(kMembers, header + "B2,G,0,0,0,0,1,2,3\nB2,G,6000,0,0,0,1,2,3\n");
        ASSERT_TRUE(built[1].input) << built[1].refusal;
        const auto& moments = built[1].input->cases.at(0).subSpans.at(0).GetMomentsRight();
        EXPECT_DOUBLE_EQ(moments[0], 1 * newtonMetres);
        EXPECT_DOUBLE_EQ(moments[1], 2 * newtonMetres);
        EXPECT_DOUBLE_EQ(moments[2], 3 * newtonMetres);
    }
}

// The summary line names the heaviest checked member; refused members are counted apart, and
// a note with a comma stays one CSV field.
TEST(Schedule, SummaryAndCsvRows) {
    std::vector<ScheduleRow> rows(3);
    rows[0].member = "A1", rows[0].util = 0.5, rows[0].verdict = Verdict::Pass;
    rows[1].member = "B14", rows[1].util = 1.124, rows[1].verdict = Verdict::Fail;
    rows[2].member = "C3", rows[2].util = 9.0, rows[2].note = "bad, \"x\"";
    EXPECT_EQ(ScheduleSummary(rows),
              "3 members, 1 fail, heaviest utilisation 1.12 at B14, 1 refused");
    const std::string csv = ScheduleCsv(rows);
    EXPECT_NE(csv.find("\nB14,,,,0.000,,1.124,,FAIL,\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",REFUSED,\"bad, \"\"x\"\"\"\n"), std::string::npos) << csv;
}

// Refusals name the file, the row, the column and the value; the other member still builds.
TEST(ModelInput, BadRowsAreRefusedByNameAndTheOthersGoOnBadTablesWhole) {
    const std::string goodB2 = UniformLoadRows("B2", 3);
    struct Case {
        const char* what;
        std::string members, forces;
        std::vector<std::string> named;
    };
    const std::vector<Case> cases{
        {"not a number",
         kMembers,
         kForcesHeader + "B1,ULS,0,0,0,sixty,0,0,0\n" + goodB2,
         {"forces.csv row 2", "Vy [kN]", "\"sixty\""}},
        {"station outside",
         kMembers,
         kForcesHeader + UniformLoadRows("B1", 3) + "B1,ULS,6.5,0,0,0,0,0,0\n" + goodB2,
         {"forces.csv row 5", "\"x [m]\"", "6.5 m"}},
        {"stations short of the end",
         kMembers,
         kForcesHeader + "B1,ULS,0,0,0,0,0,0,0\nB1,ULS,5,0,0,0,0,0,0\n" + goodB2,
         {"member B1, case ULS", "0 to 5 m"}},
        {"no forces", kMembers, kForcesHeader + goodB2, {"no forces for member B1"}},
        {"unknown restraint",
         "member,section,grade,length [m],restraints\nB1,310UB40.4,300PLUS,6,0:F; "
         "6:fixed\nB2,310UB40.4,300PLUS,6,\n",
         kForcesHeader + UniformLoadRows("B1", 3) + goodB2,
         {"members.csv row 2", "\"restraints\"", "\"fixed\""}},
        {"unknown section",
         "member,section,grade,length [m]\nB1,310UB40,300PLUS,6\nB2,310UB40.4,300PLUS,6\n",
         kForcesHeader + UniformLoadRows("B1", 3) + goodB2,
         {"members.csv row 2", "section", "\"310UB40\""}},
        {"length not positive",
         "member,section,grade,length [m]\nB1,310UB40.4,300PLUS,0\nB2,310UB40.4,300PLUS,6\n",
         kForcesHeader + goodB2,
         {"members.csv row 2", "length [m]", "\"0\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto built = Build(c.members, c.forces);
        ASSERT_EQ(built.size(), 2u);
        EXPECT_FALSE(built[0].input);
        for (const std::string& n : c.named)
            EXPECT_NE(built[0].refusal.find(n), std::string::npos) << built[0].refusal;
        EXPECT_TRUE(built[1].input) << built[1].refusal;
    }
    // A table that cannot be read at all is refused whole, naming the column.
    const std::vector<std::pair<std::string, std::string>> tables{
        {"member,case,x,N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kNm],My [kNm]\n",
         "column \"x\": no unit"},
        {"member,case,x [m],N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kip.ft],My [kNm]\n",
         "unknown unit, got \"kip.ft\""},
        {"member,case,x [m],N [kN],Vx [kN],Vy [kN],T [kNm],Mx [kNm]\n", "missing column \"My\""},
    };
    const auto members = ReadMembersTable(ParseCsv(kMembers, "members.csv"));
    for (const auto& [header, named] : tables) {
        try {
            ReadForcesTable(ParseCsv(header, "forces.csv"), members, {});
            ADD_FAILURE() << header;
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
        }
    }
}

// The model command writes both schedules of the bundled shed and prints the summary line.
TEST(ModelCommand, ShedExampleWritesTheSchedule) {
    const test::ScratchDir out;
    const std::string dir = std::string(AS4100_EXAMPLES_DIR) + "/shed/";
    const auto run =
        test::RunProgram("model " + dir + "members.csv " + dir + "forces.csv --combinations " +
                         dir + "combinations.json --jobs 2 -o " + out.File("s"));
    EXPECT_LE(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("8 members, "), std::string::npos) << run.out;
    const std::string csv = test::ReadFile(out.File("s/schedule.csv"));
    EXPECT_EQ(csv.rfind("member,group,section,grade,length [m],case,util,check,result", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 9);
    EXPECT_NE(test::ReadFile(out.File("s/schedule.html")).find("heaviest utilisation"),
              std::string::npos);
}

}  // namespace
}  // namespace as4100
