#include "app/ReportRender.h"

#include <algorithm>

namespace as4100 {

namespace {

const wchar_t* const kTags[] = {L"h4", L"h5", L"b", L"i", L"red", L"orange", L"blue"};

// A known tag at text[pos] ("<b>" or "</b>"): its token and length; 0 when none.
size_t MatchTag(const std::wstring& text, size_t pos, MarkupToken& token) {
    const bool closing = pos + 1 < text.size() && text[pos + 1] == L'/';
    const size_t nameStart = pos + (closing ? 2 : 1);
    for (const wchar_t* tag : kTags) {
        const std::wstring name = tag;
        if (text.compare(nameStart, name.size(), name) == 0 &&
            nameStart + name.size() < text.size() && text[nameStart + name.size()] == L'>') {
            token = {closing ? MarkupToken::Close : MarkupToken::Open, name};
            return nameStart + name.size() + 1 - pos;
        }
    }
    return 0;
}

class LineBuilder {
  public:
    void Add(const std::wstring& text, int level) {
        size_t pos = 0;
        while (pos < text.size()) {
            if (!started_) Start(level);
            MarkupToken tag;
            if (text[pos] == L'\n') {
                lines_.push_back(std::move(current_));
                current_ = {};
                started_ = false;
                ++pos;
            } else if (text[pos] == L'<' && MatchTag(text, pos, tag) > 0) {
                pos += MatchTag(text, pos, tag);
                current_.tokens.push_back(tag);
            } else {
                AppendText(text[pos++]);
            }
        }
    }
    std::vector<MarkupLine> Finish() {
        if (started_ && !current_.tokens.empty()) lines_.push_back(std::move(current_));
        return std::move(lines_);
    }

  private:
    void Start(int level) {
        current_.level = level;
        started_ = true;
    }
    void AppendText(wchar_t c) {
        if (current_.tokens.empty() || current_.tokens.back().kind != MarkupToken::Text) {
            current_.tokens.push_back({MarkupToken::Text, {}});
        }
        current_.tokens.back().text += c;
    }

    std::vector<MarkupLine> lines_;
    MarkupLine current_;
    bool started_ = false;
};

std::string HtmlOpen(const std::wstring& tag) {
    if (tag == L"b" || tag == L"i") return "<" + Arbor::ToUtf8(tag) + ">";
    return "<span class=\"" + Arbor::ToUtf8(tag) + "\">";
}

std::string HtmlClose(const std::wstring& tag) {
    if (tag == L"b" || tag == L"i") return "</" + Arbor::ToUtf8(tag) + ">";
    return "</span>";
}

// A line that is a heading: it opens with <h4>/<h5> and closes it as its last token.
const MarkupToken* HeadingOf(const MarkupLine& line) {
    if (line.tokens.size() < 2) return nullptr;
    const MarkupToken& first = line.tokens.front();
    const MarkupToken& last = line.tokens.back();
    const bool heading =
        first.kind == MarkupToken::Open && (first.text == L"h4" || first.text == L"h5");
    return heading && last.kind == MarkupToken::Close && last.text == first.text ? &first : nullptr;
}

// Renders one line's tokens; `open` carries the tags still open from earlier lines.
std::string HtmlLineBody(const MarkupLine& line, std::vector<std::wstring>& open, size_t from,
                         size_t to) {
    std::string html;
    for (const std::wstring& tag : open) html += HtmlOpen(tag);
    for (size_t k = from; k < to; ++k) {
        const MarkupToken& token = line.tokens[k];
        if (token.kind == MarkupToken::Text) {
            html += HtmlEscape(Arbor::ToUtf8(token.text));
        } else if (token.kind == MarkupToken::Open) {
            open.push_back(token.text);
            html += HtmlOpen(token.text);
        } else {
            const auto it = std::find(open.rbegin(), open.rend(), token.text);
            if (it == open.rend()) continue;  // a close without its open: dropped
            const size_t keep = static_cast<size_t>(open.rend() - it) - 1;
            while (open.size() > keep) {
                html += HtmlClose(open.back());
                open.pop_back();
            }
        }
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it) html += HtmlClose(*it);
    return html;
}

size_t Width(const std::wstring& text) {
    size_t width = 0;
    for (wchar_t c : text) width += c == L'\t' ? 4 : 1;
    return width;
}

}  // namespace

std::vector<MarkupLine> SplitMarkup(const std::vector<Arbor::Steel::ReportPiece>& pieces) {
    LineBuilder builder;
    for (const auto& piece : pieces) builder.Add(piece.text, piece.level);
    return builder.Finish();
}

std::string MarkupSafeText(const std::string& utf8) {
    std::string out;
    for (const char c : utf8) {
        if (c == '<') {
            out += "\u2039";
        } else if (c == '>') {
            out += "\u203a";
        } else {
            out += c;
        }
    }
    return out;
}

std::string HtmlEscape(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string MarkupToHtml(const std::vector<MarkupLine>& lines) {
    std::string html;
    int depth = 0;
    std::vector<std::wstring> open;
    for (const MarkupLine& line : lines) {
        for (; depth < line.level; ++depth) html += "<div class=\"ind\">\n";
        for (; depth > line.level; --depth) html += "</div>\n";
        if (const MarkupToken* heading = HeadingOf(line); heading && open.empty()) {
            const std::string tag = Arbor::ToUtf8(heading->text);
            html += "<" + tag + ">" + HtmlLineBody(line, open, 1, line.tokens.size() - 1) + "</" +
                    tag + ">\n";
        } else {
            html += "<div class=\"line\">" + HtmlLineBody(line, open, 0, line.tokens.size()) +
                    "</div>\n";
        }
    }
    for (; depth > 0; --depth) html += "</div>\n";
    return html;
}

std::string MarkupToText(const std::vector<MarkupLine>& lines) {
    std::string text;
    for (const MarkupLine& line : lines) {
        std::wstring plain;
        for (const MarkupToken& token : line.tokens) {
            if (token.kind == MarkupToken::Text) plain += token.text;
        }
        const std::string indent(static_cast<size_t>(std::max(line.level, 0)) * 4, ' ');
        text += indent + Arbor::ToUtf8(plain) + "\n";
        if (const MarkupToken* heading = HeadingOf(line)) {
            const char rule = heading->text == L"h4" ? '=' : '-';
            text += indent + std::string(Width(plain), rule) + "\n";
        }
    }
    return text;
}

}  // namespace as4100
