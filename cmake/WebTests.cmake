# The core's headless tests, built as WebAssembly and run by ctest under
# Node: the same test sources as the desktop's, over the same scripted
# backend, with the faces the tests ask for embedded as the page embeds its
# own (tests/web/TestFonts.txt), so that none needs skipping. GoogleTest is
# built from the sources Debian's libgtest-dev ships.
set(TERVAN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${TERVAN_GTEST_SOURCE} ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(tervan_test_fonts STATIC ${TERVAN_TEST_FONTS})
target_include_directories(tervan_test_fonts PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

file(GLOB TERVAN_HEADLESS_SOURCES CONFIGURE_DEPENDS platform/headless/*.cpp)
add_library(tervan_headless STATIC ${TERVAN_HEADLESS_SOURCES})
target_link_libraries(tervan_headless PUBLIC tervan_platform tervan_test_fonts)
target_compile_options(tervan_headless PRIVATE ${TERVAN_WARNINGS})

enable_testing()
# Node reads and writes the real files (the tests keep pictures in
# artefacts/ and read the program's sources); without a fetch of its own it
# loads the program's WebAssembly from beside it.
find_program(TERVAN_NODE node REQUIRED)
function(tervan_web_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(web_${name}_tests ${ARG_SOURCES})
  target_link_libraries(web_${name}_tests PRIVATE ${ARG_LIBS} gtest gmock)
  target_include_directories(web_${name}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_compile_definitions(web_${name}_tests PRIVATE
    TERVAN_SOURCE_ROOT="${CMAKE_CURRENT_SOURCE_DIR}")
  target_compile_options(web_${name}_tests PRIVATE ${TERVAN_WARNINGS})
  target_link_options(web_${name}_tests PRIVATE
    -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=4194304 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
  add_test(NAME web_${name}_tests
    COMMAND ${TERVAN_NODE} --no-experimental-fetch ${CMAKE_CURRENT_BINARY_DIR}/web_${name}_tests.js
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(web_${name}_tests PROPERTIES TIMEOUT 900)
endfunction()

# The same folders as the desktop's tests, linked the same way.
file(GLOB _model CONFIGURE_DEPENDS tests/model/*.cpp)
tervan_web_tests(model SOURCES ${_model} LIBS tervan_model gtest_main)
file(GLOB _platform CONFIGURE_DEPENDS tests/platform/*.cpp)
tervan_web_tests(platform SOURCES ${_platform} tests/support/Pixels.cpp LIBS tervan_headless)
foreach(folder app view notebook res scenarios)
  file(GLOB _sources CONFIGURE_DEPENDS tests/${folder}/*.cpp)
  tervan_web_tests(${folder} SOURCES ${_sources} tests/support/Pixels.cpp
                   tests/support/TervanTestMain.cpp LIBS tervan_app tervan_headless)
endforeach()
