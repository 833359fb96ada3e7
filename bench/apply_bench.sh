#!/usr/bin/env bash
# Apply against the simulated mouse, natively and under Wine, each with the 1 ns timer slack the
# native benchmark sets for itself (the Wine process inherits it). Not a test: timings vary.
#   bench/apply_bench.sh [RUNS] [BUILD_ROOT]   (defaults 20, build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
root=${2:-build}
echo "== native"
"$root/native/apply_bench" "$runs"
echo "== Windows build under Wine"
WINEPREFIX=${WINEPREFIX:-$PWD/$root/windows/bench-prefix} WINEDEBUG=-all \
  "$root/native/apply_bench" --exec wine "$root/windows/apply_bench.exe" "$runs"
