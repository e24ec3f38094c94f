# Script mode: writes OUT, a C++ file holding every DIR/<ID>.bmp as a byte array.
file(GLOB _bmps ${DIR}/*.bmp)
list(SORT _bmps)
set(_body "")
set(_table "")
foreach(_f ${_bmps})
  get_filename_component(_id ${_f} NAME_WE)
  if(NOT _id MATCHES "^[0-9]+$")
    continue()
  endif()
  file(READ ${_f} _hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  string(APPEND _body "static const unsigned char kBitmap${_id}[] = {${_bytes}};\n")
  string(APPEND _table "    {${_id}u, kBitmap${_id}, sizeof kBitmap${_id}},\n")
endforeach()
file(WRITE ${OUT}.tmp "// Generated from res/bitmaps; do not edit.\n#include \"platform/Resources.h\"\n\n${_body}
const EmbeddedResource* EmbeddedBitmaps(size_t& count)
{
    static const EmbeddedResource table[] = {
${_table}        {0u, nullptr, 0},
    };
    count = sizeof table / sizeof table[0] - 1;
    return table;
}
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
