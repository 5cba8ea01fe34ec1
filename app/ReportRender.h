// The checker's report mark-up as HTML and as plain text.
//
// The mark-up is a sequence of pieces, each with the indentation level in force when it was
// written. Lines end at "\n" and may be built from several pieces; a line takes the level of
// the piece it starts in. Tags: <h4>, <h5>, <b>, <i>, <red>, <orange>, <blue> and their
// closing forms; any other "<" is text.
#pragma once

#include <string>
#include <vector>

#include "host/MemberResult.h"

namespace as4100 {

struct MarkupToken {
    enum Kind { Text, Open, Close };
    Kind kind = Text;
    std::wstring text;  // the text, or the tag name ("b", "red")
};

struct MarkupLine {
    int level = 0;
    std::vector<MarkupToken> tokens;
};

std::vector<MarkupLine> SplitMarkup(const std::vector<Arbor::Steel::ReportPiece>& pieces);

// An HTML fragment (UTF-8): indentation levels as nested <div class="ind">, one <div
// class="line"> per line (an <h4>/<h5> element for a line that is a heading), coloured words
// as <span class="red|orange|blue">. Tags left open at a line's end are closed there and
// reopened on the next line, so the fragment is always balanced.
std::string MarkupToHtml(const std::vector<MarkupLine>& lines);

// Plain text (UTF-8): the tags dropped, four spaces per indentation level, headings
// underlined.
std::string MarkupToText(const std::vector<MarkupLine>& lines);

// User text (a section or grade name) made safe to put into the checker's mark-up: "<" and
// ">" become "‹" and "›", so no name can open a heading or colour the report.
std::string MarkupSafeText(const std::string& utf8);

// Escapes &, <, > and " for HTML text and attributes.
std::string HtmlEscape(const std::string& utf8);

}  // namespace as4100
