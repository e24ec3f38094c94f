#!/usr/bin/env bash
# Installs what the browser build and its tests need, only what is missing:
#   - Debian's emscripten (the compiler for WebAssembly) and fontconfig's
#     tools, with which the build picks the font files to embed;
#   - a deb-src entry, in a sources file of its own, so that `apt-get source`
#     can fetch FreeType's Debian source (scripts/build-freetype-web.sh);
#   - Debian's fonttools, with which the build keeps only the characters
#     each embedded font can be asked to draw;
#   - the three browsers the page's tests drive: Debian's
#     chromium-headless-shell, firefox-esr and WebKitGTK's WebDriver
#     (webkit2gtk-driver), with xvfb for the display WebKitGTK needs;
#   - playwright-core, puppeteer-core and axe-core from npm, at the versions
#     tests/web/package-lock.json records (neither of the first two
#     downloads a browser).
# Other programs use apt on the machines this runs on: every apt-get waits
# up to ten minutes for the package lock instead of failing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_get() { "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 "$@"; }

packages=(emscripten fontconfig dpkg-dev fonttools chromium-headless-shell firefox-esr
          webkit2gtk-driver xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js may come from elsewhere than Debian (with its own npm inside):
# only a machine without them gets Debian's.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)

# The source entries mirror the machine's own binary ones.
src_list=/etc/apt/sources.list.d/tervan-deb-src.sources
updated=0
if [ ! -e "$src_list" ]; then
  tmp=$(mktemp)
  if [ -r /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$tmp"
  else
    grep -h '^deb ' /etc/apt/sources.list 2>/dev/null |
      awk '{ sub(/^deb /, ""); if ($1 ~ /^\[/) { $1 = "" } ; print }' |
      awk 'NF >= 3 { printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:", $1, $2;
                     for (i = 3; i <= NF; i++) printf " %s", $i; printf "\n\n" }' \
      >"$tmp"
  fi
  "${sudo_cmd[@]}" install -m 0644 "$tmp" "$src_list"
  rm -f "$tmp"
  echo "Added $src_list (source packages, for FreeType's source)."
  apt_get update -qq
  updated=1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  [ "$updated" -eq 1 ] || apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The npm packages, exactly as locked.
if [ ! -d "$root/tests/web/node_modules/playwright-core" ] ||
   [ ! -d "$root/tests/web/node_modules/puppeteer-core" ] ||
   [ ! -d "$root/tests/web/node_modules/axe-core" ]; then
  echo "Installing playwright-core, puppeteer-core and axe-core from npm (tests/web)"
  (cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
fi
