#!/usr/bin/env bash
# `make check-package`: installs the built package on this machine with apt,
# starts /usr/bin/tervan under Xvfb and checks that its title dialog shows
# the title picture, then purges the package and checks that nothing of it
# is left. Whatever happens in between, the package is purged on the way out.
#
#   check-package.sh BUILD_DIR
#
# Installs system-wide (as root, or through sudo), so `make test` never runs it.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$1" && pwd)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")
deb=$build_dir/tervan_${version}_amd64.deb
title_picture=$source_dir/res/bitmaps/167.bmp
screenshot=$build_dir/check-package-title.png
# The title dialog: 266 x 165 dialog units of its 8-point font.
title_size=399x268
# The directories the package writes into, listed before and after.
watched=(/usr/bin /usr/share/applications /usr/share/icons/hicolor /usr/share/man
  /usr/share/doc /usr/share/metainfo)
# Caches that other packages' triggers rewrite when icons or desktop entries
# come and go; they belong to those packages, not to ours.
caches='^(/usr/share/applications/mimeinfo\.cache|/usr/share/icons/hicolor/icon-theme\.cache)$'

[ -f "$deb" ] || { echo "no $deb: run make package first" >&2; exit 1; }
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
# apt's and dpkg's chatter goes to a log, shown when they fail.
apt_get() {
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 -y -qq \
    --no-install-recommends "$@" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; return 1; }
}
installed() {
  dpkg-query -W -f='${db:Status-Status}' tervan 2>/dev/null | grep -qv '^not-installed$'
}
if installed; then
  echo "tervan is already installed here; this check would purge it, so it stops" >&2
  exit 1
fi

work=$(mktemp -d)
xvfb_pid=
tervan_pid=
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
cleanup() {
  local rc=$?
  stop "$tervan_pid"
  stop "$xvfb_pid"
  if installed; then
    echo "purging tervan on the way out"
    "${sudo_cmd[@]}" dpkg --purge tervan >/dev/null || rc=1
  fi
  rm -rf "$work"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

list_watched() {
  find "${watched[@]}" -xdev 2>/dev/null | grep -Ev "$caches" | sort
}

# The dependencies first, so that the listing before already holds them.
echo "== dependencies: $(dpkg-deb -f "$deb" Depends)"
apt_get satisfy "$(dpkg-deb -f "$deb" Depends)"
list_watched >"$work/before"

echo "== install $(basename "$deb")"
apt_get install "$deb"
dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }' | sed 's|/$||' | grep -v '^$' >"$work/packed"
while read -r path; do
  [ -e "$path" ] || fail "$path is not installed"
done <"$work/packed"
[ -x /usr/bin/tervan ] || fail "/usr/bin/tervan is not executable"
"${sudo_cmd[@]}" appstreamcli refresh-cache --force >/dev/null
appstreamcli get invalid.tervan.tervan | grep -qx 'Name: Tervan' ||
  fail "the software centre's catalogue does not list Tervan"

echo "== start /usr/bin/tervan under Xvfb"
display=
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    display=:$n
    break
  fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done
# A clean environment: nothing of the build (paths, Qt's offscreen
# platform) reaches the installed program, and its home is thrown away.
mkdir -m 700 "$work/home" "$work/run"
(cd "$work" && exec env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" \
  PATH=/usr/bin:/bin LANG=C.UTF-8 /usr/bin/tervan >"$work/tervan.log" 2>&1) &
tervan_pid=$!

# The title dialog is the program's only top-level window of its size.
window=
for _ in $(seq 200); do
  window=$(DISPLAY=$display xwininfo -root -children 2>/dev/null |
    awk -v size="$title_size" '/\("tervan" "Tervan"\)/ && $0 ~ " " size "[+-]" { print $1; exit }')
  [ -n "$window" ] && break
  kill -0 "$tervan_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  fail "no $title_size window of tervan appeared"
  DISPLAY=$display xwininfo -root -children 2>/dev/null || true
  sed 's/^/tervan: /' "$work/tervan.log"
else
  DISPLAY=$display xwininfo -id "$window" | grep -q 'Map State: IsViewable' ||
    fail "the title dialog is not shown"
  pid=$(DISPLAY=$display xprop -id "$window" _NET_WM_PID | awk '{ print $3 }')
  [ "$pid" = "$tervan_pid" ] || fail "the window belongs to process $pid, not to /usr/bin/tervan"
  # Let the dialog paint, then compare it with the title picture.
  sleep 1
  DISPLAY=$display xwd -id "$window" -silent >"$work/title.xwd"
  python3 "$source_dir/scripts/compare-window.py" "$work/title.xwd" "$title_picture" \
    "$screenshot" || fail "the title dialog does not show the title picture"
  echo "what it showed: $screenshot"
fi
# The dialog waits for a click; the check ends the program instead.
stop "$tervan_pid"
tervan_pid=
stop "$xvfb_pid"
xvfb_pid=

echo "== purge"
"${sudo_cmd[@]}" dpkg --purge tervan >/dev/null
installed && fail "dpkg still knows tervan after the purge"
while read -r path; do
  [ ! -e "$path" ] || [ -d "$path" ] || fail "$path is left after the purge"
done <"$work/packed"
ls /var/lib/dpkg/info/tervan.* >/dev/null 2>&1 && fail "dpkg's records of tervan are left"
list_watched >"$work/after"
diff "$work/before" "$work/after" || fail "files differ from before the install (< before, > after)"
"${sudo_cmd[@]}" appstreamcli refresh-cache --force >/dev/null
appstreamcli get invalid.tervan.tervan >/dev/null 2>&1 &&
  fail "the software centre's catalogue still lists Tervan"

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures failed"
  exit 1
fi
echo "check-package: installed, showed its title dialog, purged without a trace"
