// Words for what the checker writes into a result: the utilisation kinds and the flag bits.
#pragma once

#include <string>
#include <vector>

#include "host/MemberResult.h"

namespace as4100 {

struct UtilKindWords {
    Arbor::Steel::UtilKind kind;
    const char* key;    // JSON key: "moment_major"
    const char* label;  // table heading: "M major"
    const char* what;   // in a sentence: "major-axis moment"
};

// The kinds a local (sub-span) entry records, and those the member buckling entry records, in
// table order. `principal`: an angle strut, whose section moments are about u-u and v-v and
// whose buckling entry records each principal axis as well (the minor-axis utilisation being
// the largest of y-y, u-u and v-v).
const std::vector<UtilKindWords>& LocalUtilKinds(bool principal = false);
const std::vector<UtilKindWords>& BucklingUtilKinds(bool principal = false);

// The flag word in words: one phrase per named bit set, lowest bit first, then any bit
// without a phrase as its hex value.
std::vector<std::string> FlagWords(unsigned flags);

}  // namespace as4100
