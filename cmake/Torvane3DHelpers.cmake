# Helpers shared by the folders' CMakeLists.

# torvane3d_layer(NAME SOURCES ... [PUBLIC_HEADERS ...] [DEPENDS layer ...])
# One object library per engine folder. A layer sees its own folder and the
# folders of the layers it depends on, so an include in the wrong direction
# does not build. Public headers are installed under include/torvane3d, and
# linked into the build's include/torvane3d, the only engine folder that
# users of the engine library see in the build (as once installed).
set(TORVANE3D_PUBLIC_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
file(MAKE_DIRECTORY ${TORVANE3D_PUBLIC_INCLUDE_DIR}/torvane3d)

function(torvane3d_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_HEADERS;DEPENDS" ${ARGN})
  add_library(torvane3d_${name} OBJECT ${ARG_SOURCES})
  # The layers end up in one shared library whose functions call each other
  # directly: nobody replaces an engine function from outside it, so calls
  # within the library need not go through the symbol table (see also the
  # engine's -Bsymbolic-functions), and the drawing operations stay cheap.
  target_compile_options(torvane3d_${name} PRIVATE -fno-semantic-interposition)
  target_include_directories(torvane3d_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(torvane3d_${name} PUBLIC torvane3d_${dep})
  endforeach()
  if(ARG_PUBLIC_HEADERS)
    install(FILES ${ARG_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/torvane3d)
    # The public face: what hosts and outside tests may include (tests/install/public_headers.cmake).
    set_property(GLOBAL APPEND PROPERTY TORVANE3D_PUBLIC_HEADERS ${ARG_PUBLIC_HEADERS})
    foreach(header IN LISTS ARG_PUBLIC_HEADERS)
      file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${TORVANE3D_PUBLIC_INCLUDE_DIR}/torvane3d/${header} SYMBOLIC)
    endforeach()
  endif()
  set_property(GLOBAL APPEND PROPERTY TORVANE3D_LAYERS torvane3d_${name})
  set_property(GLOBAL APPEND PROPERTY TORVANE3D_INCLUDE_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
