#!/usr/bin/env bash
# Measures the checker and the as4100 program and writes docs/performance.md.
# Usage: scripts/bench.sh   (builds a Release tree in build-bench; takes a few minutes)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
out="$root/docs/performance.md"

"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DAS4100_BENCH=ON -DAS4100_TESTS=OFF >&2

# Google Benchmark: median of 9 repetitions of every benchmark.
json="$(mktemp)"
batch="$(mktemp --suffix=.jsonl)"
counts="$(mktemp)"
trap 'rm -f "$json" "$batch" "$counts"' EXIT
"$build/bin/bench_check" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json >&2

# Batch throughput of the program: 6000 generated members, 2 jobs, full and quick checks.
python3 "$root/scripts/gen_batch.py" "$batch" --count 6000 --seed 7 >/dev/null
# (exit status 1 only says that some generated members fail their checks)
full_line="$({ "$build/bin/as4100" batch "$batch" --jobs 2 --stats -o /dev/null 2>&1 || true; } | tail -n 1)"
quick_line="$({ "$build/bin/as4100" batch "$batch" --jobs 2 --quick --stats -o /dev/null 2>&1 || true; } |
  tail -n 1)"

# Sizing the example floor beam over every UB and UC section: the median over 21 runs of the
# time the program reports for the sizing itself (no process start).
size_ms="$(for _ in $(seq 21); do
  "$build/bin/as4100" size "$root/examples/floor-beam.json" --family UB,UC --json |
    python3 -c 'import json, sys; print(json.load(sys.stdin)["seconds"] * 1e3)'
done | sort -g | sed -n 11p)"

# Instruction counts under callgrind (when valgrind is there): reference members, long members,
# scaling in member points, the batch line.
if command -v valgrind >/dev/null; then
  COUNT_LONG=1 "$root/scripts/count.sh" "$build" >"$counts"
fi

python3 - "$json" "$out" "$full_line" "$quick_line" "$size_ms" "$counts" <<'PY'
import json, sys, datetime, platform, subprocess
src, out, full_line, quick_line, size_ms, counts = sys.argv[1:7]
data = json.load(open(src))
rows = []
for b in data["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    name = b["run_name"]
    unit = b["time_unit"]
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[unit]
    rows.append((name, b["real_time"] * scale, b["cpu_time"] * scale))
cpu = "unknown"
try:
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
except OSError:
    pass
cores = subprocess.run(["nproc"], capture_output=True, text=True).stdout.strip()
targets = {"QuickCheck/beam_column": 30.0, "Check_report/beam_4_subspans": 500.0,
           "Check_report/beam_column": 500.0, "Check_report/column": 500.0}
with open(out, "w") as f:
    f.write("# Performance\n\n")
    f.write(f"Measured {datetime.date.today().isoformat()} on {cpu}, {cores} cores, "
            f"{platform.system()} {platform.release()}; Release build; "
            "`scripts/bench.sh` regenerates this page.\n\n")
    f.write("## Checker (Google Benchmark, median of 9 repetitions)\n\n")
    f.write("| benchmark | wall µs | CPU µs | target |\n|---|---:|---:|---|\n")
    for name, real, cpu_t in rows:
        t = targets.get(name)
        verdict = "" if t is None else (f"< {t:g} µs: " + ("met" if real < t else "NOT met"))
        f.write(f"| {name} | {real:.2f} | {cpu_t:.2f} | {verdict} |\n")
    f.write("\nReference members (bench/ReferenceMembers.h): an 8 m 310UB40.4 floor beam in four "
            "sub-spans with a mid-span lateral restraint; a 6 m 250UC72.9 braced beam-column under "
            "250 kN with major- and minor-axis bending; a 4 m 200UC46.2 pin-ended column under "
            "600 kN. `Check_report` builds the whole report mark-up.\n\n")
    f.write("## The as4100 program (batch of 6000 generated members, 2 jobs)\n\n")
    f.write("Target: at least 10 000 member-cases per second.\n\n")
    f.write(f"- full check: `{full_line}`\n- quick check: `{quick_line}`\n")
    ms = float(size_ms)
    f.write("\n## Sizing (`as4100 size examples/floor-beam.json --family UB,UC`)\n\n")
    f.write(f"Median of 21 runs: {ms:.2f} ms for the sizing itself; target "
            f"< 50 ms: {'met' if ms < 50 else 'NOT met'}.\n")
    scaling = {}
    for line in open(counts):
        name, value = line.split("\t")
        if not name.startswith("scaling/"):
            continue
        _, kind, points = name.split("/")
        scaling[(kind, int(points.split("_")[0]))] = int(value)
    f.write("\n## Scaling\n\n")
    if not scaling:
        f.write("Not measured (needs valgrind): `COUNT_PARTS=scaling scripts/count.sh` prints it.\n")
    else:
        f.write("Quick check of a 6 m beam-column under 150 kN and 4 kN/m with a brace every 10 "
                "points (bench/ReferenceMembers.h `LongBeamColumn`), in the checker alone: "
                "instructions per member point (callgrind; `COUNT_PARTS=scaling scripts/count.sh` "
                "prints them). Flat rows mean the check is linear in the points; target for the "
                "whole program (`as4100 check --quick --json`, 2001 points, compact): at most "
                "60 k per point.\n\n")
        f.write("| points | compact 150UC30.0 | non-compact 310UB40.4 |\n|---:|---:|---:|\n")
        for points in sorted({p for _, p in scaling}):
            row = [f"{scaling.get((k, points), 0) / 1e3:.1f} k" for k in ("compact", "noncompact")]
            f.write(f"| {points} | {row[0]} | {row[1]} |\n")
PY
if [ -s "$counts" ]; then
  { echo; python3 "$root/scripts/counts_md.py" "$counts"; } >>"$out"
fi
cat "$out"
