// The report's pictures, title block, detail levels and PDF: moment extremes against
// hand values, one restraint symbol per restrained point, well-formed markup, and the printed
// pages of the bundled examples.
#include <gtest/gtest.h>

#include <future>
#include <regex>

#include "app/AppTestSupport.h"
#include "app/MemberFile.h"
#include "app/ReportPdf.h"
#include "app/ReportSvg.h"
#include "app/SummaryTables.h"

namespace as4100 {
namespace {

using nlohmann::json;
using test::ReadFile;
using test::RunProgram;
using test::ScratchDir;
using test::TagProblem;

// A member of `x` points (m) carrying one case of major-axis end actions per sub-span
// (kN and kN·m): {V left, V right, M left, M right}.
MemberInput Member(const std::vector<double>& x, const std::vector<std::array<double, 4>>& subs,
                   const std::vector<json>& restraints = {}) {
    json doc = {{"section", "310UB40.4"}, {"grade", "300PLUS"}, {"units", {{"force", "kN"}}}};
    for (size_t i = 0; i < x.size(); ++i) {
        json point = {{"x", x[i]}};
        if (i < restraints.size() && !restraints[i].is_null()) point["restraint"] = restraints[i];
        doc["points"].push_back(point);
    }
    for (const auto& [vl, vr, ml, mr] : subs)
        doc["subspans"].push_back(test::Sub({0, vl, 0}, {0, vr, 0}, {0, ml, 0}, {0, mr, 0}));
    return ParseMember(doc, "test");
}

// w = 20 kN/m on 6 m: simply supported wL²/8 = 90 kN·m at midspan; propped cantilever
// 9wL²/128 = 50.625 kN·m at 3L/8 from the prop... measured from the fixed end at 5L/8 = 3.75 m,
// and −wL²/8 = −90 kN·m at the fixed end; the floor beam of four sub-spans peaks at 90 kN·m.
// The diagrams' markup and extreme labels are pinned by the golden reports.
TEST(ActionDiagram, MomentExtremesMatchHandValues) {
    struct Case {
        const char* what;
        MemberInput member;
        double max, xMax, min, xMin;  // kN·m, m
    };
    const std::vector<Case> cases{
        {"simply supported", Member({0, 6}, {{60, -60, 0, 0}}), 90, 3.0, 0, 0},
        {"propped cantilever", Member({0, 6}, {{75, -45, -90, 0}}), 50.625, 3.75, -90, 0},
        {"four sub-spans",
         Member({0, 1.5, 3, 4.5, 6},
                {{60, 30, 0, 67.5}, {30, 0, 67.5, 90}, {0, -30, 90, 67.5}, {-30, -60, 67.5, 0}}),
         90, 3.0, 0, 0}};
    for (const Case& c : cases) {
        const LoadCase& lc = c.member.cases.front();
        const ActionExtremes e = ExtremesOf(SampleAction(c.member, lc, Action::MomentMajor));
        EXPECT_NEAR(e.max.value, c.max * 1e3, 1e-6) << c.what;
        EXPECT_NEAR(e.max.x, c.xMax, 1e-9) << c.what;
        EXPECT_NEAR(e.min.value, c.min * 1e3, 1e-6) << c.what;
        EXPECT_NEAR(e.min.x, c.xMin, 1e-9) << c.what;
        EXPECT_EQ(ActionDiagramSvg(c.member, lc, Action::MomentMinor, 0.0), "") << c.what;
    }
}

TEST(MemberSketch, OneSymbolGroupPerRestrainedPoint) {
    const json full = {{"names", {"F"}}}, top = {{"names", {"flange2"}}}, none = {{"bits", 0}};
    struct Case {
        std::vector<json> restraints;
        std::vector<int> drawn;  // points with a symbol
    };
    const std::vector<Case> cases{{{full, top, full}, {0, 1, 2}},
                                  {{full, nullptr, full}, {0, 2}},
                                  {{full, none, top}, {0, 2}}};
    for (const Case& c : cases) {
        const MemberInput member = Member({0, 3, 6}, {{0, 0, 0, 0}, {0, 0, 0, 0}}, c.restraints);
        const std::string svg = MemberSketchSvg(member, {});
        EXPECT_EQ(TagProblem(svg), "");
        static const std::regex group("<g class=\"restraint\" data-point=\"([0-9]+)\">");
        std::vector<int> drawn;
        for (auto it = std::sregex_iterator(svg.begin(), svg.end(), group);
             it != std::sregex_iterator(); ++it) {
            drawn.push_back(std::stoi((*it)[1]));
        }
        EXPECT_EQ(drawn, c.drawn);
    }
}

std::string Example(const char* name) {
    return std::string(AS4100_SOURCE_DIR) + "/examples/" + name + ".json";
}

// The title block from the file and the command line, the comment, the detail levels; a failing
// member's page.
TEST(HtmlReport, TitleBlockDetailLevelsAndFailures) {
    const ScratchDir dir;
    json doc = test::BaseMember();
    doc["project"] = {{"job", "J-17 <Depot>"}, {"engineer", "A. Smith"}};
    doc["comment"] = "checked for the revised loads";
    const std::string file = dir.Write("m.json", doc.dump());
    const std::string summary = dir.File("s.html"), full = dir.File("f.html");
    ASSERT_EQ(RunProgram("check " + file + " --report " + summary +
                         " --detail summary --project checker=B.Jones --project job=J-18")
                  .status,
              0);
    const std::string s = ReadFile(summary);
    for (const char* says :
         {"<td>J-18</td>", "<td>A. Smith</td>", "<td>B.Jones</td>", "checked for the revised loads",
          "size: A4 portrait", "counter(pages)", "Governing checks", "φMsx 182.30 kN·m"}) {
        EXPECT_NE(s.find(says), std::string::npos) << says;
    }
    EXPECT_EQ(s.find("class=\"markup\""), std::string::npos);

    // A failing member exits 1 (its failure lines, inf cells and flag words are the golden
    // reports'); the project text is escaped in the title block and the page heading's CSS.
    doc["section"] = "150UB14.0";
    const test::ProgramRun bad = RunProgram("check --json " + dir.Write("bad.json", doc.dump()) +
                                            " --report " + full + " --paper letter");
    ASSERT_EQ(bad.status, 1) << bad.err;
    const std::string f = ReadFile(full);
    EXPECT_EQ(TagProblem(f), "");
    for (const char* says : {"J-17 &lt;Depot&gt;", "\\3c Depot>", "size: letter portrait"})
        EXPECT_NE(f.find(says), std::string::npos) << says;
}

// Pages of a PDF: the page objects and their sizes (points).
std::vector<std::pair<double, double>> PdfPages(const std::string& pdf) {
    static const std::regex page(
        "/Type\\s*/Page[^s][\\s\\S]*?/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)");
    std::vector<std::pair<double, double>> pages;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), page); it != std::sregex_iterator();
         ++it) {
        pages.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    }
    return pages;
}

// Printing needs a Chromium, which the test command does not install (it is large).
TEST(PdfReport, SummariesAreOneA4PagePerMemberAndNoPageIsOnlyAHeading) {
    if (!FindChromium())
        GTEST_SKIP() << "no headless Chromium installed (apt-get install chromium)";
    const ScratchDir dir;
    std::vector<std::string> members;  // every bundled example member
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(AS4100_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() == ".json") members.push_back(entry.path().stem());
    }
    std::vector<std::future<int>> runs;
    for (const std::string& m : members) {
        runs.push_back(std::async(std::launch::async, [&dir, m] {
            return RunProgram("check " + Example(m.c_str()) + " --detail summary --report " +
                              dir.File(m + ".pdf"))
                .status;
        }));
    }
    runs.push_back(std::async(std::launch::async, [&dir] {
        return RunProgram("check " + Example("portal-rafter") + " --report " + dir.File("full.pdf"))
            .status;
    }));
    for (auto& r : runs) EXPECT_LE(r.get(), 1);  // 1: a member that fails is reported too
    for (const std::string& m : members) {
        const auto pages = PdfPages(ReadFile(dir.File(m + ".pdf")));
        ASSERT_EQ(pages.size(), 1u) << m;
        EXPECT_NEAR(pages[0].first, 595.3, 1.0) << m;  // A4: 210 × 297 mm
        EXPECT_NEAR(pages[0].second, 841.9, 1.0) << m;
    }
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no pdftotext (poppler-utils): page contents not checked";
    }
    std::system(("pdftotext -layout " + dir.File("full.pdf") + " " + dir.File("full.txt")).c_str());
    const std::string text = ReadFile(dir.File("full.txt"));
    static const std::regex pageNumber("page [0-9]+ of [0-9]+");
    size_t start = 0, pageNo = 0;
    for (size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
        ++pageNo;
        std::istringstream page(text.substr(start, end - start));
        int content = 0;
        bool header = true;  // the running head: the first line of every page
        for (std::string line; std::getline(page, line);) {
            if (line.find_first_not_of(' ') == std::string::npos) continue;
            if (std::exchange(header, false) || std::regex_search(line, pageNumber)) continue;
            ++content;
        }
        EXPECT_GT(content, 1) << "page " << pageNo << " holds a heading alone";
    }
}

}  // namespace
}  // namespace as4100

namespace as4100 {
namespace {

TEST(PdfReport, WithoutChromiumRefusedWithHowToGetOneAndNothingWritten) {
    const ScratchDir dir;
    ::setenv("AS4100_CHROMIUM", "/nonexistent/chromium", 1);
    const test::ProgramRun run = RunProgram("check --report " + dir.File("r.pdf"));
    ::unsetenv("AS4100_CHROMIUM");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("apt-get install chromium"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--report OUT.html"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("r.pdf")));
}

}  // namespace
}  // namespace as4100
