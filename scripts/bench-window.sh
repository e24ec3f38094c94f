#!/usr/bin/env bash
# Runs the real program on a virtual X display for 30 s with the bottle
# closed (so that the 50 ms gas timer redraws the manometer) and reports:
# CPU use of the program and the X server together as a share of one core,
# the program's proportional set size, and the time from the title dialog's
# closing to the first painted main window.
set -euo pipefail
build=${1:-build}
seconds=${BENCH_WINDOW_SECONDS:-30}
program="$build/tervan"
if [ ! -x "$program" ]; then
  echo "bench-window: $program is not built; skipped."
  exit 0
fi
if ! command -v Xvfb >/dev/null; then
  echo "bench-window: Xvfb is not installed (scripts/install-deps.sh installs it); skipped."
  exit 0
fi

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of its own, chosen by the server itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
display=":$(head -n1 "$work/display")"
exec 3>&-

DISPLAY=$display QT_QPA_PLATFORM=xcb TERVAN_BENCH_AUTOSTART=1 \
  "$program" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
for _ in $(seq 200); do
  grep -q '^bottle-closed' "$work/out.log" 2>/dev/null && break
  kill -0 "$app_pid" 2>/dev/null || { echo "bench-window: the program ended early:"; cat "$work/err.log"; exit 1; }
  sleep 0.1
done
if ! grep -q '^bottle-closed' "$work/out.log"; then
  echo "bench-window: the program did not reach the closed bottle; skipped."
  exit 1
fi
sleep 1 # the bottle's rise is over; the gas timer runs

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
start=$(( $(ticks "$app_pid") + $(ticks "$xvfb_pid") ))
sleep "$seconds"
end=$(( $(ticks "$app_pid") + $(ticks "$xvfb_pid") ))
pss_kib=$(awk '/^Pss:/ { print $2 }' "/proc/$app_pid/smaps_rollup")
first_ms=$(awk '/^first-frame-ms/ { print $2 }' "$work/out.log")

awk -v used=$((end - start)) -v hz="$hz" -v s="$seconds" -v pss="$pss_kib" -v first="$first_ms" '
  function verdict(ok) { return ok ? "ok" : "OVER TARGET" }
  BEGIN {
    cpu = 100 * used / (hz * s)
    mib = pss / 1024
    printf "Window benchmark (%d s, bottle closed, gas timer running)\n", s
    printf "  CPU, program + X server:   %5.2f %% of one core   (target <= 2 %%)    %s\n", cpu, verdict(cpu <= 2)
    printf "  Proportional set size:     %5.1f MiB             (target <= 40 MiB)  %s\n", mib, verdict(mib <= 40)
    printf "  Title closed -> first bench frame: %5.1f ms      (target <= 300 ms)  %s\n", first, verdict(first <= 300)
  }'
