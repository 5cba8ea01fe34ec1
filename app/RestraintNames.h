// The named restraint bits a member file may use in place of (or beside) the raw bit word.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace as4100 {

struct RestraintName {
    std::string_view name;  // a view: compared by length first, no strlen per look-up
    unsigned bits;
    const char* meaning;
};

// Every name of the vocabulary, in the order the docs list them.
const std::vector<RestraintName>& RestraintVocabulary();

// The bits of one name; empty for a name not in the vocabulary.
std::optional<unsigned> RestraintBitsOf(std::string_view name);

// The names whose bits are all held in `bits`, most specific first, plus the leftover bits
// that no name covers (0 when every bit is named). Composite names are used only when all
// their bits are present.
std::pair<std::vector<std::string>, unsigned> RestraintNamesOf(unsigned bits);

}  // namespace as4100
