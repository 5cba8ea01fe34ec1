#include "app/ReportFold.h"

#include <map>
#include <string>

namespace as4100 {

namespace {

// Bodies shorter than this stay as they are: a note would save nothing.
constexpr size_t kMinFoldedLines = 3;

std::wstring PlainText(const MarkupLine& line) {
    std::wstring text;
    for (const MarkupToken& t : line.tokens) {
        if (t.kind == MarkupToken::Text) text += t.text;
    }
    // Trim blanks and a trailing colon: "  Minor axis shear:" is a place named "Minor axis shear".
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    text = text.substr(first, text.find_last_not_of(L" \t:") - first + 1);
    return text;
}

bool IsHeading(const MarkupLine& line) {
    return !line.tokens.empty() && line.tokens.front().kind == MarkupToken::Open &&
           (line.tokens.front().text == L"h4" || line.tokens.front().text == L"h5");
}

// One past the last line of line i's body (the lines after it that are deeper).
size_t BodyEnd(const std::vector<MarkupLine>& lines, size_t i) {
    size_t j = i + 1;
    while (j < lines.size() && lines[j].level > lines[i].level) ++j;
    return j;
}

// The body with levels relative to its head and every tag, so equal keys render equally.
std::wstring BodyKey(const std::vector<MarkupLine>& lines, size_t i, size_t end) {
    std::wstring key;
    for (size_t j = i + 1; j < end; ++j) {
        key += std::to_wstring(lines[j].level - lines[i].level) + L"|";
        for (const MarkupToken& t : lines[j].tokens) {
            key += (t.kind == MarkupToken::Text   ? L""
                    : t.kind == MarkupToken::Open ? L"<"
                                                  : L"</") +
                   t.text + L"\x1f";
        }
        key += L"\n";
    }
    return key;
}

// Where line i stands: the latest heading above it, the lines below that heading that line i
// is nested in, then the line itself. Lines at the heading's own level are its content, not
// containers of line i.
std::vector<std::wstring> PlaceOf(const std::vector<MarkupLine>& lines, size_t i) {
    std::vector<size_t> containers;
    int level = lines[i].level;
    size_t heading = lines.size();
    for (size_t j = i; j-- > 0;) {
        if (IsHeading(lines[j]) && lines[j].level <= lines[i].level) {
            heading = j;
            break;
        }
        if (lines[j].level < level) {
            level = lines[j].level;
            containers.push_back(j);
        }
    }
    std::vector<std::wstring> parts;
    if (heading < lines.size()) parts.push_back(PlainText(lines[heading]));
    for (auto it = containers.rbegin(); it != containers.rend(); ++it) {
        if (heading == lines.size() || lines[*it].level > lines[heading].level) {
            parts.push_back(PlainText(lines[*it]));
        }
    }
    // A block headed by its clause reference is named by the line above ("Minor axis shear").
    const bool reference = PlainText(lines[i]).rfind(L"ref", 0) == 0;
    const bool named = reference && i > 0 && lines[i - 1].level == lines[i].level;
    parts.push_back(PlainText(lines[named ? i - 1 : i]));
    return parts;
}

// The parts of `place` after those it shares with `other`, joined; the last part always.
std::wstring Distinct(const std::vector<std::wstring>& place,
                      const std::vector<std::wstring>& other) {
    size_t from = 0;
    while (from + 1 < place.size() && from < other.size() && place[from] == other[from]) ++from;
    std::wstring text;
    for (size_t k = from; k < place.size(); ++k) text += (text.empty() ? L"" : L", ") + place[k];
    return text;
}

MarkupLine Note(int level, const std::wstring& text) {
    return {level,
            {{MarkupToken::Open, L"i"}, {MarkupToken::Text, text}, {MarkupToken::Close, L"i"}}};
}

}  // namespace

std::vector<MarkupLine> FoldRepeatedBlocks(const std::vector<MarkupLine>& lines) {
    // First pass: which blocks repeat an earlier one (their head line → the first's).
    std::map<std::wstring, size_t> firstOf;
    std::map<size_t, size_t> repeatOf;
    std::map<size_t, std::vector<size_t>> repeatsOf;
    for (size_t i = 0; i < lines.size();) {
        const size_t end = BodyEnd(lines, i);
        if (end - i - 1 >= kMinFoldedLines) {
            const auto [it, fresh] = firstOf.emplace(BodyKey(lines, i, end), i);
            if (!fresh) {
                repeatOf[i] = it->second;
                repeatsOf[it->second].push_back(i);
                i = end;
                continue;
            }
        }
        ++i;
    }
    // Second pass: the first keeps its body and says where else it applies; a repeat points
    // back to it.
    std::vector<MarkupLine> out;
    for (size_t i = 0; i < lines.size();) {
        out.push_back(lines[i]);
        const int inner = lines[i].level + 1;
        if (const auto r = repeatOf.find(i); r != repeatOf.end()) {
            out.push_back(Note(inner, L"Same derivation and values as at " +
                                          Distinct(PlaceOf(lines, r->second), PlaceOf(lines, i)) +
                                          L"."));
            i = BodyEnd(lines, i);
            continue;
        }
        if (const auto r = repeatsOf.find(i); r != repeatsOf.end()) {
            std::wstring places;
            const auto here = PlaceOf(lines, i);
            for (size_t k : r->second) {
                places += (places.empty() ? L"" : L"; ") + Distinct(PlaceOf(lines, k), here);
            }
            out.push_back(Note(inner, L"Applies also at: " + places + L"."));
        }
        ++i;
    }
    return out;
}

}  // namespace as4100
