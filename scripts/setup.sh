#!/usr/bin/env bash
# Installs what the build needs (Debian packages, when missing), configures and builds.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
# EXTRA_PACKAGES="a b" adds Debian packages to install (the fuzz build needs clang);
# TARGETS="a b" builds only those targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true

packages=(cmake g++ make libgtest-dev nlohmann-json3-dev libcli11-dev libbenchmark-dev
          ${EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" ${TARGETS:+--target $TARGETS}
