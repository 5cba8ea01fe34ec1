#include "app/CsvTable.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "app/InputError.h"

namespace as4100 {

namespace {

bool IsBlank(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(),
                       [](const std::string& c) { return Trimmed(c).empty(); });
}

}  // namespace

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

CsvTable ParseCsv(const std::string& text, const std::string& source) {
    CsvTable table;
    table.source = source;
    std::size_t pos = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    std::size_t line = 1;
    while (pos < text.size()) {
        const std::size_t rowLine = line;
        std::vector<std::string> cells(1);
        bool quoted = false;
        for (; pos < text.size(); ++pos) {
            const char c = text[pos];
            if (quoted) {
                if (c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
                    cells.back() += '"';
                    ++pos;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n') ++line;
                    cells.back() += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                cells.emplace_back();
            } else if (c == '\n') {
                ++pos;
                break;
            } else if (c != '\r') {
                cells.back() += c;
            }
        }
        if (quoted) {
            throw InputError(source + ": line " + std::to_string(rowLine) +
                             ": a quoted field is not closed");
        }
        ++line;
        for (std::string& cell : cells) cell = Trimmed(cell);
        if (IsBlank(cells)) continue;
        if (table.header.empty()) {
            table.header = std::move(cells);
        } else {
            table.rows.push_back({rowLine, std::move(cells)});
        }
    }
    if (table.header.empty()) throw InputError(source + ": the table is empty (no header row)");
    return table;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path + ": cannot read the file");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CsvTable ReadCsvFile(const std::string& path) {
    return ParseCsv(ReadTextFile(path), path);
}

ColumnHeading SplitHeading(const std::string& cell) {
    const auto open = cell.find('[');
    const auto close = cell.rfind(']');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return {Trimmed(cell), std::nullopt};
    }
    return {Trimmed(cell.substr(0, open)), Trimmed(cell.substr(open + 1, close - open - 1))};
}

}  // namespace as4100
