// Warnings about a member as written: each fires on a member that has the fault and stays
// silent on the same member without it and on the bundled examples; grade names as engineers
// write them.
#include <gtest/gtest.h>

#include <sstream>

#include "app/AppTestSupport.h"
#include "app/GradeNames.h"
#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {
namespace {

using nlohmann::json;

std::vector<std::string> WarningsOf(const json& doc) {
    MemberChecker checker;
    return checker.Run(ParseMember(doc, "beam.json"), {true, false, {}}).warnings;
}

json BaseWithUnits() {
    json doc = test::BaseMember();
    doc["units"] = {{"length", "m"}, {"force", "N"}};
    return doc;
}

// JSON Patch operations on the sound member.
json Set(const char* path, const json& value) {
    return {{"op", "replace"}, {"path", path}, {"value", value}};
}
json Remove(const char* path) {
    return {{"op", "remove"}, {"path", path}};
}

struct Fault {
    const char* what;
    std::vector<json> edits;
    const char* says;
    double loads = 1.0;  // the forces and moments times this
};

TEST(Warnings, EachFaultWarnsAndTheSoundMemberDoesNot) {
    EXPECT_EQ(WarningsOf(BaseWithUnits()), std::vector<std::string>{});
    const std::vector<Fault> faults = {
        {"no units", {Remove("/units")}, "no \"units\" given"},
        {"kN written as N", {Remove("/units")}, "were they written in kN?", 1e-3},
        {"mm written as m",
         {Set("/points/1/x", 3000), Set("/points/2/x", 6000)},
         "were the positions written in mm?"},
        // 60 kN over 3 m falling to 0 implies 90 kN·m; the file says 80.
        {"moment disagrees with shears",
         {Set("/cases/0/subspans/0/moments_right/1", 80000),
          Set("/cases/0/subspans/1/moments_left/1", 80000)},
         "case ULS, sub-span 1: the major-axis moment changes by 80.00 kN·m but its shears imply "
         "90.00 kN·m"},
        {"no load height", {Remove("/segments")}, "sub-spans 1, 2 carry transverse load"},
        {"point load without load height",
         {Set("/cases/0/subspans/0/forces_right/1", 10000),
          Set("/cases/0/subspans/1/forces_left/1", -10000)},
         "points[1] carries a point load"},
        {"member end without support",
         {Set("/points/0/restraint/names",
              json::array({"lateral", "flange1", "flange2", "twist"}))},
         "points[0] (x = 0.000 m) is a member end held laterally"},
        {"neither end supported",
         {Remove("/points/0/restraint"), Remove("/points/2/restraint")},
         "neither member end has \"support\""},
        {"cold-formed grade on a hot-rolled section",
         {Set("/grade", "C350L0")},
         "cold-formed hollow section grade"},
        {"hot-rolled grade on a cold-formed section",
         {Set("/section", "100x100x6SHS")},
         "but the section is cold-formed"},
        {"override of one axis",
         {{{"op", "add"},
           {"path", "/overrides"},
           {"value", {{"lengths", {{"lateral_torsional", 3.0}}}}}}},
         "leaves out major, minor"},
        // Midspan holds the bottom flange only, the tension flange under sagging.
        {"tension flange restraint",
         {Set("/points/1/restraint/names", json::array({"lateral", "bottom_flange"}))},
         "case ULS, points[1] (x = 3.000 m): only flange 1 (bottom) is held laterally"}};
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.what);
        const auto warnings =
            WarningsOf(test::ScaledLoads(BaseWithUnits(), f.loads).patch(json(f.edits)));
        const bool found = std::any_of(warnings.begin(), warnings.end(), [&](const auto& w) {
            return w.find(f.says) != std::string::npos;
        });
        EXPECT_TRUE(found) << ::testing::PrintToString(warnings);
    }
}

// The batch examples are silent (the golden --json outputs pin "warnings": [] of the others).
TEST(Warnings, BundledBatchExamplesAreSilent) {
    MemberChecker checker;
    for (const char* file : {"batch.jsonl", "floor-beams.jsonl"}) {
        std::istringstream in(test::ReadFile(AS4100_SOURCE_DIR "/examples/" + std::string(file)));
        for (std::string line; std::getline(in, line);) {
            const auto result = checker.Run(ParseMemberText(line, file), {true, false, {}});
            EXPECT_EQ(result.warnings, std::vector<std::string>{}) << file;
        }
    }
}

TEST(GradeNames, NumbersAndSpellingsFindTheCatalogueGrade) {
    const std::vector<std::pair<const char*, const char*>> spellings = {
        {"300", "Grade 300"},   {"grade 300", "Grade 300"}, {"Grade300", "Grade 300"},
        {" 350 ", "Grade 350"}, {"GRADE 350", "Grade 350"}, {"300 plus", "300PLUS"}};
    for (const auto& [written, meant] : spellings) {
        const auto grade = FindGradeByName(written);
        ASSERT_TRUE(grade) << written;
        EXPECT_EQ(Arbor::ToUtf8(grade->Name()), meant);
    }
    // AS/NZS 3679.1 Grade 300, as 300PLUS: 320 MPa below 11 mm, 300 to 17 mm, 280 above.
    const auto g300 = FindGradeByName("300");
    EXPECT_DOUBLE_EQ(g300->DesignStrength(0.0102), 320e6);
    EXPECT_DOUBLE_EQ(g300->DesignStrength(0.0145), 300e6);
    EXPECT_DOUBLE_EQ(g300->DesignStrength(0.025), 280e6);
    EXPECT_FALSE(FindGradeByName("S355"));
    EXPECT_EQ(SuggestGrades("Grade 30").front(), "Grade 300");
    EXPECT_EQ(SuggestGrades("C35OL0").front(), "C350L0");
}

}  // namespace
}  // namespace as4100
