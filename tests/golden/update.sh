#!/usr/bin/env bash
# Rewrites the golden outputs of the report test from a build you trust:
#   tests/golden/update.sh build/bin/as4100
# For every examples/*.json and every line of tests/golden/members.jsonl (made by
# make_members.py) it keeps `check NAME.json --json --report NAME.html --detail full`:
# out/NAME.json (standard output) and out/NAME.html. The member file is checked from a
# scratch folder under its bare name, so the report's source line carries no path; the
# program's version in that line is written as "VERSION" (test_golden_reports does the same).
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

rm -rf "$here/out"
mkdir -p "$here/out"
version="$("$bin" --version | awk '{print $NF}')"
cd "$scratch"
for file in *.json; do
  name="${file%.json}"
  status=0
  "$bin" check "$file" --json --report "$name.html" --detail full >"$here/out/$name.json" || status=$?
  [ "$status" -le 1 ] || { echo "$file: refused (status $status)" >&2; exit 1; }
  sed "s/ as4100 $version / as4100 VERSION /" "$name.html" >"$here/out/$name.html"
done
echo "$(ls "$here/out" | wc -l) golden files in $here/out" >&2
