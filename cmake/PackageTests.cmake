# Tests that build the Debian package as `make package` does and check what
# is inside it; scripts/test-package.sh does the work. They run one at a
# time, as packing and lintian load both cores.
set(_deb ${CMAKE_BINARY_DIR}/tervan_${PROJECT_VERSION}_amd64.deb)
set(_root ${CMAKE_BINARY_DIR}/package-root)
set(_script ${CMAKE_CURRENT_SOURCE_DIR}/scripts/test-package.sh)

add_test(NAME package_build
  COMMAND bash ${_script} build ${_deb} ${_root} ${CMAKE_CPACK_COMMAND})
set_tests_properties(package_build PROPERTIES FIXTURES_SETUP tervan_deb RUN_SERIAL ON)

add_test(NAME package_contents
  COMMAND bash ${_script} contents ${_deb} ${_root} ${PROJECT_VERSION}
          ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
add_test(NAME package_depends
  COMMAND bash ${_script} depends ${_deb} ${_root}
          ${CMAKE_SOURCE_DIR}/res/Resources.cpp ${TERVAN_FONT_PACKAGES})
add_test(NAME package_desktop_entry COMMAND bash ${_script} desktop ${_deb} ${_root})
add_test(NAME package_metainfo COMMAND bash ${_script} metainfo ${_deb} ${_root})
add_test(NAME package_lintian COMMAND bash ${_script} lintian ${_deb} ${_root})
set_tests_properties(package_contents package_depends package_desktop_entry package_metainfo
  package_lintian PROPERTIES FIXTURES_REQUIRED tervan_deb RUN_SERIAL ON)
