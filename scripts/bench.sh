#!/usr/bin/env bash
# Runs every benchmark program built in $1.
set -euo pipefail
build=${1:-build}
found=0
for b in "$build"/bench/*_bench; do
  [ -x "$b" ] || continue
  found=1
  "$b" --benchmark_counters_tabular=true
done
[ "$found" -eq 1 ] || echo "No benchmarks built yet."
bash "$(dirname "$0")/../bench/window-soak.sh" "$build"
