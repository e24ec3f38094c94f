#!/usr/bin/env bash
# Starts the program built in $1, or says in one line why it cannot.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "No display to open the window on: try 'xvfb-run make run' or run it from a desktop session."
  exit 1
fi
if [ ! -x "$build/tervan" ]; then
  echo "The program was not built: see the build output above."
  exit 1
fi
exec "$build/tervan"
