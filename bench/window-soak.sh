#!/usr/bin/env bash
# The soak benchmark of the real program: it runs, as shipped, on a virtual X
# display, driven from outside as a student would drive it: xdotool clicks
# "Entra" on the title dialog, then "Anota valors inicials" and "Tanca
# Botella" on the main window. With the bottle closed it runs for 60 s, so
# that the 50 ms gas timer redraws the manometer and copies the whole picture
# to the window twenty times a second, and the script reports, as rows of a
# Markdown table:
#   - CPU use of the program and the X server together, as a share of one core;
#   - the program's proportional set size when the soak starts and when it
#     ends, and the growth between the two;
#   - the start-up time, from the title dialog's closing to the first painted
#     main window, as seen on the screen: from the first look that finds the
#     title dialog unmapped to the first that finds the main window's bench
#     painted (bench/window-soak-watch.py looks every millisecond or two
#     and says how often it did; each end may be seen up to one look late).
#     The time from the click itself also counts xdotool's own start-up, so
#     it is only printed alongside.
# BENCH_WINDOW_SECONDS changes the length of the soak.
set -euo pipefail
build=${1:-build}
seconds=${BENCH_WINDOW_SECONDS:-60}
program="$build/tervan"
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -x "$program" ]; then
  echo "window-soak: $program is not built; skipped."
  exit 0
fi
for tool in Xvfb xdotool python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "window-soak: $tool is not installed (scripts/install-deps.sh installs it); skipped."
    exit 0
  fi
done

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

export DISPLAY=$display
QT_QPA_PLATFORM=xcb "$program" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
watch=(python3 "$here/window-soak-watch.py")
fail() {
  echo "window-soak: $1"
  sed 's/^/tervan: /' "$work/err.log"
  exit 1
}

# Where a control of res/Dialogs.cpp is, in pixels of its window: its
# template line gives x, y, width and height in dialog units, converted as
# the program converts them (DluToPixelsX/Y in platform/DialogTemplate.cpp:
# the templates' "MS Sans Serif" 8 has 6/4 pixel a horizontal unit and 13/8
# a vertical one, truncated). Controls sit at the window's origin: neither
# dialog draws a frame of its own, and Xvfb runs no window manager to add
# one. Prints the middle of the control.
centre_of() {
  awk -v caption="\"$1\"" '
    index($0, caption ",") {
      rest = substr($0, index($0, caption ",") + length(caption) + 1)
      split(rest, f, ",")
      x = f[1] + 0; y = f[2] + 0; w = f[3] + 0; h = f[4] + 0
      left = int(x * 6 / 4); right = int((x + w) * 6 / 4)
      top = int(y * 13 / 8); bottom = int((y + h) * 13 / 8)
      print int((left + right) / 2), int((top + bottom) / 2)
      found = 1
      exit
    }
    END { if (!found) exit 1 }' "$here/../res/Dialogs.cpp"
}
read -r entra_x entra_y < <(centre_of "Entra") ||
  fail "no \"Entra\" in res/Dialogs.cpp."
read -r note_x note_y < <(centre_of "Anota valors inicials") ||
  fail "no \"Anota valors inicials\" in res/Dialogs.cpp."
read -r close_x close_y < <(centre_of "Tanca Botella") ||
  fail "no \"Tanca Botella\" in res/Dialogs.cpp."

# The main window draws its 600 x 400 picture at (21, 21) of its client area
# (CopyBackBufferToWindow). The bench is painted once the picture's corners,
# top right and bottom left, show the bench's colour (Scene::kBench): the
# bench routine fills the whole picture with it first, and nothing later
# draws over those corners.
bench_colour=d7ffd7
bench_corners=("$((21 + 597)),$((21 + 2))" "$((21 + 2)),$((21 + 397))")
# The bottle rises a row at a time to y 200 of the picture; the top row of its
# neck, x 124, reaches that row only with its last step, after which the gas
# timer starts.
bottle_top_x=$((21 + 124))
bottle_top_y=$((21 + 200))

if ! title=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1); then
  fail "the title dialog did not appear."
fi
[ -n "$title" ] || fail "the title dialog did not appear."
sleep 1 # the dialog is shown: let it settle before the timed click
read -r main click_ms startup_ms look_ms < <("${watch[@]}" enter "$title" "$entra_x" "$entra_y" \
  TERVAN "$bench_colour" "${bench_corners[@]}") || fail "the main window did not show the bench."
[ -n "${main:-}" ] || fail "the main window did not show the bench."
sleep 0.5 # a student reads before clicking
xdotool mousemove --window "$main" "$note_x" "$note_y" click 1
"${watch[@]}" click-until-changed "$main" "$close_x" "$close_y" "$bottle_top_x" "$bottle_top_y" ||
  fail "the bottle did not close."
# The pointer leaves the window, as it would leave the button it clicked.
xdotool mousemove 0 0
kill -0 "$app_pid" 2>/dev/null || fail "the program ended early."
sleep 1 # the gas timer runs

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
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the soak."
end=$(($(ticks "$app_pid") + $(ticks "$xvfb_pid")))
pss_end=$(pss "$app_pid")

awk -v used=$((end - start)) -v hz="$hz" -v s="$seconds" -v p0="$pss_start" -v p1="$pss_end" \
  -v first="$startup_ms" -v click="$click_ms" -v look="$look_ms" '
  function verdict(ok) { return ok ? "ok" : "**over target**" }
  BEGIN {
    cpu = 100 * used / (hz * s)
    start = p0 / 1024; end = p1 / 1024; growth = (p1 - p0) / 1024
    printf "Window soak: %d s with the bottle closed and the gas timer running, under Xvfb;\n", s
    printf "start-up seen on the screen, looked at every %.2f ms; %.1f ms from the click on \"Entra\"\n\n", look, click
    printf "| measure | value | target | |\n"
    printf "|---|---|---|---|\n"
    printf "| CPU, program + X server | %.2f %% of one core | <= 2 %% | %s |\n", cpu, verdict(cpu <= 2)
    printf "| proportional set size, soak start | %.1f MiB | <= 40 MiB | %s |\n", start, verdict(start <= 40)
    printf "| proportional set size, soak end | %.1f MiB | <= 40 MiB | %s |\n", end, verdict(end <= 40)
    printf "| growth over the soak | %+.2f MiB | <= 1 MiB | %s |\n", growth, verdict(growth <= 1)
    printf "| start-up, title closed -> first painted main window | %.1f ms | <= 300 ms | %s |\n", first, verdict(first <= 300)
  }'
