#!/usr/bin/env bash
# Builds the browser version into $1 (build-web): FreeType for WebAssembly
# from Debian's source, the table of the font files the desktop's matcher
# picks for the faces the program asks for (with the picker built in the
# desktop's build folder), each cut down to the characters it can be asked
# to draw, then the page
# ($1/tervan.html, one self-contained file), the test page and the core's
# tests as WebAssembly. Beside the page it writes the fonts' licences.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-build-web}
mkdir -p "$out"
out=$(cd "$out" && pwd)
jobs=${JOBS:-2}
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

bash "$root/scripts/build-freetype-web.sh" "$out/freetype"

# The font picker and the replay run on this machine, built with the
# desktop's libraries in $DESKTOP_BUILD (the Makefile builds them there).
desktop=${DESKTOP_BUILD:-$root/build}
picker="$desktop/tools/webfonts/pick-web-fonts"
if [ ! -x "$picker" ]; then
  echo "build-web: $picker is not built (make web builds it)" >&2
  exit 1
fi
mkdir -p "$out/generated"
echo "Fonts the page embeds:"
"$picker" "$out/generated/PageFonts.cpp.new" "$out/generated/page-fonts.list" \
  "$root/res/WebFonts.txt"
# Each of them only with the characters it can be asked to draw; the page
# embeds these subsets (the tests' own build keeps the whole files).
echo "Their subsets:"
/usr/bin/python3 "$root/tools/webfonts/subset-fonts.py" "$root" \
  "$out/generated/page-fonts.list" "$out/generated/subset-fonts" 2>"$out/subset-fonts.log"
"$picker" --files-from "$out/generated/subset-fonts" "$out/generated/PageFonts.cpp.new" \
  "$out/generated/page-fonts.list" "$root/res/WebFonts.txt" >/dev/null
"$picker" "$out/generated/TestFonts.cpp.new" "$out/generated/test-fonts.list" \
  "$root/res/WebFonts.txt" "$root/tests/web/TestFonts.txt" >/dev/null
for f in PageFonts TestFonts; do
  cmp -s "$out/generated/$f.cpp.new" "$out/generated/$f.cpp" 2>/dev/null ||
    mv "$out/generated/$f.cpp.new" "$out/generated/$f.cpp"
  rm -f "$out/generated/$f.cpp.new"
done

# The licences of the embedded fonts, from their Debian packages.
licences="$out/tervan-fonts-LICENSES.txt"
{
  echo "Tervan's browser version (tervan.html) carries these font files inside it."
  echo "Their licences follow, as their Debian packages give them."
  while read -r file; do
    pkg=$(dpkg -S "$file" 2>/dev/null | head -n1 | cut -d: -f1)
    echo
    echo "================================================================"
    echo "$(basename "$file") (Debian package ${pkg:-unknown})"
    echo "================================================================"
    [ -n "$pkg" ] && [ -r "/usr/share/doc/$pkg/copyright" ] && cat "/usr/share/doc/$pkg/copyright"
  done <"$out/generated/page-fonts.list"
} >"$licences"

emcmake cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=MinSizeRel -DTERVAN_WERROR=ON \
  -DTERVAN_BUILD_QT=OFF -DTERVAN_BUILD_TESTS=ON \
  -DTERVAN_FREETYPE_DIR="$out/freetype/install" \
  -DTERVAN_PAGE_FONTS="$out/generated/PageFonts.cpp" \
  -DTERVAN_TEST_FONTS="$out/generated/TestFonts.cpp" >"$out/configure.log"
cmake --build "$out" -j "$jobs" ${TERVAN_WEB_TARGETS:+--target $TERVAN_WEB_TARGETS}
