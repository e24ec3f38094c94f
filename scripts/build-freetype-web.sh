#!/usr/bin/env bash
# Builds FreeType for WebAssembly from Debian's own source of the very version
# the desktop build links (libfreetype6's), so that both rasterise the same
# glyphs. Fetches the source with `apt-get source` (the deb-src entry is added
# by scripts/install-web-deps.sh) into $1/src, builds it with emcmake into
# $1/build and installs headers and library into $1/install. Nothing is done
# when that version is already installed there.
# The browser build has no zlib, bzip2, libpng, HarfBuzz or Brotli: the
# program's fonts are plain TrueType and OpenType files. For the same reason
# it registers only the modules those need (TrueType and CFF outlines, the
# hinters, the smooth renderer); the drivers of Type 1, CID, PFR, Type 42,
# Windows FNT, PCF and BDF fonts and the monochrome, SDF and SVG renderers
# stay out of the page (a seventh of its code). FreeType's own inflate
# stays: the page unpacks its bitmaps with it.
set -euo pipefail
out=$(mkdir -p "${1:-build-web/freetype}" && cd "${1:-build-web/freetype}" && pwd)
modules=(autofit_module_class:FT_Module_Class tt_driver_class:FT_Driver_ClassRec
         cff_driver_class:FT_Driver_ClassRec psaux_module_class:FT_Module_Class
         psnames_module_class:FT_Module_Class pshinter_module_class:FT_Module_Class
         sfnt_module_class:FT_Module_Class ft_smooth_renderer_class:FT_Renderer_Class)
# Built for size, like the page.
flags="-Oz -DNDEBUG"
version="$(dpkg-query -W -f='${source:Version}' libfreetype6) ${modules[*]} $flags"
stamp="$out/install/.version"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
  exit 0
fi
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

rm -rf "$out/src" "$out/build" "$out/install"
mkdir -p "$out/src"
echo "Fetching FreeType's Debian source, version ${version%% *}"
(cd "$out/src" && apt-get -o DPkg::Lock::Timeout=600 source -qq "freetype=${version%% *}" >/dev/null)
tree=$(find "$out/src" -mindepth 1 -maxdepth 1 -type d -name 'freetype-*' | head -n1)
if [ -z "$tree" ] || [ ! -f "$tree/CMakeLists.txt" ]; then
  echo "build-freetype-web: no FreeType source tree in $out/src" >&2
  exit 1
fi

{
  echo "/* The modules the browser build registers (scripts/build-freetype-web.sh). */"
  for m in "${modules[@]}"; do echo "FT_USE_MODULE( ${m#*:}, ${m%%:*} )"; done
} >"$tree/include/freetype/config/ftmodule.h"

echo "Building FreeType ${version%% *} for WebAssembly"
emcmake cmake -S "$tree" -B "$out/build" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_C_FLAGS_MINSIZEREL="$flags" \
  -DCMAKE_INSTALL_PREFIX="$out/install" -DBUILD_SHARED_LIBS=OFF \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON >"$out/configure.log"
cmake --build "$out/build" -j 2 >"$out/build.log"
cmake --install "$out/build" >"$out/install.log"
echo "$version" >"$stamp"
