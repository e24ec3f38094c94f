#!/usr/bin/env bash
# Runs the fuzzers built in $1 (tests/fuzz, the sanitized build), each for
# $2 seconds from its seed corpus in tests/fuzz/corpus/<name> once it has
# run the inputs that once failed, tests/fuzz/failed-once/<name>, JOBS at a
# time, and prints one line each: its executions, their rate, its peak
# memory and the code it reached. A crash, a sanitizer's report, a check
# that fails, an input running over 10 s or memory over 256 MiB fails the
# run; the input that did it is kept in $1/fuzz/crashes/ and the fuzzer's
# output in $1/fuzz/<name>.log.
#
#   fuzz.sh BUILD SECONDS [keep]
#
# FUZZERS="bmp edit" runs only those. With `keep` (make fuzz), the inputs
# that reached new code are kept in $1/fuzz/found/<name> and the next run
# starts from them too; otherwise each run starts from the seeds alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
seconds=${2:?seconds per fuzzer}
keep=${3:-}
jobs=${JOBS:-2}
out=$build/fuzz
mkdir -p "$out/crashes" "$out/found"

# ASan holds freed blocks back to catch their later use: 16 MiB of them,
# not its default 256, so that the memory limit is the program's own.
export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:quarantine_size_mb=16
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

limits=(-timeout=10 -rss_limit_mb=256 -malloc_limit_mb=256)
run() {
  local name=$1 found=$out/found/$1 failed=$root/tests/fuzz/failed-once/$1
  [ -n "$keep" ] || rm -rf "$found" "$out/crashes/$name-"*
  mkdir -p "$found"
  : >"$out/$name.log"
  # The inputs that once failed run first, once each: some are too large to
  # fuzz from (every input grown from them would be as slow).
  if [ -d "$failed" ]; then
    "$build/tests/fuzz/fuzz_$name" "${limits[@]}" -artifact_prefix="$out/crashes/$name-" \
      "$failed"/* >>"$out/$name.log" 2>&1 || return
  fi
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" "${limits[@]}" -print_final_stats=1 \
    -artifact_prefix="$out/crashes/$name-" "$found" "$root/tests/fuzz/corpus/$name" \
    >>"$out/$name.log" 2>&1
}

names=()
for f in "$build"/tests/fuzz/fuzz_*; do
  name=${f##*/fuzz_}
  # FUZZERS names the ones to run (all by default).
  [[ -x "$f" && " ${FUZZERS:-$name} " == *" $name "* ]] && names+=("$name")
done
[ ${#names[@]} -gt 0 ] || { echo "No fuzzers built in $build."; exit 1; }

declare -A pid
for name in "${names[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run "$name" &
  pid[$name]=$!
done

failed=0
for name in "${names[@]}"; do
  status=0
  wait "${pid[$name]}" || status=$?
  log=$out/$name.log
  field() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
  reached=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 || true)
  printf 'fuzz %-10s %9s runs, %6s/s, peak %4s MiB, %s\n' "$name" "$(field number_of_executed_units)" \
    "$(field average_exec_per_sec)" "$(field peak_rss_mb)" "${reached:-cov: ?} edges"
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "fuzz $name FAILED (exit $status), as $log says:"
    grep -E 'ERROR|check failed|^SUMMARY|^script:|^[a-z]+: ' "$log" | head -n 8 | sed 's/^/  /'
    ls "$out/crashes/$name-"* 2>/dev/null | sed 's/^/  kept: /'
  fi
done
exit "$failed"
