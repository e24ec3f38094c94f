#!/usr/bin/env bash
# The package tests of `make test` (cmake/PackageTests.cmake), without
# installing anything:
#   test-package.sh build    DEB ROOT CPACK   pack as `make package` does, unpack into ROOT
#   test-package.sh contents DEB ROOT VERSION SOURCE_DIR BUILD_DIR
#   test-package.sh depends  DEB ROOT FONT_SUBSTITUTES_CPP FONT_PACKAGE...
#   test-package.sh desktop  DEB ROOT
#   test-package.sh metainfo DEB ROOT
#   test-package.sh lintian  DEB ROOT
set -euo pipefail
what=$1 deb=$2 root=$3
shift 3
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The width and height a PNG's header gives, as "WxH".
png_size() {
  local -a b
  read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

build() {
  local cpack=$1
  rm -f "$deb"
  (cd "$(dirname "$deb")" && "$cpack" -G DEB --config CPackConfig.cmake)
  [ -f "$deb" ] || { echo "FAIL: cpack wrote no $deb"; exit 1; }
  dpkg-deb --field "$deb" Package >/dev/null || { echo "FAIL: dpkg-deb cannot read $deb"; exit 1; }
  rm -rf "$root"
  dpkg-deb -x "$deb" "$root"
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes," \
    "$(dpkg-deb -f "$deb" Installed-Size) KiB installed"
}

contents() {
  local version=$1 source_dir=$2 build_dir=$3
  local expected actual
  expected=$(
    printf '%s\n' ./usr/bin/tervan ./usr/share/applications/tervan.desktop \
      ./usr/share/doc/tervan/changelog.gz ./usr/share/doc/tervan/copyright \
      ./usr/share/doc/tervan/tervan-guia.html \
      ./usr/share/man/man1/tervan.1.gz ./usr/share/metainfo/invalid.tervan.tervan.metainfo.xml
    for s in 16 32 48 64 128 256; do
      echo "./usr/share/icons/hicolor/${s}x${s}/apps/tervan.png"
    done | sort
  )
  actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
  diff <(echo "$expected" | sort) <(echo "$actual") || fail "the package's files differ (< expected, > packed)"

  # Everything belongs to root; the program is executable, the rest is not.
  while read -r mode owner _ _ _ path _; do
    local want=-rw-r--r--
    [[ $mode == d* ]] && want=drwxr-xr-x
    [ "$path" = ./usr/bin/tervan ] && want=-rwxr-xr-x
    [ "$mode" = "$want" ] || fail "$path has mode $mode, not $want"
    [ "$owner" = root/root ] || fail "$path belongs to $owner"
  done < <(dpkg-deb -c "$deb")

  for s in 16 32 48 64 128 256; do
    local icon=$root/usr/share/icons/hicolor/${s}x${s}/apps/tervan.png
    if [ ! -f "$icon" ]; then
      fail "the ${s}x${s} icon is missing"
    elif [ "$(png_size "$icon")" != "${s}x${s}" ]; then
      fail "the ${s}x${s} icon is $(png_size "$icon")"
    fi
  done

  # One version everywhere: the project's, the changelog's, the metainfo's.
  local packaged changelog release
  packaged=$(dpkg-deb -f "$deb" Version)
  changelog=$(zcat "$root/usr/share/doc/tervan/changelog.gz" | sed -n '1s/^tervan (\([^)]*\)).*/\1/p')
  release=$(grep -o -m1 '<release version="[^"]*"' "$root"/usr/share/metainfo/*.xml | cut -d'"' -f2)
  [ "$packaged" = "$version" ] || fail "the package's version is $packaged, the project's $version"
  [ "$changelog" = "$version" ] || fail "packaging/changelog's latest entry is $changelog, not $version"
  [ "$release" = "$version" ] || fail "the metainfo's latest release is $release, not $version"

  # The installed program must not reach back into the tree it was built in.
  for dir in "$source_dir" "$build_dir"; do
    ! grep -q -a -F "$dir" "$root/usr/bin/tervan" || fail "/usr/bin/tervan names $dir"
  done
  file -b "$root/usr/bin/tervan" | grep -q ', stripped' || fail "/usr/bin/tervan is not stripped"
}

depends() {
  local substitutes=$1
  shift
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  local -a packages
  IFS=',' read -r -a packages <<<"$(echo "$depends" | sed 's/([^)]*)//g; s/ //g')"
  has() {
    local p
    for p in "${packages[@]}"; do [ "$p" = "$1" ] && return 0; done
    return 1
  }
  # dpkg-shlibdeps found the libraries the program links.
  for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libfreetype6 \
    libfontconfig1; do
    has "$lib" || fail "Depends lacks $lib"
  done
  for p in "$@"; do
    has "$p" || fail "Depends lacks the font package $p"
  done
  # Every family the substitutions name comes from a package in Depends.
  [ -f "$substitutes" ] || { fail "no font substitution table at $substitutes"; return; }
  local families
  families=$(grep -oP '\{"[^"]+",\s*"\K[^"]+(?="\})' "$substitutes" | sort -u)
  [ -n "$families" ] || fail "no substitutions found in $substitutes"
  while read -r family; do
    [ -n "$family" ] || continue
    local file owner
    file=$(fc-match -f '%{file}' "$family")
    if ! fc-match -f '%{family}\n' "$family" | tr ',' '\n' | grep -qxF "$family"; then
      fail "no installed font has the family $family"
      continue
    fi
    owner=$(dpkg -S "$(readlink -f "$file")" 2>/dev/null | cut -d: -f1 | head -1)
    echo "$family: $file ($owner)"
    has "$owner" || fail "$family comes from $owner, which Depends lacks"
  done <<<"$families"
}

desktop() {
  local out
  out=$(desktop-file-validate "$root/usr/share/applications/tervan.desktop" 2>&1) ||
    fail "desktop-file-validate failed"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
}

metainfo() {
  local file=$root/usr/share/metainfo/invalid.tervan.tervan.metainfo.xml
  appstreamcli validate --no-net --pedantic "$file" || fail "appstreamcli validate failed"
  # The software centre finds the program's desktop entry and icon by these.
  local launchable
  launchable=$(grep -oP '<launchable type="desktop-id">\K[^<]+' "$file")
  [ -f "$root/usr/share/applications/$launchable" ] || fail "the launchable $launchable is not packed"
  grep -qx 'Icon=tervan' "$root/usr/share/applications/$launchable" || fail "the desktop entry's icon is not tervan"
}

run_lintian() {
  # Any warning fails too: each one that stays is overridden with its reason.
  lintian --fail-on error,warning --display-info --show-overrides "$deb" || fail "lintian"
}

case $what in
build) build "$@" ;;
contents) contents "$@" ;;
depends) depends "$@" ;;
desktop) desktop ;;
metainfo) metainfo ;;
lintian) run_lintian ;;
*)
  echo "usage: see the head of $0" >&2
  exit 2
  ;;
esac
if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "package $what: ok"
