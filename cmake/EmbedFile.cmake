# Script mode: writes OUT, a C++ file with IN's bytes and a function NAME that
# returns them (unsigned long* size).
file(READ ${IN} _hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
file(WRITE ${OUT}.tmp "// Generated from ${IN}; do not edit.
static const unsigned char kBytes[] = {${_bytes}};
const unsigned char* ${NAME}(unsigned long* size)
{
    *size = sizeof kBytes;
    return kBytes;
}
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
