#!/usr/bin/env bash
# The browser version's benchmark on the page built in $1 (build-web):
# size, first paint, and the soak (BENCH_WEB_SECONDS long, 60 by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
web=$(cd "${1:-build-web}" && pwd)
node "$root/tests/web/bench/bench.js" "$web" "${BENCH_WEB_SECONDS:-60}"
# The page left with the gas timer running, BENCH_WEB_SOAK_MINUTES long (30
# by default): memory and the timer's rate at the start and the end.
TERVAN_BUILD_WEB="$web" node "$root/tests/web/bench/soak.js" "${BENCH_WEB_SOAK_MINUTES:-30}"
