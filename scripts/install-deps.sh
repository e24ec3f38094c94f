#!/usr/bin/env bash
# Installs the Debian packages Tervan builds and tests with, only those missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev poppler-utils
  libfreetype-dev libfontconfig-dev
  fonts-liberation fonts-comic-neue fonts-urw-base35 fonts-dejavu-core
  xvfb xauth
  dpkg-dev file lintian desktop-file-utils appstream fontconfig
  x11-utils x11-apps python3 xdotool
  at-spi2-core python3-pyatspi dbus
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
