# The browser build, configured with emcmake (scripts/build-web.sh does all
# of it): the same core as the desktop over the browser backend of
# platform/web/, linked into one self-contained page, build-web/tervan.html,
# and the core's headless tests as WebAssembly programs that ctest runs
# under Node.
#
# What the build expects, made beforehand by scripts/build-web.sh:
#   TERVAN_FREETYPE_DIR  FreeType built for WebAssembly (headers and library);
#   TERVAN_PAGE_FONTS    the generated table and bytes of the page's fonts;
#   TERVAN_TEST_FONTS    the same for the tests, with the faces they ask for.
set(TERVAN_FREETYPE_DIR "" CACHE PATH "FreeType built for WebAssembly")
set(TERVAN_PAGE_FONTS "" CACHE FILEPATH "Generated embedded fonts of the page")
set(TERVAN_TEST_FONTS "" CACHE FILEPATH "Generated embedded fonts of the wasm tests")
foreach(_input TERVAN_FREETYPE_DIR TERVAN_PAGE_FONTS)
  if(NOT EXISTS "${${_input}}")
    message(FATAL_ERROR "${_input} is not set: run scripts/build-web.sh (make web)")
  endif()
endforeach()

add_library(tervan_freetype STATIC IMPORTED)
set_target_properties(tervan_freetype PROPERTIES
  IMPORTED_LOCATION ${TERVAN_FREETYPE_DIR}/lib/libfreetype.a
  INTERFACE_INCLUDE_DIRECTORIES ${TERVAN_FREETYPE_DIR}/include/freetype2)

# The same libraries as the desktop's: tervan_base, tervan_platform (less
# fontconfig: the browser has none, and the faces come from the embedded
# table instead), tervan_model and the program itself, tervan_app.
include(cmake/FrameworkLibraries.cmake)
tervan_framework_libraries(FONT_MATCH platform/web/EmbeddedFontMatch.cpp LIBS tervan_freetype)

# Every byte of the page is downloaded: the bitmaps go in compressed.
set(TERVAN_PACK_BITMAPS ON)
include(cmake/ProgramLibraries.cmake)

add_library(tervan_page_data STATIC ${TERVAN_PAGE_FONTS})
target_include_directories(tervan_page_data PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

# The application icon, which the About box shows.
set(_icon_cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/AppIcon.cpp)
tervan_embed_file(${CMAKE_CURRENT_SOURCE_DIR}/res/icons/tervan.ico AppIconFile ${_icon_cpp})
target_sources(tervan_page_data PRIVATE ${_icon_cpp})

# The page. Asyncify lets the program's nested loops (a modal dialog, a
# Sleep) hand the browser back its thread and carry on where they were; only
# the functions that can reach a wait are instrumented (cmake/WebAsyncify.cmake).
file(GLOB TERVAN_WEB_SOURCES CONFIGURE_DEPENDS platform/web/*.cpp)
list(FILTER TERVAN_WEB_SOURCES EXCLUDE REGEX "/(EmbeddedFontMatch|WebMain)\\.cpp$")
# Every byte of the page is downloaded: its link optimises for the smallest
# code (-Oz). The sources stay compiled for size as in MinSizeRel (-Os):
# compiled with -Oz they made the page no smaller and the WebAssembly tests
# four times as slow.
set(TERVAN_WEB_LINK_OPTIONS
  -Oz -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sASYNCIFY_IMPORTS=[tervan_wait]
  -sSINGLE_FILE=1 -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sMINIFY_HTML=0
  -sINITIAL_MEMORY=16777216 -sTOTAL_STACK=1048576
  -sEXPORTED_RUNTIME_METHODS=[] -sEXIT_RUNTIME=0
  --js-library ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/page.js
  --pre-js ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/mirror.js
  --shell-file ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/shell.html)
include(cmake/WebAsyncify.cmake)

# A page: the browser backend's sources, with its own entry point (SOURCES
# adds more) and the page's JavaScript (JS_LIBRARY adds more).
function(tervan_page name)
  cmake_parse_arguments(ARG "" "" "SOURCES;JS_LIBRARY" ${ARGN})
  # The page's own sources, compiled once for the page and its scan link.
  add_library(${name}_objects OBJECT ${TERVAN_WEB_SOURCES} ${ARG_SOURCES})
  target_link_libraries(${name}_objects PRIVATE tervan_platform)
  target_compile_options(${name}_objects PRIVATE ${TERVAN_WARNINGS})
  set(_js ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/page.js)
  foreach(target ${name} ${name}-scan)
    add_executable(${target} $<TARGET_OBJECTS:${name}_objects>)
    set_target_properties(${target} PROPERTIES SUFFIX ".html")
    # The whole core goes in: the application object is a global that
    # nothing refers to by name, so a plain archive link would leave it out.
    target_link_libraries(${target} PRIVATE
      -Wl,--whole-archive tervan_app -Wl,--no-whole-archive tervan_platform tervan_page_data
      tervan_freetype)
    target_link_options(${target} PRIVATE ${TERVAN_WEB_LINK_OPTIONS})
    foreach(_library ${ARG_JS_LIBRARY})
      target_link_options(${target} PRIVATE "SHELL:--js-library ${_library}")
    endforeach()
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
      ${_js} ${ARG_JS_LIBRARY} ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/mirror.js
      ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/shell.html)
  endforeach()
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DPAGE=$<TARGET_FILE:${name}>
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/WasmOutOfScript.cmake
    VERBATIM)
  tervan_asyncify_only(${name} ${name}-scan)
endfunction()

# The shipped page reads nothing from its address; the test page (never
# shipped) has hooks of its own, kept with the tests: it takes a date and a
# clock scale from its address and keeps a journal of every message, for
# the browser tests.
tervan_page(tervan SOURCES platform/web/WebMain.cpp)
tervan_page(tervan-test
  SOURCES tests/web/page/TestPageMain.cpp tests/web/page/TestHooks.cpp
  JS_LIBRARY ${CMAKE_CURRENT_SOURCE_DIR}/tests/web/page/page-hooks.js)

if(TERVAN_BUILD_TESTS AND EXISTS "${TERVAN_TEST_FONTS}")
  include(cmake/WebTests.cmake)
endif()
