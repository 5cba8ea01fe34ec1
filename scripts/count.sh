#!/usr/bin/env bash
# Instruction counts (callgrind, Release build) of the checker and the program: per check of the
# reference members, per point of long members, per batch line. Stable on a busy machine where
# times are not. Usage: scripts/count.sh [BUILD_DIR]   (default build-bench; needs valgrind and
# the count_check target: configure with -DCMAKE_BUILD_TYPE=Release -DAS4100_BENCH=ON).
# Prints "name<TAB>instructions" lines. COUNT_PARTS picks the parts (default: all of
# "reference long scaling batch"); COUNT_LONG=1 adds the 2001-point braced long member.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Total instructions of one command under callgrind (collection as the command asks).
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$tmp/cg.out" "$@" >/dev/null 2>"$tmp/cg.err" || true
  # "totals:" closes the file; the "summary:" header reads 0 when collection starts switched off.
  awk '/^totals:/ {total = $2} END {print total}' "$tmp/cg.out"
}

parts=" ${COUNT_PARTS:-reference long scaling batch} "
want() { [[ "$parts" == *" $1 "* ]]; }

# Reference members: N checks with collection only around the loop.
n=20
want reference && for member in beam beam_column column; do
  for mode in quick report; do
    total="$(instructions --instr-atstart=no "$build/bin/count_check" "$member" "$mode" "$n")"
    printf '%s/%s\t%d\n' "$mode" "$member" "$((total / n))"
  done
done

# Long members through the program: the cost of P points minus the cost of 21 points (process
# start, catalogue), divided by the added points.
as4100="$build/bin/as4100"
long() {  # points brace_every section
  python3 "$root/scripts/gen_long_member.py" "$1" --brace-every "$2" --section "$3" >"$tmp/m.json"
  instructions "$as4100" check "$tmp/m.json" --quick --json
}
want long && for section in 150UC30.0 310UB40.4; do
  for brace in 10 0; do
    base="$(long 21 "$brace" "$section")"
    for points in 201 2001; do
      [ "$points" = 2001 ] && [ "$brace" = 10 ] && [ "${COUNT_LONG:-0}" = 0 ] && continue
      total="$(long "$points" "$brace" "$section")"
      printf 'check_per_point/%s/brace_every_%s/%s_points\t%d\n' "$section" "$brace" "$points" \
        "$(((total - base) / (points - 21)))"
    done
  done
done

# Scaling: quick checks of the beam-column of bench/ReferenceMembers.h (LongBeamColumn, a brace
# every 10 points) in the checker alone, per member point.
want scaling && for kind in compact noncompact; do
  for points in 2 20 200 2000; do
    reps=$((points >= 2000 ? 1 : points >= 200 ? 4 : 20))
    total="$(instructions --instr-atstart=no "$build/bin/count_check" "$kind:$points" quick "$reps")"
    printf 'scaling/%s/%s_points\t%d\n' "$kind" "$points" "$((total / reps / points))"
  done
done

want batch || exit 0
# Batch line: the bundled batch file once and four times over, quick checks, one job.
batch="$root/examples/batch.jsonl"
lines="$(wc -l <"$batch")"
for _ in 1 2 3 4; do cat "$batch"; done >"$tmp/batch4.jsonl"
one="$(instructions "$as4100" batch "$batch" --quick --jobs 1 -o "$tmp/o1.jsonl")"
four="$(instructions "$as4100" batch "$tmp/batch4.jsonl" --quick --jobs 1 -o "$tmp/o4.jsonl")"
printf 'batch_line/quick\t%d\n' "$(((four - one) / (3 * lines)))"
