# Script mode, after the page is linked: moves the program's WebAssembly,
# which the single-file link writes into the page's script as one base64
# string, into an element of its own that the page reads once and removes.
# A string in a script's source stays in memory for the page's life; the
# element's text and the decoded bytes are let go once the program runs.
# PAGE is the linked page, rewritten in place.
file(READ ${PAGE} _page)
set(_prefix "wasmBinaryFile=\"data:application/octet-stream;base64,")
string(FIND "${_page}" "${_prefix}" _at)
if(_at EQUAL -1)
  message(FATAL_ERROR "${PAGE}: the program's WebAssembly is not where the link puts it")
endif()
string(LENGTH "${_prefix}" _prefix_length)
math(EXPR _data_at "${_at} + ${_prefix_length}")
string(SUBSTRING "${_page}" ${_data_at} -1 _rest)
string(FIND "${_rest}" "\"" _data_length)
string(SUBSTRING "${_rest}" 0 ${_data_length} _data)
math(EXPR _after "${_data_length} + 1")
string(SUBSTRING "${_rest}" ${_after} -1 _rest)
string(SUBSTRING "${_page}" 0 ${_at} _before)
set(_page "${_before}wasmBinaryFile=tervanTakeWasm()${_rest}")
string(FIND "${_page}" "<!-- tervan-wasm -->" _slot)
if(_slot EQUAL -1)
  message(FATAL_ERROR "${PAGE}: the shell has no place for the WebAssembly")
endif()
string(REPLACE "<!-- tervan-wasm -->"
  "<script type=\"application/octet-stream\" id=\"tervan-wasm\">data:application/octet-stream;base64,${_data}</script>"
  _page "${_page}")
file(WRITE ${PAGE}.tmp "${_page}")
file(RENAME ${PAGE}.tmp ${PAGE})
