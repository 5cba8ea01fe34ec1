// `as4100 batch IN --size --family UB,UC ...`: each line's member sized, lines sharing a
// "group" key given one section. A group needs every one of its lines before it can be
// sized, so the whole input is read first (its text held, about the input's size in memory),
// then the groups are sized on the workers and one line is written per input line, in order.
#pragma once

#include <atomic>
#include <exception>

#include "app/AtomicFile.h"
#include "app/Batch.h"
#include "app/InputFile.h"

namespace as4100 {

struct SizedBatch {
    BatchTally tally;
    std::exception_ptr failure;  // an InputError from a read, an OutputError from a write
};

// Stops, writing nothing, once `stop` is set (a signal).
SizedBatch SizeBatch(LineReader& reader, FdWriter& out, const BatchOptions& options,
                     const std::atomic<int>& stop);

}  // namespace as4100
