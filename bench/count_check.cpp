// Instruction counts of the checker on the reference members, for callgrind: runs one member
// N times with collection switched on only around the loop, so that
// `valgrind --tool=callgrind --instr-atstart=no count_check MEMBER MODE N` counts N checks
// and nothing of the set-up. scripts/count.sh divides by N.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ReferenceMembers.h"

namespace {

using namespace as4100bench;

// beam, beam_column, column, or compact:POINTS / noncompact:POINTS for the scaling members.
ReferenceMember Make(const char* name) {
    if (!std::strncmp(name, "compact:", 8)) return LongBeamColumn("150UC30.0", std::atoi(name + 8));
    if (!std::strncmp(name, "noncompact:", 11))
        return LongBeamColumn("310UB40.4", std::atoi(name + 11));
    if (!std::strcmp(name, "beam")) return Beam();
    if (!std::strcmp(name, "beam_column")) return BeamColumn();
    if (!std::strcmp(name, "column")) return Column();
    std::fprintf(stderr, "unknown member %s (beam, beam_column, column, compact:N, noncompact:N)\n",
                 name);
    std::exit(2);
}

}  // namespace

// Usage: count_check MEMBER quick|report N
int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(
            stderr,
            "usage: count_check beam|beam_column|column|compact:P|noncompact:P quick|report N\n");
        return 2;
    }
    ReferenceMember m = Make(argv[1]);
    const bool quick = !std::strcmp(argv[2], "quick");
    const int n = std::atoi(argv[3]);
    m.checker->SetQuickCheckMode(quick);
    long sink = 0;
    // One untimed warm-up check: first-use caches (catalogue, statics) stay out of the count.
    m.result.Reset();
    sink += quick ? m.checker->QuickCheck() : m.checker->Check();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < n; ++i) {
        m.result.Reset();
        sink += quick ? m.checker->QuickCheck() : m.checker->Check();
    }
    CALLGRIND_STOP_INSTRUMENTATION;
    std::printf("%ld\n", sink);
    return 0;
}
