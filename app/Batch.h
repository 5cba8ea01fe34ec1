// `as4100 batch`: one member per input line, one result document per output line, in input
// order, streamed: lines are read, checked on `jobs` workers and written as they are ready,
// with a bounded window of lines in flight, so memory stays flat for any number of lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/Rules.h"
#include "app/Sizing.h"

namespace as4100 {

struct BatchOptions {
    std::string input;   // a file, or "-" for standard input
    std::string output;  // a file; "" or "-" for standard output
    int jobs = 1;
    bool quick = false;
    bool stats = false;            // the closing summary even when standard error is not a terminal
    std::optional<RuleSet> rules;  // unset: each line's own "rules" key, else the default
    bool size = false;             // size each line's member (app/BatchSizing.h)
    SizingOptions sizing;
};

struct BatchTally {
    std::size_t lines = 0;    // lines read
    std::size_t written = 0;  // output lines written
    std::size_t members = 0;  // lines checked (refused lines not counted)
    std::size_t cases = 0;
    std::size_t failed = 0;   // members with a failing case
    std::size_t refused = 0;  // lines refused
};

// Exit status: 0 every member passes; 1 one fails or a line was refused; 2 the input cannot be
// read, a read fails part-way or it holds no lines (InputError); 3 the output cannot be
// written (OutputError); 128 + the signal number when interrupted by SIGINT or SIGTERM (the
// output file is left as it was, the lines written so far kept beside it as OUT.partial).
// A consumer that closes standard output early stops the run quietly with the status of the
// lines it was given.
int RunBatchCommand(const BatchOptions& options);

}  // namespace as4100
