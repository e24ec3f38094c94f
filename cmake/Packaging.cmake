# The Debian package of the program: `make package` (CPack's Debian
# generator) writes tervan_<version>_amd64.deb into the build folder. The
# program, its desktop entry and its icons install beside the program's
# target; this adds the AppStream metainfo, the manual page, the copyright
# file, the changelog and the operating guide, sets up CPack and, with the tests, the tests that
# build the package and validate what is inside it.
# A sanitized build is there for its tests and is never packaged.
if(NOT TARGET tervan OR NOT UNIX OR APPLE OR TERVAN_SANITIZE)
  return()
endif()

set(TERVAN_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(_generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
# The metainfo file is named by its component ID, as AppStream wants.
set(TERVAN_METAINFO invalid.tervan.tervan.metainfo.xml)
# The families res/FontSubstitutes.cpp names come from these packages; the
# test package_depends checks that they still do.
set(TERVAN_FONT_PACKAGES fonts-comic-neue fonts-liberation fonts-urw-base35)

# The manual page and the changelog go in compressed to the maximum and
# without gzip's name and timestamp, so two builds give the same files.
configure_file(${TERVAN_PACKAGING_DIR}/tervan.1.in ${_generated}/tervan.1 @ONLY)
configure_file(${TERVAN_PACKAGING_DIR}/changelog ${_generated}/changelog COPYONLY)
foreach(doc tervan.1 changelog)
  add_custom_command(OUTPUT ${_generated}/${doc}.gz
    COMMAND gzip -9nkf ${_generated}/${doc}
    DEPENDS ${_generated}/${doc} VERBATIM)
  list(APPEND _compressed ${_generated}/${doc}.gz)
endforeach()
add_custom_target(tervan_package_docs ALL DEPENDS ${_compressed})

install(FILES ${_generated}/tervan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TERVAN_PACKAGING_DIR}/${TERVAN_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TERVAN_PACKAGING_DIR}/copyright ${_generated}/changelog.gz ${TERVAN_GUIDE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tervan)

# The version is the project's own, 1.0.0.1 as in the program's version
# resource, with no Debian revision: the packaging lives in the project's
# tree and is released with it, so a change to it is a release of the
# project and takes the project's next version.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervan)
set(CPACK_PACKAGE_VENDOR "The Tervan team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "virtual physics lab bench: estimate absolute zero")
set(CPACK_PACKAGE_DESCRIPTION
    "Tervan is a virtual lab bench for secondary-school physics. On screen, a
student carries out the practical “Estimació del zero absolut de
temperatures”: a bottle of air, joined through a valve to a mercury U-tube
manometer, is closed, submerged in a water bath, heated and cooled.

At each temperature the student brings the mercury back to its mark, reads
its level on a centimetre ruler and notes it in a lab notebook, whose graph
page fits a straight line through the noted points; its intercept is the
student's own estimate of absolute zero. The program's texts are in
Catalan.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tervan team <tervan@tervan.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, as dpkg-shlibdeps finds them, and the
# fonts the program draws its text with. Qt's print support is named too:
# its package also brings the plugin that reaches the printers.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS
       "${TERVAN_FONT_PACKAGES};libqt6printsupport6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

if(TERVAN_BUILD_TESTS)
  include(cmake/PackageTests.cmake)
endif()
