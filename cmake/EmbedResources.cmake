# Turns every res/bitmaps/<ID>.bmp and res/icons/<name>-<pixels>.png into
# bytes compiled into the program, with the tables the application hands to
# the framework. Nothing is read at run time. With TERVAN_PACK_BITMAPS on,
# the bitmaps are stored compressed and unpacked once at start-up.
function(tervan_embed_resources bitmaps icons out)
  file(GLOB _files CONFIGURE_DEPENDS ${bitmaps}/*.bmp ${icons}/*.png)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DBITMAPS=${bitmaps} -DICONS=${icons} -DOUT=${out}
            -DPACK=${TERVAN_PACK_BITMAPS}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GenerateEmbeddedResources.cmake
    DEPENDS ${_files} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GenerateEmbeddedResources.cmake
    COMMENT "Embedding bitmaps and icons"
    VERBATIM)
endfunction()

# Compiles the bytes of one file into the program as a function `name`
# (unsigned long* size) that returns them.
function(tervan_embed_file in name out)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${in} -DOUT=${out} -DNAME=${name}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedFile.cmake
    DEPENDS ${in} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedFile.cmake
    VERBATIM)
endfunction()
