// Writing an output file whole or not at all.
#pragma once

#include <string>

namespace as4100 {

// Writes `content` to a temporary file beside `path` and renames it over `path`, so readers
// see the old file or the complete new one. Throws std::runtime_error on failure (and leaves
// no temporary file behind).
void WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace as4100
