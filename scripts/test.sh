#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the unit and program tests, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz run of the
# member-file loader and the check. FUZZ_SECONDS (default 60) bounds the fuzz run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

# The sanitized and fuzz builds are built for their checks, not for a debugger: line tables
# only (-g1) keep the stack traces. The sanitized run at -O1 (what the sanitizers are made
# for); the fuzzer keeps -O2, its executions per second are its worth.
sanitized_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG")
fuzz_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")

echo "== build and test" >&2
"$root/scripts/setup.sh" "$root/build" -DAS4100_TEST_PCH=ON
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
ctest --test-dir "$root/build" --output-on-failure -j "$jobs" | tee "$log"

# The PDF tests print through Chromium: their worth is the printed page, not memory errors,
# so the sanitized run leaves them out.
echo "== sanitizers (address, undefined)" >&2
"$root/scripts/setup.sh" "$root/build-asan" -DAS4100_SANITIZE=ON -DAS4100_TEST_PCH=ON \
  "${sanitized_flags[@]}"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" -E 'PdfReport' | tee -a "$log"

echo "== fuzz (${FUZZ_SECONDS:-60} s)" >&2
EXTRA_PACKAGES="clang libclang-rt-14-dev" TARGETS=fuzz_member "$root/scripts/setup.sh" \
  "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DAS4100_FUZZ=ON -DAS4100_TESTS=OFF \
  "${fuzz_flags[@]}"
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus" "$log"' EXIT
cp "$root"/fuzz/corpus/* "$corpus"/
ASAN_OPTIONS=detect_leaks=0 "$root/build-fuzz/bin/fuzz_member" -seed=1 \
  -max_total_time="${FUZZ_SECONDS:-60}" -rss_limit_mb=4096 -artifact_prefix="$corpus/" \
  -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
echo "fuzz: no crash in ${FUZZ_SECONDS:-60} s" >&2

# One closing line for both ctest runs (the plain and the sanitized suite).
awk '/tests passed, .* tests failed out of/ { total += $NF; failed += $4 }
     END { printf "suite: %d passed, %d failed\n", total - failed, failed }' "$log"
