# Script mode: writes OUT, a C++ file holding every BITMAPS/<ID>.bmp and every
# ICONS/<name>-<pixels>.png as byte arrays, with the tables the application
# hands to the framework: EmbeddedBitmaps() by ID, EmbeddedIcons() by size,
# all sizes of the program's one icon, whose ID res/ gives them.
# With PACK on, the bitmaps go in gzip-compressed and are unpacked on the
# first look-up (the browser build, where every byte is downloaded).
function(_tervan_bytes file name out_body)
  file(READ ${file} _hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  set(${out_body} "static const unsigned char ${name}[] = {${_bytes}};\n" PARENT_SCOPE)
endfunction()

set(_body "")
set(_bitmaps "")
file(GLOB _bmps ${BITMAPS}/*.bmp)
list(SORT _bmps)
foreach(_f ${_bmps})
  get_filename_component(_id ${_f} NAME_WE)
  if(NOT _id MATCHES "^[0-9]+$")
    continue()
  endif()
  if(PACK)
    set(_packed ${OUT}.${_id}.gz)
    file(ARCHIVE_CREATE OUTPUT ${_packed} PATHS ${_f} FORMAT raw COMPRESSION GZip
         COMPRESSION_LEVEL 9)
    file(SIZE ${_f} _unpacked_size)
    _tervan_bytes(${_packed} kBitmap${_id} _array)
    file(REMOVE ${_packed})
    string(APPEND _bitmaps "        {${_id}u, kBitmap${_id}, sizeof kBitmap${_id}, ${_unpacked_size}u},\n")
  else()
    _tervan_bytes(${_f} kBitmap${_id} _array)
    string(APPEND _bitmaps "        {${_id}u, kBitmap${_id}, sizeof kBitmap${_id}},\n")
  endif()
  string(APPEND _body "${_array}")
endforeach()

set(_icons "")
file(GLOB _pngs ${ICONS}/*.png)
list(SORT _pngs)
foreach(_f ${_pngs})
  get_filename_component(_name ${_f} NAME_WE)
  if(NOT _name MATCHES "-([0-9]+)$")
    continue()
  endif()
  set(_px ${CMAKE_MATCH_1})
  _tervan_bytes(${_f} kIcon${_px} _array)
  string(APPEND _body "${_array}")
  string(APPEND _icons "        {0u, ${_px}, {0u, kIcon${_px}, sizeof kIcon${_px}}},\n")
endforeach()

if(PACK)
  set(_bitmap_table "const std::vector<EmbeddedResource>& EmbeddedBitmaps()
{
    static const PackedResource packed[] = {
${_bitmaps}    };
    static const std::vector<EmbeddedResource> table =
        UnpackResources(packed, sizeof packed / sizeof packed[0]);
    return table;
}")
  set(_include "#include \"platform/PackedResources.h\"\n")
else()
  set(_bitmap_table "const std::vector<EmbeddedResource>& EmbeddedBitmaps()
{
    static const std::vector<EmbeddedResource> table = {
${_bitmaps}    };
    return table;
}")
  set(_include "")
endif()

file(WRITE ${OUT}.tmp "// Generated from res/bitmaps and res/icons; do not edit.
#include \"res/EmbeddedResources.h\"
${_include}
namespace {
${_body}} // namespace

${_bitmap_table}

const std::vector<EmbeddedIcon>& EmbeddedIcons()
{
    static const std::vector<EmbeddedIcon> table = {
${_icons}    };
    return table;
}
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
