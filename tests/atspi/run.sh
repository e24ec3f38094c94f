#!/usr/bin/env bash
# The real program on a virtual display, read through AT-SPI as a screen
# reader reads it: its own X server (on a display number the server picks,
# so that other tests' servers never clash with it), its own session bus
# with the accessibility bus, Qt's bridge switched on, and read_tree.py
# reading and pressing. $1 is the program, $2 the folder for the trees.
set -euo pipefail
program=$(realpath "$1")
artefacts=${2:-artefacts}
mkdir -p "$artefacts"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
# A real X window, whatever platform the other tests asked Qt for.
unset QT_QPA_PLATFORM
dbus-run-session -- bash -c '
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  "$1" &
  app=$!
  status=0
  /usr/bin/python3 "$2/read_tree.py" "$3" || status=$?
  kill "$app" "$launcher" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  exit $status
' bash "$program" "$here" "$artefacts" 2>&1 | grep -v "Failed to set fd limit"
