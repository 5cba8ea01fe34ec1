#!/usr/bin/env python3
"""Prints the "Instruction counts" section of docs/performance.md from the output of
scripts/count.sh (name<TAB>instructions lines): the reference members per check, long members
per point, and the batch line, each beside the count before the speed work and its target."""
import sys

# Counts of main at f6597b9, before the speed work (same script, same machine).
BEFORE = {
    "quick/beam": 66.5e3, "quick/beam_column": 147e3, "quick/column": 87e3,
    "report/beam": 2172e3, "report/beam_column": 1686e3, "report/column": 869e3,
    "check_per_point/150UC30.0/brace_every_10/201_points": 2408e3,
    "check_per_point/150UC30.0/brace_every_0/201_points": 242e3,
    "check_per_point/150UC30.0/brace_every_0/2001_points": 1466e3,
    "check_per_point/310UB40.4/brace_every_10/201_points": 162e3,
    "check_per_point/310UB40.4/brace_every_0/201_points": 174e3,
    "check_per_point/310UB40.4/brace_every_0/2001_points": 511e3,
    # too slow to run under callgrind then: about 200 000 M instructions in all
    "check_per_point/150UC30.0/brace_every_10/2001_points": 99000e3,
    "batch_line/quick": 990e3,
}
TARGETS = {
    "quick/beam_column": 25e3, "report/beam": 500e3,
    "check_per_point/150UC30.0/brace_every_10/2001_points": 60e3, "batch_line/quick": 150e3,
}
LABELS = {
    "quick": "QuickCheck, per check", "report": "Check with report, per check",
    "check_per_point": "`as4100 check --quick --json`, per member point",
    "batch_line": "`as4100 batch --quick --jobs 1`, per line of examples/batch.jsonl",
}


def k(value):
    return f"{value / 1e3:,.1f} k".replace(",", " ")


counts = {}
for line in open(sys.argv[1]):
    name, value = line.rstrip("\n").split("\t")
    if not name.startswith("scaling/"):
        counts[name] = int(value)

print("## Instruction counts (callgrind, Release)\n")
print("`scripts/count.sh` measures them: the reference members with collection only around the "
      "checks (`count_check`), long members through the program as the cost of P points less "
      "that of 21 points, and the batch line as the file once and four times over, the "
      "difference per added line (process start and the catalogue do not count). A batch line "
      "runs the quick check twice per case: the checker's rules and the standard's watch.\n")
print("| measure | before | now | target |\n|---|---:|---:|---|")
for name, value in counts.items():
    group = name.split("/")[0]
    target = TARGETS.get(name)
    verdict = "" if target is None else f"<= {k(target)}: " + ("met" if value <= target else "NOT met")
    before = k(BEFORE[name]) if name in BEFORE else ""
    print(f"| {LABELS.get(group, group)}: {name.split('/', 1)[1]} | {before} | {k(value)} | {verdict} |")
