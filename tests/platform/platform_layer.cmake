cmake_minimum_required(VERSION 3.25)
# Fails when a file of platform/ includes an engine header: the platform
# stands below the engine and speaks in its own types (fonts, outlines,
# pictures, windows); the engine adapts.
#   cmake -DSOURCE_DIR=... -P platform_layer.cmake
#
# Files that still include one are listed below with the engine headers they
# use; each is to move to the platform's own types. A file not listed, or a
# listed file including one more engine header, fails the check.
set(still_engine
  "platform/glyph_outline.h=outline_font.h"
  "platform/picture/metafile_canvas.h=types.h"
  "platform/picture/picture.h=owned.h"
  "platform/window/window.h=types.h")

file(GLOB_RECURSE engine_files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/engine/*.h ${SOURCE_DIR}/engine/*.def)
set(engine_names "")
foreach(path IN LISTS engine_files)
  get_filename_component(name ${path} NAME)
  list(APPEND engine_names ${name})
endforeach()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/platform/*.cpp)
set(broken "")
foreach(file IN LISTS sources)
  get_filename_component(dir ${SOURCE_DIR}/${file} DIRECTORY)
  set(allowed "")
  foreach(entry IN LISTS still_engine)
    if(entry MATCHES "^${file}=(.*)$")
      string(REPLACE "," ";" allowed "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
    if(EXISTS ${dir}/${header})
      continue()  # the platform's own header beside it
    endif()
    get_filename_component(name ${header} NAME)
    if(name IN_LIST engine_names AND NOT name IN_LIST allowed)
      list(APPEND broken "${file}: ${header}")
    endif()
  endforeach()
endforeach()
if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "engine headers included by the platform:\n  ${text}")
endif()
list(LENGTH sources count)
list(LENGTH still_engine left)
message(STATUS "${count} platform files checked (${left} still include an engine header)")
