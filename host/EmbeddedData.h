// The catalogue's tables (data/*.csv, data/sections/*.csv), embedded at build time.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace Arbor::Data::Embedded {

// (path relative to data/, file content) of every embedded table, sorted by path.
const std::vector<std::pair<std::string_view, std::string_view>>& Files();

}  // namespace Arbor::Data::Embedded
