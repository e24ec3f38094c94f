#!/usr/bin/env bash
# Runs the browser tests (tests/web/*.test.js) on the pages built in $2,
# with the headless replay built in $1, one test file at a time: each drives
# chromium-headless-shell, and the machine has two cores.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
web=$(cd "${2:-build-web}" && pwd)
cd "$root/tests/web"
TERVAN_BUILD_WEB="$web" TERVAN_REPLAY="$build/tests/web/tervan-replay" \
  TERVAN_FONT_CHECK="$build/tests/web/tervan-font-check" \
  node --test --test-concurrency=1
