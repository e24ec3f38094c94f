# Asyncify instruments only the functions of a page that can reach a wait.
# A scan link of the page, alike but with ASYNCIFY_ADVISE and the function
# names kept, shows what the linker would instrument and how the functions
# call one another; tools/webasyncify/asyncify-only.py narrows that to the
# functions that can reach a wait, calls through the message table and
# function objects included, and the page is linked with ASYNCIFY_ONLY set to
# that list. After the link the page is checked to instrument every listed
# function.
find_program(TERVAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)

function(tervan_asyncify_only page scan)
  set(_advice ${CMAKE_CURRENT_BINARY_DIR}/${scan}-advice.txt)
  set(_list ${CMAKE_CURRENT_BINARY_DIR}/${page}-asyncify-only.txt)
  set(_tool ${CMAKE_CURRENT_SOURCE_DIR}/tools/webasyncify/asyncify-only.py)
  # The scan's linker prints its advice; the launcher keeps it in a file.
  # FreeType calls nothing that waits: its functions are left out of the list.
  set_target_properties(${scan} PROPERTIES EXCLUDE_FROM_ALL ON
    RULE_LAUNCH_LINK "sh ${CMAKE_CURRENT_SOURCE_DIR}/tools/webasyncify/keep-output.sh ${_advice}")
  target_link_options(${scan} PRIVATE -sASYNCIFY_ADVISE=1 --profiling-funcs -sSINGLE_FILE=0)
  add_custom_command(OUTPUT ${_list}
    COMMAND ${TERVAN_PYTHON3} ${_tool} ${_advice}
            ${CMAKE_CURRENT_BINARY_DIR}/${scan}.wasm ${_list} ${TERVAN_FREETYPE_DIR}/lib/libfreetype.a
    DEPENDS ${scan} ${_tool}
    VERBATIM)
  add_custom_target(${page}-asyncify-list DEPENDS ${_list})
  add_dependencies(${page} ${page}-asyncify-list)
  target_link_options(${page} PRIVATE -sASYNCIFY_ONLY=@${_list})
  set_property(TARGET ${page} APPEND PROPERTY LINK_DEPENDS ${_list})
  add_custom_command(TARGET ${page} POST_BUILD
    COMMAND ${TERVAN_PYTHON3} ${_tool} --check $<TARGET_FILE:${page}> ${_list}
    VERBATIM)
endfunction()
