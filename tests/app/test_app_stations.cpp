// Member points added at moment extrema: a beam written with one sub-span per span checks as
// the same beam subdivided by hand; and what the output says of each lateral-torsional segment.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app/AppTestSupport.h"
#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace as4100 {
namespace {

using nlohmann::json;

// Internal actions of a beam: shear V(x) (just right of x when `right`, else just left) and
// moment M(x), SI.
struct Beam {
    std::function<double(double, bool)> shear;
    std::function<double(double)> moment;
};

// A member with F ends, interior points at `xs` (free unless `names` given), the sub-spans'
// actions from the beam, every segment loaded at `height`.
json Member(const char* section, const std::vector<double>& xs, const Beam& beam, double height,
            const json& midNames = json()) {
    json doc = {
        {"units", {{"length", "m"}, {"force", "N"}}}, {"section", section}, {"grade", "300PLUS"}};
    for (size_t i = 0; i < xs.size(); ++i) {
        json point = {{"x", xs[i]}};
        if (i == 0 || i + 1 == xs.size())
            point["restraint"]["names"] = {"F"};
        else if (!midNames.is_null())
            point["restraint"]["names"] = midNames;
        doc["points"].push_back(point);
    }
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const double a = xs[i], b = xs[i + 1];
        doc["segments"].push_back({{"restraint", {{"load_height", height}}}});
        doc["subspans"].push_back(test::Sub({0, beam.shear(a, true), 0},
                                            {0, beam.shear(b, false), 0}, {0, beam.moment(a), 0},
                                            {0, beam.moment(b), 0}));
    }
    return doc;
}

MemberResult Check(const json& doc) {
    MemberChecker checker;
    return checker.Run(ParseMember(doc, "beam.json"), {false, false, {}});
}

const EntryResult& Buckling(const CaseResult& c) {
    for (const EntryResult& e : c.entries) {
        if (e.buckling) return e;
    }
    throw std::runtime_error("no buckling entry");
}

// 25 kN/m on 7.2 m: V = 90 kN − w·x, M = 90x − w·x²/2 (162 kN·m at midspan).
const Beam kUdl{[](double x, bool) { return 90e3 - 25e3 * x; },
                [](double x) { return 90e3 * x - 12.5e3 * x * x; }};
// 10 kN/m and 20 kN at x = 2 on 6 m: reactions 43.33 and 36.67 kN, V = 0 at x = 7/3.
const Beam kPointLoad{
    [](double x, bool right) {
        return 130e3 / 3 - 10e3 * x - ((x > 2 || (x == 2 && right)) ? 20e3 : 0.0);
    },
    [](double x) { return 130e3 / 3 * x - 5e3 * x * x - (x > 2 ? 20e3 * (x - 2) : 0.0); }};
// Propped cantilever under 20 kN/m on 6 m, fixed at 0: M = −90 + 75x − 10x² kN·m, V = 0 at 3.75.
const Beam kPropped{[](double x, bool) { return 75e3 - 20e3 * x; },
                    [](double x) { return -90e3 + 75e3 * x - 10e3 * x * x; }};

struct Equivalent {
    const char* what;
    const char* section;
    Beam beam;
    std::vector<double> asWritten, byHand;
    double station;  // where the program must add a point
};

TEST(Stations, OneSubSpanPerSpanChecksAsTheBeamSubdividedByHand) {
    const std::vector<Equivalent> beams = {
        {"UDL", "460UB74.6", kUdl, {0, 7.2}, {0, 0.9, 1.8, 2.7, 3.6, 4.5, 5.4, 6.3, 7.2}, 3.6},
        {"point load", "310UB40.4", kPointLoad, {0, 2, 6}, {0, 2, 7.0 / 3, 6}, 7.0 / 3},
        {"reverse curvature", "310UB40.4", kPropped, {0, 6}, {0, 3.75, 6}, 3.75}};
    for (const Equivalent& b : beams) {
        SCOPED_TRACE(b.what);
        const MemberResult written = Check(Member(b.section, b.asWritten, b.beam, 0.2));
        const MemberResult byHand = Check(Member(b.section, b.byHand, b.beam, 0.2));
        ASSERT_EQ(written.stations.size(), 1u);
        EXPECT_NEAR(written.stations[0].x, b.station, 1e-9);
        EXPECT_NEAR(written.cases[0].governing, byHand.cases[0].governing, 1e-9);
        for (size_t k = 0; k < Buckling(byHand.cases[0]).util.size(); ++k) {
            EXPECT_NEAR(Buckling(written.cases[0]).util[k], Buckling(byHand.cases[0]).util[k],
                        1e-9);
        }
    }
}

// The 7.2 m 460UB74.6, 25 kN/m on the top flange (D/2 = 228.5 mm), F at both ends. By hand:
// le = kt·kl·kr·L = 1·1.4·1·7.2 = 10.08 m; Mo = 137.0 kN·m (Iy 16.6e6 mm⁴, J 0.53e6 mm⁴,
// Iw 815e9 mm⁶); Ms = 300 MPa × 1660e3 mm³ = 498 kN·m; αs = 0.235; αm = 1.7·162/√(121.5² +
// 162² + 121.5²) = 1.166; Mb = 136.4 kN·m; 162/(0.9 × 136.4) = 1.32. Without the added point
// the checker sees no moment and the beam passes.
TEST(Stations, UniformlyLoadedBeamOfOneSubSpanFailsByLateralTorsionalBuckling) {
    json doc = Member("460UB74.6", {0, 7.2}, kUdl, 0.2285);
    const MemberResult result = Check(doc);
    EXPECT_NEAR(
        Buckling(result.cases[0]).util[static_cast<size_t>(Arbor::Steel::UtilKind::BucklingLT)],
        1.319, 0.001);
    ASSERT_EQ(result.cases[0].ltSegments.size(), 1u);
    const LtSegment& s = result.cases[0].ltSegments[0];
    EXPECT_EQ(s.endLeft, 0u);
    EXPECT_EQ(s.endRight, 0u);
    EXPECT_EQ(s.criticalFlange, 2);  // sagging: the top flange is in compression
    EXPECT_DOUBLE_EQ(s.kt, 1.0);
    EXPECT_DOUBLE_EQ(s.kl, 1.4);
    EXPECT_DOUBLE_EQ(s.kr, 1.0);
    EXPECT_NEAR(s.le, 10.08, 1e-9);
    EXPECT_NEAR(s.alphaM, 1.7 * 162 / std::sqrt(2 * 121.5 * 121.5 + 162 * 162), 1e-9);
    EXPECT_NEAR(s.moment, 162e3, 1e-6);

    doc["stations"] = false;
    const MemberResult off = Check(doc);
    EXPECT_TRUE(off.stations.empty());
    EXPECT_EQ(Buckling(off.cases[0]).util[static_cast<size_t>(Arbor::Steel::UtilKind::BucklingLT)],
              0.0);
    EXPECT_LT(off.cases[0].governing, 0.2);
}

// What an engineer sees: the added point, and every segment's restraint types, critical
// flange and factors, in the summary and in --json.
TEST(Stations, SummaryAndJsonShowTheAddedPointAndTheSegmentFactors) {
    const test::ScratchDir scratch;
    const std::string file =
        scratch.Write("udl.json", Member("460UB74.6", {0, 7.2}, kUdl, 0.2285).dump());
    const test::ProgramRun text = test::RunProgram("check " + file);
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("x = 3.600 m in sub-span 1 (a moment extremum"), std::string::npos);
    for (const char* column : {"ends", "critical flange", "kt", "kl", "kr", "le", "alpha_m"}) {
        EXPECT_NE(text.out.find(column), std::string::npos) << column;
    }
    EXPECT_NE(text.out.find("F-F          2 (top)"), std::string::npos) << text.out;
    const json out = json::parse(test::RunProgram("check --json " + file).out);
    EXPECT_EQ(out["added_points"].size(), 1u);
    EXPECT_EQ(out["warnings"], json::array());
    const json& segment = out["cases"][0]["effective_lengths"]["lateral_torsional"][0];
    EXPECT_EQ(segment["end_types"], json({"F", "F"}));
    EXPECT_NEAR(segment["le"].get<double>(), 10.08, 1e-9);
    EXPECT_FALSE(segment.contains("r"));
}

TEST(Stations, RegularSpacingSplitsEverySubSpanAndTheOutputKeepsTheFilesNumbers) {
    json doc = Member("460UB74.6", {0, 3.6, 7.2}, kUdl, 0.2285);
    doc["stations"] = {{"spacing", 1.0}};  // 3.6 m in four pieces of 0.9 m each
    const MemberResult result = Check(doc);
    EXPECT_EQ(result.stations.size(), 6u);
    std::vector<std::pair<int, int>> pieces;
    for (const EntryResult& e : result.cases[0].entries) {
        if (!e.buckling) pieces.emplace_back(e.subSpan, e.piece);
    }
    EXPECT_EQ(pieces, (std::vector<std::pair<int, int>>{
                          {1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}));
    ASSERT_EQ(result.cases[0].lengths.major.size(), 1u);
    EXPECT_EQ(result.cases[0].lengths.major[0].to, 2u);  // the file's last point
}

// Restraint types at midspan of a 6 m 310UB40.4 under sagging (flange 2, top, critical): what
// the names give at the segment end, the twist factor, and the names' flange-number spellings
// give the same check. kt of a P end: 1 + (d1/l)(tf/2tw)³ = 1 + (283.6/3000)(10.2/12.2)³.
TEST(LtSegments, RestraintNamesGiveTheirTypeAndTwistFactor) {
    const Beam sagging{[](double x, bool) { return 60e3 - 20e3 * x; },
                       [](double x) { return 60e3 * x - 10e3 * x * x; }};
    struct Row {
        json names, flangeNumbers;
        size_t segments;
        const char* ends;
        double kt;
    };
    const double c = (283.6 / 3000) * std::pow(10.2 / 12.2, 3);
    const std::vector<Row> rows = {
        {{"lateral", "top_flange", "twist"}, {"lateral", "flange2", "twist"}, 2, "FF", 1.0},
        {{"lateral", "bottom_flange", "twist"}, {"lateral", "flange1", "twist"}, 2, "FP", 1 + c},
        // The segment search takes flange 1 as critical: the top flange alone ends nothing.
        {{"lateral", "top_flange"}, {"lateral", "flange2"}, 1, "FF", 1.0},
        // The bottom flange alone ends a segment; in sagging it is the tension flange: U.
        {{"lateral", "bottom_flange"}, {"lateral", "flange1"}, 2, "FU", 1.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.names.dump());
        const MemberResult r = Check(Member("310UB40.4", {0, 3, 6}, sagging, 0.0, row.names));
        const auto& segments = r.cases[0].ltSegments;
        ASSERT_EQ(segments.size(), row.segments);
        const char* const types = "FPLU";
        EXPECT_EQ(std::string({types[segments[0].endLeft], types[segments[0].endRight]}), row.ends);
        EXPECT_NEAR(segments[0].kt, row.kt, 1e-9);
        EXPECT_EQ(segments[0].criticalFlange, 2);
        const MemberResult spelt =
            Check(Member("310UB40.4", {0, 3, 6}, sagging, 0.0, row.flangeNumbers));
        EXPECT_EQ(spelt.cases[0].governing, r.cases[0].governing);
    }
}

}  // namespace
}  // namespace as4100
