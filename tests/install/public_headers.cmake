cmake_minimum_required(VERSION 3.25)
# Fails when the control layer, a host, a benchmark or a test outside the
# engine's own unit tests and kernel benchmarks (bench/kernels, which time
# parts no public call reaches alone) includes a header of the engine's
# layers or of the platform that is not installed: they use the public face
# only.
#   cmake -DSOURCE_DIR=... -DPUBLIC="restable.h;page.h;..." -P public_headers.cmake

# Header names inside the layers and the platform; the control layer's own
# headers (some share a name with an engine header) are the control's to rule.
file(GLOB_RECURSE layer_headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/engine/*.h ${SOURCE_DIR}/platform/*.h)
file(GLOB_RECURSE control_headers ${SOURCE_DIR}/control/*.h)
set(internal "")
foreach(path IN LISTS layer_headers)
  get_filename_component(name ${path} NAME)
  list(APPEND internal ${name})
endforeach()
set(control_names "")
foreach(path IN LISTS control_headers)
  get_filename_component(name ${path} NAME)
  list(APPEND control_names ${name})
endforeach()
list(REMOVE_ITEM internal ${PUBLIC} ${control_names})
list(REMOVE_DUPLICATES internal)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/hosts/*.h ${SOURCE_DIR}/hosts/*.cpp ${SOURCE_DIR}/hosts/*.c ${SOURCE_DIR}/bench/*.cpp
  ${SOURCE_DIR}/tests/golden/*.cpp ${SOURCE_DIR}/tests/install/*.c ${SOURCE_DIR}/tests/install/*.cpp
  ${SOURCE_DIR}/tests/cli/*.cpp ${SOURCE_DIR}/python/*.cpp
  ${SOURCE_DIR}/control/*.h ${SOURCE_DIR}/control/*.cpp ${SOURCE_DIR}/tests/control/*.h ${SOURCE_DIR}/tests/control/*.cpp)
list(FILTER sources EXCLUDE REGEX "^bench/kernels/")
set(broken "")
foreach(file IN LISTS sources)
  get_filename_component(dir ${SOURCE_DIR}/${file} DIRECTORY)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
    if(EXISTS ${dir}/${header})
      continue()  # the host's own header beside it
    endif()
    get_filename_component(name ${header} NAME)
    if(name IN_LIST internal)
      list(APPEND broken "${file}: ${header}")
    endif()
  endforeach()
endforeach()
if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "internal engine headers outside the engine's unit tests:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files use the public face")
