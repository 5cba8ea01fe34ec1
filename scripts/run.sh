#!/usr/bin/env bash
# Sets up, builds and checks the bundled example member (extra arguments go to `as4100 check`).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" "$root/build" >&2
exec "$root/build/bin/as4100" check "$@"
