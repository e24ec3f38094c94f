#!/usr/bin/env bash
# The browser version's benchmark on the page built in $1 (build-web):
# size, first paint, and the soak (BENCH_WEB_SECONDS long, 60 by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
web=$(cd "${1:-build-web}" && pwd)
node "$root/tests/web/bench/bench.js" "$web" "${BENCH_WEB_SECONDS:-60}"
