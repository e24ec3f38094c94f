# The framework's two libraries, from the same sources in every build:
# tervan_base (strings, calendar time, the random source, which the model
# uses too) and tervan_platform (the rest: drawing, text, the classic look,
# windows and dialogs over one backend interface; it knows no application).
# A build names only how it finds its font files (FONT_MATCH, a source) and
# what FreeType and the matcher link with (LIBS).
function(tervan_framework_libraries)
  cmake_parse_arguments(ARG "" "FONT_MATCH" "LIBS" ${ARGN})
  set(_root ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..)
  set(_base ${_root}/platform/CString.cpp ${_root}/platform/CTime.cpp ${_root}/platform/Random.cpp)
  add_library(tervan_base STATIC ${_base})
  target_include_directories(tervan_base PUBLIC ${_root})
  target_compile_options(tervan_base PRIVATE ${TERVAN_WARNINGS})

  file(GLOB _platform CONFIGURE_DEPENDS ${_root}/platform/*.cpp)
  list(FILTER _platform EXCLUDE REGEX "/platform/(CString|CTime|Random|FontMatch)\\.cpp$")
  add_library(tervan_platform STATIC ${_platform} ${ARG_FONT_MATCH})
  target_link_libraries(tervan_platform PUBLIC tervan_base ${ARG_LIBS})
  target_compile_options(tervan_platform PRIVATE ${TERVAN_WARNINGS})
endfunction()
