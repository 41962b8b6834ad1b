# The reference of the object model in docs/ is what `torvane3d typelib`
# prints: regenerate it with `torvane3d typelib > docs/type-library.txt`.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
run(typelib)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "torvane3d typelib failed (${rc}): ${err}")
endif()
file(READ ${DOC} doc)
if(NOT out STREQUAL doc)
  file(WRITE ${OUT} "${out}")
  message(FATAL_ERROR "docs/type-library.txt differs from `torvane3d typelib` (written to ${OUT}); "
                      "regenerate it with: torvane3d typelib > docs/type-library.txt")
endif()
run(typelib extra)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "torvane3d typelib with an argument: exit ${rc}, not 2")
endif()
