# Script mode, run by `make test`: fails on any C++ file of ours that
# clang-format, with the repository's .clang-format, would change. ROOT is
# the source tree, CLANG_FORMAT the program.
set(_files "")
foreach(_folder app bench model notebook platform res tests tools view)
  file(GLOB_RECURSE _found ${ROOT}/${_folder}/*.h ${ROOT}/${_folder}/*.cpp)
  list(APPEND _files ${_found})
endforeach()
list(FILTER _files EXCLUDE REGEX "/node_modules/")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${_files}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE _result ERROR_VARIABLE _errors)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "clang-format would change these files (run clang-format -i on them):\n${_errors}")
endif()
list(LENGTH _files _count)
message(STATUS "${_count} files as clang-format writes them")
