# The libraries every build of the program makes alike, on the desktop and in
# the browser, over that build's tervan_base and tervan_platform.

# tervan_model: everything that needs no window and draws nothing.
file(GLOB TERVAN_MODEL_SOURCES CONFIGURE_DEPENDS model/*.cpp)
add_library(tervan_model STATIC ${TERVAN_MODEL_SOURCES})
target_link_libraries(tervan_model PUBLIC tervan_base)
target_compile_options(tervan_model PRIVATE ${TERVAN_WARNINGS})

# tervan_app: the program itself, the window class with its handlers, its
# drawing and its notebook, and the resources compiled in.
file(GLOB TERVAN_APP_SOURCES CONFIGURE_DEPENDS
  app/*.cpp view/*.cpp notebook/*.cpp res/*.cpp)
tervan_embed_resources(${CMAKE_CURRENT_SOURCE_DIR}/res/bitmaps
  ${CMAKE_CURRENT_SOURCE_DIR}/res/icons
  ${CMAKE_CURRENT_BINARY_DIR}/generated/EmbeddedResources.cpp)
add_library(tervan_app STATIC ${TERVAN_APP_SOURCES}
  ${CMAKE_CURRENT_BINARY_DIR}/generated/EmbeddedResources.cpp)
target_link_libraries(tervan_app PUBLIC tervan_platform tervan_model)
target_compile_options(tervan_app PRIVATE ${TERVAN_WARNINGS})
set_source_files_properties(res/Resources.cpp PROPERTIES
  COMPILE_DEFINITIONS TERVAN_VERSION="${PROJECT_VERSION}")
