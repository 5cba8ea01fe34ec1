#!/usr/bin/env bash
# Rewrites the golden outputs of the report test from a build you trust:
#   tests/golden/update.sh build/bin/as4100 [OUT_DIR]
# For every examples/*.json and every line of tests/golden/members.jsonl (made by
# make_members.py) it keeps `check NAME.json --json --report NAME.html --detail full`:
# out/NAME.json (standard output) and out/NAME.html. The member file is checked from a
# scratch folder under its bare name, so the report's source line carries no path; the
# program's version in that line is written as "VERSION" (test_golden_reports does the same).
# OUT_DIR (default tests/golden/out) lets you write them elsewhere to compare by hand.
set -euo pipefail
bin="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cp "$root"/examples/*.json "$scratch"/
n=0
while IFS= read -r line; do
  n=$((n + 1))
  printf '%s\n' "$line" >"$scratch/gen$n.json"
done <"$here/members.jsonl"

out="$(realpath -m "${2:-$here/out}")"
rm -rf "$out"
mkdir -p "$out"
version="$("$bin" --version | awk '{print $NF}')"
cd "$scratch"
for file in *.json; do
  name="${file%.json}"
  status=0
  "$bin" check "$file" --json --report "$name.html" --detail full >"$out/$name.json" || status=$?
  [ "$status" -le 1 ] || { echo "$file: refused (status $status)" >&2; exit 1; }
  sed "s/ as4100 $version / as4100 VERSION /" "$name.html" >"$out/$name.html"
done
echo "$(ls "$out" | wc -l) golden files in $out" >&2
