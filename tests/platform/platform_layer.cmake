cmake_minimum_required(VERSION 3.25)
# Fails when a file of platform/ includes an engine header: the platform
# stands below the engine and speaks in its own types (fonts, outlines,
# pictures, windows); the engine adapts.
#   cmake -DSOURCE_DIR=... -P platform_layer.cmake

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
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
    if(EXISTS ${dir}/${header})
      continue()  # the platform's own header beside it
    endif()
    get_filename_component(name ${header} NAME)
    if(name IN_LIST engine_names)
      list(APPEND broken "${file}: ${header}")
    endif()
  endforeach()
endforeach()
if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "engine headers included by the platform:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} platform files checked")
