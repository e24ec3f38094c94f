# Script mode, run on every build: fails when a file of the framework
# (platform/ and its backends) includes a header of ours from outside
# platform/, or when a file of the model includes anything of ours but the
# model itself, the resource IDs and the framework's plain value types.
# ROOT is the source tree.
function(_check_folder folder allowed_regex)
  file(GLOB_RECURSE _files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(_file ${_files})
    file(STRINGS ${_file} _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(_line ${_includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" _header "${_line}")
      if(NOT _header MATCHES "${allowed_regex}")
        file(RELATIVE_PATH _rel ${ROOT} ${_file})
        string(APPEND _errors "  ${_rel} includes \"${_header}\"\n")
      endif()
    endforeach()
  endforeach()
  set(_errors "${_errors}" PARENT_SCOPE)
endfunction()

set(_errors "")
_check_folder(platform "^platform/")
_check_folder(model "^(model/|res/ResourceIds\\.h$|platform/(CString|CTime|Random|Types)\\.h$)")
if(_errors)
  message(FATAL_ERROR "Includes across the framework's and the model's boundaries:\n${_errors}")
endif()
