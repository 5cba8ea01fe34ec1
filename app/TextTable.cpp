#include "app/TextTable.h"

#include <algorithm>

namespace as4100 {

size_t DisplayWidth(const std::string& utf8) {
    size_t width = 0;
    for (unsigned char c : utf8) width += (c & 0xC0) != 0x80;
    return width;
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : ", ") + w;
    return out;
}

std::string RenderTextTable(const Table& table, const std::string& indent) {
    std::vector<size_t> widths(table.header.size(), 0);
    auto measure = [&widths](const std::vector<std::string>& row) {
        for (size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    };
    measure(table.header);
    for (const auto& row : table.rows) measure(row);

    auto line = [&](const std::vector<std::string>& row) {
        std::string out = indent;
        for (size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = c < row.size() ? row[c] : "";
            const std::string pad(widths[c] - DisplayWidth(cell), ' ');
            if (c > 0) out += "  ";
            out += c == 0 ? cell + pad : pad + cell;
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out + "\n";
    };
    std::string text = line(table.header);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

}  // namespace as4100
