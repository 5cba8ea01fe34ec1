// Folds repeated derivations of the checker's report: a block (a line and the deeper lines
// under it) whose body is identical to an earlier block's is kept as its line and one note
// pointing to the first, and the first lists every place it also applies to.
#pragma once

#include <vector>

#include "app/ReportRender.h"

namespace as4100 {

std::vector<MarkupLine> FoldRepeatedBlocks(const std::vector<MarkupLine>& lines);

}  // namespace as4100
