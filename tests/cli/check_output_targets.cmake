# Where the writing commands (render, cube, contours, specimen, sheet) put
# their files, end to end:
#   cmake -DTORVANE3D=... -DDIR=... -DOUT=<folder> -P this file.
# Devices and links are written through, never replaced; an input is never
# overwritten; a full disk is an error; "-" is standard output; writers
# running at once leave one whole file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
set(grid ${DIR}/files/bump.dat)

# fail(WHAT): stops the test with the last run's results.
macro(fail what)
  message(FATAL_ERROR "${what}: status ${rc}\n${err}")
endmacro()

# Each writing command with its arguments before -o ("|" between them).
set(writers "render|${grid}" "cube|${grid}" "contours|${grid}|NUM_DISTN_LEVELS=3" "specimen" "sheet")

foreach(row IN LISTS writers)
  string(REPLACE "|" ";" writer "${row}")
  # A full device: the cause is named and the status says so.
  run(${writer} -o /dev/full)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write /dev/full: No space left on device")
    fail("${writer} -o /dev/full")
  endif()
  # A device stays a device, also through a link to it.
  file(CREATE_LINK /dev/null ${OUT}/null-link SYMBOLIC)
  foreach(target /dev/null ${OUT}/null-link)
    run(${writer} -o ${target})
    if(NOT rc EQUAL 0 OR NOT IS_SYMLINK ${OUT}/null-link)
      fail("${writer} -o ${target}")
    endif()
  endforeach()
  file(REMOVE ${OUT}/null-link)
endforeach()
execute_process(COMMAND test -c /dev/null RESULT_VARIABLE not_a_device)
if(not_a_device)
  message(FATAL_ERROR "/dev/null is no longer a character device")
endif()

# An output that is one of the inputs (by its name, a link or a step) is
# refused and the input stays as it was.
file(COPY ${grid} DESTINATION ${OUT})
set(input ${OUT}/bump.dat)
file(READ ${input} before)
file(CREATE_LINK ${input} ${OUT}/input-link SYMBOLIC)
foreach(row "render|${input}|-o|${input}" "cube|${input}|-o|${OUT}/input-link"
            "contours|${input}|-o|${input}" "render|SURFACE_DATA=${input}|-o|${input}")
  string(REPLACE "|" ";" args "${row}")
  run(${args})
  file(READ ${input} after)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write .*: is also an input" OR NOT after STREQUAL before)
    fail("${args}")
  endif()
endforeach()

# A link to a file: the file is replaced, the link stays.
file(WRITE ${OUT}/real.png "old")
file(CREATE_LINK real.png ${OUT}/link.png SYMBOLIC)
run(render ${grid} --size 40x30 -o ${OUT}/link.png)
file(READ ${OUT}/real.png head LIMIT 8 HEX)
if(NOT rc EQUAL 0 OR NOT IS_SYMLINK ${OUT}/link.png OR NOT head STREQUAL "89504e470d0a1a0a")
  fail("render -o link")
endif()

# A directory says so.
run(render -o ${OUT})
if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write ${OUT}: is a directory")
  fail("render -o a directory")
endif()

# "-": the picture on standard output, the contour lines too (their summary
# then goes to standard error).
execute_process(COMMAND ${TORVANE3D} render ${grid} --size 40x30 -o - OUTPUT_FILE ${OUT}/stdout.png RESULT_VARIABLE rc)
file(READ ${OUT}/stdout.png head LIMIT 8 HEX)
if(NOT rc EQUAL 0 OR NOT head STREQUAL "89504e470d0a1a0a")
  fail("render -o -")
endif()
run(contours ${grid} NUM_DISTN_LEVELS=1 -o -)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^POINT 1\n" OR NOT err MATCHES "^series 0: level 0")
  fail("contours -o -")
endif()

# Four renders of one name at once (a pipeline runs them together): each
# succeeds and the file is one whole picture, the same as a render alone.
run(render --size 300x200 -o ${OUT}/alone.png)
execute_process(
  COMMAND ${TORVANE3D} render --size 300x200 -o ${OUT}/same.png
  COMMAND ${TORVANE3D} render --size 300x200 -o ${OUT}/same.png
  COMMAND ${TORVANE3D} render --size 300x200 -o ${OUT}/same.png
  COMMAND ${TORVANE3D} render --size 300x200 -o ${OUT}/same.png
  RESULTS_VARIABLE statuses)
file(SHA256 ${OUT}/alone.png alone)
file(SHA256 ${OUT}/same.png same)
if(NOT statuses STREQUAL "0;0;0;0" OR NOT alone STREQUAL same)
  message(FATAL_ERROR "concurrent renders: ${statuses}, the picture differs from a render alone")
endif()

file(GLOB leftovers ${OUT}/.*)
if(leftovers)
  message(FATAL_ERROR "temporary files left: ${leftovers}")
endif()
