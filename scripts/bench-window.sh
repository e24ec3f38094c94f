#!/usr/bin/env bash
# The soak benchmark of the real program: it runs on a virtual X display for
# 60 s with the bottle closed, so that the 50 ms gas timer redraws the
# manometer and copies the whole picture to the window twenty times a second,
# and reports, as rows of a Markdown table:
#   - CPU use of the program and the X server together, as a share of one core;
#   - the program's proportional set size when the soak starts and when it
#     ends, and the growth between the two;
#   - the start-up time, from the title dialog's closing to the first painted
#     main window.
# BENCH_WINDOW_SECONDS changes the length of the soak.
set -euo pipefail
build=${1:-build}
seconds=${BENCH_WINDOW_SECONDS:-60}
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
  echo "bench-window: the program did not reach the closed bottle."
  exit 1
fi
sleep 1 # the bottle's rise is over; the gas timer runs

# CPU time (user + system) of a process, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Proportional set size of a process, in KiB.
pss() {
  if [ -r "/proc/$1/smaps_rollup" ]; then
    awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"
  else
    awk '/^Pss:/ { sum += $2 } END { print sum }' "/proc/$1/smaps"
  fi
}

hz=$(getconf CLK_TCK)
pss_start=$(pss "$app_pid")
start=$(($(ticks "$app_pid") + $(ticks "$xvfb_pid")))
sleep "$seconds"
kill -0 "$app_pid" 2>/dev/null || { echo "bench-window: the program ended during the soak:"; cat "$work/err.log"; exit 1; }
end=$(($(ticks "$app_pid") + $(ticks "$xvfb_pid")))
pss_end=$(pss "$app_pid")
first_ms=$(awk '/^first-frame-ms/ { print $2 }' "$work/out.log")

awk -v used=$((end - start)) -v hz="$hz" -v s="$seconds" -v p0="$pss_start" -v p1="$pss_end" \
  -v first="$first_ms" '
  function verdict(ok) { return ok ? "ok" : "**over target**" }
  BEGIN {
    cpu = 100 * used / (hz * s)
    start = p0 / 1024; end = p1 / 1024; growth = (p1 - p0) / 1024
    printf "Window soak: %d s with the bottle closed and the gas timer running, under Xvfb\n\n", s
    printf "| measure | value | target | |\n"
    printf "|---|---|---|---|\n"
    printf "| CPU, program + X server | %.2f %% of one core | <= 2 %% | %s |\n", cpu, verdict(cpu <= 2)
    printf "| proportional set size, soak start | %.1f MiB | <= 40 MiB | %s |\n", start, verdict(start <= 40)
    printf "| proportional set size, soak end | %.1f MiB | <= 40 MiB | %s |\n", end, verdict(end <= 40)
    printf "| growth over the soak | %+.2f MiB | <= 1 MiB | %s |\n", growth, verdict(growth <= 1)
    printf "| start-up, title closed -> first painted main window | %.1f ms | <= 300 ms | %s |\n", first, verdict(first <= 300)
  }'
