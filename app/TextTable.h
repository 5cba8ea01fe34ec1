// A table of text cells as plain text, columns padded to their widest cell (widths in
// characters, so "mm²" counts three).
#pragma once

#include <string>

#include "app/SummaryTables.h"

namespace as4100 {

// Each line starts with `indent`; the first column is left-aligned, the others right.
std::string RenderTextTable(const Table& table, const std::string& indent);

// "a, b, c".
std::string JoinWords(const std::vector<std::string>& words);

// Characters (code points) of a UTF-8 string.
size_t DisplayWidth(const std::string& utf8);

}  // namespace as4100
