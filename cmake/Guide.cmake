# The operating guide, docs/guia/tervan-guia.html with its pictures inside,
# written as one file into the build folder: beside the desktop program
# (which opens it from there when run from the build) and beside the
# browser's page (`make web` publishes it with the page). The Debian package
# installs it with its documentation.
set(TERVAN_GUIDE ${CMAKE_BINARY_DIR}/tervan-guia.html)
file(GLOB _guide_pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/guia/*.png)
add_custom_command(OUTPUT ${TERVAN_GUIDE}
  COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-guide.py
          ${CMAKE_CURRENT_SOURCE_DIR}/docs/guia/tervan-guia.html ${TERVAN_GUIDE}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/guia/tervan-guia.html
          ${CMAKE_CURRENT_SOURCE_DIR}/scripts/build-guide.py ${_guide_pictures}
  COMMENT "Writing the operating guide, tervan-guia.html"
  VERBATIM)
add_custom_target(tervan_guide ALL DEPENDS ${TERVAN_GUIDE})
