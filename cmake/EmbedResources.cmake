# Turns every res/bitmaps/<ID>.bmp into bytes compiled into the program, with a
# table the framework looks bitmaps up in by ID. Nothing is read at run time.
function(tervan_embed_bitmaps dir out)
  file(GLOB _bmps CONFIGURE_DEPENDS ${dir}/*.bmp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DDIR=${dir} -DOUT=${out}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GenerateEmbeddedBitmaps.cmake
    DEPENDS ${_bmps} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GenerateEmbeddedBitmaps.cmake
    COMMENT "Embedding bitmap resources"
    VERBATIM)
endfunction()
