// Rendering of the report mark-up and the summary pieces: lines, levels, tags, escaping,
// plain text, table widths, flag words and JSON numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/JsonOutput.h"
#include "app/ReportRender.h"
#include "app/ResultWords.h"
#include "app/TextTable.h"

namespace as4100 {
namespace {

using Arbor::Steel::ReportPiece;

std::vector<ReportPiece> Pieces(std::initializer_list<std::pair<int, const wchar_t*>> list) {
    std::vector<ReportPiece> pieces;
    for (const auto& [level, text] : list) pieces.push_back({level, text});
    return pieces;
}

TEST(MarkupHtml, HeadingsColoursEscapingNestingAndTagsAcrossLineEnds) {
    struct Case {
        std::vector<ReportPiece> pieces;
        std::string html;
    };
    const std::vector<Case> cases{
        {Pieces({{0, L"<h4>Buckling capacity checks:</h4>\n"}}),
         "<h4>Buckling capacity checks:</h4>\n"},
        {Pieces({{0, L"<b><red>Fail:</red></b> M* > φMb & more\n"}}),
         "<div class=\"line\"><b><span class=\"red\">Fail:</span></b> M* &gt; φMb &amp; "
         "more</div>\n"},
        // only the report's own tags are tags
        {Pieces({{0, L"λe < λey <x> <b>b</b><blue>z</blue>\n"}}),
         "<div class=\"line\">λe &lt; λey &lt;x&gt; <b>b</b><span class=\"blue\">z</span></div>\n"},
        {Pieces({{0, L"a\n"}, {2, L"b\n"}, {1, L"c\n"}, {2, L"d\n"}}),
         "<div class=\"line\">a</div>\n"
         "<div class=\"ind\">\n<div class=\"ind\">\n<div class=\"line\">b</div>\n"
         "</div>\n<div class=\"line\">c</div>\n"
         "<div class=\"ind\">\n<div class=\"line\">d</div>\n</div>\n</div>\n"},
        // a tag open across a line end is closed and reopened; a stray close is dropped
        {Pieces({{0, L"<b>one\ntwo</b> three</i>\n"}}),
         "<div class=\"line\"><b>one</b></div>\n<div class=\"line\"><b>two</b> three</div>\n"}};
    for (const Case& c : cases) EXPECT_EQ(MarkupToHtml(SplitMarkup(c.pieces)), c.html);
}

// A line built of pieces takes the level of its first piece; a piece of two lines gives each
// its level.
TEST(MarkupText, DropsTagsIndentsAndUnderlinesHeadings) {
    const std::string text = MarkupToText(SplitMarkup(Pieces({{1, L"<h5>Span "},
                                                              {2, L"1</h5>\n"},
                                                              {2, L"<i>ref. cl. 5.2</i>\n"},
                                                              {2, L"M = fy Ze\n  = 182 kN·m\n"}})));
    EXPECT_EQ(text,
              "    Span 1\n"
              "    ------\n"
              "        ref. cl. 5.2\n"
              "        M = fy Ze\n"
              "          = 182 kN·m\n");
}

TEST(SummaryText, TableColumnsAlignByCharactersNotBytes) {
    Table table{{"name", "Ag"}, {{"310UB40.4", "5210 mm²"}, {"150UB14.0", "1780 mm²"}}};
    const std::string text = RenderTextTable(table, "");
    EXPECT_EQ(text,
              "name             Ag\n"
              "310UB40.4  5210 mm²\n"
              "150UB14.0  1780 mm²\n");
    EXPECT_EQ(DisplayWidth("φMsx mm²"), 8u);
}

TEST(SummaryText, FlagWordsNameEachBitAndShowUnknownOnesInHex) {
    EXPECT_TRUE(FlagWords(0).empty());
    const auto words = FlagWords(0x104 | 0x8000);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0], "failed");
    EXPECT_EQ(words[1], "lateral-torsional buckling fails");
    EXPECT_EQ(words[2], "0x8000");
}

TEST(JsonNumbers, NonFiniteValuesBecomeStrings) {
    EXPECT_EQ(NumberJson(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(NumberJson(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(NumberJson(std::nan("")), "nan");
    EXPECT_EQ(NumberJson(0.87).get<double>(), 0.87);
}

}  // namespace
}  // namespace as4100
