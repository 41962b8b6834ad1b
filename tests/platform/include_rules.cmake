# Fails when a file outside its allowed folders includes a platform library.
#   cmake -DSOURCE_DIR=... -P include_rules.cmake
set(rules
  "cairo|ft2build|freetype/|fontconfig/|cups/=platform/"
  # tests/support writes picture files for the picture tests
  "png\\.h|jpeglib\\.h=platform/|engine/output/|tests/support/")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/engine/*.h ${SOURCE_DIR}/engine/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/platform/*.cpp
  ${SOURCE_DIR}/control/*.h ${SOURCE_DIR}/control/*.cpp ${SOURCE_DIR}/hosts/*.h ${SOURCE_DIR}/hosts/*.cpp
  ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/fuzz/*.cpp)
set(broken "")
foreach(file IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(rule IN LISTS rules)
    string(REPLACE "=" ";" parts "${rule}")
    list(GET parts 0 library)
    list(GET parts 1 allowed)
    if(file MATCHES "^(${allowed})")
      continue()
    endif()
    foreach(line IN LISTS includes)
      if(line MATCHES "[<\"](${library})")
        list(APPEND broken "${file}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
# The benchmarks compare with plain cairo on purpose.
list(FILTER broken EXCLUDE REGEX "^bench/")
if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "platform libraries included outside their folders:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files follow the include rules")
